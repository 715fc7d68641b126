#pragma once

#include <QObject>

// F1 anywhere opens the manual at the topic of the window that has the focus.
namespace kv {

class THelpKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kv
