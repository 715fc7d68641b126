#pragma once

#include <QStringList>

namespace kv {

// The country names offered by the stadium and referee dialogs: the list of the current
// language (text 1100, names separated by semicolons or line breaks), or the built-in English
// list when the language gives none.
QStringList CountryNames();

} // namespace kv
