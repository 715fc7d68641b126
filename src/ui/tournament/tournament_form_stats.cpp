#include "ui/tournament/tournament_form.h"

// The tournament window's statistics commands: what the chart compares, and the outputs of the
// chart and of the grid.
#include "base/language.h"
#include "export/chart_picture.h"
#include "ui/statistics/chart_output.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/statistics_page.h"
#include "ui/tournament/tournament_document.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace kv {

namespace {

struct TRadio {
    const char* Name;
    int Id;
    const char* Text;
};

const TRadio kCompare[] = {{"ConfChartAction", 5870, "Compare &Conferences"},
                           {"DivChartAction", 5871, "Compare &Groups/Divisions"},
                           {"TeamChartAction", 5872, "Compare &Teams"}};
const TRadio kBasicVenues[] = {{"BasicHomeChartAction", 5873, "&Home"},
                               {"BasicAwayChartAction", 5874, "&Away"},
                               {"BasicOverallChartAction", 5875, "&Overall"}};
const TRadio kScoreVenues[] = {{"ScoresHomeAction", 5873, "&Home"},
                               {"ScoresAwayAction", 5874, "&Away"},
                               {"ScoresOverallAction", 5875, "&Overall"}};
const TRadio kRoles[] = {{"RefereesMainAction", 5876, "&Main"},
                         {"RefereesAssistantAction", 5877, "&Assistant"},
                         {"RefereesOverallAction", 5875, "&Overall"}};

struct TChartExport {
    const char* Name;
    int Id;
    const char* Text;
    TPictureFormat Format;
};
// Bitmaps, JPEG and GIF as they are; the two metafile kinds of other systems become SVG and
// PDF here; PNG comes beside them.
const TChartExport kChartExports[] = {
    {"ExportStatsChartToBMPAction", 1164, "Export to BMP", TPictureFormat::Bmp},
    {"ExportStatsChartToJPEGAction", 1166, "Export to JPEG", TPictureFormat::Jpeg},
    {"ExportStatsChartToGIFAction", 1168, "Export to GIF", TPictureFormat::Gif},
    {"ExportStatsChartToWMFAction", 1170, "Export to SVG", TPictureFormat::Svg},
    {"ExportStatsChartToEMFAction", 1172, "Export to PDF", TPictureFormat::Pdf},
    {"ExportStatsChartToPNGAction", 5894, "Export to PNG", TPictureFormat::Png},
};

} // namespace

void TTournamentForm::BuildStatisticsCommands() {
    // Each radio group sets one field of the page's chart choice.
    const auto radios = [this](const TRadio(&list)[3], auto set) {
        auto* group = new QActionGroup(this);
        for (int i = 0; i < 3; ++i) {
            QAction* a = AddCommand(list[i].Name, list[i].Id, list[i].Text, {}, true);
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

    const auto command = [this](const char* name, int id, const char* text, auto run) {
        QAction* a = AddCommand(name, id, text);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    const auto chart = [this]() -> TChartWidget& { return stats_->Chart(); };
    command("ChartPropertiesAction", 5880, "Chart Propert&ies",
            [this] { stats_->EditChartProperties(); });
    command("PrintStatsChartAction", 5881, "&Print Chart",
            [this, chart] { PrintChart(this, dialogs_, chart().Data(), chart().Settings()); });
    command("CopyStatsChartBMPAction", 5882, "Copy Chart as &Bitmap",
            [chart] { CopyChartBitmap(chart().Data(), chart().Settings(), chart().size()); });
    command("CopyStatsChartEMFAction", 5883, "Copy Chart as &Vector Picture",
            [chart] { CopyChartVector(chart().Data(), chart().Settings(), chart().size()); });
    for (const TChartExport& e : kChartExports) {
        const TPictureFormat format = e.Format;
        command(e.Name, e.Id, e.Text, [this, chart, format] {
            SaveChartAs(this, dialogs_, chart().Data(), chart().Settings(), chart().size(), format,
                        doc_->Tournament().Name + QStringLiteral(" - ") + stats_->Scope().Caption);
        });
    }
    QAction* copy = command("CopyStatsTableAction", 5884, "Cop&y", [this] { stats_->CopyGrid(); });
    copy->setProperty("keys", QKeySequence(QKeySequence::Copy).toString());
    command("ExportStatsToCSVAction", 5885, "E&xport to CSV...",
            [this] { stats_->ExportGridToCsv(); });
    command("ExportStatsToHTMLAction", 5886, "Export to HT&ML...",
            [this] { stats_->ExportGridToHtml(); });
    command("PrintStatsTableAction", 5887, "Print Tab&le...", [this] { stats_->PrintGrid(); });

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
    const auto set = [this](const TRadio(&list)[3], int checked, bool on,
                            std::initializer_list<bool> each = {}) {
        for (int i = 0; i < 3; ++i) {
            QAction* a = Command(QLatin1String(list[i].Name));
            a->setChecked(i == checked);
            a->setEnabled(on && (each.size() == 0 || each.begin()[i]));
        }
    };
    set(kCompare, static_cast<int>(choice.Compare), true,
        {c.CompareConferences, c.CompareGroups, c.CompareTeams});
    set(kBasicVenues, static_cast<int>(choice.Basic), c.BasicVenues);
    set(kScoreVenues, static_cast<int>(choice.Scores), c.ScoreVenues);
    set(kRoles, static_cast<int>(choice.Role), c.RefereeRoles);
    for (const char* name : {"ChartPropertiesAction", "PrintStatsChartAction",
                             "CopyStatsChartBMPAction", "CopyStatsChartEMFAction"})
        Command(QLatin1String(name))->setEnabled(c.Chart);
    for (const TChartExport& e : kChartExports)
        Command(QLatin1String(e.Name))->setEnabled(c.Chart);
    for (const char* name : {"CopyStatsTableAction", "ExportStatsToCSVAction",
                             "ExportStatsToHTMLAction", "PrintStatsTableAction"})
        Command(QLatin1String(name))->setEnabled(c.Grid);
}

void TTournamentForm::FillStatisticsMenu(QMenu* menu) {
    UpdateStatisticsCommands();
    const auto add = [this, menu](std::initializer_list<const char*> names) {
        for (const char* n : names)
            menu->addAction(Command(QLatin1String(n)));
        menu->addSeparator();
    };
    add({"ConfChartAction", "DivChartAction", "TeamChartAction"});
    add({"BasicHomeChartAction", "BasicAwayChartAction", "BasicOverallChartAction"});
    QMenu* scores = menu->addMenu(LangText(5888, "&Scores"));
    scores->setObjectName(QStringLiteral("ScoresChartMenu"));
    for (const TRadio& r : kScoreVenues)
        scores->addAction(Command(QLatin1String(r.Name)));
    QMenu* referees = menu->addMenu(LangText(5889, "&Referees"));
    referees->setObjectName(QStringLiteral("RefereesChartMenu"));
    for (const TRadio& r : kRoles)
        referees->addAction(Command(QLatin1String(r.Name)));
    menu->addSeparator();
    add({"ChartPropertiesAction", "PrintStatsChartAction", "CopyStatsChartBMPAction",
         "CopyStatsChartEMFAction"});
    QMenu* pictures = menu->addMenu(LangText(5890, "Sav&e Chart As"));
    pictures->setObjectName(QStringLiteral("ChartPictureMenu"));
    for (const TChartExport& e : kChartExports)
        pictures->addAction(Command(QLatin1String(e.Name)));
    menu->addSeparator();
    add({"CopyStatsTableAction", "ExportStatsToCSVAction", "ExportStatsToHTMLAction",
         "PrintStatsTableAction"});
}

void TTournamentForm::ShowStatisticsMenu(QPoint globalPos, bool chart) {
    UpdateStatisticsCommands();
    QMenu menu(this);
    menu.setObjectName(chart ? QStringLiteral("StatsChartMenu") : QStringLiteral("StatsGridMenu"));
    if (chart) {
        FillStatisticsMenu(&menu);
    } else {
        for (const char* n : {"CopyStatsTableAction", "ExportStatsToCSVAction",
                              "ExportStatsToHTMLAction", "PrintStatsTableAction"})
            menu.addAction(Command(QLatin1String(n)));
    }
    menu.exec(globalPos);
}

} // namespace kv
