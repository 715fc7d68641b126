#include "ui/shell/recovery_form.h"

#include "base/language.h"
#include "base/textformat.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv {

TRecoveryForm::TRecoveryForm(std::vector<TRecoveryCopy> copies,
                             std::function<bool(const TRecoveryCopy&)> restore, QWidget* parent)
    : QDialog(parent), copies_(std::move(copies)), restoreCopy_(std::move(restore)) {
    setObjectName(QStringLiteral("TRecoveryForm"));
    setWindowTitle(LangText(621, "Unsaved Tournaments"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        LangText(622, "The program ended while these tournaments had changes that were not "
                      "saved. Their last state was kept."),
        this);
    text->setWordWrap(true);
    layout->addWidget(text);
    list_ = Named(new QTreeWidget(this), "CopiesList");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {LangText(623, "Tournament"), LangText(624, "Kept at"), LangText(625, "Changes")});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(list_, 1);
    auto* box = new QDialogButtonBox(this);
    restore_ = Named(box->addButton(LangText(626, "&Restore"), QDialogButtonBox::ActionRole),
                     "RestoreBtn");
    discard_ = Named(box->addButton(LangText(627, "&Discard"), QDialogButtonBox::ActionRole),
                     "DiscardBtn");
    Named(box->addButton(LangText(628, "&Later"), QDialogButtonBox::RejectRole), "LaterBtn");
    AddHelpButton(*box, *this);
    restore_->setDefault(true);
    layout->addWidget(box);
    connect(restore_, &QPushButton::clicked, this, &TRecoveryForm::Restore);
    connect(discard_, &QPushButton::clicked, this, &TRecoveryForm::Discard);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Fill();
    resize(560, 280);
}

void TRecoveryForm::Fill() {
    list_->clear();
    for (const TRecoveryCopy& c : copies_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, c.Name);
        item->setToolTip(0, c.FilePath);
        item->setText(1, QLocale().toString(c.Written.toLocalTime(), QLocale::ShortFormat));
        item->setText(2, c.Edits >= 0 ? QString::number(c.Edits) : QString());
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    restore_->setEnabled(!copies_.empty());
    discard_->setEnabled(!copies_.empty());
}

int TRecoveryForm::Selected() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(item) : -1;
}

void TRecoveryForm::Drop(int index) {
    copies_.erase(copies_.begin() + index);
    Fill();
    if (copies_.empty()) accept();
}

void TRecoveryForm::Restore() {
    const int index = Selected();
    if (index < 0) return;
    if (restoreCopy_ && restoreCopy_(copies_[static_cast<size_t>(index)])) Drop(index);
}

void TRecoveryForm::Discard() {
    const int index = Selected();
    if (index < 0) return;
    DiscardRecovery(copies_[static_cast<size_t>(index)]);
    Drop(index);
}

} // namespace kv
