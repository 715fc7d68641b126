#include "ui/tables/style_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "storage/named_files.h"
#include "ui/help/help_topics.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

TStyleForm::TStyleForm(const QStringList& names, const QString& current, QWidget* parent)
    : QDialog(parent), existing_(names) {
    setObjectName(QStringLiteral("TStyleForm"));
    setWindowTitle(LangText(10556, "Save Style As..."));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = label_ = new QLabel(LangText(10557, "Style"), this);
    names_ = Named(new QComboBox(this), "NameBox");
    names_->setEditable(true);
    names_->setInsertPolicy(QComboBox::NoInsert);
    names_->addItems(names);
    names_->setEditText(current);
    names_->lineEdit()->selectAll(); // typing replaces the name offered
    names_->setMinimumWidth(240);
    label->setBuddy(names_);
    row->addWidget(label);
    row->addWidget(names_, 1);
    layout->addLayout(row);
    auto* box = new QDialogButtonBox(this);
    save_ = Named(box->addButton(LangText(1182, "Save"), QDialogButtonBox::AcceptRole), "SaveBtn");
    Named(box->addButton(LangText(1001, "Cancel"), QDialogButtonBox::RejectRole), "CancelBtn");
    AddHelpButton(*box, *this);
    save_->setDefault(true);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &TStyleForm::accept);
    connect(box, &QDialogButtonBox::rejected, this, &TStyleForm::reject);
    const auto update = [this] { save_->setEnabled(!Name().isEmpty()); };
    connect(names_, &QComboBox::editTextChanged, this, update);
    update();
}

QString TStyleForm::AskName(const QComboBox& list, QWidget* parent, const QString& caption,
                            const QString& label) {
    QStringList names;
    for (int i = 1; i < list.count(); ++i)
        names << list.itemText(i);
    TStyleForm form(names, list.currentText(), parent);
    if (!caption.isEmpty()) form.SetTexts(caption, label);
    return form.exec() == QDialog::Accepted ? form.Name() : QString();
}

QString TStyleForm::AskName(const QStringList& names, const QString& current, QWidget* parent,
                            const QString& caption, const QString& label) {
    TStyleForm form(names, current, parent);
    form.SetTexts(caption, label);
    form.setProperty("helpTopic", HelpTopicFor(parent));
    return form.exec() == QDialog::Accepted ? form.Name() : QString();
}

void TStyleForm::SetTexts(const QString& caption, const QString& label) {
    setWindowTitle(caption);
    label_->setText(label);
}

bool TStyleForm::ConfirmDelete() {
    return ShowAppMessage(LangText(1180, "Are you sure you want to delete selected style?"),
                          TMessageKind::QuestionYesNo) == TMessageButton::Yes;
}

QString TStyleForm::Name() const {
    return names_->currentText().trimmed();
}

void TStyleForm::accept() {
    const QString name = Name();
    if (name.isEmpty()) return;
    if (const QString refused = CheckFileName(name); !refused.isEmpty()) {
        ShowAppMessage(refused, TMessageKind::Information);
        names_->setFocus();
        return;
    }
    if (existing_.contains(name, Qt::CaseInsensitive) &&
        ShowAppMessage(Fmt(LangText(1183, "\"%s\" already exists. Overwrite?"), name),
                       TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    QDialog::accept();
}

} // namespace kv
