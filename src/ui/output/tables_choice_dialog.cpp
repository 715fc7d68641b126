#include "ui/output/tables_choice_dialog.h"

#include "ui/output/select_tables_frame.h"
#include "ui/widgets/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TTablesChoiceDialog::TTablesChoiceDialog(QWidget* parent) : QDialog(parent) {}

void TTablesChoiceDialog::AddChooser(QVBoxLayout& layout, const TTournament* t,
                                     const std::vector<int>& chosen) {
    if (t) {
        tables_ = new TSelectTablesFrame(this);
        tables_->Load(*t, chosen);
        layout.addWidget(tables_, 1);
        connect(tables_, &TSelectTablesFrame::Changed, this, &TTablesChoiceDialog::UpdateOk);
    }
    const TDialogButtons buttons = MakeDialogButtons(*this, false);
    ok_ = buttons.Ok;
    layout.addWidget(buttons.Box);
    UpdateOk();
}

std::vector<int> TTablesChoiceDialog::Chosen() const {
    return tables_ ? tables_->Chosen() : std::vector<int>{};
}

bool TTablesChoiceDialog::NothingChosen() const {
    return tables_ && tables_->Chosen().empty();
}

void TTablesChoiceDialog::UpdateOk() {
    ok_->setEnabled(!NothingChosen());
}

} // namespace kv
