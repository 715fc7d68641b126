#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QTableView;

// The statistics page of the team properties: the team's basic statistics at home, away and
// overall, why it stands where it does, and its own chart, with the grid's exports.
namespace kv {

class TChartWidget;
class TDialogSeam;
class TStatsGridModel;
class TTournamentDocument;

class TTeamStatsFrame : public QWidget {
    Q_OBJECT
public:
    TTeamStatsFrame(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent = nullptr);

    // Shows a team as the tournament holds it (not as the dialog is editing it).
    void ShowTeam(int teamId);
    int TeamId() const { return teamId_; }

    TChartWidget& Chart() const { return *chart_; }
    const TStatsGridModel& Model() const { return *model_; }

    // What the rest of the season can still bring the team, as the tournament last worked out.
    void ShowOutlook();

    void CopyGrid() const;
    bool ExportToHtml();
    bool ExportToCsv();

private:
    void UpdateChart();

    TTournamentDocument& doc_;
    TDialogSeam& dialogs_;
    int teamId_ = -1;
    QTableView* grid_ = nullptr;
    TStatsGridModel* model_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* outlook_ = nullptr;
    QComboBox* kind_ = nullptr;
    QComboBox* over_ = nullptr;
    QComboBox* venue_ = nullptr;
    TChartWidget* chart_ = nullptr;
};

} // namespace kv
