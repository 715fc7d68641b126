#pragma once

#include "base/fontdata.h"
#include "model/teamstats.h"

#include <QString>

namespace kv {

class TTournament;

// One participant of a tournament.
class TTeam {
public:
    TTeam(const TTournament* tournament, const QString& name, int orderNumber, int groupId, int id);
    TTeam(const TTeam&) = delete;
    TTeam& operator=(const TTeam&) = delete;

    static constexpr int kNameCapacity = 50;
    static constexpr int kSymbolCapacity = 5;
    static constexpr int kTextCapacity = 50;

    const TTournament* Tournament = nullptr;
    int Id = -1;
    int GroupId = -1;
    int OrderNumber = 0;
    QString Name;
    QString Symbol;
    double AddedPoints = 0;
    double AddedGoalsFor = 0;
    double AddedGoalsAgainst = 0;
    int FoundationYear = -1;
    QString Country;
    QString City;
    QString MainCoach;
    QString President;
    int HomeStadiumId = -1;
    bool Enabled = true; // not stored
    bool SeparateFont = false;
    bool SeparateBackground = false;
    TColor BackgroundColor = clWhite;
    TFontData Font;
    bool UpperCase = false;
    // The team's figures, places and progress in the tables last worked out. They are a cache
    // of what the matches give, brought up to date by whoever shows or exports a table, also
    // through a read-only tournament; they are never stored and never undone.
    mutable TTeamStats Stats;

    // Copies every field but the tournament and the statistics.
    void AssignData(const TTeam& other);

    // "(city, country)" with only the present parts.
    QString LocationText() const;
    // The name, then the location text when there is one.
    QString DisplayName() const;
};

} // namespace kv
