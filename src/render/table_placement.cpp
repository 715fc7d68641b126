#include "render/table_placement.h"

#include <algorithm>

namespace kv {

TTablePlacement PlaceTables(const std::vector<QSize>& sizes, QSize area, int alignment,
                            QPoint scroll) {
    TTablePlacement p;
    for (const QSize& s : sizes) {
        p.WidestWidth = std::max(p.WidestWidth, s.width());
        p.TotalHeight += kTableGap + s.height();
    }
    const int w = p.WidestWidth;
    if (area.width() < w + 2 * kTableGap) p.HorizontalRange = w + 2 * kTableGap;
    if (area.height() < p.TotalHeight) p.VerticalRange = p.TotalHeight;
    const int d = p.HorizontalRange > 0 ? p.HorizontalRange : area.width();
    const int x = (d - w) / 2;
    int y = kTableGap - scroll.y();
    for (const QSize& s : sizes) {
        int left = x;
        if (alignment == 1)
            left = area.width() < s.width() + 2 * kTableGap ? kTableGap : (d - s.width()) / 2;
        else if (alignment == 2)
            left = x + w - s.width();
        p.Origins.emplace_back(left - scroll.x(), y);
        y += s.height() + kTableGap;
    }
    return p;
}

} // namespace kv
