#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The small named files a user keeps beside the program: sort schemes ("SORTSEQS/"), column
// sets, table styles and place styles ("STYLES/"). Each file is named after what it holds.
namespace kv {

// ---- names shared by every kind

// Refusal of a name for a file ("A file name cannot contain characters: ..."); empty when fine.
QString CheckFileName(const QString& name);
// The names (without extension) of the files with this extension in the folder, sorted.
QStringList NamedFiles(const QString& folder, const QString& extension);
// Deletes a named file, into the desktop trash when the RecycleBin preference is on; when no
// trash can be had, `deleteForGood` is asked. Whether the file is gone.
bool DeleteNamedFile(const QString& path, const std::function<bool(const QString&)>& deleteForGood);

// ---- sort schemes: one line per criterion, "column scope"

QString SortSchemeExtension(int sport);
QString SortSchemePath(const QString& name, int sport);
TIoResult SaveSortScheme(const QString& path, const std::vector<TSortColumn>& criteria);
// Criteria in the file order; lines naming a criterion the sport does not offer are skipped;
// direction and name come from the column.
TIoResult LoadSortScheme(const QString& path, int sport, std::vector<TSortColumn>& criteria,
                         bool overtime = false);
TIoResult ParseSortScheme(const QByteArray& bytes, int sport, std::vector<TSortColumn>& criteria,
                          bool overtime = false);

// ---- column sets: one line of column ids

QString ColumnSetExtension(int sport);
QString ColumnSetPath(const QString& name, int sport);
// The names of the sport's column sets, sorted.
QStringList ColumnSetNames(int sport);
TIoResult SaveColumnSet(const QString& path, const std::vector<int>& columns);
// The shown and spare lists a set gives for the tournament: the file's applicable ids in order
// (no repeats), then every other applicable id. Existing columns keep their widths.
TIoResult LoadColumnSet(const QString& path, const TTournament& t, std::vector<TTableColumn>& shown,
                        std::vector<TTableColumn>& spare);
TIoResult ParseColumnSet(const QByteArray& bytes, const TTournament& t,
                         std::vector<TTableColumn>& shown, std::vector<TTableColumn>& spare);
// Shows the set's columns; a sort by a column no longer shown goes back to the tournament's
// format criteria (home and away, descending). The tables must be ranked again after it.
TIoResult ApplyColumnSet(TTournament& t, const QString& path);

// ---- table styles (".tfc") and place styles (".pfc")

QString TableStylePath(const QString& name);
// CSV import schemes (".impf"), kept with the styles.
QString ImportSchemePath(const QString& name);
QString PlaceStylePath(const QString& name);
QByteArray TableStyleBytes(const TGroupStyle& style);
TIoResult SaveTableStyle(const QString& path, const TGroupStyle& style);
// Reads into `style`; what was read before an error stays ("Error opening style").
TIoResult LoadTableStyle(const QString& path, TGroupStyle& style);
TIoResult ParseTableStyle(const QByteArray& bytes, TGroupStyle& style);
QByteArray PlaceStyleBytes(const std::vector<TPlaceFont>& places);
TIoResult SavePlaceStyle(const QString& path, const std::vector<TPlaceFont>& places);
TIoResult LoadPlaceStyle(const QString& path, std::vector<TPlaceFont>& places);
TIoResult ParsePlaceStyle(const QByteArray& bytes, std::vector<TPlaceFont>& places);
// Gives place i of the style to every table that has more than i places.
void ApplyPlaceStyle(const std::vector<TPlaceFont>& places, const std::vector<TGroup*>& tables);

} // namespace kv
