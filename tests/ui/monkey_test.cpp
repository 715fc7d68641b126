// Random use of every window on the samples and on a tournament of conferences (see
// monkey.h). Briefly here; "make monkey" runs it for minutes under the sanitizers:
//   KV_MONKEY_SEED=n      the seed (a failure prints its own)
//   KV_MONKEY_ACTIONS=n   how many actions each seed runs
//   KV_MONKEY_SECONDS=n   or for how long
//   KV_MONKEY_FILE=name   opens only that tournament ("soccer.kvd", "conferences.kvd")
#include "ui/monkey.h"
#include "ui/ui_support.h"

#include "model/sport.h"
#include "standings/schedule.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"

#include <QDir>

using namespace kv;

namespace {

int EnvNumber(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

class Monkey : public kvtest::TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        AddConferences();
    }
    // Two conferences of two divisions, two legs, the schedule drawn up and half played.
    void AddConferences() {
        TNewTournament spec;
        spec.Name = QStringLiteral("Conference League");
        spec.Sport = SportHockey;
        spec.GroupLegs = 2;
        spec.ConferenceLegs = 2;
        spec.InterConferenceLegs = 1;
        spec.Rules = TPointsRules::ForSport(SportHockey);
        for (const char* c : {"East", "West"}) {
            TNewConference conference{QLatin1String(c), {}};
            for (const char* d : {"North", "South"}) {
                TNewGroup division{QLatin1String(c) + QLatin1Char(' ') + QLatin1String(d), {}};
                for (int i = 1; i <= 3; ++i)
                    division.Teams << division.Name + QStringLiteral(" %1").arg(i);
                conference.Divisions.push_back(division);
            }
            spec.Conferences.push_back(conference);
        }
        auto t = CreateTournament(spec);
        AddSchedule(*t, PlanSchedule(*t));
        int n = 0;
        for (TMatch* m : t->JointTable().Matches())
            if (++n % 2 == 0) m->SetScoreText(QStringLiteral("%1:%2").arg(n % 5).arg(n % 3), false);
        RecomputeAll(*t);
        const QString path = TTournamentList::SavesPath(QStringLiteral("conferences.kvd"));
        ASSERT_TRUE(SaveTournament(*t, path, false).Ok);
        TNodeData entry{NodeTournament, t->Sport, t->Name, path};
        main_->ListPanel().AddTournamentEntry(entry);
    }
};

} // namespace

TEST_F(Monkey, RandomUseBreaksNothing) {
    const int actions = EnvNumber("KV_MONKEY_ACTIONS", 150);
    const int seconds = EnvNumber("KV_MONKEY_SECONDS", 0);
    const QList<int> seeds = qEnvironmentVariableIsSet("KV_MONKEY_SEED")
                                 ? QList<int>{EnvNumber("KV_MONKEY_SEED", 1)}
                                 : QList<int>{20261210, 7, 1234};
    int total = 0;
    for (const int seed : seeds) {
        kvtest::TMonkey monkey(*main_, static_cast<quint32>(seed));
        const QString only = qEnvironmentVariable("KV_MONKEY_FILE");
        ASSERT_TRUE(only.isEmpty() || main_->List().FindByPath(TTournamentList::SavesPath(only)))
            << only.toStdString() << " is not in the list";
        monkey.OpenOnly(only);
        const kvtest::TMonkeyResult r = monkey.Run(actions, seconds);
        total += r.Actions;
        // The seed and the action count reproduce a failure: the run is the same each time, so
        // its first r.Actions actions are the shortest list that shows it.
        ASSERT_TRUE(r.Failure.isEmpty())
            << "seed " << seed << ", after " << r.Actions << " actions: " << r.Failure.toStdString()
            << "\nactions:\n"
            << r.Log.join(QLatin1Char('\n')).toStdString();
    }
    RecordProperty("actions", total);
    std::printf("monkey: %d actions\n", total);
}
