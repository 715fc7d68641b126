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

// The columns a text takes in a fixed-width font: two for the wide characters of East Asian
// scripts, none for combining marks, one for the rest.
qsizetype Columns(const QString& text) {
    qsizetype n = 0;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Mark_NonSpacing) continue;
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) ||
                          (c >= 0x20000 && c <= 0x3FFFD);
        n += wide ? 2 : 1;
    }
    return n;
}

// The text filled with blanks to `width` columns, on the right or on the left.
QString Padded(const QString& text, qsizetype width, bool left) {
    const QString blanks(std::max<qsizetype>(0, width - Columns(text)), QLatin1Char(' '));
    return left ? text + blanks : blanks + text;
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
        widths[static_cast<size_t>(c)] = Columns(grid.Captions.at(c));
        for (int r = 0; r < grid.Rows.size(); ++r)
            widths[static_cast<size_t>(c)] =
                std::max(widths[static_cast<size_t>(c)], Columns(grid.Cell(r, c)));
    }
    const auto line = [&](const std::function<QString(int)>& cell) {
        QString out;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            if (c > 0) out += QStringLiteral("  ");
            const auto w = widths[static_cast<size_t>(c)];
            out += Padded(cell(c), w, grid.Alignments.value(c) == TCellAlign::Left);
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
    // "History" is a name a spreadsheet keeps for itself.
    if (wanted.simplified().compare(QStringLiteral("History"), Qt::CaseInsensitive) == 0)
        taken << wanted.simplified();
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
