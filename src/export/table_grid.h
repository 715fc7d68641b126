#pragma once

#include "base/fileio.h"
#include "export/grid_data.h"

#include <functional>
#include <vector>

// The standings tables as list grids, for the exports that want cells rather than a
// picture: a spreadsheet of the tables, each on its own sheet.
namespace kv {

class TGroup;
class TTournament;

// A table's standings as it shows them: "No", the table's name over the teams, then the
// standings columns of each shown section (captions led by the section's word when there are
// several). Cells that show a number carry it, so that a spreadsheet sorts and sums them.
TGridData TableGrid(const TTournament& t, const TGroup& g);

// A table's standings as plain text for a fixed-width font (an e-mail, a chat): the table's
// grid with each column as wide as its widest cell, numbers right-aligned, the team names
// left-aligned, lines ending in a line feed.
QString TableText(const TTournament& t, const TGroup& g);

// A name a spreadsheet takes for a sheet: at most 31 characters, none of \ / ? * [ ] :, not
// empty and not one of `taken` (ignoring case), which it joins.
QString SheetName(const QString& wanted, QStringList& taken);

struct TXlsxSheet;
// The chosen tables (ids as the tables chooser gives them) as sheets named after them; the
// names join `taken`.
std::vector<TXlsxSheet> TableSheets(const TTournament& t, const std::vector<int>& tableIds,
                                    QStringList& taken);
// The chosen tables, each on its own sheet.
TIoResult ExportTablesToXlsx(const QString& fileName, const TTournament& t,
                             const std::vector<int>& tableIds,
                             const std::function<void(int)>& progress = {});

} // namespace kv
