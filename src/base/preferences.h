#pragma once

#include "base/colors.h"
#include "base/fontdata.h"

#include <QString>
#include <QVariant>

#include <vector>

// The one table of every stored preference with its type and default, and typed readers
// that take the default from it. Per-sport table dimensions are not listed here: their
// defaults depend on the sport and come from the table dimensions themselves.
namespace kv {

enum class TPrefType { String, Integer, Bool, Float };

struct TPrefDef {
    const char* SubKey; // "" for the program key itself
    const char* Name;
    TPrefType Type;
    QVariant Default;
};

const std::vector<TPrefDef>& PreferenceTable();

// The default of a listed value; an invalid variant for values the table does not hold.
QVariant PreferenceDefault(const QString& subKey, const QString& name);

// Readers that use the table's default (the value must be listed).
QString PrefString(const char* subKey, const char* name);
int PrefInteger(const char* subKey, const char* name);
bool PrefBool(const char* subKey, const char* name);
double PrefFloat(const char* subKey, const char* name);

// Fonts of the settings store with their built-in defaults.
TFontData PrefFont(const QString& subKey);
TFontData PrefFontDefault(const QString& subKey);

// The preferences read all over the program.
bool PrefHostFirst();
QString PrefMatchSep();
QString PrefScoreSep();
// The score separator as parsing uses it: a stored value that is not exactly one character
// long reads as ":".
QChar PrefScoreSepChar();
bool PrefBackup();
bool PrefRecycleBin();

inline const char* const kAppTitle = "Kelvorandine 2.2";
// The product's name, as print jobs, printed footers and published pages name it.
inline const char* const kProductName = "Kelvorandine";

} // namespace kv

namespace kv {

// The values of the preferences dialog, as the settings store holds them.
struct TProgramPreferences {
    int Units = 2;
    bool ShowHints = true;
    bool ShowTime = true;
    bool FlatButtons = true;
    bool RecycleBin = true;
    bool Backup = true;
    bool HostFirst = true;
    QString MatchSep = QStringLiteral("vs");
    QString ScoreSep = QStringLiteral(":");
    bool ShowMatchDate = true;
    bool ShowFullScore = true;
    QString Language; // a language file's name, empty for the built-in English
    // Behind the tournament windows: a colour when chosen (else the system's), and a picture
    // over it when one is named.
    bool HasBGColor = false;
    TColor BGColor = clBtnFace;
    QString BGPicture;

    static TProgramPreferences Load();
    // Writes every value; tells what the windows must redraw or translate.
    struct TSaved {
        bool ScoreSepChanged = false;
        bool LanguageChanged = false;
    };
    TSaved Save() const;
    bool operator==(const TProgramPreferences&) const = default;
};

} // namespace kv
