#pragma once

#include "export/csv_import.h"
#include "export/csv_reader.h"

#include <QStringList>

#include <vector>

// A tournament made from a file of results: what each column holds, guessed from the headings;
// the teams of the home and visitor columns; and the legs the file implies.
namespace kv {

struct TGuessedColumns {
    std::vector<int> Kinds; // per column, ImportNone where nothing was recognised
    bool Header = false;    // the first record names the columns (home and visitor found)
};
// The kinds of the columns from the first record's headings ("Home", "Team 1", "Away",
// "Visitor", "Team 2", "FT", "Score", "Result", "Date", "Round", "Matchday", "Time",
// "Venue", "Referee", "Attendance", ..., in English and in the chosen language).
TGuessedColumns GuessImportColumns(const TCsvRecords& records);

// The separator a delimited file most likely uses: the one of ',', ';', tab and '|' that
// splits its first lines into the same number of fields, more than one.
QChar GuessSeparator(const QString& text);

struct TResultsTeams {
    QStringList Teams; // in the order they first appear
    int Legs = 0;      // the most matches a pair of teams has in the file, at least 1
    QString Problem;   // why no tournament can be made of the file; empty when one can
};
// The name of the one group a tournament from a file of results gets.
QString ResultsGroupName();

// The teams and legs of the rows (the heading row, when there is one, left out). At most
// `maxLegs` legs and kMaxTeams teams; each row needs two different teams.
TResultsTeams TeamsOfResults(const std::vector<TImportRow>& rows, const std::vector<int>& kinds,
                             int maxLegs);

// A file of results as read for a new tournament: its records, the separator (guessed unless
// given) and the columns guessed from its headings.
struct TResultsFile {
    TCsvRecords Records;
    QChar Separator;
    TGuessedColumns Columns;
    QString Problem; // the file cannot be read, or holds nothing
};
TResultsFile ReadResultsFile(const QString& path, QChar separator = QChar());

// What the first different dates of the date column read as with `format` (empty: the forms
// recognised by themselves), "13 Aug 2011 -> Saturday, 13 August 2011; ...", led by a warning when
// every date could be day first or month first. Empty without a date column.
QString DatesPreview(const std::vector<TImportRow>& rows, const std::vector<int>& kinds,
                     const QString& format);

} // namespace kv
