#pragma once

#include "export/grid_print.h"

#include "ui/output/print_tools.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// The page setup of a printed grid: margins in centimetres or inches, and whether the grid
// stands in the middle of the page.
namespace kv {

class TGridPrintSettingForm : public QDialog {
    Q_OBJECT
public:
    TGridPrintSettingForm(const TGridPrintSettings& settings, QWidget* parent = nullptr);

    TGridPrintSettings Settings() const;
    QDoubleSpinBox& Margin(int which) const { return *margins_[which]; } // left, top, right, bottom

private:
    QComboBox* units_ = nullptr;
    TMarginFields margins_{};
    QCheckBox* center_ = nullptr;
};

} // namespace kv
