#include "ui/output/grid_print_setting_form.h"

#include "base/language.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace kv {

TGridPrintSettingForm::TGridPrintSettingForm(const TGridPrintSettings& s, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TGridPrintSettingForm"));
    setWindowTitle(LangText(12250, "Page Setup"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    units_ = Named(new QComboBox(this), "UnitsCB");
    units_->addItems({LangText(12251, "Centimeters"), LangText(12252, "Inches")});
    units_->setCurrentIndex(s.Units == PaperInches ? 1 : 0);
    form->addRow(LangText(12253, "&Units:"), units_);
    const char* names[4] = {"LeftEdit", "TopEdit", "RightEdit", "BottomEdit"};
    const int ids[4] = {12254, 12255, 12256, 12257};
    const char* texts[4] = {"&Left:", "&Top:", "&Right:", "&Bottom:"};
    for (int i = 0; i < 4; ++i) {
        margins_[i] = Named(new QDoubleSpinBox(this), names[i]);
        margins_[i]->setRange(0, 20);
        margins_[i]->setDecimals(2);
        margins_[i]->setSingleStep(0.1);
        form->addRow(LangText(ids[i], texts[i]), margins_[i]);
    }
    ShowMargins(margins_, s);
    center_ = Named(new QCheckBox(LangText(12258, "&Center Horizontally"), this), "CenterChB");
    center_->setChecked(s.HorzCenter);
    form->addRow(center_);
    layout->addLayout(form);
    layout->addWidget(MakeDialogButtons(*this, false).Box);
    // The margins keep their length when the unit changes.
    connect(units_, &QComboBox::currentIndexChanged, this,
            [this](int units) { ConvertMarginFields(margins_, units); });
}

TGridPrintSettings TGridPrintSettingForm::Settings() const {
    TGridPrintSettings s;
    static_cast<TPaperMargins&>(s) = MarginsOf(margins_, units_->currentIndex());
    s.HorzCenter = center_->isChecked();
    return s;
}

} // namespace kv
