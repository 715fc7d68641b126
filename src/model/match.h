#pragma once

#include "model/score_parser.h"

#include <QList>
#include <QString>

#include <memory>

namespace kv {

// Words and separator used when a score is written as text: read once per operation.
struct TScoreTexts {
    QString Separator = QStringLiteral(":");
    QString OvertimeAbbrev = QStringLiteral("OT");           // id 2100
    QString ShootoutAbbrev = QStringLiteral("SO");           // id 2101
    QString SoccerOvertimeAbbrev = QStringLiteral("aet");    // id 2203
    QString SoccerShootoutAbbrev = QStringLiteral("PSO");    // id 2204
    QString BasketballOvertimeAbbrev = QStringLiteral("OT"); // id 2400

    static TScoreTexts Current();
    bool operator==(const TScoreTexts&) const = default;
};

struct TSetScoreResult {
    bool Ok = false;
    QString Message;
};

// Outcome of a match for one side.
enum TOutcome : int {
    OutcomeWin = 0,
    OutcomeDraw = 1,
    OutcomeLoss = 2,
    OutcomeWinOT = 3,
    OutcomeDrawOT = 4,
    OutcomeLossOT = 5,
    OutcomeWinSO = 6,
    OutcomeLossSO = 7,
};

// One fixture between a home team and a visiting team, with or without a result. The class
// is chosen by the tournament's sport (CreateMatch); sports differ in how scores are typed,
// written and decided.
class TMatch {
public:
    TMatch() = default;
    TMatch(int id, int homeTeamId, int visitorTeamId, int leg);
    virtual ~TMatch() = default;
    TMatch(const TMatch&) = delete;
    TMatch& operator=(const TMatch&) = delete;

    double HomeScore = 0;
    double VisitorScore = 0;
    int Id = -1;
    int GridPosition = 0;
    int Number = -1;
    int HomeTeamId = -1;
    int VisitorTeamId = -1;
    bool Played = false;
    int Leg = -1;
    int Matchday = -1;
    bool HasDate = false;
    double Date = 0;
    bool HasTime = false;
    double Time = 0;
    int StadiumId = -1;
    int Attendance = -1;
    bool HasTemperature = false;
    int Temperature = 0;
    quint8 TechnicalLoss = 0; // 1: the home team forfeited, 2: the visiting team forfeited
    quint8 DecidedIn = 0;     // 0 normal time, 1 overtime, 2 shoot-outs
    QList<int> RefereeIds;
    QString Comments;

    virtual void Assign(const TMatch& other);
    virtual QString GetFullScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const;
    virtual QString GetScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const;
    virtual QString GetPeriodScoreText(bool hostFirst, bool withSuffix, int period,
                                       const TScoreTexts& t) const;
    virtual int GetOutcome(bool home) const;
    virtual TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                         const TScoreSyntax& syntax);
    virtual double GetPeriodHomeScore(int period) const;
    virtual double GetPeriodVisitorScore(int period) const;
    virtual bool HasPeriod(int period) const;
    virtual double GetPeriodDifference(int period) const;
    virtual QString GetPeriodName(int period, bool capitalised) const;
    // Matches built on periods keep a period list (and store it in the file).
    virtual bool HasPeriodList() const { return false; }

    // The same operations with the current preferences and language.
    QString GetFullScoreText(bool hostFirst, bool withSuffix) const;
    QString GetScoreText(bool hostFirst, bool withSuffix) const;
    QString GetPeriodScoreText(bool hostFirst, bool withSuffix, int period) const;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst);

    bool HasComments() const { return !Comments.isEmpty(); }
    // Refused when the id is -1 or the match already has five referees.
    bool AddReferee(int refereeId);

    double TotalScore() const { return HomeScore + VisitorScore; }
    double GoalDifference() const { return HomeScore - VisitorScore; }
    bool HasNumber() const { return Number > 0; }
    bool HasStadium() const { return StadiumId != -1; }
    bool HasAttendance() const { return Attendance >= 0; }
    bool HasMatchday() const { return Matchday > 0; }
    bool IsForfeited() const { return TechnicalLoss != 0; }
    int RefereeCount() const { return static_cast<int>(RefereeIds.size()); }
    int FirstRefereeId() const { return RefereeIds.isEmpty() ? -1 : RefereeIds.first(); }
    int RefereePosition(int refereeId) const {
        return static_cast<int>(RefereeIds.indexOf(refereeId));
    }
    bool Involves(int teamId) const { return HomeTeamId == teamId || VisitorTeamId == teamId; }
    // No field differs from a new match (the stadium counts only when asked).
    bool IsEmpty(bool withStadium) const;

protected:
    // How the class writes one score value and its decision suffix.
    virtual QString ScoreValueText(double value) const;
    virtual QString SuffixText(const TScoreTexts& t) const;
    // The suffix of the full score form; the short one unless a sport words it otherwise.
    virtual QString FullSuffixText(const TScoreTexts& t) const { return SuffixText(t); }
    QString ForfeitText(bool hostFirst, const QString& sep) const;
    QString Ordered(const QString& home, const QString& visitor, bool hostFirst,
                    const QString& sep) const;
    // Stores a parsed score of the given kind into the match.
    TSetScoreResult StoreParsed(TScoreKind kind, const QString& text, bool visitorFirst,
                                const TScoreSyntax& syntax);
    virtual void StorePeriods(const TParsedScore& parsed);
    virtual void ClearForEmptyScore();
};

// Creates the match class of a sport.
std::unique_ptr<TMatch> CreateMatch(int sport, int id, int homeTeamId, int visitorTeamId, int leg);
std::unique_ptr<TMatch> CreateMatch(int sport, const TMatch& source);
std::unique_ptr<TMatch> CreateMatch(int sport);

} // namespace kv
