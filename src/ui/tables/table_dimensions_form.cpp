#include "ui/tables/table_dimensions_form.h"

#include "base/language.h"
#include "edit/edits.h"
#include "edit/tournament_document.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv {

TTableDimensionsForm::TTableDimensionsForm(TTournamentDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), edit_(DimensionsEditOf(doc.Tournament())), applied_(edit_) {
    setObjectName(QStringLiteral("TTableDimensionsForm"));
    setWindowTitle(LangText(8400, "Dimensions of Rows and Columns"));
    auto* layout = new QVBoxLayout(this);
    auto* unitRow = new QHBoxLayout;
    auto* unitLabel = new QLabel(LangText(8401, "&Units:"), this);
    units_ = Named(new QComboBox(this), "UnitsCB");
    units_->addItems(
        {LangText(8402, "Centimeters"), LangText(8403, "Inches"), LangText(8404, "Pixels")});
    unitLabel->setBuddy(units_);
    unitRow->addWidget(unitLabel);
    unitRow->addWidget(units_);
    unitRow->addStretch();
    layout->addLayout(unitRow);
    rows_ = Named(new QTableWidget(this), "SizesTable");
    rows_->setColumnCount(2);
    rows_->setHorizontalHeaderLabels({LangText(8411, "Row or Column"), LangText(8412, "Size")});
    rows_->verticalHeader()->setVisible(false);
    rows_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    rows_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    rows_->horizontalHeader()->resizeSection(1, 110);
    rows_->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(rows_, 1);
    auto* defaults = new QHBoxLayout;
    auto* load = Named(new QPushButton(LangText(8409, "&Load Default"), this), "LoadDefaultBtn");
    auto* save = Named(new QPushButton(LangText(8410, "&Save Default"), this), "SaveDefaultBtn");
    defaults->addWidget(load);
    defaults->addWidget(save);
    defaults->addStretch();
    layout->addLayout(defaults);
    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    layout->addWidget(buttons.Box);
    connect(units_, &QComboBox::activated, this, &TTableDimensionsForm::SetUnits);
    connect(load, &QPushButton::clicked, this, &TTableDimensionsForm::LoadDefault);
    connect(save, &QPushButton::clicked, this, &TTableDimensionsForm::SaveDefault);
    apply_ = buttons.Apply;
    connect(buttons.Apply, &QPushButton::clicked, this, &TTableDimensionsForm::Apply);
    Fill();
    resize(440, 520);
}

void TTableDimensionsForm::Fill() {
    filling_ = true;
    units_->setCurrentIndex(edit_.Units);
    rows_->setRowCount(static_cast<int>(edit_.Rows.size()));
    const int decimals = edit_.Units == UnitsPixels ? 0 : 2;
    for (int r = 0; r < rows_->rowCount(); ++r) {
        const TDimensionRow& row = edit_.Rows[static_cast<size_t>(r)];
        auto* caption = new QTableWidgetItem(row.Caption);
        caption->setFlags(Qt::ItemIsEnabled);
        rows_->setItem(r, 0, caption);
        auto* spin = qobject_cast<QDoubleSpinBox*>(rows_->cellWidget(r, 1));
        if (!spin) {
            spin = new QDoubleSpinBox(rows_);
            spin->setObjectName(QStringLiteral("Size%1").arg(r));
            spin->setFrame(false);
            spin->setAlignment(Qt::AlignRight);
            connect(spin, &QDoubleSpinBox::valueChanged, this, [this, r](double value) {
                if (filling_) return;
                edit_.Rows[static_cast<size_t>(r)].Size = value;
                UpdateApply();
            });
            rows_->setCellWidget(r, 1, spin);
        }
        spin->setDecimals(decimals);
        spin->setSingleStep(edit_.Units == UnitsPixels ? 1 : 0.05);
        spin->setRange(ClampDimension(row.Kind, 0, edit_.Units),
                       ClampDimension(row.Kind, 1e9, edit_.Units));
        spin->setValue(row.Size);
    }
    filling_ = false;
    UpdateApply();
}

void TTableDimensionsForm::UpdateApply() {
    apply_->setEnabled(!(edit_ == applied_));
}

void TTableDimensionsForm::SetUnits(int units) {
    if (units == edit_.Units || units < UnitsCentimetres || units > UnitsPixels) return;
    ChangeEditUnits(edit_, units);
    Fill();
}

void TTableDimensionsForm::SetSize(int row, double size) {
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(rows_->cellWidget(row, 1))) spin->setValue(size);
}

double TTableDimensionsForm::SizeShown(int row) const {
    const auto* spin = qobject_cast<QDoubleSpinBox*>(rows_->cellWidget(row, 1));
    return spin ? spin->value() : 0;
}

void TTableDimensionsForm::LoadDefault() {
    edit_ = DefaultDimensionsEdit(doc_.Tournament());
    Fill();
}

void TTableDimensionsForm::SaveDefault() {
    SaveDimensionsDefault(edit_, doc_.Tournament().Sport);
}

void TTableDimensionsForm::Apply() {
    edit::SetDimensions(doc_, edit_);
    applied_ = edit_;
    UpdateApply();
}

void TTableDimensionsForm::accept() {
    Apply();
    QDialog::accept();
}

} // namespace kv
