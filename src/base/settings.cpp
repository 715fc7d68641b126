#include "base/settings.h"

#include <QSettings>

namespace kv {

namespace {

QSettings*& BatchStore() {
    static QSettings* store = nullptr;
    return store;
}

std::unique_ptr<QSettings> NewStore() {
    return std::make_unique<QSettings>(QStringLiteral("Vantorix"), QStringLiteral("Kelvorandine"));
}

// Calls `f` with the batch's store, or with a store opened for this call alone.
template <typename F> auto WithStore(F f) {
    if (QSettings* batch = BatchStore()) return f(*batch);
    const std::unique_ptr<QSettings> store = NewStore();
    return f(*store);
}

QString KeyOf(const QString& subKey, const QString& name) {
    QString key = subKey;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (key.endsWith(QLatin1Char('/')))
        key.chop(1);
    return key.isEmpty() ? name : key + QLatin1Char('/') + name;
}

QVariant ReadRaw(const QString& subKey, const QString& name) {
    return WithStore([&](QSettings& s) { return s.value(KeyOf(subKey, name)); });
}

void WriteRaw(const QString& subKey, const QString& name, const QVariant& value) {
    WithStore([&](QSettings& s) {
        s.setValue(KeyOf(subKey, name), value);
        return 0;
    });
}

bool IsTextual(const QVariant& v) {
    const int t = v.typeId();
    return t == QMetaType::QString || t == QMetaType::QByteArray || t == QMetaType::Int ||
           t == QMetaType::LongLong || t == QMetaType::Double || t == QMetaType::Bool;
}

} // namespace

QString RegReadString(const QString& subKey, const QString& name, const QString& def) {
    const QVariant v = ReadRaw(subKey, name);
    if (!v.isValid() || !IsTextual(v)) return def;
    return v.toString();
}

int RegReadInteger(const QString& subKey, const QString& name, int def) {
    const QVariant v = ReadRaw(subKey, name);
    if (!v.isValid()) return def;
    if (v.typeId() == QMetaType::Int) return v.toInt();
    if (!IsTextual(v)) return def;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    return ok ? value : def;
}

bool RegReadBool(const QString& subKey, const QString& name, bool def) {
    const QVariant v = ReadRaw(subKey, name);
    if (!v.isValid()) return def;
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    if (!IsTextual(v)) return def;
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
    if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
    return def;
}

double RegReadFloat(const QString& subKey, const QString& name, double def) {
    const QVariant v = ReadRaw(subKey, name);
    if (!v.isValid()) return def;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int) return v.toDouble();
    if (!IsTextual(v)) return def;
    bool ok = false;
    const double value = v.toString().trimmed().toDouble(&ok);
    return ok ? value : def;
}

void RegWriteString(const QString& subKey, const QString& name, const QString& value) {
    WriteRaw(subKey, name, value);
}

void RegWriteInteger(const QString& subKey, const QString& name, int value) {
    WriteRaw(subKey, name, value);
}

void RegWriteBool(const QString& subKey, const QString& name, bool value) {
    WriteRaw(subKey, name, value);
}

void RegWriteFloat(const QString& subKey, const QString& name, double value) {
    WriteRaw(subKey, name, value);
}

bool RegValueExists(const QString& subKey, const QString& name) {
    return WithStore([&](QSettings& s) { return s.contains(KeyOf(subKey, name)); });
}

void RegDeleteValue(const QString& subKey, const QString& name) {
    WithStore([&](QSettings& s) {
        s.remove(KeyOf(subKey, name));
        return 0;
    });
}

void RegReadFont(const QString& subKey, TFontData& font) {
    const TSettingsBatch batch;
    auto has = [&](const char* name) { return RegValueExists(subKey, QLatin1String(name)); };
    if (has("Name")) font.Name = RegReadString(subKey, QStringLiteral("Name"), font.Name);
    if (has("Charset"))
        font.Charset = RegReadInteger(subKey, QStringLiteral("Charset"), font.Charset);
    if (has("Size")) font.Size = RegReadInteger(subKey, QStringLiteral("Size"), font.Size);
    if (has("Color")) font.Color = RegReadInteger(subKey, QStringLiteral("Color"), font.Color);
    if (has("Bold")) font.Bold = RegReadBool(subKey, QStringLiteral("Bold"), font.Bold);
    if (has("Italic")) font.Italic = RegReadBool(subKey, QStringLiteral("Italic"), font.Italic);
    if (has("Underline"))
        font.Underline = RegReadBool(subKey, QStringLiteral("Underline"), font.Underline);
    if (has("Strikeout"))
        font.StrikeOut = RegReadBool(subKey, QStringLiteral("Strikeout"), font.StrikeOut);
}

void RegWriteFont(const QString& subKey, const TFontData& font) {
    const TSettingsBatch batch;
    RegWriteString(subKey, QStringLiteral("Name"), font.Name);
    RegWriteInteger(subKey, QStringLiteral("Charset"), font.Charset);
    RegWriteInteger(subKey, QStringLiteral("Size"), font.Size);
    RegWriteInteger(subKey, QStringLiteral("Color"), font.Color);
    RegWriteBool(subKey, QStringLiteral("Bold"), font.Bold);
    RegWriteBool(subKey, QStringLiteral("Italic"), font.Italic);
    RegWriteBool(subKey, QStringLiteral("Underline"), font.Underline);
    RegWriteBool(subKey, QStringLiteral("Strikeout"), font.StrikeOut);
}

QString SettingsFilePath() {
    return WithStore([](QSettings& s) { return s.fileName(); });
}

TSettingsBatch::TSettingsBatch() {
    if (!BatchStore()) {
        owned_ = NewStore();
        BatchStore() = owned_.get();
    }
}

TSettingsBatch::~TSettingsBatch() {
    if (owned_) BatchStore() = nullptr;
}

} // namespace kv
