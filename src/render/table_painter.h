#pragma once

#include "model/tournament.h"
#include "render/table_layout.h"

#include <QImage>
#include <QPainter>

// Draws a table picture: the name block, the results grid and the standings sections side by
// side, on any painting surface (image, SVG, PDF, printer). The table must have been
// recomputed and ranked (PrepareTable) before it is drawn.
namespace kv {

class TTablePainter {
public:
    TTablePainter(const TTournament& t, const TGroup& g, QPainter& painter, TColor background);

    const TTableLayout& Layout() const { return layout_; }
    void Draw();

    // Each section returns its width; the next one starts at x + width - 1.
    int DrawNameBlock();
    int DrawResultsGrid(int x);
    int DrawStandingsSection(int x, int scope);
    void DrawLegDividers(int x, int width);

private:
    void FillSection(int x, int width);
    void FillRows(int x, int width);
    void Frame(int x, int width);
    void Line(int x1, int y1, int x2, int y2, int width);
    void Text(int x, int top, const QString& text, const TFontData& font);
    QFontMetrics Metrics(const TFontData& font) const;
    int RowTop(int index) const { return layout_.HeaderHeight + index * layout_.TeamRowHeight; }

    const TTournament& t_;
    const TGroup& g_;
    QPainter& p_;
    QColor background_;
    TTableLayout layout_;
    bool bold_;
};

void DrawGroupTable(const TTournament& t, const TGroup& g, QPainter& painter, TColor background);

// The picture as an image at the screen's resolution.
QImage RenderGroupTable(const TTournament& t, const TGroup& g, TColor background = clWhite);

} // namespace kv
