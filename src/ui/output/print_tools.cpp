#include "ui/output/print_tools.h"

#include <QDoubleSpinBox>
#include <QPrinter>

namespace kv {

TPaper PaperOf(const QPrinter& printer) {
    const int dpi = printer.resolution();
    return TPaper{printer.pageLayout().fullRectPixels(dpi).size(), static_cast<double>(dpi)};
}

void ConvertMarginFields(const TMarginFields& fields, int units) {
    const double factor = units == PaperInches ? 1 / 2.54 : 2.54;
    for (QDoubleSpinBox* m : fields)
        m->setValue(m->value() * factor);
}

void ShowMargins(const TMarginFields& fields, const TPaperMargins& margins) {
    fields[0]->setValue(margins.LeftMargin);
    fields[1]->setValue(margins.TopMargin);
    fields[2]->setValue(margins.RightMargin);
    fields[3]->setValue(margins.BottomMargin);
}

TPaperMargins MarginsOf(const TMarginFields& fields, int unitsIndex) {
    TPaperMargins m;
    m.Units = unitsIndex == 1 ? PaperInches : PaperCentimetres;
    m.LeftMargin = fields[0]->value();
    m.TopMargin = fields[1]->value();
    m.RightMargin = fields[2]->value();
    m.BottomMargin = fields[3]->value();
    return m;
}

} // namespace kv
