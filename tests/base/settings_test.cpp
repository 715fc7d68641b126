// The settings store: defaults, typed reads and writes, and nothing written by reading.
#include "support/testenv.h"

#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/runtime_folder.h"
#include "base/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>
#include <unistd.h>

using namespace kv;

namespace {

class Settings : public kvtest::TTempHome {};

QVariant ReadTyped(const TPrefDef& d) {
    const QString key = QLatin1String(d.SubKey);
    const QString name = QLatin1String(d.Name);
    switch (d.Type) {
    case TPrefType::String:
        return RegReadString(key, name, d.Default.toString());
    case TPrefType::Integer:
        return RegReadInteger(key, name, d.Default.toInt());
    case TPrefType::Bool:
        return RegReadBool(key, name, d.Default.toBool());
    case TPrefType::Float:
        return RegReadFloat(key, name, d.Default.toDouble());
    }
    return {};
}

} // namespace

TEST_F(Settings, AFreshStoreGivesEveryDefaultAndWritesNothing) {
    for (const TPrefDef& d : PreferenceTable())
        EXPECT_EQ(ReadTyped(d), d.Default) << d.SubKey << "/" << d.Name;
    EXPECT_TRUE(PrefHostFirst());
    EXPECT_EQ(PrefMatchSep(), QStringLiteral("vs"));
    EXPECT_EQ(PrefScoreSep(), QStringLiteral(":"));
    EXPECT_TRUE(PrefBackup());
    EXPECT_TRUE(PrefRecycleBin());
    EXPECT_EQ(PrefInteger("TableStyle", "HeaderBGColor"), 12639424);
    EXPECT_EQ(PrefString("HTML", "TableAttr"),
              QStringLiteral("border=\"1\" align=\"center\" cellspacing=\"0\" cellpadding=\"1\""));
    EXPECT_EQ(PrefFont(QStringLiteral("TableStyle\\HeaderSubFont")).Size, 5);
    EXPECT_TRUE(PrefFont(QStringLiteral("TableStyle\\HeaderFont")).Bold);
    EXPECT_FALSE(QFileInfo::exists(SettingsFilePath()));
    EXPECT_TRUE(
        QSettings(QStringLiteral("Vantorix"), QStringLiteral("Kelvorandine")).allKeys().isEmpty());
}

TEST_F(Settings, ValuesReadBackWithTheirTypes) {
    RegWriteString(QString(), QStringLiteral("MatchSep"), QStringLiteral("ag, x"));
    RegWriteInteger(QStringLiteral("TableView"), QStringLiteral("Alignment"), 4);
    RegWriteBool(QString(), QStringLiteral("HostFirst"), false);
    RegWriteFloat(QStringLiteral("Print"), QStringLiteral("LeftMargin"), 2.25);
    RegWriteInteger(QStringLiteral("TableDimensions\\Soccer"), QStringLiteral("40"), 33);
    EXPECT_EQ(PrefMatchSep(), QStringLiteral("ag, x"));
    EXPECT_EQ(PrefInteger("TableView", "Alignment"), 4);
    EXPECT_FALSE(PrefHostFirst());
    EXPECT_EQ(PrefFloat("Print", "LeftMargin"), 2.25);
    EXPECT_EQ(RegReadInteger(QStringLiteral("TableDimensions\\Soccer"), QStringLiteral("40"), 25),
              33);
    EXPECT_TRUE(RegValueExists(QStringLiteral("TableDimensions/Soccer"), QStringLiteral("40")));
}

TEST_F(Settings, AValueOfTheWrongTypeReadsAsTheDefault) {
    RegWriteString(QString(), QStringLiteral("SelectedTable"), QStringLiteral("seven"));
    RegWriteString(QString(), QStringLiteral("Backup"), QStringLiteral("maybe"));
    RegWriteString(QStringLiteral("Print"), QStringLiteral("TopMargin"), QStringLiteral("wide"));
    EXPECT_EQ(PrefInteger("", "SelectedTable"), -1);
    EXPECT_TRUE(PrefBackup());
    EXPECT_EQ(PrefFloat("Print", "TopMargin"), 1.5);
    RegWriteString(QString(), QStringLiteral("Backup"), QStringLiteral("0"));
    EXPECT_FALSE(PrefBackup());
}

TEST_F(Settings, FontsReadOnlyTheAttributesPresent) {
    TFontData f = MakeFont(QStringLiteral("Tahoma"), 8, false);
    RegWriteInteger(QStringLiteral("Chart\\TitleFont"), QStringLiteral("Size"), 14);
    RegWriteBool(QStringLiteral("Chart\\TitleFont"), QStringLiteral("Italic"), true);
    RegReadFont(QStringLiteral("Chart\\TitleFont"), f);
    EXPECT_EQ(f.Name, QStringLiteral("Tahoma"));
    EXPECT_EQ(f.Size, 14);
    EXPECT_TRUE(f.Italic);
    EXPECT_FALSE(f.Bold);
    TFontData g = MakeFont(QStringLiteral("Verdana"), 11, true, 0x123456);
    g.StrikeOut = true;
    RegWriteFont(QStringLiteral("TableStyle\\Font"), g);
    EXPECT_EQ(PrefFont(QStringLiteral("TableStyle\\Font")), g);
}

TEST_F(Settings, ScoreSeparatorOfTheWrongLengthParsesAsColon) {
    RegWriteString(QString(), QStringLiteral("ScoreSep"), QStringLiteral("--"));
    EXPECT_EQ(PrefScoreSepChar(), QLatin1Char(':'));
    RegWriteString(QString(), QStringLiteral("ScoreSep"), QStringLiteral("-"));
    EXPECT_EQ(PrefScoreSepChar(), QLatin1Char('-'));
}

TEST_F(Settings, ListFoldersStartAtTheProgramFolder) {
    const QString folder = ProgramFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_EQ(PrefString("", "StadiumsPath"), folder);
    EXPECT_EQ(PrefString("", "RefereesPath"), folder);
    EXPECT_EQ(PreferenceDefault(QString(), QStringLiteral("StadiumsPath")).toString(), folder);
    RegWriteString(QString(), QStringLiteral("RefereesPath"), QStringLiteral("/srv/lists/"));
    EXPECT_EQ(PrefString("", "RefereesPath"), QStringLiteral("/srv/lists/"));
    EXPECT_EQ(PrefString("", "ImageExportPath"), QString());
}

// The running program's socket lies where only its user may go: the session's runtime folder,
// else a folder of our own in the temporary folder that is closed to others and never a link
// someone planted under its name.
TEST_F(Settings, ThePrivateRuntimeFolderIsOnlyEverOurs) {
    const QByteArray session = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray temp = qgetenv("TMPDIR");
    const QString scratch = HomePath(QStringLiteral("tmp"));
    QDir().mkpath(scratch);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(scratch));
    EXPECT_EQ(PrivateRuntimeFolder(), scratch + QLatin1Char('/'));

    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(scratch));
    const QString own = scratch + QStringLiteral("/kelvorandine-%1").arg(::getuid());
    EXPECT_EQ(PrivateRuntimeFolder(), own + QLatin1Char('/'));
    const auto mode = [&own] {
        struct stat st {};
        ::lstat(QFile::encodeName(own).constData(), &st);
        return st.st_mode & 0777;
    };
    EXPECT_EQ(mode(), 0700u);
    ::chmod(QFile::encodeName(own).constData(), 0777); // opened by someone: closed again
    EXPECT_EQ(PrivateRuntimeFolder(), own + QLatin1Char('/'));
    EXPECT_EQ(mode(), 0700u);
    QDir(own).removeRecursively();
    QDir().mkpath(scratch + QStringLiteral("/elsewhere"));
    ASSERT_TRUE(QFile::link(scratch + QStringLiteral("/elsewhere"), own));
    EXPECT_EQ(PrivateRuntimeFolder(), QString());

    qputenv("TMPDIR", temp);
    if (temp.isNull()) qunsetenv("TMPDIR");
    qputenv("XDG_RUNTIME_DIR", session);
    if (session.isNull()) qunsetenv("XDG_RUNTIME_DIR");
}
