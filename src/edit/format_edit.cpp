#include "edit/format_edit.h"

#include "model/gmatch.h"
#include "model/match.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"

#include <algorithm>
#include <numeric>

namespace kv {

TFormatEdit TFormatEdit::Of(const TTournament& t) {
    TFormatEdit e;
    e.Sport = NormalizeSport(t.Sport);
    e.GroupLegs = t.GroupLegs;
    e.ConferenceLegs = t.ConferenceLegs;
    e.InterConferenceLegs = t.InterConferenceLegs;
    e.Rules = TPointsRules::FromTournament(t);
    if (t.SortCriteria.size() > 1)
        e.TieBreaks.assign(t.SortCriteria.begin() + 1, t.SortCriteria.end());
    e.LeadersUp = t.RankLeadersUp;
    e.StillLevel = t.HeadToHeadStillLevel;
    return e;
}

bool LegsQuestionNeeded(const TTournament& t, const TFormatEdit& e) {
    const bool changed = e.GroupLegs != t.GroupLegs ||
                         (t.HasConferences() && (e.ConferenceLegs != t.ConferenceLegs ||
                                                 e.InterConferenceLegs != t.InterConferenceLegs));
    return changed && t.MatchCount() > 0;
}

bool ShootOutsDropDraws(const TTournament& t, const TFormatEdit& e) {
    TPointsRules rules = e.Rules;
    rules.Sport = e.Sport;
    ApplyPointsLayout(rules);
    if (t.ShootOuts || !rules.ShootOuts) return false;
    for (const TMatch* m : t.JointTable().Matches())
        if (m->Played && m->HomeScore == m->VisitorScore) return true;
    return false;
}

int ShootOutsDrawResults(const TTournament& t, const TFormatEdit& e) {
    TPointsRules rules = e.Rules;
    rules.Sport = e.Sport;
    ApplyPointsLayout(rules);
    if (!t.ShootOuts || rules.ShootOuts) return 0;
    int decided = 0;
    for (const TMatch* m : t.JointTable().Matches())
        if (m->Played && m->DecidedIn == 2) ++decided;
    return decided;
}

void DrawShootOut(TMatch& m, int sport, bool overtime) {
    if (!m.Played || m.DecidedIn != 2) return;
    if (m.IsForfeited()) {
        m.DecidedIn = 0;
        return;
    }
    m.DecidedIn = static_cast<quint8>(overtime ? 1 : 0);
    const double level = std::min(m.HomeScore, m.VisitorScore);
    m.HomeScore = m.VisitorScore = level;
    auto* periods = dynamic_cast<TGMatch*>(&m);
    if (!periods) return;
    // The shoot-out's own period goes (the fifth of the soccer family, the last one over the
    // final score elsewhere); periods that still do not add up to the score go too.
    std::vector<int> home(periods->HomePeriods.begin(), periods->HomePeriods.end());
    std::vector<int> visitor(periods->VisitorPeriods.begin(), periods->VisitorPeriods.end());
    const bool soccer = IsSoccerFamily(sport);
    if (soccer && home.size() == 5) {
        home.pop_back();
        visitor.pop_back();
    }
    const auto sum = [](const std::vector<int>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0);
    };
    while (!home.empty() && (sum(home) > level || sum(visitor) > level)) {
        home.pop_back();
        visitor.pop_back();
    }
    const bool fits = soccer ? sum(home) <= level && sum(visitor) <= level
                             : sum(home) == level && sum(visitor) == level;
    periods->ClearPeriods();
    if (!fits) return;
    for (size_t i = 0; i < home.size(); ++i)
        periods->AddPeriod(home[i], visitor[i]);
}

void ApplyFormat(TTournament& t, const TFormatEdit& e) {
    const bool dropDraws = ShootOutsDropDraws(t, e);
    const bool drawShootOuts = ShootOutsDrawResults(t, e) > 0;
    if (NormalizeSport(e.Sport) != NormalizeSport(t.Sport)) ChangeSport(t, e.Sport);
    if (t.HasConferences())
        t.ChangeLegs(e.GroupLegs, e.ConferenceLegs, e.InterConferenceLegs);
    else
        t.ChangeLegs(e.GroupLegs, 0, 0);
    TPointsRules rules = e.Rules;
    rules.Sport = t.Sport;
    SaveRulesInto(rules, t);
    if (dropDraws) t.RemoveDrawnMatches();
    if (drawShootOuts)
        for (TMatch* m : t.JointTable().Matches())
            DrawShootOut(*m, t.Sport, t.Overtime);
    if (e.CriteriaChanged) {
        t.SortCriteria.clear();
        t.SortCriteria.push_back(ImpliedMainCriterion(rules));
        for (const TSortColumn& c : e.TieBreaks)
            t.SortCriteria.push_back(
                MakeCriterion(c.Column, c.Scope, t.Sport, c.Descending, t.HasConferences(), true));
        t.RankLeadersUp = t.HasConferences() && e.LeadersUp;
        t.HeadToHeadStillLevel = e.StillLevel;
    }
    RecomputeAll(t);
}

} // namespace kv
