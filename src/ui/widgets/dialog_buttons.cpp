#include "ui/widgets/dialog_buttons.h"

#include "base/language.h"
#include "ui/help/help_topics.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace kv {

TDialogButtons MakeDialogButtons(QDialog& dialog, bool withApply, bool okIsDefault) {
    TDialogButtons b;
    b.Box = new QDialogButtonBox(&dialog);
    b.Ok = b.Box->addButton(LangText(1000, "OK"), QDialogButtonBox::AcceptRole);
    b.Ok->setObjectName(QStringLiteral("OKBtn"));
    b.Ok->setDefault(okIsDefault);
    b.Box->addButton(LangText(1001, "Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    AddHelpButton(*b.Box, dialog);
    if (withApply) {
        b.Apply = b.Box->addButton(LangText(1003, "&Apply"), QDialogButtonBox::ApplyRole);
        b.Apply->setObjectName(QStringLiteral("ApplyBtn"));
    }
    // accept() is virtual: each dialog's own checks run.
    QObject::connect(b.Box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(b.Box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return b;
}

QPushButton* MakeHelpButton(QWidget& window) {
    auto* help = new QPushButton(LangText(1002, "&Help"), &window);
    help->setObjectName(QStringLiteral("HelpBtn"));
    help->setAutoDefault(false);
    QObject::connect(help, &QPushButton::clicked, &window,
                     [&window] { ShowHelpTopic(HelpTopicFor(&window)); });
    return help;
}

QPushButton* AddHelpButton(QDialogButtonBox& box, QWidget& window) {
    QPushButton* help = MakeHelpButton(window);
    box.addButton(help, QDialogButtonBox::HelpRole);
    return help;
}

} // namespace kv
