#include "render/paint_tools.h"

#include <QFile>
#include <QFontDatabase>

#include <cmath>
#include <mutex>

namespace kv {

namespace {

// Styles name Windows faces. Debian ships faces of the same metrics for the common ones:
// Tahoma and MS Sans Serif with the Windows API fonts (fonts-wine, outside the font folders,
// so they are loaded by hand), Arial, Times New Roman and Courier New as Liberation
// (fonts-liberation2), Verdana as DejaVu Sans. A face that is missing falls back to the
// nearest in width that is installed, so captions keep fitting their columns.
// Wine's bold Tahoma is left out: its outlines are drawn no heavier than the regular face
// (only its small bitmaps are bold), so a bold font looked regular from 10 points on. The
// regular face is emboldened instead, bold at every size.
constexpr const char* kWindowsFaceFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
};

struct TFaceSubstitute {
    const char* Face;
    const char* Substitutes[3];
};

constexpr TFaceSubstitute kFaceSubstitutes[] = {
    {"Tahoma", {"Liberation Sans", "DejaVu Sans Condensed", "DejaVu Sans"}},
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans Condensed", "DejaVu Sans"}},
    {"Microsoft Sans Serif", {"Liberation Sans", "DejaVu Sans Condensed", "DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans Condensed", "DejaVu Sans"}},
    {"Segoe UI", {"Liberation Sans", "DejaVu Sans Condensed", "DejaVu Sans"}},
    {"Verdana", {"DejaVu Sans", "Liberation Sans", "DejaVu Sans Condensed"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif", "DejaVu Serif Condensed"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono", "Courier"}},
};

void InstallSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* file : kWindowsFaceFiles)
            if (QFile::exists(QString::fromLatin1(file)))
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        for (const TFaceSubstitute& s : kFaceSubstitutes) {
            QStringList substitutes;
            for (const char* name : s.Substitutes)
                substitutes << QString::fromLatin1(name);
            QFont::insertSubstitutions(QString::fromLatin1(s.Face), substitutes);
        }
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

TFontData FontDataOf(const QFont& font, TColor color, int charset) {
    TFontData f;
    f.Name = font.family();
    f.Charset = charset;
    f.Size = font.pointSize() > 0 ? font.pointSize() : 8;
    f.Color = color;
    f.Bold = font.bold();
    f.Italic = font.italic();
    f.Underline = font.underline();
    f.StrikeOut = font.strikeOut();
    return f;
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

int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

int HorizontalOffset(int cellWidth, int textWidth) {
    return std::max(2, RoundEven((cellWidth - textWidth) / 2.0 + 1));
}

int VerticalOffset(int cellHeight, int textHeight) {
    return RoundEven((cellHeight - textHeight) / 2.0);
}

} // namespace kv
