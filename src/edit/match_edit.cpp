#include "edit/match_edit.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "model/score_parser.h"
#include "model/sport.h"

#include <cmath>

namespace kv {

namespace {

TMatchCheck Fail(const QString& message, int page, const char* field) {
    return {false, message, page, QLatin1String(field)};
}

// A blank field, or a whole number (a sign only where allowed).
bool WholeOrBlank(const QString& text, bool negative, int& value, bool& given) {
    const QString s = text.trimmed();
    given = !s.isEmpty();
    if (!given) return true;
    for (qsizetype i = 0; i < s.size(); ++i)
        if (!s.at(i).isDigit() && !(negative && i == 0 && s.at(i) == QLatin1Char('-')))
            return false;
    bool ok = false;
    value = s.toInt(&ok);
    return ok;
}

bool TimeGiven(const QString& text) {
    const QString s = text.trimmed();
    return !s.isEmpty() && s != QLatin1String("__:__") && s != QLatin1String(":");
}

QString Description(const TTournament& t, const TMatch& m) {
    TPairingOptions options;
    options.ForceHostFirst = true;
    return t.PairingText(m, options);
}

} // namespace

QString ForfeitScoreText(const TTournament& t, int forfeitedTeam, bool hostFirst) {
    const double home = forfeitedTeam == 1 ? t.ForfeitLossScore : t.ForfeitWinScore;
    const double visitor = forfeitedTeam == 1 ? t.ForfeitWinScore : t.ForfeitLossScore;
    const QString sep = PrefScoreSep();
    return hostFirst ? FormatFloat2(home) + sep + FormatFloat2(visitor)
                     : FormatFloat2(visitor) + sep + FormatFloat2(home);
}

TMatchFields FieldsOf(const TTournament& t, const TMatch& m, bool hostFirst) {
    TMatchFields f;
    f.Forfeited = m.IsForfeited();
    f.ForfeitedTeam = m.TechnicalLoss == 1 ? 1 : 2;
    // A forfeit shows its stored values, as numbers; other scores in the sport's own form.
    if (f.Forfeited) {
        const QString sep = PrefScoreSep();
        f.Score = hostFirst ? FormatFloat2(m.HomeScore) + sep + FormatFloat2(m.VisitorScore)
                            : FormatFloat2(m.VisitorScore) + sep + FormatFloat2(m.HomeScore);
    } else {
        f.Score = m.GetFullScoreText(hostFirst, false);
    }
    f.DecidedIn = m.Played ? m.DecidedIn : 0;
    f.Number = m.HasNumber() ? QString::number(m.Number) : QString();
    f.Leg = m.Leg;
    f.GridPosition = QString::number(m.GridPosition);
    f.Matchday = m.HasMatchday() ? QString::number(m.Matchday) : QString();
    f.Date = m.HasDate ? ShortDateText(m.Date) : QString();
    f.Time = m.HasTime ? DaysToTime(m.Time).toString(QStringLiteral("hh:mm"))
                       : QString(); // the field's own form
    f.Attendance = m.HasAttendance() ? QString::number(m.Attendance) : QString();
    f.Temperature = m.HasTemperature ? QString::number(m.Temperature) : QString();
    f.StadiumId = m.StadiumId;
    f.Referees = m.RefereeIds;
    f.Comments = m.Comments;
    (void)t;
    return f;
}

TMatchCheck ApplyMatchFields(const TTournament& t, const TMatchFields& f, bool hostFirst,
                             int matchId, TMatch& result) {
    // 1. The score, checked by the sport's rules and read in the order the field shows.
    // The working copy is the caller's: it takes the fields as they are checked.
    TMatch* parsed = &result;
    const QString score = f.Score.trimmed();
    if (f.Forfeited && !score.isEmpty()) {
        // A forfeit's score is two numbers, whatever the sport writes otherwise; periods of an
        // earlier result go.
        parsed->SetScoreText(QString(), false);
        const QString text = score;
        const QStringList parts = text.split(PrefScoreSepChar());
        bool okA = false, okB = false;
        const double a = parts.value(0).trimmed().toDouble(&okA);
        const double b = parts.value(1).trimmed().toDouble(&okB);
        if (parts.size() != 2 || !okA || !okB || a < 0 || b < 0)
            return Fail(Fmt(LangText(3538, "'%s' is not a valid forfeit score"), text), PageScore,
                        "ScoreEdit");
        parsed->HomeScore = hostFirst ? a : b;
        parsed->VisitorScore = hostFirst ? b : a;
        parsed->Played = true;
        parsed->DecidedIn = 0;
    } else {
        // A forfeit without a score is no result at all: the match is not played.
        if (!score.isEmpty()) {
            const TCheckResult check = ValidateScoreText(t.Sport, score, t.Overtime, t.ShootOuts);
            if (!check.Ok) return Fail(check.Message, PageScore, "ScoreEdit");
        }
        parsed->DecidedIn = 0;
        const TSetScoreResult stored = parsed->SetScoreText(score, !hostFirst);
        if (!stored.Ok) return Fail(stored.Message, PageScore, "ScoreEdit");
        // A text that states overtime or shoot-outs sets the choice; otherwise the choice holds.
        if (parsed->DecidedIn == 0)
            parsed->DecidedIn = static_cast<quint8>(parsed->Played ? f.DecidedIn : 0);
    }
    // 2. A forfeit goes with a score that favours the other team.
    if (f.Forfeited && parsed->Played) {
        const bool fits = f.ForfeitedTeam == 1 ? parsed->HomeScore <= parsed->VisitorScore
                                               : parsed->HomeScore >= parsed->VisitorScore;
        if (!fits)
            return Fail(LangText(3536, "Score does not go with selected technical lost conditions"),
                        PageScore, "ScoreEdit");
    }
    // 3. Sports without draws, and every sport with shoot-outs, take no level score.
    const int s = NormalizeSport(t.Sport);
    const bool noTies = s == SportBasketball || s == SportVolleyball || s == SportTennis ||
                        s == SportUSFootball || s == SportBaseball || t.ShootOuts;
    if (noTies && parsed->Played && parsed->HomeScore == parsed->VisitorScore)
        return Fail(LangText(3537, "Ties are not allowed"), PageScore, "ScoreEdit");
    // 4 to 8. The numbers and the date of the place page.
    int number = -1, matchday = -1, attendance = -1, temperature = 0;
    bool hasNumber = false, hasMatchday = false, hasAttendance = false, hasTemperature = false;
    if (!WholeOrBlank(f.Number, false, number, hasNumber))
        return Fail(Fmt(LangText(3567, "'%s' is not a valid match number"), f.Number), PagePlace,
                    "NumberEdit");
    if (!WholeOrBlank(f.Matchday, false, matchday, hasMatchday))
        return Fail(Fmt(LangText(3568, "'%s' is not a valid matchday"), f.Matchday), PagePlace,
                    "MatchdayEdit");
    double date = 0;
    const bool hasDate = !f.Date.trimmed().isEmpty();
    if (hasDate && !ParseDateText(f.Date.trimmed(), date))
        return Fail(Fmt(LangText(3569, "'%s' is not a valid date"), f.Date), PagePlace, "DateEdit");
    if (!WholeOrBlank(f.Attendance, false, attendance, hasAttendance))
        return Fail(Fmt(LangText(3570, "'%s' is not a valid attendance"), f.Attendance), PagePlace,
                    "AttendanceEdit");
    if (!WholeOrBlank(f.Temperature, true, temperature, hasTemperature))
        return Fail(Fmt(LangText(3571, "'%s' is not a valid temperature"), f.Temperature),
                    PagePlace, "TemperatureEdit");
    double time = 0;
    const bool hasTime = TimeGiven(f.Time);
    if (hasTime && !ParseTimeText(f.Time.trimmed(), time))
        return Fail(Fmt(LangText(5666, "'%s' is not valid time"), f.Time.trimmed()), PagePlace,
                    "TimeEdit");
    // The grid position: a line of the pair's cell in the short grid, not held by another of
    // the pair's home matches. A position left as it was is kept.
    int position = result.GridPosition;
    if (f.GridPosition && f.GridPosition->trimmed() != QString::number(result.GridPosition)) {
        const QString typed = f.GridPosition->trimmed();
        const int lines = (t.LegsOfPair(result.HomeTeamId, result.VisitorTeamId) + 1) / 2;
        bool given = false;
        if (!WholeOrBlank(typed, false, position, given) || !given || position < 1 ||
            position > lines)
            return Fail(Fmt(LangText(3574, "'%s' is not a valid grid position. A valid position "
                                           "for this pair is 1 to %d"),
                            typed, lines),
                        PagePlace, "GridPositionEdit");
        for (const TMatch* other : t.JointTable().Matches())
            if (other->Id != matchId && other->HomeTeamId == result.HomeTeamId &&
                other->VisitorTeamId == result.VisitorTeamId && other->GridPosition == position)
                return Fail(
                    Fmt(LangText(3575, "Grid position %d is already held by another match: %s"),
                        position, Description(t, *other)),
                    PagePlace, "GridPositionEdit");
    }
    // 9. No other match with the number, and neither team twice on a matchday.
    for (const TMatch* other : t.JointTable().Matches()) {
        if (other->Id == matchId) continue;
        if (hasNumber && other->HasNumber() && other->Number == number)
            return Fail(Fmt(LangText(3572, "A match with this number already exists: %s"),
                            Description(t, *other)),
                        PagePlace, "NumberEdit");
    }
    if (hasMatchday) {
        for (const int team : {result.HomeTeamId, result.VisitorTeamId}) {
            for (const TMatch* other : t.JointTable().Matches()) {
                if (other->Id == matchId || !other->HasMatchday() || other->Matchday != matchday ||
                    !other->Involves(team))
                    continue;
                const TTeam* named = t.TeamById(team);
                return Fail(Fmt(LangText(3573, "Team %s is already involved on matchday %d (%s)"),
                                named ? named->Name : QString(), matchday, Description(t, *other)),
                            PagePlace, "MatchdayEdit");
            }
        }
    }
    // Every field into the match; a forfeit only for a played match.
    result.TechnicalLoss = static_cast<quint8>(f.Forfeited && parsed->Played ? f.ForfeitedTeam : 0);
    result.Number = hasNumber ? number : -1;
    result.Leg = f.Leg;
    result.GridPosition = position;
    result.Matchday = hasMatchday ? matchday : -1;
    result.HasDate = hasDate;
    result.Date = hasDate ? date : 0;
    result.HasTime = hasTime;
    result.Time = hasTime ? time : 0;
    result.Attendance = hasAttendance ? attendance : -1;
    result.HasTemperature = hasTemperature;
    result.Temperature = hasTemperature ? temperature : 0;
    result.StadiumId = f.StadiumId;
    result.RefereeIds = f.Referees;
    result.Comments = f.Comments;
    return {};
}

bool SameMatch(const TMatch& a, const TMatch& b) {
    return a.Played == b.Played && a.HomeScore == b.HomeScore && a.VisitorScore == b.VisitorScore &&
           a.DecidedIn == b.DecidedIn && a.TechnicalLoss == b.TechnicalLoss &&
           a.Number == b.Number && a.Leg == b.Leg && a.GridPosition == b.GridPosition &&
           a.Matchday == b.Matchday && a.HasDate == b.HasDate && a.Date == b.Date &&
           a.HasTime == b.HasTime && a.Time == b.Time && a.Attendance == b.Attendance &&
           a.HasTemperature == b.HasTemperature && a.Temperature == b.Temperature &&
           a.StadiumId == b.StadiumId && a.RefereeIds == b.RefereeIds && a.Comments == b.Comments &&
           a.GetFullScoreText(true, true) == b.GetFullScoreText(true, true);
}

bool IsEmptyMatch(const TTournament& t, const TMatch& m) {
    const TTeam* home = t.TeamById(m.HomeTeamId);
    const bool ownStadium = !m.HasStadium() || (home && m.StadiumId == home->HomeStadiumId);
    return m.IsEmpty(false) && ownStadium;
}

bool ChangesStandings(const TMatch& before, const TMatch& after) {
    if (before.Played != after.Played) return true;
    if (!after.Played) return false;
    return before.Leg != after.Leg || before.GridPosition != after.GridPosition ||
           before.HomeScore != after.HomeScore || before.VisitorScore != after.VisitorScore ||
           before.DecidedIn != after.DecidedIn || before.TechnicalLoss != after.TechnicalLoss ||
           before.Attendance != after.Attendance;
}

QString MatchEditName(const TTournament& t, const TMatch& m, bool scoreEntered, bool deleted) {
    const QString pairing = t.PairingText(m);
    if (deleted) return Fmt(LangText(3660, "Delete %s"), pairing);
    if (scoreEntered && m.Played)
        return Fmt(LangText(3661, "Score %s %s"), m.GetScoreText(PrefHostFirst(), true), pairing);
    return Fmt(LangText(3662, "Change %s"), pairing);
}

TMatchApplyPlan PlanMatchApply(const TTournament& t, const TMatch* stored, const TMatch& edited) {
    TMatchApplyPlan plan;
    const bool empty = IsEmptyMatch(t, edited);
    if (!stored && empty) return plan;
    plan.Action = empty ? TMatchApplyPlan::Remove : TMatchApplyPlan::Store;
    plan.Recount = empty || (stored ? ChangesStandings(*stored, edited) : edited.Played);
    const bool scoreEntered = !stored || stored->Played != edited.Played ||
                              stored->HomeScore != edited.HomeScore ||
                              stored->VisitorScore != edited.VisitorScore;
    plan.StepName = MatchEditName(t, edited, scoreEntered, empty);
    return plan;
}

} // namespace kv
