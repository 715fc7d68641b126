#include "ui/help/help_key_filter.h"

#include "ui/help/help_topics.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kv {

bool THelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        QWidget* from = focus ? focus : widget;
        ShowHelpTopic(HelpTopicFor(from));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kv
