#pragma once

#include "base/colors.h"

#include <QString>

namespace kv {

// A font as the program keeps it in files and settings: a plain value. Only the drawing
// layer turns it into a toolkit font.
struct TFontData {
    QString Name = QStringLiteral("Tahoma");
    int Charset = 1; // the platform's default character set
    int Size = 8;    // points
    TColor Color = clBlack;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TFontData&) const = default;
};

inline TFontData MakeFont(const QString& name, int size, bool bold, TColor color = clBlack) {
    TFontData f;
    f.Name = name;
    f.Size = size;
    f.Bold = bold;
    f.Color = color;
    return f;
}

} // namespace kv
