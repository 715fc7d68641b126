#pragma once

#include "render/chart.h"
#include "render/chart_layout.h"

#include <QImage>
#include <QWidget>

// A chart on screen: it draws what the chart painter draws, lays the chart out again when its
// size changes, and names the bar or point under the mouse in a hint.
namespace kv {

class TChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit TChartWidget(QWidget* parent = nullptr);

    void SetChart(const TChartData& chart);
    void SetSettings(const TChartSettings& settings);
    const TChartData& Data() const { return data_; }
    const TChartSettings& Settings() const { return settings_; }
    const TChartLayout& Layout() const { return layout_; }
    // The hint the mouse would get at a point of the widget.
    QString HintAt(QPoint at) const;
    // The line whose legend entry or end label is at a point of the widget, or -1.
    int SeriesAt(QPoint at) const;
    // The chart as the widget shows it, on white.
    QImage Picture() const;

signals:
    void ContextMenuRequested(QPoint globalPos);
    // A click on a line's legend entry or on the line's end label.
    void SeriesClicked(int series);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Relayout();

    TChartData data_;
    TChartSettings settings_;
    TChartLayout layout_;
};

} // namespace kv
