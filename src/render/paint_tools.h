#pragma once

#include "base/colors.h"
#include "base/fontdata.h"

#include <QColor>
#include <QFont>
#include <QString>

// Turning the model's colours and fonts into the toolkit's, and the text placement rules of
// table cells.
namespace kv {

QColor ToQColor(TColor c);
// The font with its file name resolved to an installed font of the same kind (Tahoma and the
// other classic names fall back to DejaVu Sans).
QFont ToQFont(const TFontData& f);
// The font a font dialog chose, as the program keeps it; colour and character set are kept.
TFontData FontDataOf(const QFont& font, TColor color, int charset);
// A font made of a base font's name and size and another font's colour and styles.
TFontData WithStyleOf(const TFontData& base, const TFontData& style);

// Horizontal offset of a text in a cell of width w: max(2, round((w - text width) / 2 + 1)).
int HorizontalOffset(int cellWidth, int textWidth);
// Vertical offset of a text in a cell of height h: round((h - text height) / 2).
int VerticalOffset(int cellHeight, int textHeight);

// Rounds halves to even, as every size of the tables does.
int RoundEven(double value);

} // namespace kv
