#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/formats.h"
#include "export/standings_json.h"
#include "standings/outlook.h"
#include "standings/outlook_marks.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool outlook FILE.kvd [--table NAME|joint|group:ID|conference:ID|all]\n"
    "                      [--until YYYY-MM-DD] [--format text|csv|json]\n"
    "                      [--time-limit SECONDS]\n"
    "\n"
    "Prints what can still happen: every team of a table with its place now, the best and the\n"
    "worst final place it can still reach, and its matches still to play. The places are exact\n"
    "over every way the remaining matches can end under the tournament's points rules; a team\n"
    "level on points with others is put above them for its best place and below them for its\n"
    "worst. The mark is \"C\" for a sure champion, the place when another place is sure, and\n"
    "\"Q\" or \"R\" when every place still possible lies in one band of places styled alike\n"
    "(upper or lower half of the table). Without --table, the tables the tournament shows.\n"
    "  --table NAME  a table by its name, or by the selectors of kvtool standings\n"
    "  --until DATE  count only the results of DATE and before; later matches are still to "
    "play\n"
    "  --time-limit SECONDS  give up after this long (60 by default, 0 for no limit): places\n"
    "                not found by then print as \"?\" (null in JSON), with a warning";

// A table by its name or selector, every table, or the tables the tournament shows.
bool SelectOutlookTables(const kv::TTournament& t, const QString& spec,
                         std::vector<const kv::TGroup*>& tables, QString& error) {
    const QString s = spec.trimmed().toLower();
    if (s.isEmpty() || s == QLatin1String("all")) return SelectTables(t, spec, tables, error);
    tables.clear();
    for (const kv::TGroup* table : t.AllTables())
        if (table->Kind != kv::KindJoint &&
            table->Name.compare(spec.trimmed(), Qt::CaseInsensitive) == 0) {
            tables.push_back(table);
            return true;
        }
    if (const kv::TGroup* table = FindOneTable(t, spec, error)) tables.push_back(table);
    if (tables.empty())
        error = QStringLiteral("no table '%1' (a table's name, joint, group:ID, conference:ID "
                               "or all)")
                    .arg(spec);
    return !tables.empty();
}

QString PlaceText(int place) {
    return place > 0 ? QString::number(place) : QStringLiteral("?");
}

} // namespace

int CmdOutlook(const QStringList& args) {
    const TArgs a(args, {{"table", true, false},
                         {"until", true, false},
                         {"format", true, false},
                         {"time-limit", true, false}});
    if (const auto done = OpenCommand(a, "outlook", kUsage, 1, "expected one FILE")) return *done;
    const QString format = a.Value("format", QStringLiteral("text")).toLower();
    if (format != QLatin1String("text") && format != QLatin1String("csv") &&
        format != QLatin1String("json"))
        return UsageError("outlook", QStringLiteral("unknown format '%1'").arg(format), kUsage);
    bool limitOk = false;
    const int limit = a.Value("time-limit", QStringLiteral("60")).trimmed().toInt(&limitOk);
    if (!limitOk || limit < 0)
        return UsageError("outlook",
                          QStringLiteral("bad time limit '%1' (whole seconds, 0 for none)")
                              .arg(a.Value("time-limit")),
                          kUsage);
    QDate until;
    if (a.Has("until")) {
        static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        const QString text = a.Value("until").trimmed();
        if (shape.match(text).hasMatch()) until = QDate::fromString(text, Qt::ISODate);
        if (!until.isValid())
            return UsageError(
                "outlook",
                QStringLiteral("bad date '%1' (expected YYYY-MM-DD)").arg(a.Value("until")),
                kUsage);
    }
    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("outlook"));
    if (!t) return kExitInput;
    if (!kv::OutlookAvailable(*t)) {
        Fail("outlook", QStringLiteral("the tournament does not rank by points or percentage "
                                       "first, so no places can be foreseen"));
        return kExitInput;
    }
    std::vector<const kv::TGroup*> tables;
    QString error;
    if (!SelectOutlookTables(*t, a.Value("table"), tables, error))
        return UsageError("outlook", error, kUsage);
    if (until.isValid()) {
        // The season as it stood at the end of that day: later results are still to come.
        t->MatchFilter = kv::TMatchFilter{};
        t->MatchFilter.DateTo = kv::DateToDays(until);
    }
    if (limit > 0)
        UpdateOutlookWithin(*t, std::chrono::seconds(limit));
    else
        kv::UpdateOutlook(*t);
    bool unknown = false;
    for (const kv::TGroup* table : tables)
        for (const kv::TTeam* team : table->Teams())
            unknown = unknown || !kv::OutlookIn(*team, table->Kind).Known();
    if (unknown)
        Err(QStringLiteral("kvtool outlook: gave up after %1 s; the places marked \"?\" are not "
                           "known (--time-limit 0 waits as long as it takes)")
                .arg(limit));

    QJsonArray json;
    QStringList text;
    for (const kv::TGroup* table : tables) {
        const QJsonObject object = kv::OutlookJson(*t, *table);
        if (format == QLatin1String("json")) {
            json.append(object);
            continue;
        }
        const std::span<const kv::TTeam* const> teams = table->Teams();
        if (!text.isEmpty()) text << QString();
        if (format == QLatin1String("csv")) {
            text << CsvCell(table->Name);
            text << QStringLiteral("Place,Team,Id,Best,Worst,Remaining,Mark");
            for (size_t i = 0; i < teams.size(); ++i) {
                const kv::TPlaceOutlook& o = kv::CurrentOutlook(*teams[i]);
                text << QStringList{QString::number(i + 1),
                                    CsvCell(teams[i]->Name),
                                    QString::number(teams[i]->Id),
                                    PlaceText(o.Best),
                                    PlaceText(o.Worst),
                                    QString::number(o.Remaining),
                                    CsvCell(kv::OutlookMark(*table, o))}
                            .join(QLatin1Char(','));
            }
            continue;
        }
        text << table->Name;
        int nameWidth = 4;
        for (const kv::TTeam* team : teams)
            nameWidth = std::max(nameWidth, static_cast<int>(team->Name.size()));
        text << QStringLiteral("%1  %2  Best  Worst  Left  Mark")
                    .arg(QStringLiteral("#"), 3)
                    .arg(QStringLiteral("Team"), -nameWidth);
        for (size_t i = 0; i < teams.size(); ++i) {
            const kv::TPlaceOutlook& o = kv::CurrentOutlook(*teams[i]);
            QString line = QStringLiteral("%1  %2  %3  %4  %5  %6")
                               .arg(static_cast<int>(i) + 1, 3)
                               .arg(teams[i]->Name, -nameWidth)
                               .arg(PlaceText(o.Best), 4)
                               .arg(PlaceText(o.Worst), 5)
                               .arg(o.Remaining, 4)
                               .arg(kv::OutlookMark(*table, o));
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            text << line;
        }
    }
    PrintTablesOutput(format, json, text);
    return kExitOk;
}

} // namespace kvcli
