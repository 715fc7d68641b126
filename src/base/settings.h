#pragma once

#include "base/fontdata.h"

#include <QString>

#include <memory>

class QSettings;

// Typed access to the per-user settings store. Every call opens the store afresh: nothing is
// cached, so a value written anywhere is seen by the next read everywhere. A sub-key may be
// empty (the program key itself) and may contain backslashes ("TableDimensions\Soccer").
// A missing value, or one stored in a form that does not fit the requested type, reads as
// the caller's default. Reading never writes.
namespace kv {

QString RegReadString(const QString& subKey, const QString& name, const QString& def);
int RegReadInteger(const QString& subKey, const QString& name, int def);
bool RegReadBool(const QString& subKey, const QString& name, bool def);
double RegReadFloat(const QString& subKey, const QString& name, double def);

void RegWriteString(const QString& subKey, const QString& name, const QString& value);
void RegWriteInteger(const QString& subKey, const QString& name, int value);
void RegWriteBool(const QString& subKey, const QString& name, bool value);
void RegWriteFloat(const QString& subKey, const QString& name, double value);

bool RegValueExists(const QString& subKey, const QString& name);
void RegDeleteValue(const QString& subKey, const QString& name);

// Overwrites each attribute of the font whose value exists under the sub-key.
void RegReadFont(const QString& subKey, TFontData& font);
// Writes all eight attributes ("Name", "Charset", "Size", "Color", "Bold", "Italic",
// "Underline", "Strikeout") into the sub-key.
void RegWriteFont(const QString& subKey, const TFontData& font);

// The path of the file that backs the store (for diagnostics and tests).
QString SettingsFilePath();

// While one exists, every read and write shares one open store instead of opening it for each
// value; for code that reads many values at once (a whole table style). Nothing outlives it.
class TSettingsBatch {
public:
    TSettingsBatch();
    ~TSettingsBatch();
    TSettingsBatch(const TSettingsBatch&) = delete;
    TSettingsBatch& operator=(const TSettingsBatch&) = delete;

private:
    std::unique_ptr<QSettings> owned_;
};

} // namespace kv
