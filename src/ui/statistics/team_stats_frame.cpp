#include "ui/statistics/team_stats_frame.h"

#include "base/language.h"
#include "edit/tournament_document.h"
#include "export/csv_export.h"
#include "export/stats_charts.h"
#include "standings/outlook_marks.h"
#include "standings/team_values.h"
#include "ui/output/export_flows.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/stats_grid_model.h"
#include "ui/widgets/widget_names.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

TTeamStatsFrame::TTeamStatsFrame(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent)
    : QWidget(parent), doc_(doc), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TeamStatsFrame"));
    auto* layout = new QVBoxLayout(this);
    auto* split = Named(new QSplitter(Qt::Horizontal, this), "TeamStatsSplitter");

    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    grid_ = Named(new QTableView(left), "TeamStatsGrid");
    model_ = new TStatsGridModel(this);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    note_ = Named(new QLabel(left), "TeamStatsNote");
    note_->setWordWrap(true);
    outlook_ = Named(new QLabel(left), "TeamOutlookLabel");
    QFont strong = outlook_->font();
    strong.setBold(true);
    outlook_->setFont(strong);
    auto* buttons = new QHBoxLayout;
    const auto action = [this, buttons](const char* name, int id, const char* text, auto run) {
        auto* a = new QAction(LangText(id, text), this);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, run);
        grid_->addAction(a);
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name) + QStringLiteral("Button"));
        button->setDefaultAction(a);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button);
    };
    action("CopyStatsToClipboardAction", 8651, "&Copy", [this] { CopyGrid(); });
    action("ExportToHTMLAction", 8652, "Export to &HTML...", [this] { ExportToHtml(); });
    action("ExportToCSVAction", 8653, "Export to C&SV...", [this] { ExportToCsv(); });
    buttons->addStretch(1);
    leftLayout->addWidget(outlook_);
    leftLayout->addWidget(grid_, 1);
    leftLayout->addWidget(note_);
    leftLayout->addLayout(buttons);

    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* choices = new QGridLayout;
    const auto combo = [&](const char* name, int labelId, const char* label, QStringList items,
                           int column) {
        auto* box = Named(new QComboBox(right), name);
        box->addItems(items);
        auto* caption = new QLabel(LangText(labelId, label), right);
        caption->setBuddy(box);
        choices->addWidget(caption, 0, column);
        choices->addWidget(box, 1, column);
        connect(box, &QComboBox::currentIndexChanged, this, [this] { UpdateChart(); });
        return box;
    };
    kind_ = combo(
        "TeamChartKindBox", 8654, "&Chart:",
        {LangText(5835, "Points"), LangText(5827, "Attendance"), LangText(5851, "Occurrencies")},
        0);
    over_ = combo("TeamChartOverBox", 8655,
                  "&Over:", {LangText(5837, "Matchdays"), LangText(5839, "Dates")}, 1);
    venue_ = combo("TeamChartVenueBox", 8656, "Match&es:",
                   {LangText(8657, "Home"), LangText(8658, "Away"), LangText(8659, "All")}, 2);
    venue_->setCurrentIndex(2);
    choices->setColumnStretch(3, 1);
    chart_ = new TChartWidget(right);
    chart_->setObjectName(QStringLiteral("TeamChart"));
    chart_->SetSettings(TChartSettings::FromSettings());
    rightLayout->addLayout(choices);
    rightLayout->addWidget(chart_, 1);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({420, 480});
    layout->addWidget(split);
}

void TTeamStatsFrame::ShowTeam(int teamId) {
    teamId_ = teamId;
    const TTournament& t = doc_.Tournament();
    const TTeam* team = t.JointTable().TeamById(teamId);
    const TStatsGrid grid =
        team ? BuildStatsGrid(t, TStatsKind::Basic, {TScopeKind::Team, team->Id, 0, team->Name})
             : TStatsGrid{};
    model_->SetGrid(grid);
    ApplyGridWidths(*grid_, grid);
    // The whole grid shows beside the chart.
    int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c)
        width += grid_->columnWidth(c);
    grid_->setMinimumWidth(width);
    note_->setText(grid.Note);
    note_->setVisible(!grid.Note.isEmpty());
    ShowOutlook();
    UpdateChart();
}

void TTeamStatsFrame::UpdateChart() {
    if (!chart_) return; // still being built
    const TTournament& t = doc_.Tournament();
    const TTeam* team = t.JointTable().TeamById(teamId_);
    if (!team) {
        chart_->SetChart({});
        return;
    }
    // Scores are counted over the whole season: the choice of axis is not theirs.
    over_->setEnabled(kind_->currentIndex() != static_cast<int>(TTeamChartKind::Scores));
    chart_->SetSettings(TChartSettings::FromSettings());
    chart_->SetChart(TeamChart(t, *team, static_cast<TTeamChartKind>(kind_->currentIndex()),
                               over_->currentIndex() == 1,
                               static_cast<TStatsVenue>(venue_->currentIndex())));
}

void TTeamStatsFrame::CopyGrid() const {
    QApplication::clipboard()->setText(CopyGridAsText(model_->Grid().Data));
}

bool TTeamStatsFrame::ExportToHtml() {
    const TTournament& t = doc_.Tournament();
    const TTeam* team = t.JointTable().TeamById(teamId_);
    // Two title lines, each escaped on its own and set one below the other.
    return ExportGridToHtml(this, dialogs_, model_->Grid().Data,
                            {t.Name, team ? team->DisplayName() : QString()});
}

bool TTeamStatsFrame::ExportToCsv() {
    return ExportGridToCsv(this, dialogs_, model_->Grid().Data);
}

void TTeamStatsFrame::ShowOutlook() {
    const TTournament& t = doc_.Tournament();
    const TTeam* team = t.JointTable().TeamById(teamId_);
    // In the team's own table: its group or division, else the one table.
    const QString words =
        team ? OutlookWords(OutlookIn(*team, t.GroupById(team->GroupId) ? KindGroup : KindJoint))
             : QString();
    outlook_->setText(words);
    outlook_->setVisible(!words.isEmpty());
}

} // namespace kv
