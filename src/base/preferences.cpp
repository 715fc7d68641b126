#include "base/preferences.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "base/settings.h"

namespace kv {

namespace {

using T = TPrefType;

std::vector<TPrefDef> BuildTable() {
    const QString htmlAttr =
        QStringLiteral("border=\"1\" align=\"center\" cellspacing=\"0\" cellpadding=\"1\"");
    return {
        {"", "Language", T::String, QString()},
        {"", "LangApplied", T::Bool, false},
        {"", "RecycleBin", T::Bool, true},
        {"", "Backup", T::Bool, true},
        {"", "FlatButtons", T::Bool, true},
        {"", "ShowHints", T::Bool, true},
        {"", "ShowTime", T::Bool, true},
        {"", "HostFirst", T::Bool, true},
        {"", "MatchSep", T::String, QStringLiteral("vs")},
        {"", "ScoreSep", T::String, QStringLiteral(":")},
        {"", "ShowMatchDate", T::Bool, true},
        {"", "ShowFullScore", T::Bool, true},
        {"", "ShowMatchComments", T::Bool, false},
        {"", "HasBGColor", T::Bool, false},
        {"", "BGColor", T::Integer, clBtnFace},
        {"", "BGPicture", T::String, QString()},
        {"", "SelectedTable", T::Integer, -1},
        {"", "FixturesOnDblClick", T::Integer, 1},
        {"", "DefaultFixturesCols", T::String, QString()},
        {"", "Sport", T::String, QString()},
        {"", "StadiumsPath", T::String, QString()},
        {"", "RefereesPath", T::String, QString()},
        {"", "ImageExportPath", T::String, QString()},
        {"", "ImportTextDelimiter", T::Integer, 0},
        {"", "ImportTextDelimiterOther", T::String, QString()},
        {"TableDimensions", "Units", T::Integer, 2},
        {"TableStyle", "HasBGColor", T::Bool, false},
        {"TableStyle", "BGColor", T::Integer, clWhite},
        {"TableStyle", "BGPicture", T::String, QString()},
        {"TableStyle", "Transparent", T::Bool, true},
        {"TableStyle", "BorderColor", T::Integer, clBlack},
        {"TableStyle", "BoldBorders", T::Bool, false},
        {"TableStyle", "HasHeaderFont", T::Bool, true},
        {"TableStyle", "HasHeaderBGColor", T::Bool, false},
        {"TableStyle", "HeaderBGColor", T::Integer, 12639424},
        {"TableStyle", "HasHResultsFont", T::Bool, false},
        {"TableStyle", "Dividers", T::Bool, true},
        {"TableStyle", "ShowAwayResults", T::Bool, true},
        {"TableStyle", "MarkHomeMatches", T::Bool, true},
        {"TableStyle", "HasResultsColors", T::Bool, true},
        {"TableStyle", "clWin", T::Integer, clRed},
        {"TableStyle", "clDraw", T::Integer, clBlue},
        {"TableStyle", "clLose", T::Integer, clBlack},
        {"TableStyle", "clWinOT", T::Integer, clRed},
        {"TableStyle", "clDrawOT", T::Integer, clBlue},
        {"TableStyle", "clLoseOT", T::Integer, clBlack},
        {"TableStyle", "clWinBul", T::Integer, clRed},
        {"TableStyle", "clLoseBul", T::Integer, clBlack},
        {"TableView", "Results", T::Bool, true},
        {"TableView", "Standings", T::Bool, true},
        {"TableView", "HStandings", T::Bool, false},
        {"TableView", "AStandings", T::Bool, false},
        {"TableView", "Alignment", T::Integer, 2},
        {"Fixtures", "LongDateFormat", T::Bool, false},
        {"Fixtures", "DayOfWeek", T::Integer, -1},
        {"CSVExport", "Separator", T::String, QStringLiteral(";")},
        {"CSVExport", "Quotes", T::Integer, 1},
        {"HTML", "TableAttr", T::String, htmlAttr},
        {"HTML", "Encoding", T::String, QString()},
        {"Print", "PaperUnits", T::Integer, 0},
        {"Print", "LeftMargin", T::Float, 1.5},
        {"Print", "TopMargin", T::Float, 1.5},
        {"Print", "RightMargin", T::Float, 1.5},
        {"Print", "BottomMargin", T::Float, 1.5},
        {"Print", "ShowTitle", T::Bool, true},
        {"Print", "ShowSubtitle", T::Bool, true},
        {"Print", "Position", T::Integer, 0},
        {"Print", "CenterOnPage", T::Bool, false},
        {"Print", "PrintLandscape", T::Bool, false},
        {"FixturesPrint", "PaperUnits", T::Integer, 0},
        {"FixturesPrint", "LeftMargin", T::Float, 1.5},
        {"FixturesPrint", "TopMargin", T::Float, 1.5},
        {"FixturesPrint", "RightMargin", T::Float, 1.5},
        {"FixturesPrint", "BottomMargin", T::Float, 1.5},
        {"FixturesPrint", "HorzCenter", T::Bool, false},
        {"FixturesPrint", "Maximized", T::Bool, true},
        {"Chart", "View3D", T::Bool, true},
        {"Chart", "Chart3DPercent", T::Integer, 15},
        {"Chart", "XLabelsVisible", T::Bool, true},
        {"Chart", "XLabelsAngle", T::Integer, 90},
        {"Chart", "YLabelsVisible", T::Bool, true},
        {"Chart", "YLabelsAngle", T::Integer, 0},
        {"Chart", "BarStyle", T::Integer, 6},
        {"Chart", "BarColorEach", T::Bool, true},
        {"Chart", "BarMarksVisible", T::Bool, true},
        {"Chart", "LineBorderWidth", T::Integer, 1},
        {"Chart", "LineStairs", T::Bool, true},
        {"Chart", "LinePoints", T::Bool, false},
        {"Chart", "LinePointWidth", T::Integer, 4},
        {"Chart", "LinePointHeight", T::Integer, 4},
        {"Chart", "LinePointStyle", T::Integer, 0},
        {"Chart", "LegendVisible", T::Bool, false},
        {"Chart", "LegendPosition", T::Integer, 1},
    };
}

const TPrefDef* Find(const QString& subKey, const QString& name) {
    for (const TPrefDef& d : PreferenceTable())
        if (subKey == QLatin1String(d.SubKey) && name == QLatin1String(d.Name)) return &d;
    return nullptr;
}

// The folders last used for stadium and referee lists start at the program folder, which is
// known only at run time (and follows KELVORANDINE_HOME), so the table cannot hold it.
bool StartsAtProgramFolder(const TPrefDef& d) {
    return d.SubKey[0] == '\0' &&
           (qstrcmp(d.Name, "StadiumsPath") == 0 || qstrcmp(d.Name, "RefereesPath") == 0);
}

QVariant DefaultValue(const TPrefDef* d) {
    if (!d) return QVariant();
    return StartsAtProgramFolder(*d) ? QVariant(ProgramFolder()) : d->Default;
}

QVariant DefaultOf(const char* subKey, const char* name) {
    const TPrefDef* d = Find(QLatin1String(subKey), QLatin1String(name));
    Q_ASSERT_X(d, "PreferenceDefault", name);
    return DefaultValue(d);
}

} // namespace

const std::vector<TPrefDef>& PreferenceTable() {
    static const std::vector<TPrefDef> table = BuildTable();
    return table;
}

QVariant PreferenceDefault(const QString& subKey, const QString& name) {
    return DefaultValue(Find(subKey, name));
}

QString PrefString(const char* subKey, const char* name) {
    return RegReadString(QLatin1String(subKey), QLatin1String(name),
                         DefaultOf(subKey, name).toString());
}

int PrefInteger(const char* subKey, const char* name) {
    return RegReadInteger(QLatin1String(subKey), QLatin1String(name),
                          DefaultOf(subKey, name).toInt());
}

bool PrefBool(const char* subKey, const char* name) {
    return RegReadBool(QLatin1String(subKey), QLatin1String(name),
                       DefaultOf(subKey, name).toBool());
}

double PrefFloat(const char* subKey, const char* name) {
    return RegReadFloat(QLatin1String(subKey), QLatin1String(name),
                        DefaultOf(subKey, name).toDouble());
}

TFontData PrefFontDefault(const QString& subKey) {
    const QString key = subKey.toLower();
    if (key == QLatin1String("tablestyle\\font"))
        return MakeFont(QStringLiteral("Tahoma"), 8, false);
    if (key == QLatin1String("tablestyle\\headerfont"))
        return MakeFont(QStringLiteral("Tahoma"), 8, true);
    if (key == QLatin1String("tablestyle\\headersubfont"))
        return MakeFont(QStringLiteral("Tahoma"), 5, true);
    if (key == QLatin1String("tablestyle\\resultsfont"))
        return MakeFont(QStringLiteral("Tahoma"), 8, true);
    return TFontData{};
}

TFontData PrefFont(const QString& subKey) {
    TFontData font = PrefFontDefault(subKey);
    RegReadFont(subKey, font);
    return font;
}

bool PrefHostFirst() {
    return PrefBool("", "HostFirst");
}
QString PrefMatchSep() {
    return PrefString("", "MatchSep");
}
QString PrefScoreSep() {
    return PrefString("", "ScoreSep");
}

QChar PrefScoreSepChar() {
    const QString sep = PrefScoreSep();
    return sep.size() == 1 ? sep.at(0) : QLatin1Char(':');
}

bool PrefBackup() {
    return PrefBool("", "Backup");
}
bool PrefRecycleBin() {
    return PrefBool("", "RecycleBin");
}

} // namespace kv

namespace kv {

TProgramPreferences TProgramPreferences::Load() {
    TProgramPreferences p;
    p.Units = PrefInteger("TableDimensions", "Units");
    p.ShowHints = PrefBool("", "ShowHints");
    p.ShowTime = PrefBool("", "ShowTime");
    p.FlatButtons = PrefBool("", "FlatButtons");
    p.RecycleBin = PrefBool("", "RecycleBin");
    p.Backup = PrefBool("", "Backup");
    p.HostFirst = PrefBool("", "HostFirst");
    p.MatchSep = PrefString("", "MatchSep");
    p.ScoreSep = PrefString("", "ScoreSep");
    p.ShowMatchDate = PrefBool("", "ShowMatchDate");
    p.ShowFullScore = PrefBool("", "ShowFullScore");
    p.Language = PrefString("", "Language");
    p.HasBGColor = PrefBool("", "HasBGColor");
    p.BGColor = static_cast<TColor>(PrefInteger("", "BGColor"));
    p.BGPicture = PrefString("", "BGPicture");
    return p;
}

TProgramPreferences::TSaved TProgramPreferences::Save() const {
    TSaved saved;
    saved.ScoreSepChanged = PrefString("", "ScoreSep") != ScoreSep;
    saved.LanguageChanged = PrefString("", "Language").compare(Language, Qt::CaseInsensitive) != 0;
    RegWriteBool(QString(), QStringLiteral("HasBGColor"), HasBGColor);
    RegWriteInteger(QString(), QStringLiteral("BGColor"), static_cast<int>(BGColor));
    RegWriteString(QString(), QStringLiteral("BGPicture"), BGPicture);
    RegWriteBool(QString(), QStringLiteral("RecycleBin"), RecycleBin);
    RegWriteBool(QString(), QStringLiteral("Backup"), Backup);
    RegWriteBool(QString(), QStringLiteral("FlatButtons"), FlatButtons);
    RegWriteBool(QString(), QStringLiteral("ShowHints"), ShowHints);
    RegWriteBool(QString(), QStringLiteral("ShowTime"), ShowTime);
    RegWriteInteger(QStringLiteral("TableDimensions"), QStringLiteral("Units"), Units);
    RegWriteBool(QString(), QStringLiteral("HostFirst"), HostFirst);
    RegWriteString(QString(), QStringLiteral("MatchSep"), MatchSep.left(3));
    RegWriteString(QString(), QStringLiteral("ScoreSep"), ScoreSep.left(1));
    RegWriteBool(QString(), QStringLiteral("ShowMatchDate"), ShowMatchDate);
    RegWriteBool(QString(), QStringLiteral("ShowFullScore"), ShowFullScore);
    SetCurrentLanguage(Language);
    RegWriteBool(QString(), QStringLiteral("LangApplied"), true);
    return saved;
}

} // namespace kv
