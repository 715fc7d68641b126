#include "base/colors.h"

#include <array>

namespace kv {

namespace {

// The classic desktop palette for the system colour indices 0..30, as 0xRRGGBB.
constexpr std::array<quint32, 31> kSystemColors = {
    0xC8C8C8, // 0 scroll bar
    0x000000, // 1 background
    0x99B4D1, // 2 active caption
    0xBFCDDB, // 3 inactive caption
    0xF0F0F0, // 4 menu
    0xFFFFFF, // 5 window
    0x646464, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0x000000, // 9 caption text
    0xB4B4B4, // 10 active border
    0xF4F7FC, // 11 inactive border
    0xABABAB, // 12 application workspace
    0x0078D7, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xF0F0F0, // 15 button face
    0xA0A0A0, // 16 button shadow
    0x6D6D6D, // 17 grey text
    0x000000, // 18 button text
    0x000000, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x696969, // 21 3D dark shadow
    0xE3E3E3, // 22 3D light
    0x000000, // 23 info text
    0xFFFFE1, // 24 info background
    0xB5B5B5, // 25 (unused)
    0x0066CC, // 26 hot light
    0xB9D1EA, // 27 gradient active caption
    0xD7E4F2, // 28 gradient inactive caption
    0x3399FF, // 29 menu highlight
    0xF0F0F0, // 30 menu bar
};

} // namespace

quint32 ColorToRgb(TColor c) {
    const auto u = static_cast<quint32>(c);
    if (IsSystemColor(c)) {
        const quint32 index = u & 0xFFu;
        return index < kSystemColors.size() ? kSystemColors[index] : 0xF0F0F0u;
    }
    const quint32 r = u & 0xFFu;
    const quint32 g = (u >> 8) & 0xFFu;
    const quint32 b = (u >> 16) & 0xFFu;
    return (r << 16) | (g << 8) | b;
}

int ColorRed(TColor c) {
    return static_cast<int>((ColorToRgb(c) >> 16) & 0xFFu);
}
int ColorGreen(TColor c) {
    return static_cast<int>((ColorToRgb(c) >> 8) & 0xFFu);
}
int ColorBlue(TColor c) {
    return static_cast<int>(ColorToRgb(c) & 0xFFu);
}

} // namespace kv
