#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/fileio.h"
#include "export/chart_picture.h"
#include "export/csv_export.h"
#include "export/stats_charts.h"

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool stats FILE.kvd [--kind basic|matchdays|dates|scores|referees]\n"
    "                    [--scope joint|conference:ID|group:ID|team:ID] [--sort "
    "COLUMN[:asc|:desc]]\n"
    "                    [--format text|csv] [--chart FILE.png|jpg|bmp|gif|svg|pdf [--row N]]\n"
    "\n"
    "Prints a statistic of the tournament as the statistics page shows it: the basic statistics\n"
    "(by default), the points progress by matchdays or by dates, the scores or the referees, of\n"
    "the whole tournament (by default), a conference, a group or a team.\n"
    "  --sort   sorts by a column (0 is the first) as a heading click does\n"
    "  --chart  also writes the chart of the statistic (of grid row N for the basic statistics,\n"
    "           the first by default) as a picture of 800 x 500 pixels";

bool KindFromName(const QString& name, kv::TStatsKind& kind) {
    static const struct {
        const char* Name;
        kv::TStatsKind Kind;
    } kinds[] = {{"basic", kv::TStatsKind::Basic},
                 {"matchdays", kv::TStatsKind::ByMatchday},
                 {"dates", kv::TStatsKind::ByDate},
                 {"scores", kv::TStatsKind::Scores},
                 {"referees", kv::TStatsKind::Referees}};
    for (const auto& k : kinds)
        if (name == QLatin1String(k.Name)) {
            kind = k.Kind;
            return true;
        }
    return false;
}

bool ScopeFromSpec(const kv::TTournament& t, const QString& spec, kv::TStatsScope& scope) {
    const std::vector<kv::TStatsScope> scopes = kv::StatsScopes(t);
    if (spec.isEmpty() || spec == QLatin1String("joint")) {
        scope = scopes.front();
        return true;
    }
    const QString kind = spec.section(QLatin1Char(':'), 0, 0);
    bool ok = false;
    const int id = spec.section(QLatin1Char(':'), 1).toInt(&ok);
    if (!ok) return false;
    const kv::TScopeKind wanted = kind == QLatin1String("conference") ? kv::TScopeKind::Conference
                                  : kind == QLatin1String("group")    ? kv::TScopeKind::Group
                                  : kind == QLatin1String("team")     ? kv::TScopeKind::Team
                                                                      : kv::TScopeKind::Joint;
    if (wanted == kv::TScopeKind::Joint) return false;
    for (const kv::TStatsScope& s : scopes)
        if (s.Kind == wanted && s.Id == id) {
            scope = s;
            return true;
        }
    return false;
}

QString GridText(const kv::TGridData& grid) {
    std::vector<int> widths(static_cast<size_t>(grid.ColumnCount()));
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        int w = static_cast<int>(grid.Captions.at(c).size());
        for (int r = 0; r < grid.Rows.size(); ++r)
            w = std::max(w, static_cast<int>(grid.Cell(r, c).size()));
        widths[static_cast<size_t>(c)] = w;
    }
    const auto line = [&](const QStringList& cells) {
        QStringList out;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            const int w = widths[static_cast<size_t>(c)];
            out << (grid.Alignments.value(c) == kv::TCellAlign::Right
                        ? cells.value(c).rightJustified(w)
                        : cells.value(c).leftJustified(w));
        }
        return out.join(QStringLiteral("  ")).trimmed();
    };
    QStringList lines{line(grid.Captions)};
    for (const QStringList& row : grid.Rows)
        lines << line(row);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

int CmdStats(const QStringList& args) {
    const TArgs a(args, {{"kind", true, false},
                         {"scope", true, false},
                         {"sort", true, false},
                         {"format", true, false},
                         {"chart", true, false},
                         {"row", true, false}});
    if (const auto done = OpenCommand(a, "stats", kUsage, 1, "expected one FILE")) return *done;
    kv::TStatsKind kind = kv::TStatsKind::Basic;
    if (!KindFromName(a.Value("kind", QStringLiteral("basic")).toLower(), kind))
        return UsageError("stats", QStringLiteral("unknown kind '%1'").arg(a.Value("kind")),
                          kUsage);
    const QString format = a.Value("format", QStringLiteral("text")).toLower();
    if (format != QLatin1String("text") && format != QLatin1String("csv"))
        return UsageError("stats", QStringLiteral("unknown format '%1'").arg(format), kUsage);
    kv::TPictureFormat pictureFormat = kv::TPictureFormat::Png;
    const QString chartPath = a.Value("chart");
    if (a.Has("chart") && !kv::PictureFormatFromPath(chartPath, pictureFormat))
        return UsageError("stats",
                          QStringLiteral("cannot tell the picture format of '%1'").arg(chartPath),
                          kUsage);
    bool rowOk = true;
    const int row = a.Has("row") ? a.Value("row").toInt(&rowOk) : 0;
    if (!rowOk || row < 0)
        return UsageError("stats", QStringLiteral("bad row '%1'").arg(a.Value("row")), kUsage);

    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("stats"));
    if (!t) return kExitInput;
    if ((kind == kv::TStatsKind::ByMatchday || kind == kv::TStatsKind::ByDate) &&
        !kv::HasPointsProgress(*t))
        return UsageError(
            "stats",
            QStringLiteral("the tournament is not ranked by points first: no points progress"),
            kUsage);
    kv::TStatsScope scope;
    if (!ScopeFromSpec(*t, a.Value("scope"), scope))
        return UsageError("stats", QStringLiteral("no scope '%1'").arg(a.Value("scope")), kUsage);
    kv::TStatsGrid grid = kv::BuildStatsGrid(*t, kind, scope);
    if (a.Has("sort")) {
        const QString spec = a.Value("sort");
        bool ok = false;
        const int column = spec.section(QLatin1Char(':'), 0, 0).toInt(&ok);
        const QString direction = spec.section(QLatin1Char(':'), 1).toLower();
        if (!ok || column < 0 || column >= grid.Data.ColumnCount() || !grid.Sortable ||
            (!direction.isEmpty() && direction != QLatin1String("asc") &&
             direction != QLatin1String("desc")))
            return UsageError("stats", QStringLiteral("cannot sort by '%1'").arg(spec), kUsage);
        kv::TStatsSort sort = kv::ClickedStatsSort({}, column);
        if (!direction.isEmpty()) sort.Ascending = direction == QLatin1String("asc");
        kv::SortStatsGrid(grid, sort);
    }
    if (format == QLatin1String("csv"))
        Out(kv::GridCsv(grid.Data, QLatin1Char(','), QStringLiteral("\"")));
    else
        Out(GridText(grid.Data) +
            (grid.Note.isEmpty() ? QString() : QLatin1Char('\n') + grid.Note));
    if (a.Has("chart")) {
        const kv::TChartData chart =
            kv::StatsChart(*t, scope, grid, std::min(row, std::max(0, grid.RowCount() - 1)), {});
        QString error;
        const QByteArray bytes = kv::ChartPictureBytes(chart, kv::TChartSettings::FromSettings(),
                                                       kv::kDefaultChartSize, pictureFormat, error);
        const kv::TIoResult written =
            bytes.isEmpty() ? kv::TIoResult::Failure(error) : kv::WriteFileAtomic(chartPath, bytes);
        if (!written) {
            Fail("stats", QStringLiteral("%1").arg(written.Message));
            return kExitInput;
        }
    }
    return kExitOk;
}

} // namespace kvcli
