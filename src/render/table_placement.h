#pragma once

#include <QPoint>
#include <QSize>

#include <vector>

// Where the table pictures of the tables page stand: stacked top to bottom with a 20-pixel gap
// above each, placed across by the view's alignment, with the scroll ranges the area needs.
namespace kv {

struct TTablePlacement {
    std::vector<QPoint> Origins; // top-left corner of each picture, scroll positions applied
    int HorizontalRange = 0;     // 0: no horizontal scrolling
    int VerticalRange = 0;       // 0: no vertical scrolling
    int WidestWidth = 0;
    int TotalHeight = 0;
};

inline constexpr int kTableGap = 20;

// `sizes` of the pictures in display order, the visible `area`, the alignment (0 left,
// 1 centre, 2 right, 3 widest-table justify) and the current scroll positions.
TTablePlacement PlaceTables(const std::vector<QSize>& sizes, QSize area, int alignment,
                            QPoint scroll = {});

} // namespace kv
