#include "ui/add_fixtures_form.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "standings/schedule.h"
#include "ui/date_time_field.h"
#include "ui/dialog_buttons.h"
#include "ui/tournament_document.h"
#include "ui/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

TAddFixturesForm::TAddFixturesForm(TTournamentDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), editor_(PrefHostFirst()) {
    setObjectName(QStringLiteral("TAddFixturesForm"));
    setWindowTitle(LangText(2000, "Add Fixtures"));
    auto* layout = new QVBoxLayout(this);
    pages_ = Named(new QTabWidget(this), "PagesTab");
    pages_->addTab(BuildHandPage(), LangText(2021, "&By Hand"));
    pages_->addTab(BuildSchedulePage(), LangText(2022, "&Generate"));
    layout->addWidget(pages_);
    layout->addWidget(MakeDialogButtons(*this, false).Box);
    FillTeams();
    resize(820, 560);
}

QWidget* TAddFixturesForm::BuildHandPage() {
    auto* page = Named(new QWidget(this), "HandPage");
    auto* layout = new QGridLayout(page);
    auto* teamsLabel = new QLabel(LangText(2001, "&Teams:"), page);
    teams_ = Named(new QTreeWidget(page), "TeamsTree");
    teams_->setHeaderHidden(true);
    teams_->setToolTip(LangText(2002, "Double click teams to add new features"));
    teamsLabel->setBuddy(teams_);
    connect(teams_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int id = item->data(0, Qt::UserRole).toInt();
        if (id >= 0) ChooseTeam(id);
    });
    layout->addWidget(teamsLabel, 0, 0);
    layout->addWidget(teams_, 1, 0, 3, 1);

    auto* fields = new QGridLayout;
    const auto field = [&](int row, int column, const char* name, int id, const char* text,
                           TFixtureFieldKind kind) {
        auto* edit = Named(new QLineEdit(page), name);
        auto* label = new QLabel(LangText(id, text), page);
        label->setBuddy(edit);
        fields->addWidget(label, row, column * 2);
        fields->addWidget(edit, row, column * 2 + 1);
        connect(edit, &QLineEdit::textEdited, this,
                [this, kind](const QString& typed) { FieldEdited(kind, typed); });
        return edit;
    };
    number_ = field(0, 0, "NumberEdit", 2003, "Match &No:", TFixtureFieldKind::Number);
    leg_ = field(0, 1, "LegEdit", 2004, "&Leg:", TFixtureFieldKind::Leg);
    matchday_ = field(0, 2, "MatchdayEdit", 2005, "Match da&y:", TFixtureFieldKind::Matchday);
    date_ = field(1, 0, "DateEdit", 2006, "&Date:", TFixtureFieldKind::Date);
    time_ = field(1, 1, "TimeEdit", 2007, "T&ime:", TFixtureFieldKind::Time);
    score_ = field(1, 2, "ScoreEdit", 2008, "&Score:", TFixtureFieldKind::Score);
    date_->setPlaceholderText(ShortDateText(NowDays()));
    layout->addLayout(fields, 0, 1, 2, 1);
    stadiums_ = Named(new QCheckBox(LangText(2009, "Assign Holders' Stadiums to Fixtures"), page),
                      "StadiumsChB");
    layout->addWidget(stadiums_, 2, 1);

    auto* right = new QVBoxLayout;
    auto* rowsLabel = new QLabel(LangText(2010, "New &Fixtures:"), page);
    rows_ = Named(new QTreeWidget(page), "RowsList");
    rows_->setRootIsDecorated(false);
    rows_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    rows_->setHeaderLabels({LangText(2011, "No"), LangText(2012, "Leg"), LangText(2013, "M'd"),
                            LangText(2014, "Date"), LangText(2015, "Time"),
                            LangText(2016, "Home Team"), LangText(2017, "Visitor Team"),
                            LangText(2018, "Score")});
    const int widths[] = {40, 40, 45, 85, 55, 120, 120, 55};
    for (int c = 0; c < 8; ++c)
        rows_->header()->resizeSection(c, std::max(widths[c], rows_->header()->sectionSizeHint(c)));
    rowsLabel->setBuddy(rows_);
    right->addWidget(rowsLabel);
    right->addWidget(rows_, 1);
    auto* buttons = new QHBoxLayout;
    auto* remove = Named(new QPushButton(LangText(2019, "D&elete"), page), "DeleteBtn");
    auto* removeAll = Named(new QPushButton(LangText(2020, "Delete &All"), page), "DeleteAllBtn");
    connect(remove, &QPushButton::clicked, this, [this] {
        editor_.Delete(SelectedRows());
        FillRows();
    });
    connect(removeAll, &QPushButton::clicked, this, [this] {
        editor_.DeleteAll();
        FillRows();
    });
    buttons->addStretch();
    buttons->addWidget(remove);
    buttons->addWidget(removeAll);
    right->addLayout(buttons);
    layout->addLayout(right, 3, 1);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* TAddFixturesForm::BuildSchedulePage() {
    const TTournament& t = doc_.Tournament();
    auto* page = Named(new QWidget(this), "SchedulePage");
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    scope_ = Named(new QComboBox(page), "ScopeCB");
    scope_->addItem(LangText(2024, "All Teams"), QPoint(0, -1)); // x: 0 all, 1 conference, 2 group
    for (const auto& c : t.Conferences())
        scope_->addItem(c->Name, QPoint(1, c->Id));
    for (const auto& g : t.Groups())
        scope_->addItem(g->Name, QPoint(2, g->Id));
    form->addRow(LangText(2023, "&Teams to schedule:"), scope_);

    auto* dates = new QHBoxLayout;
    hasDate_ = Named(new QCheckBox(LangText(2025, "&First matchday on:"), page), "HasDateChB");
    firstDate_ = Named(new TDateTimeField(TDateTimeField::TKind::Date, page), "FirstDateEdit");
    firstDate_->SetValue(DateToDays(QDate::currentDate()));
    firstDate_->setMinimumWidth(130);
    firstDate_->setEnabled(false);
    every_ = Named(new QSpinBox(page), "EverySpin");
    every_->setRange(1, 365);
    every_->setValue(7);
    every_->setEnabled(false);
    auto* everyLabel = new QLabel(LangText(2026, "&every"), page);
    everyLabel->setBuddy(every_);
    dates->addWidget(firstDate_);
    dates->addWidget(everyLabel);
    dates->addWidget(every_);
    dates->addWidget(new QLabel(LangText(2027, "days"), page));
    dates->addStretch();
    form->addRow(hasDate_, dates);
    connect(hasDate_, &QCheckBox::toggled, firstDate_, &QWidget::setEnabled);
    connect(hasDate_, &QCheckBox::toggled, every_, &QWidget::setEnabled);
    // Days without matches: a matchday that falls on one moves on by whole steps.
    skipped_ = Named(new QLineEdit(page), "SkipDatesEdit");
    skipped_->setPlaceholderText(LangText(2046, "e.g. 24/12/2026 - 6/1/2027; 2/4/2027"));
    skipped_->setEnabled(false);
    auto* skippedLabel = new QLabel(LangText(2045, "&Skip dates:"), page);
    skippedLabel->setBuddy(skipped_);
    form->addRow(skippedLabel, skipped_);
    connect(hasDate_, &QCheckBox::toggled, skipped_, &QWidget::setEnabled);
    // Skipped days that do not read are marked as a date field marks its text.
    connect(skipped_, &QLineEdit::editingFinished, this, [this] {
        std::vector<std::pair<double, double>> ranges;
        QString problem;
        const bool ok = ParseSkippedDates(skipped_->text(), ranges, problem);
        skipped_->setStyleSheet(ok ? QString()
                                   : QStringLiteral("QLineEdit { background: #ffe0e0; }"));
        skipped_->setToolTip(ok ? QString() : problem);
    });

    hasTime_ = Named(new QCheckBox(LangText(2028, "&Kick-off time:"), page), "HasTimeChB");
    kickOff_ = Named(new TDateTimeField(TDateTimeField::TKind::Time, page), "KickOffEdit");
    kickOff_->SetValue(TimeToDays(QTime(15, 0)));
    kickOff_->setMaximumWidth(100);
    kickOff_->setEnabled(false);
    connect(hasTime_, &QCheckBox::toggled, kickOff_, &QWidget::setEnabled);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(kickOff_);
    timeRow->addStretch();
    form->addRow(hasTime_, timeRow);
    layout->addLayout(form);

    auto* actions = new QHBoxLayout;
    auto* preview = Named(new QPushButton(LangText(2029, "Pre&view"), page), "PreviewBtn");
    auto* add = Named(new QPushButton(LangText(2039, "Add S&chedule"), page), "AddScheduleBtn");
    connect(preview, &QPushButton::clicked, this, &TAddFixturesForm::Preview);
    connect(add, &QPushButton::clicked, this, [this] {
        if (AddSchedule()) QDialog::accept();
    });
    summary_ = Named(new QLabel(page), "SummaryLabel");
    // What the summary said of the last preview no longer holds once a date field changes.
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{firstDate_, kickOff_, skipped_})
        connect(edit, &QLineEdit::textEdited, summary_, &QLabel::clear);
    summary_->setWordWrap(true);
    actions->addWidget(preview);
    actions->addWidget(add);
    actions->addWidget(summary_, 1);
    layout->addLayout(actions);
    preview_ = Named(new QTreeWidget(page), "PreviewTree");
    preview_->setHeaderLabels({LangText(2013, "M'd"), LangText(2014, "Date"),
                               LangText(2016, "Home Team"), LangText(2017, "Visitor Team"),
                               LangText(2012, "Leg")});
    // At least as wide as the headings, in any language.
    const int previewWidths[] = {110, 110, 160, 160};
    for (int c = 0; c < 4; ++c)
        preview_->header()->resizeSection(
            c, std::max(previewWidths[c], preview_->header()->sectionSizeHint(c)));
    layout->addWidget(preview_, 1);
    return page;
}

void TAddFixturesForm::FillTeams() {
    const TTournament& t = doc_.Tournament();
    teams_->clear();
    const auto addGroup = [&](QTreeWidgetItem* parent, const TGroup& g) {
        auto* item =
            parent ? new QTreeWidgetItem(parent, {g.Name}) : new QTreeWidgetItem(teams_, {g.Name});
        item->setData(0, Qt::UserRole, -1);
        for (const TTeam* team : g.Teams())
            (new QTreeWidgetItem(item, {team->Name}))->setData(0, Qt::UserRole, team->Id);
    };
    if (t.HasConferences()) {
        for (const auto& c : t.Conferences()) {
            auto* item = new QTreeWidgetItem(teams_, {c->Name});
            item->setData(0, Qt::UserRole, -1);
            for (const TGroup* g : c->Divisions)
                addGroup(item, *g);
        }
    } else {
        for (const auto& g : t.Groups())
            addGroup(nullptr, *g);
    }
    teams_->expandAll();
}

void TAddFixturesForm::ChooseTeam(int teamId) {
    TFixtureFields fields{number_->text(), leg_->text(),  matchday_->text(),
                          date_->text(),   time_->text(), score_->text()};
    const bool starting = !editor_.Completing();
    const QString refused = editor_.ChooseTeam(doc_.Tournament(), teamId, fields);
    if (!refused.isEmpty()) {
        ShowAppMessage(refused, TMessageKind::Information);
        return;
    }
    number_->setText(fields.Number);
    score_->setText(fields.Score);
    FillRows();
    if (starting) SelectRows({static_cast<int>(editor_.Rows().size()) - 1});
}

void TAddFixturesForm::FieldEdited(TFixtureFieldKind kind, const QString& text) {
    const std::vector<int> selected = SelectedRows();
    editor_.SetField(kind, text, selected);
    FillRows(); // keeps the selection
}

void TAddFixturesForm::FillRows() {
    const TTournament& t = doc_.Tournament();
    const std::vector<int> selected = SelectedRows();
    const QSignalBlocker block(rows_);
    rows_->clear();
    for (const TEditedFixture& r : editor_.Rows()) {
        const int home = editor_.HomeTeamOf(r);
        const int visitor = editor_.VisitorTeamOf(r);
        rows_->addTopLevelItem(new QTreeWidgetItem(
            {r.Fields.Number, r.Fields.Leg, r.Fields.Matchday, r.Fields.Date, r.Fields.Time,
             t.TeamName(home), t.TeamName(visitor), r.Fields.Score}));
    }
    SelectRows(selected);
}

std::vector<int> TAddFixturesForm::SelectedRows() const {
    std::vector<int> rows;
    for (int i = 0; i < rows_->topLevelItemCount(); ++i)
        if (rows_->topLevelItem(i)->isSelected()) rows.push_back(i);
    return rows;
}

void TAddFixturesForm::SelectRows(const std::vector<int>& rows) {
    rows_->clearSelection();
    for (const int r : rows)
        if (QTreeWidgetItem* item = rows_->topLevelItem(r)) {
            item->setSelected(true);
            rows_->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        }
}

bool TAddFixturesForm::AddRows() {
    // Rows without any information are marked first; nothing is added then.
    if (const std::vector<int> empty = editor_.EmptyRows(); !empty.empty()) {
        for (const int r : empty)
            if (QTreeWidgetItem* item = rows_->topLevelItem(r))
                for (int c = 0; c < rows_->columnCount(); ++c)
                    item->setBackground(c, palette().highlight().color().lighter(170));
        ShowAppMessage(LangText(2032, "Highlighted fixtures contain no information"),
                       TMessageKind::Information);
        return false;
    }
    std::vector<TFixtureRow> rows;
    int bad = -1;
    QString message;
    if (!editor_.Build(rows, bad, message)) {
        SelectRows({bad});
        ShowAppMessage(message, TMessageKind::Information);
        return false;
    }
    if (rows.empty()) return true;
    TAddFixturesOptions options;
    options.AssignHomeStadiums = stadiums_->isChecked();
    options.HostFirst = PrefHostFirst();
    TAddFixturesResult result;
    doc_.Edit(LangText(2000, "Add Fixtures"), ChangeFixtures | ChangeTables | ChangeStatistics,
              [&](TTournament& t) { result = AddFixtures(t, rows, options); });
    editor_.DropFirst(result.Added);
    FillRows();
    if (result.FailedRow >= 0) {
        SelectRows({0}); // the row that stopped it is first now
        ShowAppMessage(result.Message, TMessageKind::Information);
        return false;
    }
    return true;
}

std::vector<int> TAddFixturesForm::ScheduleTeams() const {
    const TTournament& t = doc_.Tournament();
    const QPoint scope = scope_->currentData().toPoint();
    const TConference* conference = scope.x() == 1 ? t.ConferenceById(scope.y()) : nullptr;
    const TGroup* table = conference       ? conference->Table.get()
                          : scope.x() == 2 ? t.GroupById(scope.y())
                                           : nullptr;
    std::vector<int> teams;
    if (table)
        for (const TTeam* team : table->Teams())
            teams.push_back(team->Id);
    return teams; // empty: every team
}

bool TAddFixturesForm::ScheduleDates(TScheduleDates& dates, QString& problem) const {
    dates = TScheduleDates{};
    dates.HasDate = hasDate_->isChecked();
    dates.EveryDays = every_->value();
    dates.HasTime = hasTime_->isChecked();
    dates.HomeStadiums = stadiums_->isChecked();
    if (dates.HasDate) {
        if (!firstDate_->HasValue()) {
            problem = firstDate_->Problem();
            return false;
        }
        dates.FirstDate = firstDate_->Value();
        if (!ParseSkippedDates(skipped_->text(), dates.Skipped, problem)) return false;
    }
    if (dates.HasTime) {
        if (!kickOff_->HasValue()) {
            problem = kickOff_->Problem();
            return false;
        }
        dates.Time = kickOff_->Value();
    }
    return true;
}

void TAddFixturesForm::Preview() {
    const TTournament& t = doc_.Tournament();
    const std::vector<int> teams = ScheduleTeams();
    const TSchedule s = PlanSchedule(t, teams);
    TScheduleDates dates;
    QString problem;
    preview_->clear();
    if (!ScheduleDates(dates, problem)) {
        summary_->setText(problem);
        return;
    }
    previewMatchdays_ = s.Matchdays;
    if (s.Matches.empty()) {
        summary_->setText(LangText(2040, "Every pair already has all its legs"));
        return;
    }
    int most = 0;
    QTreeWidgetItem* day = nullptr;
    int dayNumber = -1;
    for (const TPlannedMatch& m : s.Matches) {
        if (m.Matchday != dayNumber) {
            dayNumber = m.Matchday;
            QString date;
            if (dates.HasDate) date = ShortDateText(MatchdayDate(dates, s, dayNumber));
            day = new QTreeWidgetItem(preview_,
                                      {Fmt(LangText(2038, "Matchday %d"), dayNumber), date});
        }
        new QTreeWidgetItem(day, {QString(), QString(), t.TeamName(m.HomeTeamId),
                                  t.TeamName(m.VisitorTeamId), QString::number(m.Leg)});
        most = std::max(most, day->childCount());
    }
    preview_->topLevelItem(0)->setExpanded(true);
    summary_->setText(Fmt(
        LangText(2037, "%d fixtures on %d matchdays (%d to %d), up to %d a matchday; no plan needs "
                       "fewer than %d matchdays"),
        static_cast<int>(s.Matches.size()), s.Matchdays, s.FirstMatchday,
        s.FirstMatchday + s.Matchdays - 1, most, s.LowerBound));
}

int TAddFixturesForm::PreviewMatchdays() const {
    return previewMatchdays_;
}

bool TAddFixturesForm::AddSchedule() {
    const std::vector<int> teams = ScheduleTeams();
    TScheduleDates dates;
    if (QString problem; !ScheduleDates(dates, problem)) {
        ShowAppMessage(problem, TMessageKind::Information);
        return false;
    }
    int added = 0;
    doc_.Edit(LangText(2042, "Generate Schedule"), ChangeFixtures | ChangeTables | ChangeStatistics,
              [&](TTournament& t) { added = kv::AddSchedule(t, PlanSchedule(t, teams), dates); });
    if (added == 0) {
        ShowAppMessage(LangText(2040, "Every pair already has all its legs"),
                       TMessageKind::Information);
        return false;
    }
    return true;
}

void TAddFixturesForm::accept() {
    if (pages_->currentIndex() == 1) {
        if (AddSchedule()) QDialog::accept();
        return;
    }
    if (AddRows()) QDialog::accept();
}

} // namespace kv
