// The manual: every window has a topic in the English and the German manual, F1 and the
// "Help" buttons open it, the contents and the search find pages.
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "edit/tournament_document.h"
#include "storage/help_index.h"
#include "ui/help/help_form.h"
#include "ui/help/help_key_filter.h"
#include "ui/help/help_topics.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/statistics/statistics_page.h"
#include "ui/tables/table_columns_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>

using namespace kv;
using kvtest::Child;

namespace {

const QString kManual = QStringLiteral(KV_SOURCE_DIR "/help/");

// The window classes of the program: dialogs, wizards, the main window, the pages and frames
// that have a topic of their own.
QStringList WindowClasses() {
    static const QRegularExpression window(QStringLiteral(
        R"(class (T\w+) : public (QDialog|QWizard|QMainWindow|TTablesChoiceDialog|TMatchListForm)\b)"));
    QStringList classes;
    QDirIterator it(QStringLiteral(KV_SOURCE_DIR "/src/ui"), {QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (auto m = window.globalMatch(QString::fromUtf8(f.readAll())); m.hasNext();)
            classes << m.next().captured(1);
    }
    return classes << QStringLiteral("TTablesPage") << QStringLiteral("TFixturesPage")
                   << QStringLiteral("TStatisticsPage") << QStringLiteral("TTeamStatsFrame");
}

THelpForm* OpenHelp() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<THelpForm*>(w); help && help->isVisible()) return help;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* help = qobject_cast<THelpForm*>(w); help && help->isVisible()) return help;
    return nullptr;
}

class Help : public kvtest::TMainWindowTest {
protected:
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<THelpForm*>(w)) w->close();
        TMainWindowTest::TearDown();
    }
};

} // namespace

TEST_F(Help, EveryWindowHasItsTopicInBothManuals) {
    const THelpIndex english = THelpIndex::Load(kManual + QStringLiteral("en"));
    const THelpIndex german = THelpIndex::Load(kManual + QStringLiteral("de"));
    ASSERT_GT(english.Contents().size(), 8);
    EXPECT_EQ(german.Contents().size(), english.Contents().size());
    const QStringList classes = WindowClasses();
    ASSERT_GT(classes.size(), 30);
    for (const QString& cls : classes) {
        QString topic;
        for (const auto& [name, t] : HelpTopicTable())
            if (name == cls) topic = t;
        EXPECT_FALSE(topic.isEmpty()) << cls.toStdString() << " has no help topic";
        EXPECT_FALSE(english.TopicTarget(topic).isEmpty()) << topic.toStdString();
        EXPECT_FALSE(german.TopicTarget(topic).isEmpty()) << topic.toStdString();
    }
    // The topics the windows name in their texts.
    for (const char* named :
         {"IDH_EDIT_MATCH", "IDH_PREFERENCES", "IDH_FIND_TOURNAMENT", "IDH_TABLE_COLUMNS"})
        EXPECT_FALSE(english.TopicTarget(QLatin1String(named)).isEmpty()) << named;
    EXPECT_EQ(english.Topics().size(), german.Topics().size());
}

TEST_F(Help, F1AndTheHelpButtonOpenTheWindowsTopic) {
    THelpKeyFilter filter;
    qApp->installEventFilter(&filter);
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTableColumnsForm columns(form->Document(), form);
    columns.show();
    QApplication::setActiveWindow(&columns);
    columns.setFocus();
    QTest::keyClick(&columns, Qt::Key_F1);
    THelpForm* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->CurrentTarget().endsWith(QStringLiteral("#IDH_TABLE_COLUMNS")))
        << help->CurrentTarget().toStdString();
    help->close();
    columns.findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
    help = OpenHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->CurrentTarget().endsWith(QStringLiteral("#IDH_TABLE_COLUMNS")));
    qApp->removeEventFilter(&filter);
    // The main window's Help Topics shows the contents.
    help->close();
    main_->findChild<QAction*>(QStringLiteral("HelpTopicsAction"))->trigger();
    help = OpenHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->CurrentTarget().startsWith(QStringLiteral("index.html")));
    EXPECT_GT(Child<QListWidget>(*help, "HelpContents").count(), 8);
}

// In the main window F1 opens the topic of what has the focus: the list, the tables page, the
// statistics page; "Help Topics" keeps its menu entry without the key.
TEST_F(Help, F1InTheMainWindowOpensThePagesTopic) {
    THelpKeyFilter filter;
    qApp->installEventFilter(&filter);
    EXPECT_TRUE(main_->Command(TCommandId::HelpTopics)->shortcut().isEmpty());
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    QApplication::setActiveWindow(main_.get());
    const auto f1 = [](QWidget* focus) -> QString {
        focus->setFocus();
        QApplication::processEvents();
        QTest::keyClick(focus, Qt::Key_F1);
        THelpForm* help = OpenHelp();
        if (!help) return QStringLiteral("no help");
        const QString target = help->CurrentTarget();
        help->close();
        return target;
    };
    EXPECT_TRUE(f1(main_->ListPanel().Tree()).endsWith(QStringLiteral("#IDH_TOURNAMENT_LIST")));
    EXPECT_TRUE(f1(&form->TablesPage()).endsWith(QStringLiteral("#IDH_TABLES_PAGE")));
    form->Command(TCommandId::StatsPage)->trigger();
    EXPECT_TRUE(f1(&form->StatisticsPage()).endsWith(QStringLiteral("#IDH_STATISTICS")));
    // A click on the chart gives it the focus, and F1 there explains the statistics page.
    auto* chart = form->StatisticsPage().findChild<QWidget*>(QStringLiteral("StatsChart"));
    ASSERT_NE(chart, nullptr);
    QApplication::setActiveWindow(main_.get());
    QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
    EXPECT_EQ(QApplication::focusWidget(), chart);
    EXPECT_TRUE(f1(chart).endsWith(QStringLiteral("#IDH_STATISTICS")));
    qApp->removeEventFilter(&filter);
}

// The manual's window fits the screen it opens on, and Escape closes it.
TEST_F(Help, TheManualFitsTheScreenAndEscapeClosesIt) {
    main_->Command(TCommandId::HelpTopics)->trigger();
    THelpForm* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    const QRect screen = help->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(help->frameGeometry())) << screen.width() << "x" << screen.height();
    QApplication::setActiveWindow(help);
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(Help, ContentsSearchAndTheGermanManual) {
    THelpForm english(kManual + QStringLiteral("en"), nullptr);
    english.Search(QStringLiteral("still LEVEL"));
    ASSERT_GE(Child<QListWidget>(english, "HelpResults").count(), 1);
    EXPECT_EQ(Child<QListWidget>(english, "HelpResults").item(0)->text(),
              QStringLiteral("Points, ranking and tie-breaks"));
    english.Search(QStringLiteral("zzzz-no-such-word"));
    EXPECT_EQ(Child<QListWidget>(english, "HelpResults").count(), 1); // "Nothing found"
    EXPECT_TRUE(english.ShowTopic(QStringLiteral("IDH_EDIT_MATCH")));
    EXPECT_TRUE(Child<QTextBrowser>(english, "HelpBrowser")
                    .toPlainText()
                    .contains(QStringLiteral("score dialog")));
    EXPECT_FALSE(english.ShowTopic(QStringLiteral("IDH_NO_SUCH_TOPIC")));
    // German chosen: the German manual.
    EXPECT_TRUE(
        HelpFolderFor(QStringLiteral(KV_SOURCE_DIR), 1031).endsWith(QStringLiteral("help/de")));
    EXPECT_TRUE(
        HelpFolderFor(QStringLiteral(KV_SOURCE_DIR), 1033).endsWith(QStringLiteral("help/en")));
    THelpForm german(kManual + QStringLiteral("de"), nullptr);
    german.ShowTopic(QStringLiteral("IDH_EDIT_MATCH"));
    EXPECT_TRUE(Child<QTextBrowser>(german, "HelpBrowser")
                    .toPlainText()
                    .contains(QStringLiteral("Ergebnisdialog")));
}
