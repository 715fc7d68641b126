#pragma once

#include "model/tournament.h"
#include "render/score_cells.h"
#include "render/table_layout.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
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
    // Text drawn without smoothing keeps the picture to the table's own few colours, as a
    // picture of at most 256 colours (GIF, 8-bit bitmap) needs.
    void SetSmoothText(bool smooth) { smoothText_ = smooth; }

    void Draw();
    // Only the pixel rows top..bottom - 1 (the painter is clipped to them). A large bitmap is
    // drawn band by band so that each band is filled, drawn and lined while it is in the cache.
    void DrawRows(int top, int bottom);

    // Each section returns its width; the next one starts at x + width - 1.
    int DrawNameBlock();
    int DrawResultsGrid(int x);
    int DrawStandingsSection(int x, const TStandingsSection& section);
    void DrawLegDividers(int x, int width);

private:
    void FillSection(int x, int width);
    void FillRows(int x, int width);
    void Frame(int x, int width);
    void Line(int x1, int y1, int x2, int y2, int width);
    void Text(int x, int top, const QString& text, const TFontData& font);
    struct TLaidText {
        QStaticText Laid;
        int Width = 0;
    };
    struct TFontEntry {
        TFontData Data;
        QFont Font;
        QFontMetrics Metrics;
        // Texts laid out once: a table repeats the same few numbers in every row.
        QHash<QString, TLaidText> Texts;
    };
    TLaidText& Laid(TFontEntry& font, const QString& text);
    int Advance(const TFontData& font, const QString& text) { return Laid(Font(font), text).Width; }
    TFontEntry& Font(const TFontData& font);
    const QFontMetrics& Metrics(const TFontData& font) { return Font(font).Metrics; }
    int RowTop(int index) const { return layout_.HeaderHeight + index * layout_.TeamRowHeight; }
    // Whether the pixel rows top..bottom - 1 meet the rows being drawn.
    bool RowsShown(int top, int bottom) const { return bottom > clipTop_ && top < clipBottom_; }
    // The same with a row's height of slack, for texts whose glyphs may reach out of their cells.
    bool Reaches(int top, int bottom) const {
        return RowsShown(top - layout_.RowHeight, bottom + layout_.RowHeight);
    }
    bool TextShown(int top, int height) const {
        return RowsShown(top - height / 2 - 1, top + height + height / 2 + 1);
    }
    bool TeamRowShown(int index) const { return RowsShown(RowTop(index), RowTop(index + 1) + 1); }
    bool HeaderShown() const { return Reaches(0, layout_.HeaderHeight + 2); }
    // The font and the text top of a team row, when its texts reach the rows being drawn.
    bool RowText(int index, TFontData& font, int& top);

    const TTournament& t_;
    const TGroup& g_;
    QPainter& p_;
    QColor background_;
    TTableLayout layout_;
    bool bold_;
    bool backgroundPainted_ = false;
    bool smoothText_ = true;
    // A plain bitmap is drawn on directly where that is much faster (lines and dots).
    uchar* rasterBits_ = nullptr;
    qsizetype rasterStride_ = 0;
    int rasterWidth_ = 0;
    int rasterHeight_ = 0;
    int clipTop_ = 0; // the rows being drawn
    int clipBottom_ = 1 << 30;
    int RasterTop() const { return std::max(0, clipTop_); }
    int RasterBottom() const { return std::min(rasterHeight_, clipBottom_); }
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
    // The results grid's cells in reading order, worked out on the first drawing.
    struct TGridCell {
        TScoreCells::TLook Look;
        int Column;
        bool Mark;
    };
    struct TGridPlan {
        std::unique_ptr<TScoreCells> Cells;
        std::vector<TGridCell> Ordered;
        std::vector<int> Start; // per sub-row, its first cell in Ordered; one more at the end
        std::vector<int> RowFill;
    };
    std::unique_ptr<TGridPlan> grid_;
    TGridPlan& GridPlan();
};

void DrawGroupTable(const TTournament& t, const TGroup& g, QPainter& painter, TColor background);

// The picture as an image at the screen's resolution.
QImage RenderGroupTable(const TTournament& t, const TGroup& g, TColor background = clWhite);
// The same into an image that is kept between drawings (its memory is reused when the size
// stays the same, as in a window that redraws a table after each change).
void RenderGroupTable(const TTournament& t, const TGroup& g, QImage& image,
                      TColor background = clWhite, bool smoothText = true);

} // namespace kv
