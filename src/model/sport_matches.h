#pragma once

#include "model/gmatch.h"

// The match class of each sport. Each one reads its sport's score syntax; the differences
// in how scores are written and decided are overridden here.
namespace kv {

// Soccer, futsal, bandy, handball and water polo: halves, extra halves and a shoot-out.
class TSoccerMatch : public TGMatch {
public:
    using TGMatch::TGMatch;
    using TMatch::SetScoreText;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;
    QString GetPeriodName(int period, bool capitalised) const override;

protected:
    QString SuffixText(const TScoreTexts& t) const override;
};

class THockeyMatch : public TGMatch {
public:
    using TGMatch::TGMatch;
    using TMatch::SetScoreText;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;
    int GetOutcome(bool home) const override;
};

class TBasketballMatch : public TGMatch {
public:
    using TGMatch::TGMatch;
    using TMatch::SetScoreText;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;

protected:
    QString FullSuffixText(const TScoreTexts& t) const override;
    QString PeriodListText(bool hostFirst, const QString& sep) const override;
};

class TVolleyballMatch : public TGMatch {
public:
    using TGMatch::TGMatch;
    using TMatch::SetScoreText;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;
};

class TTennisMatch : public TGMatch {
public:
    using TGMatch::TGMatch;
    using TMatch::SetScoreText;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;
};

class TUSAFootballMatch : public TGMatch {
public:
    using TGMatch::TGMatch;
    using TMatch::SetScoreText;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;
};

class TBaseballMatch : public TGMatch {
public:
    using TGMatch::TGMatch;
    using TMatch::SetScoreText;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;

protected:
    void ClearForEmptyScore() override;
};

// Chess: no periods; scores are 1, 0 or halves.
class TChessMatch : public TMatch {
public:
    using TMatch::GetScoreText;
    using TMatch::SetScoreText;
    using TMatch::TMatch;
    QString GetScoreText(bool hostFirst, bool withSuffix, const TScoreTexts& t) const override;
    TSetScoreResult SetScoreText(const QString& text, bool visitorFirst,
                                 const TScoreSyntax& syntax) override;

protected:
    void ClearForEmptyScore() override;
};

} // namespace kv
