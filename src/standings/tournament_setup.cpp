#include "standings/tournament_setup.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/statistics.h"

#include <QSet>

#include <algorithm>

namespace kv {

TTableColumn MakeColumn(const TTournament& t, int id, int positionIndex) {
    TTableColumn c;
    c.Id = id;
    c.PositionIndex = positionIndex;
    c.Width = ConvertUnits(ColumnUserDefaultWidth(id, t.Sport), UnitsPixels, t.Dimensions.Units);
    return c;
}

std::vector<TTableColumn> DefaultColumns(const TTournament& t) {
    std::vector<int> ids;
    switch (NormalizeSport(t.Sport)) {
    case SportOther:
        break;
    case SportBasketball:
        ids = {kColumnPlayed, kColumnTotalWins, kColumnTotalLosses,
               kColumnAverageGoalsForAndAgainst,
               t.SortCriteria.empty() ? kColumnPoints : t.SortCriteria.front().Column};
        break;
    case SportVolleyball:
    case SportTennis:
        ids = {kColumnPlayed, kColumnTotalWins, kColumnTotalLosses, kColumnGoalsForAndAgainst,
               kColumnPoints};
        break;
    case SportChess:
        ids = {kColumnPlayed, kColumnTotalWins, kColumnTotalDraws, kColumnTotalLosses,
               kColumnPoints};
        break;
    case SportUSFootball:
        ids = {kColumnPlayed,           kColumnRegulationWins, kColumnRegulationLosses,
               kColumnExtraTimeMatches, kColumnPercentage,     kColumnGoalsFor,
               kColumnGoalsAgainst};
        break;
    case SportBaseball:
        ids = {kColumnPlayed,   kColumnTotalWins,    kColumnTotalLosses,
               kColumnGoalsFor, kColumnGoalsAgainst, kColumnPercentage};
        break;
    default:
        ids.push_back(kColumnPlayed);
        if (t.Overtime && t.WinPoints != t.WinOTPoints) {
            ids.push_back(kColumnRegulationWins);
            ids.push_back(kColumnOvertimeWins);
        } else {
            ids.push_back(kColumnTotalWins);
        }
        if (t.ShootOuts && t.WinPoints != t.WinSOPoints) ids.push_back(kColumnShootOutWins);
        if (!t.ShootOuts) ids.push_back(kColumnTotalDraws);
        if (t.ShootOuts && t.LossPoints != t.LossSOPoints) ids.push_back(kColumnShootOutLosses);
        if (t.Overtime) {
            if (t.LossPoints != t.LossOTPoints) ids.push_back(kColumnOvertimeLosses);
            ids.push_back(kColumnRegulationLosses);
        } else {
            ids.push_back(kColumnTotalLosses);
        }
        ids.push_back(kColumnGoalsForAndAgainst);
        ids.push_back(kColumnPoints);
        break;
    }
    std::vector<TTableColumn> columns;
    for (const int id : ids)
        columns.push_back(MakeColumn(t, id, static_cast<int>(columns.size())));
    return columns;
}

std::vector<TTableColumn> SpareColumnsFor(const TTournament& t,
                                          const std::vector<TTableColumn>& shown) {
    const TColumnContext context = TColumnContext::Of(t);
    std::vector<TTableColumn> spare;
    for (int id = 0; id < kColumnCount; ++id) {
        const bool isShown = std::any_of(shown.begin(), shown.end(),
                                         [id](const TTableColumn& c) { return c.Id == id; });
        if (!isShown && ColumnApplicable(id, context))
            spare.push_back(MakeColumn(t, id, static_cast<int>(spare.size())));
    }
    return spare;
}

QString ApplyVisibleColumns(TTournament& t, const std::vector<int>& ids) {
    const auto existing = [&t](int id) -> const TTableColumn* {
        for (const auto* list : {&t.Columns, &t.SpareColumns})
            for (const TTableColumn& c : *list)
                if (c.Id == id) return &c;
        return nullptr;
    };
    const TColumnContext context = TColumnContext::Of(t);
    // A column shown already stays when it is kept, applicable or not (a file may show one the
    // rules would not offer, such as the points of a tournament ranked by percentage).
    const auto shownNow = [&t](int id) {
        return std::any_of(t.Columns.begin(), t.Columns.end(),
                           [id](const TTableColumn& c) { return c.Id == id; });
    };
    std::vector<TTableColumn> shown;
    for (const int id : ids) {
        if ((!ColumnApplicable(id, context) && !shownNow(id)) ||
            std::any_of(shown.begin(), shown.end(),
                        [id](const TTableColumn& c) { return c.Id == id; }))
            continue;
        TTableColumn c =
            existing(id) ? *existing(id) : MakeColumn(t, id, static_cast<int>(shown.size()));
        shown.push_back(c);
    }
    if (shown.empty()) return LangText(4711, "You should select at least one visible column");
    std::vector<TTableColumn> spare = SpareColumnsFor(t, shown);
    for (TTableColumn& c : spare)
        if (const TTableColumn* had = existing(c.Id)) c.Width = had->Width;
    t.Columns = std::move(shown);
    t.SpareColumns = std::move(spare);
    if (t.SortState.Column >= 0 &&
        std::none_of(t.Columns.begin(), t.Columns.end(),
                     [&](const TTableColumn& c) { return c.Id == t.SortState.Column; }))
        t.SortState = TSortState{};
    return QString();
}

void ResetColumns(TTournament& t) {
    t.Columns = DefaultColumns(t);
    t.SpareColumns = SpareColumnsFor(t, t.Columns);
}

void PrepareTable(const TTournament& t, const TGroup& table) {
    RecomputeTable(t, table);
    SortTable(t, table);
}

namespace {

// A table nested in `inner` (the joint table, or a conference table around its divisions)
// holds the same teams and matches when it holds as many: a one-group tournament, a
// one-division conference. The teams' records, which every table shares, are then already
// right, and only the table's places and order are left to do.
void PrepareOuterTable(const TTournament& t, const TGroup& outer, const TGroup* inner) {
    if (inner && inner->Teams().size() == outer.Teams().size() &&
        inner->Matches().size() == outer.Matches().size())
        StoreTablePlaces(t, outer);
    else
        RecomputeTable(t, outer);
    SortTable(t, outer);
}

} // namespace

void RecomputeAll(TTournament& t) {
    for (const auto& g : t.Groups())
        PrepareTable(t, *g);
    const TGroup* last = t.Groups().size() == 1 ? t.Groups().front().get() : nullptr;
    for (const auto& c : t.Conferences()) {
        const TGroup* only = c->Divisions().size() == 1 ? c->Divisions().front() : nullptr;
        PrepareOuterTable(t, *c->Table(), only);
    }
    if (t.Conferences().size() == 1) last = t.Conferences().front()->Table();
    PrepareOuterTable(t, t.JointTable(), last);
}

void RecomputeAfterMatchChange(TTournament& t, int homeTeamId, int visitorTeamId) {
    std::vector<TGroup*> groups;
    std::vector<TGroup*> conferences;
    for (const int id : {homeTeamId, visitorTeamId}) {
        if (TGroup* g = t.GroupOfTeam(id)) {
            if (std::find(groups.begin(), groups.end(), g) == groups.end()) groups.push_back(g);
            if (TConference* c = t.ConferenceById(g->ConferenceId))
                if (std::find(conferences.begin(), conferences.end(), c->Table()) ==
                    conferences.end())
                    conferences.push_back(c->Table());
        }
    }
    for (TGroup* g : groups)
        PrepareTable(t, *g);
    for (TGroup* c : conferences)
        PrepareOuterTable(t, *c, groups.size() == 1 ? groups.front() : nullptr);
    const TGroup* inner = conferences.size() == 1 ? conferences.front()
                          : groups.size() == 1    ? groups.front()
                                                  : nullptr;
    PrepareOuterTable(t, t.JointTable(), inner);
}

void ChangeSport(TTournament& t, int sport) {
    const int s = NormalizeSport(sport);
    t.ConvertMatches(s);
    for (auto i = static_cast<qsizetype>(t.SortCriteria.size()) - 1; i >= 0; --i) {
        const TSortColumn& c = t.SortCriteria[static_cast<size_t>(i)];
        // The main criterion (points or percentage) stays; tie-breaks the sport does not know go.
        const bool main = i == 0 && (c.Column == kColumnPoints || c.Column == kColumnPercentage);
        if (!main && !IsCriterionKeptForSport(s, c.Column, c.Scope))
            t.SortCriteria.erase(t.SortCriteria.begin() + i);
    }
    t.Sport = s;
    t.Dimensions = TTableDimensions::FromSettings(s);
    ResetColumns(t);
    RecomputeAll(t);
}

TStructureCheck CheckNewLegs(const TNewTournament& spec) {
    if (spec.Conferences.empty()) return {};
    if (spec.ConferenceLegs > spec.GroupLegs || spec.InterConferenceLegs > spec.GroupLegs)
        return {false, LangText(7567, "Number of legs outside a division cannot exceed number of "
                                      "legs inside a division")};
    if (spec.InterConferenceLegs > spec.ConferenceLegs)
        return {false, LangText(7568, "Number of legs outside a conference cannot exceed number of "
                                      "legs inside a conference")};
    return {};
}

TStructureCheck CheckNewStructure(const TNewTournament& spec) {
    const bool conferences = !spec.Conferences.empty();
    std::vector<const TNewGroup*> groups;
    if (conferences) {
        for (const TNewConference& c : spec.Conferences) {
            if (c.Divisions.empty())
                return {false, Fmt(LangText(7653, "Conference '%s' does not contain any divisions"),
                                   c.Name)};
            for (const TNewGroup& d : c.Divisions)
                groups.push_back(&d);
        }
    } else {
        for (const TNewGroup& g : spec.Groups)
            groups.push_back(&g);
    }
    if (groups.empty())
        return {false, LangText(7652, "You have not added any groups/divisions and teams")};
    int teams = 0;
    QSet<QString> names;
    for (const TNewGroup* g : groups) {
        if (g->Teams.size() < 2) {
            return {false, conferences
                               ? Fmt(LangText(7655, "Division '%s' contains less than two teams. A "
                                                    "division must contain at least two teams"),
                                     g->Name)
                               : Fmt(LangText(7656, "Group '%s' contains less than two teams. A "
                                                    "group must contain at least two teams"),
                                     g->Name)};
        }
        for (const QString& name : g->Teams) {
            const QString key = name.trimmed().toLower();
            if (key.isEmpty()) return {false, LangText(8680, "Empty team name is not allowed")};
            if (names.contains(key))
                return {false, LangText(7639, "A team with this name already exists")};
            names.insert(key);
            ++teams;
        }
    }
    if (teams > kMaxTeams)
        return {false,
                Fmt(LangText(7667,
                             "It is not allowed to create more than %d teams within a tournament"),
                    kMaxTeams)};
    return {};
}

std::unique_ptr<TTournament> CreateTournament(const TNewTournament& spec) {
    auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
    const int sport = NormalizeSport(spec.Sport);
    const bool conferences = !spec.Conferences.empty();
    t->Name = spec.Name;
    t->FileName = spec.FileName;
    t->Sport = sport;
    t->Created = t->SavedAt = NowDays();
    t->GroupLegs = spec.GroupLegs;
    t->ConferenceLegs = conferences ? spec.ConferenceLegs : 0;
    t->InterConferenceLegs = conferences ? spec.InterConferenceLegs : 0;
    t->JointTable().Legs = spec.GroupLegs;
    t->RankLeadersUp = spec.RankLeadersUp;
    t->Dimensions = TTableDimensions::FromSettings(sport);
    SaveRulesInto(spec.Rules, *t);
    if (spec.ShootOuts) t->ShootOuts = true;
    TPointsRules rules = spec.Rules;
    rules.Sport = sport;
    t->SortCriteria.push_back(ImpliedMainCriterion(rules));
    for (const TSortColumn& c : spec.TieBreaks)
        t->SortCriteria.push_back(
            MakeCriterion(c.Column, c.Scope, sport, c.Descending, conferences, true));
    ResetColumns(*t);
    if (spec.GroupLegs == 1) t->JointTable().Style.ShowAwayResults = true;
    const TGroupStyle style = t->JointTable().Style;
    int groupId = 0;
    int teamId = 0;
    const auto addGroup = [&](const TNewGroup& g, int conferenceId) {
        t->AddGroup(g.Name, spec.GroupLegs, conferenceId, groupId, style);
        for (const QString& name : g.Teams) {
            t->AddTeam(name.trimmed().left(TTeam::kNameCapacity), teamId, groupId, teamId, true);
            ++teamId;
        }
        ++groupId;
    };
    if (conferences) {
        int conferenceId = 0;
        for (const TNewConference& c : spec.Conferences) {
            t->AddConference(conferenceId, c.Name, style);
            for (const TNewGroup& d : c.Divisions)
                addGroup(d, conferenceId);
            ++conferenceId;
        }
    } else {
        for (const TNewGroup& g : spec.Groups)
            addGroup(g, -1);
    }
    // Columns that depend on the system are known now that the groups exist.
    t->SpareColumns = SpareColumnsFor(*t, t->Columns);
    t->View.TableMode = TableModeGroups;
    for (const auto& g : t->Groups())
        t->SelectedGroups.push_back(g->Id);
    RecomputeAll(*t);
    return t;
}

} // namespace kv
