#include "edit/edits.h"

#include "base/language.h"
#include "base/textformat.h"
#include "edit/editor.h"
#include "edit/filter_steps.h"
#include "edit/fixture_edits.h"
#include "export/fixture_rows.h"
#include "standings/tournament_setup.h"
#include "storage/named_files.h"

namespace kv::edit {

namespace {

// A step named after a command's text, without its access key.
QString StepName(int id, const char* text) {
    return WithoutAccessKeys(LangText(id, text));
}

constexpr unsigned kMatchesChanged = ChangeFixtures | ChangeStatistics | ChangeTables;

template <typename T> std::function<T*(TTournament&)> Field(T TTournament::*member) {
    return [member](TTournament& t) { return &(t.*member); };
}

// The matches of the ids, in their order (null for -1 or a match gone).
std::vector<TMatch*> MatchesOf(TTournament& t, const std::vector<int>& ids) {
    std::vector<TMatch*> matches;
    for (const int id : ids)
        matches.push_back(id >= 0 ? t.MatchById(id) : nullptr);
    return matches;
}

} // namespace

void SetSort(TTournamentDocument& doc, const TSortState& sort, const QString& criterion) {
    TEditor(doc).EditValue<TSortState>(Fmt(LangText(5300, "Sort by %s"), criterion), ChangeOrder,
                                       Field(&TTournament::SortState), sort);
}

void SetSortDescending(TTournamentDocument& doc, bool descending) {
    TSortState sort = doc.Tournament().SortState;
    sort.Descending = descending;
    TEditor(doc).EditValue<TSortState>(LangText(505, "Descending"), ChangeOrder,
                                       Field(&TTournament::SortState), sort);
}

void RestoreTournamentOrder(TTournamentDocument& doc) {
    TEditor(doc).EditValue<TSortState>(LangText(6509, "Tournament's Order"), ChangeOrder,
                                       Field(&TTournament::SortState), TSortState{});
}

void RenameTable(TTournamentDocument& doc, const TGroup& table, const QString& title) {
    const int kind = table.Kind;
    const int id = table.Id;
    const int conference = table.ConferenceId;
    TEditor(doc).EditValue<QString>(
        Fmt(LangText(5301, "Rename Table %s"), table.Name), ChangeName,
        [=](TTournament& t) -> QString* {
            if (kind == KindGroup) {
                TGroup* group = t.GroupById(id);
                return group ? &group->Name : nullptr;
            }
            for (const auto& c : t.Conferences())
                if (c->Table()->Id == id && c->Table()->ConferenceId == conference)
                    return &c->Table()->Name;
            return nullptr;
        },
        title);
}

void SetView(TTournamentDocument& doc, const TTableView& view) {
    // Named after what changed, as the command that changes it is named.
    const TTableView& now = doc.Tournament().View;
    QString name;
    if (view.Results != now.Results)
        name = StepName(50, "&Results Grid");
    else if (view.Standings != now.Standings)
        name = StepName(51, "&Standings Columns - Home && Away");
    else if (view.HStandings != now.HStandings)
        name = StepName(52, "Standings Columns - &Home");
    else if (view.AStandings != now.AStandings)
        name = StepName(53, "Standings Columns - &Away");
    else if (view.TableMode != now.TableMode)
        name = view.TableMode == TableModeJoint    ? StepName(54, "Joint Table")
               : view.TableMode == TableModeGroups ? StepName(55, "Groups/Divisions")
                                                   : StepName(56, "Conferences");
    else if (view.Alignment != now.Alignment)
        name = view.Alignment == AlignLeft     ? StepName(57, "&Left Justify")
               : view.Alignment == AlignCenter ? StepName(58, "&Center")
               : view.Alignment == AlignRight  ? StepName(59, "Right &Justify")
                                               : StepName(60, "Widest Table Justify");
    TEditor(doc).EditValue<TTableView>(name, ChangeLayout, Field(&TTournament::View), view);
}

QString SetVisibleColumns(TTournamentDocument& doc, const std::vector<int>& ids,
                          const QString& columnSet) {
    // The set's name first: the tool window shows it when the change reaches it.
    const QString before = doc.ColumnSet();
    doc.SetColumnSet(columnSet);
    QString refused;
    TEditor(doc).Edit(LangText(4700, "Table Columns"), ChangeLayout | ChangeOrder,
                      [&](TTournament& t) { refused = ApplyVisibleColumns(t, ids); });
    if (!refused.isEmpty()) doc.SetColumnSet(before);
    return refused;
}

TIoResult ApplyColumnSet(TTournamentDocument& doc, const QString& name, const QString& path) {
    TIoResult result;
    TEditor(doc).Edit(Fmt(LangText(521, "Column Set %s"), name), ChangeLayout | ChangeOrder,
                      [&](TTournament& t) { result = kv::ApplyColumnSet(t, path); });
    if (result) doc.SetColumnSet(name);
    return result;
}

void SetTieOrder(TTournamentDocument& doc, const TGroup& table, const std::vector<int>& order) {
    const int kind = table.Kind;
    const int id = table.Id;
    TEditor(doc).Edit(LangText(5245, "Order of Level Teams"), ChangeOrder,
                      [kind, id, order](TTournament& t) {
                          for (TGroup* g : t.AllTables())
                              if (g->Kind == kind && g->Id == id) g->TieOrder = order;
                      });
}

void SetAppearance(TTournamentDocument& doc, const TAppearance& appearance) {
    TEditor(doc).Edit(LangText(10500, "Table Appearance"), ChangeTables | ChangeLayout,
                      [&appearance](TTournament& t) { ApplyAppearance(t, appearance); });
}

void SetDimensions(TTournamentDocument& doc, const TDimensionsEdit& dimensions) {
    TEditor(doc).Edit(LangText(8413, "Change Dimensions"), ChangeLayout,
                      [&dimensions](TTournament& t) { ApplyDimensions(t, dimensions); });
}

void SetFilterKind(TTournamentDocument& doc, int kind, const QString& kindName) {
    const TTournament& t = doc.Tournament();
    TEditor(doc).EditValue<TMatchFilter>(
        Fmt(LangText(533, "Filter %s"), kindName), ChangeTables | ChangeFixtures | ChangeStatistics,
        Field(&TTournament::MatchFilter), WithFilterKind(t.MatchFilter, t, kind));
}

void SetFilterBound(TTournamentDocument& doc, bool from, double value) {
    const QString name = from ? LangText(531, "From:").remove(QLatin1Char(':'))
                              : LangText(532, "To:").remove(QLatin1Char(':'));
    TEditor(doc).EditValue<TMatchFilter>(
        name, ChangeTables | ChangeFixtures | ChangeStatistics, Field(&TTournament::MatchFilter),
        WithFilterBound(doc.Tournament().MatchFilter, from, value));
}

void RenameTournament(TTournamentDocument& doc, const QString& name) {
    TEditor(doc).EditValue<QString>(Fmt(LangText(5218, "Rename to %s"), name), ChangeName,
                                    Field(&TTournament::Name), name);
}

void SetTournamentProperties(TTournamentDocument& doc, const QString& name, const QString& notes) {
    TEditor(doc).Edit(LangText(12000, "Tournament Properties"), ChangeName,
                      [&name, &notes](TTournament& t) {
                          if (!name.isEmpty()) t.Name = name;
                          t.Comments = notes;
                      });
}

void SetFormat(TTournamentDocument& doc, const TFormatEdit& format) {
    TEditor(doc).Edit(LangText(8200, "Format"), ChangeEverything,
                      [&format](TTournament& t) { ApplyFormat(t, format); });
}

void SetStructure(TTournamentDocument& doc, const TStructureTree& tree) {
    const QString name = tree.ConferencesSystem() ? LangText(8301, "Division Management")
                                                  : LangText(8302, "Group Management");
    TEditor(doc).Edit(name, ChangeEverything, [&tree](TTournament& t) { ApplyStructure(t, tree); });
}

void SetTeams(TTournamentDocument& doc, const TTeamEdits& edits) {
    if (!edits.ChangedFrom(doc.Tournament())) return;
    TEditor(doc).Edit(LangText(8600, "Team Properties"),
                      ChangeTables | ChangeFixtures | ChangeStatistics | ChangeStructure,
                      [&edits](TTournament& t) { edits.ApplyTo(t); });
}

void SetStadiums(TTournamentDocument& doc, const TPeopleEditor& stadiums) {
    TEditor(doc).Edit(LangText(11033, "Edit Stadiums"), ChangeFixtures | ChangeStatistics,
                      [&stadiums](TTournament& t) { stadiums.ApplyTo(t); });
}

void SetReferees(TTournamentDocument& doc, const TPeopleEditor& referees) {
    TEditor(doc).Edit(LangText(11233, "Edit Referees"), ChangeFixtures | ChangeStatistics,
                      [&referees](TTournament& t) { referees.ApplyTo(t); });
}

void SetFixtureSort(TTournamentDocument& doc, const TFixtureSort& sort) {
    const QString name = Fmt(LangText(5234, "Sort Fixtures by %s"),
                             FixtureColumnCaption(sort.Column, doc.Tournament().HasConferences()));
    TEditor(doc).EditValue<TFixtureSort>(name, ChangeFixtures, Field(&TTournament::FixtureSort),
                                         sort);
}

void MoveFixtureColumns(TTournamentDocument& doc, const std::vector<int>& order) {
    TEditor(doc).EditValue<std::vector<int>>(StepName(5235, "Move Column"), ChangeFixtures,
                                             Field(&TTournament::FixtureColumns), order);
}

void SetFixtureColumns(TTournamentDocument& doc, const std::vector<int>& columns) {
    TEditor(doc).EditValue<std::vector<int>>(StepName(5228, "Set &Visible Columns"), ChangeFixtures,
                                             Field(&TTournament::FixtureColumns), columns);
}

void FixtureFormatChanged(TTournamentDocument& doc) {
    TEditor(doc).ValueChanged(ChangeFixtures);
}

void SetMatchday(TTournamentDocument& doc, const std::vector<int>& ids, int matchday) {
    TEditor(doc).Edit(StepName(5223, "Edit &Matchday"), kMatchesChanged,
                      [&](TTournament& t) { SetFixturesMatchday(t, ids, matchday); });
}

void SetDate(TTournamentDocument& doc, const std::vector<int>& ids, bool hasDate, double day) {
    TEditor(doc).Edit(StepName(5224, "Edit &Date"), kMatchesChanged,
                      [&](TTournament& t) { SetFixturesDate(t, ids, hasDate, day); });
}

void SetTime(TTournamentDocument& doc, const std::vector<int>& ids, bool hasTime, double time) {
    TEditor(doc).Edit(StepName(5225, "Edit &Time"), ChangeFixtures | ChangeStatistics,
                      [&](TTournament& t) { SetFixturesTime(t, ids, hasTime, time); });
}

void SetStadium(TTournamentDocument& doc, const std::vector<int>& ids, int stadiumId) {
    TEditor(doc).Edit(StepName(5226, "Edit Stadi&um"), ChangeFixtures | ChangeStatistics,
                      [&](TTournament& t) { SetFixturesStadium(t, ids, stadiumId); });
}

void DeleteMatches(TTournamentDocument& doc, const std::vector<int>& ids) {
    bool played = false;
    for (const int id : ids)
        if (const TMatch* m = doc.Tournament().MatchById(id)) played = played || m->Played;
    TEditor(doc).Edit(StepName(5227, "D&elete Fixtures"),
                      ChangeFixtures | ChangeStatistics | (played ? ChangeTables : 0u),
                      [&ids](TTournament& t) { DeleteFixtures(t, ids); });
}

bool StoreMatch(TTournamentDocument& doc, const TMatchApplyPlan& plan, const TMatch& match) {
    const unsigned changes = ChangeFixtures | ChangeStatistics | (plan.Recount ? ChangeTables : 0u);
    TEditor editor(doc);
    switch (plan.Action) {
    case TMatchApplyPlan::Nothing:
        return true;
    case TMatchApplyPlan::Remove: {
        // Taking a match out changes the order of the file's matches: a step of the whole file.
        const int id = match.Id;
        editor.Edit(plan.StepName, changes, [id](TTournament& t) { t.RemoveMatchById(id); });
        return true;
    }
    default:
        return editor.EditMatch(plan.StepName, changes, match);
    }
}

void DeleteMatch(TTournamentDocument& doc, int matchId) {
    const TTournament& t = doc.Tournament();
    const TMatch* stored = t.MatchById(matchId);
    if (!stored) return;
    const unsigned changes =
        ChangeFixtures | ChangeStatistics | (stored->Played ? ChangeTables : 0u);
    TEditor(doc).Edit(MatchEditName(t, *stored, false, true), changes,
                      [matchId](TTournament& edited) { edited.RemoveMatchById(matchId); });
}

void SetGridPositions(TTournamentDocument& doc, const std::vector<int>& rows) {
    TEditor(doc).Edit(LangText(3911, "Change Grid Positions"), ChangeTables | ChangeFixtures,
                      [&rows](TTournament& t) { ApplyGridRows(MatchesOf(t, rows)); });
}

void SetMatchLegs(TTournamentDocument& doc, const std::vector<int>& rows, int firstTeamId) {
    TEditor(doc).Edit(LangText(3910, "Change Match Legs"), kMatchesChanged,
                      [&](TTournament& t) { ApplyLegRows(MatchesOf(t, rows), firstTeamId); });
}

TAddFixturesResult AddFixtures(TTournamentDocument& doc, const std::vector<TFixtureRow>& rows,
                               const TAddFixturesOptions& options) {
    TAddFixturesResult result;
    TEditor(doc).Edit(LangText(2000, "Add Fixtures"), kMatchesChanged,
                      [&](TTournament& t) { result = kv::AddFixtures(t, rows, options); });
    return result;
}

int AddSchedule(TTournamentDocument& doc, const std::vector<int>& teams,
                const TScheduleDates& dates) {
    int added = 0;
    TEditor(doc).Edit(LangText(2042, "Generate Schedule"), kMatchesChanged, [&](TTournament& t) {
        added = kv::AddSchedule(t, PlanSchedule(t, teams), dates);
    });
    return added;
}

TImportCounts ImportFixtures(TTournamentDocument& doc, std::vector<TImportRow>& rows,
                             const TImportOptions& options,
                             const std::function<void(int)>& progress) {
    TImportCounts counts;
    TEditor(doc).Edit(LangText(11513, "Import Fixtures"),
                      kMatchesChanged |
                          (options.AddTeamsToGroup >= 0 ? ChangeStructure | ChangeLayout : 0u),
                      [&](TTournament& t) { counts = ImportRows(t, rows, options, progress); });
    return counts;
}

} // namespace kv::edit
