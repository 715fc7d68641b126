#pragma once

#include <QList>
#include <QString>

class QWidget;

// The access keys ("&Save": S) that the buttons, labels and tabs below some widgets already
// hold: a caption made at run time takes a key none of them has (WithAccessKey).
namespace kv {

QString AccessKeysOf(const QList<QWidget*>& roots, const QList<QWidget*>& except = {});

} // namespace kv
