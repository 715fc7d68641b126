#pragma once

#include "model/tournament.h"
#include "render/table_layout.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

// Draws a table picture: the name block, the results grid and the standings sections side by
// side, on any painting surface (image, SVG, PDF, printer). The table must have been
// recomputed and ranked (PrepareTable) before it is drawn.
namespace kv {

class TTablePainter {
public:
    TTablePainter(const TTournament& t, const TGroup& g, QPainter& painter, TColor background);
    // The surface is already filled with the background colour (a fresh image): sections of
    // that colour need not be filled again.
    void SetBackgroundPainted(bool painted);

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
    struct TFontEntry {
        TFontData Data;
        QFont Font;
        QFontMetrics Metrics;
    };
    const TFontEntry& Font(const TFontData& font);
    const QFontMetrics& Metrics(const TFontData& font) { return Font(font).Metrics; }
    int RowTop(int index) const { return layout_.HeaderHeight + index * layout_.TeamRowHeight; }

    const TTournament& t_;
    const TGroup& g_;
    QPainter& p_;
    QColor background_;
    TTableLayout layout_;
    bool bold_;
    bool backgroundPainted_ = false;
    // A plain bitmap is drawn on directly where that is much faster (lines and dots).
    uchar* rasterBits_ = nullptr;
    qsizetype rasterStride_ = 0;
    int rasterWidth_ = 0;
    int rasterHeight_ = 0;
    void RasterSpan(int x, int y, int length, int width, bool vertical, QRgb color);
    // Vertical lines on a bitmap are gathered and drawn row by row at the end: column by
    // column they would touch a new cache line for every pixel.
    struct TVerticalLine {
        int X, Top, Bottom, Width;
        QRgb Color;
    };
    std::vector<TVerticalLine> verticals_;
    void FlushVerticals();
    std::vector<std::unique_ptr<TFontEntry>> fonts_;
};

void DrawGroupTable(const TTournament& t, const TGroup& g, QPainter& painter, TColor background);

// The picture as an image at the screen's resolution.
QImage RenderGroupTable(const TTournament& t, const TGroup& g, TColor background = clWhite);
// The same into an image that is kept between drawings (its memory is reused when the size
// stays the same, as in a window that redraws a table after each change).
void RenderGroupTable(const TTournament& t, const TGroup& g, QImage& image, TColor background = clWhite);

} // namespace kv
