#pragma once

#include "model/columns.h"
#include "model/const_parts.h"
#include "model/group.h"
#include "model/match.h"
#include "model/people.h"
#include "model/sport.h"
#include "model/tablestyle.h"
#include "model/team.h"

#include <QHash>
#include <QString>

#include <memory>
#include <span>
#include <vector>

namespace kv {

class TTournament;

// The fixture-list and standings range filter: a match counts when it passes every range
// that is set. An unset bound (-1, or 0 for dates) leaves that side open.
struct TMatchFilter {
    double DateFrom = 0;
    double DateTo = 0;
    int MatchdayFrom = -1;
    int MatchdayTo = -1;
    int LegFrom = -1;
    int LegTo = -1;

    bool LegRangeSet() const { return LegFrom != -1 || LegTo != -1; }
    bool DateRangeSet() const { return DateFrom != 0 || DateTo != 0; }
    bool MatchdayRangeSet() const { return MatchdayFrom != -1 || MatchdayTo != -1; }
    bool IsSet() const { return LegRangeSet() || DateRangeSet() || MatchdayRangeSet(); }
    bool Passes(const TMatch& m) const;
    bool operator==(const TMatchFilter&) const = default;
};

// How the tournament window orders tables on request: column -1 ranking criteria, -2 order of
// entry, otherwise a standings column; venue 1 all, 2 home, 3 away. Not stored.
struct TSortState {
    int Column = -1;
    int Venue = ScopeOverall;
    bool Descending = true;
    bool operator==(const TSortState&) const = default;
};

// The fixture list's columns a new tournament starts with: the `DefaultFixturesCols` list of
// the settings store, or the columns 0 to 8 when it holds none.
std::vector<int> DefaultFixtureColumns();
void SaveDefaultFixtureColumns(const std::vector<int>& columns);

// What a new tournament starts with, before a file or the wizard gives it its own: the look
// of its tables, its fixture columns and the joint table's name. The plain values are the
// built-in ones; FromSettings() gives the user's, from the settings store and the language.
struct TTournamentDefaults {
    TTableDimensions Dimensions = TTableDimensions::BuiltIn(SportOther);
    TTableView View;
    TGroupStyle Style;
    std::vector<int> FixtureColumns{0, 1, 2, 3, 4, 5, 6, 7, 8};
    QString JointTableName = QStringLiteral("Team");

    static TTournamentDefaults FromSettings();
};

// The fixture list's sort column (-1 none) and direction.
struct TFixtureSort {
    int Column = -1;
    bool Descending = false;

    bool operator==(const TFixtureSort&) const = default;
};

// A new shape of a tournament's structure, in tree order: conferences, groups or divisions
// (each naming its conference by index) and teams (each naming its group by index). Id -1
// stands for a new one.
struct TStructurePlan {
    struct TConferencePlan {
        int Id = -1;
        QString Name;
    };
    struct TGroupPlan {
        int Id = -1;
        QString Name;
        int Conference = -1; // index into Conferences, -1 for none
    };
    struct TTeamPlan {
        int Id = -1;
        QString Name;
        int Group = 0; // index into Groups
    };
    std::vector<TConferencePlan> Conferences;
    std::vector<TGroupPlan> Groups;
    std::vector<TTeamPlan> Teams;
};

class TConference {
public:
    TConference(const TTournament* tournament, int id, const QString& name,
                const TGroupStyle& style);

    const TTournament* Tournament = nullptr;
    int Id = -1;
    QString Name;

    // The divisions: the same objects as in the tournament's groups.
    std::span<const TGroup* const> Divisions() const { return divisions_; }
    const std::vector<TGroup*>& Divisions() { return divisions_; }
    // The conference table (kind 2); never null.
    const TGroup* Table() const { return table_.get(); }
    TGroup* Table() { return table_.get(); }

private:
    friend class TTournament;
    std::vector<TGroup*> divisions_;
    std::unique_ptr<TGroup> table_;
};

// Speeds up adding many matches (loading a file): remembers which pair already has a match
// in which leg. Valid only while the matches are not changed by other means.
class TPairLegIndex {
public:
    bool Contains(int a, int b, int leg) const;
    void Insert(int a, int b, int leg);
    // Inserts the key; false when it was there already.
    bool InsertIfNew(int a, int b, int leg);

private:
    struct TKey {
        int Low = 0, High = 0, Leg = 0;
        bool Used = false;
    };
    static TKey Key(int a, int b, int leg);
    static size_t Hash(const TKey& k);
    size_t Find(const TKey& k) const; // the slot holding k, or the empty slot where it goes
    std::vector<TKey> slots_;
    size_t used_ = 0;
};

// Options of a pairing text ("Home vs Visitor").
struct TPairingOptions {
    bool OppositeOrder = false;  // the opposite of the HostFirst preference
    bool ForceHostFirst = false; // home team first whatever the preference says
    bool WithDate = false;
    bool WithScore = false;
    bool WithComments = false;
};

// The root object of one tournament: identity, structure, rules, shared lists and
// presentation settings. Every change of the structure goes through its operations, which
// keep the joint, conference and group tables consistent.
class TTournament {
public:
    // A blank tournament, as used before loading a file.
    explicit TTournament(const TTournamentDefaults& defaults);
    ~TTournament();
    TTournament(const TTournament&) = delete;
    TTournament& operator=(const TTournament&) = delete;

    int LastMatchId = -1;
    QString Name;
    QString FileName;
    double Created = 0;
    double SavedAt = 0;
    int Sport = 0;
    int GroupLegs = 0;
    int ConferenceLegs = 0;
    int InterConferenceLegs = 0;
    bool Overtime = false;
    bool ShootOuts = false;
    double WinPoints = 0;
    double DrawPoints = 0;
    double LossPoints = 0;
    double WinOTPoints = 0;
    double LossOTPoints = 0;
    double WinSOPoints = 0;
    double LossSOPoints = 0;
    double ForfeitLossScore = 0;
    double ForfeitWinScore = 0;
    double ForfeitPenalty = 0;
    std::vector<TReferee> Referees;
    std::vector<TStadium> Stadiums;
    TTableDimensions Dimensions;
    bool RankLeadersUp = false;
    // Head-to-head criteria read the matches among all the teams level on points (false), or,
    // as FIFA and UEFA rank, among the teams still level on every criterion before them (true).
    bool HeadToHeadStillLevel = false;
    std::vector<TSortColumn> SortCriteria;
    TSortState SortState;
    TMatchFilter MatchFilter;
    TTableView View;
    std::vector<int> SelectedGroups;
    std::vector<TTableColumn> Columns;
    std::vector<TTableColumn> SpareColumns;
    QString Comments;
    std::vector<int> FixtureColumns;
    TFixtureSort FixtureSort;
    bool IsModified = false;

    // ---- structure
    TGroup& JointTable() { return *joint_; }
    const TGroup& JointTable() const { return *joint_; }
    TConstParts<TConference> Conferences() const { return ConstParts(conferences_); }
    const std::vector<std::unique_ptr<TConference>>& Conferences() { return conferences_; }
    TConstParts<TGroup> Groups() const { return ConstParts(groups_); }
    const std::vector<std::unique_ptr<TGroup>>& Groups() { return groups_; }
    bool HasConferences() const { return !conferences_.empty(); }
    int TeamCount() const { return joint_->TeamCount(); }
    int MatchCount() const { return joint_->MatchCount(); }

    // A new conference with its conference table (named like it, legs = GroupLegs).
    TConference* AddConference(int id, const QString& name, const TGroupStyle& style);
    // Appends a group; a group with a conference id joins that conference's divisions.
    TGroup* AddGroup(std::unique_ptr<TGroup> group);
    TGroup* AddGroup(const QString& name, int legs, int conferenceId, int id,
                     const TGroupStyle& style);
    // Appends the team to the joint table, its group and its conference table; with place
    // fonts each of these tables gains one.
    TTeam* AddTeam(std::unique_ptr<TTeam> team, bool withPlaceFonts);
    TTeam* AddTeam(const QString& name, int orderNumber, int groupId, int id, bool withPlaceFonts);
    // Removes the team from its tables, removes all its matches and frees it.
    void RemoveTeam(TTeam* team, bool withPlaceFonts);
    // Adds a match to the joint table, its group and its conference table. Refused (false,
    // the match stays with the caller, unnumbered) when a team is unknown or the pair already
    // has a match in that leg. A match with id -1 takes LastMatchId + 1.
    bool AddMatch(std::unique_ptr<TMatch>& match, TPairLegIndex* index = nullptr);
    void RemoveMatch(TMatch* match);
    bool RemoveMatchById(int id);
    // Removes the given matches from every table (one pass, for bulk removals).
    void RemoveMatches(const std::vector<TMatch*>& matches);
    // Every group removes its played matches whose two scores are equal.
    void RemoveDrawnMatches();
    // Replaces every match by a copy in the match class of `sport`.
    void ConvertMatches(int sport);
    // New legs; matches beyond the new limits are removed.
    void ChangeLegs(int groupLegs, int conferenceLegs, int interConferenceLegs);
    // Gives the tournament the plan's structure: what keeps its id keeps its object, teams
    // left out go with their matches, and matches the legs no longer allow are dropped (with
    // conferences: across conferences beyond InterConferenceLegs, across divisions beyond
    // ConferenceLegs; without: across groups). Each table ends with one place font per team,
    // new ones from its style, surplus ones taken from the front. Tables are not recounted.
    void Restructure(const TStructurePlan& plan);
    // Copies a style into the joint table, every conference table and every group.
    void ApplyStyleToAll(const TGroupStyle& style);
    // The tables of the chosen view mode: the joint table, the groups or the conference tables.
    std::vector<const TGroup*> ShownTables() const;
    std::vector<TGroup*> ShownTables();
    // The joint table, every conference table and every group.
    std::vector<const TGroup*> AllTables() const;
    std::vector<TGroup*> AllTables();

    // ---- lookups
    const TGroup* GroupAt(int index) const { return MutableGroupAt(index); }
    TGroup* GroupAt(int index) { return MutableGroupAt(index); }
    const TGroup* GroupById(int id) const { return MutableGroupById(id); }
    TGroup* GroupById(int id) { return MutableGroupById(id); }
    const TConference* ConferenceAt(int index) const { return MutableConferenceAt(index); }
    TConference* ConferenceAt(int index) { return MutableConferenceAt(index); }
    const TConference* ConferenceById(int id) const { return MutableConferenceById(id); }
    TConference* ConferenceById(int id) { return MutableConferenceById(id); }
    const TConference* ConferenceOfTeam(int teamId) const {
        return MutableConferenceOfTeam(teamId);
    }
    TConference* ConferenceOfTeam(int teamId) { return MutableConferenceOfTeam(teamId); }
    const TConference* CommonConference(int teamA, int teamB) const {
        return MutableCommonConference(teamA, teamB);
    }
    TConference* CommonConference(int teamA, int teamB) {
        return MutableCommonConference(teamA, teamB);
    }
    const TGroup* GroupOfTeam(int teamId) const { return MutableGroupOfTeam(teamId); }
    TGroup* GroupOfTeam(int teamId) { return MutableGroupOfTeam(teamId); }
    const TTeam* TeamById(int id) const { return MutableTeamById(id); }
    TTeam* TeamById(int id) { return MutableTeamById(id); }
    const TMatch* MatchAt(int index) const { return joint_->MatchAt(index); }
    TMatch* MatchAt(int index) { return joint_->MatchAt(index); }
    const TMatch* MatchById(int id) const { return joint_->MatchById(id); }
    TMatch* MatchById(int id) { return joint_->MatchById(id); }
    const TMatch* MatchOfPairInLeg(int a, int b, int leg) const {
        return joint_->MatchOfPairInLeg(a, b, leg);
    }
    TMatch* MatchOfPairInLeg(int a, int b, int leg) { return joint_->MatchOfPairInLeg(a, b, leg); }
    // The table a team's standings live in: its group, else the joint table.
    const TGroup* TableOfTeam(int teamId) const { return MutableTableOfTeam(teamId); }
    TGroup* TableOfTeam(int teamId) { return MutableTableOfTeam(teamId); }
    int LegsOfPair(int teamA, int teamB) const;
    int LargestConferenceId() const;
    int LargestGroupId() const;
    int LargestTeamId() const;
    int LargestRefereeId() const;
    int LargestStadiumId() const;
    // The id a new stadium or referee takes: above every id of the list and every id a match or
    // a team still names, so that a deleted one's matches never come to name a new one.
    int NextStadiumId() const;
    int NextRefereeId() const;

    // ---- referees and stadiums
    const TStadium* StadiumById(int id) const;
    const TReferee* RefereeById(int id) const;
    int StadiumIdByName(const QString& name) const; // ignoring case
    int RefereeIdByName(const QString& name) const; // exact
    QString StadiumName(int id) const;
    QString TeamName(int id) const; // empty for an unknown team
    QString RefereeName(int id) const;
    int AddStadium(const QString& name, const QString& country, const QString& city, int capacity);
    int AddReferee(const QString& name, const QString& country, const QString& city, int birthYear);

    // ---- matches of teams and dates
    const TMatch* TeamMatchOnMatchday(int teamId, int matchday, int excludeMatchId = -1) const {
        return MutableTeamMatchOnMatchday(teamId, matchday, excludeMatchId);
    }
    TMatch* TeamMatchOnMatchday(int teamId, int matchday, int excludeMatchId = -1) {
        return MutableTeamMatchOnMatchday(teamId, matchday, excludeMatchId);
    }
    const TMatch* TeamMatchOnDate(int teamId, double date, int excludeMatchId = -1) const {
        return MutableTeamMatchOnDate(teamId, date, excludeMatchId);
    }
    TMatch* TeamMatchOnDate(int teamId, double date, int excludeMatchId = -1) {
        return MutableTeamMatchOnDate(teamId, date, excludeMatchId);
    }
    // venue 1 all, 2 home, 3 away
    std::vector<const TMatch*> TeamMatches(int teamId, int venue, bool playedOnly,
                                           bool filtered) const;
    std::vector<TMatch*> TeamMatches(int teamId, int venue, bool playedOnly, bool filtered);
    double FirstMatchDate() const;
    double LastMatchDate() const;
    int LastMatchday() const;

    // ---- rules
    // Points are calculated when the first ranking criterion is "Points".
    bool CalculatesPoints() const;
    double MaxMatchPoints() const;

    // ---- fixture checks
    bool MayMeet(int teamA, int teamB, int leg) const;
    int FirstFreeLeg(int teamA, int teamB) const;
    bool MayHost(int home, int visitor) const;
    // The message of a team already playing on that matchday / date; empty when none.
    QString MatchdayClash(int teamA, int teamB, int matchday, int excludeMatchId = -1) const;
    QString DateClash(int teamA, int teamB, double date, int excludeMatchId = -1) const;

    // ---- texts
    QString PairingText(const TMatch& match, const TPairingOptions& options = {}) const;
    QString TeamListName(const TTeam& team) const;

private:
    // The lookups above, for both of them.
    TGroup* MutableGroupAt(int index) const;
    TGroup* MutableGroupById(int id) const;
    TConference* MutableConferenceAt(int index) const;
    TConference* MutableConferenceById(int id) const;
    TConference* MutableConferenceOfTeam(int teamId) const;
    TConference* MutableCommonConference(int teamA, int teamB) const;
    TGroup* MutableGroupOfTeam(int teamId) const;
    TTeam* MutableTeamById(int id) const;
    TGroup* MutableTableOfTeam(int teamId) const;
    TMatch* MutableTeamMatchOnMatchday(int teamId, int matchday, int excludeMatchId) const;
    TMatch* MutableTeamMatchOnDate(int teamId, double date, int excludeMatchId) const;
    std::vector<TGroup*> MutableShownTables() const;
    std::vector<TGroup*> MutableAllTables() const;
    std::vector<TMatch*> MutableTeamMatches(int teamId, int venue, bool playedOnly,
                                            bool filtered) const;
    void AddToTables(TMatch* match, const TTeam* home, const TTeam* visitor);

    std::unique_ptr<TGroup> joint_;
    std::vector<std::unique_ptr<TConference>> conferences_;
    std::vector<std::unique_ptr<TGroup>> groups_;
    std::vector<std::unique_ptr<TTeam>> teamStore_;
    // Owns the matches, in the same order as the joint table's list.
    std::vector<std::unique_ptr<TMatch>> matchStore_;
    QHash<int, TTeam*> teamIndex_;
};

} // namespace kv
