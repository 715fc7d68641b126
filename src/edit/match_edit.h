#pragma once

#include "model/tournament.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

// Editing one match as the score dialog does: the dialog's fields as texts and choices, the
// checks in their order (each with its message and the page and field to show), and what
// applying the fields to a match changes.
namespace kv {

enum TMatchPage : int { PageScore = 0, PagePlace = 1, PageReferees = 2, PageComments = 3 };

// What the dialog's fields hold.
struct TMatchFields {
    QString Score;
    int DecidedIn = 0; // the overtime choice: 0 normal time, 1 overtime, 2 shoot-outs
    bool Forfeited = false;
    int ForfeitedTeam = 2; // 1 the home team, 2 the visiting team
    QString Number;
    int Leg = 1;
    std::optional<QString> GridPosition; // the field's text; none: the match keeps its own
    QString Matchday;
    QString Date; // empty: no date
    QString Time; // empty or "__:__": no time
    QString Attendance;
    QString Temperature;
    int StadiumId = -1;
    QList<int> Referees;
    QString Comments;
};

// The fields of a match, as the dialog shows them (`hostFirst`: the score home first).
TMatchFields FieldsOf(const TTournament& t, const TMatch& m, bool hostFirst);

// The forfeit score as the score field shows it: the forfeiting team's `ForfeitLossScore`, the
// other's `ForfeitWinScore`, in field order.
QString ForfeitScoreText(const TTournament& t, int forfeitedTeam, bool hostFirst);

struct TMatchCheck {
    bool Ok = true;
    QString Message;
    int Page = PageScore;
    QString Field; // the object name of the field to focus ("ScoreEdit", "NumberEdit", ...)
};

// Checks the fields in the dialog's order and, when they pass, writes them into `result` (a
// copy of the match being edited, or a new one of the pair). `matchId` is the stored match's
// id, -1 for a new one.
TMatchCheck ApplyMatchFields(const TTournament& t, const TMatchFields& fields, bool hostFirst,
                             int matchId, TMatch& result);

// Whether two matches hold the same values (periods included).
bool SameMatch(const TMatch& a, const TMatch& b);

// Whether a match holds nothing the dialog can enter (its home team's stadium counts as none).
bool IsEmptyMatch(const TTournament& t, const TMatch& m);

// Whether the standings must be counted again after `before` became `after`.
bool ChangesStandings(const TMatch& before, const TMatch& after);

// The name of the undo step of an edit: "Score 2:1 Ajax vs Bern", "Change Ajax vs Bern",
// "Delete Ajax vs Bern".
QString MatchEditName(const TTournament& t, const TMatch& m, bool scoreEntered, bool deleted);

// What applying the dialog's match does: an empty new match is not added, an emptied one is
// taken out, anything else is stored. `stored` is null for a new match.
struct TMatchApplyPlan {
    enum TAction { Nothing, Store, Remove } Action = Nothing;
    bool Recount = false; // the standings must be counted again
    QString StepName;
};
TMatchApplyPlan PlanMatchApply(const TTournament& t, const TMatch* stored, const TMatch& edited);

} // namespace kv
