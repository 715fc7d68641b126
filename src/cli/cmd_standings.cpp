#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "export/standings_json.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"

#include <QJsonArray>

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool standings FILE.kvd [--table joint|group:ID|conference:ID|all]\n"
    "                        [--scope overall|home|away] [--columns ID,ID,...]\n"
    "                        [--format text|csv|json] [--explain]\n"
    "\n"
    "Prints the ranked table(s) as the program ranks them: by the tournament's criteria with\n"
    "head-to-head among level teams. Without --table, the tables the tournament shows; without\n"
    "--columns, the tournament's standings columns.\n"
    "  --explain  for each team, what put it above the team below (\"Goal Difference: +4\n"
    "             against +2\"): a last column in text and CSV, \"explain\" in JSON";

} // namespace

int CmdStandings(const QStringList& args) {
    const TArgs a(args, {{"table", true, false},
                         {"scope", true, false},
                         {"columns", true, false},
                         {"format", true, false},
                         {"explain", false, false}});
    if (const auto done = OpenCommand(a, "standings", kUsage, 1, "expected one FILE")) return *done;
    const int scope = ScopeFromName(a.Value("scope", QStringLiteral("overall")));
    if (!scope)
        return UsageError("standings", QStringLiteral("unknown scope '%1'").arg(a.Value("scope")),
                          kUsage);
    const QString format = a.Value("format", QStringLiteral("text")).toLower();
    if (format != QLatin1String("text") && format != QLatin1String("csv") &&
        format != QLatin1String("json"))
        return UsageError("standings", QStringLiteral("unknown format '%1'").arg(format), kUsage);
    std::vector<int> columns;
    for (const QString& item : a.Value("columns").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = item.trimmed().toInt(&ok);
        if (!ok || id < 0 || id >= kv::kColumnCount)
            return UsageError("standings", QStringLiteral("bad column id '%1' (0 to 56)").arg(item),
                              kUsage);
        columns.push_back(id);
    }
    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("standings"));
    if (!t) return kExitInput;
    if (!a.Has("columns"))
        for (const kv::TTableColumn& c : t->Columns)
            columns.push_back(c.Id);
    std::vector<const kv::TGroup*> tables;
    QString error;
    if (!SelectTables(*t, a.Value("table"), tables, error))
        return UsageError("standings", error, kUsage);
    // The places still possible, when a column shows them.
    if (std::any_of(columns.begin(), columns.end(), [](int id) {
            return id == kv::kColumnBestPlace || id == kv::kColumnWorstPlace;
        }))
        UpdateOutlookWithin(*t, std::chrono::seconds(60));

    QJsonArray json;
    QStringList text;
    for (const kv::TGroup* table : tables) {
        kv::RecomputeTable(*t, *table);
        const kv::TStandingsOrder ranked = kv::RankStandings(*t, *table, table->Teams(), scope);
        const std::vector<const kv::TTeam*>& order = ranked.Teams;
        const bool explain = a.Has("explain");
        QStringList reasons;
        for (const kv::TPlaceReason& r : ranked.Reasons)
            reasons << kv::PlaceReasonText(*t, r);
        QStringList captions;
        for (const int id : columns)
            captions << kv::ColumnCaption(id, *t);
        if (format == QLatin1String("json")) {
            json.append(kv::StandingsJson(*t, *table, columns, scope, explain));
        } else if (format == QLatin1String("csv")) {
            if (!text.isEmpty()) text << QString();
            text << CsvCell(table->Name);
            QStringList header{QStringLiteral("Place"), QStringLiteral("Team"),
                               QStringLiteral("Id")};
            for (const QString& c : captions)
                header << CsvCell(c);
            if (explain) header << QStringLiteral("Explain");
            text << header.join(QLatin1Char(','));
            for (size_t i = 0; i < order.size(); ++i) {
                QStringList row{QString::number(i + 1), CsvCell(order[i]->Name),
                                QString::number(order[i]->Id)};
                for (const int id : columns)
                    row << CsvCell(kv::ColumnText(*t, *order[i], id, scope));
                if (explain) row << CsvCell(reasons[static_cast<qsizetype>(i)]);
                text << row.join(QLatin1Char(','));
            }
        } else {
            if (!text.isEmpty()) text << QString();
            text << table->Name;
            int nameWidth = 4;
            for (const kv::TTeam* team : order)
                nameWidth = std::max(nameWidth, static_cast<int>(team->Name.size()));
            std::vector<int> widths;
            for (size_t c = 0; c < columns.size(); ++c) {
                int w = static_cast<int>(captions[static_cast<qsizetype>(c)].size());
                for (const kv::TTeam* team : order)
                    w = std::max(
                        w, static_cast<int>(kv::ColumnText(*t, *team, columns[c], scope).size()));
                widths.push_back(w);
            }
            QString header = QStringLiteral("%1  %2")
                                 .arg(QStringLiteral("#"), 3)
                                 .arg(QStringLiteral("Team"), -nameWidth);
            for (size_t c = 0; c < columns.size(); ++c)
                header += QStringLiteral("  ") +
                          captions[static_cast<qsizetype>(c)].rightJustified(widths[c]);
            text << header;
            for (size_t i = 0; i < order.size(); ++i) {
                QString line = QStringLiteral("%1  %2")
                                   .arg(static_cast<int>(i) + 1, 3)
                                   .arg(order[i]->Name, -nameWidth);
                for (size_t c = 0; c < columns.size(); ++c)
                    line +=
                        QStringLiteral("  ") +
                        kv::ColumnText(*t, *order[i], columns[c], scope).rightJustified(widths[c]);
                if (explain && !reasons[static_cast<qsizetype>(i)].isEmpty())
                    line += QStringLiteral("  ") + reasons[static_cast<qsizetype>(i)];
                text << line;
            }
        }
    }
    PrintTablesOutput(format, json, text);
    return kExitOk;
}

} // namespace kvcli
