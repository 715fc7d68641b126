#pragma once

#include <QString>

namespace kv {

// Sport codes as stored in a tournament (one byte; only its low seven bits count and
// codes 13 and above behave as Other).
enum TSportCode : int {
    SportOther = 0,
    SportSoccer = 1,
    SportFutsal = 2,
    SportHockey = 3,
    SportBandy = 4,
    SportBasketball = 5,
    SportVolleyball = 6,
    SportHandball = 7,
    SportWaterPolo = 8,
    SportTennis = 9,
    SportChess = 10,
    SportUSFootball = 11,
    SportBaseball = 12,
};

inline constexpr int kSportCount = 13;

// The code a sport byte selects behaviour by: the low seven bits, 13..127 read as Other.
int NormalizeSport(int code);

// The most legs a tournament of the sport may have: 16 for baseball (series), else 8.
inline int MaxLegs(int sport) {
    return NormalizeSport(sport) == SportBaseball ? 16 : 8;
}

// Soccer, futsal, bandy, handball and water polo share one match class and one set of words.
bool IsSoccerFamily(int sport);

// The sport's name in the current language ("Soccer", "Water polo", ...).
QString SportName(int sport);
// The built-in English name, used by the command line and as a settings sub-key fallback.
QString SportEnglishName(int sport);
// The sport named `name` (English or current language, case-insensitive); -1 when unknown.
int SportFromName(const QString& name);

QString OvertimeWord(int sport);
QString OvertimeAbbrev(int sport);
QString ShootoutWord(int sport);
QString ShootoutAbbrev(int sport);

} // namespace kv
