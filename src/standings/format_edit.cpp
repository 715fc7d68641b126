#include "standings/format_edit.h"

#include "model/match.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"

namespace kv {

TFormatEdit TFormatEdit::Of(const TTournament& t) {
    TFormatEdit e;
    e.Sport = NormalizeSport(t.Sport);
    e.GroupLegs = t.GroupLegs;
    e.ConferenceLegs = t.ConferenceLegs;
    e.InterConferenceLegs = t.InterConferenceLegs;
    e.Rules = TPointsRules::FromTournament(t);
    if (t.SortCriteria.size() > 1) e.TieBreaks.assign(t.SortCriteria.begin() + 1, t.SortCriteria.end());
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

void ApplyFormat(TTournament& t, const TFormatEdit& e) {
    const bool dropDraws = ShootOutsDropDraws(t, e);
    if (NormalizeSport(e.Sport) != NormalizeSport(t.Sport)) ChangeSport(t, e.Sport);
    if (t.HasConferences())
        t.ChangeLegs(e.GroupLegs, e.ConferenceLegs, e.InterConferenceLegs);
    else
        t.ChangeLegs(e.GroupLegs, 0, 0);
    TPointsRules rules = e.Rules;
    rules.Sport = t.Sport;
    SaveRulesInto(rules, t);
    if (dropDraws) t.RemoveDrawnMatches();
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
