#include "model/gmatch.h"

#include <cmath>

namespace kv {

void TGMatch::Assign(const TMatch& other) {
    TMatch::Assign(other);
    if (const auto* g = dynamic_cast<const TGMatch*>(&other)) {
        HomePeriods = g->HomePeriods;
        VisitorPeriods = g->VisitorPeriods;
    } else {
        ClearPeriods();
    }
}

int TGMatch::HomeFinal() const {
    return static_cast<int>(std::lround(HomeScore));
}
int TGMatch::VisitorFinal() const {
    return static_cast<int>(std::lround(VisitorScore));
}

void TGMatch::AddPeriod(int home, int visitor) {
    HomePeriods.append(home);
    VisitorPeriods.append(visitor);
}

void TGMatch::ClearPeriods() {
    HomePeriods.clear();
    VisitorPeriods.clear();
}

QString TGMatch::ScoreValueText(double value) const {
    return QString::number(std::lround(value));
}

QString TGMatch::PeriodText(int index, bool hostFirst, const QString& sep) const {
    return Ordered(QString::number(HomePeriods[index]), QString::number(VisitorPeriods[index]),
                   hostFirst, sep);
}

QString TGMatch::PeriodListText(bool hostFirst, const QString& sep) const {
    if (PeriodCount() < 3) return PeriodText(0, hostFirst, sep);
    QStringList parts;
    for (int i = 0; i < PeriodCount(); ++i)
        parts << PeriodText(i, hostFirst, sep);
    return parts.join(QStringLiteral(", "));
}

QString TGMatch::GetFullScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const {
    if (IsForfeited()) return GetScoreText(hostFirst, withSuffix, t);
    if (!Played) return QString();
    QString text = Ordered(QString::number(HomeFinal()), QString::number(VisitorFinal()), hostFirst,
                           t.Separator);
    if (withSuffix) text += FullSuffixText(t);
    if (PeriodCount() > 0)
        text += QStringLiteral(" (") + PeriodListText(hostFirst, t.Separator) + QLatin1Char(')');
    return text;
}

QString TGMatch::GetPeriodScoreText(bool hostFirst, bool withSuffix, int period,
                                    const TScoreTexts& t) const {
    if (!Played || !HasPeriod(period)) return QString();
    const auto home = static_cast<int>(std::lround(GetPeriodHomeScore(period)));
    const auto visitor = static_cast<int>(std::lround(GetPeriodVisitorScore(period)));
    QString text = Ordered(QString::number(home), QString::number(visitor), hostFirst, t.Separator);
    if (withSuffix) text += SuffixText(t);
    return text;
}

double TGMatch::GetPeriodHomeScore(int period) const {
    if (period <= 0) return HomeScore;
    return period <= PeriodCount() ? HomePeriods[period - 1] : -1;
}

double TGMatch::GetPeriodVisitorScore(int period) const {
    if (period <= 0) return VisitorScore;
    return period <= PeriodCount() ? VisitorPeriods[period - 1] : -1;
}

bool TGMatch::HasPeriod(int period) const {
    return period <= PeriodCount();
}

void TGMatch::StorePeriods(const TParsedScore& parsed) {
    HomePeriods = parsed.HomePeriods;
    VisitorPeriods = parsed.VisitorPeriods;
}

} // namespace kv
