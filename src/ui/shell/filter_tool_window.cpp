#include "ui/shell/filter_tool_window.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/filter_steps.h"
#include "edit/tournament_document.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/widgets/date_time_field.h"
#include "ui/widgets/widget_names.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPoint>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

namespace kv {

namespace {

// What an entry of the team list stands for: x the filter kind (0 all, 1 conference, 2 group,
// 3 team), y the conference, group or team id.
QVariant EntryData(int kind, int value) {
    return QPoint(kind, value);
}

} // namespace

TFilterToolWindow::TFilterToolWindow(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("FilterToolWindow"));
    tabs_ = Named(new QTabWidget(this), "FilterTabs");
    auto* main = Named(new QWidget(tabs_), "MainFilterTab");
    auto* grid = new QGridLayout(main);
    kind_ = Named(new QComboBox(main), "KindCB");
    fromLabel_ = new QLabel(main);
    toLabel_ = new QLabel(main);
    bounds_ = new QStackedWidget(main);
    auto* numbers = new QWidget(bounds_);
    auto* numbersLayout = new QGridLayout(numbers);
    numbersLayout->setContentsMargins(0, 0, 0, 0);
    fromNumber_ = Named(new QSpinBox(numbers), "FromSpin");
    toNumber_ = Named(new QSpinBox(numbers), "ToSpin");
    fromNumber_->setRange(1, 999);
    toNumber_->setRange(1, 999);
    numbersLayout->addWidget(fromNumber_, 0, 0);
    numbersLayout->addWidget(toNumber_, 1, 0);
    auto* dates = new QWidget(bounds_);
    auto* datesLayout = new QGridLayout(dates);
    datesLayout->setContentsMargins(0, 0, 0, 0);
    fromDate_ = Named(new TDateTimeField(TDateTimeField::TKind::Date, dates), "FromDateEdit");
    toDate_ = Named(new TDateTimeField(TDateTimeField::TKind::Date, dates), "ToDateEdit");
    // A bound is taken when it is complete (Enter, an arrow, leaving the field), not at every
    // key: each one is a step to undo and a recount.
    for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*>{fromNumber_, toNumber_})
        box->setKeyboardTracking(false);
    datesLayout->addWidget(fromDate_, 0, 0);
    datesLayout->addWidget(toDate_, 1, 0);
    bounds_->addWidget(numbers);
    bounds_->addWidget(dates);
    grid->addWidget(kind_, 0, 0, 1, 2);
    grid->addWidget(fromLabel_, 1, 0);
    grid->addWidget(toLabel_, 2, 0);
    grid->addWidget(bounds_, 1, 1, 2, 1);
    grid->setRowStretch(3, 1);

    auto* fixtures = Named(new QWidget(tabs_), "FixturesFilterTab");
    auto* form = new QFormLayout(fixtures);
    team_ = Named(new QComboBox(fixtures), "TeamCB");
    place_ = Named(new QComboBox(fixtures), "PlaceCB");
    played_ = Named(new QComboBox(fixtures), "PlayedCB");
    form->addRow(team_);
    form->addRow(place_);
    form->addRow(played_);
    tabs_->addTab(main, QString());
    tabs_->addTab(fixtures, QString());
    setWidget(tabs_);

    connect(tabs_, &QTabWidget::currentChanged, this, &TFilterToolWindow::UpdateTitle);
    connect(kind_, &QComboBox::activated, this, &TFilterToolWindow::ChooseKind);
    connect(fromNumber_, &QSpinBox::valueChanged, this, [this](int v) { SetBound(true, v); });
    connect(toNumber_, &QSpinBox::valueChanged, this, [this](int v) { SetBound(false, v); });
    connect(fromDate_, &TDateTimeField::ValueEdited, this, [this](double d) { SetBound(true, d); });
    connect(toDate_, &TDateTimeField::ValueEdited, this, [this](double d) { SetBound(false, d); });
    connect(team_, &QComboBox::activated, this, &TFilterToolWindow::ChooseTeamEntry);
    connect(place_, &QComboBox::activated, this, &TFilterToolWindow::ChoosePlace);
    connect(played_, &QComboBox::activated, this, &TFilterToolWindow::ChoosePlayed);
    Fill();
    SetUsable(false, false);
}

void TFilterToolWindow::UpdateTitle() {
    const QString tab =
        tabs_->currentIndex() == 0 ? LangText(526, "Main") : LangText(550, "Fixtures");
    setWindowTitle(Fmt(QStringLiteral("%s - %s"), LangText(525, "Filter"), tab));
}

void TFilterToolWindow::Bind(TTournamentDocument* doc, TFixturesPage* fixtures) {
    disconnect(changed_);
    doc_ = doc;
    fixtures_ = fixtures;
    if (doc_)
        changed_ =
            connect(doc_, &TTournamentDocument::Changed, this, [this](const TChange& change) {
                if (change.Replaced || change.Has(ChangeTables | ChangeFixtures | ChangeStructure))
                    Fill();
            });
    Fill();
}

void TFilterToolWindow::SetUsable(bool main, bool fixtures) {
    tabs_->widget(0)->setEnabled(main && doc_);
    tabs_->widget(1)->setEnabled(fixtures && fixtures_);
    tabs_->setEnabled((main || fixtures) && doc_);
}

void TFilterToolWindow::Fill() {
    filling_ = true;
    tabs_->setTabText(0, LangText(526, "Main"));
    tabs_->setTabText(1, LangText(550, "Fixtures"));
    UpdateTitle();
    fromLabel_->setText(LangText(531, "From:"));
    toLabel_->setText(LangText(532, "To:"));
    kind_->clear();
    kind_->addItems({LangText(527, "All Matches"), LangText(528, "By Leg"),
                     LangText(529, "By Date"), LangText(530, "By Matchday")});
    place_->clear();
    place_->addItems({LangText(551, "Home & Away"), LangText(552, "Home"), LangText(553, "Away")});
    played_->clear();
    played_->addItems({LangText(554, "Played & not Played"), LangText(555, "Played"),
                       LangText(556, "Not Played")});
    FillMain();
    FillFixtures();
    filling_ = false;
}

void TFilterToolWindow::FillMain() {
    const TTournament* t = doc_ ? &doc_->Tournament() : nullptr;
    const TMatchFilter f = t ? t->MatchFilter : TMatchFilter{};
    const int kind = FilterKindOf(f);
    kind_->setCurrentIndex(kind);
    bounds_->setCurrentIndex(kind == FilterByDate ? 1 : 0);
    const bool bounded = kind != FilterAll;
    bounds_->setEnabled(bounded);
    fromLabel_->setEnabled(bounded);
    toLabel_->setEnabled(bounded);
    if (t) {
        fromNumber_->setMaximum(FilterUpperLimit(*t, kind));
        toNumber_->setMaximum(FilterUpperLimit(*t, kind));
    }
    if (kind == FilterByLeg) {
        fromNumber_->setValue(f.LegFrom);
        toNumber_->setValue(f.LegTo);
    } else if (kind == FilterByMatchday) {
        fromNumber_->setValue(f.MatchdayFrom);
        toNumber_->setValue(f.MatchdayTo);
    } else if (kind == FilterByDate) {
        fromDate_->SetValue(f.DateFrom);
        toDate_->SetValue(f.DateTo);
    }
}

void TFilterToolWindow::FillFixtures() {
    team_->clear();
    team_->addItem(LangText(615, "[All Teams]"), EntryData(0, -1));
    const TFixtureFilter filter = fixtures_ ? fixtures_->Filter() : TFixtureFilter{};
    if (doc_) {
        const TTournament& t = doc_->Tournament();
        const QString indent = QStringLiteral("    ");
        const auto addGroup = [&](const TGroup& g, int depth) {
            team_->addItem(indent.repeated(depth) + g.Name, EntryData(2, g.Id));
            for (const TTeam* team : g.Teams())
                team_->addItem(indent.repeated(depth + 1) + team->Name, EntryData(3, team->Id));
        };
        if (t.HasConferences()) {
            for (const auto& c : t.Conferences()) {
                team_->addItem(c->Name, EntryData(1, c->Id));
                for (const TGroup* g : c->Divisions())
                    addGroup(*g, 1);
            }
        } else {
            for (const auto& g : t.Groups())
                addGroup(*g, 0);
        }
    }
    team_->setCurrentIndex(
        std::max(0, team_->findData(EntryData(filter.TeamFilterKind, filter.TeamFilterValue))));
    place_->setCurrentIndex(std::clamp(filter.TeamPlace - 1, 0, 2));
    place_->setVisible(filter.TeamFilterKind == 3);
    played_->setCurrentIndex(std::clamp(filter.Played, 0, 2));
}

void TFilterToolWindow::ChooseKind(int kind) {
    if (filling_ || !doc_) return;
    edit::SetFilterKind(*doc_, kind, kind_->itemText(kind));
    Fill();
}

void TFilterToolWindow::SetBound(bool from, double value) {
    if (filling_ || !doc_) return;
    edit::SetFilterBound(*doc_, from, value);
    Fill(); // the other bound may have moved
}

void TFilterToolWindow::ApplyFixtureFilter() {
    if (!fixtures_) return;
    TFixtureFilter f;
    const QPoint entry = team_->currentData().toPoint();
    f.TeamFilterKind = entry.x();
    f.TeamFilterValue = entry.y();
    f.TeamPlace = place_->currentIndex() + 1;
    f.Played = played_->currentIndex();
    place_->setVisible(f.TeamFilterKind == 3);
    fixtures_->SetFilter(f);
}

void TFilterToolWindow::ChooseTeamEntry(int index) {
    if (filling_) return;
    team_->setCurrentIndex(index);
    ApplyFixtureFilter();
}

void TFilterToolWindow::ChoosePlace(int index) {
    if (filling_) return;
    place_->setCurrentIndex(index);
    ApplyFixtureFilter();
}

void TFilterToolWindow::ChoosePlayed(int index) {
    if (filling_) return;
    played_->setCurrentIndex(index);
    ApplyFixtureFilter();
}

bool TFilterToolWindow::focusNextPrevChild(bool next) {
    QList<QWidget*> fields;
    for (QWidget* w : tabs_->currentWidget()->findChildren<QWidget*>())
        if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy())
            fields << w;
    if (fields.isEmpty()) return QDockWidget::focusNextPrevChild(next);
    // In the order Tab would take them inside the tab.
    QList<QWidget*> ordered;
    QWidget* w = fields.front();
    for (int i = 0; i < 1000 && ordered.size() < fields.size(); ++i, w = w->nextInFocusChain())
        if (fields.contains(w) && !ordered.contains(w)) ordered << w;
    const qsizetype at = ordered.indexOf(QApplication::focusWidget());
    const qsizetype n = ordered.size();
    QWidget* target = at < 0 ? ordered.front() : ordered[(at + (next ? 1 : n - 1)) % n];
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace kv
