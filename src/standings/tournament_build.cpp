#include "standings/tournament_build.h"

#include "model/match.h"
#include "standings/ranking.h"

#include <algorithm>

namespace kv {

namespace {

int LargestSourceTeamId(const TStructureTree& tree) {
    int largest = -1;
    for (const TStructureNode* n : tree.InOrder())
        if (n->Kind == TStructureKind::Team) largest = std::max(largest, n->SourceId);
    return largest;
}

// The source table of the same kind and id, where there is one.
const TGroup* SameTable(const TTournament& source, const TGroup& table) {
    for (const TGroup* g : source.AllTables())
        if (g->Kind == table.Kind && g->Id == table.Id) return g;
    return nullptr;
}

void CopyMatches(TTournament& t, const TTournament& source, const TCopyChoice& copy) {
    TPairLegIndex index;
    for (int i = 0; i < source.MatchCount(); ++i) {
        const TMatch* m = source.MatchAt(i);
        if (!t.TeamById(m->HomeTeamId) || !t.TeamById(m->VisitorTeamId)) continue;
        if (!t.MayMeet(m->HomeTeamId, m->VisitorTeamId, m->Leg)) continue;
        std::unique_ptr<TMatch> match = CreateMatch(t.Sport, *m);
        if (!copy.Stadiums) match->StadiumId = -1;
        if (!copy.Referees) match->RefereeIds.clear();
        t.AddMatch(match, &index);
    }
    t.LastMatchId = std::max(t.LastMatchId, source.LastMatchId);
}

} // namespace

std::unique_ptr<TTournament> BuildTournament(const TNewTournament& spec, const TStructureTree& tree,
                                             const TTournament* source, const TCopyChoice& copy) {
    TNewTournament shape = spec;
    if (!source) {
        tree.FillNew(shape);
        return CreateTournament(shape);
    }
    // The rules, criteria and columns of the spec first; the structure from the tree with its ids.
    shape.Groups.clear();
    shape.Conferences.clear();
    std::unique_ptr<TTournament> t = CreateTournament(shape);
    const bool conferences = tree.ConferencesSystem();
    // Without conferences in the shape, the tournament was made in the group system: the legs
    // between divisions and conferences, and the criteria's names, follow the tree.
    t->ConferenceLegs = conferences ? spec.ConferenceLegs : 0;
    t->InterConferenceLegs = conferences ? spec.InterConferenceLegs : 0;
    for (TSortColumn& c : t->SortCriteria)
        c.Name = MakeCriterion(c.Column, c.Scope, t->Sport, c.Descending, conferences, true).Name;
    t->Columns = source->Columns;
    t->SpareColumns = source->SpareColumns;
    const TGroupStyle style = copy.Appearance ? source->JointTable().Style : t->JointTable().Style;
    int conferenceId = -1;
    int groupId = -1;
    int order = -1;
    int nextTeamId = LargestSourceTeamId(tree) + 1;
    for (const TStructureNode* n : tree.InOrder()) {
        switch (n->Kind) {
        case TStructureKind::Conference:
            if (conferences) t->AddConference(++conferenceId, n->Name, style);
            break;
        case TStructureKind::Group:
            t->AddGroup(n->Name, spec.GroupLegs, conferences ? conferenceId : -1, ++groupId, style);
            break;
        case TStructureKind::Team: {
            const TTeam* from = n->SourceId >= 0 ? source->TeamById(n->SourceId) : nullptr;
            const int id = from ? from->Id : nextTeamId++;
            auto team = std::make_unique<TTeam>(t.get(), n->Name.left(TTeam::kNameCapacity),
                                                ++order, groupId, id);
            if (from) {
                team->AssignData(*from);
                team->Name = n->Name.left(TTeam::kNameCapacity);
                team->GroupId = groupId;
                team->OrderNumber = order;
                if (!copy.Stadiums) team->HomeStadiumId = -1;
                if (!copy.Appearance) {
                    const TTeam plain(t.get(), QString(), 0, 0, 0);
                    team->SeparateFont = plain.SeparateFont;
                    team->SeparateBackground = plain.SeparateBackground;
                    team->BackgroundColor = plain.BackgroundColor;
                    team->Font = plain.Font;
                    team->UpperCase = plain.UpperCase;
                }
            }
            t->AddTeam(std::move(team), true);
            break;
        }
        }
    }
    if (copy.Stadiums) t->Stadiums = source->Stadiums;
    if (copy.Referees) t->Referees = source->Referees;
    if (copy.Appearance) {
        t->ApplyStyleToAll(source->JointTable().Style);
        for (TGroup* table : t->AllTables()) {
            const TGroup* from = SameTable(*source, *table);
            if (!from) continue;
            for (size_t i = 0; i < table->PlaceFonts.size() && i < from->PlaceFonts.size(); ++i)
                table->PlaceFonts[i] = from->PlaceFonts[i];
        }
    }
    if (copy.Matches) CopyMatches(*t, *source, copy);
    t->SpareColumns = SpareColumnsFor(*t, t->Columns);
    t->View.TableMode = TableModeGroups;
    t->SelectedGroups.clear();
    for (const auto& g : t->Groups())
        t->SelectedGroups.push_back(g->Id);
    RecomputeAll(*t);
    return t;
}

} // namespace kv
