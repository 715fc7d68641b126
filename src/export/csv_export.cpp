#include "export/csv_export.h"

#include "base/language.h"
#include "base/preferences.h"
#include "export/html_export.h"
#include "render/table_layout.h"
#include "standings/column_catalog.h"
#include "standings/outlook.h"
#include "standings/outlook_marks.h"
#include "standings/statistics.h"
#include "standings/tournament_setup.h"

#include <algorithm>

namespace kv {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

QStringList CsvSeparatorLabels() {
    return LangText(
               11905,
               "Comma (,)\r\nSemicolon (;)\r\nTab character (        )\r\nSpace ( )\r\nOther...")
        .split(QStringLiteral("\r\n"));
}

QChar CsvSeparatorFor(int index, const QString& other) {
    switch (index) {
    case 0:
        return QLatin1Char(',');
    case 1:
        return QLatin1Char(';');
    case 2:
        return QLatin1Char('\t');
    case 3:
        return QLatin1Char(' ');
    default:
        return other.isEmpty() ? QLatin1Char(',') : other.at(0);
    }
}

QStringList CsvQuoteLabels() {
    return LangText(11903, "No quotes\r\nDouble quotes ( \" )\r\nSingle quotes ( ' )")
        .split(QStringLiteral("\r\n"));
}

QString CsvQuoteFor(int index) {
    if (index == 1) return QStringLiteral("\"");
    if (index == 2) return QStringLiteral("'");
    return QString();
}

namespace {

// A text that a spreadsheet would take for a formula ("=HYPERLINK(...)", "+cmd", "@SUM") gets
// an apostrophe in front, as a spreadsheet user types it to keep a text a text. Numbers and
// scores ("-3", "+2", "-:-") stay as they are.
QString Inert(const QString& text) {
    if (text.isEmpty()) return text;
    const QChar c = text.front();
    bool formula = c == QLatin1Char('=') || c == QLatin1Char('@') || c == QLatin1Char('\t') ||
                   c == QLatin1Char('\r');
    if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
        // Numbers, differences and scores (a forfeit is "+:-" with the chosen separator) are
        // digits and signs; anything else after a sign could be a formula.
        const QChar separator = PrefScoreSepChar();
        formula = std::any_of(text.begin(), text.end(), [&](QChar x) {
            return !x.isDigit() && !QStringLiteral("+-.,: ").contains(x) && x != separator;
        });
    }
    return formula ? QLatin1Char('\'') + text : text;
}

} // namespace

QString CsvField(const QString& text, const QString& quote) {
    const QString inert = Inert(text);
    // Without quotes a line break would start a new row: it goes out as a space.
    if (quote.isEmpty())
        return QString(inert)
            .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
            .replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
    return quote + QString(inert).replace(quote, quote + quote) + quote;
}

void WriteGroupCsv(const TTournament& t, const TGroup& g, QChar separator, const QString& quote,
                   QStringList& lines) {
    const TTableView& v = t.View;
    const QString s(separator);
    const auto field = [&](const QString& text) { return s + CsvField(text, quote); };
    const QString empty = field(QString());
    const int n = g.TeamCount();
    const std::vector<TStandingsSection> sections = ShownSections(v);
    // The mark of a decided place or band comes last, so that the other fields keep their places.
    const bool marks = OutlookAvailable(t);
    if (v.HStandings || v.AStandings) {
        QString row = CsvField(QString(), quote) + empty;
        if (v.Results)
            for (int i = 0; i < n; ++i)
                row += empty;
        for (const TStandingsSection& sec : sections)
            for (size_t c = 0; c < t.Columns.size(); ++c)
                row += c == 0 ? field(sec.Word) : empty;
        if (marks) row += empty;
        lines << row;
    }
    QString header = CsvField(LangText(5000, "No"), quote) + field(g.Name);
    if (v.Results)
        for (int i = 1; i <= n; ++i)
            header += field(QString::number(i));
    for (size_t section = 0; section < sections.size(); ++section)
        for (const TTableColumn& c : t.Columns)
            header += field(ColumnCaption(c.Id, t));
    if (marks) header += field(LangText(5910, "Mark"));
    lines << header;
    const int rows = v.Results ? RowsPerTeam(t, g) : 1;
    const TScoreTexts texts = TScoreTexts::Current();
    const TGridCells cells(g);
    const auto& teams = g.Teams();
    for (int i = 1; i <= n * rows; ++i) {
        const int d = (i - 1) / rows;
        const int k = i - d * rows;
        const TTeam& team = *teams[static_cast<size_t>(d)];
        QString line = k == 1 ? CsvField(QString::number(d + 1), quote) +
                                    field(TeamDisplayName(t, g, team, d + 1))
                              : CsvField(QString(), quote) + empty;
        if (v.Results) {
            for (const TTeam* other : teams) {
                QString text;
                if (other != &team) {
                    const TMatch* m = cells.At(team.Id, other->Id, k);
                    if (m && MatchCounts(t, *m))
                        text = m->GetScoreText(m->HomeTeamId == team.Id, t.Overtime, texts);
                }
                line += field(text);
            }
        }
        for (const TStandingsSection& sec : sections)
            for (const TTableColumn& c : t.Columns)
                line += k == 1 ? field(ColumnText(t, team, c.Id, sec.Scope)) : empty;
        if (marks) line += k == 1 ? field(TeamMark(g, team)) : empty;
        lines << line;
    }
}

QString TablesCsv(const TTournament& t, QChar separator, const std::vector<int>& tableIds,
                  const QString& quote) {
    QStringList lines;
    bool first = true;
    for (const TGroup* g : TablesForExport(t, tableIds)) {
        if (!first) lines << QString();
        first = false;
        PrepareTable(t, *g);
        WriteGroupCsv(t, *g, separator, quote, lines);
    }
    return lines.isEmpty() ? QString() : lines.join(kLineEnd) + kLineEnd;
}

TIoResult WriteTablesCsv(const TTournament& t, const QString& fileName, QChar separator,
                         const std::vector<int>& tableIds, const QString& quote) {
    return WriteFileAtomic(fileName, TablesCsv(t, separator, tableIds, quote).toUtf8());
}

QString GridCsv(const TGridData& grid, QChar separator, const QString& quote) {
    QStringList lines;
    const auto line = [&](const QStringList& cells) {
        QStringList fields;
        for (const QString& c : cells)
            fields << CsvField(c, quote);
        return fields.join(separator);
    };
    lines << line(grid.Captions);
    for (int r = 0; r < grid.Rows.size(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.ColumnCount(); ++c)
            cells << grid.Cell(r, c);
        lines << line(cells);
    }
    return lines.join(kLineEnd) + kLineEnd;
}

TIoResult WriteGridCsv(const TGridData& grid, const QString& fileName, QChar separator,
                       const QString& quote) {
    return WriteFileAtomic(fileName, GridCsv(grid, separator, quote).toUtf8());
}

QString CopyGridAsText(const TGridData& grid, const std::vector<int>& rows,
                       const std::vector<int>& columns) {
    std::vector<int> cols = columns;
    if (cols.empty())
        for (int c = 0; c < grid.ColumnCount(); ++c)
            cols.push_back(c);
    std::vector<int> rws = rows;
    if (rws.empty())
        for (int r = 0; r < grid.Rows.size(); ++r)
            rws.push_back(r);
    QStringList lines;
    QStringList captions;
    for (const int c : cols)
        captions << grid.Captions.value(c);
    lines << captions.join(QLatin1Char('\t'));
    for (const int r : rws) {
        QStringList cells;
        for (const int c : cols)
            cells << grid.Cell(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace kv
