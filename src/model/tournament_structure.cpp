#include "model/tournament.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>

// The structure operations of a tournament: adding and removing conferences, groups, teams
// and matches so that every table stays consistent, changing legs and match classes.
namespace kv {

TConference* TTournament::AddConference(int id, const QString& name, const TGroupStyle& style) {
    conferences_.push_back(std::make_unique<TConference>(this, id, name, style));
    return conferences_.back().get();
}

TGroup* TTournament::AddGroup(std::unique_ptr<TGroup> group) {
    group->Tournament = this;
    TGroup* raw = group.get();
    groups_.push_back(std::move(group));
    if (raw->ConferenceId != -1)
        if (TConference* c = ConferenceById(raw->ConferenceId)) c->divisions_.push_back(raw);
    return raw;
}

TGroup* TTournament::AddGroup(const QString& name, int legs, int conferenceId, int id,
                              const TGroupStyle& style) {
    auto group = std::make_unique<TGroup>(this, name, legs, conferenceId, id);
    group->Style = style;
    return AddGroup(std::move(group));
}

TTeam* TTournament::AddTeam(std::unique_ptr<TTeam> team, bool withPlaceFonts) {
    team->Tournament = this;
    TTeam* raw = team.get();
    teamStore_.push_back(std::move(team));
    teamIndex_.insert(raw->Id, raw);
    const auto add = [&](TGroup* table) {
        table->teams_.push_back(raw);
        if (withPlaceFonts) table->AddPlaceFont();
    };
    add(joint_.get());
    if (TGroup* group = GroupById(raw->GroupId)) {
        add(group);
        if (group->ConferenceId != -1)
            if (TConference* c = ConferenceById(group->ConferenceId)) add(c->table_.get());
    }
    return raw;
}

TTeam* TTournament::AddTeam(const QString& name, int orderNumber, int groupId, int id,
                            bool withPlaceFonts) {
    return AddTeam(std::make_unique<TTeam>(this, name, orderNumber, groupId, id), withPlaceFonts);
}

void TTournament::RemoveTeam(TTeam* team, bool withPlaceFonts) {
    if (!team) return;
    const auto drop = [&](TGroup* table) {
        auto& list = table->teams_;
        const auto it = std::find(list.begin(), list.end(), team);
        if (it == list.end()) return;
        list.erase(it);
        if (withPlaceFonts) table->DropLastPlaceFont();
        auto& record = table->TieOrder;
        record.erase(std::remove(record.begin(), record.end(), team->Id), record.end());
    };
    drop(joint_.get());
    for (const auto& c : conferences_)
        drop(c->table_.get());
    for (const auto& g : groups_)
        drop(g.get());
    std::vector<TMatch*> matches;
    for (auto it = joint_->matches_.rbegin(); it != joint_->matches_.rend(); ++it)
        if ((*it)->Involves(team->Id)) matches.push_back(*it);
    RemoveMatches(matches);
    if (teamIndex_.value(team->Id) == team) teamIndex_.remove(team->Id);
    const auto owned = std::find_if(teamStore_.begin(), teamStore_.end(),
                                    [team](const auto& p) { return p.get() == team; });
    if (owned != teamStore_.end()) teamStore_.erase(owned);
}

void TTournament::Restructure(const TStructurePlan& plan) {
    const bool conferences = !plan.Conferences.empty();
    int lastConference = LargestConferenceId();
    int lastGroup = LargestGroupId();
    int lastTeam = LargestTeamId();

    // Teams left out go first, with their matches, while every table still holds them.
    QSet<int> kept;
    for (const auto& t : plan.Teams)
        if (t.Id >= 0) kept.insert(t.Id);
    std::vector<TTeam*> gone;
    for (TTeam* team : joint_->teams_)
        if (!kept.contains(team->Id)) gone.push_back(team);
    for (TTeam* team : gone)
        RemoveTeam(team, false);

    // Where each kept team will stand, then the matches the legs no longer allow.
    if (!conferences) {
        ConferenceLegs = 0;
        InterConferenceLegs = 0;
    }
    QHash<int, std::pair<int, int>> placeOf; // team id -> (group index, conference index)
    for (const auto& t : plan.Teams) {
        const int conference = t.Group >= 0 && t.Group < static_cast<int>(plan.Groups.size())
                                   ? plan.Groups[static_cast<size_t>(t.Group)].Conference
                                   : -1;
        if (t.Id >= 0) placeOf.insert(t.Id, {t.Group, conference});
    }
    std::vector<TMatch*> dropped;
    for (TMatch* m : joint_->matches_) {
        const auto home = placeOf.value(m->HomeTeamId, {-1, -1});
        const auto visitor = placeOf.value(m->VisitorTeamId, {-1, -1});
        bool allowed = home.first == visitor.first;
        if (!allowed && conferences)
            allowed = home.second == visitor.second ? m->Leg <= ConferenceLegs
                                                    : m->Leg <= InterConferenceLegs;
        if (!allowed) dropped.push_back(m);
    }
    RemoveMatches(dropped);

    // Conferences and groups in plan order: the old objects where the ids say so.
    std::vector<std::unique_ptr<TConference>> newConferences;
    for (const auto& c : plan.Conferences) {
        auto old = std::find_if(conferences_.begin(), conferences_.end(),
                                [&](const auto& o) { return o && c.Id >= 0 && o->Id == c.Id; });
        std::unique_ptr<TConference> conference =
            old != conferences_.end()
                ? std::move(*old)
                : std::make_unique<TConference>(this, ++lastConference, c.Name, joint_->Style);
        conference->Name = c.Name;
        conference->table_->Name = c.Name;
        conference->divisions_.clear();
        conference->table_->teams_.clear();
        conference->table_->matches_.clear();
        newConferences.push_back(std::move(conference));
    }
    std::vector<std::unique_ptr<TGroup>> newGroups;
    for (const auto& g : plan.Groups) {
        auto old = std::find_if(groups_.begin(), groups_.end(),
                                [&](const auto& o) { return o && g.Id >= 0 && o->Id == g.Id; });
        std::unique_ptr<TGroup> group;
        if (old != groups_.end()) {
            group = std::move(*old);
        } else {
            group = std::make_unique<TGroup>(this, g.Name, GroupLegs, -1, ++lastGroup);
            group->Style = joint_->Style;
        }
        group->Name = g.Name;
        group->ConferenceId =
            g.Conference >= 0 && g.Conference < static_cast<int>(newConferences.size())
                ? newConferences[static_cast<size_t>(g.Conference)]->Id
                : -1;
        group->teams_.clear();
        group->matches_.clear();
        newGroups.push_back(std::move(group));
    }
    conferences_ = std::move(newConferences);
    groups_ = std::move(newGroups);
    SelectedGroups.clear();
    for (const auto& g : groups_) {
        SelectedGroups.push_back(g->Id);
        if (TConference* c = ConferenceById(g->ConferenceId)) c->divisions_.push_back(g.get());
    }

    // Teams in plan order, each in its group and conference table.
    joint_->teams_.clear();
    int order = 0;
    for (const auto& t : plan.Teams) {
        TTeam* team = t.Id >= 0 ? teamIndex_.value(t.Id) : nullptr;
        if (!team) {
            auto made = std::make_unique<TTeam>(this, QString(), 0, -1, ++lastTeam);
            team = made.get();
            teamStore_.push_back(std::move(made));
            teamIndex_.insert(team->Id, team);
        }
        const TGroup* group = t.Group >= 0 && t.Group < static_cast<int>(groups_.size())
                                  ? groups_[static_cast<size_t>(t.Group)].get()
                                  : nullptr;
        team->GroupId = group ? group->Id : -1;
        team->OrderNumber = order++;
        team->Name = t.Name.left(TTeam::kNameCapacity);
        joint_->teams_.push_back(team);
        if (group) {
            GroupById(group->Id)->teams_.push_back(team);
            if (TConference* c = ConferenceById(group->ConferenceId))
                c->table_->teams_.push_back(team);
        }
    }

    // The matches back into the tables, in the order they are kept.
    joint_->matches_.clear();
    for (const auto& m : matchStore_)
        AddToTables(m.get(), TeamById(m->HomeTeamId), TeamById(m->VisitorTeamId));

    for (TGroup* table : AllTables()) {
        while (table->PlaceFonts.size() < table->teams_.size())
            table->AddPlaceFont();
        if (table->PlaceFonts.size() > table->teams_.size())
            table->PlaceFonts.erase(
                table->PlaceFonts.begin(),
                table->PlaceFonts.begin() +
                    static_cast<std::ptrdiff_t>(table->PlaceFonts.size() - table->teams_.size()));
    }
}

void TTournament::AddToTables(TMatch* match, const TTeam* home, const TTeam* visitor) {
    joint_->matches_.push_back(match);
    TGroup* homeGroup = GroupById(home->GroupId);
    TGroup* visitorGroup = GroupById(visitor->GroupId);
    if (homeGroup && homeGroup == visitorGroup) homeGroup->matches_.push_back(match);
    if (homeGroup && visitorGroup && homeGroup->ConferenceId != -1 &&
        homeGroup->ConferenceId == visitorGroup->ConferenceId)
        if (TConference* c = ConferenceById(homeGroup->ConferenceId))
            c->table_->matches_.push_back(match);
}

bool TTournament::AddMatch(std::unique_ptr<TMatch>& match, TPairLegIndex* index) {
    if (!match) return false;
    const TTeam* home = TeamById(match->HomeTeamId);
    const TTeam* visitor = TeamById(match->VisitorTeamId);
    if (!home || !visitor || home == visitor) return false;
    if (match->Id == -1 && LastMatchId == INT_MAX) return false;
    const bool exists =
        index ? !index->InsertIfNew(home->Id, visitor->Id, match->Leg)
              : joint_->MatchOfPairInLeg(home->Id, visitor->Id, match->Leg) != nullptr;
    if (exists) return false;
    if (match->Id == -1) {
        match->Id = ++LastMatchId;
    } else {
        LastMatchId = std::max(LastMatchId, match->Id);
    }
    TMatch* raw = match.get();
    matchStore_.push_back(std::move(match));
    AddToTables(raw, home, visitor);
    return true;
}

void TTournament::RemoveMatches(const std::vector<TMatch*>& matches) {
    if (matches.empty()) return;
    const QSet<const TMatch*> gone(matches.begin(), matches.end());
    const auto isGone = [&](const TMatch* m) { return gone.contains(m); };
    for (const auto& c : conferences_)
        std::erase_if(c->table_->matches_, isGone);
    for (const auto& g : groups_)
        std::erase_if(g->matches_, isGone);
    // The joint table's list and the owning list run in step.
    auto& list = joint_->matches_;
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (isGone(list[i])) continue;
        if (kept != i) {
            list[kept] = list[i];
            matchStore_[kept] = std::move(matchStore_[i]);
        }
        ++kept;
    }
    list.resize(kept);
    matchStore_.resize(kept);
}

void TTournament::RemoveMatch(TMatch* match) {
    if (match) RemoveMatches({match});
}

bool TTournament::RemoveMatchById(int id) {
    TMatch* match = MatchById(id);
    if (!match) return false;
    RemoveMatch(match);
    return true;
}

void TTournament::RemoveDrawnMatches() {
    std::vector<TMatch*> drawn;
    for (const auto& g : groups_)
        for (auto it = g->matches_.rbegin(); it != g->matches_.rend(); ++it)
            if ((*it)->Played && (*it)->HomeScore == (*it)->VisitorScore) drawn.push_back(*it);
    RemoveMatches(drawn);
}

void TTournament::ConvertMatches(int sport) {
    QHash<const TMatch*, TMatch*> replaced;
    for (size_t i = 0; i < matchStore_.size(); ++i) {
        std::unique_ptr<TMatch> copy = CreateMatch(sport, *matchStore_[i]);
        replaced.insert(matchStore_[i].get(), copy.get());
        joint_->matches_[i] = copy.get();
        matchStore_[i] = std::move(copy);
    }
    const auto swapIn = [&](std::vector<TMatch*>& list) {
        for (TMatch*& m : list)
            m = replaced.value(m, m);
    };
    for (const auto& c : conferences_)
        swapIn(c->table_->matches_);
    for (const auto& g : groups_)
        swapIn(g->matches_);
}

void TTournament::ChangeLegs(int groupLegs, int conferenceLegs, int interConferenceLegs) {
    if (groupLegs == GroupLegs && conferenceLegs == ConferenceLegs &&
        interConferenceLegs == InterConferenceLegs)
        return;
    const bool conferences = HasConferences();
    if (groupLegs < GroupLegs || conferenceLegs < ConferenceLegs ||
        interConferenceLegs < InterConferenceLegs) {
        std::vector<TMatch*> dropped;
        for (auto it = joint_->matches_.rbegin(); it != joint_->matches_.rend(); ++it) {
            TMatch* m = *it;
            bool drop = m->Leg > groupLegs;
            if (!drop && conferences) {
                const TGroup* a = GroupOfTeam(m->HomeTeamId);
                const TGroup* b = GroupOfTeam(m->VisitorTeamId);
                const bool otherConference = !a || !b || a->ConferenceId != b->ConferenceId;
                drop = (otherConference && m->Leg > interConferenceLegs) ||
                       (a != b && m->Leg > conferenceLegs);
            }
            if (drop) dropped.push_back(m);
        }
        RemoveMatches(dropped);
    }
    for (TGroup* table : AllTables())
        table->Legs = groupLegs;
    GroupLegs = groupLegs;
    ConferenceLegs = conferences ? conferenceLegs : 0;
    InterConferenceLegs = conferences ? interConferenceLegs : 0;
}

void TTournament::ApplyStyleToAll(const TGroupStyle& style) {
    for (TGroup* table : AllTables())
        table->Style = style;
}

} // namespace kv
