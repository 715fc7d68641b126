#pragma once

// Every important widget carries an object name: tests and screenshots find it by that name.
#include <QString>

namespace kv {

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace kv
