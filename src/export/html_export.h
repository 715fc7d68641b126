#pragma once

#include "base/fileio.h"
#include "export/grid_data.h"
#include "model/tournament.h"

#include <QString>
#include <QStringList>

#include <vector>

// HTML documents: the standings tables of a tournament with a generated style sheet, and list
// grids (fixtures, statistics). Names and cell texts are escaped, so a team called "<b>" is
// shown as written.
namespace kv {

// The charset an encoding label of the settings dialog stands for; other text is written as it
// is, empty means no charset line.
QString HtmlCharset(const QString& encodingLabel);
QStringList HtmlEncodingLabels();

// "#RRGGBB".
QString HtmlColor(TColor c);
QString HtmlEscape(const QString& text);

enum class TCssAlign { Left, Center, Right };
QString CssRule(const QString& selector, bool withBackground, bool withFont, TCssAlign alignment,
                const TFontData& font, TColor background, bool withAlignment = true);

// Appends one table to the document lines; `css` is cleared and filled with the rules the
// table needs.
void WriteGroupHtml(const TTournament& t, const TGroup& g, const QString& tableAttr,
                    QStringList& lines, QStringList& css);

// The tables document's text: the joint table, or the groups / conference tables with the
// given ids (by the view's table mode), in order.
QString TablesHtml(const TTournament& t, const QString& charset, const std::vector<int>& tableIds,
                   const QString& tableAttr);
TIoResult WriteTablesHtml(const TTournament& t, const QString& fileName, const QString& charset,
                          const std::vector<int>& tableIds, const QString& tableAttr);

QString GridHtml(const TGridData& grid, const QString& tableAttr, bool withStyle,
                 const QString& title, const QString& charset);
TIoResult WriteGridHtml(const TGridData& grid, const QString& fileName, const QString& tableAttr,
                        bool withStyle, const QString& title, const QString& charset);
// A title of several lines (the tournament and a team): each line is escaped on its own and
// the lines are joined by a line break in the page, by " - " in the window title.
QString GridHtml(const TGridData& grid, const QString& tableAttr, bool withStyle,
                 const QStringList& titleLines, const QString& charset);
TIoResult WriteGridHtml(const TGridData& grid, const QString& fileName, const QString& tableAttr,
                        bool withStyle, const QStringList& titleLines, const QString& charset);

// The document's bytes: UTF-8 for a UTF-8 charset, otherwise plain ASCII with every other
// character as a numeric entity, so the text reads right whatever the charset says.
QByteArray EncodeHtml(const QString& text, const QString& charset);

// The tables the tables document offers for the view's table mode, as (id, table).
std::vector<const TGroup*> TablesForExport(const TTournament& t, const std::vector<int>& ids);

inline constexpr const char* kProductUrl = "https://kelvorandine.vantorix.org/";

} // namespace kv
