// The German language file translates every text the program uses, and choosing it
// translates the windows.
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/preferences.h"
#include "model/sport.h"
#include "model/tournament.h"
#include "standings/column_catalog.h"
#include "ui/main_form.h"
#include "ui/print_preview_form.h"
#include "ui/table_columns_form.h"
#include "ui/tournament_document.h"
#include "ui/tournament_form.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>

using namespace kv;

namespace {

const QString kGerman = QStringLiteral("deutsch.lng");

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A run of adjacent string literals ("a" "b"), as the compiler joins them, unescaped.
QString JoinedLiteral(const QString& run) {
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QString text;
    for (auto m = literal.globalMatch(run); m.hasNext();) {
        const QString part = m.next().captured(1);
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (part[i] != QLatin1Char('\\') || i + 1 == part.size()) {
                text += part[i];
                continue;
            }
            const QChar c = part[++i];
            text += c == QLatin1Char('n')   ? QChar(u'\n')
                    : c == QLatin1Char('r') ? QChar(u'\r')
                    : c == QLatin1Char('t') ? QChar(u'\t')
                                            : c;
        }
    }
    return text;
}

// The identifiers the sources name, each with the built-in texts written beside it: in a
// lookup, or in a table of commands or fields ({"Name", id, "Text"} and {id, "Text"}). A
// lookup whose text is not a literal names its identifier alone. Read from the sources, so
// that every text counts whatever the windows a test happened to open.
QHash<int, QSet<QString>> SourceTexts() {
    const QString literals = QStringLiteral(R"re(((?:"(?:[^"\\\n]|\\.)*"\s*)+))re");
    static const QRegularExpression patterns[] = {
        QRegularExpression(QStringLiteral(R"(LangText\(\s*(\d+)\s*,\s*(?:QStringLiteral\()?)") + literals),
        QRegularExpression(QStringLiteral(R"("[^"\n]*"\s*,\s*(\d+)\s*,\s*)") + literals),
        QRegularExpression(QStringLiteral(R"(\{\s*(\d+)\s*,\s*)") + literals)};
    static const QRegularExpression bare(QStringLiteral(R"(LangText\(\s*(\d+)\s*,)"));
    // Tables of identifiers: "const int ids[4] = {10001, 10002, ...}".
    static const QRegularExpression list(
        QStringLiteral(R"([iI]ds\w*\[\d*\]\s*=\s*\{\s*(\d{3,5}(?:\s*,\s*\d{3,5})+)\s*\})"));
    QHash<int, QSet<QString>> texts;
    QDirIterator it(QStringLiteral(KV_SOURCE_DIR "/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = QString::fromUtf8(Read(it.next()));
        for (const QRegularExpression& re : patterns) {
            for (auto m = re.globalMatch(source); m.hasNext();) {
                const QRegularExpressionMatch found = m.next();
                const int id = found.captured(1).toInt();
                if (id > 2) // {0, 1, "LegEdit"}: field positions, not texts
                    texts[id].insert(JoinedLiteral(found.captured(2)));
            }
        }
        for (auto m = bare.globalMatch(source); m.hasNext();)
            texts[m.next().captured(1).toInt()];
        for (auto m = list.globalMatch(source); m.hasNext();)
            for (const QString& n : m.next().captured(1).split(QLatin1Char(',')))
                texts[n.trimmed().toInt()];
    }
    return texts;
}

class LanguageFile : public kvtest::TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        QDir().mkpath(HomePath(QStringLiteral("Language")));
        QFile::copy(QStringLiteral(KV_SOURCE_DIR "/Language/") + kGerman,
                    HomePath(QStringLiteral("Language/")) + kGerman);
        ClearLanguageCache();
    }
    void TearDown() override {
        SetCurrentLanguage(QString());
        TMainWindowTest::TearDown();
    }
    // Builds what makes texts at run time: every window of the samples with its pages, the
    // print setup, and the column and sport words of every sport.
    void Exercise() {
        for (const char* file :
             {"soccer.kvd", "hockey.kvd", "basketball.kvd", "volleyball.kvd", "chess.kvd"}) {
            TTournamentForm* form = Open(file);
            ASSERT_NE(form, nullptr) << file;
            for (const char* page : {"ShowFixturesAction", "StatsPageAction", "ShowTablesAction"})
                form->Command(QLatin1String(page))->trigger();
            QPrinter printer;
            TPrintPreviewForm preview(form->Document().Tournament(), printer, Dialogs, form);
        }
        for (int sport = 0; sport < kSportCount; ++sport) {
            SportName(sport);
            OvertimeWord(sport);
            OvertimeAbbrev(sport);
            ShootoutWord(sport);
            ShootoutAbbrev(sport);
            for (int column = 0; column < kColumnCount; ++column)
                for (const bool conferences : {false, true})
                    for (const bool groups : {false, true}) {
                        ColumnFullName(column, sport, conferences, groups);
                        ColumnCaption(column, sport, conferences, groups);
                    }
        }
    }
};

} // namespace

TEST_F(LanguageFile, EveryIdentifierHasOneText) {
    const QHash<int, QSet<QString>> texts = SourceTexts();
    ASSERT_GT(texts.size(), 1000);
    QStringList twice;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        if (it.value().size() > 1) {
            QStringList both(it.value().begin(), it.value().end());
            both.sort();
            twice << QStringLiteral("%1: \"%2\"").arg(it.key()).arg(both.join(QStringLiteral("\" / \"")));
        }
    twice.sort();
    EXPECT_TRUE(twice.isEmpty()) << twice.join(QLatin1Char('\n')).toStdString();
    // And as the program asks for them.
    Exercise();
    EXPECT_EQ(ClashingTextIds(), QList<int>());
}

TEST_F(LanguageFile, GermanTranslatesEveryText) {
    Exercise();
    QSet<int> ids;
    for (const int id : SourceTexts().keys())
        ids.insert(id);
    const QHash<int, QString> registered = RegisteredTexts();
    for (auto it = registered.begin(); it != registered.end(); ++it)
        ids.insert(it.key());
    ASSERT_GT(ids.size(), 1000);
    const TLanguageContents german =
        ParseLanguageBytes(Read(QStringLiteral(KV_SOURCE_DIR "/Language/") + kGerman));
    EXPECT_EQ(german.Info.value(QStringLiteral("LOCALEID")), QStringLiteral("1031"));
    EXPECT_EQ(german.Info.value(QStringLiteral("LANGUAGE")), QStringLiteral("Deutsch"));
    QStringList missing;
    for (const int id : ids)
        if (!german.Strings.contains(QString::number(id)))
            missing << QStringLiteral("%1 \"%2\"").arg(id).arg(registered.value(id));
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " missing:\n"
                                   << missing.join(QLatin1Char('\n')).toStdString();
    // A translation keeps the placeholders of the built-in text, in their order.
    const QRegularExpression placeholder(QStringLiteral("%[sd]"));
    for (auto it = registered.begin(); it != registered.end(); ++it) {
        const QString translated = german.Strings.value(QString::number(it.key()));
        if (translated.isEmpty()) continue;
        QStringList a, b;
        for (auto m = placeholder.globalMatch(it.value()); m.hasNext();)
            a << m.next().captured();
        for (auto m = placeholder.globalMatch(translated); m.hasNext();)
            b << m.next().captured();
        EXPECT_EQ(a, b) << it.key() << ": " << translated.toStdString();
    }
}

TEST_F(LanguageFile, ChoosingGermanTranslatesTheWindows) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    SetCurrentLanguage(kGerman);
    // A dialog made now speaks German.
    TTableColumnsForm columns(form->Document(), Dialogs, form);
    EXPECT_EQ(columns.windowTitle(), QStringLiteral("Tabellenspalten"));
    // The table picture's headings.
    const TTournament& t = form->Document().Tournament();
    EXPECT_EQ(ColumnCaption(0, t), QStringLiteral("Sp"));
    EXPECT_EQ(ColumnCaption(40, t), QStringLiteral("Pkt"));
    EXPECT_EQ(SportName(t.Sport), QStringLiteral("Fußball"));
    // The window's commands follow at its next activation.
    form->ApplyLanguage();
    EXPECT_EQ(form->Command(QStringLiteral("SaveAction"))->text(), QStringLiteral("&Speichern"));
    // Back to English.
    SetCurrentLanguage(QString());
    form->ApplyLanguage();
    EXPECT_EQ(form->Command(QStringLiteral("SaveAction"))->text(), QStringLiteral("&Save"));
}
