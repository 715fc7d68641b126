// The statistics page of a whole season, the chart properties and the bar styles.
#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "base/programfolder.h"
#include "edit/outlook_runner.h"
#include "edit/tournament_document.h"
#include "model/sport.h"
#include "render/chart.h"
#include "standings/schedule.h"
#include "standings/tournament_setup.h"
#include "support/builders.h"
#include "ui/setup/team_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/statistics/chart_properties_form.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/statistics_page.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QTabWidget>

#include <random>

namespace {

// Twenty clubs and a double round robin played to the end: matchdays a week apart, crowds and
// referees, scores drawn with a fixed seed so that every run looks the same.
std::unique_ptr<kv::TTournament> Season() {
    const QStringList clubs = {
        "Ashford Albion",  "Bramley Town",     "Castleford City", "Dunmore Rovers",
        "Eastwick United", "Fairhaven FC",     "Glenbrook",       "Hartley Athletic",
        "Ironbridge",      "Kingsmere",        "Lowther Park",    "Marlow Wanderers",
        "Northgate",       "Oakridge",         "Penrose Villa",   "Queensway",
        "Redcliff",        "Stanton Harriers", "Thornbury",       "Upton Vale"};
    auto t =
        kvtest::MakeTournament(kv::SportSoccer, 2, {{QStringLiteral("Premier Division"), clubs}});
    t->Name = QStringLiteral("Premier Division 2025-26");
    for (const char* name :
         {"A. Whitfield", "B. Carrow", "C. Denholm", "D. Easter", "E. Fenwick", "F. Garside"})
        t->AddReferee(QString::fromLatin1(name), QString(), QString(), -1);
    kv::AddSchedule(*t, kv::PlanSchedule(*t));
    std::mt19937 random(2026);
    std::poisson_distribution<int> home(1.5);
    std::poisson_distribution<int> away(1.1);
    std::uniform_int_distribution<int> crowd(9000, 52000);
    std::uniform_int_distribution<int> referee(0, 5);
    for (kv::TMatch* m : t->JointTable().Matches()) {
        m->SetScoreText(QStringLiteral("%1:%2").arg(home(random)).arg(away(random)), false);
        if (m->HasMatchday()) {
            m->HasDate = true;
            m->Date = 46000 + 7.0 * m->Matchday;
        }
        m->Attendance = crowd(random);
        const int main = referee(random);
        m->AddReferee(main);
        m->AddReferee((main + 1 + referee(random) % 5) % 6);
    }
    kv::RecomputeAll(*t);
    return t;
}

} // namespace

void ShotStatisticsWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs) {
    (void)main;
    kv::TTournamentForm form(Season(), dialogs);
    form.resize(1200, 800);
    form.show();
    form.Command(kv::TCommandId::StatsPage)->trigger();
    kv::TStatisticsPage& page = form.StatisticsPage();
    const struct {
        kv::TStatsKind Kind;
        const char* Name;
    } kinds[] = {{kv::TStatsKind::Basic, "basic"},
                 {kv::TStatsKind::ByMatchday, "matchdays"},
                 {kv::TStatsKind::ByDate, "dates"},
                 {kv::TStatsKind::Scores, "scores"},
                 {kv::TStatsKind::Referees, "referees"}};
    for (const auto& k : kinds) {
        page.ShowKind(k.Kind);
        const bool progress =
            k.Kind == kv::TStatsKind::ByMatchday || k.Kind == kv::TStatsKind::ByDate;
        page.SelectRow(k.Kind == kv::TStatsKind::Basic ? page.Grid().RowOfKey(kv::RowGoals)
                       : progress                      ? -1
                                                       : 0);
        Shot(form, QStringLiteral("TTournamentForm-stats-") + QLatin1String(k.Name));
    }
    // Points progress with the legend, one team's line highlighted and the others greyed.
    {
        const kv::TChartSettings before = kv::TChartSettings::FromSettings();
        kv::TChartSettings legend = before;
        legend.LegendVisible = true;
        legend.Save();
        page.ShowKind(kv::TStatsKind::ByMatchday);
        const auto& series = page.Chart().Data().Series;
        if (series.size() > 2) page.SelectRow(page.Grid().RowOfKey(series[2].Key));
        Shot(form, QStringLiteral("TTournamentForm-stats-matchdays-highlighted"));
        before.Save();
        page.SelectRow(-1);
    }
    // The goals chart printed: its PDF page as a picture.
    page.SelectRow(page.Grid().RowOfKey(kv::RowGoals));
    const QString printed = kv::ProgramFolder() + QStringLiteral("printed-chart.pdf");
    dialogs.Printers.push_back(printed);
    form.Command(kv::TCommandId::PrintStatsChart)->trigger();
    ShotPdfPage(printed, QStringLiteral("PrintChart-page"));
    // A team's own figures on the page.
    page.ShowKind(kv::TStatsKind::Basic);
    page.ShowScope(2);
    Shot(form, QStringLiteral("TTournamentForm-stats-basic-team"));
    page.ShowScope(0);

    // The bar styles on the comparison of the clubs' goals.
    page.ShowKind(kv::TStatsKind::Basic);
    page.SelectRow(page.Grid().RowOfKey(kv::RowGoals));
    kv::TChartWidget chart;
    chart.resize(800, 500);
    chart.SetChart(page.Chart().Data());
    chart.show();
    for (int style = 0; style < kv::kBarStyleCount; ++style) {
        kv::TChartSettings s;
        s.BarStyle = style;
        chart.SetSettings(s);
        Shot(chart, QStringLiteral("chart-bar-") + kv::BarStyleKey(style));
    }

    // Chart Properties, page by page, on the progress chart.
    page.ShowKind(kv::TStatsKind::ByMatchday);
    kv::TChartPropertiesForm properties(page.Chart().Data(), page.Chart().Settings(), dialogs);
    properties.show();
    for (int p = 0; p < kv::TChartPropertiesForm::PageCount; ++p) {
        kvtest::Child<QTabWidget>(properties, "ChartPages").setCurrentIndex(p);
        Shot(properties,
             QStringLiteral("TChartPropertiesForm-") + kv::TChartPropertiesForm::PageKey(p));
    }

    // The team properties' statistics page.
    kv::TTeamPropertiesForm team(form.Document(), dialogs);
    team.ShowTeam(form.Document().Tournament().JointTable().Teams().front()->Id);
    kvtest::Child<QTabWidget>(team, "PageControl")
        .setCurrentIndex(kv::TTeamPropertiesForm::PageStatistics);
    team.resize(980, 620);
    team.show();
    Shot(team, QStringLiteral("TTeamPropertiesForm-stats"));
}

// The run-in of the same season: three matchdays to go, the top four and the bottom three
// coloured, best and worst places shown, the marks of what is decided; and the strip that
// long work shows at the window's foot.
void ShotOutlookWindows(kvtest::TScriptedDialogs& dialogs) {
    auto season = Season();
    for (kv::TMatch* m : season->JointTable().Matches())
        if (m->Matchday > 35) m->Played = false;
    kv::TGroup& g = *season->GroupAt(0);
    for (size_t place = 0; place < g.PlaceFonts.size(); ++place) {
        kv::TPlaceFont& p = g.PlaceFonts[place];
        p = kv::TPlaceFont{};
        if (place < 4 || place >= 17) {
            p.HasColor = true;
            p.Color = place < 4 ? 0xC8F0C8 : 0xC8C8F0;
        }
    }
    kv::ApplyVisibleColumns(*season,
                            {kv::kColumnPlayed, kv::kColumnTotalWins, kv::kColumnTotalDraws,
                             kv::kColumnTotalLosses, kv::kColumnGoalsForAndAgainst,
                             kv::kColumnPoints, kv::kColumnBestPlace, kv::kColumnWorstPlace});
    kv::RecomputeAll(*season);
    kv::TTournamentForm form(std::move(season), dialogs);
    form.resize(1100, 820);
    form.show();
    form.Outlook().Finish();
    QCoreApplication::processEvents();
    Shot(form, QStringLiteral("TTournamentForm-outlook"));
    auto& bar = kvtest::Child<QWidget>(form, "OutlookBar");
    bar.show();
    emit form.Outlook().Progress(7, 20);
    Shot(form, QStringLiteral("TTournamentForm-outlook-working"));
    bar.hide();
    kv::TTeamPropertiesForm team(form.Document(), dialogs);
    team.ShowTeam(form.Document().Tournament().JointTable().Teams().back()->Id);
    kvtest::Child<QTabWidget>(team, "PageControl")
        .setCurrentIndex(kv::TTeamPropertiesForm::PageStatistics);
    team.resize(980, 620);
    team.show();
    Shot(team, QStringLiteral("TTeamPropertiesForm-stats-outlook"));
}
