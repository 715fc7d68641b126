#pragma once

#include "model/tournament.h"
#include "storage/tournament_list.h"

#include <vector>

// Which commands of the main window and of a tournament window are available, from their state
// alone.
namespace kv {

struct TMainState {
    bool ListShown = true;
    const TListNode* Selected = nullptr;         // the current entry
    std::vector<const TListNode*> SelectedNodes; // every selected entry
    bool LastSearchFound = false;
    bool HasTournamentWindow = false;
};

struct TMainCommands {
    bool NewTournament = false;
    bool NewFolder = false;
    bool AddExisting = false;
    bool Rename = false;
    bool Delete = false;
    bool Remove = false;
    bool Find = false;
    bool FindNext = false;
    bool Print = false;
    bool WindowCommands = false; // save, close, pages, views, alignment, table choice
};

TMainCommands MainCommandsFor(const TMainState& s);

// A tournament window's commands: the view switches and the table choice only on the tables
// page, the alignments there too and only with more than one table to align, "Conferences"
// only with conferences, saving only while modified.
struct TTournamentCommands {
    bool Save = false;
    bool Views = false;
    bool TableChoice[3] = {false, false, false}; // joint, groups or divisions, conferences
    bool Alignment = false;
};
TTournamentCommands TournamentCommandsFor(const TTournament& t, int page, bool modified);

// The fixture list's commands: those acting on rows need the list shown with a row at least,
// copying needs a selection too; adding fixtures needs two teams.
struct TFixtureCommands {
    bool Rows = false; // edit, delete, the double-click choice
    bool Copy = false;
    bool SelectAll = false;
    bool Columns = false;
    bool Add = false;
};
TFixtureCommands FixtureCommandsFor(const TTournament& t, int page, int rows, int selectedRows);

} // namespace kv
