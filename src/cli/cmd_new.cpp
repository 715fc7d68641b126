#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/fileio.h"
#include "base/language.h"
#include "base/textformat.h"
#include "export/results_file.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/points_rules.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <QDir>
#include <QFileInfo>

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool new FILE.kvd --name NAME --sport SPORT [--legs N]\n"
    "                 [--conference-legs N --inter-legs N]\n"
    "                 [--conference NAME] --group \"GROUP NAME=Team A;Team B;...\" ...\n"
    "                 [--criteria 19,17,45] [--points | --no-points] [--overtime] [--shootouts]\n"
    "                 [--points-adjustment \"TEAM=N\"] ... [--rules KEY=VALUE,...]\n"
    "                 [--head-to-head level-on-points|still-level]\n"
    "       kvtool new FILE.kvd --name NAME --sport SPORT --from-csv DATA.csv\n"
    "                 --columns KIND,KIND,... [--separator C] [--skip-header]\n"
    "                 [--date-format FORMAT] [--legs N] [other options as above]\n"
    "\n"
    "Builds a tournament as the new-tournament wizard does (the sport's default points and\n"
    "columns, points or percentage as the main criterion) and saves it.\n"
    "  --group              a group and its teams; repeat for more groups. After --conference\n"
    "                       the groups are that conference's divisions.\n"
    "  --criteria           tie-break criteria after the main one: column ids the sport offers,\n"
    "                       ID:3 for the away scope (e.g. 17:3)\n"
    "  --points, --no-points  rank by points, or by percentage; without either, as the sport\n"
    "                       does (percentage for chess, US football and baseball)\n"
    "  --points-adjustment  points added to a team before any match (-9 deducts nine)\n"
    "  --rules              points rules by name: WinPoints, DrawPoints, LossPoints,\n"
    "                       WinOTPoints, LossOTPoints, WinSOPoints, LossSOPoints,\n"
    "                       ForfeitPenalty (0 to 9), ForfeitLossScore, ForfeitWinScore\n"
    "                       (0 to 500), Overtime, ShootOuts (0 or 1);\n"
    "                       e.g. --rules WinPoints=2,LossOTPoints=1\n"
    "  --head-to-head       which matches head-to-head criteria count: among all the teams\n"
    "                       level on points (the default), or among the teams still level on\n"
    "                       every criterion before, as FIFA and UEFA rank\n"
    "  --from-csv           a file of results: its home and visitor columns give the teams of\n"
    "                       one group, the most matches a pair has gives the legs (unless\n"
    "                       --legs), and its rows are imported as import-csv does; --columns,\n"
    "                       --separator, --skip-header and --date-format as there\n"
    "Legs are 1 to 8 (16 for baseball). An existing FILE is never overwritten.";

bool ParseCount(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

int CmdNew(const QStringList& args) {
    const TArgs a(args, {{"name", true, false},
                         {"sport", true, false},
                         {"legs", true, false},
                         {"conference-legs", true, false},
                         {"inter-legs", true, false},
                         {"conference", true, true},
                         {"group", true, true},
                         {"criteria", true, false},
                         {"points", false, false},
                         {"no-points", false, false},
                         {"overtime", false, false},
                         {"shootouts", false, false},
                         {"points-adjustment", true, true},
                         {"rules", true, true},
                         {"head-to-head", true, false},
                         {"from-csv", true, false},
                         {"columns", true, false},
                         {"separator", true, false},
                         {"skip-header", false, false},
                         {"date-format", true, false}});
    if (const auto done = OpenCommand(a, "new", kUsage, 1, "expected one FILE")) return *done;
    if (!a.Has("sport")) return UsageError("new", QStringLiteral("--sport is required"), kUsage);
    const int sport = kv::SportFromName(a.Value("sport"));
    if (sport < 0)
        return UsageError("new", QStringLiteral("unknown sport '%1'").arg(a.Value("sport")),
                          kUsage);

    kv::TNewTournament spec;
    spec.Name = a.Value("name").trimmed();
    spec.Sport = sport;
    spec.FileName = QFileInfo(a.Positional().first()).absoluteFilePath();
    const int maxLegs = kv::MaxLegs(sport);
    const auto legsOption = [&](const char* name, int def, int& value) {
        if (!a.Has(name)) {
            value = def;
            return true;
        }
        return ParseCount(a.Value(name), value) && value >= 1 && value <= maxLegs;
    };
    if (!legsOption("legs", 2, spec.GroupLegs) ||
        !legsOption("conference-legs", spec.GroupLegs, spec.ConferenceLegs) ||
        !legsOption("inter-legs", spec.ConferenceLegs, spec.InterConferenceLegs))
        return UsageError(
            "new", QStringLiteral("legs must be whole numbers from 1 to %1").arg(maxLegs), kUsage);
    spec.Rules = kv::TPointsRules::ForSport(sport);
    if (a.Has("points") && a.Has("no-points"))
        return UsageError("new", QStringLiteral("--points and --no-points exclude each other"),
                          kUsage);
    if (a.Has("points") || a.Has("no-points"))
        spec.Rules.CalculatePoints = a.Has("points"); // else the sport's own choice
    if (a.Has("overtime")) spec.Rules.Overtime = true;
    spec.ShootOuts = a.Has("shootouts");

    for (const auto& [option, value] : a.Ordered()) {
        if (option == QLatin1String("conference")) {
            spec.Conferences.push_back({value.trimmed(), {}});
        } else if (option == QLatin1String("group")) {
            const qsizetype eq = value.indexOf(QLatin1Char('='));
            if (eq < 0)
                return UsageError("new", QStringLiteral("--group needs \"NAME=Team A;Team B\""),
                                  kUsage);
            kv::TNewGroup group;
            group.Name = value.left(eq).trimmed();
            for (const QString& team :
                 value.mid(eq + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                if (!team.trimmed().isEmpty()) group.Teams << team.trimmed();
            if (spec.Conferences.empty())
                spec.Groups.push_back(group);
            else
                spec.Conferences.back().Divisions.push_back(group);
        }
    }
    // A file of results gives the teams, the legs and then the matches.
    kv::TImportOptions import;
    std::vector<kv::TImportRow> rows;
    const bool fromCsv = a.Has("from-csv");
    if (fromCsv) {
        if (!spec.Groups.empty() || !spec.Conferences.empty())
            return UsageError(
                "new",
                QStringLiteral(
                    "--from-csv takes its teams from the file: no --group or --conference"),
                kUsage);
        if (!a.Has("columns"))
            return UsageError("new", QStringLiteral("--from-csv needs --columns"), kUsage);
        QChar separator;
        QString error;
        if (!ParseImportKinds(a.Value("columns"), import.Kinds, error) ||
            !ParseSeparator(a.Value("separator", QStringLiteral(",")), separator, error))
            return UsageError("new", error, kUsage);
        import.DateFormat = a.Value("date-format");
        QByteArray bytes;
        if (const kv::TIoResult read = kv::ReadFileBytes(a.Value("from-csv"), bytes); !read) {
            Fail("new",
                 QStringLiteral("cannot read %1: %2").arg(a.Value("from-csv"), read.Message));
            return kExitInput;
        }
        rows = kv::RowsFromRecords(kv::ReadCsvRecords(bytes, separator));
        if (a.Has("skip-header") && !rows.empty()) rows.erase(rows.begin());
        if (const QString problem = kv::CheckImportColumns(rows, import.Kinds);
            !problem.isEmpty()) {
            Fail("new", problem);
            return kExitInput;
        }
        const kv::TResultsTeams teams = kv::TeamsOfResults(rows, import.Kinds, maxLegs);
        if (!teams.Problem.isEmpty()) {
            Fail("new", teams.Problem);
            return kExitInput;
        }
        spec.Groups.push_back({kv::ResultsGroupName(), teams.Teams});
        if (!a.Has("legs")) spec.GroupLegs = teams.Legs;
    }
    if (!spec.Conferences.empty() && !spec.Groups.empty())
        return UsageError(
            "new", QStringLiteral("with --conference every --group must follow a conference"),
            kUsage);
    if (spec.Conferences.empty()) {
        spec.ConferenceLegs = spec.InterConferenceLegs = 0; // teams of different groups never meet
    } else {
        spec.RankLeadersUp = false;
    }
    if (const kv::TStructureCheck legs = kv::CheckNewLegs(spec); !legs.Ok) {
        Fail("new", legs.Message);
        return kExitInput;
    }

    const QString headToHead =
        a.Value("head-to-head", QStringLiteral("level-on-points")).trimmed().toLower();
    if (headToHead != QLatin1String("level-on-points") &&
        headToHead != QLatin1String("still-level"))
        return UsageError(
            "new",
            QStringLiteral("--head-to-head is level-on-points or still-level, not '%1'")
                .arg(headToHead),
            kUsage);
    // Rules by name go into the rules as the rules dialog would set them, so the sport's own
    // limits hold (hidden overtime and shoot-out points follow the normal-time points).
    std::vector<std::pair<QString, double>> shootOutPoints;
    for (const QString& list : a.Values("rules")) {
        for (const QString& item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const qsizetype eq = item.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return UsageError(
                    "new", QStringLiteral("--rules needs KEY=VALUE, not '%1'").arg(item.trimmed()),
                    kUsage);
            const QString key = item.left(eq).trimmed();
            QString error;
            if (!kv::SetPointsRule(spec.Rules, key, item.mid(eq + 1), error))
                return UsageError("new", error, kUsage);
            if (key.compare(QLatin1String("ShootOuts"), Qt::CaseInsensitive) == 0)
                spec.ShootOuts = spec.Rules.ShootOuts;
            if (key.startsWith(QLatin1String("WinSO"), Qt::CaseInsensitive) ||
                key.startsWith(QLatin1String("LossSO"), Qt::CaseInsensitive))
                shootOutPoints.emplace_back(key.toLower(), item.mid(eq + 1).trimmed().toDouble());
        }
    }
    const auto offered = kv::OfferedCriteria(sport, spec.Rules.Overtime);
    for (const QString& item : a.Value("criteria").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = item.trimmed().split(QLatin1Char(':'));
        int column = 0;
        int scope = kv::ScopeOverall;
        if (!ParseCount(parts.value(0), column) || parts.size() > 2 ||
            (parts.size() == 2 && !ParseCount(parts[1], scope)))
            return UsageError("new", QStringLiteral("bad criterion '%1'").arg(item), kUsage);
        const bool known =
            std::any_of(offered.begin(), offered.end(), [&](const kv::TSortColumn& c) {
                return c.Column == column && c.Scope == scope;
            });
        if (!known)
            return UsageError("new",
                              QStringLiteral("criterion %1 is not offered for %2")
                                  .arg(item.trimmed(), kv::SportEnglishName(sport)),
                              kUsage);
        spec.TieBreaks.push_back({column, scope, QString(), kv::ColumnDescendingByDefault(column)});
    }

    if (spec.Name.isEmpty()) {
        Fail("new", kv::LangText(7562, "You have not entered tournament name"));
        return kExitInput;
    }
    if (QFileInfo::exists(spec.FileName)) {
        Fail("new", kv::LangText(7565, "File with this name already exists") +
                        QStringLiteral(": ") + spec.FileName);
        return kExitInput;
    }
    const kv::TStructureCheck check = kv::CheckNewStructure(spec);
    if (!check.Ok) {
        Fail("new", check.Message);
        return kExitInput;
    }
    auto t = kv::CreateTournament(spec);
    t->HeadToHeadStillLevel = headToHead == QLatin1String("still-level");
    // The rules dialog offers no shoot-out switch, so shoot-out points are set here, and only
    // while shoot-outs are on.
    if (t->ShootOuts)
        for (const auto& [key, value] : shootOutPoints)
            (key == QLatin1String("winsopoints") ? t->WinSOPoints : t->LossSOPoints) = value;
    for (const QString& adjustment : a.Values("points-adjustment")) {
        const qsizetype eq = adjustment.lastIndexOf(QLatin1Char('='));
        bool ok = false;
        const double points = eq > 0 ? adjustment.mid(eq + 1).trimmed().toDouble(&ok) : 0;
        if (!ok || points < -100 || points > 100)
            return UsageError(
                "new",
                QStringLiteral("bad points adjustment '%1' (TEAM=N, N from -100 to 100)")
                    .arg(adjustment),
                kUsage);
        kv::TTeam* team = t->JointTable().TeamByName(adjustment.left(eq).trimmed());
        if (!team) {
            Fail("new",
                 kv::Fmt(kv::LangText(11553, "Unknown team: %s"), adjustment.left(eq).trimmed()));
            return kExitInput;
        }
        team->AddedPoints = points;
    }
    if (fromCsv) ReportImport(rows, kv::ImportRows(*t, rows, import), a.Has("skip-header") ? 1 : 0);
    kv::RecomputeAll(*t);
    QDir().mkpath(QFileInfo(spec.FileName).absolutePath());
    const kv::TIoResult saved = kv::SaveTournament(*t, spec.FileName, false);
    if (!saved) {
        Fail("new", QStringLiteral("cannot write %1: %2").arg(spec.FileName, saved.Message));
        return kExitInput;
    }
    Out(QStringLiteral("created %1: %2, %3 teams")
            .arg(spec.FileName, kv::SportEnglishName(sport))
            .arg(t->TeamCount()));
    return kExitOk;
}

} // namespace kvcli
