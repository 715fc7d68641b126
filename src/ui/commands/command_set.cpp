#include "ui/commands/command_set.h"

#include "base/language.h"

#include <QAction>
#include <QWidget>

namespace kv {

namespace {

QString Text(const TCommandText& t) {
    return LangText(t.Id, t.Text);
}

} // namespace

TCommandSet::TCommandSet(QWidget& owner, TWindow window) {
    for (const TCommandSpec& spec : CommandTable()) {
        const bool held = spec.Home == TCommandHome::Bound ||
                          (spec.Home == TCommandHome::Main) == (window == TWindow::Main);
        if (!held) continue;
        auto* action = new QAction(&owner);
        action->setObjectName(QLatin1String(spec.Name));
        action->setCheckable(spec.Checkable);
        if (window == TWindow::Main) {
            QList<QKeySequence> keys;
            if (spec.StandardKeys != QKeySequence::UnknownKey)
                keys = QKeySequence::keyBindings(spec.StandardKeys);
            for (const QKeyCombination k : {spec.Keys, spec.MoreKeys})
                if (k != QKeyCombination()) keys << QKeySequence(k);
            action->setShortcuts(keys);
            owner.addAction(action); // keys work wherever the focus is in the window
        }
        actions_[static_cast<size_t>(spec.Id)] = action;
    }
    Retranslate();
}

QAction* TCommandSet::operator[](TCommandId id) const {
    QAction* a = Find(id);
    Q_ASSERT(a);
    return a;
}

std::vector<QAction*> TCommandSet::All() const {
    std::vector<QAction*> all;
    for (QAction* a : actions_)
        if (a) all.push_back(a);
    return all;
}

void TCommandSet::Retranslate() {
    for (const TCommandSpec& spec : CommandTable()) {
        QAction* a = Find(spec.Id);
        if (!a) continue;
        a->setText(Text(spec.Text));
        if (spec.Hint.Text) a->setStatusTip(Text(spec.Hint));
        if (spec.Short.Text) a->setIconText(Text(spec.Short));
    }
}

} // namespace kv
