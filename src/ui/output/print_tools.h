#pragma once

#include "render/print_layout.h"

#include <array>

class QDoubleSpinBox;
class QPrinter;

// What the print windows share: the printer's page as the layouts take it, and margin fields
// that keep their lengths when the unit changes.
namespace kv {

// The printer's whole page in its own pixels, with its resolution.
TPaper PaperOf(const QPrinter& printer);
// The margin fields (left, top, right, bottom) and the unit list's index.
using TMarginFields = std::array<QDoubleSpinBox*, 4>;
// Re-expresses the fields in `units` (centimetres or inches).
void ConvertMarginFields(const TMarginFields& fields, int units);
void ShowMargins(const TMarginFields& fields, const TPaperMargins& margins);
// The margins the fields hold, in the unit the unit list's index names.
TPaperMargins MarginsOf(const TMarginFields& fields, int unitsIndex);

} // namespace kv
