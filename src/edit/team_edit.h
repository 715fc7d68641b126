#pragma once

#include "model/tournament.h"

#include <QString>

#include <memory>
#include <vector>

// The checks of a team's name and symbol as the team properties dialog takes them: each
// returns the message of a refusal, or empty.
namespace kv {

// Empty after trimming (8680), or another team's name ignoring case (8681).
QString CheckTeamName(const TTournament& t, int teamId, const QString& name);
// The symbol as it is kept: trimmed, upper-cased, at most five characters.
QString TeamSymbolOf(const QString& typed);
// Another team's symbol ignoring case (8682); an empty symbol is always allowed.
QString CheckTeamSymbol(const TTournament& t, int teamId, const QString& symbol);

// The team properties dialog's working copies of every team. Names and symbols are checked
// against the copies, so that two teams may swap names before the changes are applied.
class TTeamEdits {
public:
    explicit TTeamEdits(const TTournament& t);

    // The copy of the team with this id; null when there is none.
    const TTeam* Team(int id) const;
    TTeam* Team(int id);
    TConstParts<TTeam> Teams() const { return ConstParts(teams_); }
    QString CheckName(int teamId, const QString& name) const;
    QString CheckSymbol(int teamId, const QString& symbol) const;
    // Whether any copy differs from the tournament's team of the same id.
    bool ChangedFrom(const TTournament& t) const;
    // Copies every copy's data into the tournament's team of the same id.
    void ApplyTo(TTournament& t) const;

private:
    std::vector<std::unique_ptr<TTeam>> teams_;
};

// Whether two teams hold the same data (every field the dialog edits, and the ids).
bool SameTeamData(const TTeam& a, const TTeam& b);

} // namespace kv
