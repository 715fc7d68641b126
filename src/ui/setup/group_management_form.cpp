#include "ui/setup/group_management_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/tournament_document.h"
#include "standings/structure_tree.h"
#include "ui/setup/group_frame.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TGroupManagementForm::TGroupManagementForm(TTournamentDocument& doc, TDialogSeam& dialogs,
                                           QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("TGroupManagementForm"));
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(LangText(8300, "Groups/Divisions and Teams"), this);
    auto* inner = new QVBoxLayout(box);
    frame_ = new TGroupFrame(dialogs, box);
    frame_->SetConfirmDelete(true);
    frame_->SetTree(TStructureTree::Of(doc.Tournament()));
    inner->addWidget(frame_);
    layout->addWidget(box);
    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    apply_ = buttons.Apply;
    apply_->setEnabled(false);
    switch_ = Named(new QPushButton(this), "SwitchSystemBtn");
    buttons.Box->addButton(switch_, QDialogButtonBox::ResetRole);
    layout->addWidget(buttons.Box);
    connect(frame_, &TGroupFrame::Changed, this, [this] { apply_->setEnabled(true); });
    connect(apply_, &QPushButton::clicked, this, &TGroupManagementForm::Apply);
    connect(switch_, &QPushButton::clicked, this, &TGroupManagementForm::SwitchSystem);
    UpdateTexts();
    resize(560, 460);
}

void TGroupManagementForm::UpdateTexts() {
    const bool conferences = frame_->Tree().ConferencesSystem();
    setWindowTitle(Fmt(QStringLiteral("%s - %s"),
                       conferences ? LangText(8301, "Division Management")
                                   : LangText(8302, "Group Management"),
                       doc_.Tournament().Name));
    switch_->setText(conferences ? LangText(8303, "Switch to group system")
                                 : LangText(8304, "Switch to conferences/divisions system"));
}

void TGroupManagementForm::SwitchSystem() {
    if (frame_->Tree().ConferencesSystem()) {
        if (ShowAppMessage(
                LangText(8305,
                         "Switching to group system will cause deletion of all matches played "
                         "by teams from separate divisions. Continue?"),
                TMessageKind::QuestionYesNo) != TMessageButton::Yes)
            return;
        frame_->SwitchToGroupSystem();
    } else {
        frame_->SwitchToConferencesSystem();
    }
    UpdateTexts();
}

bool TGroupManagementForm::Apply() {
    if (!apply_->isEnabled()) return true;
    const QString fault = frame_->Tree().Validate();
    if (!fault.isEmpty()) {
        ShowAppMessage(fault, TMessageKind::Information);
        return false;
    }
    edit::SetStructure(doc_, frame_->Tree());
    // New nodes now have their ids.
    frame_->SetTree(TStructureTree::Of(doc_.Tournament()));
    apply_->setEnabled(false);
    UpdateTexts();
    return true;
}

void TGroupManagementForm::accept() {
    if (Apply()) QDialog::accept();
}

} // namespace kv
