#include "model/sport.h"

#include "base/language.h"

#include <array>

namespace kv {

namespace {

struct TSportWords {
    int NameId;
    const char* Name;
    int OvertimeId; // 0: none
    const char* Overtime;
    int OvertimeAbbrevId;
    const char* OvertimeAbbrev;
    int ShootoutId; // 0: none
    const char* Shootout;
    const char* ShootoutAbbrev;
};

constexpr std::array<TSportWords, kSportCount> kSports = {{
    {5162, "Other", 0, "", 0, "", 0, "", ""},
    {5150, "Soccer", 3512, "Expanded Time", 3520, "AET", 3530, "Penalty Shoot-outs", "PSO"},
    {5151, "Futsal", 3513, "Expanded Time", 3521, "AET", 3531, "Penalty Shoot-outs", "PSO"},
    {5152, "Hockey", 3514, "Overtime", 3522, "OT", 3532, "Shoot-outs", "SO"},
    {5153, "Bandy", 3515, "Overtime", 3523, "OT", 3533, "Penalty Shoot-outs", "PSO"},
    {5154, "Basketball", 3516, "Overtime", 3524, "OT", 0, "", ""},
    {5155, "Volleyball", 0, "", 0, "", 0, "", ""},
    {5156, "Handball", 3517, "Expanded Time", 3525, "AET", 3534, "Penalty Shoot-outs", "PSO"},
    {5157, "Water polo", 3518, "Expanded Time", 3526, "AET", 3535, "Penalty Shoot-outs", "PSO"},
    {5158, "Tennis", 0, "", 0, "", 0, "", ""},
    {5159, "Chess", 0, "", 0, "", 0, "", ""},
    {5160, "US Football", 3519, "Overtime", 3527, "OT", 0, "", ""},
    {5161, "Baseball", 0, "", 0, "", 0, "", ""},
}};

const TSportWords& WordsOf(int sport) {
    return kSports[static_cast<size_t>(NormalizeSport(sport))];
}

} // namespace

int NormalizeSport(int code) {
    const int low = code & 0x7F;
    return low < kSportCount ? low : SportOther;
}

bool IsSoccerFamily(int sport) {
    switch (NormalizeSport(sport)) {
    case SportSoccer:
    case SportFutsal:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        return true;
    default:
        return false;
    }
}

QString SportName(int sport) {
    const TSportWords& w = WordsOf(sport);
    return LangText(w.NameId, w.Name);
}

QString SportEnglishName(int sport) {
    return QString::fromLatin1(WordsOf(sport).Name);
}

int SportFromName(const QString& name) {
    const QString wanted = name.trimmed();
    for (int s = 0; s < kSportCount; ++s) {
        if (wanted.compare(SportEnglishName(s), Qt::CaseInsensitive) == 0 ||
            wanted.compare(SportName(s), Qt::CaseInsensitive) == 0)
            return s;
    }
    return -1;
}

QString OvertimeWord(int sport) {
    const TSportWords& w = WordsOf(sport);
    return w.OvertimeId ? LangText(w.OvertimeId, w.Overtime) : QString();
}

QString OvertimeAbbrev(int sport) {
    const TSportWords& w = WordsOf(sport);
    return w.OvertimeAbbrevId ? LangText(w.OvertimeAbbrevId, w.OvertimeAbbrev) : QString();
}

QString ShootoutWord(int sport) {
    const TSportWords& w = WordsOf(sport);
    return w.ShootoutId ? LangText(w.ShootoutId, w.Shootout) : QString();
}

QString ShootoutAbbrev(int sport) {
    return QString::fromLatin1(WordsOf(sport).ShootoutAbbrev);
}

} // namespace kv
