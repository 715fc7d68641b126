#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/formats.h"
#include "standings/schedule.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <QDate>
#include <QLocale>

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool generate FILE.kvd [--table TABLE] [--start DATE (--every DAYS | --weekday "
    "NAME)]\n"
    "                                [--skip \"DATE - DATE; DATE ...\"] [--time HH:MM]\n"
    "\n"
    "Draws up the fixtures still missing: every pair of teams that may meet gets its number of\n"
    "legs, on matchdays numbered on from the highest the tournament has, with no team playing\n"
    "twice on a matchday and home and away balanced. Fixtures already there are kept.\n"
    "  --table    only the teams of this table (by name, or joint, group:ID, conference:ID)\n"
    "  --start    the date of the first new matchday, as YYYY-MM-DD\n"
    "  --every    days from one matchday to the next (1 to 365; 7 when not given)\n"
    "  --weekday  matchdays weekly on this day (monday ... sunday), the first on or after --start\n"
    "             (or today)\n"
    "  --skip     days without matches, dates or ranges separated by ';' (such as\n"
    "             \"2026-12-24 - 2027-01-06; 2027-04-02\"): a matchday on one moves on by whole\n"
    "             steps, and the ones after it too\n"
    "  --time     the kick-off time of every new fixture";

// 1 (Monday) to 7 for an English day name or its first three letters; 0 when unknown.
int WeekdayFromName(const QString& name) {
    const QString n = name.trimmed().toLower();
    for (int day = 1; day <= 7; ++day) {
        const QString full = QLocale::c().dayName(day).toLower();
        if (n == full || (n.size() >= 3 && full.startsWith(n))) return day;
    }
    return 0;
}

// The dates part of the command line; false with a message when it does not make sense.
bool ReadDates(const TArgs& a, kv::TScheduleDates& dates, QString& error) {
    if (a.Has("every") && a.Has("weekday")) {
        error = QStringLiteral("--every and --weekday cannot be given together");
        return false;
    }
    if (a.Has("every") && !a.Has("start")) {
        error = QStringLiteral("--every needs --start");
        return false;
    }
    QDate first;
    if (a.Has("start")) {
        first = QDate::fromString(a.Value("start").trimmed(), Qt::ISODate);
        if (!first.isValid()) {
            error = QStringLiteral("'%1' is not a date (YYYY-MM-DD)").arg(a.Value("start"));
            return false;
        }
    }
    if (a.Has("weekday")) {
        const int day = WeekdayFromName(a.Value("weekday"));
        if (day == 0) {
            error = QStringLiteral("'%1' is not a day of the week").arg(a.Value("weekday"));
            return false;
        }
        if (!first.isValid()) first = QDate::currentDate();
        first = first.addDays((day - first.dayOfWeek() + 7) % 7);
        dates.EveryDays = 7;
    } else if (a.Has("every")) {
        bool ok = false;
        const int every = a.Value("every").trimmed().toInt(&ok);
        if (!ok || every < 1 || every > 365) {
            error = QStringLiteral("--every takes a number of days from 1 to 365, not '%1'")
                        .arg(a.Value("every"));
            return false;
        }
        dates.EveryDays = every;
    }
    if (first.isValid()) {
        dates.HasDate = true;
        dates.FirstDate = kv::DateToDays(first);
    }
    if (a.Has("skip")) {
        if (!dates.HasDate) {
            error = QStringLiteral("--skip needs --start or --weekday");
            return false;
        }
        if (!kv::ParseSkippedDates(a.Value("skip"), dates.Skipped, error)) return false;
    }
    if (a.Has("time")) {
        const QTime time = QTime::fromString(a.Value("time").trimmed(), QStringLiteral("H:mm"));
        if (!time.isValid()) {
            error = QStringLiteral("'%1' is not a time (HH:MM)").arg(a.Value("time"));
            return false;
        }
        dates.HasTime = true;
        dates.Time = kv::TimeToDays(time);
    }
    return true;
}

} // namespace

int CmdGenerate(const QStringList& args) {
    const TArgs a(args, {{"table", true, false},
                         {"start", true, false},
                         {"every", true, false},
                         {"skip", true, false},
                         {"weekday", true, false},
                         {"time", true, false}});
    if (const auto done = OpenCommand(a, "generate", kUsage, 1, "expected one tournament file"))
        return *done;
    kv::TScheduleDates dates;
    QString error;
    if (!ReadDates(a, dates, error)) return UsageError("generate", error, kUsage);
    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("generate"));
    if (!t) return kExitInput;
    std::vector<int> teams;
    if (a.Has("table")) {
        const kv::TGroup* table = FindOneTable(*t, a.Value("table").trimmed(), error);
        if (!table) return UsageError("generate", error, kUsage);
        for (const kv::TTeam* team : table->Teams())
            teams.push_back(team->Id);
        if (teams.empty()) {
            Out(QStringLiteral("%1 has no teams: nothing to generate").arg(table->Name));
            return kExitOk;
        }
    }
    const kv::TSchedule schedule = kv::PlanSchedule(*t, teams);
    if (schedule.Matches.empty()) {
        Out(QStringLiteral("Every pair has all its legs: nothing to generate"));
        return kExitOk;
    }
    const int added = kv::AddSchedule(*t, schedule, dates);
    kv::RecomputeAll(*t);
    const kv::TIoResult saved = kv::SaveTournament(*t);
    if (!saved) {
        Fail("generate", QStringLiteral("cannot save %1: %2").arg(t->FileName, saved.Message));
        return kExitInput;
    }
    Out(QStringLiteral("%1 fixtures on %2 matchdays (%3 to %4); no plan needs fewer than %5")
            .arg(added)
            .arg(schedule.Matchdays)
            .arg(schedule.FirstMatchday)
            .arg(schedule.FirstMatchday + schedule.Matchdays - 1)
            .arg(schedule.LowerBound));
    return kExitOk;
}

} // namespace kvcli
