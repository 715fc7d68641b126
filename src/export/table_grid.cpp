#include "export/table_grid.h"

#include "base/language.h"
#include "export/html_export.h"
#include "export/xlsx_export.h"
#include "render/table_layout.h"
#include "standings/column_catalog.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kv {

namespace {

// Whether a column's text is its value written out (a count, points, a percentage), rather
// than a text of its own ("35-20", a form guide).
bool ShowsItsValue(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    if (!ok) QLocale().toDouble(text.trimmed(), &ok);
    return ok;
}

} // namespace

TGridData TableGrid(const TTournament& t, const TGroup& g) {
    TGridData grid;
    const std::vector<TStandingsSection> sections = ShownSections(t.View);
    grid.Captions << LangText(5000, "No") << g.Name;
    grid.Alignments << TCellAlign::Right << TCellAlign::Left;
    for (const TStandingsSection& sec : sections)
        for (const TTableColumn& c : t.Columns) {
            const QString caption = ColumnCaption(c.Id, t);
            grid.Captions << (sections.size() > 1 ? sec.Word + QLatin1Char(' ') + caption
                                                  : caption);
            grid.Alignments << TCellAlign::Right;
        }
    const double none = std::numeric_limits<double>::quiet_NaN();
    int place = 0;
    for (const TTeam* team : g.Teams()) {
        ++place;
        QStringList row{QString::number(place), TeamDisplayName(t, g, *team, place)};
        QList<double> values{static_cast<double>(place), none};
        for (const TStandingsSection& sec : sections)
            for (const TTableColumn& c : t.Columns) {
                const QString text = ColumnText(t, *team, c.Id, sec.Scope);
                row << text;
                const double value = ColumnValue(t, *team, c.Id, sec.Scope);
                values << (ShowsItsValue(text) && std::isfinite(value) ? value : none);
            }
        grid.Rows << row;
        grid.Values << values;
    }
    return grid;
}

QString TableText(const TTournament& t, const TGroup& g) {
    const TGridData grid = TableGrid(t, g);
    std::vector<qsizetype> widths(static_cast<size_t>(grid.ColumnCount()), 0);
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        widths[static_cast<size_t>(c)] = grid.Captions.at(c).size();
        for (int r = 0; r < grid.Rows.size(); ++r)
            widths[static_cast<size_t>(c)] =
                std::max(widths[static_cast<size_t>(c)], grid.Cell(r, c).size());
    }
    const auto line = [&](const std::function<QString(int)>& cell) {
        QString out;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            if (c > 0) out += QStringLiteral("  ");
            const auto w = widths[static_cast<size_t>(c)];
            out += grid.Alignments.value(c) == TCellAlign::Left ? cell(c).leftJustified(w)
                                                                : cell(c).rightJustified(w);
        }
        // No blanks trail a line.
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        return out + QLatin1Char('\n');
    };
    QString text = line([&](int c) { return grid.Captions.at(c); });
    for (int r = 0; r < grid.Rows.size(); ++r)
        text += line([&](int c) { return grid.Cell(r, c); });
    return text;
}

QString SheetName(const QString& wanted, QStringList& taken) {
    QString base;
    for (const QChar c : wanted.simplified())
        base += QStringLiteral("\\/?*[]:").contains(c) ? QLatin1Char('-') : c;
    // A name may not start or end with an apostrophe either.
    while (base.startsWith(QLatin1Char('\'')))
        base.remove(0, 1);
    while (base.endsWith(QLatin1Char('\'')))
        base.chop(1);
    if (base.isEmpty()) base = QStringLiteral("Sheet");
    base = base.left(31);
    QString name = base;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        name = base.left(31 - suffix.size()) + suffix;
    }
    taken << name;
    return name;
}

std::vector<TXlsxSheet> TableSheets(const TTournament& t, const std::vector<int>& tableIds,
                                    QStringList& taken) {
    std::vector<TXlsxSheet> sheets;
    for (const TGroup* g : TablesForExport(t, tableIds))
        sheets.push_back({SheetName(g->Name, taken), TableGrid(t, *g)});
    return sheets;
}

TIoResult ExportTablesToXlsx(const QString& fileName, const TTournament& t,
                             const std::vector<int>& tableIds,
                             const std::function<void(int)>& progress) {
    QStringList taken;
    return ExportSheetsToXlsx(fileName, TableSheets(t, tableIds, taken), progress);
}

} // namespace kv
