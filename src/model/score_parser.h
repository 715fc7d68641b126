#pragma once

#include <QChar>
#include <QString>
#include <QVarLengthArray>

// The typed-score syntax of every sport: normalising, checking and parsing. One parser serves
// both the tournament-level check (which knows the overtime and shoot-out rules) and the
// match classes' SetScoreText (which stores the result); where the two differ the mode says.
namespace kv {

enum class TScoreKind {
    Other,
    Soccer,
    Hockey,
    Basketball,
    Volleyball,
    Tennis,
    Chess,
    USFootball,
    Baseball
};

TScoreKind ScoreKindOfSport(int sport);

enum class TParseMode { Check, Store };

// What a parse needs from the settings and the language: read once per operation.
struct TScoreSyntax {
    QChar Separator = QLatin1Char(':');
    QString HockeyOvertimeMark = QStringLiteral("OT");
    QString BasketballOvertimeMark = QStringLiteral("OT");
    QString USFootballOvertimeMark = QStringLiteral("OT");

    static TScoreSyntax Current();
};

// Scores of the periods of a match; most matches have few, kept without a separate allocation.
using TPeriodList = QVarLengthArray<int, 6>;

struct TParsedScore {
    bool Ok = false;
    QString Message;    // set when refused
    bool Empty = false; // an empty text: the match is not played
    double Home = 0;
    double Visitor = 0;
    bool HasPeriods = false;
    TPeriodList HomePeriods;
    TPeriodList VisitorPeriods;
    int DecidedIn = -1; // -1: the text does not say
};

struct TParseOptions {
    TParseMode Mode = TParseMode::Check;
    bool OvertimeAllowed = true;
    bool ShootoutsAllowed = true;
    bool VisitorFirst = false; // the first number of a pair is the visitor's (storing only)
};

TParsedScore ParseScore(TScoreKind kind, const QString& text, const TParseOptions& options,
                        const TScoreSyntax& syntax);

// The tournament-level check of a typed score. Sports without a text syntax (Other, 13+)
// are never accepted.
struct TCheckResult {
    bool Ok = false;
    QString Message;
};
TCheckResult ValidateScoreText(int sport, const QString& text, bool overtimeAllowed,
                               bool shootoutsAllowed);
TCheckResult ValidateScoreText(int sport, const QString& text, bool overtimeAllowed,
                               bool shootoutsAllowed, const TScoreSyntax& syntax);

// The invalid-score message of a kind of score.
QString InvalidScoreMessage(TScoreKind kind);

} // namespace kv
