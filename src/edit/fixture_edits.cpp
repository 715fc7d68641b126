#include "edit/fixture_edits.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "standings/fixture_rules.h"

#include <QHash>
#include <QSet>

#include <cmath>

namespace kv {

namespace {

// Each selected match by id, for the apply steps.
template <typename F> void ForEachMatch(TTournament& t, const std::vector<int>& ids, F change) {
    const QSet<int> chosen(ids.begin(), ids.end());
    for (TMatch* m : t.JointTable().Matches())
        if (chosen.contains(m->Id)) change(*m);
}

QString Pairing(const TTournament& t, const TMatch& m) {
    TPairingOptions options;
    options.ForceHostFirst = true;
    return t.PairingText(m, options);
}

} // namespace

QString CheckFixturesShareTeam(const std::vector<const TMatch*>& matches) {
    QSet<int> teams;
    for (const TMatch* m : matches) {
        if (teams.contains(m->HomeTeamId) || teams.contains(m->VisitorTeamId) ||
            m->HomeTeamId == m->VisitorTeamId)
            return LangText(5654, "You have selected several fixtures with the same team involved. "
                                  "A team cannot play "
                                  "several matches on the same matchday");
        teams.insert(m->HomeTeamId);
        teams.insert(m->VisitorTeamId);
    }
    return QString();
}

int CommonMatchday(const std::vector<const TMatch*>& matches) {
    if (matches.empty()) return -1;
    const int first = matches.front()->Matchday;
    for (const TMatch* m : matches)
        if (m->Matchday != first) return -1;
    return first;
}

QString CheckFixturesMatchday(const TTournament& t, const std::vector<const TMatch*>& matches,
                              int matchday) {
    if (matchday == -1) return QString();
    if (QString shared = CheckFixturesShareTeam(matches); !shared.isEmpty()) return shared;
    // The teams' other matches on that matchday, found in one pass.
    QSet<int> chosen;
    for (const TMatch* m : matches)
        chosen.insert(m->Id);
    QHash<int, const TMatch*> playing;
    for (const TMatch* m : t.JointTable().Matches())
        if (m->Matchday == matchday && !chosen.contains(m->Id)) {
            // The first match of a team in the tournament's order is the one named.
            if (!playing.contains(m->HomeTeamId)) playing.insert(m->HomeTeamId, m);
            if (!playing.contains(m->VisitorTeamId)) playing.insert(m->VisitorTeamId, m);
        }
    for (const TMatch* m : matches)
        for (const int team : {m->HomeTeamId, m->VisitorTeamId})
            if (const TMatch* other = playing.value(team))
                return Fmt(LangText(5108, "Team %s is already involved on matchday %d (%s)"),
                           t.TeamName(team), matchday, Pairing(t, *other));
    return QString();
}

QString CheckFixturesDate(const TTournament& t, const std::vector<const TMatch*>& matches,
                          bool hasDate, double date) {
    if (!hasDate) return QString();
    const auto day = static_cast<qint64>(DayPart(date));
    QSet<int> chosen;
    for (const TMatch* m : matches)
        chosen.insert(m->Id);
    QHash<int, const TMatch*> playing; // each team's first match that day among those that stay
    for (const TMatch* m : t.JointTable().Matches())
        if (m->HasDate && static_cast<qint64>(DayPart(m->Date)) == day && !chosen.contains(m->Id)) {
            for (const int team : {m->HomeTeamId, m->VisitorTeamId})
                if (!playing.contains(team)) playing.insert(team, m);
        }
    const auto clash = [&](int team, const TMatch& other) {
        return Fmt(LangText(5109, "Team %s is already involved in fixture on %s (%s)"),
                   t.TeamName(team), ShortDateText(date), Pairing(t, other));
    };
    for (const TMatch* m : matches)
        for (const int team : {m->HomeTeamId, m->VisitorTeamId})
            if (const TMatch* other = playing.value(team)) return clash(team, *other);
    // Two of the chosen fixtures of one team would meet on that day as well.
    QHash<int, const TMatch*> moved;
    for (const TMatch* m : matches)
        for (const int team : {m->HomeTeamId, m->VisitorTeamId}) {
            if (const TMatch* other = moved.value(team); other && other != m)
                return clash(team, *other);
            moved.insert(team, m);
        }
    return QString();
}

// The readers hand the dialogs' fields to the fixture rules' checks and give what they found
// as the fixtures keep it.
QString ReadFixtureTime(const QString& text, bool& hasTime, double& time) {
    const TFieldCheck c = CheckFixtureTime(text.trimmed());
    hasTime = c.Ok && c.Given;
    time = hasTime ? c.Value : 0;
    return c.Message;
}

QString ReadFixtureMatchday(const QString& text, int& matchday) {
    const TFieldCheck c = CheckFixtureMatchday(text.trimmed());
    // A matchday is set only when above 0.
    matchday = c.Ok && c.Given && c.Value > 0 ? static_cast<int>(c.Value) : -1;
    return c.Message;
}

QString ReadFixtureDate(const QString& text, bool& hasDate, double& date) {
    const TFieldCheck c = CheckFixtureDate(text.trimmed());
    hasDate = c.Ok && c.Given;
    date = hasDate ? c.Value : 0;
    return c.Message;
}

void SetFixturesMatchday(TTournament& t, const std::vector<int>& ids, int matchday) {
    ForEachMatch(t, ids, [matchday](TMatch& m) { m.Matchday = matchday; });
}

void SetFixturesDate(TTournament& t, const std::vector<int>& ids, bool hasDate, double date) {
    ForEachMatch(t, ids, [hasDate, date](TMatch& m) {
        m.HasDate = hasDate;
        m.Date = hasDate ? date : 0;
    });
}

void SetFixturesTime(TTournament& t, const std::vector<int>& ids, bool hasTime, double time) {
    ForEachMatch(t, ids, [hasTime, time](TMatch& m) {
        m.HasTime = hasTime;
        m.Time = hasTime ? time : 0;
    });
}

void SetFixturesStadium(TTournament& t, const std::vector<int>& ids, int stadiumId) {
    ForEachMatch(t, ids, [stadiumId](TMatch& m) { m.StadiumId = stadiumId; });
}

bool DeleteFixtures(TTournament& t, const std::vector<int>& ids) {
    const QSet<int> chosen(ids.begin(), ids.end());
    std::vector<TMatch*> gone;
    bool played = false;
    for (TMatch* m : t.JointTable().Matches())
        if (chosen.contains(m->Id)) {
            gone.push_back(m);
            played = played || m->Played;
        }
    t.RemoveMatches(gone);
    return played;
}

} // namespace kv
