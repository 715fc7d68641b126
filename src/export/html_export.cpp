#include "export/html_export.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "render/table_layout.h"
#include "standings/column_catalog.h"
#include "standings/outlook_marks.h"
#include "standings/statistics.h"
#include "standings/tournament_setup.h"

#include <QStringEncoder>

namespace kv {

namespace {

struct TEncoding {
    const char* Label;
    const char* Charset;
};

constexpr TEncoding kEncodings[] = {
    {"Western (Latin1)", "iso-8859-1"},
    {"Japanese (Shift JIS)", "Shift_JIS"},
    {"Japanese (JIS)", "iso-2022-jp"},
    {"Japanese (EUC)", "EUC-JP"},
    {"Traditional Chinese (Big5)", "big5"},
    {"Simplified Chinese (GB2312)", "gb2312"},
    {"Korean (EUC-KR)", "euc-kr"},
    {"Central European (ISO-8859-2)", "iso-8859-2"},
    {"Central European (MacCE)", "x-mac-ce"},
    {"Central European (Windows-1250)", "windows-1250"},
    {"Cyrillic (Windows-1251)", "windows-1251"},
    {"Greek (ISO-8859-7)", "iso-8859-7"},
    {"Greek (MacGreek)", "x-mac-greek"},
    {"Greek (Windows-1253)", "windows-1253"},
    {"Icelandic Mac (ISO-8859-1)", "iso-8859-1"},
    {"Windows 1252", "windows-1252"},
};

QString Td(const QString& attrs, const QString& text) {
    return QStringLiteral("<td%1>%2</td>").arg(attrs, text);
}

// A font name as it may stand in a style sheet: letters, digits, blanks, hyphens, underscores
// and dots. Whatever else a file names (braces, angle brackets, quotes, semicolons) could end
// the rule or the style block, so it is left out.
QString CssFontFamily(const QString& name) {
    QString family;
    family.reserve(name.size());
    for (const QChar ch : name)
        if (ch.isLetterOrNumber() || ch == QLatin1Char(' ') || ch == QLatin1Char('-') ||
            ch == QLatin1Char('_') || ch == QLatin1Char('.'))
            family += ch;
    return family.trimmed();
}

} // namespace

QString HtmlCharset(const QString& encodingLabel) {
    for (const TEncoding& e : kEncodings)
        if (encodingLabel == QLatin1String(e.Label)) return QString::fromLatin1(e.Charset);
    return encodingLabel.trimmed();
}

QStringList HtmlEncodingLabels() {
    QStringList labels;
    for (const TEncoding& e : kEncodings)
        labels << QString::fromLatin1(e.Label);
    return labels;
}

QString HtmlColor(TColor c) {
    return QStringLiteral("#%1").arg(ColorToRgb(c), 6, 16, QLatin1Char('0')).toUpper();
}

QString HtmlEscape(const QString& text) {
    return text.toHtmlEscaped();
}

namespace {

// The start of a document up to its title: the document type the tables' markup (font
// elements, align attributes) belongs to, the character set its bytes are in, and a viewport
// so that a phone shows the tables at their size rather than shrunk to a column. Without a
// charset the bytes are plain ASCII (every other character a numeric entity).
QStringList DocumentHead(const QString& charset) {
    const QString declared =
        charset.trimmed().isEmpty() ? QStringLiteral("us-ascii") : charset.trimmed();
    return {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                       "\"http://www.w3.org/TR/html4/loose.dtd\">"),
        QStringLiteral("<html>"), QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\">")
            .arg(HtmlEscape(declared)),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")};
}

} // namespace

QString CssRule(const QString& selector, bool withBackground, bool withFont, TCssAlign alignment,
                const TFontData& font, TColor background, bool withAlignment) {
    if (!withBackground && !withFont && !withAlignment) return QString();
    QString rule = selector + QLatin1Char('{');
    if (withAlignment) {
        const char* align = alignment == TCssAlign::Right
                                ? "right"
                                : (alignment == TCssAlign::Center ? "center" : "left");
        rule += QStringLiteral(" text-align:%1;").arg(QLatin1String(align));
    }
    if (withBackground) rule += QStringLiteral(" background-color:%1;").arg(HtmlColor(background));
    if (withFont) {
        rule += QStringLiteral(" font-family: %1; font-size: %2pt; color:%3;")
                    .arg(CssFontFamily(font.Name))
                    .arg(font.Size)
                    .arg(HtmlColor(font.Color));
        if (font.Bold) rule += QStringLiteral(" font-weight: bold;");
        if (font.Italic) rule += QStringLiteral(" font-style: italic;");
        if (font.Underline || font.StrikeOut) {
            rule += QStringLiteral(" text-decoration:");
            if (font.Underline) rule += QStringLiteral(" underline");
            if (font.StrikeOut) rule += QStringLiteral(" line-through");
        }
    }
    return rule + QLatin1Char('}');
}

void WriteGroupHtml(const TTournament& t, const TGroup& g, const QString& tableAttr,
                    QStringList& lines, QStringList& css) {
    const int id = g.Id;
    const TTableView& v = t.View;
    const TTableDimensions& d = t.Dimensions;
    const TGroupStyle& style = g.Style;
    css.clear();
    css << CssRule(QStringLiteral(".clsTable_%1").arg(id), style.HasBGColor, true,
                   TCssAlign::Center, style.Font, style.BGColor);
    css << CssRule(QStringLiteral(".clsHead_%1").arg(id), style.HasHeaderBGColor,
                   style.HasHeaderFont, TCssAlign::Center, style.HeaderFont, style.HeaderBGColor);
    lines << QStringLiteral("<table class=\"clsTable_%1\" %2>").arg(id).arg(tableAttr);
    const bool two = v.HStandings || v.AStandings;
    const QString rs = two ? QStringLiteral(" rowspan=\"2\"") : QString();
    const QString head = QStringLiteral("clsHead_%1").arg(id);
    const int n = g.TeamCount();
    std::vector<int> widths;
    for (const TTableColumn& c : t.Columns)
        widths.push_back(ToPixels(c.Width, d.Units));
    lines << QStringLiteral("<tr%1>").arg(
        style.HasHeaderBGColor
            ? QStringLiteral(" bgcolor=\"%1\"").arg(HtmlColor(style.HeaderBGColor))
            : QString());
    lines << QStringLiteral("<td class=\"%1\"%2 width=\"%3\">%4</td>")
                 .arg(head, rs)
                 .arg(d.PlaceWidthPx())
                 .arg(HtmlEscape(LangText(5000, "No")));
    lines << QStringLiteral("<td class=\"%1\"%2 width=\"%3\">%4</td>")
                 .arg(head, rs)
                 .arg(d.TeamWidthPx())
                 .arg(HtmlEscape(g.Name));
    if (v.Results)
        for (int i = 1; i <= n; ++i)
            lines << QStringLiteral("<td class=\"%1\"%2 width=\"%3\">%4</td>")
                         .arg(head, rs)
                         .arg(d.ScoreWidthPx())
                         .arg(i);
    const std::vector<TStandingsSection> sections = ShownSections(v);
    const QString captionCell = QStringLiteral("<td class=\"%1\" width=\"%2\">%3</td>");
    if (two) {
        for (const TStandingsSection& s : sections)
            lines << QStringLiteral("<td class=\"%1\" colspan=\"%2\">%3</td>")
                         .arg(head)
                         .arg(t.Columns.size())
                         .arg(HtmlEscape(s.Word));
    } else if (v.Standings) {
        for (size_t i = 0; i < t.Columns.size(); ++i)
            lines << captionCell.arg(head).arg(widths[i]).arg(
                HtmlEscape(ColumnCaption(t.Columns[i].Id, t)));
    }
    lines << QStringLiteral("</tr>");
    if (two) {
        lines << QStringLiteral("<tr>");
        for (size_t section = 0; section < sections.size(); ++section)
            for (size_t i = 0; i < t.Columns.size(); ++i)
                lines << captionCell.arg(head).arg(widths[i]).arg(
                    HtmlEscape(ColumnCaption(t.Columns[i].Id, t)));
        lines << QStringLiteral("</tr>");
    }
    const int rows = v.Results ? RowsPerTeam(t, g) : 1;
    const QString rsT = rows >= 2 ? QStringLiteral(" rowspan=\"%1\"").arg(rows) : QString();
    const bool hostFirst = PrefHostFirst();
    const TScoreTexts texts = TScoreTexts::Current();
    const TGridCells cells(g);
    const auto& teams = g.Teams();
    for (int p = 1; p <= n; ++p) {
        const TTeam& team = *teams[static_cast<size_t>(p - 1)];
        QString cls;
        TColor background = 0;
        const bool hasBackground = RowBackground(g, team, p, background);
        const bool hasFont =
            team.SeparateFont || (p <= static_cast<int>(g.PlaceFonts.size()) &&
                                  g.PlaceFonts[static_cast<size_t>(p - 1)].HasFont);
        if (hasBackground || hasFont) {
            css << CssRule(QStringLiteral(".clsTeam_%1").arg(team.Id), hasBackground, hasFont,
                           TCssAlign::Center, RowFont(g, team, p), background);
            cls = QStringLiteral(" class=\"clsTeam_%1\"").arg(team.Id);
        }
        for (int k = 1; k <= rows; ++k) {
            lines << QStringLiteral("<tr>");
            if (k == 1) {
                lines << Td(rsT + cls, QString::number(p));
                QString name = HtmlEscape(TeamDisplayName(t, g, team, p));
                if (const QString mark = TeamMark(g, team); !mark.isEmpty())
                    name += QStringLiteral(" <b>(%1)</b>").arg(HtmlEscape(mark));
                lines << Td(rsT + cls, QStringLiteral("<div align=\"left\">%1</div>").arg(name));
            }
            if (v.Results) {
                for (const TTeam* other : teams) {
                    if (other == &team) {
                        if (k == 1)
                            lines << QStringLiteral("<td%1 bgcolor=%2>&nbsp;</td>")
                                         .arg(rsT, HtmlColor(style.BorderColor));
                        continue;
                    }
                    const TMatch* m = cells.At(team.Id, other->Id, k);
                    QString text = QStringLiteral("&nbsp;");
                    if (m && MatchCounts(t, *m)) {
                        const bool home = m->HomeTeamId == team.Id;
                        const bool p1 = home && hostFirst;
                        text = HtmlEscape(m->GetScoreText(p1, true, texts));
                        if (style.HasResultsColors)
                            text = QStringLiteral("<FONT color=\"%1\">%2</FONT>")
                                       .arg(HtmlColor(style.ResultColor(m->GetOutcome(p1))), text);
                    }
                    lines << Td(cls, text);
                }
            }
            if (k == 1)
                for (const TStandingsSection& s : sections)
                    for (const TTableColumn& c : t.Columns)
                        lines << Td(rsT + cls, HtmlEscape(ColumnText(t, team, c.Id, s.Scope)));
            lines << QStringLiteral("</tr>");
        }
    }
    lines << QStringLiteral("</table>");
}

std::vector<const TGroup*> TablesForExport(const TTournament& t, const std::vector<int>& ids) {
    std::vector<const TGroup*> tables;
    switch (t.View.TableMode) {
    case TableModeJoint:
        tables.push_back(t.AllTables().front());
        break;
    case TableModeConferences:
        for (const int id : ids)
            if (const TConference* c = t.ConferenceById(id)) tables.push_back(c->Table());
        break;
    default:
        for (const int id : ids)
            if (const TGroup* g = t.GroupById(id)) tables.push_back(g);
        break;
    }
    return tables;
}

QString TablesHtml(const TTournament& t, const QString& charset, const std::vector<int>& tableIds,
                   const QString& tableAttr) {
    QStringList lines = DocumentHead(charset);
    lines << QStringLiteral("<title>%1</title>").arg(HtmlEscape(t.Name));
    lines << QStringLiteral("<style type=\"text/css\">")
          << QStringLiteral(".clsTitle { text-align:center; font-weight:bold }");
    qsizetype styleEnd = lines.size();
    lines << QStringLiteral("</style>") << QStringLiteral("</head>") << QStringLiteral("<body>");
    lines << QStringLiteral("<p class=\"clsTitle\">%1</p>").arg(HtmlEscape(t.Name));
    for (const TGroup* g : TablesForExport(t, tableIds)) {
        PrepareTable(t, *g);
        QStringList css;
        WriteGroupHtml(t, *g, tableAttr, lines, css);
        for (const QString& rule : css)
            lines.insert(styleEnd++, rule);
        lines << QStringLiteral("<p>");
    }
    lines << QStringLiteral("<p align=\"right\"><font size=\"2\">Powered by <a "
                            "href=\"%1\">Kelvorandine</a></font></p>")
                 .arg(QLatin1String(kProductUrl));
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QByteArray EncodeHtml(const QString& text, const QString& charset) {
    const QString c = charset.trimmed().toLower();
    if (c == QLatin1String("utf-8") || c == QLatin1String("utf8")) return text.toUtf8();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() < 0x80) {
            out += static_cast<char>(ch.unicode());
            continue;
        }
        char32_t code = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(ch, text.at(i + 1));
            ++i;
        }
        out += "&#" + QByteArray::number(static_cast<quint32>(code)) + ';';
    }
    return out;
}

TIoResult WriteTablesHtml(const TTournament& t, const QString& fileName, const QString& charset,
                          const std::vector<int>& tableIds, const QString& tableAttr) {
    return WriteFileAtomic(fileName,
                           EncodeHtml(TablesHtml(t, charset, tableIds, tableAttr), charset));
}

QString GridHtml(const TGridData& grid, const QString& tableAttr, bool withStyle,
                 const QString& title, const QString& charset) {
    return GridHtml(grid, tableAttr, withStyle, QStringList{title}, charset);
}

QString GridHtml(const TGridData& grid, const QString& tableAttr, bool withStyle,
                 const QStringList& titleLines, const QString& charset) {
    QStringList escaped;
    for (const QString& part : titleLines)
        escaped << HtmlEscape(part);
    QStringList lines = DocumentHead(charset);
    lines << QStringLiteral("<title>%1</title>").arg(escaped.join(QStringLiteral(" - ")));
    if (withStyle)
        lines << QStringLiteral("<style type=\"text/css\">")
              << QStringLiteral(".clsTitle { text-align:center; font-weight:bold }")
              << QStringLiteral("</style>");
    lines << QStringLiteral("</head>") << QStringLiteral("<body>");
    lines
        << QStringLiteral("<p class=\"clsTitle\">%1</p>").arg(escaped.join(QStringLiteral("<br>")));
    lines << QStringLiteral("<table %1>").arg(tableAttr);
    const auto align = [&](int column) {
        const TCellAlign a =
            column < grid.Alignments.size() ? grid.Alignments.at(column) : TCellAlign::Left;
        return a == TCellAlign::Right
                   ? QStringLiteral(" align=\"right\"")
                   : (a == TCellAlign::Center ? QStringLiteral(" align=\"center\"") : QString());
    };
    lines << QStringLiteral("<tr>");
    for (int c = 0; c < grid.ColumnCount(); ++c)
        lines << Td(align(c), HtmlEscape(grid.Captions.at(c)));
    lines << QStringLiteral("</tr>");
    for (int r = 0; r < grid.Rows.size(); ++r) {
        lines << QStringLiteral("<tr>");
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            const QString text = grid.Cell(r, c);
            lines << Td(align(c), text.isEmpty() ? QStringLiteral("&nbsp;") : HtmlEscape(text));
        }
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

TIoResult WriteGridHtml(const TGridData& grid, const QString& fileName, const QString& tableAttr,
                        bool withStyle, const QString& title, const QString& charset) {
    return WriteGridHtml(grid, fileName, tableAttr, withStyle, QStringList{title}, charset);
}

TIoResult WriteGridHtml(const TGridData& grid, const QString& fileName, const QString& tableAttr,
                        bool withStyle, const QStringList& titleLines, const QString& charset) {
    return WriteFileAtomic(
        fileName, EncodeHtml(GridHtml(grid, tableAttr, withStyle, titleLines, charset), charset));
}

} // namespace kv
