// A program folder made ready from an installation: samples listed on a first run only,
// language files kept up to date, a user's own files never replaced.
#include "support/testenv.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "storage/first_run.h"
#include "storage/tournament_list.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

using namespace kv;

namespace {

class FirstRun : public kvtest::TTempHome {
protected:
    // An installation's data folder with the samples and a language file.
    QString Installation() {
        const QString data = HomePath(QStringLiteral("install/share/kelvorandine/"));
        QDir().mkpath(data + QStringLiteral("samples"));
        QDir().mkpath(data + QStringLiteral("Language"));
        for (const char* f : {"soccer.kvd", "hockey.kvd"})
            QFile::copy(QStringLiteral(KV_SAMPLES "/") + QLatin1String(f),
                        data + QStringLiteral("samples/") + QLatin1String(f));
        Write(data + QStringLiteral("Language/deutsch.lng"), "[LANG_INFO]\nLanguage=Deutsch\n");
        return data;
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

TEST_F(FirstRun, SamplesAreListedOnceAndLanguagesKeptUpToDate) {
    const QString data = Installation();
    TFirstRunResult r = PrepareProgramFolder(data);
    EXPECT_EQ(r.Samples, 2);
    EXPECT_EQ(r.Languages, 1);
    TTournamentList list;
    ASSERT_TRUE(list.Load(TournamentListPath()).Ok);
    EXPECT_NE(list.FindByPath(SavesFolder() + QStringLiteral("soccer.kvd")), nullptr);
    EXPECT_TRUE(QFile::permissions(SavesFolder() + QStringLiteral("soccer.kvd")) &
                QFileDevice::WriteOwner);
    // The user changes a sample and removes another: a later start leaves both alone.
    Write(SavesFolder() + QStringLiteral("soccer.kvd"), "mine");
    QFile::remove(SavesFolder() + QStringLiteral("hockey.kvd"));
    r = PrepareProgramFolder(data);
    EXPECT_EQ(r.Samples, 0);
    EXPECT_EQ(r.Languages, 0);
    QFile mine(SavesFolder() + QStringLiteral("soccer.kvd"));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "mine");
    EXPECT_FALSE(QFile::exists(SavesFolder() + QStringLiteral("hockey.kvd")));
    // A newer language file from an update replaces the old one.
    QFile lang(LanguageFolder() + QStringLiteral("deutsch.lng"));
    ASSERT_TRUE(lang.open(QIODevice::ReadWrite));
    lang.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    lang.close();
    EXPECT_EQ(PrepareProgramFolder(data).Languages, 1);
}

TEST_F(FirstRun, NothingWithoutAnInstallationOrInTheProgramFolderItself) {
    EXPECT_EQ(PrepareProgramFolder(HomePath(QStringLiteral("nowhere"))).Samples, 0);
    QDir().mkpath(ProgramFolder() + QStringLiteral("samples"));
    QFile::copy(QStringLiteral(KV_SAMPLES "/soccer.kvd"),
                ProgramFolder() + QStringLiteral("samples/soccer.kvd"));
    EXPECT_EQ(PrepareProgramFolder(ProgramFolder()).Samples, 0);
    EXPECT_FALSE(QFile::exists(TournamentListPath()));
}

TEST_F(FirstRun, AGermanSystemFindsTheInstalledGermanFileOnItsFirstStart) {
    const QString data = HomePath(QStringLiteral("install/share/kelvorandine/"));
    QDir().mkpath(data + QStringLiteral("Language"));
    Write(data + QStringLiteral("Language/deutsch.lng"),
          "[LANG_INFO]\nLanguage=Deutsch\nLocaleID=1031\n");
    PrepareProgramFolder(data);
    InitLanguage(1031);
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("deutsch.lng"));
    SetCurrentLanguage(QString());
}
