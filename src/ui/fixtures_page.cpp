#include "ui/fixtures_page.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "standings/fixture_edits.h"
#include "standings/match_edit.h"
#include "ui/fixture_date_form.h"
#include "ui/fixtures_model.h"
#include "ui/score_form.h"
#include "ui/tournament_document.h"
#include "ui/wait_form.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QSet>

#include <algorithm>
#include <memory>

namespace kv {

namespace {

// A command's text as an undo step's name.
QString StepName(int id, const char* text) {
    return LangText(id, text).remove(QLatin1Char('&'));
}

} // namespace

TFixturesPage::TFixturesPage(TTournamentDocument& doc, std::function<TScoreForm&()> scoreForm,
                             QWidget* parent)
    : QTableView(parent), doc_(doc), scoreForm_(std::move(scoreForm)) {
    setObjectName(QStringLiteral("FixturesPage"));
    model_ = new TFixturesModel(doc_, this);
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection); // edits act on a range of rows
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    // Every row is one line high: the view need not measure them, however many there are.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setTextElideMode(Qt::ElideRight);
    header->setResizeContentsPrecision(100); // the texts of the first rows measure a column
    connect(header, &QHeaderView::sectionClicked, this, &TFixturesPage::SortBy);
    connect(header, &QHeaderView::sectionMoved, this, [this] { ColumnMoved(); });
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int width) {
        if (!movingBack_ && model_->ColumnId(section) >= 0)
            widths_[model_->ColumnId(section)] = width;
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) RunDoubleClick();
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit SelectionChanged(); });
}

void TFixturesPage::Refresh(unsigned changes) {
    if (!(changes &
          (ChangeFixtures | ChangeStructure | ChangeTables | ChangeName | ChangeStatistics)))
        return;
    // A filter naming a team, group or conference that is gone shows every fixture again.
    if ((changes & ChangeStructure) && !FixtureFilterFits(doc_.Tournament(), model_->Filter()))
        model_->SetFilter(TFixtureFilter{});
    // The rows point into the tournament, which an undo may have replaced: empty the list now
    // and build it when it is seen.
    if (isVisible()) {
        Rebuild();
    } else {
        model_->Clear();
        stale_ = true;
    }
}

void TFixturesPage::SetFilter(const TFixtureFilter& filter) {
    model_->SetFilter(filter);
    Rebuild();
}

const TFixtureFilter& TFixturesPage::Filter() const {
    return model_->Filter();
}

int TFixturesPage::RowCount() const {
    return model_->rowCount();
}

void TFixturesPage::showEvent(QShowEvent* event) {
    if (stale_ || !model_->FormatIsCurrent()) Rebuild();
    QTableView::showEvent(event);
}

void TFixturesPage::FollowFormat() {
    if (isVisible() && !stale_ && !model_->FormatIsCurrent()) Rebuild();
}

void TFixturesPage::Rebuild() {
    const std::vector<int> selected = stale_ ? std::vector<int>() : SelectedMatchIds();
    const int current = stale_ ? -1 : CurrentMatchId();
    stale_ = false;
    model_->Rebuild();
    ApplyColumnLayout();
    SelectMatches(selected);
    if (const int row = model_->RowOfMatch(current); row >= 0)
        selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
    emit SelectionChanged();
}

void TFixturesPage::ApplyColumnLayout() {
    const TTournament& t = doc_.Tournament();
    QHeaderView* header = horizontalHeader();
    // The columns come in the tournament's order: the sections stand in their logical places.
    movingBack_ = true;
    for (int section = 0; section < header->count(); ++section)
        if (header->visualIndex(section) != section)
            header->moveSection(header->visualIndex(section), section);
    // Each column keeps the width it was given, wherever it moves; until then it is wide enough
    // for its heading and the first rows' texts, and no narrower than its default.
    for (int section = 0; section < model_->columnCount(); ++section) {
        const int column = model_->ColumnId(section);
        const auto width = widths_.find(column);
        if (width != widths_.end()) {
            header->resizeSection(section, width->second);
        } else {
            const int fit = std::max(sizeHintForColumn(section), header->sectionSizeHint(section));
            header->resizeSection(section, std::max(fit, FixtureColumnDefaultWidth(column)));
        }
    }
    movingBack_ = false;
    const int sorted = model_->SectionOf(t.FixtureSort.Column);
    header->setSortIndicator(sorted,
                             t.FixtureSort.Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TFixturesPage::SortBy(int section) {
    const int column = model_->ColumnId(section);
    if (column < 0) return;
    TFixtureSort sort = doc_.Tournament().FixtureSort;
    if (sort.Column == column) {
        sort.Descending = !sort.Descending;
    } else {
        sort.Column = column;
        sort.Descending = false;
    }
    const QString name = Fmt(LangText(5234, "Sort Fixtures by %s"),
                             FixtureColumnCaption(column, doc_.Tournament().HasConferences()));
    doc_.EditValue<TFixtureSort>(
        name, ChangeFixtures, [](TTournament& t) { return &t.FixtureSort; }, sort);
}

void TFixturesPage::ColumnMoved() {
    if (movingBack_) return;
    QHeaderView* header = horizontalHeader();
    std::vector<int> order;
    for (int visual = 0; visual < header->count(); ++visual)
        order.push_back(model_->ColumnId(header->logicalIndex(visual)));
    // The step stores the order; the list is then built in it, with its sections in place again.
    doc_.EditValue<std::vector<int>>(
        StepName(5235, "Move Column"), ChangeFixtures,
        [](TTournament& t) { return &t.FixtureColumns; }, order);
}

std::vector<int> TFixturesPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<int> TFixturesPage::SelectedMatchIds() const {
    std::vector<int> ids;
    for (const int row : SelectedRows())
        if (const int id = model_->IdAt(row); id >= 0) ids.push_back(id);
    return ids;
}

std::vector<const TMatch*> TFixturesPage::SelectedMatches() const {
    std::vector<const TMatch*> matches;
    for (const int row : SelectedRows())
        if (const TMatch* m = model_->MatchAt(row)) matches.push_back(m);
    return matches;
}

void TFixturesPage::SelectMatches(const std::vector<int>& ids) {
    const QSet<int> wanted(ids.begin(), ids.end());
    QItemSelection selection;
    const int last = model_->columnCount() - 1;
    int start = -1;
    for (int row = 0; row <= model_->rowCount(); ++row) {
        const bool in = row < model_->rowCount() && wanted.contains(model_->IdAt(row));
        if (in && start < 0) start = row;
        if (!in && start >= 0) {
            selection.select(model_->index(start, 0), model_->index(row - 1, std::max(0, last)));
            start = -1;
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty())
        selectionModel()->setCurrentIndex(selection.first().topLeft(),
                                          QItemSelectionModel::NoUpdate);
}

int TFixturesPage::CurrentMatchId() const {
    const int id = model_->IdAt(currentIndex().row());
    if (id < 0 && !SelectedRows().empty()) return model_->IdAt(SelectedRows().front());
    return id;
}

void TFixturesPage::EditFixture(int page) {
    const int id = CurrentMatchId();
    if (id < 0) return;
    TScoreForm& form = scoreForm_();
    form.OpenMatch(doc_, id, page);
    form.exec();
}

void TFixturesPage::EditMatchday() {
    const std::vector<const TMatch*> matches = SelectedMatches();
    if (matches.empty()) return;
    if (const QString shared = CheckFixturesShareTeam(matches); !shared.isEmpty()) {
        ShowAppMessage(shared, TMessageKind::Information);
        return;
    }
    TFixtureDateForm form(TFixtureField::Matchday, doc_.Tournament(), this);
    form.SetMatchday(CommonMatchday(matches));
    if (form.exec() != QDialog::Accepted) return;
    const int matchday = form.Matchday();
    if (const QString clash = CheckFixturesMatchday(doc_.Tournament(), matches, matchday);
        !clash.isEmpty()) {
        ShowAppMessage(clash, TMessageKind::Information);
        return;
    }
    const std::vector<int> ids = SelectedMatchIds();
    doc_.Edit(StepName(5223, "Edit &Matchday"), ChangeFixtures | ChangeStatistics | ChangeTables,
              [ids, matchday](TTournament& t) { SetFixturesMatchday(t, ids, matchday); });
}

void TFixturesPage::EditDate() {
    const std::vector<const TMatch*> matches = SelectedMatches();
    const TMatch* current = doc_.Tournament().MatchById(CurrentMatchId());
    if (matches.empty() || !current) return;
    TFixtureDateForm form(TFixtureField::Date, doc_.Tournament(), this);
    form.SetDate(current->HasDate, current->Date);
    if (form.exec() != QDialog::Accepted) return;
    const bool hasDate = form.HasValue();
    // The time of day each match has is kept; the dialog gives the day.
    const double day = form.Value();
    if (const QString clash = CheckFixturesDate(doc_.Tournament(), matches, hasDate, day);
        !clash.isEmpty()) {
        ShowAppMessage(clash, TMessageKind::Information);
        return;
    }
    const std::vector<int> ids = SelectedMatchIds();
    doc_.Edit(StepName(5224, "Edit &Date"), ChangeFixtures | ChangeStatistics | ChangeTables,
              [ids, hasDate, day](TTournament& t) { SetFixturesDate(t, ids, hasDate, day); });
}

void TFixturesPage::EditTime() {
    const TMatch* current = doc_.Tournament().MatchById(CurrentMatchId());
    if (!current) return;
    TFixtureDateForm form(TFixtureField::Time, doc_.Tournament(), this);
    form.SetTime(current->HasTime, current->Time);
    if (form.exec() != QDialog::Accepted) return;
    const std::vector<int> ids = SelectedMatchIds();
    const bool hasTime = form.HasValue();
    const double time = form.Value();
    doc_.Edit(StepName(5225, "Edit &Time"), ChangeFixtures | ChangeStatistics,
              [ids, hasTime, time](TTournament& t) { SetFixturesTime(t, ids, hasTime, time); });
}

void TFixturesPage::EditStadium() {
    const TMatch* current = doc_.Tournament().MatchById(CurrentMatchId());
    if (!current) return;
    TFixtureDateForm form(TFixtureField::Stadium, doc_.Tournament(), this);
    form.SetStadium(current->StadiumId);
    if (form.exec() != QDialog::Accepted) return;
    const std::vector<int> ids = SelectedMatchIds();
    const int stadium = form.StadiumId();
    doc_.Edit(StepName(5226, "Edit Stadi&um"), ChangeFixtures | ChangeStatistics,
              [ids, stadium](TTournament& t) { SetFixturesStadium(t, ids, stadium); });
}

void TFixturesPage::DeleteSelected() {
    const std::vector<int> ids = SelectedMatchIds();
    if (ids.empty()) return;
    if (ShowAppMessage(LangText(5652, "Are you sure you want to delete selected fixtures?"),
                       TMessageKind::QuestionYesNo) == TMessageButton::No)
        return;
    bool played = false;
    for (const TMatch* m : SelectedMatches())
        played = played || m->Played;
    // Thousands of fixtures take a moment (the step keeps the tournament before and after):
    // the wait window says so.
    std::unique_ptr<TWaitForm> wait;
    if (ids.size() >= 2000) {
        wait = std::make_unique<TWaitForm>(LangText(5653, "Deleting Fixtures..."));
        wait->ShowNow();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    doc_.Edit(StepName(5227, "D&elete Fixtures"),
              ChangeFixtures | ChangeStatistics | (played ? ChangeTables : 0u),
              [ids](TTournament& t) { DeleteFixtures(t, ids); });
    QApplication::restoreOverrideCursor();
}

void TFixturesPage::CopySelected() const {
    const std::vector<int> rows = SelectedRows();
    if (!rows.empty()) QApplication::clipboard()->setText(model_->RowsText(rows));
}

void TFixturesPage::SelectAllRows() {
    selectAll();
}

void TFixturesPage::RunDoubleClick() {
    switch (PrefInteger("", "FixturesOnDblClick")) {
    case DblClickEditScore:
        EditFixture(PageScore);
        break;
    case DblClickEditMatchday:
        EditMatchday();
        break;
    case DblClickEditDate:
        EditDate();
        break;
    case DblClickEditTime:
        EditTime();
        break;
    case DblClickEditStadium:
        EditStadium();
        break;
    default:
        EditFixture(PagePlace);
        break;
    }
}

void TFixturesPage::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if ((ctrl && (event->key() == Qt::Key_C || event->key() == Qt::Key_Insert)) ||
        event->matches(QKeySequence::Copy)) {
        CopySelected();
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        DeleteSelected();
        return;
    }
    if (ctrl && event->key() == Qt::Key_A) {
        SelectAllRows();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        RunDoubleClick();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TFixturesPage::contextMenuEvent(QContextMenuEvent* event) {
    // A right click outside the selection makes its row the selection first.
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid() && !selectionModel()->isRowSelected(index.row(), QModelIndex())) {
        selectionModel()->select(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    emit ContextMenuRequested(event->globalPos());
}

} // namespace kv
