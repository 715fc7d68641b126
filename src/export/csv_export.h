#pragma once

#include "base/fileio.h"
#include "export/grid_data.h"
#include "model/tournament.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

// Delimited text: the standings tables with the same sections as the HTML tables, list grids,
// and a grid copied as tab-separated text. A quote character inside a quoted field is doubled,
// so the file reads back as written.
namespace kv {

// Separator choices of the options: ",", ";", tab, blank, or the user's own character.
QStringList CsvSeparatorLabels();
QChar CsvSeparatorFor(int index, const QString& other);
// Quoting choices: none, double quotes, single quotes.
QStringList CsvQuoteLabels();
QString CsvQuoteFor(int index);

// One field: quote, text (quotes doubled), quote. A text a spreadsheet would run as a formula
// starts with an apostrophe; without quotes, line breaks become spaces.
QString CsvField(const QString& text, const QString& quote);

void WriteGroupCsv(const TTournament& t, const TGroup& g, QChar separator, const QString& quote,
                   QStringList& lines);
QString TablesCsv(const TTournament& t, QChar separator, const std::vector<int>& tableIds,
                  const QString& quote);
TIoResult WriteTablesCsv(const TTournament& t, const QString& fileName, QChar separator,
                         const std::vector<int>& tableIds, const QString& quote);

QString GridCsv(const TGridData& grid, QChar separator, const QString& quote);
TIoResult WriteGridCsv(const TGridData& grid, const QString& fileName, QChar separator,
                       const QString& quote);

// Captions and rows separated by tabs, no quoting; `rows` and `columns` choose a block
// (empty: all).
QString CopyGridAsText(const TGridData& grid, const std::vector<int>& rows = {},
                       const std::vector<int>& columns = {});

} // namespace kv
