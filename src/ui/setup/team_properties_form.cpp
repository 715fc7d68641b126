#include "ui/setup/team_properties_form.h"

#include "base/country_names.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/tournament_document.h"
#include "model/group.h"
#include "render/paint_tools.h"
#include "ui/setup/people_form.h"
#include "ui/statistics/team_stats_frame.h"
#include "ui/tables/place_font_form.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

// A field with its "..." button on the right.
QWidget* WithButton(QWidget* parent, QWidget* field, QToolButton* button) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, 1);
    row->addWidget(button);
    return box;
}

QToolButton* DotsButton(QWidget* parent, const char* name, const QString& hint) {
    auto* b = Named(new QToolButton(parent), name);
    b->setText(QStringLiteral("..."));
    b->setToolTip(hint);
    return b;
}

} // namespace

TTeamPropertiesForm::TTeamPropertiesForm(TTournamentDocument& doc, TDialogSeam& dialogs,
                                         QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(dialogs),
      edits_(std::make_unique<TTeamEdits>(doc.Tournament())) {
    setObjectName(QStringLiteral("TTeamPropertiesForm"));
    setWindowTitle(
        Fmt(QStringLiteral("%s - %s"), LangText(8600, "Team Properties"), doc.Tournament().Name));
    auto* layout = new QVBoxLayout(this);
    auto* chooser = new QHBoxLayout;
    groups_ = Named(new QComboBox(this), "GroupBox");
    teams_ = Named(new QComboBox(this), "TeamBox");
    teams_->setMinimumContentsLength(20);
    auto* groupLabel = new QLabel(doc.Tournament().HasConferences() ? LangText(8605, "&Division:")
                                                                    : LangText(8601, "&Group:"),
                                  this);
    groupLabel->setBuddy(groups_);
    auto* teamLabel = new QLabel(LangText(8602, "&Team:"), this);
    teamLabel->setBuddy(teams_);
    prior_ = Named(new QPushButton(LangText(8603, "&Prior"), this), "PriorBtn");
    next_ = Named(new QPushButton(LangText(8604, "&Next"), this), "NextBtn");
    prior_->setAutoDefault(false);
    next_->setAutoDefault(false);
    chooser->addWidget(groupLabel);
    chooser->addWidget(groups_, 1);
    chooser->addWidget(teamLabel);
    chooser->addWidget(teams_, 2);
    chooser->addWidget(prior_);
    chooser->addWidget(next_);
    layout->addLayout(chooser);

    pages_ = Named(new QTabWidget(this), "PageControl");
    pages_->addTab(BuildMainPage(), LangText(8610, "&Main"));
    pages_->addTab(BuildFontPage(), LangText(8630, "&Font && Color"));
    pages_->addTab(BuildAddedPage(), LangText(8640, "A&dded/Deducted Points && Goals"));
    stats_ = new TTeamStatsFrame(doc_, dialogs_, pages_);
    pages_->addTab(stats_, LangText(8650, "&Statistics"));
    layout->addWidget(pages_, 1);
    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    apply_ = buttons.Apply;
    apply_->setEnabled(false);
    layout->addWidget(buttons.Box);
    connect(apply_, &QPushButton::clicked, this, &TTeamPropertiesForm::Apply);

    connect(groups_, &QComboBox::activated, this, [this] {
        if (!TakeName() || !TakeSymbol()) {
            // The refused team stays shown, with its own group.
            if (const TTeam* team = Edited())
                groups_->setCurrentIndex(groups_->findData(team->GroupId));
            return;
        }
        FillTeams(-1);
        LoadTeam();
    });
    connect(teams_, &QComboBox::activated, this, [this] {
        if (!TakeName() || !TakeSymbol()) {
            teams_->setCurrentIndex(teams_->findData(teamId_));
            return;
        }
        teamId_ = teams_->currentData().toInt();
        LoadTeam();
    });
    connect(prior_, &QPushButton::clicked, this, &TTeamPropertiesForm::Prior);
    connect(next_, &QPushButton::clicked, this, &TTeamPropertiesForm::Next);
    FillGroups();
    FillStadiums();
    ShowTeam(-1);
    resize(620, 440);
}

TTeamPropertiesForm::~TTeamPropertiesForm() = default;

QWidget* TTeamPropertiesForm::BuildMainPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    name_ = Named(new QLineEdit(page), "NameEdit");
    name_->setMaxLength(TTeam::kNameCapacity);
    symbol_ = Named(new QLineEdit(page), "SymbolEdit");
    symbol_->setMaxLength(TTeam::kSymbolCapacity);
    for (QLineEdit* e : {name_, symbol_}) {
        e->setReadOnly(true);
        e->installEventFilter(this);
    }
    QToolButton* nameBtn =
        DotsButton(page, "ModifyNameBtn", LangText(8613, "Modify Team Name (F2)"));
    QToolButton* symbolBtn =
        DotsButton(page, "ModifySymbolBtn", LangText(8614, "Modify Team Symbol (F2)"));
    connect(nameBtn, &QToolButton::clicked, this, &TTeamPropertiesForm::ModifyName);
    connect(symbolBtn, &QToolButton::clicked, this, &TTeamPropertiesForm::ModifySymbol);
    form->addRow(LangText(8611, "Nam&e:"), WithButton(page, name_, nameBtn));
    form->addRow(LangText(8612, "Sym&bol (1-5 letters):"), WithButton(page, symbol_, symbolBtn));
    city_ = Named(new QLineEdit(page), "CityEdit");
    country_ = Named(new QComboBox(page), "CountryBox");
    country_->setEditable(true);
    country_->setInsertPolicy(QComboBox::NoInsert);
    country_->addItems(CountryNames());
    country_->lineEdit()->setMaxLength(TTeam::kTextCapacity);
    coach_ = Named(new QLineEdit(page), "CoachEdit");
    president_ = Named(new QLineEdit(page), "PresidentEdit");
    for (QLineEdit* e : {city_, coach_, president_}) {
        e->setMaxLength(TTeam::kTextCapacity);
        connect(e, &QLineEdit::textEdited, this, &TTeamPropertiesForm::StoreFields);
    }
    connect(country_, &QComboBox::editTextChanged, this, &TTeamPropertiesForm::StoreFields);
    year_ = Named(new QLineEdit(page), "YearEdit");
    year_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), year_));
    year_->setMaximumWidth(80);
    connect(year_, &QLineEdit::textEdited, this, &TTeamPropertiesForm::StoreFields);
    stadium_ = Named(new QComboBox(page), "StadiumBox");
    connect(stadium_, &QComboBox::activated, this, &TTeamPropertiesForm::StoreFields);
    QToolButton* stadiumsBtn = DotsButton(page, "StadiumsBtn", LangText(8621, "Stadiums"));
    connect(stadiumsBtn, &QToolButton::clicked, this, &TTeamPropertiesForm::EditStadiums);
    form->addRow(LangText(8615, "&City:"), city_);
    form->addRow(LangText(8616, "C&ountry:"), country_);
    form->addRow(LangText(8617, "Ma&in Coach:"), coach_);
    form->addRow(LangText(8618, "P&resident:"), president_);
    form->addRow(LangText(8619, "Foundation &Year:"), year_);
    form->addRow(LangText(8620, "Stadi&um:"), WithButton(page, stadium_, stadiumsBtn));
    return page;
}

QWidget* TTeamPropertiesForm::BuildFontPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    separateFont_ =
        Named(new QCheckBox(LangText(8631, "S&eparate Team Font"), page), "SeparateFontBox");
    auto* fontBtn = Named(new QPushButton(LangText(8632, "F&ont"), page), "FontBtn");
    fontBtn->setAutoDefault(false);
    separateBg_ = Named(new QCheckBox(LangText(8633, "Separate Team Background &Color"), page),
                        "SeparateBgBox");
    background_ =
        Named(new TColorButton(dialogs_, LangText(8634, "&BG Color"), page), "BgColorBtn");
    grid->addWidget(separateFont_, 0, 0);
    grid->addWidget(fontBtn, 0, 1);
    grid->addWidget(separateBg_, 1, 0);
    grid->addWidget(background_, 1, 1);
    sample_ = Named(new QLabel(page), "SampleLabel");
    sample_->setAutoFillBackground(true);
    sample_->setMinimumHeight(40);
    sample_->setFrameShape(QFrame::Panel);
    sample_->setFrameShadow(QFrame::Sunken);
    sample_->setAlignment(Qt::AlignCenter);
    grid->addWidget(sample_, 2, 0, 1, 3);
    grid->setRowStretch(3, 1);
    connect(separateFont_, &QCheckBox::toggled, this, &TTeamPropertiesForm::StoreFields);
    connect(separateBg_, &QCheckBox::toggled, this, [this](bool on) {
        // The team's own colour starts as the one the button shows.
        if (on && !loading_ && Edited() && !Edited()->SeparateBackground)
            Edited()->BackgroundColor = background_->Color();
        StoreFields();
    });
    connect(fontBtn, &QPushButton::clicked, this, &TTeamPropertiesForm::ChooseFont);
    // The button shows the team's own colour, or the table's while the team has none.
    connect(background_, &TColorButton::ColorChosen, this, [this](TColor c) {
        if (loading_ || !Edited()) return;
        Edited()->BackgroundColor = c;
        separateBg_->setChecked(true);
        StoreFields();
    });
    return page;
}

QWidget* TTeamPropertiesForm::BuildAddedPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    const char* names[3] = {"AddedPointsEdit", "AddedGoalsForEdit", "AddedGoalsAgainstEdit"};
    const double limits[3] = {100, 1000, 1000};
    for (int i = 0; i < 3; ++i) {
        added_[i] = Named(new QDoubleSpinBox(page), names[i]);
        added_[i]->setRange(-limits[i], limits[i]);
        added_[i]->setDecimals(1);
        added_[i]->setMaximumWidth(120);
        connect(added_[i], &QDoubleSpinBox::valueChanged, this, &TTeamPropertiesForm::StoreFields);
    }
    form->addRow(LangText(8641, "P&oints:"), added_[0]);
    form->addRow(LangText(8642, "Goals Fo&r:"), added_[1]);
    form->addRow(LangText(8643, "Goals Aga&inst:"), added_[2]);
    return page;
}

void TTeamPropertiesForm::FillGroups() {
    groups_->clear();
    for (const auto& g : doc_.Tournament().Groups())
        groups_->addItem(g->Name, g->Id);
}

// A group's teams in the order of entry.
std::vector<const TTeam*> TTeamPropertiesForm::TeamsOf(int groupId) const {
    std::vector<const TTeam*> teams;
    for (const auto& team : edits_->Teams())
        if (team->GroupId == groupId) teams.push_back(team);
    std::stable_sort(teams.begin(), teams.end(), [](const TTeam* a, const TTeam* b) {
        return a->OrderNumber < b->OrderNumber;
    });
    return teams;
}

void TTeamPropertiesForm::FillTeams(int selectTeamId) {
    teams_->clear();
    for (const TTeam* team : TeamsOf(groups_->currentData().toInt()))
        teams_->addItem(team->Name, team->Id);
    const int at = teams_->findData(selectTeamId);
    teams_->setCurrentIndex(at >= 0 ? at : 0);
    teamId_ = teams_->currentIndex() >= 0 ? teams_->currentData().toInt() : -1;
}

void TTeamPropertiesForm::FillStadiums() {
    const int current = Edited() ? Edited()->HomeStadiumId : -1;
    stadium_->clear();
    stadium_->addItem(LangText(8622, "(none)"), -1);
    for (const TStadium& s : doc_.Tournament().Stadiums)
        stadium_->addItem(ChoiceText(doc_.Tournament().Stadiums, s), s.Id);
    const int at = stadium_->findData(current);
    stadium_->setCurrentIndex(std::max(0, at));
    // A stadium deleted meanwhile is no longer the team's.
    if (at < 0 && Edited()) Edited()->HomeStadiumId = -1;
}

void TTeamPropertiesForm::ShowTeam(int teamId) {
    const TTeam* team = edits_->Team(teamId);
    if (!team && !edits_->Teams().empty()) team = edits_->Teams().front();
    if (!team) {
        LoadTeam();
        return;
    }
    groups_->setCurrentIndex(std::max(0, groups_->findData(team->GroupId)));
    FillTeams(team->Id);
    LoadTeam();
}

// Every team, group by group in the order of entry.
void TTeamPropertiesForm::Prior() {
    Step(-1);
}

void TTeamPropertiesForm::Next() {
    Step(1);
}

void TTeamPropertiesForm::Step(int by) {
    if (!TakeName() || !TakeSymbol()) return;
    const std::vector<int> order = TeamOrder();
    const auto at = std::find(order.begin(), order.end(), teamId_);
    if (at == order.end()) return;
    const auto to = at - order.begin() + by;
    if (to >= 0 && to < static_cast<std::ptrdiff_t>(order.size()))
        ShowTeam(order[static_cast<size_t>(to)]);
}

// Every team, group by group, in the order of entry.
std::vector<int> TTeamPropertiesForm::TeamOrder() const {
    std::vector<int> order;
    for (const auto& g : doc_.Tournament().Groups())
        for (const TTeam* team : TeamsOf(g->Id))
            order.push_back(team->Id);
    return order;
}

TTeam* TTeamPropertiesForm::Edited() {
    return edits_->Team(teamId_);
}

// The look of the team's group, which the team follows where it has none of its own.
const TGroupStyle& TTeamPropertiesForm::StyleOf(const TTeam& team) const {
    const TGroup* g = doc_.Tournament().GroupById(team.GroupId);
    return (g ? g->Style : doc_.Tournament().JointTable().Style);
}

void TTeamPropertiesForm::LoadTeam() {
    loading_ = true;
    const TTeam* team = Edited();
    if (stats_) stats_->ShowTeam(team ? team->Id : -1);
    setEnabled(true);
    pages_->setEnabled(team != nullptr);
    const TTeam empty(nullptr, QString(), 0, -1, -1);
    const TTeam& t = team ? *team : empty;
    name_->setText(t.Name);
    symbol_->setText(t.Symbol);
    name_->setReadOnly(true);
    symbol_->setReadOnly(true);
    city_->setText(t.City);
    country_->setEditText(t.Country);
    coach_->setText(t.MainCoach);
    president_->setText(t.President);
    year_->setText(t.FoundationYear >= 0 ? QString::number(t.FoundationYear) : QString());
    stadium_->setCurrentIndex(std::max(0, stadium_->findData(t.HomeStadiumId)));
    separateFont_->setChecked(t.SeparateFont);
    separateBg_->setChecked(t.SeparateBackground);
    background_->SetColor(t.SeparateBackground ? t.BackgroundColor : StyleOf(t).BackgroundColor());
    added_[0]->setValue(t.AddedPoints);
    added_[1]->setValue(t.AddedGoalsFor);
    added_[2]->setValue(t.AddedGoalsAgainst);
    const std::vector<int> order = TeamOrder();
    prior_->setEnabled(team && !order.empty() && order.front() != team->Id);
    next_->setEnabled(team && !order.empty() && order.back() != team->Id);
    loading_ = false;
    UpdateSample();
}

// The fields that are taken as they change.
void TTeamPropertiesForm::StoreFields() {
    TTeam* team = Edited();
    if (loading_ || !team) return;
    team->City = city_->text().trimmed();
    team->Country = country_->currentText().trimmed();
    team->MainCoach = coach_->text().trimmed();
    team->President = president_->text().trimmed();
    team->FoundationYear = year_->text().isEmpty() ? -1 : year_->text().toInt();
    team->HomeStadiumId = stadium_->currentData().toInt();
    team->SeparateFont = separateFont_->isChecked();
    team->SeparateBackground = separateBg_->isChecked();
    team->AddedPoints = added_[0]->value();
    team->AddedGoalsFor = added_[1]->value();
    team->AddedGoalsAgainst = added_[2]->value();
    UpdateSample();
    Changed();
}

void TTeamPropertiesForm::UpdateSample() {
    const TTeam* team = Edited();
    if (!team) {
        sample_->clear();
        return;
    }
    const TFontData& base = StyleOf(*team).Font;
    const TFontData font = team->SeparateFont ? WithStyleOf(base, team->Font) : base;
    const bool upper = team->SeparateFont && team->UpperCase;
    ShowFontSample(*sample_, font,
                   team->SeparateBackground ? team->BackgroundColor
                                            : StyleOf(*team).BackgroundColor(),
                   upper ? team->DisplayName().toUpper() : team->DisplayName());
}

void TTeamPropertiesForm::Changed() {
    if (!loading_) apply_->setEnabled(true);
}

void TTeamPropertiesForm::ModifyName() {
    if (!Edited()) return;
    pages_->setCurrentIndex(PageMain);
    name_->setReadOnly(false);
    name_->setFocus();
    name_->selectAll();
}

void TTeamPropertiesForm::ModifySymbol() {
    if (!Edited()) return;
    pages_->setCurrentIndex(PageMain);
    symbol_->setReadOnly(false);
    symbol_->setFocus();
    symbol_->selectAll();
}

bool TTeamPropertiesForm::TakeName() {
    return TakeField(
        *name_, &TTeam::Name,
        [this](int id, const QString& text) { return edits_->CheckName(id, text); },
        [](const QString& text) { return text.trimmed(); });
}

bool TTeamPropertiesForm::TakeSymbol() {
    return TakeField(
        *symbol_, &TTeam::Symbol,
        [this](int id, const QString& text) { return edits_->CheckSymbol(id, text); },
        TeamSymbolOf);
}

bool TTeamPropertiesForm::TakeField(QLineEdit& edit, QString TTeam::*field,
                                    const std::function<QString(int, const QString&)>& check,
                                    const std::function<QString(const QString&)>& kept) {
    TTeam* team = Edited();
    if (!team || edit.isReadOnly()) return true;
    if (const QString refused = check(team->Id, edit.text()); !refused.isEmpty()) {
        ShowAppMessage(refused, TMessageKind::Information);
        pages_->setCurrentIndex(PageMain);
        edit.setFocus();
        return false;
    }
    edit.setReadOnly(true);
    const QString value = kept(edit.text());
    edit.setText(value);
    if (value != team->*field) {
        team->*field = value;
        teams_->setItemText(teams_->currentIndex(), team->Name);
        UpdateSample();
        Changed();
    }
    return true;
}

bool TTeamPropertiesForm::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && (edit == name_ || edit == symbol_)) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_F2 && edit->isReadOnly()) {
                edit == name_ ? ModifyName() : ModifySymbol();
                return true;
            }
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !edit->isReadOnly()) {
                edit == name_ ? TakeName() : TakeSymbol();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && !edit->isReadOnly() && isVisible() &&
                   QApplication::activeModalWidget() == this) {
            // Leaving the field takes it; a refusal brings the focus back.
            edit == name_ ? TakeName() : TakeSymbol();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTeamPropertiesForm::ChooseFont() {
    TTeam* team = Edited();
    if (!team) return;
    TSTFontForm form(dialogs_, this);
    const TFontData& base = StyleOf(*team).Font;
    form.Load(team->SeparateFont ? WithStyleOf(base, team->Font) : base,
              team->SeparateFont && team->UpperCase);
    if (form.exec() != QDialog::Accepted) return;
    team->Font = WithStyleOf(team->Font, form.Font());
    team->UpperCase = form.UpperCase();
    separateFont_->setChecked(true);
    StoreFields();
}

void TTeamPropertiesForm::ChooseBackground() {
    if (Edited()) background_->Choose();
}

void TTeamPropertiesForm::EditStadiums() {
    TPeopleForm(TPeopleKind::Stadiums, doc_, dialogs_, this).exec();
    FillStadiums();
    StoreFields();
}

bool TTeamPropertiesForm::Apply() {
    if (!TakeName() || !TakeSymbol()) return false;
    edit::SetTeams(doc_, *edits_);
    apply_->setEnabled(false);
    return true;
}

void TTeamPropertiesForm::accept() {
    if (Apply()) QDialog::accept();
}

} // namespace kv
