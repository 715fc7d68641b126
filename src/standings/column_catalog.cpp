#include "standings/column_catalog.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/settings.h"
#include "model/sport.h"
#include "standings/outlook.h"
#include "standings/team_values.h"

#include <array>

namespace kv {

namespace {

// Per-sport offset of the language ids of the sport-worded columns 16..27.
int WordIdOffset(int sport) {
    switch (NormalizeSport(sport)) {
    case SportHockey:
        return 1;
    case SportVolleyball:
        return 2;
    case SportTennis:
        return 3;
    case SportChess:
        return 4;
    case SportBaseball:
        return 5;
    case SportBasketball:
        return 6;
    case SportUSFootball:
        return 7;
    case SportOther:
        return 8;
    default:
        return 0; // the soccer family
    }
}

enum TWordSet { Goals = 0, PointsScored = 1, Sets = 2, PointsFor = 3 };

TWordSet WordSetOf(int sport) {
    switch (NormalizeSport(sport)) {
    case SportBasketball:
    case SportBaseball:
        return PointsScored;
    case SportVolleyball:
    case SportTennis:
        return Sets;
    case SportChess:
    case SportUSFootball:
        return PointsFor;
    default:
        return Goals;
    }
}

using TWords = std::array<const char*, 4>;

struct TWordColumn {
    int NameBase;
    TWords Names;
    int CaptionBase; // 0: no caption
    TWords Captions;
};

const TWords kNames16 = {"Goals For and Against", "Points Scored and Allowed", "Sets Won and Lost",
                         "Points For and Against"};
const TWords kNames17 = {"Goals For", "Points Scored", "Sets Won", "Points For"};
const TWords kNames18 = {"Goals Against", "Points Allowed", "Sets Lost", "Points Against"};
const char* const kAmongThem = " in Matches Played among Them";

// Columns 16..27 by word set.
const std::array<TWordColumn, 12> kWordColumns = {{
    {4022, kNames16, 4327, {"GF-GA", "PF-PA", "SW-SL", "PF-PA"}},
    {4040, kNames17, 4345, {"GF", "PF", "SW", "PF"}},
    {4049, kNames18, 4354, {"GA", "PA", "SL", "PA"}},
    {4031,
     {"Goal Difference", "Point Difference", "Won and Lost Set Difference", "Point Difference"},
     4336,
     {"GD", "PD", "SD", "PD"}},
    {4104,
     {"Average Goals For and Against", "Average Points Scored and Allowed",
      "Average Sets Won and Lost", "Average Points For and Against"},
     4366,
     {"Avg GF-GA", "Avg PF-PA", "Avg SW-SL", "Avg PF-PA"}},
    {4122,
     {"Average Goals For", "Average Points Scored", "Average Sets Won", "Average Points For"},
     4384,
     {"Avg GF", "Avg PF", "Avg SW", "Avg PF"}},
    {4131,
     {"Average Goals Against", "Average Points Allowed", "Average Sets Lost",
      "Average Points Against"},
     4393,
     {"Avg GA", "Avg PA", "Avg SL", "Avg PA"}},
    {4113,
     {"Average Goal Difference", "Average Point Difference", "Average Won and Lost Set Difference",
      "Average Point Difference"},
     4375,
     {"Avg GD", "Avg PD", "Avg SD", "Avg PD"}},
    {4060, {}, 0, {}},
    {4078, {}, 0, {}},
    {4087, {}, 0, {}},
    {4069,
     {"Goal Difference in Matches Played among Them",
      "Point Difference in Matches Played among Them",
      "Set Difference in Matches Played among Them",
      "Point Difference in Matches Played among Them"},
     0,
     {}},
}};

QString WordColumnName(int column, int sport) {
    const TWordColumn& w = kWordColumns[static_cast<size_t>(column - kColumnGoalsForAndAgainst)];
    const int set = WordSetOf(sport);
    QString def;
    switch (column) {
    case kColumnAmongThemGoalsForAndAgainst:
        def = QString::fromLatin1(kNames16[static_cast<size_t>(set)]) + QLatin1String(kAmongThem);
        break;
    case kColumnAmongThemGoalsFor:
        def = QString::fromLatin1(kNames17[static_cast<size_t>(set)]) + QLatin1String(kAmongThem);
        break;
    case kColumnAmongThemGoalsAgainst:
        def = QString::fromLatin1(kNames18[static_cast<size_t>(set)]) + QLatin1String(kAmongThem);
        break;
    case kColumnAmongThemGoalDifference:
        def = NormalizeSport(sport) == SportChess
                  ? QStringLiteral("Points Difference in Matches Played among Them")
                  : QString::fromLatin1(w.Names[static_cast<size_t>(set)]);
        break;
    default:
        def = QString::fromLatin1(w.Names[static_cast<size_t>(set)]);
        break;
    }
    return LangText(w.NameBase + WordIdOffset(sport), def);
}

QString WordColumnCaption(int column, int sport) {
    const TWordColumn& w = kWordColumns[static_cast<size_t>(column - kColumnGoalsForAndAgainst)];
    if (!w.CaptionBase) return QString();
    return LangText(w.CaptionBase + WordIdOffset(sport),
                    w.Captions[static_cast<size_t>(WordSetOf(sport))]);
}

bool Soccerish(int sport) {
    return IsSoccerFamily(sport);
}

QString Pair(double a, double b) {
    return FormatFloat2(a) + QLatin1Char('-') + FormatFloat2(b);
}
QString AvgPair(double a, double b) {
    return FormatFloat1(a) + QLatin1Char('-') + FormatFloat1(b);
}

} // namespace

TColumnContext TColumnContext::Of(const TTournament& t) {
    TColumnContext c;
    c.Sport = t.Sport;
    c.Overtime = t.Overtime;
    c.ShootOuts = t.ShootOuts;
    c.CalculatesPoints = t.CalculatesPoints();
    c.HasGroups = TournamentHasGroups(t);
    c.HasConferences = t.HasConferences();
    c.Outlook = OutlookAvailable(t);
    return c;
}

bool TournamentHasGroups(const TTournament& t) {
    return t.Groups().size() > 1 || t.HasConferences();
}

QString ColumnFullName(int column, int sport, bool hasConferences, bool hasGroups) {
    const int s = NormalizeSport(sport);
    if (column >= kColumnGoalsForAndAgainst && column <= kColumnAmongThemGoalDifference)
        return WordColumnName(column, s);
    switch (column) {
    case kColumnPlayed:
        return LangText(4000, "Matches Played");
    case kColumnTotalWins:
        return LangText(4001, "Total Matches Won");
    case kColumnTotalDraws:
        if (s == SportHockey) return LangText(4002, "Total Matches Tied");
        if (s == SportUSFootball) return QString();
        return LangText(4003, "Total Matches Drawn");
    case kColumnTotalLosses:
        return LangText(4004, "Total Matches Lost");
    case kColumnRegulationWins:
        return s == SportUSFootball ? LangText(4015, "Matches Won")
                                    : LangText(4016, "Matches Won (Normal Time)");
    case kColumnRegulationLosses:
        return s == SportUSFootball ? LangText(4017, "Matches Lost")
                                    : LangText(4018, "Matches Lost (Normal Time)");
    case kColumnOvertimeWins:
        if (Soccerish(s)) return LangText(4006, "Matches Won in Expanded Time");
        if (s == SportHockey || s == SportBasketball || s == SportUSFootball)
            return LangText(4005, "Matches Won in Overtime");
        return QString();
    case kColumnOvertimeDraws:
        if (s == SportHockey || s == SportBasketball)
            return LangText(4007, "Matches Tied in Overtime");
        if (Soccerish(s)) return LangText(4008, "Matches Drawn in Expanded Time");
        return QString();
    case kColumnOvertimeLosses:
        if (Soccerish(s)) return LangText(4010, "Matches Lost in Expanded Time");
        if (s == SportHockey || s == SportBasketball || s == SportUSFootball)
            return LangText(4009, "Matches Lost in Overtime");
        return QString();
    case kColumnShootOutWins:
        if (s == SportHockey) return LangText(4011, "Matches Won on Shoot-outs");
        return Soccerish(s) ? LangText(4012, "Matches Won on Penalty Shoot-outs") : QString();
    case kColumnShootOutLosses:
        if (s == SportHockey) return LangText(4013, "Matches Lost on Shoot-outs");
        return Soccerish(s) ? LangText(4014, "Matches Lost on Penalty Shoot-outs") : QString();
    case kColumnExtraTimeMatches:
        if (Soccerish(s)) return LangText(4020, "Matches Drawn after Normal Time");
        if (s == SportHockey || s == SportBasketball) return LangText(4019, "Overtimes");
        return s == SportUSFootball ? LangText(4021, "Matches Tied") : QString();
    case kColumnAmongThemWins:
        return LangText(4096, "Matches Won among Them");
    case kColumnAmongThemDraws:
        return s == SportHockey ? LangText(4097, "Matches Tied among Them")
                                : LangText(4098, "Matches Drawn among Them");
    case kColumnAmongThemLosses:
        return LangText(4099, "Matches Lost among Them");
    case kColumnPoints:
        return LangText(4058, "Points Obtained");
    case kColumnAveragePoints:
        return LangText(4103, "Average Points Obtained");
    case kColumnMaxPossiblePoints:
        return LangText(4144, "Maximum Possible Points in Played Matches");
    case kColumnPercentage:
        if (s == SportBasketball || s == SportBaseball)
            return LangText(4100, "Won-Lost Percentage");
        if (s == SportUSFootball) return LangText(4101, "Won-Lost-Tied percentage");
        return LangText(4102, "Point Percentage");
    case kColumnLostPoints:
        return LangText(4143, "Lost Points");
    case kColumnAmongThemPoints:
        return LangText(4059, "Points Obtained in Matches Played among Them");
    case kColumnAmongThemPercentage:
        if (s == SportBasketball || s == SportUSFootball || s == SportBaseball)
            return LangText(4140, "Percentage in Matches Played among Them");
        return LangText(4141, "Point Percentage in Matches Played among Them");
    case kColumnRatio:
        return LangText(4142, "Ratio");
    case kColumnGroupPlace:
        return hasConferences ? LangText(4145, "Team Place in Division")
                              : LangText(4146, "Team Place in Group");
    case kColumnConferencePlace:
        return hasConferences ? LangText(4147, "Team Place in Conference") : QString();
    case kColumnJointPlace:
        return hasConferences || hasGroups ? LangText(4148, "Team Place in Joint Table")
                                           : LangText(4149, "Team Place");
    case kColumnAttendance:
        return LangText(4150, "Attendance");
    case kColumnAverageAttendance:
        return LangText(4151, "Average Attendance");
    case kColumnRegulationOvertimeWins:
        return s == SportHockey ? LangText(4152, "Regulation and Overtime Wins") : QString();
    case kColumnBestPlace:
        return LangText(4153, "Best Possible Place");
    case kColumnWorstPlace:
        return LangText(4154, "Worst Possible Place");
    default:
        return QString();
    }
}

QString ColumnCaption(int column, int sport, bool hasConferences, bool hasGroups) {
    const int s = NormalizeSport(sport);
    if (column >= kColumnGoalsForAndAgainst && column <= kColumnAmongThemGoalDifference)
        return WordColumnCaption(column, s);
    switch (column) {
    case kColumnPlayed:
        return LangText(4300, "Pld");
    case kColumnTotalWins:
        return s == SportUSFootball ? LangText(4301, "TW") : LangText(4302, "W");
    case kColumnTotalDraws:
        if (s == SportHockey) return LangText(4303, "T");
        if (Soccerish(s) || s == SportChess) return LangText(4304, "D");
        return QString();
    case kColumnTotalLosses:
        return s == SportUSFootball ? LangText(4305, "TL") : LangText(4306, "L");
    case kColumnRegulationWins:
        return LangText(4320, "W");
    case kColumnRegulationDraws:
        return s == SportHockey || s == SportUSFootball ? LangText(4321, "T") : LangText(4322, "D");
    case kColumnRegulationLosses:
        return LangText(4323, "L");
    case kColumnOvertimeWins:
        if (Soccerish(s)) return LangText(4308, "WE");
        return s == SportHockey || s == SportBasketball || s == SportUSFootball
                   ? LangText(4307, "WO")
                   : QString();
    case kColumnOvertimeDraws:
        if (s == SportHockey) return LangText(4309, "TO");
        return Soccerish(s) ? LangText(4310, "DE") : QString();
    case kColumnOvertimeLosses:
        if (Soccerish(s)) return LangText(4312, "LE");
        return s == SportHockey || s == SportBasketball || s == SportUSFootball
                   ? LangText(4311, "LO")
                   : QString();
    case kColumnShootOutWins:
        return Soccerish(s) || s == SportHockey ? QStringLiteral("WS") : QString();
    case kColumnShootOutLosses:
        return Soccerish(s) || s == SportHockey ? QStringLiteral("LS") : QString();
    case kColumnExtraTimeMatches:
        if (Soccerish(s)) return LangText(4326, "ND");
        if (s == SportHockey) return LangText(4325, "NT");
        return s == SportUSFootball ? LangText(4324, "T") : QString();
    case kColumnPoints:
        return LangText(4363, "Pts");
    case kColumnAveragePoints:
        return LangText(4365, "Avg Pts");
    case kColumnMaxPossiblePoints:
        return LangText(4405, "MPP");
    case kColumnPercentage:
        return LangText(4364, "PCT");
    case kColumnLostPoints:
        return LangText(4404, "LPts");
    case kColumnAmongThemPercentage:
        return LangText(4402, "Avg PCT");
    case kColumnRatio:
        return LangText(4403, "Ratio");
    case kColumnGroupPlace:
        return hasConferences ? LangText(4406, "DP") : LangText(4407, "GP");
    case kColumnConferencePlace:
        return LangText(4408, "CP");
    case kColumnJointPlace:
        return hasConferences || hasGroups ? LangText(4409, "JP") : LangText(4410, "P");
    case kColumnAttendance:
        return LangText(4411, "Atnd");
    case kColumnAverageAttendance:
        return LangText(4412, "Avg Atnd");
    case kColumnRegulationOvertimeWins:
        return s == SportHockey ? LangText(4413, "ROW") : QString();
    case kColumnBestPlace:
        return LangText(4414, "Best");
    case kColumnWorstPlace:
        return LangText(4415, "Worst");
    default:
        return QString();
    }
}

bool ColumnApplicable(int column, const TColumnContext& c) {
    const int s = NormalizeSport(c.Sport);
    switch (column) {
    case kColumnPlayed:
    case kColumnTotalWins:
    case kColumnTotalLosses:
    case kColumnPercentage:
    case kColumnJointPlace:
    case kColumnAttendance:
    case kColumnAverageAttendance:
        return true;
    case kColumnTotalDraws:
        return s != SportBasketball && s != SportVolleyball && s != SportTennis &&
               s != SportUSFootball && s != SportBaseball;
    case kColumnRegulationWins:
    case kColumnRegulationLosses:
    case kColumnOvertimeWins:
    case kColumnOvertimeLosses:
    case kColumnExtraTimeMatches:
        return c.Overtime;
    case kColumnOvertimeDraws:
        return c.Overtime && s != SportUSFootball;
    case kColumnShootOutWins:
    case kColumnShootOutLosses:
        return c.Overtime && c.ShootOuts;
    case kColumnPoints:
    case kColumnAveragePoints:
    case kColumnMaxPossiblePoints:
    case kColumnLostPoints:
        return c.CalculatesPoints && s != SportUSFootball && s != SportBaseball;
    case kColumnRatio:
        return s == SportChess;
    case kColumnGroupPlace:
        return c.HasGroups;
    case kColumnConferencePlace:
        return c.HasConferences;
    case kColumnRegulationOvertimeWins:
        return s == SportHockey && c.Overtime;
    case kColumnBestPlace:
    case kColumnWorstPlace:
        return c.Outlook;
    default:
        return column >= kColumnGoalsForAndAgainst && column <= kColumnAverageGoalDifference;
    }
}

bool ColumnDescendingByDefault(int column) {
    switch (column) {
    case kColumnPlayed:
    case kColumnTotalLosses:
    case kColumnRegulationLosses:
    case kColumnOvertimeLosses:
    case kColumnShootOutLosses:
    case kColumnAmongThemLosses:
    case kColumnGoalsAgainst:
    case kColumnAverageGoalsAgainst:
    case kColumnAmongThemGoalsAgainst:
    case kColumnReserved30:
    case kColumnReserved34:
    case kColumnReserved38:
    case kColumnLostPoints:
    case kColumnGroupPlace:
    case kColumnConferencePlace:
    case kColumnJointPlace:
    case kColumnBestPlace:
    case kColumnWorstPlace:
        return false;
    default:
        return true;
    }
}

int ColumnDefaultWidth(int column, int sport) {
    const int s = NormalizeSport(sport);
    switch (column) {
    case kColumnGoalsForAndAgainst:
    case kColumnAmongThemGoalsForAndAgainst:
    case kColumnReserved32:
    case kColumnReserved36:
        return s == SportBasketball ? 65 : 45;
    case kColumnAverageGoalsForAndAgainst:
    case kColumnReserved28:
        return s == SportBasketball ? 75 : 60;
    case kColumnAverageGoalsFor:
    case kColumnAverageGoalsAgainst:
    case kColumnAverageGoalDifference:
    case kColumnReserved29:
    case kColumnReserved30:
    case kColumnReserved31:
    case kColumnAveragePoints:
    case kColumnAmongThemAveragePoints:
        return 45;
    case kColumnGoalsFor:
    case kColumnGoalsAgainst:
    case kColumnGoalDifference:
    case kColumnAmongThemGoalsFor:
    case kColumnAmongThemGoalsAgainst:
    case kColumnAmongThemGoalDifference:
    case kColumnReserved33:
    case kColumnReserved34:
    case kColumnReserved35:
    case kColumnReserved37:
    case kColumnReserved38:
    case kColumnReserved39:
        return s == SportHockey || s == SportBasketball || s == SportChess ? 30 : 25;
    case kColumnPoints:
    case kColumnMaxPossiblePoints:
    case kColumnLostPoints:
    case kColumnAmongThemPoints:
        return s == SportChess ? 30 : 25;
    case kColumnPercentage:
    case kColumnAmongThemPercentage:
        return 35;
    case kColumnRatio:
        return 65;
    case kColumnAttendance:
    case kColumnAverageAttendance:
        return 60;
    case kColumnRegulationOvertimeWins:
        return 30;
    case kColumnBestPlace:
    case kColumnWorstPlace:
        return 35;
    default:
        return 25;
    }
}

int ColumnUserDefaultWidth(int column, int sport) {
    return RegReadInteger(QStringLiteral("TableDimensions\\") + SportName(sport),
                          QString::number(column), ColumnDefaultWidth(column, sport));
}

double ColumnValue(const TTournament& t, const TTeam& team, int column, int scope) {
    const TVenueStats v = VenueStats(team.Stats, scope);
    const int played = MatchesPlayed(team, scope);
    switch (column) {
    case kColumnPlayed:
        return played;
    case kColumnTotalWins:
        return v.TotalWon();
    case kColumnTotalDraws:
        return v.TotalDrawn();
    case kColumnTotalLosses:
        return v.TotalLost();
    case kColumnRegulationWins:
        return v.Wins;
    case kColumnRegulationDraws:
        return v.Draws;
    case kColumnRegulationLosses:
        return v.Losses;
    case kColumnOvertimeWins:
        return v.OTWins;
    case kColumnOvertimeDraws:
        return v.OTDraws;
    case kColumnOvertimeLosses:
        return v.OTLosses;
    case kColumnShootOutWins:
        return v.SOWins;
    case kColumnShootOutLosses:
        return v.SOLosses;
    case kColumnExtraTimeMatches:
        return v.ExtraTimeMatches;
    case kColumnAmongThemWins:
    case kColumnAmongThemDraws:
    case kColumnAmongThemLosses:
    case kColumnAmongThemGoalsForAndAgainst:
    case kColumnAmongThemGoalsFor:
    case kColumnAmongThemGoalsAgainst:
    case kColumnAmongThemGoalDifference:
    case kColumnAmongThemPoints:
    case kColumnAmongThemAveragePoints:
    case kColumnAmongThemPercentage:
        return AmongThemValue(v, column);
    case kColumnGoalsForAndAgainst:
    case kColumnGoalDifference:
        return GoalDifference(team, scope);
    case kColumnGoalsFor:
        return GoalsFor(team, scope);
    case kColumnGoalsAgainst:
        return GoalsAgainst(team, scope);
    case kColumnAverageGoalsForAndAgainst:
    case kColumnAverageGoalDifference:
        return PerMatch(GoalDifference(team, scope), played);
    case kColumnAverageGoalsFor:
        return PerMatch(GoalsFor(team, scope), played);
    case kColumnAverageGoalsAgainst:
        return PerMatch(GoalsAgainst(team, scope), played);
    case kColumnPoints:
        return Points(t, team, scope);
    case kColumnAveragePoints:
        return PerMatch(Points(t, team, scope), played);
    case kColumnMaxPossiblePoints:
        return MaxPossiblePoints(t, team, scope);
    case kColumnPercentage:
        return Percentage(t, team, scope);
    case kColumnLostPoints:
        return LostPoints(t, team, scope);
    case kColumnGroupPlace:
        return PlaceIn(team, KindGroup, scope);
    case kColumnConferencePlace:
        return PlaceIn(team, KindConference, scope);
    case kColumnJointPlace:
        return PlaceIn(team, KindJoint, scope);
    case kColumnAttendance:
        return static_cast<double>(v.AttendanceSum);
    case kColumnAverageAttendance:
        return PerMatch(static_cast<double>(v.AttendanceSum), played);
    case kColumnRegulationOvertimeWins:
        return v.Wins + v.OTWins;
    // Places are the whole season's: nothing at home or away alone.
    case kColumnBestPlace:
        return scope == ScopeOverall ? CurrentOutlook(team).Best : 0;
    case kColumnWorstPlace:
        return scope == ScopeOverall ? CurrentOutlook(team).Worst : 0;
    default:
        return 0;
    }
}

bool IsRankingColumn(int column) {
    return column >= 0 && column < kColumnCount && column != kColumnBestPlace &&
           column != kColumnWorstPlace;
}

bool IsAmongThemColumn(int column) {
    return (column >= kColumnAmongThemWins && column <= kColumnAmongThemLosses) ||
           (column >= kColumnAmongThemGoalsForAndAgainst &&
            column <= kColumnAmongThemGoalDifference) ||
           (column >= kColumnAmongThemPoints && column <= kColumnAmongThemPercentage);
}

double AmongThemValue(const TVenueStats& v, int column) {
    switch (column) {
    case kColumnAmongThemWins:
        return v.H2HWins;
    case kColumnAmongThemDraws:
        return v.H2HDraws;
    case kColumnAmongThemLosses:
        return v.H2HLosses;
    case kColumnAmongThemGoalsForAndAgainst:
    case kColumnAmongThemGoalDifference:
        return v.H2HGoalsFor - v.H2HGoalsAgainst;
    case kColumnAmongThemGoalsFor:
        return v.H2HGoalsFor;
    case kColumnAmongThemGoalsAgainst:
        return v.H2HGoalsAgainst;
    case kColumnAmongThemPoints:
        return v.H2HPoints;
    case kColumnAmongThemAveragePoints:
        return PerMatch(v.H2HPoints, v.H2HPlayed());
    case kColumnAmongThemPercentage:
        return H2HPercentage(v);
    default:
        return 0;
    }
}

QString ColumnText(const TTournament& t, const TTeam& team, int column, int scope) {
    switch (column) {
    case kColumnGoalsForAndAgainst:
        return Pair(GoalsFor(team, scope), GoalsAgainst(team, scope));
    case kColumnAverageGoalsForAndAgainst: {
        const int played = MatchesPlayed(team, scope);
        return AvgPair(PerMatch(GoalsFor(team, scope), played),
                       PerMatch(GoalsAgainst(team, scope), played));
    }
    case kColumnAmongThemGoalsForAndAgainst: {
        const TVenueStats v = VenueStats(team.Stats, scope);
        return Pair(v.H2HGoalsFor, v.H2HGoalsAgainst);
    }
    case kColumnBestPlace:
    case kColumnWorstPlace: {
        // Blank while the places are being worked out.
        const double place = ColumnValue(t, team, column, scope);
        return place > 0 ? ColumnValueText(column, place) : QString();
    }
    default:
        return ColumnValueText(column, ColumnValue(t, team, column, scope));
    }
}

QString ColumnValueText(int column, double value) {
    switch (column) {
    case kColumnGoalsForAndAgainst:
    case kColumnGoalsFor:
    case kColumnGoalsAgainst:
    case kColumnGoalDifference:
    case kColumnAmongThemGoalsForAndAgainst:
    case kColumnAmongThemGoalsFor:
    case kColumnAmongThemGoalsAgainst:
    case kColumnAmongThemGoalDifference:
    case kColumnPoints:
    case kColumnMaxPossiblePoints:
    case kColumnLostPoints:
    case kColumnAmongThemPoints:
        return FormatFloat2(value);
    case kColumnAverageGoalsForAndAgainst:
    case kColumnAverageGoalsFor:
    case kColumnAverageGoalsAgainst:
    case kColumnAverageGoalDifference:
    case kColumnAveragePoints:
    case kColumnPercentage:
    case kColumnAmongThemAveragePoints:
    case kColumnAmongThemPercentage:
    case kColumnRatio:
    case kColumnAverageAttendance:
        return FormatFloat1(value);
    default:
        return QString::number(static_cast<qint64>(value));
    }
}

} // namespace kv
