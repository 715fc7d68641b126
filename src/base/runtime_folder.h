#pragma once

#include <QString>

namespace kv {

// A folder only this user may enter, for the sockets of the running program: $XDG_RUNTIME_DIR
// when the session gives one; else "kelvorandine-UID" in the temporary folder, made with
// mode 0700, and taken only when it is a real folder of this user that no one else may enter
// (a folder of ours that others could enter is closed first). Empty when neither can be had.
// With a trailing '/'.
QString PrivateRuntimeFolder();

} // namespace kv
