#pragma once

#include "ui/commands/command_table.h"

#include <array>
#include <vector>

class QAction;
class QWidget;

// The actions of one window, made from the command table: the main window's carry the keys, a
// tournament window's are reached through the main window's bound to them.
namespace kv {

class TCommandSet {
public:
    enum class TWindow { Main, Tournament };
    // Makes the window's commands as actions owned by `owner`.
    TCommandSet(QWidget& owner, TWindow window);

    // Null when the window has no such command.
    QAction* Find(TCommandId id) const { return actions_[static_cast<size_t>(id)]; }
    // A command the window has.
    QAction* operator[](TCommandId id) const;
    std::vector<QAction*> All() const;

    // Texts, hints and short labels in the current language.
    void Retranslate();

private:
    std::array<QAction*, kCommandCount> actions_{};
};

} // namespace kv
