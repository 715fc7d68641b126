#include "ui/widgets/widget_texts.h"

#include "base/language.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

namespace kv {

namespace {

void Show(QWidget* w) {
    const QVariant id = w->property("textId");
    if (!id.isValid()) return;
    const QString text = LangText(id.toInt(), w->property("defaultText").toString());
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(w))
        box->setTitle(text);
}

} // namespace

void SetRememberedText(QWidget* widget, int id, const char* text) {
    widget->setProperty("textId", id);
    widget->setProperty("defaultText", QString::fromUtf8(text));
    Show(widget);
}

void ApplyTexts(QWidget* root) {
    Show(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        Show(w);
}

} // namespace kv
