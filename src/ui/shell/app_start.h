#pragma once

#include <QString>
#include <QStringList>

// What the program does with its command line before any window exists.
namespace kv {

enum class TStartMode {
    Normal,      // no parameter: the main window
    ConvertList, // "/tl_conv FILE": the old list becomes tournlst.dat
    QuietEnd,    // "/tl_conv" without an existing file: nothing at all
    Help,        // "/?" or "?": the help text of the old command line
    Usage,       // "--help" or "-h": the usage, on standard output only
    Version,     // "--version" or "-V": the version, on standard output only
    OpenFiles,   // existing tournament files (what a file manager passes): open them
    Unknown,     // anything else: "Unknown Parameter: %s"
};

struct TStartCommand {
    TStartMode Mode = TStartMode::Normal;
    QString File;      // the old list to convert
    QStringList Files; // the tournament files to open
    QString Message;   // the help text or the unknown-parameter message (English only)
};

// The mode a command line (without the program's own name) asks for.
TStartCommand ParseStartCommand(const QStringList& arguments);

// What "kelvorandine --help" prints: every form of the command line, the environment and the
// exit statuses (the manual page says the same).
QString StartUsage();

// The application's names: the program's, its organisation's and its desktop entry's. The
// toolkit appends a display name, when one is set, to every window title: none is set, so
// titles read as the program gives them.
void NameApplication();

// The toolkit's own texts (Yes, No, Cancel of the message boxes, the standard dialogs) in the
// language chosen: the toolkit's translation for that language's locale, when Debian's
// qt6-translations-l10n holds one. English needs none.
void ApplyToolkitLanguage();

// Converts an old list file into tournlst.dat in the program folder; the file system's message
// when it cannot be written.
bool ConvertOldList(const QString& oldList, QString& error);

} // namespace kv
