#include "standings/fixture_rules.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"

#include <algorithm>

namespace kv {

namespace {

bool ParseInt(const QString& text, int& value) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok) value = v;
    return ok;
}

} // namespace

int PairLegs(const TTournament& t, int teamA, int teamB) {
    return t.LegsOfPair(teamA, teamB);
}

int NextFreePairLeg(const TTournament& t, int teamA, int teamB) {
    return t.FirstFreeLeg(teamA, teamB);
}

bool FixtureExists(const TTournament& t, int teamA, int teamB, int leg) {
    return t.MatchOfPairInLeg(teamA, teamB, leg) != nullptr;
}

bool TeamPlaysOnMatchday(const TTournament& t, int teamId, int matchday) {
    return t.TeamMatchOnMatchday(teamId, matchday) != nullptr;
}

int GridPositionFor(const TTournament& t, int home, int visitor, int leg, int matchId) {
    return t.JointTable().ProposedGridPosition(home, visitor, leg, matchId);
}

QString CheckFixturePair(const TTournament& t, int firstTeamId, int secondTeamId) {
    if (firstTeamId == secondTeamId)
        return LangText(2030, "Home and visitor teams cannot be the same");
    if (!t.HasConferences() && t.GroupOfTeam(firstTeamId) != t.GroupOfTeam(secondTeamId))
        return LangText(2031, "Home and visitor teams must belong to the same group");
    return QString();
}

TAddFixturesResult AddFixtures(TTournament& t, const std::vector<TFixtureRow>& rows,
                               const TAddFixturesOptions& options) {
    TAddFixturesResult result;
    for (size_t i = 0; i < rows.size(); ++i) {
        const TFixtureRow& r = rows[i];
        int n = 0;
        if (!ParseInt(r.Number, n) && !ParseInt(r.Matchday, n) && !r.HasDate && !r.HasTime &&
            r.Score.trimmed().isEmpty())
            result.EmptyRows.push_back(static_cast<int>(i));
    }
    if (!result.EmptyRows.empty()) {
        result.Message = LangText(2032, "Highlighted fixtures contain no information");
        return result;
    }
    const TScoreSyntax syntax = TScoreSyntax::Current(); // read once for all rows
    for (size_t i = 0; i < rows.size(); ++i) {
        const TFixtureRow& r = rows[i];
        const auto fail = [&](const QString& message) {
            result.FailedRow = static_cast<int>(i);
            result.Message = message;
            return result;
        };
        const int legs = t.LegsOfPair(r.HomeTeamId, r.VisitorTeamId);
        int leg = -1;
        if (!ParseInt(r.Leg, leg)) leg = t.FirstFreeLeg(r.HomeTeamId, r.VisitorTeamId);
        if (leg < 1 || leg > legs)
            return fail(
                Fmt(LangText(2033, "Invalid match leg. A valid leg for this fixtures is 1 to %d"),
                    legs));
        if (FixtureExists(t, r.HomeTeamId, r.VisitorTeamId, leg))
            return fail(LangText(2034, "Fixture already exists"));
        if (!t.MayHost(r.HomeTeamId, r.VisitorTeamId))
            return fail(Fmt(LangText(2035, "The tournament already contains all possible home "
                                           "fixtures of '%s' against '%s'"),
                            t.TeamName(r.HomeTeamId), t.TeamName(r.VisitorTeamId)));
        int matchday = -1;
        const bool hasMatchday = ParseInt(r.Matchday, matchday);
        if (hasMatchday) {
            for (const int team : {r.HomeTeamId, r.VisitorTeamId})
                if (TeamPlaysOnMatchday(t, team, matchday))
                    return fail(Fmt(LangText(2036, "Team '%s' have already played on matchday %d"),
                                    t.TeamName(team), matchday));
        }
        const QString score = r.Score.trimmed();
        if (!score.isEmpty()) {
            const TCheckResult check =
                ValidateScoreText(t.Sport, score, t.Overtime, t.ShootOuts, syntax);
            if (!check.Ok) return fail(check.Message);
        }
        auto match = CreateMatch(t.Sport, -1, r.HomeTeamId, r.VisitorTeamId, leg);
        match->GridPosition = GridPositionFor(t, r.HomeTeamId, r.VisitorTeamId, leg, -1);
        int number = -1;
        if (ParseInt(r.Number, number)) match->Number = number;
        match->Matchday = hasMatchday ? matchday : -1;
        match->HasDate = r.HasDate;
        match->Date = r.HasDate ? r.Date : 0;
        match->HasTime = r.HasTime;
        match->Time = r.HasTime ? r.Time : 0;
        if (!score.isEmpty()) {
            const TSetScoreResult stored = match->SetScoreText(score, !options.HostFirst, syntax);
            if (!stored.Ok) return fail(stored.Message);
        }
        if (options.AssignHomeStadiums)
            if (const TTeam* home = t.TeamById(r.HomeTeamId))
                match->StadiumId = home->HomeStadiumId;
        if (!t.AddMatch(match)) return fail(LangText(2034, "Fixture already exists"));
        result.Added += 1;
    }
    return result;
}

std::vector<const TMatch*> LegRows(const TTournament& t, int teamA, int teamB) {
    std::vector<const TMatch*> rows;
    const int legs = t.LegsOfPair(teamA, teamB);
    for (int leg = 1; leg <= legs; ++leg)
        rows.push_back(t.MatchOfPairInLeg(teamA, teamB, leg));
    return rows;
}

void ApplyLegRows(const std::vector<TMatch*>& rows, int firstTeamId) {
    const int count = static_cast<int>(rows.size());
    const int h = (count + 1) / 2;
    std::vector<int> handed[2];
    for (int i = 1; i <= count; ++i) {
        TMatch* m = rows[static_cast<size_t>(i - 1)];
        if (!m) continue;
        m->Leg = i;
        std::vector<int>& taken = handed[m->HomeTeamId == firstTeamId ? 0 : 1];
        const auto isFree = [&](int p) {
            return std::find(taken.begin(), taken.end(), p) == taken.end();
        };
        const int lo = std::max(1, i - h);
        const int hi = std::min(h, i);
        int b = static_cast<int>(taken.size()) + 1;
        b = std::min(std::max(b, lo), hi);
        int chosen = -1;
        if (isFree(b)) {
            chosen = b;
        } else {
            for (int p = b + 1; p <= hi && chosen < 0; ++p)
                if (isFree(p)) chosen = p;
            for (int p = b - 1; p >= lo && chosen < 0; --p)
                if (isFree(p)) chosen = p;
        }
        m->GridPosition = chosen;
        taken.push_back(chosen);
    }
}

std::vector<const TMatch*> GridRows(const TTournament& t, int home, int visitor) {
    const int legs = t.LegsOfPair(home, visitor);
    const int h = (legs + 1) / 2;
    std::vector<const TMatch*> rows(static_cast<size_t>(std::max(h, 0)), nullptr);
    for (const TMatch* m : t.JointTable().Matches())
        if (m->HomeTeamId == home && m->VisitorTeamId == visitor && m->GridPosition >= 1 &&
            m->GridPosition <= h && !rows[static_cast<size_t>(m->GridPosition - 1)])
            rows[static_cast<size_t>(m->GridPosition - 1)] = m;
    return rows;
}

void ApplyGridRows(const std::vector<TMatch*>& rows) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i]) rows[i]->GridPosition = static_cast<int>(i) + 1;
}

TFieldCheck CheckFixtureTime(const QString& text) {
    TFieldCheck c;
    if (text.trimmed().isEmpty()) return c;
    c.Given = true;
    if (!ParseTimeText(text, c.Value)) {
        c.Ok = false;
        c.Message = Fmt(LangText(5666, "'%s' is not valid time"), text);
    }
    return c;
}

TFieldCheck CheckFixtureMatchday(const QString& text) {
    TFieldCheck c;
    if (text.trimmed().isEmpty()) return c;
    c.Given = true;
    int matchday = 0;
    if (!ParseInt(text, matchday)) {
        c.Ok = false;
        c.Message = Fmt(LangText(5667, "'%s' is not a valid matchday"), text);
    } else {
        c.Value = matchday;
    }
    return c;
}

TFieldCheck CheckFixtureDate(const QString& text) {
    TFieldCheck c;
    if (text.trimmed().isEmpty()) return c;
    c.Given = true;
    if (!ParseDateText(text, c.Value)) {
        c.Ok = false;
        c.Message = Fmt(LangText(5670, "'%s' is not a valid date"), text);
    } else {
        c.Value = DayPart(c.Value);
    }
    return c;
}

} // namespace kv
