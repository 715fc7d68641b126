#pragma once

#include "model/tournament.h"

#include <QString>

// What each result is worth: the per-sport defaults, the points-rules editor's state with its
// show/hide rules, and what is saved into a tournament.
namespace kv {

struct TPointsDefaults {
    double Win, Draw, Loss, WinOT, LossOT, WinSO, LossSO;
    double ForfeitLossScore; // credited to the forfeiting team
    double ForfeitWinScore;  // credited to the other team
    double Penalty;
    bool Overtime;
};

TPointsDefaults PointsDefaults(int sport);

// The state of the points-rules editor.
struct TPointsRules {
    int Sport = 0;
    bool CalculatePoints = true;
    bool Overtime = false;
    bool ShootOuts = false;
    double Win = 0, Draw = 0, Loss = 0;
    double WinOT = 0, LossOT = 0, WinSO = 0, LossSO = 0;
    double ForfeitLossScore = 0, ForfeitWinScore = 0, Penalty = 0;

    // The defaults of a sport: overtime proposed for hockey and basketball, no shoot-outs,
    // points calculated except for chess, US football and baseball.
    static TPointsRules ForSport(int sport);
    static TPointsRules FromTournament(const TTournament& t);
};

// Which parts of the editor are shown.
struct TPointsLayout {
    bool CalculatePointsShown = false;
    bool PointsPanelShown = false;
    QString FirstRowLabel;
    bool DrawShown = false;
    bool OvertimeSwitchShown = false;
    QString OvertimeCaption;
    bool ShootOutSwitchShown = false;
    bool OvertimeFieldsShown = false;
    bool ShootOutFieldsShown = false;
    bool ForfeitPanelShown = true;
};

// Whether a match of the sport can end level: not where it always finds a winner, nor where
// shoot-outs decide every level match.
bool DrawsPossible(int sport, bool shootOuts);

// Computes the layout and switches hidden switches off.
TPointsLayout ApplyPointsLayout(TPointsRules& rules);

// Saves the rules into the tournament: overtime forced on for basketball and US football,
// hidden overtime and shoot-out values equal to the normal-time values.
void SaveRulesInto(TPointsRules rules, TTournament& t);

// Sets one rule by the tournament's field name: WinPoints, DrawPoints, LossPoints, WinOTPoints,
// LossOTPoints, WinSOPoints, LossSOPoints and ForfeitPenalty (0 to 9, as the rules dialog takes
// them), ForfeitLossScore and ForfeitWinScore (0 to 500), Overtime and ShootOuts (0 or 1).
// False with a message for an unknown name, a bad value, overtime switched off where the sport
// always has it or on where it has none, and shoot-outs in a sport without them.
bool SetPointsRule(TPointsRules& rules, const QString& name, const QString& value, QString& error);
// The names SetPointsRule takes.
QStringList PointsRuleNames();

// Points (40) or percentage (43), overall, descending.
TSortColumn ImpliedMainCriterion(const TPointsRules& rules);

// Points of one side's result. `forfeit` 1: the side forfeited (loss points minus penalty),
// 2: the opponent forfeited (win points); otherwise by the outcome code.
double PointsForOutcome(const TTournament& t, int outcome, int forfeit = 0);

} // namespace kv
