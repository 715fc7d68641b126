#pragma once

#include <QtGlobal>

namespace kv {

// A colour as stored in files and settings: red in the lowest byte, then green and blue.
// A value with 0x80 in the top byte names a system colour by its index in the low byte.
using TColor = qint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clSystemFlag = static_cast<TColor>(0x80000000u);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);
constexpr TColor clWindow = static_cast<TColor>(0x80000005u);

constexpr TColor RgbColor(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

constexpr bool IsSystemColor(TColor c) {
    return (static_cast<quint32>(c) & 0xFF000000u) == 0x80000000u;
}

// The colour as 0xRRGGBB, system colours resolved to their usual values.
quint32 ColorToRgb(TColor c);
int ColorRed(TColor c);
int ColorGreen(TColor c);
int ColorBlue(TColor c);

} // namespace kv
