// The statistics page as a user drives it: the tree and the scope change the grid and the
// chart, heading clicks sort, the chart's choices and properties, and the outputs.
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "export/stats_grids.h"
#include "model/group.h"
#include "model/tournament.h"
#include "render/chart.h"
#include "render/chart_layout.h"
#include "standings/ranking.h"
#include "ui/output/html_settings_form.h"
#include "ui/setup/team_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/statistics/chart_properties_form.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/statistics_page.h"
#include "ui/statistics/stats_grid_model.h"
#include "ui/statistics/team_stats_frame.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace kv;
using kvtest::Child;

namespace {

class StatisticsPage : public kvtest::TMainWindowTest {
protected:
    TStatisticsPage& Show(const char* file) {
        form_ = Open(file);
        EXPECT_NE(form_, nullptr);
        form_->Command(TCommandId::StatsPage)->trigger();
        EXPECT_EQ(form_->Page(), 2);
        return form_->StatisticsPage();
    }
    void Trigger(TCommandId command) { form_->Command(command)->trigger(); }
    template <typename T> static void Answer(std::function<void(T&)> answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }
    static void ClickHeading(QTableView& view, int column) {
        QHeaderView* header = view.horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    static QStringList FirstColumn(const TStatsGrid& g) {
        QStringList cells;
        for (int r = 0; r < g.RowCount(); ++r)
            cells << g.Data.Cell(r, 0);
        return cells;
    }
    TTournamentForm* form_ = nullptr;
};

// The first scope of a kind in the selector.
int FirstScope(const TStatisticsPage& page, TScopeKind kind) {
    const QComboBox& box = Child<QComboBox>(page, "GroupCB");
    for (int i = 0; i < box.count(); ++i)
        if (static_cast<TScopeKind>(box.itemData(i).toList().value(0).toInt()) == kind) return i;
    return -1;
}

} // namespace

TEST_F(StatisticsPage, TreeAndScopeChangeTheGridAndTheChart) {
    TStatisticsPage& page = Show("soccer.kvd");
    const TTournament& t = form_->Document().Tournament();
    // Ranked by points first: the progress node with its two children.
    EXPECT_EQ(Child<QTreeWidget>(page, "StatsItemsTV").topLevelItemCount(), 4);
    EXPECT_EQ(Child<QTreeWidget>(page, "StatsItemsTV").topLevelItem(1)->childCount(), 2);
    EXPECT_EQ(page.Kind(), TStatsKind::Basic);
    EXPECT_EQ(page.Grid().Data.Captions.at(1), QStringLiteral("Holders"));
    const int played = static_cast<int>(page.Grid().Data.Value(0, 3));
    EXPECT_GT(played, 10);
    // Compare Teams of the joint table: a bar per team.
    EXPECT_EQ(page.Chart().Data().Kind, TChartData::Bars);
    EXPECT_EQ(page.Chart().Data().Categories.size(),
              static_cast<qsizetype>(t.JointTable().TeamCount()));
    const QRectF bar = page.Chart().Layout().Bars.value(0);
    EXPECT_TRUE(page.Chart()
                    .HintAt(bar.center().toPoint())
                    .startsWith(page.Chart().Data().Categories.first()));

    // A team: its own figures, and why it stands where it does.
    const int team = FirstScope(page, TScopeKind::Team);
    ASSERT_GT(team, 0);
    Child<QComboBox>(page, "GroupCB").setCurrentIndex(team);
    EXPECT_EQ(page.Grid().Data.Captions.at(1), QStringLiteral("Home"));
    EXPECT_TRUE(page.Grid().TeamScope);
    EXPECT_FALSE(Child<QLabel>(page, "StatsNote").isHidden());
    EXPECT_TRUE(Child<QLabel>(page, "StatsNote").text().startsWith(QStringLiteral("Place ")));

    // Progress by matchdays of the whole tournament: a line per team, a legend when asked.
    Child<QComboBox>(page, "GroupCB").setCurrentIndex(0);
    page.ShowKind(TStatsKind::ByMatchday);
    EXPECT_EQ(page.Chart().Data().Kind, TChartData::Lines);
    EXPECT_EQ(page.Chart().Data().Series.size(),
              static_cast<qsizetype>(t.JointTable().TeamCount()));
    EXPECT_EQ(page.Grid().Data.ColumnCount(), 4); // the team and three matchdays played

    // Scores: sorted by occurrences, then by a heading click on the score, then back.
    page.ShowKind(TStatsKind::Scores);
    const TStatsGrid& scores = page.Grid();
    ASSERT_GT(scores.RowCount(), 3);
    for (int r = 1; r < scores.RowCount(); ++r)
        EXPECT_GE(scores.Data.Value(r - 1, 1), scores.Data.Value(r, 1));
    // A click on the column already sorted turns it round.
    const QString most = page.Grid().Data.Cell(0, 0);
    ClickHeading(Child<QTableView>(page, "StatsGrid"), 1);
    EXPECT_NE(page.Grid().Data.Cell(0, 0), most);
    EXPECT_LE(page.Grid().Data.Value(0, 1), page.Grid().Data.Value(1, 1));
    ClickHeading(Child<QTableView>(page, "StatsGrid"), 0);
    EXPECT_EQ(page.Grid().Data.Cell(0, 0), QStringLiteral("0:0"));
    ClickHeading(Child<QTableView>(page, "StatsGrid"), 0);
    EXPECT_NE(page.Grid().Data.Cell(0, 0), QStringLiteral("0:0"));
    // The chart follows the grid's order.
    EXPECT_EQ(page.Chart().Data().Categories.first(), page.Grid().Data.Cell(0, 0));
    // The basic statistics do not sort.
    page.ShowKind(TStatsKind::Basic);
    const QStringList rows = FirstColumn(page.Grid());
    ClickHeading(Child<QTableView>(page, "StatsGrid"), 1);
    EXPECT_EQ(FirstColumn(page.Grid()), rows);
}

TEST_F(StatisticsPage, TheSelectedRowAndTheChartChoicesAreKept) {
    TStatisticsPage& page = Show("hockey.kvd");
    // Hockey with overtime: the overtime rows are there.
    EXPECT_GE(page.Grid().RowOfKey(RowWonOT), 0);
    const int goals = page.Grid().RowOfKey(RowGoals);
    page.SelectRow(goals);
    Trigger(TCommandId::BasicHomeChart);
    EXPECT_TRUE(page.Chart().Data().Title.startsWith(page.Grid().Data.Cell(goals, 0) +
                                                     QStringLiteral(" - home")));
    // Another table: the same statistic stays selected.
    Child<QComboBox>(page, "GroupCB").setCurrentIndex(FirstScope(page, TScopeKind::Group));
    EXPECT_EQ(page.Grid().RowKeys.value(page.CurrentRow()), RowGoals);
    EXPECT_TRUE(form_->Command(TCommandId::BasicHomeChart)->isChecked());
    // The score and referee choices wait for their kinds.
    EXPECT_FALSE(form_->Command(TCommandId::ScoresAway)->isEnabled());
    page.ShowKind(TStatsKind::Scores);
    EXPECT_TRUE(form_->Command(TCommandId::ScoresAway)->isEnabled());
    EXPECT_FALSE(form_->Command(TCommandId::BasicHomeChart)->isEnabled());
    // A single group: no comparison of groups.
    EXPECT_FALSE(form_->Command(TCommandId::ConfChart)->isEnabled());

    // The main window's menu holds the same commands.
    QMenu* menu = main_->menuBar()->findChild<QMenu*>(QStringLiteral("StatisticsMenu"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    EXPECT_TRUE(menu->actions().contains(form_->Command(TCommandId::ChartProperties)));
}

TEST_F(StatisticsPage, ChartPropertiesRefuseABadAngleAndRoundTrip) {
    TStatisticsPage& page = Show("soccer.kvd");
    bool refused = false;
    Answer<TChartPropertiesForm>([&](TChartPropertiesForm& d) {
        d.findChild<QComboBox*>(QStringLiteral("XAngleBox"))->setEditText(QStringLiteral("4.5"));
        d.accept();
        refused = d.isVisible();
        EXPECT_EQ(Child<QTabWidget>(d, "ChartPages").currentIndex(),
                  TChartPropertiesForm::PageXAxis);
        d.findChild<QComboBox*>(QStringLiteral("XAngleBox"))->setEditText(QStringLiteral("45"));
        d.findChild<QCheckBox*>(QStringLiteral("View3DCheck"))->setChecked(false);
        auto* styles = d.findChild<QComboBox*>(QStringLiteral("BarStyleBox"));
        styles->setCurrentIndex(styles->findData(BarPyramid));
        d.findChild<QCheckBox*>(QStringLiteral("LegendCheck"))->setChecked(true);
        d.findChild<QPlainTextEdit*>(QStringLiteral("TitleEdit"))
            ->setPlainText(QStringLiteral("My chart"));
        d.accept();
    });
    Trigger(TCommandId::ChartProperties);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(Messages.Texts().contains(QStringLiteral("'4.5' is not a valid integer value")));
    const TChartSettings stored = TChartSettings::FromSettings();
    EXPECT_EQ(stored.XLabelsAngle, 45);
    EXPECT_FALSE(stored.View3D);
    EXPECT_EQ(stored.BarStyle, BarPyramid);
    EXPECT_TRUE(stored.LegendVisible);
    EXPECT_EQ(page.Chart().Settings(), stored);
    EXPECT_EQ(page.Chart().Data().Title, QStringLiteral("My chart"));
    // Shown again with what was stored; Cancel changes nothing.
    Answer<TChartPropertiesForm>([](TChartPropertiesForm& d) {
        EXPECT_EQ(d.findChild<QComboBox*>(QStringLiteral("XAngleBox"))->currentText(),
                  QStringLiteral("45"));
        EXPECT_FALSE(d.findChild<QCheckBox*>(QStringLiteral("View3DCheck"))->isChecked());
        d.findChild<QCheckBox*>(QStringLiteral("View3DCheck"))->setChecked(true);
        d.reject();
    });
    Trigger(TCommandId::ChartProperties);
    EXPECT_FALSE(TChartSettings::FromSettings().View3D);
}

TEST_F(StatisticsPage, TheChartAndTheGridGoOut) {
    TStatisticsPage& page = Show("soccer.kvd");
    Trigger(TCommandId::CopyStatsTable);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Parameter\tHolders\tVisitors\tOverall\n")));
    EXPECT_EQ(copied.count(QLatin1Char('\n')), page.Grid().RowCount() + 1);

    const QString png = HomePath(QStringLiteral("chart"));
    Dialogs.Saves.push_back(png);
    Trigger(TCommandId::ExportStatsChartToPNG);
    const QImage image(png + QStringLiteral(".png"));
    EXPECT_EQ(image.size(), page.Chart().size());

    const QString pdf = HomePath(QStringLiteral("chart-print.pdf"));
    Dialogs.Printers.push_back(pdf);
    Trigger(TCommandId::PrintStatsChart);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");

    const QString html = HomePath(QStringLiteral("stats.html"));
    Dialogs.Saves.push_back(html);
    Answer<THTMLSettingsForm>([](THTMLSettingsForm& d) { d.accept(); });
    Trigger(TCommandId::ExportStatsToHTML);
    QFile page2(html);
    ASSERT_TRUE(page2.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page2.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Basic Statistics")));
    EXPECT_TRUE(text.contains(QStringLiteral("Matches played")));

    Trigger(TCommandId::CopyStatsChartEMF);
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasImage());
}

// A printed chart's texts have the size the chart's fonts give them: the title's words, read
// back from the PDF, stand as high as its point size, not many times more.
TEST_F(StatisticsPage, APrintedChartKeepsItsTextSizes) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TStatisticsPage& page = Show("soccer.kvd");
    const TChartData& data = page.Chart().Data();
    ASSERT_FALSE(data.Title.isEmpty());
    const int points = page.Chart().Settings().TitleFont.Size;
    const QString pdf = HomePath(QStringLiteral("printed.pdf"));
    Dialogs.Printers.push_back(pdf);
    Trigger(TCommandId::PrintStatsChart);
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QString boxes = QString::fromUtf8(reader.readAllStandardOutput());
    // <word xMin="..." yMin="..." xMax="..." yMax="...">Word</word>, in points.
    const QString first = data.Title.split(QRegularExpression(QStringLiteral("\\s+"))).first();
    const QRegularExpression word(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                 "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1</word>")
                                      .arg(QRegularExpression::escape(first.toHtmlEscaped())));
    const QRegularExpressionMatch m = word.match(boxes);
    ASSERT_TRUE(m.hasMatch()) << qPrintable(first) << "\n" << qPrintable(boxes.left(2000));
    const double height = m.captured(4).toDouble() - m.captured(2).toDouble();
    EXPECT_GT(height, points * 0.8) << "title of " << points << " pt";
    EXPECT_LT(height, points * 1.8) << "title of " << points << " pt";
    // The page is landscape and the whole chart is on it.
    const QRegularExpression pageSize(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const QRegularExpressionMatch p = pageSize.match(boxes);
    ASSERT_TRUE(p.hasMatch());
    EXPECT_GT(p.captured(1).toDouble(), p.captured(2).toDouble());
    EXPECT_LT(m.captured(3).toDouble(), p.captured(1).toDouble());
}

// The sort belongs to the grid's columns: a table's scores sorted by their count, then a team
// chosen, show the team's scores by "Overall", most first, with the arrow there.
TEST_F(StatisticsPage, ATeamsScoresAreSortedByOverall) {
    TStatisticsPage& page = Show("soccer.kvd");
    page.ShowKind(TStatsKind::Scores);
    Child<QComboBox>(page, "GroupCB").setCurrentIndex(FirstScope(page, TScopeKind::Group));
    ASSERT_EQ(page.Grid().Data.ColumnCount(), 2);
    Child<QComboBox>(page, "GroupCB").setCurrentIndex(FirstScope(page, TScopeKind::Team));
    const TStatsGrid& grid = page.Grid();
    ASSERT_EQ(grid.Data.ColumnCount(), 4);
    EXPECT_EQ(grid.Data.Captions.at(3), QStringLiteral("Overall"));
    const auto* view = page.findChild<QTableView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorSection(), 3);
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    for (int row = 1; row < grid.RowCount(); ++row)
        EXPECT_GE(grid.Data.Value(row - 1, 3), grid.Data.Value(row, 3)) << "row " << row;
}

TEST_F(StatisticsPage, ATeamsOwnStatisticsAndChart) {
    form_ = Open("soccer.kvd");
    ASSERT_NE(form_, nullptr);
    TTournamentDocument& doc = form_->Document();
    const TTeam* team = doc.Tournament().JointTable().Teams().front();
    TTeamPropertiesForm dialog(doc, Dialogs);
    dialog.ShowTeam(team->Id);
    Child<QTabWidget>(dialog, "PageControl").setCurrentIndex(TTeamPropertiesForm::PageStatistics);
    TTeamStatsFrame& stats = dialog.Statistics();
    EXPECT_EQ(stats.TeamId(), team->Id);
    const TStatsGrid& grid = stats.Model().Grid();
    EXPECT_EQ(grid.Data.Captions.at(1), QStringLiteral("Home"));
    EXPECT_EQ(grid.Data.Value(grid.RowOfKey(0), 3),
              team->Stats.Home.Played() + team->Stats.Away.Played());
    EXPECT_TRUE(Child<QLabel>(stats, "TeamStatsNote").text().startsWith(QStringLiteral("Place ")));
    // Points as a stair line of the team alone: no legend whatever the settings say.
    EXPECT_EQ(stats.Chart().Data().Kind, TChartData::Lines);
    ASSERT_EQ(stats.Chart().Data().Series.size(), 1);
    EXPECT_FALSE(stats.Chart().Layout().ShowLegend);
    const qsizetype all = stats.Chart().Data().Series[0].Points.size();
    Child<QComboBox>(stats, "TeamChartVenueBox").setCurrentIndex(0); // home matches only
    EXPECT_LT(stats.Chart().Data().Series[0].Points.size(), all);
    Child<QComboBox>(stats, "TeamChartKindBox").setCurrentIndex(2); // how often each score came up
    EXPECT_EQ(stats.Chart().Data().Kind, TChartData::Bars);
    EXPECT_EQ(stats.Chart().Data().Title,
              doc.Tournament().Name + QStringLiteral(" - ") + team->Name);
    // Another team in the dialog: the page follows.
    dialog.Next();
    EXPECT_NE(stats.TeamId(), team->Id);

    const QString html = HomePath(QStringLiteral("team.html"));
    Dialogs.Saves.push_back(html);
    Answer<THTMLSettingsForm>([](THTMLSettingsForm& d) { d.accept(); });
    dialog.findChild<QAction*>(QStringLiteral("ExportToHTMLAction"))->trigger();
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The title's two lines, one below the other, and no tag shown as text.
    const QString written = QString::fromUtf8(file.readAll());
    const QString shownTeam = doc.Tournament().JointTable().TeamById(stats.TeamId())->DisplayName();
    EXPECT_TRUE(written.contains(QStringLiteral("<p class=\"clsTitle\">") +
                                 doc.Tournament().Name.toHtmlEscaped() + QStringLiteral("<br>") +
                                 shownTeam.toHtmlEscaped() + QStringLiteral("</p>")))
        << qPrintable(written.left(600));
    EXPECT_FALSE(written.contains(QStringLiteral("&lt;br&gt;")));
}

// Points progress with many lines: the legend in the order of the places whatever the grid's
// sort; a click on a team's legend entry (or choosing its row) highlights its line and greys
// the others, a second click lets it go; the line ends carry the teams' symbols.
TEST_F(StatisticsPage, AProgressLineIsHighlightedFromTheLegendOrTheGrid) {
    TChartSettings settings = TChartSettings::FromSettings();
    settings.LegendVisible = true;
    settings.Save();
    TStatisticsPage& page = Show("soccer.kvd");
    const TTournament& t = form_->Document().Tournament();
    page.ShowKind(TStatsKind::ByMatchday);
    const TGroup& joint = t.JointTable();
    std::vector<const TTeam*> ranked = ListOf(joint.Teams());
    OrderByStandings(t, joint, ranked, ScopeOverall);
    const auto legend = [&page] {
        QStringList titles;
        for (const TChartSeries& s : page.Chart().Data().Series)
            titles << s.Title;
        return titles;
    };
    QStringList places;
    for (const TTeam* team : ranked)
        places << team->Name;
    EXPECT_EQ(legend(), places);
    EXPECT_EQ(page.Chart().Data().Highlight, -1); // nothing chosen yet
    EXPECT_FALSE(page.Chart().Layout().EndLabels.isEmpty());
    // Sorted by the last matchday backwards, the grid changes and the legend does not.
    const int last = page.Grid().Data.ColumnCount() - 1;
    ClickHeading(Child<QTableView>(page, "StatsGrid"), last);
    ClickHeading(Child<QTableView>(page, "StatsGrid"), last);
    EXPECT_EQ(legend(), places);

    // A click on the third entry of the legend.
    const TChartLegendEntry third = page.Chart().Layout().LegendEntries.value(2);
    QTest::mouseClick(&page.Chart(), Qt::LeftButton, {}, third.Box.center().toPoint());
    EXPECT_EQ(page.Chart().Data().Highlight, 2);
    const int row = Child<QTableView>(page, "StatsGrid").currentIndex().row();
    ASSERT_GE(row, 0);
    EXPECT_EQ(page.Grid().RowKeys.at(row), ranked[2]->Id);
    QTest::mouseClick(&page.Chart(), Qt::LeftButton, {}, third.Box.center().toPoint());
    EXPECT_EQ(page.Chart().Data().Highlight, -1);
    EXPECT_FALSE(Child<QTableView>(page, "StatsGrid").currentIndex().isValid());
    // Choosing a row in the grid does the same.
    page.SelectRow(page.Grid().RowOfKey(ranked[0]->Id));
    EXPECT_EQ(page.Chart().Data().Highlight, 0);
}
