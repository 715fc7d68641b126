#pragma once

class QComboBox;
class QHeaderView;
class QWidget;

// What the two windows that read a file of fixtures share: the date format box and the
// headings that say what each column holds.
namespace kv {

// An editable box of the usual date formats, empty ("recognised by itself") first.
QComboBox* NewDateFormatBox(QWidget* parent);

// Widens, where it must, each column to show its whole heading (after a column was named anew).
void WidenToHeadings(QHeaderView& header);

} // namespace kv
