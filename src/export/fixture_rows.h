#pragma once

#include "export/grid_data.h"
#include "model/tournament.h"

#include <QString>

#include <vector>

// The fixture list as rows of texts: the columns 0..18 a tournament chooses, the fixture date
// format, the filters and the list's sort order. The window's list and the exports share it.
namespace kv {

enum TFixtureColumn : int {
    FixGroup = 0,
    FixNumber = 1,
    FixLeg = 2,
    FixMatchday = 3,
    FixDate = 4,
    FixTime = 5,
    FixHome = 6,
    FixVisitor = 7,
    FixScore = 8,
    FixGoalsFor = 9,
    FixGoalsAgainst = 10,
    FixStadium = 11,
    FixAttendance = 12,
    FixReferee = 13,
    FixComments = 14,
    FixCapacity = 15,
    FixCity = 16,
    FixCountry = 17,
    FixConference = 18,
};
inline constexpr int kFixtureColumnCount = 19;

QString FixtureColumnCaption(int column, bool conferences);
int FixtureColumnDefaultWidth(int column);
TCellAlign FixtureColumnAlignment(int column);

// Why the list cannot show these columns: "Home Team" and "Visitor Team" must be among them
// (12450), and there must be one at least (12451). Empty when they will do.
QString CheckFixtureColumns(const std::vector<int>& columns, bool conferences);

// The date as the fixture list shows it: long or short format, with the weekday form
// (-1 none, 0 "Weekday, date", 1 short weekday, 2 "date (Weekday)", 3 short weekday).
QString FixtureDateText(double date, bool longFormat, int dayOfWeek);

struct TFixtureFormat {
    bool LongDate = false;
    int DayOfWeek = -1;
    TScoreTexts Texts;

    static TFixtureFormat Current();
    // Keeps the date format for every fixture list (`Fixtures\LongDateFormat`,
    // `Fixtures\DayOfWeek`).
    static void SaveDateFormat(bool longDate, int dayOfWeek);
    bool operator==(const TFixtureFormat&) const = default;
};

// Filters of the fixture list besides the tournament's range filter.
struct TFixtureFilter {
    int TeamFilterKind = 0; // 0 none, 1 conference, 2 group/division, 3 team
    int TeamFilterValue = -1;
    int TeamPlace = 1; // 1 home and away, 2 home, 3 away
    int Played = 0;    // 0 all, 1 played only, 2 not played only
};

// Whether the conference, group or team a filter names is still in the tournament.
bool FixtureFilterFits(const TTournament& t, const TFixtureFilter& filter);

QString FixtureCellText(const TTournament& t, const TMatch& m, int column,
                        const TFixtureFormat& format, bool homeLeftOfVisitor);

// The number a cell shows (a date as its day count), NaN for text and empty cells.
double FixtureCellValue(const TTournament& t, const TMatch& m, int column);

// The listed matches: ordered by date, time and number, filtered, then sorted by the list's
// sort column when one is set.
std::vector<const TMatch*> FixtureMatches(const TTournament& t, const TFixtureFilter& filter = {});
// Sorts as a click on a column heading does (-1: date order).
void SortFixtures(const TTournament& t, std::vector<const TMatch*>& matches, int column,
                  bool descending, const TFixtureFormat& format);

// The whole list in the tournament's columns.
TGridData FixtureGrid(const TTournament& t, const TFixtureFilter& filter = {});

} // namespace kv
