#pragma once

#include "args.h"
#include "export/csv_import.h"
#include "model/tournament.h"

#include <QJsonArray>
#include <QString>
#include <QStringList>

#include <chrono>

#include <memory>
#include <optional>
#include <vector>

namespace kvcli {

// Loads a tournament file; on failure prints the program's message and returns null.
std::unique_ptr<kv::TTournament> LoadOrReport(const QString& path, const QString& command);

// The tables named by a --table value: "joint", "group:ID", "conference:ID", "all" (every
// table), or empty for the tables the tournament shows. False with a message when unknown.
bool SelectTables(const kv::TTournament& t, const QString& spec,
                  std::vector<const kv::TGroup*>& tables, QString& error);

// One table, by its name or by a selector of SelectTables; null with a message when there is
// no such table or the selector names several.
const kv::TGroup* FindOneTable(const kv::TTournament& t, const QString& spec, QString& error);
kv::TGroup* FindOneTable(kv::TTournament& t, const QString& spec, QString& error);

// The possible places worked out for the tables an export writes; a search that goes on for
// longer than `limit` leaves the places it has not found blank, so an export always ends.
void UpdateOutlookWithin(const kv::TTournament& t, std::chrono::milliseconds limit);

// A scope named "overall", "home" or "away"; 0 when unknown.
int ScopeFromName(const QString& name);

// Gives the process a private runtime folder when the session has none, so the toolkit
// does not warn about it on every run.
void EnsureRuntimeDir();

// The column kinds of --columns (no, leg, matchday, date, ... or - for none); false with the
// unknown name.
bool ParseImportKinds(const QString& list, std::vector<int>& kinds, QString& error);
// A --separator value: one character, or "tab".
bool ParseSeparator(const QString& value, QChar& separator, QString& error);
// Each failed row with its number in the file (the first `firstRow` rows were headings), then
// "N added, M failed".
void ReportImport(const std::vector<kv::TImportRow>& rows, const kv::TImportCounts& counts,
                  int firstRow);

// A field of a command's CSV output: quoted only when it holds a comma, a quote or a line end.
QString CsvCell(const QString& s);
// A command's tables: the JSON list when `format` is "json", else the lines of text.
void PrintTablesOutput(const QString& format, const QJsonArray& json, const QStringList& text);

// Prints a usage error with the command's help text.
int UsageError(const char* command, const QString& message, const char* usage);

// The opening every command shares: --help prints the usage and ends well; a malformed line,
// or a count of plain arguments other than `positional` (-1: left to the command), ends with
// a usage error saying `expected`. Nothing when the command goes on.
std::optional<int> OpenCommand(const TArgs& a, const char* command, const char* usage,
                               int positional = -1, const char* expected = "");

} // namespace kvcli
