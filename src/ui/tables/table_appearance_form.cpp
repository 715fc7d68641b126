#include "ui/tables/table_appearance_form.h"

#include "base/fileio.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/tournament_document.h"
#include "render/paint_tools.h"
#include "storage/named_files.h"
#include "ui/tables/place_appearance_frame.h"
#include "ui/tables/style_form.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

namespace {

struct TFlag {
    const char* Name;
    int Id;
    const char* Text;
    bool TGroupStyle::*Field;
};

// The switches of the table page, each with the style field it sets.
const TFlag kFlags[] = {
    {"BgColorBox", 10512, "Bac&kground Color", &TGroupStyle::HasBGColor},
    {"BoldBordersBox", 10513, "Bold Bo&rders", &TGroupStyle::BoldBorders},
    {"HeaderFontBox", 10515, "Separate Header Fo&nt", &TGroupStyle::HasHeaderFont},
    {"HeaderBgBox", 10516, "Header Back&ground", &TGroupStyle::HasHeaderBGColor},
    {"ResultsFontBox", 10518, "Separate R&esults Font", &TGroupStyle::HasHResultsFont},
    {"ResultColorsBox", 10519, "Results &Colors", &TGroupStyle::HasResultsColors},
    {"DividersBox", 10530, "&Leg Dividers", &TGroupStyle::Dividers},
    {"AwayResultsBox", 10531, "Sho&w Away Results", &TGroupStyle::ShowAwayResults},
    {"HomeMarksBox", 10532, "&Mark Home Matches", &TGroupStyle::MarkHomeMatches},
};

struct TColorField {
    const char* Name;
    int Id;
    const char* Text;
    TColor TGroupStyle::*Field;
};

const TColorField kColors[] = {
    {"BorderColorBtn", 10511, "&Border Color", &TGroupStyle::BorderColor},
    {"BgColorBtn", 10514, "Color", &TGroupStyle::BGColor},
    {"HeaderBgBtn", 10514, "Color", &TGroupStyle::HeaderBGColor},
};

struct TResultPanel {
    const char* Name;
    int Id;
    const char* Text;
};

const TResultPanel kResults[8] = {
    {"WinColorBtn", 10520, "Win"},
    {"DrawColorBtn", 10521, "Draw/Tie"},
    {"LossColorBtn", 10522, "Loss"},
    {"WinOTColorBtn", 10523, "Win (OT)"},
    {"DrawOTColorBtn", 10524, "Draw/Tie (OT)"},
    {"LossOTColorBtn", 10525, "Loss (OT)"},
    {"WinSOColorBtn", 10526, "Win (SO)"},
    {"LossSOColorBtn", 10527, "Loss (SO)"},
};

const char* const kFontLabels[3] = {"TableFontLabel", "HeaderFontLabel", "ResultsFontLabel"};

} // namespace

TTableAppearanceForm::TTableAppearanceForm(TTournamentDocument& doc, TDialogSeam& dialogs,
                                           QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(dialogs), appearance_(AppearanceOf(doc.Tournament())),
      style_(doc.Tournament().JointTable().Style) {
    setObjectName(QStringLiteral("TTableAppearanceForm"));
    setWindowTitle(
        Fmt(QStringLiteral("%s - %s"), LangText(10500, "Table Appearance"), doc.Tournament().Name));
    auto* layout = new QVBoxLayout(this);
    pages_ = Named(new QTabWidget(this), "PageControl");
    pages_->addTab(BuildTablePage(), LangText(10501, "&Table Appearance"));
    pages_->addTab(BuildDisplayPage(), LangText(10502, "Team D&isplay"));
    places_ = Named(new TPlaceAppearanceFrame(doc.Tournament(), appearance_, dialogs, this),
                    "PlaceFrame");
    connect(places_, &TPlaceAppearanceFrame::Changed, this, &TTableAppearanceForm::Changed);
    pages_->addTab(places_, LangText(10503, "&Place Appearance"));
    layout->addWidget(pages_, 1);
    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    apply_ = buttons.Apply;
    apply_->setEnabled(false);
    connect(apply_, &QPushButton::clicked, this, &TTableAppearanceForm::Apply);
    layout->addWidget(buttons.Box);
    LoadStyleFields();
    FillStyles(QString());
}

QWidget* TTableAppearanceForm::BuildTablePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* scopeRow = new QHBoxLayout;
    auto* scopeLabel = new QLabel(LangText(10507, "Appl&y to:"), page);
    scope_ = Named(new QComboBox(page), "ScopeBox");
    scope_->addItem(LangText(10508, "All Tables"), -1);
    for (size_t i = 0; i < appearance_.Tables.size(); ++i)
        scope_->addItem(appearance_.Tables[i].Name, static_cast<int>(i));
    scopeLabel->setBuddy(scope_);
    scopeRow->addWidget(scopeLabel);
    scopeRow->addWidget(scope_, 1);
    scopeRow->addStretch(1);
    layout->addLayout(scopeRow);
    connect(scope_, &QComboBox::activated, this,
            [this] { SetStyleScope(scope_->currentData().toInt()); });
    const auto flag = [page, this](int index) {
        const TFlag& f = kFlags[index];
        auto* box = Named(new QCheckBox(LangText(f.Id, f.Text), page), f.Name);
        connect(box, &QCheckBox::toggled, this, &TTableAppearanceForm::StoreStyleFields);
        return box;
    };
    const auto color = [page, this](int index) {
        const TColorField& f = kColors[index];
        auto* b = Named(new TColorButton(dialogs_, LangText(f.Id, f.Text), page), f.Name);
        connect(b, &TColorButton::ColorChosen, this, &TTableAppearanceForm::StoreStyleFields);
        return b;
    };
    const auto fontRow = [page, this](QGridLayout* grid, int row, int which, int id,
                                      const char* text, const char* name) {
        auto* button = Named(new QPushButton(LangText(id, text), page), name);
        button->setAutoDefault(false);
        auto* sample = Named(new QLabel(page), kFontLabels[which]);
        sample->setMinimumWidth(150);
        connect(button, &QPushButton::clicked, this, [this, which] { ChooseFont(which); });
        grid->addWidget(button, row, 1);
        grid->addWidget(sample, row, 2);
    };

    auto* table = new QGroupBox(LangText(10504, "Table"), page);
    auto* tableGrid = new QGridLayout(table);
    fontRow(tableGrid, 0, FontTable, 10510, "Table &Font...", "TableFontBtn");
    tableGrid->addWidget(color(0), 0, 3);
    tableGrid->addWidget(flag(0), 1, 0, 1, 2);
    tableGrid->addWidget(color(1), 1, 2);
    tableGrid->addWidget(flag(1), 1, 3);
    layout->addWidget(table);

    auto* header = new QGroupBox(LangText(10505, "Header"), page);
    auto* headerGrid = new QGridLayout(header);
    headerGrid->addWidget(flag(2), 0, 0);
    fontRow(headerGrid, 0, FontHeader, 10517, "Header F&ont...", "HeaderFontBtn");
    headerGrid->addWidget(flag(3), 1, 0);
    headerGrid->addWidget(color(2), 1, 1);
    layout->addWidget(header);

    auto* results = new QGroupBox(LangText(10506, "Results Grid"), page);
    auto* resultsGrid = new QGridLayout(results);
    resultsGrid->addWidget(flag(4), 0, 0);
    fontRow(resultsGrid, 0, FontResults, 10528, "Res&ults Font...", "ResultsFontBtn");
    resultsGrid->addWidget(flag(5), 1, 0, 1, 4);
    const TTournament& t = doc_.Tournament();
    for (int i = 0; i < 8; ++i) {
        auto* b =
            Named(new TColorButton(dialogs_, LangText(kResults[i].Id, kResults[i].Text), results),
                  kResults[i].Name);
        b->setMinimumWidth(130);
        connect(b, &TColorButton::ColorChosen, this, &TTableAppearanceForm::StoreStyleFields);
        b->setVisible(ResultColorApplies(t, i));
        const int row = 2 + (i < 3 ? 0 : i < 6 ? 1 : 2);
        const int column = i < 3 ? i : i < 6 ? i - 3 : i - 6;
        resultsGrid->addWidget(b, row, column + 1);
    }
    auto* options = new QHBoxLayout;
    for (int i = 6; i < 9; ++i)
        options->addWidget(flag(i));
    options->addStretch(1);
    resultsGrid->addLayout(options, 5, 0, 1, 4);
    layout->addWidget(results);

    auto* styleRow = new QHBoxLayout;
    auto* styleLabel = new QLabel(LangText(10540, "Table &Style:"), page);
    styles_ = Named(new QComboBox(page), "StyleBox");
    styles_->setMinimumWidth(140);
    styleLabel->setBuddy(styles_);
    auto* save = Named(new QPushButton(LangText(10541, "Sa&ve..."), page), "SaveStyleBtn");
    deleteStyle_ = Named(new QPushButton(LangText(10542, "&Delete"), page), "DeleteStyleBtn");
    auto* saveDefault =
        Named(new QPushButton(LangText(10543, "Save Default"), page), "SaveDefaultBtn");
    auto* loadDefault =
        Named(new QPushButton(LangText(10544, "Load Default"), page), "LoadDefaultBtn");
    for (QPushButton* b : {save, deleteStyle_, saveDefault, loadDefault})
        b->setAutoDefault(false);
    styleRow->addWidget(styleLabel);
    styleRow->addWidget(styles_, 1);
    styleRow->addWidget(save);
    styleRow->addWidget(deleteStyle_);
    styleRow->addSpacing(12);
    styleRow->addWidget(saveDefault);
    styleRow->addWidget(loadDefault);
    layout->addLayout(styleRow);
    layout->addStretch(1);
    connect(styles_, &QComboBox::activated, this, [this] { ChooseStyle(styles_->currentText()); });
    connect(save, &QPushButton::clicked, this, &TTableAppearanceForm::SaveStyle);
    connect(deleteStyle_, &QPushButton::clicked, this, &TTableAppearanceForm::DeleteStyle);
    connect(saveDefault, &QPushButton::clicked, this, &TTableAppearanceForm::SaveDefault);
    connect(loadDefault, &QPushButton::clicked, this, &TTableAppearanceForm::LoadDefault);
    return page;
}

QWidget* TTableAppearanceForm::BuildDisplayPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    showName_ = Named(new QRadioButton(LangText(10600, "Display Team &Name"), page), "ShowNameBtn");
    showSymbol_ =
        Named(new QRadioButton(LangText(10601, "Display Team &Symbol"), page), "ShowSymbolBtn");
    showCity_ = Named(new QCheckBox(LangText(10602, "Display &City"), page), "ShowCityBox");
    showCountry_ =
        Named(new QCheckBox(LangText(10603, "Display C&ountry"), page), "ShowCountryBox");
    (appearance_.ShowSymbol ? showSymbol_ : showName_)->setChecked(true);
    showCity_->setChecked(appearance_.ShowCity);
    showCountry_->setChecked(appearance_.ShowCountry);
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{showName_, showSymbol_, showCity_, showCountry_}) {
        layout->addWidget(b);
        connect(b, &QAbstractButton::toggled, this, [this] {
            appearance_.ShowSymbol = showSymbol_->isChecked();
            appearance_.ShowCity = showCity_->isChecked();
            appearance_.ShowCountry = showCountry_->isChecked();
            UpdateDisplaySample();
            Changed();
        });
    }
    auto* sampleBox = new QGroupBox(LangText(10604, "Sample"), page);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    displaySample_ = Named(new QLabel(sampleBox), "DisplaySample");
    sampleLayout->addWidget(displaySample_);
    layout->addWidget(sampleBox);
    layout->addStretch(1);
    UpdateDisplaySample();
    return page;
}

QCheckBox& TTableAppearanceForm::Check(const char* objectName) const {
    return *findChild<QCheckBox*>(QLatin1String(objectName));
}

TColorButton& TTableAppearanceForm::ColorButton(const char* objectName) const {
    return *findChild<TColorButton*>(QLatin1String(objectName));
}

void TTableAppearanceForm::LoadStyleFields() {
    loading_ = true;
    for (const TFlag& f : kFlags)
        Check(f.Name).setChecked(style_.*f.Field);
    for (const TColorField& f : kColors)
        ColorButton(f.Name).SetColor(style_.*f.Field);
    for (int i = 0; i < 8; ++i)
        ColorButton(kResults[i].Name).SetColor(style_.ResultColors[static_cast<size_t>(i)]);
    const TFontData* fonts[3] = {&style_.Font, &style_.HeaderFont, &style_.ResultsFont};
    for (int i = 0; i < 3; ++i) {
        auto* label = findChild<QLabel*>(QLatin1String(kFontLabels[i]));
        label->setText(Fmt(QStringLiteral("%s, %d"), fonts[i]->Name, fonts[i]->Size));
        label->setFont(ToQFont(*fonts[i]));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ToQColor(fonts[i]->Color));
        label->setPalette(palette);
    }
    ColorButton("BgColorBtn").setEnabled(style_.HasBGColor);
    ColorButton("HeaderBgBtn").setEnabled(style_.HasHeaderBGColor);
    findChild<QPushButton*>(QStringLiteral("HeaderFontBtn"))->setEnabled(style_.HasHeaderFont);
    findChild<QPushButton*>(QStringLiteral("ResultsFontBtn"))->setEnabled(style_.HasHResultsFont);
    for (int i = 0; i < 8; ++i)
        ColorButton(kResults[i].Name).setEnabled(style_.HasResultsColors);
    loading_ = false;
}

void TTableAppearanceForm::StoreStyleFields() {
    if (loading_) return;
    TGroupStyle after = style_;
    for (const TFlag& f : kFlags)
        after.*f.Field = Check(f.Name).isChecked();
    for (const TColorField& f : kColors)
        after.*f.Field = ColorButton(f.Name).Color();
    for (int i = 0; i < 8; ++i)
        after.ResultColors[static_cast<size_t>(i)] = ColorButton(kResults[i].Name).Color();
    EditStyle(after);
}

void TTableAppearanceForm::SetStyleScope(int look) {
    scope_->setCurrentIndex(std::max(0, scope_->findData(look)));
    ShowScopeStyle();
}

// The table page shows the chosen table's style, or the joint table's for all of them.
void TTableAppearanceForm::ShowScopeStyle() {
    const int chosen = scope_->currentData().toInt();
    style_ = chosen >= 0 ? appearance_.Tables[static_cast<size_t>(chosen)].Style
                         : appearance_.Joint().Style;
    LoadStyleFields();
    places_->StyleChanged();
}

// One table takes the edited style; every table takes only what the edit changed.
void TTableAppearanceForm::EditStyle(const TGroupStyle& after) {
    const int chosen = scope_->currentData().toInt();
    for (size_t i = 0; i < appearance_.Tables.size(); ++i) {
        TGroupStyle& style = appearance_.Tables[i].Style;
        if (chosen < 0)
            ApplyStyleChange(style, style_, after);
        else if (static_cast<size_t>(chosen) == i)
            style = after;
    }
    style_ = after;
    LoadStyleFields();
    places_->StyleChanged();
    Changed();
}

void TTableAppearanceForm::ChooseFont(int which) {
    TGroupStyle after = style_;
    TFontData* fonts[3] = {&after.Font, &after.HeaderFont, &after.ResultsFont};
    const char* titles[3] = {"Table Font", "Header Font", "Results Font"};
    const int titleIds[] = {10545, 10546, 10547};
    if (!dialogs_.ChooseFont(this, LangText(titleIds[which], titles[which]), *fonts[which])) return;
    EditStyle(after);
}

void TTableAppearanceForm::FillStyles(const QString& select) {
    styles_->clear();
    styles_->addItem(QString());
    styles_->addItems(NamedFiles(StylesFolder(), QStringLiteral(".tfc")));
    styles_->setCurrentIndex(std::max(0, styles_->findText(select)));
    deleteStyle_->setEnabled(styles_->currentIndex() > 0);
}

// A named style goes to every table; each keeps what the file does not hold, and what was
// read before an error.
void TTableAppearanceForm::ChooseStyle(const QString& name) {
    deleteStyle_->setEnabled(!name.isEmpty());
    if (name.isEmpty()) return;
    QByteArray bytes;
    bool read = ReadFileBytes(TableStylePath(name), bytes).Ok;
    if (read)
        for (TTableLook& look : appearance_.Tables)
            read = ParseTableStyle(bytes, look.Style).Ok && read;
    ShowScopeStyle();
    Changed();
    if (!read) ShowAppMessage(LangText(10555, "Error opening style"), TMessageKind::Error);
}

void TTableAppearanceForm::SaveStyle() {
    const QString name = TStyleForm::AskName(*styles_, this);
    if (name.isEmpty()) return;
    const TIoResult saved = SaveTableStyle(TableStylePath(name), style_);
    if (!saved) {
        ShowAppMessage(saved.Message, TMessageKind::Error);
        return;
    }
    FillStyles(name);
}

void TTableAppearanceForm::DeleteStyle() {
    if (styles_->currentIndex() <= 0 || !TStyleForm::ConfirmDelete()) return;
    DeleteNamedFile(TableStylePath(styles_->currentText()), AskDeleteForGood);
    FillStyles(QString());
}

void TTableAppearanceForm::SaveDefault() {
    style_.SaveAsDefault();
}

// The stored defaults go to every table; each keeps its background picture.
void TTableAppearanceForm::LoadDefault() {
    const TGroupStyle defaults = TGroupStyle::FromSettings();
    for (TTableLook& look : appearance_.Tables) {
        const QString picture = look.Style.BGPicture;
        look.Style = defaults;
        look.Style.BGPicture = picture;
    }
    styles_->setCurrentIndex(0);
    deleteStyle_->setEnabled(false);
    ShowScopeStyle();
    Changed();
}

void TTableAppearanceForm::UpdateDisplaySample() {
    displaySample_->setText(
        TeamDisplaySample(appearance_.ShowSymbol, appearance_.ShowCity, appearance_.ShowCountry));
}

void TTableAppearanceForm::Changed() {
    if (!loading_) apply_->setEnabled(true);
}

void TTableAppearanceForm::Apply() {
    if (!(appearance_ == AppearanceOf(doc_.Tournament()))) {
        edit::SetAppearance(doc_, appearance_);
        // The teams' fonts follow the joint table's: the copies hold what the tournament holds.
        appearance_ = AppearanceOf(doc_.Tournament());
    }
    apply_->setEnabled(false);
}

void TTableAppearanceForm::accept() {
    Apply();
    QDialog::accept();
}

} // namespace kv
