#include "standings/column_catalog.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/settings.h"
#include "model/sport.h"
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
    const TWordColumn& w = kWordColumns[static_cast<size_t>(column - 16)];
    const int set = WordSetOf(sport);
    QString def;
    switch (column) {
    case 24:
        def = QString::fromLatin1(kNames16[static_cast<size_t>(set)]) + QLatin1String(kAmongThem);
        break;
    case 25:
        def = QString::fromLatin1(kNames17[static_cast<size_t>(set)]) + QLatin1String(kAmongThem);
        break;
    case 26:
        def = QString::fromLatin1(kNames18[static_cast<size_t>(set)]) + QLatin1String(kAmongThem);
        break;
    case 27:
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
    const TWordColumn& w = kWordColumns[static_cast<size_t>(column - 16)];
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
    return c;
}

bool TournamentHasGroups(const TTournament& t) {
    return t.Groups().size() > 1 || t.HasConferences();
}

QString ColumnFullName(int column, int sport, bool hasConferences, bool hasGroups) {
    const int s = NormalizeSport(sport);
    if (column >= 16 && column <= 27) return WordColumnName(column, s);
    switch (column) {
    case 0:
        return LangText(4000, "Matches Played");
    case 1:
        return LangText(4001, "Total Matches Won");
    case 2:
        if (s == SportHockey) return LangText(4002, "Total Matches Tied");
        if (s == SportUSFootball) return QString();
        return LangText(4003, "Total Matches Drawn");
    case 3:
        return LangText(4004, "Total Matches Lost");
    case 4:
        return s == SportUSFootball ? LangText(4015, "Matches Won")
                                    : LangText(4016, "Matches Won (Normal Time)");
    case 6:
        return s == SportUSFootball ? LangText(4017, "Matches Lost")
                                    : LangText(4018, "Matches Lost (Normal Time)");
    case 7:
        if (Soccerish(s)) return LangText(4006, "Matches Won in Expanded Time");
        if (s == SportHockey || s == SportBasketball || s == SportUSFootball)
            return LangText(4005, "Matches Won in Overtime");
        return QString();
    case 8:
        if (s == SportHockey || s == SportBasketball)
            return LangText(4007, "Matches Tied in Overtime");
        if (Soccerish(s)) return LangText(4008, "Matches Drawn in Expanded Time");
        return QString();
    case 9:
        if (Soccerish(s)) return LangText(4010, "Matches Lost in Expanded Time");
        if (s == SportHockey || s == SportBasketball || s == SportUSFootball)
            return LangText(4009, "Matches Lost in Overtime");
        return QString();
    case 10:
        if (s == SportHockey) return LangText(4011, "Matches Won on Shoot-outs");
        return Soccerish(s) ? LangText(4012, "Matches Won on Penalty Shoot-outs") : QString();
    case 11:
        if (s == SportHockey) return LangText(4013, "Matches Lost on Shoot-outs");
        return Soccerish(s) ? LangText(4014, "Matches Lost on Penalty Shoot-outs") : QString();
    case 12:
        if (Soccerish(s)) return LangText(4020, "Matches Drawn after Normal Time");
        if (s == SportHockey || s == SportBasketball) return LangText(4019, "Overtimes");
        return s == SportUSFootball ? LangText(4021, "Matches Tied") : QString();
    case 13:
        return LangText(4096, "Matches Won among Them");
    case 14:
        return s == SportHockey ? LangText(4097, "Matches Tied among Them")
                                : LangText(4098, "Matches Drawn among Them");
    case 15:
        return LangText(4099, "Matches Lost among Them");
    case 40:
        return LangText(4058, "Points Obtained");
    case 41:
        return LangText(4103, "Average Points Obtained");
    case 42:
        return LangText(4144, "Maximum Possible Points in Played Matches");
    case 43:
        if (s == SportBasketball || s == SportBaseball)
            return LangText(4100, "Won-Lost Percentage");
        if (s == SportUSFootball) return LangText(4101, "Won-Lost-Tied percentage");
        return LangText(4102, "Point Percentage");
    case 44:
        return LangText(4143, "Lost Points");
    case 45:
        return LangText(4059, "Points Obtained in Matches Played among Them");
    case 47:
        if (s == SportBasketball || s == SportUSFootball || s == SportBaseball)
            return LangText(4140, "Percentage in Matches Played among Them");
        return LangText(4141, "Point Percentage in Matches Played among Them");
    case 48:
        return LangText(4142, "Ratio");
    case 49:
        return hasConferences ? LangText(4145, "Team Place in Division")
                              : LangText(4146, "Team Place in Group");
    case 50:
        return hasConferences ? LangText(4147, "Team Place in Conference") : QString();
    case 51:
        return hasConferences || hasGroups ? LangText(4148, "Team Place in Joint Table")
                                           : LangText(4149, "Team Place");
    case 52:
        return LangText(4150, "Attendance");
    case 53:
        return LangText(4151, "Average Attendance");
    case kColumnRegulationOvertimeWins:
        return s == SportHockey ? LangText(4152, "Regulation and Overtime Wins") : QString();
    default:
        return QString();
    }
}

QString ColumnCaption(int column, int sport, bool hasConferences, bool hasGroups) {
    const int s = NormalizeSport(sport);
    if (column >= 16 && column <= 27) return WordColumnCaption(column, s);
    switch (column) {
    case 0:
        return LangText(4300, "Pld");
    case 1:
        return s == SportUSFootball ? LangText(4301, "TW") : LangText(4302, "W");
    case 2:
        if (s == SportHockey) return LangText(4303, "T");
        if (Soccerish(s) || s == SportChess) return LangText(4304, "D");
        return QString();
    case 3:
        return s == SportUSFootball ? LangText(4305, "TL") : LangText(4306, "L");
    case 4:
        return LangText(4320, "W");
    case 5:
        return s == SportHockey || s == SportUSFootball ? LangText(4321, "T") : LangText(4322, "D");
    case 6:
        return LangText(4323, "L");
    case 7:
        if (Soccerish(s)) return LangText(4308, "WE");
        return s == SportHockey || s == SportBasketball || s == SportUSFootball
                   ? LangText(4307, "WO")
                   : QString();
    case 8:
        if (s == SportHockey) return LangText(4309, "TO");
        return Soccerish(s) ? LangText(4310, "DE") : QString();
    case 9:
        if (Soccerish(s)) return LangText(4312, "LE");
        return s == SportHockey || s == SportBasketball || s == SportUSFootball
                   ? LangText(4311, "LO")
                   : QString();
    case 10:
        return Soccerish(s) || s == SportHockey ? QStringLiteral("WS") : QString();
    case 11:
        return Soccerish(s) || s == SportHockey ? QStringLiteral("LS") : QString();
    case 12:
        if (Soccerish(s)) return LangText(4326, "ND");
        if (s == SportHockey) return LangText(4325, "NT");
        return s == SportUSFootball ? LangText(4324, "T") : QString();
    case 40:
        return LangText(4363, "Pts");
    case 41:
        return LangText(4365, "Avg Pts");
    case 42:
        return LangText(4405, "MPP");
    case 43:
        return LangText(4364, "PCT");
    case 44:
        return LangText(4404, "LPts");
    case 47:
        return LangText(4402, "Avg PCT");
    case 48:
        return LangText(4403, "Ratio");
    case 49:
        return hasConferences ? LangText(4406, "DP") : LangText(4407, "GP");
    case 50:
        return LangText(4408, "CP");
    case 51:
        return hasConferences || hasGroups ? LangText(4409, "JP") : LangText(4410, "P");
    case 52:
        return LangText(4411, "Atnd");
    case 53:
        return LangText(4412, "Avg Atnd");
    case kColumnRegulationOvertimeWins:
        return s == SportHockey ? LangText(4413, "ROW") : QString();
    default:
        return QString();
    }
}

bool ColumnApplicable(int column, const TColumnContext& c) {
    const int s = NormalizeSport(c.Sport);
    switch (column) {
    case 0:
    case 1:
    case 3:
    case 43:
    case 51:
    case 52:
    case 53:
        return true;
    case 2:
        return s != SportBasketball && s != SportVolleyball && s != SportTennis &&
               s != SportUSFootball && s != SportBaseball;
    case 4:
    case 6:
    case 7:
    case 9:
    case 12:
        return c.Overtime;
    case 8:
        return c.Overtime && s != SportUSFootball;
    case 10:
    case 11:
        return c.Overtime && c.ShootOuts;
    case 40:
    case 41:
    case 42:
    case 44:
        return c.CalculatesPoints && s != SportUSFootball && s != SportBaseball;
    case 48:
        return s == SportChess;
    case 49:
        return c.HasGroups;
    case 50:
        return c.HasConferences;
    case kColumnRegulationOvertimeWins:
        return s == SportHockey && c.Overtime;
    default:
        return column >= 16 && column <= 23;
    }
}

bool ColumnDescendingByDefault(int column) {
    switch (column) {
    case 0:
    case 3:
    case 6:
    case 9:
    case 11:
    case 15:
    case 18:
    case 22:
    case 26:
    case 30:
    case 34:
    case 38:
    case 44:
    case 49:
    case 50:
    case 51:
        return false;
    default:
        return true;
    }
}

int ColumnDefaultWidth(int column, int sport) {
    const int s = NormalizeSport(sport);
    switch (column) {
    case 16:
    case 24:
    case 32:
    case 36:
        return s == SportBasketball ? 65 : 45;
    case 20:
    case 28:
        return s == SportBasketball ? 75 : 60;
    case 21:
    case 22:
    case 23:
    case 29:
    case 30:
    case 31:
    case 41:
    case 46:
        return 45;
    case 17:
    case 18:
    case 19:
    case 25:
    case 26:
    case 27:
    case 33:
    case 34:
    case 35:
    case 37:
    case 38:
    case 39:
        return s == SportHockey || s == SportBasketball || s == SportChess ? 30 : 25;
    case 40:
    case 42:
    case 44:
    case 45:
        return s == SportChess ? 30 : 25;
    case 43:
    case 47:
        return 35;
    case 48:
        return 65;
    case 52:
    case 53:
        return 60;
    case kColumnRegulationOvertimeWins:
        return 30;
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
    case 0:
        return played;
    case 1:
        return v.TotalWon();
    case 2:
        return v.TotalDrawn();
    case 3:
        return v.TotalLost();
    case 4:
        return v.Wins;
    case 5:
        return v.Draws;
    case 6:
        return v.Losses;
    case 7:
        return v.OTWins;
    case 8:
        return v.OTDraws;
    case 9:
        return v.OTLosses;
    case 10:
        return v.SOWins;
    case 11:
        return v.SOLosses;
    case 12:
        return v.ExtraTimeMatches;
    case 13:
    case 14:
    case 15:
    case 24:
    case 25:
    case 26:
    case 27:
    case 45:
    case 46:
    case 47:
        return AmongThemValue(v, column);
    case 16:
    case 19:
        return GoalDifference(team, scope);
    case 17:
        return GoalsFor(team, scope);
    case 18:
        return GoalsAgainst(team, scope);
    case 20:
    case 23:
        return PerMatch(GoalDifference(team, scope), played);
    case 21:
        return PerMatch(GoalsFor(team, scope), played);
    case 22:
        return PerMatch(GoalsAgainst(team, scope), played);
    case 40:
        return Points(t, team, scope);
    case 41:
        return PerMatch(Points(t, team, scope), played);
    case 42:
        return MaxPossiblePoints(t, team, scope);
    case 43:
        return Percentage(t, team, scope);
    case 44:
        return LostPoints(t, team, scope);
    case 49:
        return PlaceIn(team, KindGroup, scope);
    case 50:
        return PlaceIn(team, KindConference, scope);
    case 51:
        return PlaceIn(team, KindJoint, scope);
    case 52:
        return static_cast<double>(v.AttendanceSum);
    case 53:
        return PerMatch(static_cast<double>(v.AttendanceSum), played);
    case kColumnRegulationOvertimeWins:
        return v.Wins + v.OTWins;
    default:
        return 0;
    }
}

bool IsAmongThemColumn(int column) {
    return (column >= 13 && column <= 15) || (column >= 24 && column <= 27) ||
           (column >= 45 && column <= 47);
}

double AmongThemValue(const TVenueStats& v, int column) {
    switch (column) {
    case 13:
        return v.H2HWins;
    case 14:
        return v.H2HDraws;
    case 15:
        return v.H2HLosses;
    case 24:
    case 27:
        return v.H2HGoalsFor - v.H2HGoalsAgainst;
    case 25:
        return v.H2HGoalsFor;
    case 26:
        return v.H2HGoalsAgainst;
    case 45:
        return v.H2HPoints;
    case 46:
        return PerMatch(v.H2HPoints, v.H2HPlayed());
    case 47:
        return H2HPercentage(v);
    default:
        return 0;
    }
}

QString ColumnText(const TTournament& t, const TTeam& team, int column, int scope) {
    switch (column) {
    case 16:
        return Pair(GoalsFor(team, scope), GoalsAgainst(team, scope));
    case 20: {
        const int played = MatchesPlayed(team, scope);
        return AvgPair(PerMatch(GoalsFor(team, scope), played),
                       PerMatch(GoalsAgainst(team, scope), played));
    }
    case 24: {
        const TVenueStats v = VenueStats(team.Stats, scope);
        return Pair(v.H2HGoalsFor, v.H2HGoalsAgainst);
    }
    default:
        return ColumnValueText(column, ColumnValue(t, team, column, scope));
    }
}

QString ColumnValueText(int column, double value) {
    switch (column) {
    case 16:
    case 17:
    case 18:
    case 19:
    case 24:
    case 25:
    case 26:
    case 27:
    case 40:
    case 42:
    case 44:
    case 45:
        return FormatFloat2(value);
    case 20:
    case 21:
    case 22:
    case 23:
    case 41:
    case 43:
    case 46:
    case 47:
    case 48:
    case 53:
        return FormatFloat1(value);
    default:
        return QString::number(static_cast<qint64>(value));
    }
}

} // namespace kv
