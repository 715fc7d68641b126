#include "storage/list_commands.h"

#include <algorithm>

namespace kv {

TMainCommands MainCommandsFor(const TMainState& s) {
    TMainCommands c;
    c.NewTournament = s.ListShown && s.Selected;
    c.AddExisting = c.NewTournament;
    c.NewFolder = s.ListShown && c.NewTournament;
    c.Rename = s.ListShown && s.Selected && s.Selected->Parent;
    c.Delete = c.Rename;
    c.Remove = s.ListShown && std::any_of(s.SelectedNodes.begin(), s.SelectedNodes.end(),
                                          [](const TListNode* n) { return n && n->IsTournament(); });
    c.Find = s.ListShown;
    c.FindNext = c.Find && s.LastSearchFound;
    c.Print = s.HasTournamentWindow;
    c.WindowCommands = s.HasTournamentWindow;
    return c;
}

} // namespace kv
