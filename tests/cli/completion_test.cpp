// The bash completion of kvtool offers what kvtool takes: its commands, each command's options
// as its --help lists them, the sports, and the files a command reads.
#include "cli/kvtool_support.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

using kvtest::Kvtool;

namespace {

class Completion : public kvtest::TTempHome {
protected:
    // What the completion offers for the words typed so far (the last one being completed).
    QStringList Offered(const QStringList& words, const QString& folder = QString()) {
        QString script =
            QStringLiteral("source '" KV_SOURCE_DIR "/data/completion/kvtool'\nCOMP_WORDS=(");
        for (const QString& w : words)
            script += QStringLiteral("'%1' ").arg(w);
        script += QStringLiteral(")\nCOMP_CWORD=%1\n_kvtool\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n")
                      .arg(words.size() - 1);
        QProcess bash;
        if (!folder.isEmpty()) bash.setWorkingDirectory(folder);
        bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
        EXPECT_TRUE(bash.waitForFinished(30000));
        QStringList offered = QString::fromUtf8(bash.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }
    static QStringList Options(const QString& text) {
        QSet<QString> found;
        static const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z-]*[a-z]"));
        for (auto it = option.globalMatch(text); it.hasNext();)
            found.insert(it.next().captured());
        QStringList list(found.begin(), found.end());
        list.sort();
        return list;
    }
};

} // namespace

TEST_F(Completion, CommandsAndTheirOptionsAsTheHelpGivesThem) {
    const QString usage = Kvtool({QStringLiteral("--help")}).Out;
    QStringList commands = {QStringLiteral("--help"), QStringLiteral("--version")};
    static const QRegularExpression line(QStringLiteral("^  ([a-z][a-z-]+)  "),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(usage); it.hasNext();)
        commands << it.next().captured(1);
    commands.sort();
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QString()}), commands);
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QStringLiteral("im")}),
              QStringList{QStringLiteral("import-csv")});
    for (const QString& command : commands) {
        if (command.startsWith(QLatin1Char('-'))) continue;
        QStringList helped = Options(Kvtool({command, QStringLiteral("--help")}).Out);
        if (!helped.contains(QStringLiteral("--help"))) helped << QStringLiteral("--help");
        helped.sort();
        EXPECT_EQ(Offered({QStringLiteral("kvtool"), command, QStringLiteral("x.kvd"),
                           QStringLiteral("--")}),
                  helped)
            << command.toStdString();
    }
}

TEST_F(Completion, SportsValuesAndFiles) {
    // The sports as score's help names them, quoted where they hold a blank.
    const QString help = Kvtool({QStringLiteral("score"), QStringLiteral("--help")}).Out;
    const qsizetype from = help.indexOf(QStringLiteral("SPORT is one of:"));
    ASSERT_GE(from, 0);
    QStringList sports;
    for (QString s : help.mid(from + 16, help.indexOf(QLatin1Char('.'), from) - from - 16)
                         .split(QLatin1Char(','))) {
        s = s.trimmed().remove(QLatin1Char('"'));
        sports << QString(s).replace(QLatin1Char(' '), QStringLiteral("\\ "));
    }
    sports.sort();
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QStringLiteral("score"), QString()}), sports);
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QStringLiteral("new"), QStringLiteral("x.kvd"),
                       QStringLiteral("--sport"), QStringLiteral("wa")}),
              QStringList{QStringLiteral("water\\ polo")});
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QStringLiteral("standings"),
                       QStringLiteral("x.kvd"), QStringLiteral("--format"), QString()}),
              (QStringList{QStringLiteral("csv"), QStringLiteral("json"), QStringLiteral("text")}));

    const QString folder = HomePath(QStringLiteral("files"));
    QDir().mkpath(folder + QStringLiteral("/sub"));
    for (const char* name : {"cup.kvd", "results.csv", "notes.txt", "old.plg", "picture.png"})
        WriteFile(folder + QLatin1Char('/') + QLatin1String(name), "x");
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QStringLiteral("check"), QString()}, folder),
              (QStringList{QStringLiteral("cup.kvd"), QStringLiteral("sub")}));
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QStringLiteral("import-csv"),
                       QStringLiteral("cup.kvd"), QString()},
                      folder),
              (QStringList{QStringLiteral("notes.txt"), QStringLiteral("results.csv"),
                           QStringLiteral("sub")}));
    EXPECT_EQ(
        Offered({QStringLiteral("kvtool"), QStringLiteral("convert"), QString()}, folder),
        (QStringList{QStringLiteral("cup.kvd"), QStringLiteral("old.plg"), QStringLiteral("sub")}));
    // An option's value is no plain argument: after "--table all" the file is still to come.
    EXPECT_EQ(Offered({QStringLiteral("kvtool"), QStringLiteral("standings"),
                       QStringLiteral("--table"), QStringLiteral("all"), QString()},
                      folder),
              (QStringList{QStringLiteral("cup.kvd"), QStringLiteral("sub")}));
}
