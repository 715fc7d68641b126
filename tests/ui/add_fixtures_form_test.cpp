// "Add Fixtures": rows built by double-clicking teams, refused rows stopping the run with what
// came before added, and the schedule generator's preview and its single undoable step.
#include "ui/ui_support.h"

#include "base/formats.h"
#include "base/settings.h"
#include "edit/tournament_document.h"
#include "ui/fixtures/add_fixtures_form.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/date_time_field.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kv;

namespace {

class AddFixturesForm : public kvtest::TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        form_ = Open("soccer.kvd");
        ASSERT_NE(form_, nullptr);
    }
    const TTournament& T() const { return form_->Document().Tournament(); }
    int Id(const char* name) const { return T().JointTable().TeamByName(QLatin1String(name))->Id; }
    TTournamentForm* form_ = nullptr;
};

} // namespace

TEST_F(AddFixturesForm, RowsAreAddedInOrderUntilOneIsRefused) {
    TAddFixturesForm dialog(form_->Document(), form_);
    dialog.show();
    auto* teams = dialog.findChild<QTreeWidget*>(QStringLiteral("TeamsTree"));
    auto* rows = dialog.findChild<QTreeWidget*>(QStringLiteral("RowsList"));
    // A real double-click on two teams of group A makes a row.
    const auto itemOf = [&](const char* name) {
        return teams->findItems(QLatin1String(name), Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    };
    ASSERT_NE(itemOf("Harbour City"), nullptr);
    emit teams->itemDoubleClicked(itemOf("Harbour City"), 0);
    emit teams->itemDoubleClicked(itemOf("Stonebridge FC"), 0); // group B: refused
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("Home and visitor teams must belong to the same group"));
    emit teams->itemDoubleClicked(itemOf("Oakvale Town"), 0);
    ASSERT_EQ(rows->topLevelItemCount(), 1);
    EXPECT_EQ(rows->topLevelItem(0)->text(5), QStringLiteral("Harbour City"));
    EXPECT_EQ(rows->topLevelItem(0)->text(6), QStringLiteral("Oakvale Town"));
    // The matchday typed goes into the selected row.
    auto* matchday = dialog.findChild<QLineEdit*>(QStringLiteral("MatchdayEdit"));
    QTest::keyClicks(matchday, QStringLiteral("12"));
    EXPECT_EQ(dialog.Editor().Rows()[0].Fields.Matchday, QStringLiteral("12"));

    // A second row of a pair that has played every leg: the leg left empty finds none free, and
    // the run stops after the first row is added.
    dialog.ChooseTeam(Id("Riverside Rovers"));
    dialog.ChooseTeam(Id("Oakvale Town"));
    Messages.Clear();
    const int before = T().MatchCount();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(T().MatchCount(), before + 1);
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("Invalid match leg. A valid leg for this fixtures is 1 to 2"))
        << Messages.Texts().join('|').toStdString();
    ASSERT_EQ(rows->topLevelItemCount(), 1); // the refused row stays, selected
    EXPECT_TRUE(rows->topLevelItem(0)->isSelected());
    const TMatch* added =
        T().JointTable().MatchOfPairInLeg(Id("Harbour City"), Id("Oakvale Town"), 2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Matchday, 12);

    // A row without any information is marked and nothing is added.
    dialog.findChild<QPushButton*>(QStringLiteral("DeleteAllBtn"))->click();
    dialog.findChild<QLineEdit*>(QStringLiteral("MatchdayEdit"))->clear();
    dialog.ChooseTeam(Id("Millbrook United"));
    dialog.ChooseTeam(Id("Harbour City"));
    Messages.Clear();
    dialog.accept();
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("Highlighted fixtures contain no information"));
    EXPECT_EQ(Messages.Entries().front().Kind,
              TMessageKind::Information); // input, not a file error
    EXPECT_EQ(T().MatchCount(), before + 1);
    dialog.reject();
    form_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(T().MatchCount(), before);
}

TEST_F(AddFixturesForm, TheGeneratorShowsThePlanThenAddsItAsOneStep) {
    const int before = T().MatchCount();
    TAddFixturesForm dialog(form_->Document(), form_);
    dialog.show();
    dialog.Pages().setCurrentIndex(1);
    dialog.findChild<QCheckBox*>(QStringLiteral("HasDateChB"))->setChecked(true);
    dialog.findChild<TDateTimeField*>(QStringLiteral("FirstDateEdit"))
        ->SetValue(DateToDays(QDate(2026, 4, 18)));
    dialog.findChild<QPushButton*>(QStringLiteral("PreviewBtn"))->click();
    // Two groups of four, two legs: 24 fixtures, 16 there; the rest fits on matchdays 5 to 6.
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("SummaryLabel"))
                    ->text()
                    .startsWith(QStringLiteral("8 fixtures on 2 matchdays (5 to 6)")))
        << dialog.findChild<QLabel*>(QStringLiteral("SummaryLabel"))->text().toStdString();
    auto* preview = dialog.findChild<QTreeWidget*>(QStringLiteral("PreviewTree"));
    ASSERT_EQ(preview->topLevelItemCount(), 2);
    EXPECT_EQ(preview->topLevelItem(0)->childCount(), 4);
    EXPECT_EQ(T().MatchCount(), before); // a preview adds nothing
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(T().MatchCount(), 24);
    QSet<qint64> seen;
    for (const TMatch* m : T().JointTable().Matches())
        for (const int team : {m->HomeTeamId, m->VisitorTeamId}) {
            const qint64 key =
                (static_cast<qint64>(team) << 32) | static_cast<quint32>(m->Matchday);
            EXPECT_FALSE(seen.contains(key)) << "a team twice on matchday " << m->Matchday;
            seen.insert(key);
        }
    const TMatch* last = T().JointTable().Matches().back();
    EXPECT_TRUE(last->HasDate);
    EXPECT_EQ(last->Matchday >= 5, true);
    form_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(T().MatchCount(), before);

    // Nothing left to plan: said so.
    TAddFixturesForm again(form_->Document(), form_);
    form_->Command(TCommandId::Redo)->trigger();
    again.Pages().setCurrentIndex(1);
    again.Preview();
    EXPECT_EQ(again.PreviewMatchdays(), 0);
    Messages.Clear();
    EXPECT_FALSE(again.AddSchedule());
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("Every pair already has all its legs"));
}

// Dates and times typed in the usual forms; a text that is no date is refused, never turned
// into another date; skipped days move the matchdays on by whole weeks.
TEST_F(AddFixturesForm, TypedDatesAndSkippedDays) {
    TAddFixturesForm dialog(form_->Document(), form_);
    dialog.show();
    dialog.Pages().setCurrentIndex(1);
    dialog.findChild<QCheckBox*>(QStringLiteral("HasDateChB"))->setChecked(true);
    dialog.findChild<QCheckBox*>(QStringLiteral("HasTimeChB"))->setChecked(true);
    auto* first = dialog.findChild<TDateTimeField*>(QStringLiteral("FirstDateEdit"));
    auto* time = dialog.findChild<TDateTimeField*>(QStringLiteral("KickOffEdit"));
    auto* skip = dialog.findChild<QLineEdit*>(QStringLiteral("SkipDatesEdit"));
    auto* summary = dialog.findChild<QLabel*>(QStringLiteral("SummaryLabel"));
    auto* preview = dialog.findChild<QTreeWidget*>(QStringLiteral("PreviewTree"));
    // No seconds in a time shown.
    EXPECT_EQ(time->text(), ShortTimeText(TimeToDays(QTime(15, 0))));
    EXPECT_FALSE(time->text().contains(QStringLiteral(":00:00")));
    const auto type = [](QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        emit edit->editingFinished(); // as leaving the field does (Enter would add the schedule)
    };
    // The 31st of February stays as typed and marked; nothing is planned or added.
    type(first, QStringLiteral("31/02/2026"));
    EXPECT_EQ(first->text(), QStringLiteral("31/02/2026"));
    EXPECT_FALSE(first->HasValue());
    dialog.Preview();
    EXPECT_EQ(summary->text(), QStringLiteral("'31/02/2026' is not a valid date"));
    const int before = T().MatchCount();
    EXPECT_FALSE(dialog.AddSchedule());
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("'31/02/2026' is not a valid date"));
    EXPECT_EQ(T().MatchCount(), before);
    // Written forms: a month name, a time with pm.
    type(first, QStringLiteral("Sat Apr 18 2026"));
    EXPECT_EQ(first->text(), ShortDateText(DateToDays(QDate(2026, 4, 18))));
    type(time, QStringLiteral("7:30 pm"));
    EXPECT_DOUBLE_EQ(time->Value(), TimeToDays(QTime(19, 30)));
    // A bad entry among the skipped days is named.
    type(skip, QStringLiteral("25/4/2026 - 1/5/2026; Easter"));
    dialog.Preview();
    EXPECT_EQ(summary->text(), QStringLiteral("'Easter' is not a date or a range of dates"));
    // Matchday 5 on the 18th; the 25th falls in the break, so matchday 6 is on 2 May.
    type(skip, QStringLiteral("25/4/2026 - 1/5/2026"));
    dialog.Preview();
    ASSERT_EQ(preview->topLevelItemCount(), 2) << qPrintable(summary->text());
    EXPECT_EQ(preview->topLevelItem(0)->text(1), ShortDateText(DateToDays(QDate(2026, 4, 18))));
    EXPECT_EQ(preview->topLevelItem(1)->text(1), ShortDateText(DateToDays(QDate(2026, 5, 2))));
    ASSERT_TRUE(dialog.AddSchedule());
    const TMatch* last = T().JointTable().Matches().back();
    EXPECT_EQ(DaysToDate(last->Date), QDate(2026, 5, 2));
    EXPECT_EQ(DaysToTime(last->Time), QTime(19, 30));
}
