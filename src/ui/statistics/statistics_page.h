#pragma once

#include "export/stats_charts.h"
#include "export/stats_grids.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QSplitter;
class QTableView;
class QTreeWidget;

// The tournament window's statistics page: the kinds of statistics in a tree, the scope they
// are read in, the grid of the chosen kind and scope, and its chart.
namespace kv {

class TChartWidget;
class TDialogSeam;
class TStatsGridModel;
class TTournamentDocument;

class TStatisticsPage : public QWidget {
    Q_OBJECT
public:
    TStatisticsPage(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent = nullptr);
    ~TStatisticsPage() override;

    // The document changed: the page is built again now when it shows, else when it next does.
    void Refresh(unsigned changes);
    // The texts of the tree follow the language.
    void Rebuild();

    TStatsKind Kind() const;
    TStatsScope Scope() const;
    const TStatsGrid& Grid() const;
    int CurrentRow() const;
    std::vector<int> SelectedRows() const;
    // -1 chooses no row.
    void SelectRow(int row);
    void ChooseSeries(int series);
    // Chooses a kind in the tree and a scope by its index in the selector.
    void ShowKind(TStatsKind kind);
    void ShowScope(int index);
    // A click on a heading of the grid.
    void SortBy(int column);

    const TStatsChartChoice& Choice() const { return choice_; }
    void SetChoice(const TStatsChartChoice& choice);
    TChartWidget& Chart() const { return *chart_; }

    // The kind and the scope, as prints and exports head the grid after the tournament's name.
    QString Heading() const;
    // Commands on the grid and the chart.
    void CopyGrid() const;
    void PrintGrid();
    bool ExportGridToHtml();
    bool ExportGridToCsv();
    // "Chart Properties": stored settings reach every chart; the titles this chart alone.
    void EditChartProperties();

signals:
    void StateChanged();
    void GridMenuRequested(QPoint globalPos);
    void ChartMenuRequested(QPoint globalPos);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The selected rows when several are, else every row.
    std::vector<int> ChosenRows() const;
    void BuildTree();
    void BuildScopes();
    void RefreshStatistic();
    void UpdateChart();

    TTournamentDocument& doc_;
    TDialogSeam& dialogs_;
    QTreeWidget* tree_ = nullptr;
    QComboBox* scope_ = nullptr;
    QTableView* grid_ = nullptr;
    TStatsGridModel* model_ = nullptr;
    TChartWidget* chart_ = nullptr;
    QLabel* note_ = nullptr;
    QSplitter* split_ = nullptr;
    TStatsSort sort_;
    // The grid layout the sort was chosen on: its kind and its columns (a team's grid has
    // other columns than its table's). Another layout starts from its own sort.
    TStatsKind sortedKind_ = TStatsKind::Basic;
    QStringList sortedColumns_;
    TStatsChartChoice choice_;
    bool stale_ = true;
    bool building_ = false;
};

} // namespace kv
