#pragma once

#include <QString>

#include <utility>
#include <vector>

class QWidget;

// Which topic of the manual each window opens with F1 or its "Help" button.
namespace kv {

// The windows by class name, each with its topic.
const std::vector<std::pair<QString, QString>>& HelpTopicTable();
// The topic of the window a widget belongs to: the nearest window (or page) that has one,
// else the contents.
QString HelpTopicFor(const QWidget* widget);

// Opens the manual at a topic: in the help window already open, or in a new one (inside a
// modal dialog the window is the dialog's own, so that it can be used).
void ShowHelpTopic(const QString& topic);

} // namespace kv
