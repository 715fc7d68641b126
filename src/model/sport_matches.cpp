#include "model/sport_matches.h"

#include "base/language.h"
#include "model/sport.h"

namespace kv {

// ---- soccer family

TSetScoreResult TSoccerMatch::SetScoreText(const QString& text, bool visitorFirst,
                                           const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Soccer, text, visitorFirst, syntax);
}

QString TSoccerMatch::SuffixText(const TScoreTexts& t) const {
    if (DecidedIn == 1) return QLatin1Char(' ') + t.SoccerOvertimeAbbrev;
    if (DecidedIn == 2) return QLatin1Char(' ') + t.SoccerShootoutAbbrev;
    return QString();
}

QString TSoccerMatch::GetPeriodName(int period, bool capitalised) const {
    QString name;
    if (period <= 0)
        name = LangText(2202, "half");
    else if (period <= 2)
        name = LangText(2201, "%d-th half").replace(QLatin1String("%d"), QString::number(period));
    else
        name = LangText(2200, "%d-th additional half")
                   .replace(QLatin1String("%d"), QString::number(period - 2));
    return capitalised ? name : name.toLower();
}

// ---- hockey

TSetScoreResult THockeyMatch::SetScoreText(const QString& text, bool visitorFirst,
                                           const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Hockey, text, visitorFirst, syntax);
}

int THockeyMatch::GetOutcome(bool home) const {
    if (IsForfeited()) {
        const bool sideForfeited = (home && TechnicalLoss == 1) || (!home && TechnicalLoss == 2);
        return sideForfeited ? OutcomeLoss : OutcomeWin;
    }
    const double mine = home ? HomeScore : VisitorScore;
    const double theirs = home ? VisitorScore : HomeScore;
    switch (DecidedIn) {
    case 1:
        return mine > theirs ? OutcomeWinOT : (mine < theirs ? OutcomeLossOT : OutcomeDrawOT);
    case 2:
        return mine > theirs ? OutcomeWinSO : (mine < theirs ? OutcomeLossSO : OutcomeDraw);
    default:
        return mine > theirs ? OutcomeWin : (mine < theirs ? OutcomeLoss : OutcomeDraw);
    }
}

// ---- basketball

TSetScoreResult TBasketballMatch::SetScoreText(const QString& text, bool visitorFirst,
                                               const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Basketball, text, visitorFirst, syntax);
}

// Only the full form has basketball's own overtime word and the literal shoot-out mark; the
// short form is worded as in the rest of the family.
QString TBasketballMatch::FullSuffixText(const TScoreTexts& t) const {
    if (DecidedIn == 1) return QLatin1Char(' ') + t.BasketballOvertimeAbbrev;
    if (DecidedIn == 2) return QStringLiteral(" SO");
    return QString();
}

QString TBasketballMatch::PeriodListText(bool hostFirst, const QString& sep) const {
    QStringList parts;
    for (int i = 0; i < PeriodCount(); ++i)
        parts << PeriodText(i, hostFirst, sep);
    return parts.join(QStringLiteral(", "));
}

// ---- sets

TSetScoreResult TVolleyballMatch::SetScoreText(const QString& text, bool visitorFirst,
                                               const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Volleyball, text, visitorFirst, syntax);
}

TSetScoreResult TTennisMatch::SetScoreText(const QString& text, bool visitorFirst,
                                           const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Tennis, text, visitorFirst, syntax);
}

// ---- US football

TSetScoreResult TUSAFootballMatch::SetScoreText(const QString& text, bool visitorFirst,
                                                const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::USFootball, text, visitorFirst, syntax);
}

// ---- baseball

TSetScoreResult TBaseballMatch::SetScoreText(const QString& text, bool visitorFirst,
                                             const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Baseball, text, visitorFirst, syntax);
}

void TBaseballMatch::ClearForEmptyScore() {
    ClearPeriods();
    HomeScore = 0;
    VisitorScore = 0;
}

// ---- chess

QString TChessMatch::GetScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const {
    if (!Played) return QString();
    if (IsForfeited()) return ForfeitText(hostFirst, t.Separator);
    const double first = hostFirst ? HomeScore : VisitorScore;
    const double second = hostFirst ? VisitorScore : HomeScore;
    QString text = first > second ? QStringLiteral("1")
                                  : (first < second ? QStringLiteral("0") : QStringLiteral("="));
    if (withSuffix) text += SuffixText(t);
    return text;
}

TSetScoreResult TChessMatch::SetScoreText(const QString& text, bool visitorFirst,
                                          const TScoreSyntax& syntax) {
    return StoreParsed(TScoreKind::Chess, text, visitorFirst, syntax);
}

void TChessMatch::ClearForEmptyScore() {
    HomeScore = 0;
    VisitorScore = 0;
}

// ---- factory

std::unique_ptr<TMatch> CreateMatch(int sport, int id, int homeTeamId, int visitorTeamId, int leg) {
    switch (NormalizeSport(sport)) {
    case SportSoccer:
    case SportFutsal:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        return std::make_unique<TSoccerMatch>(id, homeTeamId, visitorTeamId, leg);
    case SportHockey:
        return std::make_unique<THockeyMatch>(id, homeTeamId, visitorTeamId, leg);
    case SportBasketball:
        return std::make_unique<TBasketballMatch>(id, homeTeamId, visitorTeamId, leg);
    case SportVolleyball:
        return std::make_unique<TVolleyballMatch>(id, homeTeamId, visitorTeamId, leg);
    case SportTennis:
        return std::make_unique<TTennisMatch>(id, homeTeamId, visitorTeamId, leg);
    case SportChess:
        return std::make_unique<TChessMatch>(id, homeTeamId, visitorTeamId, leg);
    case SportUSFootball:
        return std::make_unique<TUSAFootballMatch>(id, homeTeamId, visitorTeamId, leg);
    case SportBaseball:
        return std::make_unique<TBaseballMatch>(id, homeTeamId, visitorTeamId, leg);
    default:
        return std::make_unique<TMatch>(id, homeTeamId, visitorTeamId, leg);
    }
}

std::unique_ptr<TMatch> CreateMatch(int sport, const TMatch& source) {
    auto match = CreateMatch(sport);
    match->Assign(source);
    return match;
}

std::unique_ptr<TMatch> CreateMatch(int sport) {
    return CreateMatch(sport, -1, -1, -1, -1);
}

} // namespace kv
