#pragma once

#include "model/appearance_edit.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Table Appearance": the fonts, colours and results-grid options of the tables, named table
// styles and the defaults; how teams are named; and the look of each place of each table. The
// dialog edits copies of every table's look; OK and Apply give the tournament the changes as
// one step.
namespace kv {

class TColorButton;
class TDialogSeam;
class TPlaceAppearanceFrame;
class TTournamentDocument;

class TTableAppearanceForm : public QDialog {
    Q_OBJECT
public:
    enum TPage { PageTable, PageDisplay, PagePlaces };

    TTableAppearanceForm(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent = nullptr);

    // The table, header and results fonts, through the font dialog.
    void ChooseFont(int which);
    // The named table styles: choosing one loads it into every table.
    void ChooseStyle(const QString& name);
    void SaveStyle();
    void DeleteStyle();
    void SaveDefault();
    void LoadDefault();
    // Gives the tournament what changed, as one step.
    void Apply();
    void accept() override;

    const TAppearance& Appearance() const { return appearance_; }
    const TGroupStyle& Style() const { return style_; }
    // Which tables the table page edits: every table (-1) or one (its index in the looks).
    void SetStyleScope(int look);
    QCheckBox& Check(const char* objectName) const;
    TColorButton& ColorButton(const char* objectName) const;
    TPlaceAppearanceFrame& PlaceFrame() const { return *places_; }

    enum TFont { FontTable, FontHeader, FontResults };

private:
    QWidget* BuildTablePage();
    QWidget* BuildDisplayPage();
    void LoadStyleFields();
    void StoreStyleFields();
    void EditStyle(const TGroupStyle& after);
    void ShowScopeStyle();
    void FillStyles(const QString& select);
    void UpdateDisplaySample();
    void Changed();

    TTournamentDocument& doc_;
    TDialogSeam& dialogs_;
    TAppearance appearance_;
    TGroupStyle style_;
    bool loading_ = false;
    QTabWidget* pages_ = nullptr;
    QComboBox* styles_ = nullptr;
    QComboBox* scope_ = nullptr;
    QPushButton* deleteStyle_ = nullptr;
    QRadioButton* showName_ = nullptr;
    QRadioButton* showSymbol_ = nullptr;
    QCheckBox* showCity_ = nullptr;
    QCheckBox* showCountry_ = nullptr;
    QLabel* displaySample_ = nullptr;
    TPlaceAppearanceFrame* places_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace kv
