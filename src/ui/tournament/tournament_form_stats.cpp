#include "ui/tournament/tournament_form.h"

// The tournament window's statistics commands: what the chart compares, and the outputs of the
// chart and of the grid.
#include "base/language.h"
#include "edit/tournament_document.h"
#include "export/chart_picture.h"
#include "ui/statistics/chart_output.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/statistics_page.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <span>

namespace kv {

namespace {

using TRadios = TCommandId[3];
const TRadios kCompare = {TCommandId::ConfChart, TCommandId::DivChart, TCommandId::TeamChart};
const TRadios kBasicVenues = {TCommandId::BasicHomeChart, TCommandId::BasicAwayChart,
                              TCommandId::BasicOverallChart};
const TRadios kScoreVenues = {TCommandId::ScoresHome, TCommandId::ScoresAway,
                              TCommandId::ScoresOverall};
const TRadios kRoles = {TCommandId::RefereesMain, TCommandId::RefereesAssistant,
                        TCommandId::RefereesOverall};

const struct {
    TCommandId Id;
    TPictureFormat Format;
} kChartExports[] = {
    {TCommandId::ExportStatsChartToBMP, TPictureFormat::Bmp},
    {TCommandId::ExportStatsChartToJPEG, TPictureFormat::Jpeg},
    {TCommandId::ExportStatsChartToGIF, TPictureFormat::Gif},
    {TCommandId::ExportStatsChartToWMF, TPictureFormat::Svg},
    {TCommandId::ExportStatsChartToEMF, TPictureFormat::Pdf},
    {TCommandId::ExportStatsChartToPNG, TPictureFormat::Png},
};

const TCommandId kChartCommands[] = {TCommandId::ChartProperties, TCommandId::PrintStatsChart,
                                     TCommandId::CopyStatsChartBMP, TCommandId::CopyStatsChartEMF};
const TCommandId kGridCommands[] = {TCommandId::CopyStatsTable, TCommandId::ExportStatsToCSV,
                                    TCommandId::ExportStatsToHTML, TCommandId::PrintStatsTable};

} // namespace

void TTournamentForm::BuildStatisticsCommands() {
    // Each radio group sets one field of the page's chart choice.
    const auto radios = [this](const TRadios& list, auto set) {
        auto* group = new QActionGroup(this);
        for (int i = 0; i < 3; ++i) {
            QAction* a = Command(list[i]);
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, set, i] {
                TStatsChartChoice choice = stats_->Choice();
                set(choice, i);
                stats_->SetChoice(choice);
            });
        }
    };
    radios(kCompare, [](TStatsChartChoice& c, int i) { c.Compare = static_cast<TCompare>(i); });
    radios(kBasicVenues,
           [](TStatsChartChoice& c, int i) { c.Basic = static_cast<TStatsVenue>(i); });
    radios(kScoreVenues,
           [](TStatsChartChoice& c, int i) { c.Scores = static_cast<TStatsVenue>(i); });
    radios(kRoles, [](TStatsChartChoice& c, int i) { c.Role = static_cast<TRefereeRole>(i); });

    const auto command = [this](TCommandId id, auto run) {
        connect(Command(id), &QAction::triggered, this, run);
    };
    const auto chart = [this]() -> TChartWidget& { return stats_->Chart(); };
    command(TCommandId::ChartProperties, [this] { stats_->EditChartProperties(); });
    command(TCommandId::PrintStatsChart,
            [this, chart] { PrintChart(this, dialogs_, chart().Data(), chart().Settings()); });
    command(TCommandId::CopyStatsChartBMP,
            [chart] { CopyChartBitmap(chart().Data(), chart().Settings(), chart().size()); });
    command(TCommandId::CopyStatsChartEMF,
            [chart] { CopyChartVector(chart().Data(), chart().Settings(), chart().size()); });
    for (const auto& e : kChartExports) {
        const TPictureFormat format = e.Format;
        command(e.Id, [this, chart, format] {
            SaveChartAs(this, dialogs_, chart().Data(), chart().Settings(), chart().size(), format,
                        doc_->Tournament().Name + QStringLiteral(" - ") + stats_->Scope().Caption);
        });
    }
    command(TCommandId::CopyStatsTable, [this] { stats_->CopyGrid(); });
    command(TCommandId::ExportStatsToCSV, [this] { stats_->ExportGridToCsv(); });
    command(TCommandId::ExportStatsToHTML, [this] { stats_->ExportGridToHtml(); });
    command(TCommandId::PrintStatsTable, [this] { stats_->PrintGrid(); });

    connect(stats_, &TStatisticsPage::StateChanged, this, [this] { UpdateStatisticsCommands(); });
    connect(stats_, &TStatisticsPage::GridMenuRequested, this,
            [this](QPoint at) { ShowStatisticsMenu(at, false); });
    connect(stats_, &TStatisticsPage::ChartMenuRequested, this,
            [this](QPoint at) { ShowStatisticsMenu(at, true); });
}

void TTournamentForm::UpdateStatisticsCommands() {
    const TStatsCommands c = StatsCommandsFor(doc_->Tournament(), stats_->Grid(), Page() == 2,
                                              stats_->Chart().Data().IsEmpty());
    const TStatsChartChoice& choice = stats_->Choice();
    const auto set = [this](const TRadios& list, int checked, bool on,
                            std::initializer_list<bool> each = {}) {
        for (int i = 0; i < 3; ++i) {
            QAction* a = Command(list[i]);
            a->setChecked(i == checked);
            a->setEnabled(on && (each.size() == 0 || each.begin()[i]));
        }
    };
    set(kCompare, static_cast<int>(choice.Compare), true,
        {c.CompareConferences, c.CompareGroups, c.CompareTeams});
    set(kBasicVenues, static_cast<int>(choice.Basic), c.BasicVenues);
    set(kScoreVenues, static_cast<int>(choice.Scores), c.ScoreVenues);
    set(kRoles, static_cast<int>(choice.Role), c.RefereeRoles);
    for (const TCommandId id : kChartCommands)
        Command(id)->setEnabled(c.Chart);
    for (const auto& e : kChartExports)
        Command(e.Id)->setEnabled(c.Chart);
    for (const TCommandId id : kGridCommands)
        Command(id)->setEnabled(c.Grid);
}

void TTournamentForm::FillStatisticsMenu(QMenu* menu) {
    UpdateStatisticsCommands();
    const auto add = [this, menu](std::span<const TCommandId> ids) {
        for (const TCommandId id : ids)
            menu->addAction(Command(id));
        menu->addSeparator();
    };
    add(kCompare);
    add(kBasicVenues);
    QMenu* scores = menu->addMenu(LangText(5888, "&Scores"));
    scores->setObjectName(QStringLiteral("ScoresChartMenu"));
    for (const TCommandId id : kScoreVenues)
        scores->addAction(Command(id));
    QMenu* referees = menu->addMenu(LangText(5889, "&Referees"));
    referees->setObjectName(QStringLiteral("RefereesChartMenu"));
    for (const TCommandId id : kRoles)
        referees->addAction(Command(id));
    menu->addSeparator();
    add(kChartCommands);
    QMenu* pictures = menu->addMenu(LangText(5890, "Sav&e Chart As"));
    pictures->setObjectName(QStringLiteral("ChartPictureMenu"));
    for (const auto& e : kChartExports)
        pictures->addAction(Command(e.Id));
    menu->addSeparator();
    add(kGridCommands);
}

void TTournamentForm::ShowStatisticsMenu(QPoint globalPos, bool chart) {
    UpdateStatisticsCommands();
    QMenu menu(this);
    menu.setObjectName(chart ? QStringLiteral("StatsChartMenu") : QStringLiteral("StatsGridMenu"));
    if (chart) {
        FillStatisticsMenu(&menu);
    } else {
        for (const TCommandId id : kGridCommands)
            menu.addAction(Command(id));
    }
    menu.exec(globalPos);
}

} // namespace kv
