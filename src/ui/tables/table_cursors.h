#pragma once

#include <QCursor>

// The tournament window's three cursors, drawn here: over a team (5), over a score cell (6)
// and over a sortable column heading (7).
namespace kv {

class TTableCursors {
public:
    TTableCursors();
    // The cursor for a number of TableCursor (0 the normal arrow).
    QCursor ForNumber(int number) const;

private:
    QCursor team_, score_, sort_;
};

} // namespace kv
