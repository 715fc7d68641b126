#include "ui/statistics/chart_widget.h"

#include "render/chart_painter.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace kv {

TChartWidget::TChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatsChart"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus); // a click makes it the part of the page F1 explains
    setMinimumSize(200, 150);
    setAutoFillBackground(false);
    Relayout();
}

void TChartWidget::SetChart(const TChartData& chart) {
    data_ = chart;
    // What a screen reader reads: the title, then each bar or line with its values.
    setAccessibleName(chart.Title.section(QLatin1Char('\n'), 0, 0));
    setAccessibleDescription(ChartText(chart));
    Relayout();
}

void TChartWidget::SetSettings(const TChartSettings& settings) {
    if (settings == settings_) return;
    settings_ = settings;
    Relayout();
}

void TChartWidget::Relayout() {
    layout_ = LayoutChart(QRectF(rect()), data_, settings_);
    update();
}

QString TChartWidget::HintAt(QPoint at) const {
    return HitChart(layout_, data_, settings_, QPointF(at)).Text;
}

QImage TChartWidget::Picture() const {
    return ChartImage(data_, settings_, size());
}

void TChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    DrawChartLayout(p, layout_, data_, settings_);
}

void TChartWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

bool TChartWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = HintAt(help->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

void TChartWidget::contextMenuEvent(QContextMenuEvent* event) {
    emit ContextMenuRequested(event->globalPos());
}

int TChartWidget::SeriesAt(QPoint at) const {
    return HitSeries(layout_, data_, QPointF(at));
}

void TChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int series = SeriesAt(event->position().toPoint());
        if (series >= 0) emit SeriesClicked(series);
    }
    QWidget::mousePressEvent(event);
}

} // namespace kv
