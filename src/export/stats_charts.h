#pragma once

#include "export/stats_grids.h"
#include "render/chart.h"

// The charts of the statistics page and of a team's properties, built from the grids.
namespace kv {

enum class TCompare { Conferences, Groups, Teams };
enum class TStatsVenue { Home, Away, Overall };
enum class TRefereeRole { Main, Assistant, Overall };

// What the chart commands chose: a radio group each.
struct TStatsChartChoice {
    TCompare Compare = TCompare::Teams;
    TStatsVenue Basic = TStatsVenue::Overall;
    TStatsVenue Scores = TStatsVenue::Overall;
    TRefereeRole Role = TRefereeRole::Overall;
};

// The chart of a grid: basic statistics compare the statistic of `row` across conferences,
// groups or teams; scores and referees chart the grid's rows in its order; the progress
// grids draw a line per row, in the order of the places, the line of `row`'s team highlighted
// (none for -1), each line's end labelled with the team's symbol or initials.
TChartData StatsChart(const TTournament& t, const TStatsScope& scope, const TStatsGrid& grid,
                      int row, const TStatsChartChoice& choice);

// A team's value of a basic statistics row (table scope) in a venue, as "Compare Teams" shows it.
double TeamBasicValue(const TTournament& t, const TTeam& team, int basicRow, TStatsVenue venue);

enum class TTeamChartKind { Points, Attendance, Scores };
// A team's own chart: cumulative points as a stair line, the attendance of each match, or how
// often each score came up; over matchdays or dates; its home matches, away ones or all.
TChartData TeamChart(const TTournament& t, const TTeam& team, TTeamChartKind kind, bool byDate,
                     TStatsVenue venue);

} // namespace kv
