#pragma once

#include "model/tablestyle.h"

#include <QString>

#include <span>
#include <vector>

namespace kv {

class TMatch;
class TTeam;
class TTournament;

enum TGroupKind : quint8 { KindJoint = 0, KindGroup = 1, KindConference = 2 };

// Every table: a group or division (kind 1), a conference table (kind 2) or the joint table
// of the whole tournament (kind 0). A table refers to its teams and matches; the tournament
// owns them and every change of membership goes through the tournament's operations.
class TGroup {
public:
    TGroup(const TTournament* tournament, const QString& name, int legs, int conferenceId, int id);
    TGroup(const TGroup&) = delete;
    TGroup& operator=(const TGroup&) = delete;

    const TTournament* Tournament = nullptr;
    int Id = -1;
    int ConferenceId = -1;
    QString Name;
    int Legs = 1;
    TGroupStyle Style;
    bool Enabled = true;
    TGroupKind Kind = KindGroup;
    std::vector<TPlaceFont> PlaceFonts; // one per place, place 1 first
    // The order the user recorded (drawing of lots, fair play) for teams that every criterion
    // leaves level, as team ids. It decides only between teams still level; listed teams come
    // before unlisted ones, which go by name.
    std::vector<int> TieOrder;

    // The teams in their current order (ranking order once sorted).
    std::span<const TTeam* const> Teams() const { return teams_; }
    const std::vector<TTeam*>& Teams() { return teams_; }
    std::span<const TMatch* const> Matches() const { return matches_; }
    const std::vector<TMatch*>& Matches() { return matches_; }
    // Reorders the teams (ranking, order of entry); `order` holds the same teams. The order is
    // part of the standings a reader works out, so a read-only table may be reordered too.
    void SetTeamOrder(const std::vector<const TTeam*>& order) const;

    int TeamCount() const { return static_cast<int>(teams_.size()); }
    int MatchCount() const { return static_cast<int>(matches_.size()); }
    const TTeam* TeamAt(int index) const { return MutableTeamAt(index); }
    TTeam* TeamAt(int index) { return MutableTeamAt(index); }
    const TTeam* TeamById(int id) const { return MutableTeamById(id); }
    TTeam* TeamById(int id) { return MutableTeamById(id); }
    // 1-based position of the team; -1 when it is not in this table.
    int PlaceOf(const TTeam* team) const;
    const TTeam* TeamByName(const QString& name) const { return MutableTeamByName(name); }
    TTeam* TeamByName(const QString& name) { return MutableTeamByName(name); }
    const TTeam* TeamBySymbol(const QString& symbol) const { return MutableTeamBySymbol(symbol); }
    TTeam* TeamBySymbol(const QString& symbol) { return MutableTeamBySymbol(symbol); }
    const TMatch* MatchAt(int index) const { return MutableMatchAt(index); }
    TMatch* MatchAt(int index) { return MutableMatchAt(index); }
    const TMatch* MatchById(int id) const { return MutableMatchById(id); }
    TMatch* MatchById(int id) { return MutableMatchById(id); }

    // A match of the two teams, in either venue, in leg `leg`.
    const TMatch* MatchOfPairInLeg(int teamA, int teamB, int leg) const {
        return MutableMatchOfPairInLeg(teamA, teamB, leg);
    }
    TMatch* MatchOfPairInLeg(int teamA, int teamB, int leg) {
        return MutableMatchOfPairInLeg(teamA, teamB, leg);
    }
    // The match with exactly this home and visiting team (or either venue) whose grid
    // position, or leg when away results are shown, equals `position`.
    const TMatch* MatchOfPairAtPosition(int home, int visitor, int position,
                                        bool eitherVenue) const {
        return MutableMatchOfPairAtPosition(home, visitor, position, eitherVenue);
    }
    TMatch* MatchOfPairAtPosition(int home, int visitor, int position, bool eitherVenue) {
        return MutableMatchOfPairAtPosition(home, visitor, position, eitherVenue);
    }
    // The matches of the pair; counting stops at `Legs` matches.
    std::vector<const TMatch*> MatchesOfPair(int home, int visitor, bool eitherVenue) const;
    std::vector<TMatch*> MatchesOfPair(int home, int visitor, bool eitherVenue);

    int PlannedMatchCount() const;
    // The position of a new match of `home` against `visitor` in leg `leg` inside its
    // results-grid cell; -1 when every position is taken.
    int ProposedGridPosition(int home, int visitor, int leg, int matchId) const;

    QString DefaultLabel() const;
    QString LongLabel() const;

    // Appends a place font built from the table's style font / drops the last one.
    void AddPlaceFont();
    void DropLastPlaceFont();

private:
    // The lookups above, for both of them.
    TTeam* MutableTeamAt(int index) const;
    TTeam* MutableTeamById(int id) const;
    TTeam* MutableTeamByName(const QString& name) const;
    TTeam* MutableTeamBySymbol(const QString& symbol) const;
    TMatch* MutableMatchAt(int index) const;
    TMatch* MutableMatchById(int id) const;
    TMatch* MutableMatchOfPairInLeg(int teamA, int teamB, int leg) const;
    TMatch* MutableMatchOfPairAtPosition(int home, int visitor, int position,
                                         bool eitherVenue) const;
    std::vector<TMatch*> MutableMatchesOfPair(int home, int visitor, bool eitherVenue) const;
    friend class TTournament;
    mutable std::vector<TTeam*> teams_; // the set changes through the tournament only
    std::vector<TMatch*> matches_;
};

} // namespace kv
