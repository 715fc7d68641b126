#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "export/csv_export.h"
#include "export/fixture_rows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kvcli {

namespace {

const char* const kUsage = "usage: kvtool fixtures FILE.kvd [--format text|csv|json]\n"
                           "\n"
                           "Prints the fixture list in the tournament's fixture columns and order.";

} // namespace

int CmdFixtures(const QStringList& args) {
    const TArgs a(args, {{"format", true, false}});
    if (const auto done = OpenCommand(a, "fixtures", kUsage, 1, "expected one FILE")) return *done;
    const QString format = a.Value("format", QStringLiteral("text")).toLower();
    if (format != QLatin1String("text") && format != QLatin1String("csv") &&
        format != QLatin1String("json"))
        return UsageError("fixtures", QStringLiteral("unknown format '%1'").arg(format), kUsage);
    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("fixtures"));
    if (!t) return kExitInput;
    const kv::TGridData grid = kv::FixtureGrid(*t);
    const auto clean = [](QString s) { return s.replace(QChar(0xA0), QLatin1Char(' ')).trimmed(); };
    if (format == QLatin1String("json")) {
        QJsonArray rows;
        for (int r = 0; r < grid.Rows.size(); ++r) {
            QJsonObject row;
            for (int c = 0; c < grid.ColumnCount(); ++c)
                row.insert(grid.Captions.at(c), clean(grid.Cell(r, c)));
            rows.append(row);
        }
        Out(QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented)).trimmed());
    } else if (format == QLatin1String("csv")) {
        kv::TGridData cleaned = grid;
        for (QStringList& row : cleaned.Rows)
            for (QString& cell : row)
                cell = clean(cell);
        Out(kv::GridCsv(cleaned, QLatin1Char(','), QStringLiteral("\""))
                .trimmed()
                .replace(QLatin1String("\r\n"), QLatin1String("\n")));
    } else {
        std::vector<int> widths;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            int w = static_cast<int>(grid.Captions.at(c).size());
            for (int r = 0; r < grid.Rows.size(); ++r)
                w = std::max(w, static_cast<int>(clean(grid.Cell(r, c)).size()));
            widths.push_back(w);
        }
        const auto line = [&](const QStringList& cells) {
            QStringList parts;
            for (int c = 0; c < grid.ColumnCount(); ++c)
                parts << clean(cells.value(c)).leftJustified(widths[static_cast<size_t>(c)]);
            return parts.join(QStringLiteral("  ")).trimmed();
        };
        Out(line(grid.Captions));
        for (const QStringList& row : grid.Rows)
            Out(line(row));
    }
    return kExitOk;
}

} // namespace kvcli
