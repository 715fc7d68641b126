#include "model/score_parser.h"

#include "base/language.h"
#include "base/preferences.h"
#include "model/sport.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int kMaxScore = 999;

bool UpperCases(TScoreKind k) {
    return k == TScoreKind::Hockey || k == TScoreKind::Basketball || k == TScoreKind::Volleyball ||
           k == TScoreKind::Tennis || k == TScoreKind::USFootball;
}

QString Normalize(TScoreKind kind, const QString& text, QChar sep) {
    QString s;
    s.reserve(text.size());
    const bool brackets = kind != TScoreKind::Baseball && kind != TScoreKind::Chess;
    for (QChar c : text) {
        if (c == QLatin1Char(' ')) continue;
        if (c == QLatin1Char('-') || c == QLatin1Char(':'))
            c = sep;
        else if (brackets && c == QLatin1Char(';'))
            c = QLatin1Char(',');
        else if (brackets && (c == QLatin1Char('[') || c == QLatin1Char('{')))
            c = QLatin1Char('(');
        else if (brackets && (c == QLatin1Char(']') || c == QLatin1Char('}')))
            c = QLatin1Char(')');
        s += c;
    }
    return UpperCases(kind) ? s.toUpper() : s;
}

bool ParseWhole(const QString& text, int& value) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 6) return false;
    int v = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        v = v * 10 + (c.unicode() - '0');
    }
    if (v > kMaxScore) return false;
    value = v;
    return true;
}

bool ParseDecimal(const QString& text, double& value) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (!(c.isDigit() || c == QLatin1Char('.'))) return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || v > kMaxScore) return false;
    value = v;
    return true;
}

// Splits "a<sep>b" at the first separator; both parts trimmed.
bool SplitPair(QString text, QChar sep, QString& first, QString& second) {
    text.replace(QChar(0xA0), QLatin1Char(' '));
    text = text.trimmed();
    text.replace(QLatin1Char('-'), sep);
    text.replace(QLatin1Char(':'), sep);
    const qsizetype at = text.indexOf(sep);
    if (at < 0) return false;
    first = text.left(at).trimmed();
    second = text.mid(at + 1).trimmed();
    return true;
}

bool ReadPair(const QString& text, QChar sep, int& a, int& b) {
    QString first, second;
    return SplitPair(text, sep, first, second) && ParseWhole(first, a) && ParseWhole(second, b);
}

bool ReadRealPair(const QString& text, QChar sep, double& a, double& b) {
    QString first, second;
    return SplitPair(text, sep, first, second) && ParseDecimal(first, a) && ParseDecimal(second, b);
}

struct TSplit {
    QString Final;
    bool HasParen = false;
    QStringList Periods;
    bool PeriodsOk = true;
};

TSplit SplitScore(const QString& text) {
    TSplit out;
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0) {
        out.Final = text;
        return out;
    }
    out.Final = text.left(open);
    out.HasParen = true;
    QString rest = text.mid(open + 1);
    const qsizetype commas = rest.count(QLatin1Char(','));
    for (qsizetype i = 0; i <= commas; ++i) {
        if (i < commas) {
            const qsizetype comma = rest.indexOf(QLatin1Char(','));
            out.Periods << rest.left(comma);
            rest = rest.mid(comma + 1);
        } else {
            const qsizetype close = rest.indexOf(QLatin1Char(')'));
            if (close < 0) {
                out.PeriodsOk = false;
                return out;
            }
            out.Periods << rest.left(close);
        }
    }
    return out;
}

// Removes the first overtime mark ("OT" or its translation); true when one was found.
bool TakeOvertimeMark(QString& text, const QString& translated) {
    qsizetype at = text.indexOf(QLatin1String("OT"));
    qsizetype length = 2;
    if (at < 0 && !translated.trimmed().isEmpty()) {
        QString mark = translated.toUpper();
        mark.remove(QLatin1Char(' '));
        at = text.indexOf(mark);
        length = mark.size();
    }
    if (at < 0) return false;
    text.remove(at, length);
    return true;
}

struct TParser {
    TScoreKind Kind;
    TParseOptions Options;
    TScoreSyntax Syntax;
    TParsedScore Result;

    bool Check() const { return Options.Mode == TParseMode::Check; }

    TParsedScore Fail(const QString& message) {
        TParsedScore r;
        r.Message = message;
        return r;
    }

    TParsedScore Invalid() { return Fail(InvalidScoreMessage(Kind)); }

    // Stores a pair in home/visitor order according to the visitor-first flag.
    void Orient(int a, int b, int& home, int& visitor) const {
        const bool swap = Options.VisitorFirst && !Check();
        home = swap ? b : a;
        visitor = swap ? a : b;
    }

    bool ReadFinal(const QString& text) {
        int a = 0, b = 0;
        if (!ReadPair(text, Syntax.Separator, a, b)) return false;
        int h = 0, v = 0;
        Orient(a, b, h, v);
        Result.Home = h;
        Result.Visitor = v;
        return true;
    }

    bool ReadPeriods(const TSplit& split) {
        if (!split.HasParen) return true;
        if (!split.PeriodsOk) return false;
        Result.HasPeriods = true;
        for (const QString& p : split.Periods) {
            int a = 0, b = 0;
            if (!ReadPair(p, Syntax.Separator, a, b)) return false;
            int h = 0, v = 0;
            Orient(a, b, h, v);
            Result.HomePeriods.append(h);
            Result.VisitorPeriods.append(v);
        }
        return true;
    }

    int PeriodCount() const { return static_cast<int>(Result.HomePeriods.size()); }

    bool SumsEqual() const {
        double h = 0, v = 0;
        for (int i = 0; i < PeriodCount(); ++i) {
            h += Result.HomePeriods[i];
            v += Result.VisitorPeriods[i];
        }
        return h == Result.Home && v == Result.Visitor;
    }

    TParsedScore Done() {
        Result.Ok = true;
        return Result;
    }

    TParsedScore Soccer(const QString& text) {
        const TSplit split = SplitScore(text);
        if (!ReadFinal(split.Final) || !ReadPeriods(split)) return Invalid();
        const int n = PeriodCount();
        if (Check() && split.HasParen &&
            ((!Options.OvertimeAllowed && n > 2) || (!Options.ShootoutsAllowed && n > 4) || n > 5))
            return Fail(LangText(2206, "Too many periods"));
        double h = 0, v = 0;
        for (int i = 0; i < n; ++i) {
            h += Result.HomePeriods[i];
            v += Result.VisitorPeriods[i];
        }
        if (Result.Home < h || Result.Visitor < v)
            return Fail(
                Check()
                    ? LangText(2207, "Invalid Score. Score in halfs does not fit full-time score")
                    : LangText(2208,
                               "Invalid Score. Score in periods does not fit full-time score"));
        if (n == 1) {
            Result.HomePeriods.append(static_cast<int>(Result.Home) - Result.HomePeriods[0]);
            Result.VisitorPeriods.append(static_cast<int>(Result.Visitor) -
                                         Result.VisitorPeriods[0]);
        }
        return Done();
    }

    TParsedScore Hockey(QString text, bool basketball) {
        const bool mark = TakeOvertimeMark(text, basketball ? Syntax.BasketballOvertimeMark
                                                            : Syntax.HockeyOvertimeMark);
        if (mark && Check() && !Options.OvertimeAllowed) return Invalid();
        if (!Check()) Result.DecidedIn = mark ? 1 : 0;
        const TSplit split = SplitScore(text);
        if (!ReadFinal(split.Final) || !ReadPeriods(split)) return Invalid();
        const int n = PeriodCount();
        if (split.HasParen) {
            if (basketball) {
                if (Check()) {
                    if (!Options.OvertimeAllowed && n != 1 && n != 2 && n != 4)
                        return Fail(LangText(2402, "Too many periods"));
                } else if (n != 2 && n < 4) {
                    return Invalid();
                }
            } else {
                if (n < 3) return Invalid();
                if (Check() && !Options.OvertimeAllowed && n >= 4)
                    return Fail(LangText(2353, "Too many periods"));
            }
            if (!SumsEqual())
                return Fail(
                    basketball
                        ? LangText(2403,
                                   "Invalid Score. Score in periods does not fit full-time score")
                        : LangText(2354,
                                   "Invalid Score. Score in periods does not fit full-time score"));
        }
        return Done();
    }

    TParsedScore Sets(const QString& text) {
        const bool tennis = Kind == TScoreKind::Tennis;
        const QString tie = tennis ? LangText(2701, "Ties are not allowed")
                                   : (Check() ? LangText(2601, "Ties are not allowed")
                                              : LangText(2603, "Ties in sets are not allowed"));
        const QString setTie = tennis ? LangText(2702, "Ties in sets are not allowed") : tie;
        const TSplit split = SplitScore(text);
        if (!ReadFinal(split.Final)) return Invalid();
        if (Result.Home == Result.Visitor) return Fail(tie);
        // A match is best of three or best of five sets: at least two sets, at most five,
        // and the winner takes at most three.
        const double total = Result.Home + Result.Visitor;
        if (total > 5 || total < 2 || std::max(Result.Home, Result.Visitor) > 3) return Invalid();
        if (!ReadPeriods(split)) return Invalid();
        if (split.HasParen) {
            const int n = PeriodCount();
            if (n < 2 || n > 5) return Invalid();
            int homeSets = 0, visitorSets = 0;
            for (int i = 0; i < n; ++i) {
                if (Result.HomePeriods[i] == Result.VisitorPeriods[i]) return Fail(setTie);
                (Result.HomePeriods[i] > Result.VisitorPeriods[i] ? homeSets : visitorSets)++;
            }
            if (homeSets != Result.Home || visitorSets != Result.Visitor)
                return Fail(
                    tennis
                        ? LangText(2703, "Invalid score. Score in sets does not fit total score")
                        : LangText(2602, "Invalid score. Score in sets does not fit total score"));
        }
        return Done();
    }

    TParsedScore Chess(const QString& text) {
        double h = 0, v = 0;
        if (text == QLatin1String("1")) {
            h = 1;
        } else if (text == QLatin1String("0")) {
            v = 1;
        } else if (text == QLatin1String("=")) {
            h = v = 0.5;
        } else {
            double a = 0, b = 0;
            if (!ReadRealPair(text, Syntax.Separator, a, b)) return Invalid();
            const bool swap = Options.VisitorFirst && !Check();
            h = swap ? b : a;
            v = swap ? a : b;
        }
        const bool valid = (h == 1 && v == 0) || (h == 0 && v == 1) || (h == 0.5 && v == 0.5);
        if (!valid) return Invalid();
        Result.Home = h;
        Result.Visitor = v;
        return Done();
    }

    TParsedScore USFootball(QString text) {
        if (TakeOvertimeMark(text, Syntax.USFootballOvertimeMark))
            Result.DecidedIn = 1;
        else if (!Check())
            Result.DecidedIn = 0;
        const TSplit split = SplitScore(text);
        if (!ReadFinal(split.Final)) return Invalid();
        if (Result.Home == Result.Visitor) return Fail(LangText(2902, "Ties are not allowed"));
        if (!ReadPeriods(split)) return Invalid();
        if (split.HasParen) {
            const int n = PeriodCount();
            if (n != 4 && n != 5) return Invalid();
            if (n == 5) Result.DecidedIn = 1;
            if (!SumsEqual())
                return Fail(
                    LangText(2903, "Invalid Score. Score in quarters does not fit total score"));
        }
        if (Check()) Result.DecidedIn = -1;
        return Done();
    }

    TParsedScore Baseball(const QString& text) {
        if (text.contains(QLatin1Char('(')) || !ReadFinal(text)) return Invalid();
        if (Result.Home == Result.Visitor) return Fail(LangText(2501, "Ties are not allowed"));
        Result.HasPeriods = true;
        Result.HomePeriods = {static_cast<int>(Result.Home)};
        Result.VisitorPeriods = {static_cast<int>(Result.Visitor)};
        return Done();
    }

    TParsedScore Run(const QString& typed) {
        const QString text = Normalize(Kind, typed, Syntax.Separator);
        if (Kind == TScoreKind::Other) return Invalid();
        if (text.isEmpty()) {
            Result.Ok = true;
            Result.Empty = true;
            return Result;
        }
        switch (Kind) {
        case TScoreKind::Soccer:
            return Soccer(text);
        case TScoreKind::Hockey:
            return Hockey(text, false);
        case TScoreKind::Basketball:
            return Hockey(text, true);
        case TScoreKind::Volleyball:
        case TScoreKind::Tennis:
            return Sets(text);
        case TScoreKind::Chess:
            return Chess(text);
        case TScoreKind::USFootball:
            return USFootball(text);
        case TScoreKind::Baseball:
            return Baseball(text);
        case TScoreKind::Other:
            break;
        }
        return Invalid();
    }
};

} // namespace

TScoreKind ScoreKindOfSport(int sport) {
    switch (NormalizeSport(sport)) {
    case SportSoccer:
    case SportFutsal:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        return TScoreKind::Soccer;
    case SportHockey:
        return TScoreKind::Hockey;
    case SportBasketball:
        return TScoreKind::Basketball;
    case SportVolleyball:
        return TScoreKind::Volleyball;
    case SportTennis:
        return TScoreKind::Tennis;
    case SportChess:
        return TScoreKind::Chess;
    case SportUSFootball:
        return TScoreKind::USFootball;
    case SportBaseball:
        return TScoreKind::Baseball;
    default:
        return TScoreKind::Other;
    }
}

TScoreSyntax TScoreSyntax::Current() {
    TScoreSyntax s;
    s.Separator = PrefScoreSepChar();
    s.HockeyOvertimeMark = LangText(2351, "OT");
    s.BasketballOvertimeMark = LangText(2400, "OT");
    s.USFootballOvertimeMark = LangText(2901, "OT");
    return s;
}

QString InvalidScoreMessage(TScoreKind kind) {
    switch (kind) {
    case TScoreKind::Soccer:
        return LangText(2205, "The score you have entered is not a valid score. Examples of valid "
                              "scores: 2-1, 2:1, 3:2 (1:2) etc");
    case TScoreKind::Hockey:
        return LangText(2350, "The score you have entered is not a valid score. Examples of valid "
                              "scores: 2-1, 2:1, 3:2 OT (1:2, 0:0, 1:0, 1:0) etc");
    case TScoreKind::Basketball:
        return LangText(2401,
                        "The score you have entered is not a valid basketball score. Examples "
                        "of valid scores: 93:89 or 98-102 (23-24, 23-19, 25-36, 27-23) etc");
    case TScoreKind::Volleyball:
        return LangText(2600,
                        "The score you have entered is not a valid volleyball score. Examples "
                        "of valid scores: 3:1, 0-3, 3-2 (25-23, 27-25, 18-25, 23-25, 16-14) etc");
    case TScoreKind::Tennis:
        return QStringLiteral("The score you have entered is not a valid tennis score. Examples of "
                              "valid scores: 3:1 or 3-2 (6-4, 6-7, 6-7, 6-3, 7-6) etc");
    case TScoreKind::Chess:
        return LangText(2800, "The score you have entered is not a valid chess score. Examples of "
                              "valid scores: 0.5-0.5, 1-0, 0-1");
    case TScoreKind::USFootball:
        return LangText(2900,
                        "The score you have entered is not a valid US football score. Examples "
                        "of valid scores: 32:11 or 21-48 (3-3, 0-17, 6-14, 12-14) etc");
    case TScoreKind::Baseball:
        return LangText(2500,
                        "The score you have entered is not a valid baseball score. Examples of "
                        "valid scores: 5:2, 4-7, 0-2 etc");
    case TScoreKind::Other:
        break;
    }
    return LangText(2104, "Scores of this sport are entered as two numbers, not as text");
}

TParsedScore ParseScore(TScoreKind kind, const QString& text, const TParseOptions& options,
                        const TScoreSyntax& syntax) {
    TParser parser{kind, options, syntax, {}};
    return parser.Run(text);
}

TCheckResult ValidateScoreText(int sport, const QString& text, bool overtimeAllowed,
                               bool shootoutsAllowed, const TScoreSyntax& syntax) {
    if ((sport & 0x7F) >= kSportCount) sport = SportOther;
    TParseOptions options;
    options.Mode = TParseMode::Check;
    options.OvertimeAllowed = overtimeAllowed;
    options.ShootoutsAllowed = shootoutsAllowed;
    const TParsedScore r = ParseScore(ScoreKindOfSport(sport), text, options, syntax);
    return {r.Ok, r.Message};
}

TCheckResult ValidateScoreText(int sport, const QString& text, bool overtimeAllowed,
                               bool shootoutsAllowed) {
    return ValidateScoreText(sport, text, overtimeAllowed, shootoutsAllowed,
                             TScoreSyntax::Current());
}

} // namespace kv
