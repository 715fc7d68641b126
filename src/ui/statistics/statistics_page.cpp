#include "ui/statistics/statistics_page.h"

#include "base/language.h"
#include "edit/tournament_document.h"
#include "export/csv_export.h"
#include "model/tournament.h"
#include "ui/output/export_flows.h"
#include "ui/output/grid_print_preview_form.h"
#include "ui/statistics/chart_properties_form.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/stats_grid_model.h"
#include "ui/widgets/widget_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <numeric>

namespace kv {

namespace {

constexpr int kKindRole = Qt::UserRole;

} // namespace

TStatisticsPage::TStatisticsPage(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent)
    : QWidget(parent), doc_(doc), dialogs_(dialogs) {
    setObjectName(QStringLiteral("StatisticsPage"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* outer = new QSplitter(Qt::Horizontal, this);
    outer->setObjectName(QStringLiteral("StatsSplitter"));
    layout->addWidget(outer);

    tree_ = new QTreeWidget(outer);
    tree_->setObjectName(QStringLiteral("StatsItemsTV"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setMinimumWidth(150);

    auto* right = new QWidget(outer);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    auto* scopeLabel = Texted(new QLabel(right), 5868, "&Scope:");
    scopeLabel->setObjectName(QStringLiteral("ScopeLabel"));
    scope_ = new QComboBox(right);
    scope_->setObjectName(QStringLiteral("GroupCB"));
    scope_->setMinimumContentsLength(24);
    scope_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    scopeLabel->setBuddy(scope_);
    top->addWidget(scopeLabel);
    top->addWidget(scope_);
    top->addStretch(1);
    column->addLayout(top);

    split_ = new QSplitter(Qt::Vertical, right);
    split_->setObjectName(QStringLiteral("StatsGridChartSplitter"));
    auto* gridBox = new QWidget(split_);
    auto* gridLayout = new QVBoxLayout(gridBox);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    grid_ = new QTableView(gridBox);
    grid_->setObjectName(QStringLiteral("StatsGrid"));
    model_ = new TStatsGridModel(this);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->installEventFilter(this);
    note_ = new QLabel(gridBox);
    note_->setObjectName(QStringLiteral("StatsNote"));
    note_->setWordWrap(true);
    note_->hide();
    gridLayout->addWidget(grid_);
    gridLayout->addWidget(note_);
    chart_ = new TChartWidget(split_);
    chart_->SetSettings(TChartSettings::FromSettings());
    split_->addWidget(gridBox);
    split_->addWidget(chart_);
    split_->setStretchFactor(0, 2);
    split_->setStretchFactor(1, 3);
    column->addWidget(split_, 1);
    outer->addWidget(tree_);
    outer->addWidget(right);
    outer->setStretchFactor(1, 1);
    outer->setSizes({180, 700});

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] {
        if (!building_) RefreshStatistic();
    });
    connect(scope_, &QComboBox::currentIndexChanged, this, [this] {
        if (!building_) RefreshStatistic();
    });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TStatisticsPage::SortBy);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!building_) {
            UpdateChart();
            emit StateChanged();
        }
    });
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { emit GridMenuRequested(grid_->viewport()->mapToGlobal(at)); });
    connect(chart_, &TChartWidget::ContextMenuRequested, this,
            &TStatisticsPage::ChartMenuRequested);
    connect(chart_, &TChartWidget::SeriesClicked, this, &TStatisticsPage::ChooseSeries);
}

TStatisticsPage::~TStatisticsPage() = default;

void TStatisticsPage::Refresh(unsigned changes) {
    if (!(changes & (ChangeTables | ChangeStructure | ChangeStatistics | ChangeName |
                     ChangeFixtures | ChangeOrder)))
        return;
    stale_ = true;
    if (isVisible()) Rebuild();
}

void TStatisticsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) Rebuild();
}

void TStatisticsPage::Rebuild() {
    stale_ = false;
    BuildTree();
    BuildScopes();
    RefreshStatistic();
}

void TStatisticsPage::BuildTree() {
    const bool had = tree_->currentItem() != nullptr;
    const TStatsKind kind = Kind();
    building_ = true;
    tree_->clear();
    QTreeWidgetItem* parent = nullptr;
    QTreeWidgetItem* select = nullptr;
    for (const TStatsNode& node : StatsTree(doc_.Tournament())) {
        QTreeWidgetItem* item =
            node.Level > 0 && parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, node.Text);
        item->setData(0, kKindRole, static_cast<int>(node.Kind));
        if (node.Level == 0) parent = item;
        if (!select || (had && node.Kind == kind)) select = item;
    }
    tree_->expandAll();
    tree_->setCurrentItem(select);
    building_ = false;
}

void TStatisticsPage::BuildScopes() {
    const int before = scope_->currentIndex();
    const TStatsScope kept = Scope();
    building_ = true;
    scope_->clear();
    int select = 0;
    const std::vector<TStatsScope> scopes = StatsScopes(doc_.Tournament());
    for (size_t i = 0; i < scopes.size(); ++i) {
        const TStatsScope& s = scopes[i];
        scope_->addItem(QString(s.Indent * 4, QLatin1Char(' ')) + s.Caption,
                        QVariantList{static_cast<int>(s.Kind), s.Id});
        if (before >= 0 && s == kept) select = static_cast<int>(i);
    }
    scope_->setCurrentIndex(select);
    building_ = false;
}

TStatsKind TStatisticsPage::Kind() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    return item ? static_cast<TStatsKind>(item->data(0, kKindRole).toInt()) : TStatsKind::Basic;
}

TStatsScope TStatisticsPage::Scope() const {
    TStatsScope s;
    const QVariantList v = scope_->currentData().toList();
    if (v.size() == 2) {
        s.Kind = static_cast<TScopeKind>(v.at(0).toInt());
        s.Id = v.at(1).toInt();
        s.Caption = scope_->currentText().trimmed();
    }
    return s;
}

const TStatsGrid& TStatisticsPage::Grid() const {
    return model_->Grid();
}

int TStatisticsPage::CurrentRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> TStatisticsPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : grid_->selectionModel()->selectedRows())
        rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TStatisticsPage::SelectRow(int row) {
    if (row >= 0 && row < model_->rowCount()) {
        grid_->setCurrentIndex(model_->index(row, 0));
    } else {
        grid_->selectionModel()->clear();
    }
}

// A click on a line's legend entry or end label chooses its team in the grid (and so
// highlights the line); a click on the highlighted one chooses none again.
void TStatisticsPage::ChooseSeries(int series) {
    const TChartData& chart = chart_->Data();
    if (series < 0 || series >= chart.Series.size()) return;
    const int key = chart.Series[series].Key;
    if (key < 0) return;
    const int row = CurrentRow();
    const bool again = row >= 0 && row < Grid().RowCount() && Grid().RowKeys.at(row) == key;
    SelectRow(again ? -1 : Grid().RowOfKey(key));
}

void TStatisticsPage::ShowKind(TStatsKind kind) {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if (static_cast<TStatsKind>((*it)->data(0, kKindRole).toInt()) == kind)
            tree_->setCurrentItem(*it);
}

void TStatisticsPage::ShowScope(int index) {
    scope_->setCurrentIndex(index);
}

void TStatisticsPage::RefreshStatistic() {
    // The parent of the progress kinds shows nothing of its own: what was shown stays.
    if (Kind() == TStatsKind::Progress) return;
    const TStatsGrid& old = model_->Grid();
    const TStatsKind kind = Kind();
    // The chosen row stays chosen where the new grid's rows are of the same kind.
    const auto isProgress = [](TStatsKind k) {
        return k == TStatsKind::ByMatchday || k == TStatsKind::ByDate;
    };
    const bool sameRows = old.Kind == kind || (isProgress(old.Kind) && isProgress(kind));
    const int row = CurrentRow();
    const int key = sameRows && row >= 0 && row < old.RowCount() ? old.RowKeys.at(row) : -1;
    TStatsGrid grid = BuildStatsGrid(doc_.Tournament(), kind, Scope());
    if (sortedKind_ != kind || sortedColumns_ != grid.Data.Captions) sort_ = grid.InitialSort;
    sortedKind_ = kind;
    sortedColumns_ = grid.Data.Captions;
    if (grid.Sortable && sort_.Column >= 0) SortStatsGrid(grid, sort_);
    building_ = true;
    model_->SetGrid(grid);
    ApplyGridWidths(*grid_, grid);
    grid_->horizontalHeader()->setSortIndicatorShown(grid.Sortable && sort_.Column >= 0);
    if (grid.Sortable && sort_.Column >= 0)
        grid_->horizontalHeader()->setSortIndicator(
            sort_.Column, sort_.Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    const int again = key >= 0 ? grid.RowOfKey(key) : -1;
    // A progress chart highlights the chosen team's line: none until the user chooses one.
    SelectRow(again >= 0 ? again : isProgress(kind) ? -1 : 0);
    building_ = false;
    note_->setText(grid.Note);
    note_->setVisible(!grid.Note.isEmpty());
    UpdateChart();
    emit StateChanged();
}

void TStatisticsPage::SortBy(int column) {
    if (!Grid().Sortable) return;
    sort_ = ClickedStatsSort(sort_, column);
    RefreshStatistic();
}

void TStatisticsPage::SetChoice(const TStatsChartChoice& choice) {
    choice_ = choice;
    UpdateChart();
    emit StateChanged();
}

void TStatisticsPage::UpdateChart() {
    // The stored settings, which another window may have changed meanwhile.
    chart_->SetSettings(TChartSettings::FromSettings());
    chart_->SetChart(StatsChart(doc_.Tournament(), Scope(), Grid(), CurrentRow(), choice_));
}

QString TStatisticsPage::Heading() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    QString kind = item ? item->text(0) : QString();
    if (item && item->parent()) kind = item->parent()->text(0) + QStringLiteral(" - ") + kind;
    return kind + QStringLiteral(" - ") + Scope().Caption;
}

std::vector<int> TStatisticsPage::ChosenRows() const {
    std::vector<int> rows = SelectedRows();
    if (rows.size() < 2) {
        rows.resize(static_cast<size_t>(Grid().RowCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    return rows;
}

void TStatisticsPage::CopyGrid() const {
    QApplication::clipboard()->setText(CopyGridAsText(Grid().Data, ChosenRows()));
}

void TStatisticsPage::PrintGrid() {
    const std::vector<int> rows = ChosenRows();
    std::vector<int> widths;
    for (int c = 0; c < model_->columnCount(); ++c)
        widths.push_back(grid_->columnWidth(c));
    TGridPrintPreviewForm(Grid().Data, rows, widths,
                          doc_.Tournament().Name + QStringLiteral(" - ") + Heading(), dialogs_,
                          this)
        .exec();
}

bool TStatisticsPage::ExportGridToHtml() {
    return kv::ExportGridToHtml(this, dialogs_, Grid().Data,
                                {doc_.Tournament().Name + QStringLiteral(" - ") + Heading()});
}

bool TStatisticsPage::ExportGridToCsv() {
    return kv::ExportGridToCsv(this, dialogs_, Grid().Data);
}

void TStatisticsPage::EditChartProperties() {
    TChartPropertiesForm form(chart_->Data(), chart_->Settings(), dialogs_, this);
    if (form.exec() != QDialog::Accepted) return;
    chart_->SetSettings(form.Settings());
    chart_->SetChart(form.Data());
}

bool TStatisticsPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrl = key->modifiers() == Qt::ControlModifier;
        if (ctrl && (key->key() == Qt::Key_C || key->key() == Qt::Key_Insert)) {
            CopyGrid();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kv
