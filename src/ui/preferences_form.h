#pragma once

#include "base/preferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;

// "Program Preferences": the common switches, how matches are written, and the language.
// OK and Apply write the values and tell the main window what to apply at once.
namespace kv {

class TPreferencesForm : public QDialog {
    Q_OBJECT
public:
    explicit TPreferencesForm(QWidget* parent = nullptr);

    // Reloads every control from the settings store (each opening does).
    void Reload();
    TProgramPreferences Values() const;
    // Writes the values when something changed; false when nothing had.
    bool ApplyChanges();

signals:
    void Applied(const TProgramPreferences::TSaved& saved);

protected:
    void accept() override;

private:
    void Changed();
    QTabWidget* tabs_;
    QComboBox* units_;
    QCheckBox* hints_;
    QCheckBox* time_;
    QCheckBox* flat_;
    QCheckBox* trash_;
    QCheckBox* backup_;
    QComboBox* firstTeam_;
    QComboBox* secondTeam_;
    QComboBox* matchSep_;
    QComboBox* scoreSep_;
    QCheckBox* matchDate_;
    QCheckBox* fullScore_;
    QListWidget* languages_;
    QPushButton* apply_;
    bool loading_ = false;
};

} // namespace kv
