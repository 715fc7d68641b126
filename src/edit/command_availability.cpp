#include "edit/command_availability.h"

#include <algorithm>

namespace kv {

TMainCommands MainCommandsFor(const TMainState& s) {
    TMainCommands c;
    c.NewTournament = s.ListShown && s.Selected;
    c.AddExisting = c.NewTournament;
    c.NewFolder = s.ListShown && c.NewTournament;
    c.Rename = s.ListShown && s.Selected && s.Selected->Parent;
    c.Delete = c.Rename;
    c.Remove =
        s.ListShown && std::any_of(s.SelectedNodes.begin(), s.SelectedNodes.end(),
                                   [](const TListNode* n) { return n && n->IsTournament(); });
    c.Find = s.ListShown;
    c.FindNext = c.Find && s.LastSearchFound;
    c.Print = s.HasTournamentWindow;
    c.WindowCommands = s.HasTournamentWindow;
    return c;
}

TTournamentCommands TournamentCommandsFor(const TTournament& t, int page, bool modified) {
    TTournamentCommands c;
    const bool tables = page == 0;
    c.Save = modified;
    c.Views = tables;
    c.TableChoice[TableModeJoint] = tables;
    c.TableChoice[TableModeGroups] = tables;
    c.TableChoice[TableModeConferences] = tables && t.HasConferences();
    c.Alignment = tables && (t.Groups().size() > 1 || t.Conferences().size() > 1);
    return c;
}

TFixtureCommands FixtureCommandsFor(const TTournament& t, int page, int rows, int selectedRows) {
    TFixtureCommands c;
    const bool list = page == 1;
    c.Rows = list && rows > 0;
    c.Copy = c.Rows && selectedRows > 0;
    c.SelectAll = c.Rows;
    c.Columns = list;
    c.Add = t.JointTable().Teams().size() >= 2;
    return c;
}

} // namespace kv
