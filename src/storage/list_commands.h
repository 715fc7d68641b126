#pragma once

#include "storage/tournament_list.h"

#include <vector>

// Which list and window commands of the main window are available, from its state alone.
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

} // namespace kv
