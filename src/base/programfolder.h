#pragma once

#include <QString>

// The program folder and the data folders found relative to it, never relative to the
// current directory. Every folder is returned with a trailing '/'.
namespace kv {

// $KELVORANDINE_HOME when set. Else an installed program (one with share/kelvorandine beside
// its bin/) uses the per-user data folder, even where it may write beside itself (as root):
// removing the package must leave nothing behind in /usr. A build tree or an unpacked copy
// uses its own folder when it may write there, else the per-user data folder too.
QString ProgramFolder();
QString SavesFolder();    // "SAVES/": tournament files
QString LanguageFolder(); // "Language/": language files
QString StylesFolder();   // "STYLES/": table styles, place styles, column sets, import schemes
QString SortSeqsFolder(); // "SORTSEQS/": sort schemes
// Where recovery copies of modified tournaments are kept: "Recovery/" in the per-user data
// folder ($KELVORANDINE_HOME when that is set).
QString RecoveryFolder();
QString TournamentListPath(); // "tournlst.dat"
// The files installed with the program (samples, language files, the manual):
// "<prefix>/share/kelvorandine/" beside an installed program, else the program's own folder.
QString InstalledDataFolder();

} // namespace kv
