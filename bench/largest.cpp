#include "largest.h"

#include "model/sport.h"
#include "standings/schedule.h"
#include "standings/tournament_setup.h"

namespace {

// A soccer league of `teams` teams, "Team 01" on, in one group; 70 is the largest legal size.
kv::TNewTournament SeventyTeams(const QString& name, int legs, int teams = 70) {
    kv::TNewTournament spec;
    spec.Name = name;
    spec.Sport = kv::SportSoccer;
    spec.GroupLegs = legs;
    spec.Rules = kv::TPointsRules::ForSport(kv::SportSoccer);
    kv::TNewGroup group{QStringLiteral("League"), {}};
    for (int i = 0; i < teams; ++i)
        group.Teams << QStringLiteral("Team %1").arg(i + 1, 2, 10, QLatin1Char('0'));
    spec.Groups = {group};
    return spec;
}

} // namespace

std::unique_ptr<kv::TTournament> MakeLargest(int legs) {
    kv::TNewTournament spec = SeventyTeams(QStringLiteral("Largest"), legs);
    spec.TieBreaks = {{kv::kColumnAmongThemPoints, kv::ScopeOverall, QString(), true},
                      {kv::kColumnGoalDifference, kv::ScopeOverall, QString(), true},
                      {kv::kColumnGoalsFor, kv::ScopeOverall, QString(), true}};
    auto t = kv::CreateTournament(spec);
    unsigned seed = 12345;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    int matchday = 0;
    for (int leg = 1; leg <= legs; ++leg) {
        for (int a = 0; a < 70; ++a) {
            for (int b = a + 1; b < 70; ++b) {
                const bool flip = (leg + a + b) % 2 == 0;
                auto m = kv::CreateMatch(t->Sport, -1, flip ? b : a, flip ? a : b, leg);
                const int home = static_cast<int>(next(5));
                const int away = static_cast<int>(next(4));
                const int homeHalf = static_cast<int>(next(static_cast<unsigned>(home) + 1));
                const int awayHalf = static_cast<int>(next(static_cast<unsigned>(away) + 1));
                m->SetScoreText(
                    QStringLiteral("%1:%2 (%3:%4)").arg(home).arg(away).arg(homeHalf).arg(awayHalf),
                    false);
                m->Matchday = ++matchday;
                m->HasDate = true;
                m->Date = 46000 + matchday / 35;
                m->GridPosition =
                    t->JointTable().ProposedGridPosition(m->HomeTeamId, m->VisitorTeamId, leg, -1);
                t->AddMatch(m);
            }
        }
    }
    kv::RecomputeAll(*t);
    return t;
}

std::unique_ptr<kv::TTournament> MakeScheduledSeason(int legs) {
    auto t = kv::CreateTournament(SeventyTeams(QStringLiteral("Season"), legs));
    for (int i = 0; i < 12; ++i)
        t->AddReferee(QStringLiteral("Referee %1").arg(i + 1), QString(), QString(), -1);
    kv::AddSchedule(*t, kv::PlanSchedule(*t));
    unsigned seed = 777;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % range);
    };
    for (kv::TMatch* m : t->JointTable().Matches()) {
        m->SetScoreText(QStringLiteral("%1:%2").arg(next(5)).arg(next(4)), false);
        m->HasDate = true;
        m->Date = 46000 + 3.5 * m->Matchday;
        m->Attendance = 5000 + next(40000);
        const int main = next(12);
        m->AddReferee(main);
        m->AddReferee((main + 1 + next(11)) % 12);
    }
    kv::RecomputeAll(*t);
    return t;
}

std::unique_ptr<kv::TTournament> MakeRaceSeason(int teams, int legs) {
    auto t = kv::CreateTournament(SeventyTeams(QStringLiteral("Race"), legs, teams));
    kv::AddSchedule(*t, kv::PlanSchedule(*t));
    // Results with a home advantage and stronger and weaker teams, so that the table spreads
    // out as a real one does.
    unsigned seed = 4242;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(range));
    };
    for (kv::TMatch* m : t->JointTable().Matches()) {
        const int home = next(3) + (m->HomeTeamId % 5 == 0 ? 1 : 0);
        const int away = next(3) + (m->VisitorTeamId % 7 == 0 ? 1 : 0);
        m->SetScoreText(QStringLiteral("%1:%2").arg(home).arg(away), false);
    }
    return t;
}
