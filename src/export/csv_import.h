#pragma once

#include "export/csv_reader.h"
#include "model/tournament.h"

#include <QString>

#include <functional>
#include <vector>

// Importing fixtures and results from delimited text, row by row: each row gets a status and
// a message, and the counters say how many fixtures were added and how many failed.
namespace kv {

// What a column holds; the numbers are the fixture list's column ids.
enum TImportKind : int {
    ImportNone = -1,
    ImportNumber = 1,
    ImportLeg = 2,
    ImportMatchday = 3,
    ImportDate = 4,
    ImportTime = 5,
    ImportHome = 6,
    ImportVisitor = 7,
    ImportScore = 8,
    ImportGoalsFor = 9,
    ImportGoalsAgainst = 10,
    ImportStadium = 11,
    ImportAttendance = 12,
    ImportReferee = 13,
    ImportComments = 14,
    // Beyond the fixture list's columns: how the match was decided, and who forfeited it.
    ImportDecided = 15,
    ImportForfeit = 16,
};
inline constexpr int kLastImportKind = ImportForfeit;

// How a match was decided, from a cell: 0 normal time, 1 overtime, 2 shoot-outs. Takes the
// sport's words and abbreviations and the usual ones ("OT", "AET", "ET", "SO", "PSO", "pens",
// "FT"); case and dots do not matter. False when the text names none; an empty cell is normal.
bool ParseDecidedIn(const QString& cell, int sport, int& decided);
// Who forfeited, from a cell: 1 the home team ("home", "h"), 2 the visitor ("visitor",
// "away", "v", "a"), 0 an empty cell. False for anything else.
bool ParseForfeit(const QString& cell, int& forfeit);

// The caption of a kind (the fixture list's column caption); empty for none.
QString ImportKindCaption(int kind, bool conferences = false);

enum class TRowStatus { NotImported, Imported, Failed };

struct TImportRow {
    QStringList Cells;
    bool Selected = false;
    TRowStatus Status = TRowStatus::NotImported;
    QString Message;
};

struct TImportOptions {
    std::vector<int> Kinds; // per column
    bool SelectedOnly = false;
    bool AddStadiums = false;        // only while a column holds stadiums
    bool AssignHomeStadiums = false; // only while no column holds stadiums
    bool AddReferees = false;        // only while a column holds referees
    QString DateFormat;              // empty: the locale's formats and the common written ones
    int AddTeamsToGroup = -1;        // a group's id: teams the tournament lacks join it
};

struct TImportCounts {
    int Added = 0;
    int Failed = 0;
    int TeamsAdded = 0;
};

// The checks before importing; empty when the columns allow an import.
QString CheckImportColumns(const std::vector<TImportRow>& rows, const std::vector<int>& kinds);

// Imports the rows in order. Rows already imported are skipped; a failed row never stops the
// run. `progress` (optional) receives the percentage handled.
TImportCounts ImportRows(TTournament& t, std::vector<TImportRow>& rows,
                         const TImportOptions& options,
                         const std::function<void(int)>& progress = {});

std::vector<TImportRow> RowsFromRecords(const TCsvRecords& records);

// Import schemes (".impf" in the styles folder): the kind of every column in order.
bool SaveImportScheme(const QString& path, const std::vector<int>& kinds, QString& error);
// Reads kinds until the end of the file or until `columns` are read; false with "Error
// opening scheme" when the file cannot be read (kinds read so far are returned).
bool LoadImportScheme(const QString& path, int columns, std::vector<int>& kinds, QString& error);
bool ParseImportScheme(const QByteArray& bytes, int columns, std::vector<int>& kinds,
                       QString& error);

} // namespace kv
