#pragma once

#include "base/fileio.h"
#include "edit/dimensions_edit.h"
#include "edit/format_edit.h"
#include "edit/match_edit.h"
#include "edit/team_edit.h"
#include "edit/tournament_document.h"
#include "export/csv_import.h"
#include "model/appearance_edit.h"
#include "model/people_editor.h"
#include "standings/fixture_rules.h"
#include "standings/schedule.h"
#include "standings/structure_tree.h"

#include <functional>
#include <vector>

// Every edit of an open tournament, one function each: each names its undo step, says what it
// changes and carries it out as one step of the document. Windows call these and nothing else
// to change a tournament.
namespace kv::edit {

// The tables' order and looks.
// Sorts by a criterion, named as the user chose it ("Sort by Goal Difference").
void SetSort(TTournamentDocument& doc, const TSortState& sort, const QString& criterion);
void SetSortDescending(TTournamentDocument& doc, bool descending);
// Back from a heading's sort to the tournament's own order.
void RestoreTournamentOrder(TTournamentDocument& doc);
void RenameTable(TTournamentDocument& doc, const TGroup& table, const QString& title);
void SetView(TTournamentDocument& doc, const TTableView& view);
// The visible columns, chosen as the set `columnSet` (empty: none). Empty when taken, else why
// they were refused.
QString SetVisibleColumns(TTournamentDocument& doc, const std::vector<int>& ids,
                          const QString& columnSet);
// The columns of a stored column set.
TIoResult ApplyColumnSet(TTournamentDocument& doc, const QString& name, const QString& path);
// The order of a table's level teams (empty: none).
void SetTieOrder(TTournamentDocument& doc, const TGroup& table, const std::vector<int>& order);
void SetAppearance(TTournamentDocument& doc, const TAppearance& appearance);
void SetDimensions(TTournamentDocument& doc, const TDimensionsEdit& dimensions);

// The filter of the tables and fixtures: its kind (named as the list names it), or a bound.
void SetFilterKind(TTournamentDocument& doc, int kind, const QString& kindName);
void SetFilterBound(TTournamentDocument& doc, bool from, double value);

// The tournament itself.
void RenameTournament(TTournamentDocument& doc, const QString& name);
void SetTournamentProperties(TTournamentDocument& doc, const QString& name, const QString& notes);
void SetFormat(TTournamentDocument& doc, const TFormatEdit& format);
void SetStructure(TTournamentDocument& doc, const TStructureTree& tree);
void SetTeams(TTournamentDocument& doc, const TTeamEdits& edits);
void SetStadiums(TTournamentDocument& doc, const TPeopleEditor& stadiums);
void SetReferees(TTournamentDocument& doc, const TPeopleEditor& referees);

// The fixture list.
void SetFixtureSort(TTournamentDocument& doc, const TFixtureSort& sort);
void MoveFixtureColumns(TTournamentDocument& doc, const std::vector<int>& order);
void SetFixtureColumns(TTournamentDocument& doc, const std::vector<int>& columns);
// The program's date format changed: the list writes its dates anew (not an undo step).
void FixtureFormatChanged(TTournamentDocument& doc);
void SetMatchday(TTournamentDocument& doc, const std::vector<int>& ids, int matchday);
void SetDate(TTournamentDocument& doc, const std::vector<int>& ids, bool hasDate, double day);
void SetTime(TTournamentDocument& doc, const std::vector<int>& ids, bool hasTime, double time);
void SetStadium(TTournamentDocument& doc, const std::vector<int>& ids, int stadiumId);
void DeleteMatches(TTournamentDocument& doc, const std::vector<int>& ids);

// One match from the score dialog, as its plan says: stored (a new one added, its id then
// known), or taken out when emptied. False when it cannot be stored (gone, or its pair's leg
// taken meanwhile).
bool StoreMatch(TTournamentDocument& doc, const TMatchApplyPlan& plan, const TMatch& match);
void DeleteMatch(TTournamentDocument& doc, int matchId);
// The grid positions or the legs of a pair's matches, in the rows' order (-1: an empty row).
void SetGridPositions(TTournamentDocument& doc, const std::vector<int>& rows);
void SetMatchLegs(TTournamentDocument& doc, const std::vector<int>& rows, int firstTeamId);

TAddFixturesResult AddFixtures(TTournamentDocument& doc, const std::vector<TFixtureRow>& rows,
                               const TAddFixturesOptions& options);
// A round robin of `teams` (empty: each group's own); the number of matches added.
int AddSchedule(TTournamentDocument& doc, const std::vector<int>& teams,
                const TScheduleDates& dates);
TImportCounts ImportFixtures(TTournamentDocument& doc, std::vector<TImportRow>& rows,
                             const TImportOptions& options,
                             const std::function<void(int)>& progress);

} // namespace kv::edit
