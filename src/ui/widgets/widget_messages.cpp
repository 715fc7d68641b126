#include "ui/widgets/widget_messages.h"

#include "base/preferences.h"
#include "ui/shell/splash_form.h"

#include <QApplication>
#include <QMessageBox>

namespace kv {

std::unique_ptr<QMessageBox> MakeMessageBox(TMessageKind kind, const QString& text,
                                            QWidget* parent) {
    auto owned = std::make_unique<QMessageBox>(parent);
    QMessageBox& box = *owned;
    box.setObjectName(QStringLiteral("AppMessageBox"));
    box.setWindowTitle(QLatin1String(kAppTitle));
    box.setTextFormat(Qt::PlainText); // names and paths from files are shown as they are
    box.setText(text);
    switch (kind) {
    case TMessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case TMessageKind::QuestionYesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case TMessageKind::QuestionYesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case TMessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case TMessageKind::OkCancel:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    return owned;
}

TMessageButton TWidgetMessages::Show(TMessageKind kind, const QString& text) {
    // A box shown at start comes in front: the start-up picture, which stays on top, goes first.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<TSplashForm*>(w); splash && splash->isVisible())
            splash->close();
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(kind, text, QApplication::activeWindow());
    switch (box->exec()) {
    case QMessageBox::Yes:
        return TMessageButton::Yes;
    case QMessageBox::No:
        return TMessageButton::No;
    case QMessageBox::Cancel:
        return TMessageButton::Cancel;
    default:
        return TMessageButton::Ok;
    }
}

} // namespace kv
