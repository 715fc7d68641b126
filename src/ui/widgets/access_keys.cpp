#include "ui/widgets/access_keys.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QTabBar>

namespace kv {

namespace {

void Add(const QString& text, QString& keys) {
    const QString key = QKeySequence::mnemonic(text).toString(QKeySequence::PortableText);
    if (!key.isEmpty()) keys += key.back().toUpper();
}

} // namespace

QString AccessKeysOf(const QList<QWidget*>& roots, const QList<QWidget*>& except) {
    QString keys;
    for (QWidget* root : roots) {
        if (!root) continue;
        for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
            if (!except.contains(b)) Add(b->text(), keys);
        if (auto* b = qobject_cast<QAbstractButton*>(root); b && !except.contains(b))
            Add(b->text(), keys);
        for (QLabel* l : root->findChildren<QLabel*>())
            if (l->buddy() && !except.contains(l)) Add(l->text(), keys);
        for (QTabBar* bar : root->findChildren<QTabBar*>())
            for (int i = 0; i < bar->count(); ++i)
                Add(bar->tabText(i), keys);
    }
    return keys;
}

} // namespace kv
