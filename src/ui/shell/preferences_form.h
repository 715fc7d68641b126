#pragma once

#include "base/preferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

// "Program Preferences": the common switches, how matches are written, the background behind
// the tournament windows, and the language. OK and Apply write the values and tell the main
// window what to apply at once; a new language retitles the dialog itself at once too.
namespace kv {

class TColorButton;
class TDialogSeam;

class TPreferencesForm : public QDialog {
    Q_OBJECT
public:
    explicit TPreferencesForm(TDialogSeam& dialogs, QWidget* parent = nullptr);

    // Reloads every control from the settings store (each opening does).
    void Reload();
    TProgramPreferences Values() const;
    // Writes the values when something changed; false when nothing had.
    bool ApplyChanges();
    // Builds the controls again in the current language, keeping the page and the values.
    void ApplyLanguage();

signals:
    void Applied(const TProgramPreferences::TSaved& saved);

protected:
    void accept() override;

private:
    void Build();
    QWidget* BuildCommonPage();
    QWidget* BuildMatchPage();
    QWidget* BuildBackgroundPage();
    QWidget* BuildLanguagePage();
    void Load(const TProgramPreferences& p);
    void ChoosePicture();
    void Changed();

    TDialogSeam& dialogs_;
    QTabWidget* tabs_ = nullptr;
    QComboBox* units_ = nullptr;
    QCheckBox* hints_ = nullptr;
    QCheckBox* time_ = nullptr;
    QCheckBox* flat_ = nullptr;
    QCheckBox* trash_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QComboBox* firstTeam_ = nullptr;
    QComboBox* secondTeam_ = nullptr;
    QComboBox* matchSep_ = nullptr;
    QComboBox* scoreSep_ = nullptr;
    QCheckBox* matchDate_ = nullptr;
    QCheckBox* fullScore_ = nullptr;
    QCheckBox* hasBgColor_ = nullptr;
    TColorButton* bgColor_ = nullptr;
    QLineEdit* bgPicture_ = nullptr;
    QListWidget* languages_ = nullptr;
    QPushButton* apply_ = nullptr;
    bool loading_ = false;
};

} // namespace kv
