#pragma once

#include "model/match.h"

namespace kv {

// A match whose score is made of periods (halves, periods, quarters, sets, innings).
// Final scores are whole numbers.
class TGMatch : public TMatch {
public:
    using TMatch::TMatch;

    TPeriodList HomePeriods;
    TPeriodList VisitorPeriods;

    void Assign(const TMatch& other) override;
    QString GetFullScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const override;
    QString GetPeriodScoreText(bool hostFirst, bool withSuffix, int period,
                               const TScoreTexts& t) const override;
    double GetPeriodHomeScore(int period) const override;
    double GetPeriodVisitorScore(int period) const override;
    bool HasPeriod(int period) const override;
    bool HasPeriodList() const override { return true; }
    using TMatch::GetFullScoreText;
    using TMatch::GetPeriodScoreText;

    int PeriodCount() const { return static_cast<int>(HomePeriods.size()); }
    int HomeFinal() const;
    int VisitorFinal() const;
    void SetHomeFinal(int value) { HomeScore = value; }
    void SetVisitorFinal(int value) { VisitorScore = value; }
    void AddPeriod(int home, int visitor);
    void ClearPeriods();

protected:
    QString ScoreValueText(double value) const override;
    void StorePeriods(const TParsedScore& parsed) override;
    // The list inside the parentheses of the full score.
    virtual QString PeriodListText(bool hostFirst, const QString& sep) const;
    QString PeriodText(int index, bool hostFirst, const QString& sep) const;
};

} // namespace kv
