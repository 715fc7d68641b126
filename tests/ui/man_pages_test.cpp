// The manual pages say what the programs' own --help says: every command and every option of
// each is in its page, and the page names no option the program does not take. The pages are
// read as man reads them, without a warning.
#include "support/testenv.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

namespace {

QString Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QSet<QString> Options(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*[a-z]"));
    for (auto it = option.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// The page as its reader sees the names: "\-" is a hyphen.
QString Page(const char* name) {
    QFile file(QStringLiteral(KV_SOURCE_DIR "/data/man/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

QStringList Sorted(const QSet<QString>& set) {
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

} // namespace

TEST(ManPages, KvtoolsPageHoldsEveryCommandAndOption) {
    const QString usage = Output(QStringLiteral(KVTOOL_PATH), {QStringLiteral("--help")});
    QStringList commands;
    static const QRegularExpression line(QStringLiteral("^  ([a-z][a-z-]+)  "),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(usage); it.hasNext();)
        commands << it.next().captured(1);
    ASSERT_GE(commands.size(), 12) << usage.toStdString();
    QSet<QString> helped = Options(usage);
    const QString page = Page("kvtool.1");
    for (const QString& command : commands) {
        EXPECT_TRUE(page.contains(QStringLiteral("\n.SS ") + command + QLatin1Char(' ')))
            << command.toStdString();
        helped += Options(Output(QStringLiteral(KVTOOL_PATH), {command, QStringLiteral("--help")}));
    }
    helped.insert(QStringLiteral("--help")); // every command's own
    EXPECT_EQ(Sorted(Options(page)), Sorted(helped));
}

TEST(ManPages, KelvorandinesPageHoldsEveryOption) {
    const QString usage = Output(QStringLiteral(KELVORANDINE_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(usage.startsWith(QStringLiteral("usage: kelvorandine"))) << usage.toStdString();
    const QString page = Page("kelvorandine.1");
    EXPECT_EQ(Sorted(Options(page)), Sorted(Options(usage)));
    static const QRegularExpression variable(QStringLiteral("\\b[A-Z][A-Z_]+_[A-Z]+\\b"));
    for (auto it = variable.globalMatch(usage); it.hasNext();) {
        const QString name = it.next().captured();
        EXPECT_TRUE(page.contains(QStringLiteral(".B ") + name)) << name.toStdString();
    }
    EXPECT_TRUE(page.contains(QStringLiteral("tl_conv")));
}

TEST(ManPages, ManReadsThemWithoutAWarning) {
    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    if (man.isEmpty()) GTEST_SKIP() << "no man here";
    for (const char* name : {"kelvorandine.1", "kvtool.1"}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        p.setProcessEnvironment(env);
        p.start(man, {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
                      QStringLiteral("-l"), QStringLiteral("-Tutf8"), QStringLiteral("-Z"),
                      QStringLiteral(KV_SOURCE_DIR "/data/man/") + QLatin1String(name)});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << name;
        EXPECT_TRUE(p.readAllStandardError().isEmpty()) << name;
        EXPECT_GT(p.readAllStandardOutput().size(), 1000) << name;
    }
}
