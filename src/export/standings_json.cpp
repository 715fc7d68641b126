#include "export/standings_json.h"

#include "base/formats.h"
#include "model/group.h"
#include "model/match.h"
#include "model/sport.h"
#include "model/team.h"
#include "standings/column_catalog.h"
#include "standings/outlook.h"
#include "standings/outlook_marks.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"

#include <QDate>
#include <QJsonArray>
#include <QTime>

#include <cmath>

namespace kv {

QString IsoDate(double days) {
    return DateDigits(DaysToDate(days), QLatin1Char('-')); // an impossible date gives ""
}

namespace {

// A place that is not known yet (not worked out, or cancelled) is null.
QJsonValue PlaceValue(int place) {
    return place > 0 ? QJsonValue(place) : QJsonValue();
}

void AddOutlook(const TGroup& table, const TTeam& team, QJsonObject& row) {
    const TPlaceOutlook& o = CurrentOutlook(team);
    row.insert(QStringLiteral("best"), PlaceValue(o.Best));
    row.insert(QStringLiteral("worst"), PlaceValue(o.Worst));
    row.insert(QStringLiteral("remaining"), o.Remaining);
    row.insert(QStringLiteral("mark"), OutlookMark(table, o));
}

} // namespace

QJsonObject StandingsJson(const TTournament& t, const TGroup& table,
                          const std::vector<int>& columns, int scope, bool explain, bool outlook) {
    RecomputeTable(t, table);
    const bool withOutlook = outlook && OutlookAvailable(t);
    const TStandingsOrder ranked = RankStandings(t, table, table.Teams(), scope);
    QJsonArray rows;
    for (size_t i = 0; i < ranked.Teams.size(); ++i) {
        const TTeam& team = *ranked.Teams[i];
        QJsonObject values;
        for (const int id : columns)
            values.insert(QString::number(id), ColumnValue(t, team, id, scope));
        QJsonObject row{{QStringLiteral("place"), static_cast<int>(i) + 1},
                        {QStringLiteral("team"), team.Name},
                        {QStringLiteral("id"), team.Id},
                        {QStringLiteral("values"), values}};
        if (explain && i < ranked.Reasons.size())
            row.insert(QStringLiteral("explain"), PlaceReasonText(t, ranked.Reasons[i]));
        if (withOutlook) AddOutlook(table, team, row);
        rows.append(row);
    }
    return QJsonObject{{QStringLiteral("table"), table.Name}, {QStringLiteral("rows"), rows}};
}

QJsonObject OutlookJson(const TTournament& t, const TGroup& table) {
    PrepareTable(t, table);
    QJsonArray rows;
    const std::span<const TTeam* const> teams = table.Teams();
    for (size_t i = 0; i < teams.size(); ++i) {
        QJsonObject row{{QStringLiteral("place"), static_cast<int>(i) + 1},
                        {QStringLiteral("team"), teams[i]->Name},
                        {QStringLiteral("id"), teams[i]->Id}};
        AddOutlook(table, *teams[i], row);
        rows.append(row);
    }
    return QJsonObject{{QStringLiteral("table"), table.Name}, {QStringLiteral("rows"), rows}};
}

QJsonObject TournamentJson(const TTournament& t) {
    std::vector<int> columns;
    QJsonArray columnList;
    for (const TTableColumn& c : t.Columns) {
        columns.push_back(c.Id);
        columnList.append(QJsonObject{{QStringLiteral("id"), c.Id},
                                      {QStringLiteral("caption"), ColumnCaption(c.Id, t)}});
    }
    QJsonArray standings;
    for (const TGroup* table : t.ShownTables())
        standings.append(StandingsJson(t, *table, columns, ScopeOverall, false, true));
    QJsonArray teams;
    for (const TTeam* team : t.JointTable().Teams()) {
        const TGroup* group = t.GroupById(team->GroupId);
        teams.append(QJsonObject{{QStringLiteral("id"), team->Id},
                                 {QStringLiteral("name"), team->Name},
                                 {QStringLiteral("symbol"), team->Symbol},
                                 {QStringLiteral("group"), group ? group->Name : QString()},
                                 {QStringLiteral("city"), team->City},
                                 {QStringLiteral("country"), team->Country}});
    }
    QJsonArray matches;
    const TScoreTexts texts = TScoreTexts::Current();
    for (const TMatch* m : t.JointTable().Matches()) {
        QJsonObject match{
            {QStringLiteral("id"), m->Id},
            {QStringLiteral("leg"), m->Leg},
            {QStringLiteral("matchday"), m->HasMatchday() ? QJsonValue(m->Matchday) : QJsonValue()},
            {QStringLiteral("date"), m->HasDate ? QJsonValue(IsoDate(m->Date)) : QJsonValue()},
            {QStringLiteral("time"),
             m->HasTime ? QJsonValue(QTime(0, 0)
                                         .addSecs(static_cast<int>(std::lround(m->Time * 86400)))
                                         .toString(QStringLiteral("HH:mm")))
                        : QJsonValue()},
            {QStringLiteral("home"), m->HomeTeamId},
            {QStringLiteral("visitor"), m->VisitorTeamId},
            {QStringLiteral("played"), m->Played}};
        if (m->Played) {
            match.insert(QStringLiteral("homeScore"), m->HomeScore);
            match.insert(QStringLiteral("visitorScore"), m->VisitorScore);
            match.insert(QStringLiteral("score"), m->GetScoreText(true, true, texts));
        }
        matches.append(match);
    }
    const QJsonObject points{{QStringLiteral("win"), t.WinPoints},
                             {QStringLiteral("draw"), t.DrawPoints},
                             {QStringLiteral("loss"), t.LossPoints},
                             {QStringLiteral("overtime"), t.Overtime},
                             {QStringLiteral("winOvertime"), t.WinOTPoints},
                             {QStringLiteral("lossOvertime"), t.LossOTPoints},
                             {QStringLiteral("shootOuts"), t.ShootOuts},
                             {QStringLiteral("winShootOut"), t.WinSOPoints},
                             {QStringLiteral("lossShootOut"), t.LossSOPoints}};
    const QJsonObject tournament{{QStringLiteral("name"), t.Name},
                                 {QStringLiteral("sport"), NormalizeSport(t.Sport)},
                                 {QStringLiteral("sportName"), SportName(t.Sport)},
                                 {QStringLiteral("legs"), t.GroupLegs},
                                 {QStringLiteral("conferenceLegs"), t.ConferenceLegs},
                                 {QStringLiteral("interConferenceLegs"), t.InterConferenceLegs}};
    return QJsonObject{{QStringLiteral("schema"), QStringLiteral("kelvorandine-publish")},
                       {QStringLiteral("version"), kPublishSchemaVersion},
                       {QStringLiteral("tournament"), tournament},
                       {QStringLiteral("points"), points},
                       {QStringLiteral("columns"), columnList},
                       {QStringLiteral("standings"), standings},
                       {QStringLiteral("teams"), teams},
                       {QStringLiteral("matches"), matches}};
}

} // namespace kv
