#include "base/language.h"

#include "base/codepages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <memory>
#include <optional>

namespace kv {

namespace {

struct TLangFile {
    QHash<QString, QString> Info;    // [LANG_INFO], keys upper-cased
    QHash<QString, QString> Strings; // [STRINGS], values with the value rules applied
};

struct TCacheEntry {
    QDateTime Modified;
    qint64 Size = -1;
    std::shared_ptr<const TLangFile> File; // null: the file could not be read
};

QHash<QString, TCacheEntry>& Cache() {
    static QHash<QString, TCacheEntry> cache;
    return cache;
}

QHash<int, QString>& BuiltInTexts() {
    static QHash<int, QString> texts;
    return texts;
}

QSet<int>& ClashingIds() {
    static QSet<int> ids;
    return ids;
}

std::optional<QString>& CurrentLanguageSlot() {
    static std::optional<QString> current;
    return current;
}

QString ApplyValueRules(QString value) {
    value = value.trimmed();
    value.replace(QLatin1String("/n"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    value.replace(QLatin1String("/r"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    value.replace(QLatin1String("/t"), QLatin1String("\t"), Qt::CaseInsensitive);
    return value;
}

// Splits INI text into sections; calls `take(section, key, rawValue)` for every key line.
template <typename F> void ParseIni(const QString& text, F take) {
    QString section;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
            section = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed().toUpper();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        take(section, line.left(eq).trimmed().toUpper(), line.mid(eq + 1));
    }
}

std::shared_ptr<const TLangFile> ParseLanguageFile(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QString text;
    if (IsValidUtf8(bytes)) {
        text = QString::fromUtf8(bytes);
    } else {
        // The character set is named in ASCII, so a Latin-1 reading finds it.
        int charSet = 1;
        ParseIni(QString::fromLatin1(bytes),
                 [&](const QString& s, const QString& k, const QString& v) {
                     if (s == QLatin1String("LANG_INFO") && k == QLatin1String("CHARSET")) {
                         bool ok = false;
                         const int n = v.trimmed().toInt(&ok);
                         if (ok) charSet = n;
                     }
                 });
        text = DecodeCodePage(bytes, CodePageOfCharSet(charSet));
    }
    auto file = std::make_shared<TLangFile>();
    ParseIni(text, [&](const QString& s, const QString& k, const QString& v) {
        if (s == QLatin1String("LANG_INFO")) {
            if (!file->Info.contains(k)) file->Info.insert(k, v.trimmed());
        } else if (s == QLatin1String("STRINGS")) {
            if (!file->Strings.contains(k)) file->Strings.insert(k, ApplyValueRules(v));
        }
    });
    return file;
}

QString LanguagePath(const QString& file) {
    return LanguageFolder() + QFileInfo(file).fileName();
}

// The parsed file; nullopt when the file does not exist, a null pointer when it exists but
// cannot be read.
std::optional<std::shared_ptr<const TLangFile>> LoadLanguageFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    if (!info.isFile()) return std::shared_ptr<const TLangFile>();
    TCacheEntry& entry = Cache()[path];
    const QDateTime modified = info.lastModified();
    if (entry.Size == info.size() && entry.Modified == modified) return entry.File;
    QFile f(path);
    entry.Modified = modified;
    entry.Size = info.size();
    entry.File = f.open(QIODevice::ReadOnly) ? ParseLanguageFile(f.readAll()) : nullptr;
    return entry.File;
}

int ToIntOr(const QString& text, int def) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : def;
}

} // namespace

QString LangText(int id, const QString& def) {
    // Every text asked for is remembered with its built-in wording; an identifier asked for
    // with two wordings is noted, as one translation cannot serve both.
    if (!def.isEmpty()) {
        QHash<int, QString>& texts = BuiltInTexts();
        const auto it = texts.constFind(id);
        if (it == texts.constEnd())
            texts.insert(id, def.trimmed());
        else if (*it != def && *it != def.trimmed())
            ClashingIds().insert(id);
    }
    const QString current = CurrentLanguage();
    if (current.isEmpty()) return def;
    const auto file = LoadLanguageFile(LanguagePath(current));
    if (!file) return def;
    if (!*file) return QString();
    const auto it = (*file)->Strings.constFind(QString::number(id));
    return it == (*file)->Strings.constEnd() ? def : it.value();
}

QString LangText(int id, const char* def) {
    return LangText(id, QString::fromUtf8(def));
}

QString WithoutAccessKeys(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i; // "&&" is one "&"
        plain += caption[i];
    }
    return plain;
}

QString FormText(int id) {
    return LangText(id, BuiltInTexts().value(id));
}

void RegisterDefaultText(int id, const QString& text) {
    BuiltInTexts().insert(id, text.trimmed());
}

QHash<int, QString> RegisteredTexts() {
    return BuiltInTexts();
}

QList<int> ClashingTextIds() {
    return ClashingIds().values();
}

QString LangInfo(const QString& file, const QString& key) {
    const auto parsed = LoadLanguageFile(LanguagePath(file));
    if (!parsed || !*parsed) return QString();
    return (*parsed)->Info.value(key.toUpper());
}

QString CurrentLanguage() {
    auto& slot = CurrentLanguageSlot();
    if (!slot) slot = PrefString("", "Language");
    return *slot;
}

void SetCurrentLanguage(const QString& file) {
    CurrentLanguageSlot() = file;
    RegWriteString(QString(), QStringLiteral("Language"), file);
}

int CurrentLanguageCharSet() {
    const QString current = CurrentLanguage();
    if (current.isEmpty()) return 1;
    const int charSet = ToIntOr(LangInfo(current, QStringLiteral("CharSet")), 1);
    return charSet < 0 ? 1 : charSet;
}

int LanguageLocale(const QString& file) {
    return ToIntOr(LangInfo(file, QStringLiteral("LocaleID")), 1033);
}

QStringList LanguageFiles() {
    QDir dir(LanguageFolder());
    return dir.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void InitLanguage(int userLocaleId) {
    CurrentLanguageSlot().reset();
    const QString language = CurrentLanguage();
    RegisterDefaultText(1000, QStringLiteral("OK"));
    RegisterDefaultText(1001, QStringLiteral("Cancel"));
    RegisterDefaultText(1002, QStringLiteral("&Help"));
    RegisterDefaultText(1003, QStringLiteral("&Apply"));
    RegisterDefaultText(1004, QStringLiteral("&Delete"));
    RegisterDefaultText(1050, QStringLiteral("Centimeters"));
    RegisterDefaultText(1051, QStringLiteral("Inches"));
    RegisterDefaultText(1052, QStringLiteral("Pixels"));
    if (userLocaleId == 1033) return;
    if (!PrefBool("", "LangApplied") && language.isEmpty()) {
        for (const QString& file : LanguageFiles()) {
            if (LanguageLocale(file) == userLocaleId) {
                SetCurrentLanguage(file);
                break;
            }
        }
    }
    RegWriteBool(QString(), QStringLiteral("LangApplied"), true);
}

void InitLanguage() {
    InitLanguage(SystemLocaleId());
}

// Windows locale identifiers of the languages that have them, main locale last.
namespace {

struct TLocaleEntry {
    QLocale::Language Language;
    QLocale::Territory Territory; // AnyTerritory: the language's main locale
    int Id;
};
const TLocaleEntry kLocaleTable[] = {
    {QLocale::English, QLocale::UnitedStates, 1033},
    {QLocale::English, QLocale::UnitedKingdom, 2057},
    {QLocale::English, QLocale::Australia, 3081},
    {QLocale::English, QLocale::Canada, 4105},
    {QLocale::English, QLocale::AnyTerritory, 1033},
    {QLocale::German, QLocale::Austria, 3079},
    {QLocale::German, QLocale::Switzerland, 2055},
    {QLocale::German, QLocale::AnyTerritory, 1031},
    {QLocale::French, QLocale::Canada, 3084},
    {QLocale::French, QLocale::Belgium, 2060},
    {QLocale::French, QLocale::Switzerland, 4108},
    {QLocale::French, QLocale::AnyTerritory, 1036},
    {QLocale::Spanish, QLocale::Mexico, 2058},
    {QLocale::Spanish, QLocale::AnyTerritory, 3082},
    {QLocale::Portuguese, QLocale::Brazil, 1046},
    {QLocale::Portuguese, QLocale::AnyTerritory, 2070},
    {QLocale::Italian, QLocale::AnyTerritory, 1040},
    {QLocale::Dutch, QLocale::Belgium, 2067},
    {QLocale::Dutch, QLocale::AnyTerritory, 1043},
    {QLocale::Russian, QLocale::AnyTerritory, 1049},
    {QLocale::Ukrainian, QLocale::AnyTerritory, 1058},
    {QLocale::Belarusian, QLocale::AnyTerritory, 1059},
    {QLocale::Polish, QLocale::AnyTerritory, 1045},
    {QLocale::Czech, QLocale::AnyTerritory, 1029},
    {QLocale::Slovak, QLocale::AnyTerritory, 1051},
    {QLocale::Slovenian, QLocale::AnyTerritory, 1060},
    {QLocale::Croatian, QLocale::AnyTerritory, 1050},
    {QLocale::Serbian, QLocale::AnyTerritory, 2074},
    {QLocale::Bulgarian, QLocale::AnyTerritory, 1026},
    {QLocale::Romanian, QLocale::AnyTerritory, 1048},
    {QLocale::Hungarian, QLocale::AnyTerritory, 1038},
    {QLocale::Greek, QLocale::AnyTerritory, 1032},
    {QLocale::Turkish, QLocale::AnyTerritory, 1055},
    {QLocale::Hebrew, QLocale::AnyTerritory, 1037},
    {QLocale::Arabic, QLocale::AnyTerritory, 1025},
    {QLocale::Lithuanian, QLocale::AnyTerritory, 1063},
    {QLocale::Latvian, QLocale::AnyTerritory, 1062},
    {QLocale::Estonian, QLocale::AnyTerritory, 1061},
    {QLocale::Finnish, QLocale::AnyTerritory, 1035},
    {QLocale::Swedish, QLocale::AnyTerritory, 1053},
    {QLocale::NorwegianBokmal, QLocale::AnyTerritory, 1044},
    {QLocale::Danish, QLocale::AnyTerritory, 1030},
    {QLocale::Icelandic, QLocale::AnyTerritory, 1039},
    {QLocale::Japanese, QLocale::AnyTerritory, 1041},
    {QLocale::Korean, QLocale::AnyTerritory, 1042},
    {QLocale::Chinese, QLocale::Taiwan, 1028},
    {QLocale::Chinese, QLocale::AnyTerritory, 2052},
};

} // namespace

int SystemLocaleId() {
    const QLocale system = QLocale::system();
    for (const TLocaleEntry& e : kLocaleTable) {
        if (e.Language == system.language() &&
            (e.Territory == QLocale::AnyTerritory || e.Territory == system.territory()))
            return e.Id;
    }
    return 1033;
}

QLocale LocaleOfId(int localeId) {
    for (const TLocaleEntry& e : kLocaleTable)
        if (e.Id == localeId) return QLocale(e.Language, e.Territory);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

TLanguageContents ParseLanguageBytes(const QByteArray& bytes) {
    const auto parsed = ParseLanguageFile(bytes);
    return {parsed->Info, parsed->Strings};
}

void ClearLanguageCache() {
    Cache().clear();
    CurrentLanguageSlot().reset();
}

} // namespace kv
