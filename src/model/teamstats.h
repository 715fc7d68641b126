#pragma once

#include <QList>

#include <array>

namespace kv {

// The counts and sums of one venue (home or away) behind every table figure.
struct TVenueStats {
    double GoalsFor = 0;
    double GoalsAgainst = 0;
    int OTWins = 0;
    int OTDraws = 0;
    int OTLosses = 0;
    int SOWins = 0;
    int SOLosses = 0;
    int Wins = 0;
    int Draws = 0;
    int Losses = 0;
    int ExtraTimeMatches = 0;
    double PenaltyPoints = 0;
    double H2HPoints = 0;
    double H2HGoalsFor = 0;
    double H2HGoalsAgainst = 0;
    int H2HWins = 0;
    int H2HDraws = 0;
    int H2HLosses = 0;
    qint64 AttendanceSum = 0;

    int Played() const {
        return Wins + OTWins + SOWins + Draws + OTDraws + Losses + OTLosses + SOLosses;
    }
    int TotalWon() const { return Wins + OTWins + SOWins; }
    int TotalDrawn() const { return Draws + OTDraws; }
    int TotalLost() const { return Losses + OTLosses + SOLosses; }
    int H2HPlayed() const { return H2HWins + H2HDraws + H2HLosses; }
};

// A distinct score of a team's matches, stored as (higher, lower), with counts.
struct TStatsScore {
    double High = 0;
    double Low = 0;
    int HomeCount = 0;
    int AwayCount = 0;
};

// A referee of a team's matches with counts.
struct TStatsReferee {
    int RefereeId = -1;
    int MainCount = 0;
    int AssistantCount = 0;
};

// Cumulative points after each matchday (or date).
template <typename Key> struct TProgress {
    QList<Key> Keys;
    QList<double> Points;

    void Clear() {
        Keys.clear();
        Points.clear();
    }
    double Last() const { return Points.isEmpty() ? 0.0 : Points.last(); }
    // Adds points after `key`: replaces the value of a key already present, else appends. Keys
    // come in ascending order as a rule, so the last one is looked at first: a season's progress
    // is recorded in time linear in its matches.
    void Record(Key key, double cumulative) {
        if (!Keys.isEmpty() && Keys.last() == key) {
            Points.last() = cumulative;
            return;
        }
        const qsizetype at = !Keys.isEmpty() && key < Keys.last() ? Keys.indexOf(key) : -1;
        if (at >= 0) {
            Points[at] = cumulative;
        } else {
            Keys << key;
            Points << cumulative;
        }
    }
};
using TMatchdayPoints = TProgress<int>;
using TDatePoints = TProgress<double>;

// One team's statistics record, shared by every table the team is in: a table recomputes it
// from its own matches. Places are indexed by scope (1 overall, 2 home, 3 away).
// The best and worst final place a team can still reach in a table, and its matches still to
// play there. Places are 1-based; 0 while unknown (not worked out yet, or cancelled).
struct TPlaceOutlook {
    int Best = 0;
    int Worst = 0;
    int Remaining = 0;

    bool Known() const { return Best > 0 && Worst > 0; }
    bool operator==(const TPlaceOutlook&) const = default;
};

struct TTeamStats {
    TVenueStats Home;
    TVenueStats Away;
    std::array<int, 4> GroupPlace{};
    std::array<int, 4> ConferencePlace{};
    std::array<int, 4> JointPlace{};
    // The outlook in each kind of table (joint, group, conference), worked out on its own, and
    // the kind of the table whose figures the record holds now.
    std::array<TPlaceOutlook, 3> Outlook{};
    int TableKind = 0;
    QList<TStatsScore> Scores;
    QList<TStatsReferee> Referees;
    TMatchdayPoints ByMatchday;
    TDatePoints ByDate;

    // Clears counts, sums and places (the progress and lists have their own computations).
    void Reset() {
        Home = TVenueStats{};
        Away = TVenueStats{};
        GroupPlace.fill(0);
        ConferencePlace.fill(0);
        JointPlace.fill(0);
    }
};

} // namespace kv
