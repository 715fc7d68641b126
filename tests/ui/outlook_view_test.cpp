// The places still possible in an open tournament: worked out away from the window after it
// opens and after each score, shown in the team's hint and on its statistics page, dropped
// when an edit overtakes them, and stopped on request.
#include "ui/ui_support.h"

#include "edit/outlook_runner.h"
#include "edit/tournament_document.h"
#include "model/sport.h"
#include "render/table_hit.h"
#include "standings/outlook_marks.h"
#include "standings/schedule.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"
#include "ui/fixtures/score_form.h"
#include "ui/setup/team_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace kv;

namespace {

class OutlookView : public kvtest::TMainWindowTest {
protected:
    // Lets the work under way end and its answer come in.
    static void Settle(TTournamentForm& form) {
        form.Outlook().Finish();
        QCoreApplication::processEvents();
    }
    static const TTeam& Team(const TTournamentForm& form, const char* name) {
        return *form.Document().Tournament().JointTable().TeamByName(QLatin1String(name));
    }
};

TEST_F(OutlookView, PlacesFollowEveryScoreAndUndo) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    QSignalSpy updated(&form->Outlook(), &TOutlookRunner::Updated);
    // Worked out on its own thread: the answer arrives through the event loop.
    ASSERT_TRUE(updated.count() > 0 || updated.wait(10000));
    EXPECT_FALSE(form->Outlook().Running());
    // Group A after the first leg: Riverside Rovers 7 points, Millbrook United 4, Harbour City
    // 3, Oakvale Town 1, three matches each still to play.
    const TPlaceOutlook rovers = OutlookIn(Team(*form, "Riverside Rovers"), KindGroup);
    EXPECT_EQ(rovers, (TPlaceOutlook{1, 4, 3}));
    EXPECT_EQ(OutlookIn(Team(*form, "Oakvale Town"), KindGroup), (TPlaceOutlook{1, 4, 3}));

    // The hint of a team in the picture says it in words.
    TTablesPage& page = form->TablesPage();
    const TGroup& g = *page.TableAt(0);
    const QString hint = page.HintAt(page.ToViewport(0, TeamNameCentre(page.LayoutAt(0), 0)));
    EXPECT_TRUE(hint.contains(OutlookWords(OutlookIn(*g.Teams().front(), KindGroup))))
        << hint.toStdString();
    EXPECT_TRUE(hint.contains(QStringLiteral("Can still finish 1st to 4th"))) << hint.toStdString();

    // A score: the two teams have a match less to play once the new answer is in.
    const TTournament& t = form->Document().Tournament();
    int fixture = -1;
    for (const TMatch* m : t.JointTable().Matches())
        if (!m->Played && m->HomeTeamId == Team(*form, "Oakvale Town").Id &&
            m->VisitorTeamId == Team(*form, "Riverside Rovers").Id)
            fixture = m->Id;
    ASSERT_GE(fixture, 0);
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(form->Document(), fixture, 0);
    dialog.findChild<QLineEdit*>(QStringLiteral("ScoreEdit"))->setText(QStringLiteral("0:3"));
    const qsizetype before = updated.count();
    ASSERT_TRUE(dialog.ApplyChanges());
    ASSERT_TRUE(updated.count() > before || updated.wait(10000));
    EXPECT_EQ(OutlookIn(Team(*form, "Riverside Rovers"), KindGroup).Remaining, 2);
    EXPECT_EQ(OutlookIn(Team(*form, "Oakvale Town"), KindGroup), (TPlaceOutlook{2, 4, 2}));
    EXPECT_EQ(OutlookIn(Team(*form, "Harbour City"), KindGroup).Remaining, 3);

    // Undone: a new tournament object, worked out again.
    main_->Command(TCommandId::Undo)->trigger();
    Settle(*form);
    EXPECT_EQ(OutlookIn(Team(*form, "Riverside Rovers"), KindGroup), (TPlaceOutlook{1, 4, 3}));
}

TEST_F(OutlookView, AStartOvertakenOrCancelledIsDropped) {
    TTournamentForm* form = Open("volleyball.kvd");
    ASSERT_NE(form, nullptr);
    Settle(*form);
    TOutlookRunner& runner = form->Outlook();
    QSignalSpy updated(&runner, &TOutlookRunner::Updated);
    runner.Restart();
    runner.Restart(); // the first one's answer never arrives
    Settle(*form);
    EXPECT_EQ(updated.count(), 1);
    runner.Restart();
    runner.Cancel();
    EXPECT_FALSE(runner.Running());
    QTest::qWait(50);
    EXPECT_EQ(updated.count(), 1);
    // The strip at the foot of the window shows only when the work takes long.
    EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("OutlookBar"))->isVisible());
}

TEST_F(OutlookView, TheTeamsStatisticsPageSaysItInWords) {
    TTournamentForm* form = Open("volleyball.kvd");
    ASSERT_NE(form, nullptr);
    Settle(*form);
    TTeamPropertiesForm dialog(form->Document(), Dialogs);
    dialog.show();
    dialog.ShowTeam(Team(*form, "Ironwood Aces").Id);
    const QLabel& label = kvtest::Child<QLabel>(dialog, "TeamOutlookLabel");
    // Two matches left, six points behind the leaders: third at best.
    EXPECT_EQ(label.text(), QStringLiteral("Can still finish 3rd to 6th"));
}

// A season long enough that its outlook takes long: the strip at the foot of the window shows
// how far it is, and its button stops the work at once, the places unknown.
TEST_F(OutlookView, LongWorkShowsItsProgressAndStopsOnRequest) {
    TNewTournament spec;
    spec.Name = QStringLiteral("Long Race");
    spec.Sport = SportSoccer;
    spec.GroupLegs = 8;
    spec.Rules = TPointsRules::ForSport(SportSoccer);
    TNewGroup group{QStringLiteral("League"), {}};
    for (int i = 0; i < 70; ++i)
        group.Teams << QStringLiteral("Team %1").arg(i + 1, 2, 10, QLatin1Char('0'));
    spec.Groups = {group};
    auto t = CreateTournament(spec);
    AddSchedule(*t, PlanSchedule(*t));
    const int cut = t->LastMatchday() * 3 / 4;
    unsigned seed = 4242;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(range));
    };
    for (TMatch* m : t->JointTable().Matches())
        if (m->Matchday <= cut)
            m->SetScoreText(QStringLiteral("%1:%2").arg(next(3)).arg(next(3)), false);
    const QString path = HomePath(QStringLiteral("long-race.kvd"));
    ASSERT_TRUE(SaveTournament(*t, path, false));
    main_->OpenFiles({path});
    TTournamentForm* form = main_->TournamentForms().back();
    ASSERT_EQ(form->Document().Tournament().Name, spec.Name);
    TOutlookRunner& runner = form->Outlook();
    runner.SetStaleAfter(0);
    QSignalSpy stale(&runner, &TOutlookRunner::Stale);
    runner.Restart();
    ASSERT_TRUE(runner.Running());
    ASSERT_TRUE(stale.wait(5000));
    QWidget& bar = kvtest::Child<QWidget>(*form, "OutlookBar");
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(kvtest::Child<QLabel>(bar, "OutlookLabel").text(),
              QStringLiteral("Working out the places still possible..."));
    // What was found before may no longer hold: gone while the work goes on.
    const TTeam& first = *form->Document().Tournament().JointTable().TeamAt(0);
    EXPECT_FALSE(OutlookIn(first, KindGroup).Known());
    QTest::mouseClick(&kvtest::Child<QPushButton>(bar, "OutlookCancelButton"), Qt::LeftButton);
    EXPECT_FALSE(runner.Running());
    EXPECT_FALSE(bar.isVisible());
    EXPECT_FALSE(OutlookIn(first, KindGroup).Known());
}

} // namespace
