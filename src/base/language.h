#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

// Every visible text has a numeric identifier and a built-in English text. The current
// language file ("Language/<file>.lng", an INI file) may replace any of them; texts are looked
// up at the moment they are shown, so a change of language takes effect at the next showing.
namespace kv {

// The translation of `id` in the current language, or `def` when there is no current
// language, its file is missing or lacks the key. Empty when the file cannot be read.
QString LangText(int id, const QString& def);
QString LangText(int id, const char* def);

// A caption as words: its access-key marks taken out, "&&" kept as one "&".
QString WithoutAccessKeys(const QString& caption);

// LangText with the built-in text registered for the identifier.
QString FormText(int id);
void RegisterDefaultText(int id, const QString& text);
// Every identifier registered or asked for so far, with its built-in text: what a language
// file has to translate.
QHash<int, QString> RegisteredTexts();
// The identifiers asked for with more than one built-in text.
QList<int> ClashingTextIds();

// A value of the [LANG_INFO] section of "Language/<file>"; empty when the file is missing.
QString LangInfo(const QString& file, const QString& key);

// The file name of the current language ("" = built-in English). Read from the settings
// store once and kept in step by SetCurrentLanguage.
QString CurrentLanguage();
// Makes `file` current and stores it as the `Language` preference.
void SetCurrentLanguage(const QString& file);

// Character-set number of the current language (1 when none is given).
int CurrentLanguageCharSet();
// `LocaleID` of a language file, 1033 when missing or not a number.
int LanguageLocale(const QString& file);

// The "*.lng" files of the language folder, sorted by name.
QStringList LanguageFiles();

// Start-up: registers the shared texts and, on the first run under a locale other than US
// English, picks the language file meant for that locale.
void InitLanguage(int userLocaleId);
void InitLanguage();

// The Windows locale identifier that corresponds to the user's locale (1033 when unknown).
int SystemLocaleId();
// The locale a Windows locale identifier names (US English when unknown).
QLocale LocaleOfId(int localeId);

// What a language file's bytes hold: its [LANG_INFO] values and [STRINGS] texts, with the
// value rules applied (for checking files and for the fuzzers).
struct TLanguageContents {
    QHash<QString, QString> Info;
    QHash<QString, QString> Strings;
};
TLanguageContents ParseLanguageBytes(const QByteArray& bytes);

// Forgets parsed language files (they are also re-read when they change on disk).
void ClearLanguageCache();

} // namespace kv
