#pragma once

#include "model/appearance_edit.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The look of each place of the tables: a font of its own (colour, styles, capitals) and a
// background colour of its own, for the chosen places of every chosen table, and the named
// place styles.
namespace kv {

class TColorButton;
class TDialogSeam;

class TPlaceAppearanceFrame : public QWidget {
    Q_OBJECT
public:
    TPlaceAppearanceFrame(const TTournament& t, TAppearance& appearance, TDialogSeam& dialogs,
                          QWidget* parent = nullptr);

    // Which tables are listed: joint, groups or divisions, conferences.
    void SetKind(int kind);
    int Kind() const { return kind_; }
    // The table style changed (its font or colours): the samples follow.
    void StyleChanged();

    void SetSeparateFont(bool on);
    void ChooseFont();
    void SetSeparateColor(bool on);
    void SetColor(TColor color);
    void ChoosePlaceStyle(const QString& name);
    void SavePlaceStyle();
    void DeletePlaceStyle();

signals:
    void Changed();

private:
    // The looks of the chosen tables, and the places chosen (0-based).
    std::vector<TTableLook*> ChosenTables() const;
    std::vector<int> ChosenPlaces() const;
    // The first chosen place of the first chosen table; null when none.
    const TPlaceFont* Shown() const;
    void FillTables();
    void FillPlaces();
    void LoadPlace();
    void EditPlaces(const std::function<void(TPlaceFont&, const TTableLook&)>& edit);
    void FillStyles(const QString& select);

    const TTournament& tournament_;
    TAppearance& appearance_;
    TDialogSeam& dialogs_;
    int kind_ = 1;
    bool loading_ = false;
    QRadioButton* kinds_[3] = {};
    QListWidget* tables_ = nullptr;
    QListWidget* places_ = nullptr;
    QCheckBox* separateFont_ = nullptr;
    QPushButton* fontBtn_ = nullptr;
    QCheckBox* separateColor_ = nullptr;
    TColorButton* color_ = nullptr;
    QLabel* sample_ = nullptr;
    QComboBox* styles_ = nullptr;
    QPushButton* deleteStyle_ = nullptr;
};

} // namespace kv
