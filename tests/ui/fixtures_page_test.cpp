// The fixture list as a user meets it: every match a row, sorting and column moves kept in the
// tournament and undone, bulk edits refused before anything changes, the double-click choice,
// deleting with its question, and copying rows.
#include "edit/editor.h"
#include "ui/ui_support.h"

#include "base/formats.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "edit/match_edit.h"
#include "edit/tournament_document.h"
#include "export/fixture_rows.h"
#include "ui/fixtures/fixture_date_form.h"
#include "ui/fixtures/fixtures_columns_form.h"
#include "ui/fixtures/fixtures_model.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/fixtures/score_form.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/dual_list.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kv;

namespace {

class FixturesPage : public kvtest::TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        form_ = Open("soccer.kvd");
        ASSERT_NE(form_, nullptr);
        main_->Command(TCommandId::ShowFixtures)->trigger();
        page_ = &form_->FixturesPage();
    }
    const TTournament& T() const { return form_->Document().Tournament(); }
    const TMatch& Row(int row) const { return *page_->Model().MatchAt(row); }
    QString Cell(int row, int column) const {
        return page_->Model()
            .data(page_->Model().index(row, page_->Model().SectionOf(column)))
            .toString();
    }
    void Select(std::initializer_list<int> rows) {
        std::vector<int> ids;
        for (const int r : rows)
            ids.push_back(Row(r).Id);
        page_->SelectMatches(ids);
    }
    void Trigger(TCommandId command) { main_->Command(command)->trigger(); }
    // Runs `command`; the modal dialog it opens is handed to `answer` (and closed if still open).
    // Returns the dialog's object name and title, or empty when none opened.
    QString WithModal(const std::function<void()>& command,
                      const std::function<void(QDialog*)>& answer = {}) {
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = dialog->objectName() + QLatin1Char('|') + dialog->windowTitle();
            if (answer) answer(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        command();
        QApplication::processEvents();
        return seen;
    }
    static void Type(QDialog* d, const QString& text) {
        d->findChild<QLineEdit*>(QStringLiteral("ValueEdit"))->setText(text);
    }
    TTournamentForm* form_ = nullptr;
    TFixturesPage* page_ = nullptr;
};

} // namespace

TEST_F(FixturesPage, ListsEveryMatchInTheTournamentsColumns) {
    ASSERT_EQ(page_->RowCount(), T().MatchCount());
    ASSERT_EQ(page_->Model().columnCount(), 9);
    EXPECT_EQ(page_->Model().headerData(6, Qt::Horizontal).toString(), QStringLiteral("Home Team"));
    // In date order; the score cell begins with a no-break space.
    EXPECT_EQ(Cell(0, FixHome), QStringLiteral("Riverside Rovers"));
    EXPECT_EQ(Cell(0, FixScore), QString(QChar(0xA0)) + QStringLiteral("2:1"));
    EXPECT_GE(page_->horizontalHeader()->sectionSize(page_->Model().SectionOf(FixHome)),
              FixtureColumnDefaultWidth(FixHome));
    // The commands acting on rows are there on this page only.
    EXPECT_TRUE(main_->Command(TCommandId::EditMatchday)->isEnabled());
    EXPECT_FALSE(main_->Command(TCommandId::CopyFixtures)->isEnabled()); // nothing selected
    Select({0});
    EXPECT_TRUE(main_->Command(TCommandId::CopyFixtures)->isEnabled());
    Trigger(TCommandId::ShowTables);
    EXPECT_FALSE(main_->Command(TCommandId::EditMatchday)->isEnabled());
    EXPECT_FALSE(main_->Command(TCommandId::SelectAllFixtures)->isEnabled());

    Trigger(TCommandId::ShowFixtures);
    // A match without a date goes after the dated ones.
    const int undated = Row(0).Id;
    TEditor(form_->Document())
        .Edit(QStringLiteral("No date"), ChangeFixtures,
              [undated](TTournament& t) { t.MatchById(undated)->HasDate = false; });
    EXPECT_EQ(Row(page_->RowCount() - 1).Id, undated);
    Trigger(TCommandId::Undo);
    EXPECT_EQ(Row(0).Id, undated);

    // The filters: not played only, then one team's home games.
    TFixtureFilter filter;
    filter.Played = 2;
    page_->SetFilter(filter);
    EXPECT_EQ(page_->RowCount(), 4);
    filter.Played = 0;
    filter.TeamFilterKind = 3;
    filter.TeamFilterValue = Row(0).HomeTeamId;
    filter.TeamPlace = 2;
    page_->SetFilter(filter);
    EXPECT_EQ(page_->RowCount(), 2);
}

TEST_F(FixturesPage, HeadingClicksSortBothWaysAndAreUndone) {
    const int home = page_->Model().SectionOf(FixHome);
    emit page_->horizontalHeader()->sectionClicked(home);
    EXPECT_EQ(T().FixtureSort.Column, FixHome);
    EXPECT_FALSE(T().FixtureSort.Descending);
    EXPECT_EQ(Cell(0, FixHome), QStringLiteral("Ashford Vale"));
    EXPECT_EQ(page_->horizontalHeader()->sortIndicatorSection(), home);
    emit page_->horizontalHeader()->sectionClicked(home);
    EXPECT_TRUE(T().FixtureSort.Descending);
    EXPECT_EQ(Cell(0, FixHome), QStringLiteral("Westfield Athletic"));
    EXPECT_TRUE(form_->Document().IsModified());
    Trigger(TCommandId::Undo);
    Trigger(TCommandId::Undo);
    EXPECT_EQ(T().FixtureSort.Column, -1);
    EXPECT_EQ(Cell(0, FixHome), QStringLiteral("Riverside Rovers"));
}

TEST_F(FixturesPage, TheScoreFollowsTheOrderOfTheTeamColumns) {
    QHeaderView* header = page_->horizontalHeader();
    const int home = page_->Model().SectionOf(FixHome);
    const int visitor = page_->Model().SectionOf(FixVisitor);
    header->moveSection(header->visualIndex(visitor), header->visualIndex(home));
    const std::vector<int> moved{0, 1, 2, 3, 4, 5, 7, 6, 8};
    EXPECT_EQ(T().FixtureColumns, moved);
    EXPECT_EQ(page_->Model().headerData(6, Qt::Horizontal).toString(),
              QStringLiteral("Visitor Team"));
    // Each section stands in its own place again, and the visitor's score comes first.
    for (int s = 0; s < header->count(); ++s)
        EXPECT_EQ(header->visualIndex(s), s);
    EXPECT_EQ(Cell(0, FixScore), QString(QChar(0xA0)) + QStringLiteral("1:2"));
    Select({0});
    page_->CopySelected();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(
        QStringLiteral("Oakvale Town\tRiverside Rovers\t1:2\n")))
        << QApplication::clipboard()->text().toStdString();
    Trigger(TCommandId::Undo);
    EXPECT_EQ(T().FixtureColumns, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Cell(0, FixScore), QString(QChar(0xA0)) + QStringLiteral("2:1"));
}

TEST_F(FixturesPage, MatchdaysOfSeveralRowsChangeAllOrNothing) {
    // Two rows sharing Oakvale Town: refused before the dialog opens.
    Select({0, 4});
    EXPECT_EQ(WithModal([&] { Trigger(TCommandId::EditMatchday); }), QString());
    ASSERT_EQ(Messages.Texts().size(), 1);
    EXPECT_TRUE(Messages.Texts().front().startsWith(
        QStringLiteral("You have selected several fixtures with the same team")));
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Information);

    // Two rows of matchday 1: the dialog starts there; matchday 2 clashes for Riverside Rovers.
    Messages.Clear();
    Select({0, 1});
    const int a = Row(0).Id;
    const int b = Row(1).Id;
    QString started;
    const QString seen =
        WithModal([&] { Trigger(TCommandId::EditMatchday); },
                  [&](QDialog* d) {
                      started = d->findChild<QLineEdit*>(QStringLiteral("ValueEdit"))->text();
                      Type(d, QStringLiteral("2"));
                      d->accept();
                  });
    EXPECT_EQ(seen, QStringLiteral("TFixtureDateForm|Fixture Matchday"));
    EXPECT_EQ(started, QStringLiteral("1"));
    ASSERT_EQ(Messages.Texts().size(), 1);
    EXPECT_TRUE(Messages.Texts().front().startsWith(
        QStringLiteral("Team Riverside Rovers is already involved on matchday 2")))
        << Messages.Texts().front().toStdString();
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Information);
    EXPECT_EQ(T().MatchById(a)->Matchday, 1);
    EXPECT_FALSE(form_->Document().IsModified());

    // A free matchday: both move, as one step, and stay selected.
    WithModal([&] { Trigger(TCommandId::EditMatchday); },
              [&](QDialog* d) {
                  Type(d, QStringLiteral("9"));
                  d->accept();
              });
    EXPECT_EQ(T().MatchById(a)->Matchday, 9);
    EXPECT_EQ(T().MatchById(b)->Matchday, 9);
    EXPECT_EQ(page_->SelectedMatchIds().size(), 2u);
    Trigger(TCommandId::Undo);
    EXPECT_EQ(T().MatchById(a)->Matchday, 1);
    EXPECT_EQ(T().MatchById(b)->Matchday, 1);
}

TEST_F(FixturesPage, TheFixtureDialogsRefuseWhatDoesNotConvert) {
    Select({2});
    const int id = Row(2).Id;
    // A time that is no time, then an empty one: the fixture loses its time.
    QStringList shown;
    WithModal([&] { Trigger(TCommandId::EditTime); },
              [&](QDialog* d) {
                  Type(d, QStringLiteral("25:99"));
                  d->accept();
                  shown << QString::number(d->isVisible());
                  Type(d, QStringLiteral("18:45"));
                  d->accept();
              });
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("'25:99' is not valid time"));
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Information);
    EXPECT_EQ(shown, QStringList{QStringLiteral("1")});
    EXPECT_TRUE(T().MatchById(id)->HasTime);
    EXPECT_EQ(Cell(page_->Model().RowOfMatch(id), FixTime), ShortTimeText(0.78125));

    Messages.Clear();
    WithModal([&] { Trigger(TCommandId::EditMatchday); },
              [&](QDialog* d) {
                  Type(d, QStringLiteral("x3"));
                  d->accept();
              });
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("'x3' is not a valid matchday"));
    EXPECT_EQ(T().MatchById(id)->Matchday, 1);

    // An empty date is taken: no date.
    Messages.Clear();
    WithModal([&] { Trigger(TCommandId::EditDate); },
              [&](QDialog* d) {
                  Type(d, QString());
                  d->accept();
              });
    EXPECT_TRUE(Messages.Texts().isEmpty());
    EXPECT_FALSE(T().MatchById(id)->HasDate);
}

TEST_F(FixturesPage, ADoubleClickDoesWhatThePreferenceSays) {
    const QString expected[] = {QStringLiteral("TScoreForm|1"),
                                QStringLiteral("TScoreForm|0"),
                                QStringLiteral("TFixtureDateForm|Fixture Matchday"),
                                QStringLiteral("TFixtureDateForm|Fixture Date"),
                                QStringLiteral("TFixtureDateForm|Fixture Time"),
                                QStringLiteral("TFixtureDateForm|Fixture Stadium")};
    const TCommandId choices[] = {TCommandId::DblClickFixture,  TCommandId::DblClickScore,
                                  TCommandId::DblClickMatchday, TCommandId::DblClickDate,
                                  TCommandId::DblClickTime,     TCommandId::DblClickStadium};
    Select({3});
    const QRect cell = page_->visualRect(page_->Model().index(3, 6));
    for (int value = 1; value <= 6; ++value) {
        Trigger(choices[value - 1]);
        EXPECT_EQ(PrefInteger("", "FixturesOnDblClick"), value);
        EXPECT_TRUE(main_->Command(choices[value - 1])->isChecked());
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* score = qobject_cast<TScoreForm*>(dialog);
            seen = dialog->objectName() + QLatin1Char('|') +
                   (score ? QString::number(score->Page()) : dialog->windowTitle());
            dialog->reject();
        });
        QTest::mouseClick(page_->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(page_->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(seen, expected[value - 1]) << "FixturesOnDblClick " << value;
    }
}

TEST_F(FixturesPage, DeletingAsksAndAPlayedMatchRecountsTheTables) {
    const int count = page_->RowCount();
    const auto played = [this] {
        const TTeam* riverside = T().JointTable().TeamByName(QStringLiteral("Riverside Rovers"));
        return riverside->Stats.Home.Played() + riverside->Stats.Away.Played();
    };
    const int playedBefore = played();
    Select({0, 1});
    Messages.QueueAnswer(TMessageButton::No);
    Trigger(TCommandId::DeleteFixtures);
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("Are you sure you want to delete selected fixtures?"));
    EXPECT_EQ(page_->RowCount(), count);
    Messages.QueueAnswer(TMessageButton::Yes);
    QTest::keyClick(page_, Qt::Key_Delete);
    EXPECT_EQ(page_->RowCount(), count - 2);
    EXPECT_EQ(T().MatchCount(), count - 2);
    EXPECT_EQ(played(), playedBefore - 1);
    Trigger(TCommandId::Undo);
    EXPECT_EQ(page_->RowCount(), count);
    EXPECT_EQ(played(), playedBefore);
    // Ctrl+A and Ctrl+C: every row, a line each.
    QTest::keyClick(page_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(page_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().count(QLatin1Char('\n')), count);
}

TEST_F(FixturesPage, TheColumnsDialogKeepsBothTeamsAndSetsTheDateFormat) {
    TFixturesColumnsForm dialog(form_->Document(), form_);
    dialog.show();
    TDualList& lists = dialog.Lists();
    EXPECT_EQ(lists.Chosen(), T().FixtureColumns);
    EXPECT_EQ(lists.AvailableList()->count(), kFixtureColumnCount - 9);
    // Without the visitor's column: refused, the dialog stays and nothing changes.
    lists.SetChosen({FixHome, FixScore});
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("'Home Team' and 'Visitor Team' columns must be always visible"));
    lists.RemoveAll();
    EXPECT_FALSE(dialog.Apply());
    EXPECT_EQ(Messages.Texts().value(1), QStringLiteral("You should add at least one column"));
    EXPECT_EQ(T().FixtureColumns.size(), 9u);

    // Stadium added by a double-click, the visitor first; Apply shows them at once.
    lists.SetChosen({FixDate, FixVisitor, FixHome, FixScore});
    QListWidget* available = lists.AvailableList();
    const auto stadium = available->findItems(QStringLiteral("Stadium"), Qt::MatchExactly);
    ASSERT_EQ(stadium.size(), 1);
    available->setCurrentItem(stadium.front());
    emit available->itemDoubleClicked(stadium.front());
    EXPECT_EQ(lists.Chosen(),
              (std::vector<int>{FixDate, FixVisitor, FixHome, FixScore, FixStadium}));
    // The date as "date (weekday)".
    dialog.findChild<QCheckBox*>(QStringLiteral("DayOfWeekChB"))->setChecked(true);
    dialog.findChild<QComboBox*>(QStringLiteral("DayOfWeekCB"))->setCurrentIndex(2);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("SampleEdit"))->text(),
              FixtureDateText(NowDays(), false, 2));
    ASSERT_TRUE(dialog.Apply());
    EXPECT_EQ(T().FixtureColumns,
              (std::vector<int>{FixDate, FixVisitor, FixHome, FixScore, FixStadium}));
    EXPECT_EQ(PrefInteger("Fixtures", "DayOfWeek"), 2);
    const QDate first = DaysToDate(Row(0).Date);
    EXPECT_EQ(Cell(0, FixDate), QLocale().toString(first, QLocale::ShortFormat) +
                                    QStringLiteral(" (") +
                                    QLocale().dayName(first.dayOfWeek()).left(1).toUpper() +
                                    QLocale().dayName(first.dayOfWeek()).mid(1) + QLatin1Char(')'));
    EXPECT_EQ(Cell(0, FixScore),
              QString(QChar(0xA0)) + QStringLiteral("1:2")); // the visitor stands left
    EXPECT_EQ(page_->Model().columnCount(), 5);

    // Another format chosen elsewhere (the preferences, another window): the list follows
    // when it is shown again.
    RegWriteInteger(QStringLiteral("Fixtures"), QStringLiteral("DayOfWeek"), -1);
    Trigger(TCommandId::ShowTables);
    Trigger(TCommandId::ShowFixtures);
    EXPECT_EQ(Cell(0, FixDate), QLocale().toString(first, QLocale::ShortFormat));

    // The default set: saved, loaded, and taken by new tournaments.
    dialog.SaveDefault();
    EXPECT_EQ(RegReadString(QString(), QStringLiteral("DefaultFixturesCols"), QString()),
              QStringLiteral("4,7,6,8,11"));
    EXPECT_EQ(TTournamentDefaults::FromSettings().FixtureColumns,
              (std::vector<int>{4, 7, 6, 8, 11}));
    lists.SetChosen({FixHome, FixVisitor});
    dialog.LoadDefault();
    EXPECT_EQ(lists.Chosen(), (std::vector<int>{4, 7, 6, 8, 11}));
    dialog.reject();

    Trigger(TCommandId::Undo);
    EXPECT_EQ(T().FixtureColumns.size(), 9u);
}

TEST_F(FixturesPage, AScoreEnteredFromTheListShowsInItsRowAndTheTables) {
    const int row = page_->RowCount() - 1; // the last rows are not played yet
    ASSERT_FALSE(Row(row).Played);
    const int id = Row(row).Id;
    Select({row});
    const QString seen =
        WithModal([&] { Trigger(TCommandId::EditScore); },
                  [](QDialog* d) {
                      auto* score = d->findChild<QLineEdit*>(QStringLiteral("ScoreEdit"));
                      score->clear();
                      QTest::keyClicks(score, QStringLiteral("3:1")); // typed, as a user does
                      d->accept();
                  });
    EXPECT_TRUE(seen.startsWith(QStringLiteral("TScoreForm|")));
    ASSERT_TRUE(T().MatchById(id)->Played);
    EXPECT_EQ(Cell(page_->Model().RowOfMatch(id), FixScore),
              QString(QChar(0xA0)) + QStringLiteral("3:1"));
    EXPECT_EQ(page_->SelectedMatchIds(), std::vector<int>{id}); // the row stays chosen
    Trigger(TCommandId::Undo);
    EXPECT_TRUE(Cell(page_->Model().RowOfMatch(id), FixScore).trimmed().isEmpty());
}
