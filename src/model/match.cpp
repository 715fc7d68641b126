#include "model/match.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"

namespace kv {

TScoreTexts TScoreTexts::Current() {
    TScoreTexts t;
    t.Separator = PrefScoreSep();
    t.OvertimeAbbrev = LangText(2100, "OT");
    t.ShootoutAbbrev = LangText(2101, "SO");
    t.SoccerOvertimeAbbrev = LangText(2203, "aet");
    t.SoccerShootoutAbbrev = LangText(2204, "PSO");
    t.BasketballOvertimeAbbrev = LangText(2400, "OT");
    return t;
}

TMatch::TMatch(int id, int homeTeamId, int visitorTeamId, int leg)
    : Id(id), HomeTeamId(homeTeamId), VisitorTeamId(visitorTeamId), Leg(leg) {}

void TMatch::Assign(const TMatch& other) {
    HomeScore = other.HomeScore;
    VisitorScore = other.VisitorScore;
    Id = other.Id;
    GridPosition = other.GridPosition;
    Number = other.Number;
    HomeTeamId = other.HomeTeamId;
    VisitorTeamId = other.VisitorTeamId;
    Played = other.Played;
    Leg = other.Leg;
    Matchday = other.Matchday;
    HasDate = other.HasDate;
    Date = other.Date;
    HasTime = other.HasTime;
    Time = other.Time;
    StadiumId = other.StadiumId;
    Attendance = other.Attendance;
    HasTemperature = other.HasTemperature;
    Temperature = other.Temperature;
    TechnicalLoss = other.TechnicalLoss;
    DecidedIn = other.DecidedIn;
    RefereeIds = other.RefereeIds;
    Comments = other.Comments;
}

QString TMatch::ScoreValueText(double value) const {
    return FormatFloat2(value);
}

QString TMatch::SuffixText(const TScoreTexts& t) const {
    if (DecidedIn == 1) return QLatin1Char(' ') + t.OvertimeAbbrev;
    if (DecidedIn == 2) return QLatin1Char(' ') + t.ShootoutAbbrev;
    return QString();
}

QString TMatch::Ordered(const QString& home, const QString& visitor, bool hostFirst,
                        const QString& sep) const {
    return hostFirst ? home + sep + visitor : visitor + sep + home;
}

QString TMatch::ForfeitText(bool hostFirst, const QString& sep) const {
    const QString home = TechnicalLoss == 2 ? QStringLiteral("+") : QStringLiteral("-");
    const QString visitor = TechnicalLoss == 1 ? QStringLiteral("+") : QStringLiteral("-");
    return Ordered(home, visitor, hostFirst, sep);
}

QString TMatch::GetScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const {
    if (!Played) return QString();
    if (IsForfeited()) return ForfeitText(hostFirst, t.Separator);
    QString text =
        Ordered(ScoreValueText(HomeScore), ScoreValueText(VisitorScore), hostFirst, t.Separator);
    if (withSuffix) text += SuffixText(t);
    return text;
}

QString TMatch::GetFullScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const {
    return GetScoreText(hostFirst, withSuffix, t);
}

QString TMatch::GetPeriodScoreText(bool hostFirst, bool withSuffix, int /*period*/,
                                   const TScoreTexts& t) const {
    return GetScoreText(hostFirst, withSuffix, t);
}

int TMatch::GetOutcome(bool home) const {
    if (IsForfeited()) {
        const bool sideForfeited = (home && TechnicalLoss == 1) || (!home && TechnicalLoss == 2);
        return sideForfeited ? OutcomeLoss : OutcomeWin;
    }
    const double mine = home ? HomeScore : VisitorScore;
    const double theirs = home ? VisitorScore : HomeScore;
    if (mine > theirs) return OutcomeWin;
    return mine == theirs ? OutcomeDraw : OutcomeLoss;
}

TSetScoreResult TMatch::SetScoreText(const QString& text, bool visitorFirst,
                                     const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Other, text, visitorFirst, syntax);
}

double TMatch::GetPeriodHomeScore(int) const {
    return HomeScore;
}
double TMatch::GetPeriodVisitorScore(int) const {
    return VisitorScore;
}
bool TMatch::HasPeriod(int period) const {
    return period == 0;
}
double TMatch::GetPeriodDifference(int period) const {
    return GetPeriodHomeScore(period) - GetPeriodVisitorScore(period);
}

QString TMatch::GetPeriodName(int, bool capitalised) const {
    const QString name = LangText(2103, "Period");
    return capitalised ? name : name.toLower();
}

QString TMatch::GetFullScoreText(bool hostFirst, bool withSuffix) const {
    return GetFullScoreText(hostFirst, withSuffix, TScoreTexts::Current());
}

QString TMatch::GetScoreText(bool hostFirst, bool withSuffix) const {
    return GetScoreText(hostFirst, withSuffix, TScoreTexts::Current());
}

QString TMatch::GetPeriodScoreText(bool hostFirst, bool withSuffix, int period) const {
    return GetPeriodScoreText(hostFirst, withSuffix, period, TScoreTexts::Current());
}

TSetScoreResult TMatch::SetScoreText(const QString& text, bool visitorFirst) {
    return SetScoreText(text, visitorFirst, TScoreSyntax::Current());
}

bool TMatch::AddReferee(int refereeId) {
    if (refereeId == -1 || RefereeIds.size() >= 5) return false;
    RefereeIds << refereeId;
    return true;
}

bool TMatch::IsEmpty(bool withStadium) const {
    return !HasNumber() && !Played && !HasMatchday() && !HasDate && !HasTime && !HasAttendance() &&
           !HasTemperature && RefereeIds.isEmpty() && Comments.isEmpty() &&
           (!withStadium || !HasStadium());
}

void TMatch::StorePeriods(const TParsedScore&) {}

void TMatch::ClearForEmptyScore() {}

TSetScoreResult TMatch::StoreParsed(TScoreKind kind, const QString& text, bool visitorFirst,
                                    const TScoreSyntax& syntax) {
    TParseOptions options;
    options.Mode = TParseMode::Store;
    options.VisitorFirst = visitorFirst;
    const TParsedScore parsed = ParseScore(kind, text, options, syntax);
    if (!parsed.Ok) return {false, parsed.Message};
    if (parsed.Empty) {
        Played = false;
        TechnicalLoss = 0;
        DecidedIn = 0;
        ClearForEmptyScore();
        return {true, QString()};
    }
    HomeScore = parsed.Home;
    VisitorScore = parsed.Visitor;
    if (parsed.DecidedIn >= 0) DecidedIn = static_cast<quint8>(parsed.DecidedIn);
    StorePeriods(parsed);
    Played = true;
    return {true, QString()};
}

} // namespace kv
