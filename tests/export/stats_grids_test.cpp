// The statistics page's grids and charts on a small season whose figures are counted by hand.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/formats.h"
#include "export/chart_picture.h"
#include "export/stats_charts.h"
#include "export/stats_grids.h"
#include "model/sport.h"
#include "render/chart_layout.h"
#include "standings/tournament_setup.h"

#include <QImage>
#include <QXmlStreamReader>

#include <cmath>

using namespace kv;
using kvtest::AddResult;

namespace {

const QString A = QStringLiteral("A");
const QString B = QStringLiteral("B");
const QString C = QStringLiteral("C");

class StatsGrids : public kvtest::TTempHome {
protected:
    // Four results of a double round robin of three:
    //   md 1  A-B 2:0  1000 spectators, referees Ross (main) and Lane
    //   md 2  C-A 1:1   500 spectators, Lane
    //   md 3  B-C 3:1
    //   md 4  A-C 0:1   700 spectators
    std::unique_ptr<TTournament> Make(int sport = SportSoccer) {
        auto t = kvtest::MakeTournament(sport, 2, {{QStringLiteral("G"), {A, B, C}}});
        t->AddReferee(QStringLiteral("Ross"), QString(), QString(), -1);
        t->AddReferee(QStringLiteral("lane"), QString(), QString(), -1);
        const auto add = [&](const QString& h, const QString& v, const char* score, int leg, int md,
                             int att) {
            TMatch* m = AddResult(*t, h, v, QString::fromLatin1(score), leg);
            m->Matchday = md;
            m->HasDate = true;
            m->Date = 46000 + md;
            m->Attendance = att;
            return m;
        };
        TMatch* first = add(A, B, "2:0", 1, 1, 1000);
        first->AddReferee(0);
        first->AddReferee(1);
        add(C, A, "1:1", 1, 2, 500)->AddReferee(1);
        add(B, C, "3:1", 1, 3, -1);
        add(A, C, "0:1", 2, 4, 700);
        RecomputeAll(*t);
        return t;
    }

    static TStatsScope Joint() { return {}; }
    static TStatsScope TeamScope(const TTournament& t, const QString& name) {
        return {TScopeKind::Team, kvtest::TeamId(t, name), 1, name};
    }
    static QStringList Column(const TStatsGrid& g, int column) {
        QStringList cells;
        for (int r = 0; r < g.RowCount(); ++r)
            cells << g.Data.Cell(r, column);
        return cells;
    }
    static QStringList Row(const TStatsGrid& g, int key) {
        return g.Data.Rows.value(g.RowOfKey(key));
    }
};

} // namespace

TEST_F(StatsGrids, TreeAndScopesFollowTheTournament) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("North"), {A, B}, 0}, {QStringLiteral("South"), {C}, 0}});
    std::vector<TStatsNode> nodes = StatsTree(*t);
    ASSERT_EQ(nodes.size(), 6u);
    EXPECT_EQ(nodes[1].Kind, TStatsKind::Progress);
    EXPECT_EQ(nodes[2].Level, 1);
    t->SortCriteria.insert(t->SortCriteria.begin(),
                           TSortColumn{kColumnPercentage, ScopeOverall, QString(), true});
    nodes = StatsTree(*t);
    ASSERT_EQ(nodes.size(), 3u); // basic, scores, referees
    EXPECT_EQ(nodes[1].Kind, TStatsKind::Scores);

    const std::vector<TStatsScope> scopes = StatsScopes(*t);
    QStringList shown;
    for (const TStatsScope& s : scopes)
        shown << QString(s.Indent * 2, QLatin1Char(' ')) + s.Caption;
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Test"), // the whole tournament, by its name
                                  QStringLiteral("Conference 1"), QStringLiteral("  North"),
                                  QStringLiteral("    A"), QStringLiteral("    B"),
                                  QStringLiteral("  South"), QStringLiteral("    C")}));
    EXPECT_EQ(ScopeTable(*t, scopes[1]), t->ConferenceById(0)->Table());
    EXPECT_EQ(ScopeTable(*t, scopes[3]), t->GroupById(0)); // a team reads its own group
}

TEST_F(StatsGrids, BasicStatisticsOfATable) {
    auto t = Make();
    const TStatsGrid g = BuildStatsGrid(*t, TStatsKind::Basic, Joint());
    EXPECT_EQ(g.Data.Captions, (QStringList{"Parameter", "Holders", "Visitors", "Overall"}));
    EXPECT_EQ(g.Widths, (QList<int>{200, 65, 65, 65}));
    EXPECT_FALSE(g.Sortable);
    // Soccer without overtime: no overtime rows.
    EXPECT_EQ(g.RowKeys, (QList<int>{0, 1, 2, 5, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Row(g, RowPlayed), (QStringList{"Matches played", "4", "4", "4"}));
    EXPECT_EQ(Row(g, RowMaxMatches).mid(1), (QStringList{"6", "6", "6"}));
    EXPECT_EQ(Row(g, RowWon).mid(1), (QStringList{"2", "1", "3"}));
    EXPECT_EQ(Row(g, RowDrawn).mid(1), (QStringList{"1", "1", "1"}));
    EXPECT_EQ(Row(g, RowGoals), (QStringList{"Goals scored", "6", "3", "9"}));
    EXPECT_EQ(Row(g, RowPoints).mid(1), (QStringList{"7", "4", "11"}));
    EXPECT_EQ(Row(g, RowAveragePoints).mid(1), (QStringList{"1.75", "1", "2.75"}));
    EXPECT_EQ(Row(g, RowAttendance).mid(1), (QStringList{"2200", "2200", "2200"}));
    EXPECT_EQ(Row(g, RowAverageAttendance).mid(1), (QStringList{"550", "550", "550"}));
}

TEST_F(StatsGrids, OvertimeRowsPointsRowsAndTheSportsWord) {
    auto t = Make(SportHockey);
    t->Overtime = true;
    TMatch* m = t->MatchById(2); // B-C 3:1 becomes an overtime win
    m->DecidedIn = 1;
    RecomputeAll(*t);
    TStatsGrid g = BuildStatsGrid(*t, TStatsKind::Basic, Joint());
    EXPECT_EQ(g.RowKeys, (QList<int>{0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Row(g, RowWonOT).mid(1), (QStringList{"1", "0", "1"}));
    EXPECT_EQ(Row(g, RowWonNormal).mid(1), (QStringList{"1", "1", "2"}));
    EXPECT_EQ(Row(g, RowDecidedOT).mid(1), (QStringList{"1", "1", "1"}));

    auto basketball = Make(SportBasketball);
    EXPECT_EQ(Row(BuildStatsGrid(*basketball, TStatsKind::Basic, Joint()), RowGoals).first(),
              "Points scored");

    // Ranked by percentage first: no points rows.
    t->SortCriteria.insert(t->SortCriteria.begin(),
                           TSortColumn{kColumnPercentage, ScopeOverall, QString(), true});
    g = BuildStatsGrid(*t, TStatsKind::Basic, Joint());
    EXPECT_EQ(g.RowOfKey(RowPoints), -1);
    EXPECT_EQ(g.RowOfKey(RowAveragePoints), -1);
}

TEST_F(StatsGrids, NoMatchPlayedGivesZeroAveragesAndEmptyGrids) {
    auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), {A, B, C}}});
    RecomputeAll(*t);
    const TStatsGrid basic = BuildStatsGrid(*t, TStatsKind::Basic, Joint());
    EXPECT_EQ(Row(basic, RowAveragePoints).mid(1), (QStringList{"0", "0", "0"}));
    EXPECT_EQ(Row(basic, RowAverageAttendance).mid(1), (QStringList{"0", "0", "0"}));
    for (const TStatsKind kind :
         {TStatsKind::ByMatchday, TStatsKind::ByDate, TStatsKind::Scores, TStatsKind::Referees}) {
        const TStatsGrid g = BuildStatsGrid(*t, kind, Joint());
        EXPECT_GE(g.Data.ColumnCount(), 1);
        if (kind == TStatsKind::ByMatchday || kind == TStatsKind::ByDate)
            EXPECT_EQ(g.Data.ColumnCount(), 1); // no matchday or date columns
        else
            EXPECT_EQ(g.RowCount(), 0);
    }
}

TEST_F(StatsGrids, BasicStatisticsOfATeamAndWhyItStandsThere) {
    auto t = Make();
    const TStatsGrid g = BuildStatsGrid(*t, TStatsKind::Basic, TeamScope(*t, A));
    EXPECT_EQ(g.Data.Captions, (QStringList{"Parameter", "Home", "Away", "Overall"}));
    EXPECT_EQ(Row(g, kColumnPlayed).mid(1), (QStringList{"2", "1", "3"})); // played
    EXPECT_EQ(Row(g, kColumnPoints).mid(1), (QStringList{"3", "1", "4"})); // points
    EXPECT_EQ(g.RowOfKey(kColumnGroupPlace), -1); // places are not team statistics
    EXPECT_TRUE(g.Note.startsWith(QStringLiteral("Place 1 in G"))) << g.Note.toStdString();
}

TEST_F(StatsGrids, ScoresOfATableAndOfATeamWithTheirSorting) {
    auto t = Make();
    TStatsGrid g = BuildStatsGrid(*t, TStatsKind::Scores, Joint());
    EXPECT_EQ(g.Data.Captions, (QStringList{"Score", "Occurrencies"}));
    EXPECT_TRUE(g.Sortable);
    // All once: the order of the matches stays.
    EXPECT_EQ(Column(g, 0), (QStringList{"2:0", "1:1", "3:1", "1:0"}));
    SortStatsGrid(g, ClickedStatsSort({}, 0));
    EXPECT_EQ(Column(g, 0),
              (QStringList{"1:0", "1:1", "2:0", "3:1"})); // by sum, then the higher score
    SortStatsGrid(g, ClickedStatsSort({0, true}, 0));
    EXPECT_EQ(Column(g, 0), (QStringList{"3:1", "2:0", "1:1", "1:0"}));

    const TStatsGrid team = BuildStatsGrid(*t, TStatsKind::Scores, TeamScope(*t, A));
    EXPECT_EQ(team.Data.Captions, (QStringList{"Score", "Home", "Away", "Overall"}));
    EXPECT_EQ(team.Data.Rows,
              (QList<QStringList>{
                  {"2:0", "1", "0", "1"}, {"1:1", "0", "1", "1"}, {"1:0", "1", "0", "1"}}));

    // The table's entries carry home counts only: its away histogram is empty.
    TStatsChartChoice choice;
    choice.Scores = TStatsVenue::Away;
    EXPECT_TRUE(StatsChart(*t, Joint(), g, 0, choice).Categories.isEmpty());
    choice.Scores = TStatsVenue::Overall;
    const TChartData chart = StatsChart(*t, Joint(), g, 0, choice);
    EXPECT_EQ(chart.Categories, (QStringList{"3:1", "2:0", "1:1", "1:0"})); // the grid's order
    EXPECT_EQ(chart.LeftTitle, "Occurrencies");
    EXPECT_EQ(chart.BottomTitle, "Scores");
    EXPECT_EQ(chart.Title.section(QLatin1Char('\n'), 0, 0), "Scores Histogram");
    choice.Scores = TStatsVenue::Home;
    EXPECT_EQ(StatsChart(*t, TeamScope(*t, A), team, 0, choice).Title,
              "Scores Histogram - home\nA");
}

TEST_F(StatsGrids, RefereesByNameAndTheirChart) {
    auto t = Make();
    TStatsGrid g = BuildStatsGrid(*t, TStatsKind::Referees, Joint());
    // Names compare ignoring case: "lane" before "Ross".
    EXPECT_EQ(g.Data.Rows, (QList<QStringList>{{"lane", "1", "1", "2"}, {"Ross", "1", "0", "1"}}));
    SortStatsGrid(g, ClickedStatsSort({0, true}, 2)); // another column sorts descending first
    EXPECT_EQ(Column(g, 0), (QStringList{"lane", "Ross"}));
    TStatsChartChoice choice;
    choice.Role = TRefereeRole::Assistant;
    const TChartData chart = StatsChart(*t, Joint(), g, 0, choice);
    EXPECT_EQ(chart.Title.section(QLatin1Char('\n'), 0, 0), "Referees. Matches served - assistant");
    EXPECT_EQ(chart.Series.first().Values, (QList<double>{1, 0}));
    const TStatsGrid team = BuildStatsGrid(*t, TStatsKind::Referees, TeamScope(*t, B));
    EXPECT_EQ(team.Data.Rows,
              (QList<QStringList>{{"lane", "0", "1", "1"}, {"Ross", "1", "0", "1"}}));
}

TEST_F(StatsGrids, PointsProgressByMatchdaysAndDates) {
    auto t = Make();
    TStatsGrid g = BuildStatsGrid(*t, TStatsKind::ByMatchday, Joint());
    EXPECT_EQ(g.Data.Captions, (QStringList{"Team", "1", "2", "3", "4"}));
    EXPECT_EQ(g.Widths, (QList<int>{180, 25, 25, 25, 25}));
    // Standings order: A and C on 4 points (by name), B on 3.
    EXPECT_EQ(g.Data.Rows,
              (QList<QStringList>{
                  {"A", "3", "4", "", "4"}, {"C", "", "1", "1", "4"}, {"B", "0", "", "3", ""}}));
    // An empty cell sorts as -100000.
    SortStatsGrid(g, ClickedStatsSort({}, 3));
    EXPECT_EQ(Column(g, 0), (QStringList{"B", "C", "A"}));

    const TStatsGrid dates = BuildStatsGrid(*t, TStatsKind::ByDate, Joint());
    ASSERT_EQ(dates.Data.ColumnCount(), 5);
    EXPECT_EQ(dates.Widths.at(1), 45);
    const int year = DaysToDate(46001).year();
    EXPECT_FALSE(dates.Data.Captions.at(1).contains(QString::number(year)));
    EXPECT_FALSE(dates.Data.Captions.at(1).endsWith(QString::number(year % 100)));
    EXPECT_EQ(dates.Data.Captions.at(1), DateCaptionWithoutYear(46001));

    const TStatsGrid one = BuildStatsGrid(*t, TStatsKind::ByMatchday, TeamScope(*t, B));
    EXPECT_EQ(one.Data.Captions, (QStringList{"Team", "1", "3"})); // the team's own matchdays
    const TChartData chart = StatsChart(*t, TeamScope(*t, B), one, 0, {});
    EXPECT_EQ(chart.Kind, TChartData::Lines);
    EXPECT_EQ(chart.Title, "Points Progress by Matchdays\nB");
    ASSERT_EQ(chart.Series.size(), 1);
    EXPECT_EQ(chart.Series[0].Points.size(), 2);
    EXPECT_EQ(chart.Series[0].Points[1].Y, 3);
    // A single team's line has no legend even when legends are on.
    TChartSettings settings;
    settings.LegendVisible = true;
    EXPECT_FALSE(LayoutChart(QRectF(0, 0, 600, 400), chart, settings).ShowLegend);
    EXPECT_TRUE(LayoutChart(QRectF(0, 0, 600, 400), StatsChart(*t, Joint(), g, 0, {}), settings)
                    .ShowLegend);
}

TEST_F(StatsGrids, CompareTablesAndTeams) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1,
        {{QStringLiteral("East"), {A, B}}, {QStringLiteral("West"), {C, QStringLiteral("D")}}});
    AddResult(*t, A, B, QStringLiteral("3:0"));
    AddResult(*t, C, QStringLiteral("D"), QStringLiteral("1:2"));
    RecomputeAll(*t);
    const TStatsScope joint = StatsScopes(*t).front();
    const TStatsGrid g = BuildStatsGrid(*t, TStatsKind::Basic, joint);
    const int goals = g.RowOfKey(RowGoals);
    TStatsChartChoice choice;
    choice.Compare = TCompare::Groups;
    choice.Basic = TStatsVenue::Home;
    TChartData chart = StatsChart(*t, joint, g, goals, choice);
    EXPECT_EQ(chart.Categories, (QStringList{"East", "West"}));
    EXPECT_EQ(chart.Series[0].Values, (QList<double>{3, 1}));
    EXPECT_EQ(chart.Title, QStringLiteral("Goals scored - holders\n") + joint.Caption);
    choice.Compare = TCompare::Teams;
    choice.Basic = TStatsVenue::Away;
    chart = StatsChart(*t, Joint(), g, goals, choice);
    EXPECT_EQ(chart.Categories.size(), 4);
    EXPECT_EQ(
        chart.Series[0].Values.at(static_cast<int>(chart.Categories.indexOf(QStringLiteral("D")))),
        2);
    EXPECT_TRUE(chart.Title.startsWith(QStringLiteral("Goals scored - away")));
}

TEST_F(StatsGrids, TeamCharts) {
    auto t = Make();
    const TTeam& a = *t->JointTable().TeamByName(A);
    TChartData points = TeamChart(*t, a, TTeamChartKind::Points, false, TStatsVenue::Overall);
    ASSERT_EQ(points.Series.size(), 1);
    QList<double> ys;
    for (const TChartPoint& p : points.Series[0].Points)
        ys << p.Y;
    EXPECT_EQ(ys, (QList<double>{3, 4, 4}));
    EXPECT_EQ(points.Title, "Test - A");
    points = TeamChart(*t, a, TTeamChartKind::Points, false, TStatsVenue::Away);
    EXPECT_EQ(points.Series[0].Points.size(), 1);
    const TChartData attendance =
        TeamChart(*t, a, TTeamChartKind::Attendance, false, TStatsVenue::Home);
    EXPECT_EQ(attendance.Categories, (QStringList{"1", "4"}));
    EXPECT_EQ(attendance.Series[0].Values, (QList<double>{1000, 700}));
    const TChartData scores = TeamChart(*t, a, TTeamChartKind::Scores, false, TStatsVenue::Away);
    EXPECT_EQ(scores.Categories, (QStringList{"1:1"}));
}

TEST_F(StatsGrids, ChartFilesAreWellFormed) {
    auto t = Make();
    const TStatsGrid g = BuildStatsGrid(*t, TStatsKind::ByMatchday, Joint());
    const TChartData chart = StatsChart(*t, Joint(), g, 0, {});
    const TChartSettings settings;
    QString error;
    const QByteArray svg =
        ChartPictureBytes(chart, settings, kDefaultChartSize, TPictureFormat::Svg, error);
    QXmlStreamReader xml(svg);
    int texts = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            ++texts;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(texts, 5);
    const QByteArray pdf =
        ChartPictureBytes(chart, settings, kDefaultChartSize, TPictureFormat::Pdf, error);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    for (const TPictureFormat f :
         {TPictureFormat::Png, TPictureFormat::Jpeg, TPictureFormat::Bmp, TPictureFormat::Gif}) {
        const QByteArray bytes = ChartPictureBytes(chart, settings, QSize(640, 400), f, error);
        const QImage image = QImage::fromData(bytes);
        EXPECT_EQ(image.size(), QSize(640, 400)) << PictureExtension(f).toStdString();
    }
}
