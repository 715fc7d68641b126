#include "ui/tables/place_appearance_frame.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "model/group.h"
#include "render/paint_tools.h"
#include "storage/named_files.h"
#include "ui/tables/place_font_form.h"
#include "ui/tables/style_form.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/widget_names.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv {

TPlaceAppearanceFrame::TPlaceAppearanceFrame(const TTournament& t, TAppearance& appearance,
                                             TDialogSeam& dialogs, QWidget* parent)
    : QWidget(parent), tournament_(t), appearance_(appearance), dialogs_(dialogs) {
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* kindBox = new QGroupBox(LangText(10709, "Tables"), this);
    auto* kindLayout = new QVBoxLayout(kindBox);
    const bool conferences = t.HasConferences();
    kinds_[KindJoint] =
        Named(new QRadioButton(LangText(10700, "Joint Table"), kindBox), "JointKindBtn");
    kinds_[KindGroup] =
        Named(new QRadioButton(
                  conferences ? LangText(10701, "Divisions") : LangText(10702, "Groups"), kindBox),
              "GroupsKindBtn");
    kinds_[KindConference] =
        Named(new QRadioButton(LangText(10703, "Conferences"), kindBox), "ConferencesKindBtn");
    kinds_[KindConference]->setVisible(conferences);
    auto* group = new QButtonGroup(this);
    for (int k = 0; k < 3; ++k) {
        group->addButton(kinds_[k], k);
        kindLayout->addWidget(kinds_[k]);
    }
    tables_ = Named(new QListWidget(kindBox), "TablesList");
    tables_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    kindLayout->addWidget(tables_, 1);
    left->addWidget(kindBox, 1);
    layout->addLayout(left, 1);

    auto* placeBox = new QGroupBox(LangText(10704, "P&laces"), this);
    auto* placeLayout = new QVBoxLayout(placeBox);
    places_ = Named(new QListWidget(placeBox), "PlacesList");
    places_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    placeLayout->addWidget(places_, 1);
    layout->addWidget(placeBox, 1);

    auto* right = new QVBoxLayout;
    auto* lookBox = new QGroupBox(LangText(10705, "Place Appearance"), this);
    auto* grid = new QGridLayout(lookBox);
    separateFont_ =
        Named(new QCheckBox(LangText(10706, "Separate &Font"), lookBox), "PlaceFontBox");
    fontBtn_ = Named(new QPushButton(LangText(10707, "F&ont..."), lookBox), "PlaceFontBtn");
    fontBtn_->setAutoDefault(false);
    separateColor_ = Named(new QCheckBox(LangText(10708, "Separate &Background Color"), lookBox),
                           "PlaceColorBox");
    color_ =
        Named(new TColorButton(dialogs, LangText(10710, "B&G Color"), lookBox), "PlaceColorBtn");
    sample_ = Named(new QLabel(lookBox), "PlaceSample");
    sample_->setAutoFillBackground(true);
    sample_->setFrameShape(QFrame::Panel);
    sample_->setFrameShadow(QFrame::Sunken);
    sample_->setMinimumHeight(36);
    sample_->setAlignment(Qt::AlignCenter);
    grid->addWidget(separateFont_, 0, 0);
    grid->addWidget(fontBtn_, 0, 1);
    grid->addWidget(separateColor_, 1, 0);
    grid->addWidget(color_, 1, 1);
    grid->addWidget(sample_, 2, 0, 1, 2);
    right->addWidget(lookBox);
    auto* styleBox = new QGroupBox(LangText(10711, "Place St&yle"), this);
    auto* styleLayout = new QGridLayout(styleBox);
    styles_ = Named(new QComboBox(styleBox), "PlaceStyleBox");
    auto* save = Named(new QPushButton(LangText(10712, "Sa&ve..."), styleBox), "SavePlaceStyleBtn");
    deleteStyle_ =
        Named(new QPushButton(LangText(10713, "De&lete"), styleBox), "DeletePlaceStyleBtn");
    save->setAutoDefault(false);
    deleteStyle_->setAutoDefault(false);
    styleLayout->addWidget(styles_, 0, 0, 1, 2);
    styleLayout->addWidget(save, 1, 0);
    styleLayout->addWidget(deleteStyle_, 1, 1);
    right->addWidget(styleBox);
    right->addStretch(1);
    layout->addLayout(right, 1);

    connect(group, &QButtonGroup::idClicked, this, &TPlaceAppearanceFrame::SetKind);
    connect(tables_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!loading_) FillPlaces();
    });
    connect(places_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!loading_) LoadPlace();
    });
    connect(separateFont_, &QCheckBox::clicked, this, &TPlaceAppearanceFrame::SetSeparateFont);
    connect(fontBtn_, &QPushButton::clicked, this, &TPlaceAppearanceFrame::ChooseFont);
    connect(separateColor_, &QCheckBox::clicked, this, &TPlaceAppearanceFrame::SetSeparateColor);
    connect(color_, &TColorButton::ColorChosen, this, &TPlaceAppearanceFrame::SetColor);
    connect(styles_, &QComboBox::activated, this,
            [this] { ChoosePlaceStyle(styles_->currentText()); });
    connect(save, &QPushButton::clicked, this, &TPlaceAppearanceFrame::SavePlaceStyle);
    connect(deleteStyle_, &QPushButton::clicked, this, &TPlaceAppearanceFrame::DeletePlaceStyle);
    SetKind(KindGroup);
    FillStyles(QString());
}

void TPlaceAppearanceFrame::SetKind(int kind) {
    kind_ = kind == KindConference && !tournament_.HasConferences() ? KindGroup : kind;
    kinds_[kind_]->setChecked(true);
    FillTables();
}

void TPlaceAppearanceFrame::FillTables() {
    loading_ = true;
    tables_->clear();
    for (const TTableLook* look : appearance_.OfKind(kind_))
        tables_->addItem(look->Name);
    if (tables_->count() > 0) tables_->item(0)->setSelected(true);
    tables_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    loading_ = false;
    FillPlaces();
}

std::vector<TTableLook*> TPlaceAppearanceFrame::ChosenTables() const {
    std::vector<TTableLook*> chosen;
    const std::vector<TTableLook*> looks = appearance_.OfKind(kind_);
    for (int row = 0; row < tables_->count() && row < static_cast<int>(looks.size()); ++row)
        if (tables_->item(row)->isSelected()) chosen.push_back(looks[static_cast<size_t>(row)]);
    return chosen;
}

std::vector<int> TPlaceAppearanceFrame::ChosenPlaces() const {
    std::vector<int> chosen;
    for (int row = 0; row < places_->count(); ++row)
        if (places_->item(row)->isSelected()) chosen.push_back(row);
    return chosen;
}

void TPlaceAppearanceFrame::FillPlaces() {
    loading_ = true;
    const std::vector<int> before = ChosenPlaces();
    places_->clear();
    const std::vector<TTableLook*> chosen = ChosenTables();
    if (!chosen.empty())
        for (size_t i = 0; i < chosen.front()->PlaceFonts.size(); ++i)
            places_->addItem(Fmt(LangText(10764, "Place %d"), static_cast<int>(i) + 1));
    for (int row : before.empty() ? std::vector<int>{0} : before)
        if (row < places_->count()) places_->item(row)->setSelected(true);
    loading_ = false;
    LoadPlace();
}

const TPlaceFont* TPlaceAppearanceFrame::Shown() const {
    const std::vector<TTableLook*> tables = ChosenTables();
    const std::vector<int> places = ChosenPlaces();
    if (tables.empty() || places.empty()) return nullptr;
    const size_t place = static_cast<size_t>(places.front());
    return place < tables.front()->PlaceFonts.size() ? &tables.front()->PlaceFonts[place] : nullptr;
}

void TPlaceAppearanceFrame::LoadPlace() {
    loading_ = true;
    const TPlaceFont* p = Shown();
    for (QWidget* w :
         std::initializer_list<QWidget*>{separateFont_, fontBtn_, separateColor_, color_})
        w->setEnabled(p != nullptr);
    separateFont_->setChecked(p && p->HasFont);
    separateColor_->setChecked(p && p->HasColor);
    color_->SetColor(p ? p->Color : clBtnFace);
    loading_ = false;
    StyleChanged();
}

void TPlaceAppearanceFrame::StyleChanged() {
    const TPlaceFont* p = Shown();
    const std::vector<TTableLook*> tables = ChosenTables();
    if (!p || tables.empty()) {
        sample_->clear();
        sample_->setPalette(palette());
        return;
    }
    const TGroupStyle& style = tables.front()->Style;
    const TFontData font = p->HasFont ? WithStyleOf(style.Font, p->Font) : style.Font;
    const QString text = LangText(10714, "Team");
    ShowFontSample(*sample_, font, p->HasColor ? p->Color : style.BackgroundColor(),
                   p->HasFont && p->UpperCase ? text.toUpper() : text);
}

void TPlaceAppearanceFrame::EditPlaces(
    const std::function<void(TPlaceFont&, const TTableLook&)>& edit) {
    const std::vector<int> places = ChosenPlaces();
    for (TTableLook* look : ChosenTables())
        for (int place : places)
            if (static_cast<size_t>(place) < look->PlaceFonts.size())
                edit(look->PlaceFonts[static_cast<size_t>(place)], *look);
    LoadPlace();
    emit Changed();
}

void TPlaceAppearanceFrame::SetSeparateFont(bool on) {
    EditPlaces([on](TPlaceFont& p, const TTableLook&) { p.HasFont = on; });
}

void TPlaceAppearanceFrame::ChooseFont() {
    const TPlaceFont* p = Shown();
    if (!p) return;
    const TFontData& tableFont = ChosenTables().front()->Style.Font;
    TSTFontForm form(dialogs_, this);
    form.Load(p->HasFont ? WithStyleOf(tableFont, p->Font) : tableFont, p->HasFont && p->UpperCase);
    if (form.exec() != QDialog::Accepted) return;
    const TFontData chosen = form.Font();
    const bool upper = form.UpperCase();
    EditPlaces([&chosen, upper](TPlaceFont& place, const TTableLook& look) {
        place.HasFont = true;
        place.Font = WithStyleOf(look.Style.Font, chosen);
        place.UpperCase = upper;
    });
}

void TPlaceAppearanceFrame::SetSeparateColor(bool on) {
    EditPlaces([on](TPlaceFont& p, const TTableLook&) { p.HasColor = on; });
}

void TPlaceAppearanceFrame::SetColor(TColor color) {
    EditPlaces([color](TPlaceFont& p, const TTableLook&) {
        p.HasColor = true;
        p.Color = color;
    });
}

void TPlaceAppearanceFrame::FillStyles(const QString& select) {
    styles_->clear();
    styles_->addItem(QString());
    styles_->addItems(NamedFiles(StylesFolder(), QStringLiteral(".pfc")));
    styles_->setCurrentIndex(std::max(0, styles_->findText(select)));
    deleteStyle_->setEnabled(styles_->currentIndex() > 0);
}

void TPlaceAppearanceFrame::ChoosePlaceStyle(const QString& name) {
    deleteStyle_->setEnabled(!name.isEmpty());
    if (name.isEmpty()) return;
    std::vector<TPlaceFont> places;
    const TIoResult read = LoadPlaceStyle(PlaceStylePath(name), places);
    // What was read before an error stays.
    for (TTableLook* look : ChosenTables())
        ApplyPlaceStyle(places, look->PlaceFonts, look->Style.Font);
    LoadPlace();
    emit Changed();
    if (!read) ShowAppMessage(LangText(10555, "Error opening style"), TMessageKind::Error);
}

void TPlaceAppearanceFrame::SavePlaceStyle() {
    const std::vector<TTableLook*> tables = ChosenTables();
    if (tables.empty()) return;
    const QString name = TStyleForm::AskName(*styles_, this);
    if (name.isEmpty()) return;
    const TIoResult saved = kv::SavePlaceStyle(PlaceStylePath(name), tables.front()->PlaceFonts);
    if (!saved) {
        ShowAppMessage(saved.Message, TMessageKind::Error);
        return;
    }
    FillStyles(name);
}

void TPlaceAppearanceFrame::DeletePlaceStyle() {
    if (styles_->currentIndex() <= 0 || !TStyleForm::ConfirmDelete()) return;
    DeleteNamedFile(PlaceStylePath(styles_->currentText()), AskDeleteForGood);
    FillStyles(QString());
}

} // namespace kv
