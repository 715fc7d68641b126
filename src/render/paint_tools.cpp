#include "render/paint_tools.h"

#include <cmath>
#include <mutex>

namespace kv {

namespace {

void InstallSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* name : {"Tahoma", "MS Sans Serif", "Arial", "Verdana", "Microsoft Sans Serif",
                                 "Segoe UI", "Times New Roman", "Courier New"})
            QFont::insertSubstitutions(QString::fromLatin1(name),
                                       {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    });
}

} // namespace

QColor ToQColor(TColor c) {
    const quint32 rgb = ColorToRgb(c);
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QFont ToQFont(const TFontData& f) {
    InstallSubstitutions();
    QFont font(f.Name.isEmpty() ? QStringLiteral("DejaVu Sans") : f.Name);
    font.setPointSize(f.Size > 0 && f.Size < 200 ? f.Size : 8);
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    font.setStrikeOut(f.StrikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

TFontData WithStyleOf(const TFontData& base, const TFontData& style) {
    TFontData f = base;
    f.Color = style.Color;
    f.Bold = style.Bold;
    f.Italic = style.Italic;
    f.Underline = style.Underline;
    f.StrikeOut = style.StrikeOut;
    return f;
}

int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int HorizontalOffset(int cellWidth, int textWidth) {
    return std::max(2, RoundEven((cellWidth - textWidth) / 2.0 + 1));
}

int VerticalOffset(int cellHeight, int textHeight) { return RoundEven((cellHeight - textHeight) / 2.0); }

} // namespace kv
