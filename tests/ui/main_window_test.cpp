// The main window driven as a user drives it: start with the list, commands bound to the
// active tournament window, shutdown with its questions, and the start's command line.
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/settings.h"
#include "edit/tournament_document.h"
#include "storage/tournament_file.h"
#include "ui/shell/about_box.h"
#include "ui/shell/app_start.h"
#include "ui/shell/list_model.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/shell/splash_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/widget_messages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace kv;
using kvtest::Child;

namespace {

class MainWindow : public kvtest::TUiTest {
protected:
    // The sample tournament entry of a file name ("soccer.kvd").
    static const TListNode* Entry(TMainForm& main, const char* file) {
        return main.List().FindByPath(TTournamentList::SavesPath(QLatin1String(file)));
    }
    static TTournamentForm* Open(TMainForm& main, const char* file) {
        const TListNode* entry = Entry(main, file);
        return entry ? main.OpenTournament(entry->Data) : nullptr;
    }
    static bool Enabled(TMainForm& main, TCommandId command) {
        return main.Command(command)->isEnabled();
    }
};

} // namespace

TEST_F(MainWindow, WithoutATournamentWindowItsCommandsAreDisabled) {
    TMainForm main(Dialogs);
    main.show();
    for (const TCommandId id :
         {TCommandId::Save, TCommandId::Close, TCommandId::ShowTables, TCommandId::ResultsGrid,
          TCommandId::LeftAlign, TCommandId::JointTable, TCommandId::Undo, TCommandId::Print})
        EXPECT_FALSE(Enabled(main, id)) << CommandSpec(id).Name;
    EXPECT_TRUE(Enabled(main, TCommandId::Find));
    EXPECT_TRUE(Enabled(main, TCommandId::NewFolder)); // the root is selected
    EXPECT_FALSE(Enabled(main, TCommandId::Delete));   // the root cannot be deleted
    EXPECT_TRUE(Messages.Entries().empty());

    TTournamentForm* form = Open(main, "soccer.kvd");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(Enabled(main, TCommandId::ResultsGrid));
    EXPECT_TRUE(main.Command(TCommandId::ResultsGrid)->isChecked());
    EXPECT_FALSE(Enabled(main, TCommandId::Save)) << "nothing changed yet";
    EXPECT_TRUE(Enabled(main, TCommandId::LeftAlign)) << "two groups";
    EXPECT_FALSE(Enabled(main, TCommandId::ConferencesTable));
    EXPECT_TRUE(Enabled(main, TCommandId::Print));

    // A view switch through the main window's button acts on the window and can be undone.
    main.Command(TCommandId::ResultsGrid)->trigger();
    EXPECT_FALSE(form->Document().Tournament().View.Results);
    EXPECT_FALSE(main.Command(TCommandId::ResultsGrid)->isChecked());
    EXPECT_TRUE(Enabled(main, TCommandId::Save));
    EXPECT_EQ(main.Command(TCommandId::Undo)->text(), QStringLiteral("&Undo Results Grid"));
    main.Command(TCommandId::Undo)->trigger();
    EXPECT_TRUE(form->Document().Tournament().View.Results);
    EXPECT_FALSE(form->Document().IsModified());
    EXPECT_FALSE(Enabled(main, TCommandId::Save));
    // A step named with an "&" shows it as one, not as an access key.
    main.Command(TCommandId::Standings)->trigger();
    EXPECT_EQ(main.Command(TCommandId::Undo)->text(),
              QStringLiteral("&Undo Standings Columns - Home && Away"));
    EXPECT_EQ(form->Document().UndoStack().undoText(),
              QStringLiteral("Standings Columns - Home & Away"));
    main.Command(TCommandId::Undo)->trigger();

    // The hidden list panel takes the list commands with it.
    main.Command(TCommandId::ListPanel)->trigger();
    EXPECT_FALSE(Enabled(main, TCommandId::Find));
    main.Command(TCommandId::ListPanel)->trigger();
    EXPECT_TRUE(Enabled(main, TCommandId::Find));
}

TEST_F(MainWindow, ShutdownAsksEveryWindowAndCancelKeepsThemOpen) {
    TMainForm main(Dialogs);
    main.show();
    TTournamentForm* soccer = Open(main, "soccer.kvd");
    TTournamentForm* hockey = Open(main, "hockey.kvd");
    ASSERT_TRUE(soccer && hockey);
    const QByteArray hockeyFile = ReadFile(hockey->Document().FileName());
    soccer->Command(TCommandId::ResultsGrid)->trigger();
    hockey->Command(TCommandId::HomeStandings)->trigger();
    Messages.QueueAnswer(TMessageButton::Yes);    // soccer: saved
    Messages.QueueAnswer(TMessageButton::Cancel); // hockey: stop
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.TournamentForms().size(), 2);
    EXPECT_EQ(
        Messages.Texts(),
        (QStringList{QStringLiteral("Save changes in tournament 'Riverside Spring League'?"),
                     QStringLiteral("Save changes in tournament 'Northern Ice Hockey League'?")}));
    EXPECT_FALSE(soccer->Document().IsModified());
    TTournament saved(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(saved, soccer->Document().FileName()));
    EXPECT_FALSE(saved.View.Results);
    EXPECT_EQ(ReadFile(hockey->Document().FileName()), hockeyFile);

    // Now No for hockey: the program ends, the file untouched, and the placement is stored.
    Messages.Clear();
    Messages.QueueAnswer(TMessageButton::No);
    EXPECT_TRUE(main.close());
    EXPECT_EQ(ReadFile(hockey->Document().FileName()), hockeyFile);
    EXPECT_FALSE(
        RegReadString(QStringLiteral("WindowPlacement"), QStringLiteral("Geometry"), QString())
            .isEmpty());
    EXPECT_FALSE(
        RegReadString(QStringLiteral("Toolbars"), QStringLiteral("State"), QString()).isEmpty());
}

TEST_F(MainWindow, TheLastSelectionOpensAtStart) {
    {
        TMainForm main(Dialogs);
        main.show();
        main.ListPanel().Select(Entry(main, "volleyball.kvd"));
        EXPECT_TRUE(main.close());
    }
    const int stored = PrefInteger("", "SelectedTable");
    EXPECT_GT(stored, 1);
    {
        TMainForm main(Dialogs);
        main.show();
        main.OpenRestoredSelection();
        ASSERT_EQ(main.TournamentForms().size(), 1);
        EXPECT_EQ(main.TournamentForms().front()->Document().Tournament().Name,
                  QStringLiteral("Coastal Volleyball Round Robin"));
        main.close();
    }
    // A position beyond the list selects the root: nothing opens, nothing is said (the window
    // left open is forgotten here, to see the selection alone).
    RegWriteInteger(QString(), QStringLiteral("SelectedTable"), 99);
    RegWriteString(QString(), QStringLiteral("OpenTournaments"), QString());
    {
        TMainForm main(Dialogs);
        main.show();
        main.OpenRestoredSelection();
        EXPECT_TRUE(main.TournamentForms().isEmpty());
        EXPECT_TRUE(Messages.Entries().empty());
        main.close();
    }
    // The file of the selected entry is gone: "File not found" and no window.
    RegWriteInteger(QString(), QStringLiteral("SelectedTable"), stored);
    QFile::remove(TTournamentList::SavesPath(QStringLiteral("volleyball.kvd")));
    TMainForm main(Dialogs);
    main.show();
    main.OpenRestoredSelection();
    EXPECT_TRUE(main.TournamentForms().isEmpty());
    ASSERT_EQ(Messages.Texts().size(), 1);
    EXPECT_EQ(Messages.Texts().front(),
              QStringLiteral("File not found: ") +
                  TTournamentList::SavesPath(QStringLiteral("volleyball.kvd")));
}

TEST_F(MainWindow, TheWindowsOpenAtExitOpenAgainAtStart) {
    {
        TMainForm main(Dialogs);
        main.show();
        for (const char* file : {"chess.kvd", "hockey.kvd", "soccer.kvd"})
            ASSERT_NE(main.OpenTournament(Entry(main, file)->Data), nullptr);
        main.ListPanel().Select(Entry(main, "volleyball.kvd"));
        EXPECT_TRUE(main.close());
    }
    // One of them has gone since: the others open without a word, the selection last.
    QFile::remove(TTournamentList::SavesPath(QStringLiteral("hockey.kvd")));
    TMainForm main(Dialogs);
    main.show();
    main.OpenRestoredSelection();
    QStringList names;
    for (const TTournamentForm* f : main.TournamentForms())
        names << QFileInfo(f->Document().FileName()).fileName();
    EXPECT_EQ(names, QStringList({QStringLiteral("chess.kvd"), QStringLiteral("soccer.kvd"),
                                  QStringLiteral("volleyball.kvd")}));
    EXPECT_TRUE(Messages.Entries().empty());
    main.close();
}

TEST_F(MainWindow, AMissingListLeavesTheRootAndSaysSo) {
    QFile::remove(ProgramFolder() + QStringLiteral("tournlst.dat"));
    TMainForm main(Dialogs);
    EXPECT_EQ(main.List().Count(), 1);
    ASSERT_EQ(Messages.Texts().size(), 1);
    EXPECT_TRUE(Messages.Texts().front().startsWith(QStringLiteral("File not found: ")));
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Error);
}

TEST_F(MainWindow, TheClockFollowsItsPreference) {
    {
        TMainForm main(Dialogs);
        EXPECT_FALSE(Child<QLabel>(main, "ClockPanel").text().isEmpty());
    }
    RegWriteBool(QString(), QStringLiteral("ShowTime"), false);
    TMainForm main(Dialogs);
    EXPECT_TRUE(Child<QLabel>(main, "ClockPanel").text().isEmpty());
}

TEST_F(MainWindow, CommandLineModes) {
    EXPECT_EQ(ParseStartCommand({}).Mode, TStartMode::Normal);
    TStartCommand c = ParseStartCommand({QStringLiteral("/?")});
    EXPECT_EQ(c.Mode, TStartMode::Help);
    EXPECT_TRUE(c.Message.startsWith(QStringLiteral("Help: kelvorandine [/tl_conv] [tables.dat "
                                                    "full filename]\r\n\r\n/tl_conv -  converts")));
    EXPECT_TRUE(c.Message.contains(QStringLiteral("v.2.0 & v.2.1")));
    EXPECT_EQ(ParseStartCommand({QStringLiteral("?")}).Mode, TStartMode::Help);
    EXPECT_EQ(ParseStartCommand({QStringLiteral("--HELP")}).Mode, TStartMode::Usage);
    EXPECT_EQ(ParseStartCommand({QStringLiteral("-V")}).Mode, TStartMode::Version);
    c = ParseStartCommand({QStringLiteral("-?")});
    EXPECT_EQ(c.Mode, TStartMode::Unknown);
    EXPECT_EQ(c.Message, QStringLiteral("Unknown Parameter: -?"));
    EXPECT_EQ(ParseStartCommand({QStringLiteral("/h")}).Message,
              QStringLiteral("Unknown Parameter: /h"));
    EXPECT_EQ(ParseStartCommand({QStringLiteral("/tl_conv")}).Mode, TStartMode::QuietEnd);
    EXPECT_EQ(
        ParseStartCommand({QStringLiteral("/TL_CONV"), HomePath(QStringLiteral("none.dat"))}).Mode,
        TStartMode::QuietEnd);
    const QString old = HomePath(QStringLiteral("tables.dat"));
    WriteFile(old, "Old Root\r\n-1 0 0\r\n\r\nCup\r\n0 1 1\r\ncup.kvd\r\n");
    c = ParseStartCommand({QStringLiteral("/TL_CONV"), old});
    ASSERT_EQ(c.Mode, TStartMode::ConvertList);
    QString error;
    ASSERT_TRUE(ConvertOldList(c.File, error)) << error.toStdString();
    const QByteArray list = ReadFile(ProgramFolder() + QStringLiteral("tournlst.dat"));
    EXPECT_TRUE(list.contains("Cup\xB6\xB6\xB6"
                              "cup.kvd\xB6\xB6\xB6"
                              "1"))
        << list.constData();
}

TEST_F(MainWindow, AboutBoxShowsTheSystemAndItsMemory) {
    EXPECT_EQ(MemoryText(16384000), QStringLiteral("16,384,000 KB"));
    EXPECT_EQ(MemoryText(999), QStringLiteral("999 KB"));
    EXPECT_EQ(MemoryText(1000), QStringLiteral("1,000 KB"));
    EXPECT_GT(PhysicalMemoryKb(), 0);
    EXPECT_FALSE(OperatingSystemText().isEmpty());
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Kelvorandine..."));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("Memory"))->text(),
              MemoryText(PhysicalMemoryKb()));
}

TEST_F(MainWindow, ListMenuSavesOnlyTheActiveWindowsOwnEntry) {
    TMainForm main(Dialogs);
    main.show();
    TTournamentForm* soccer = Open(main, "soccer.kvd");
    TTournamentForm* hockey = Open(main, "hockey.kvd");
    ASSERT_TRUE(soccer && hockey);
    soccer->Command(TCommandId::ResultsGrid)->trigger();
    hockey->Command(TCommandId::ResultsGrid)->trigger();
    ASSERT_EQ(main.ActiveForm(), hockey);
    const auto save = [](QMenu& menu) {
        return menu.findChild<QAction*>(QStringLiteral("ListSaveAction"));
    };
    EXPECT_FALSE(save(*main.ListMenu(main.List().FindByPath(
                          TTournamentList::SavesPath(QStringLiteral("soccer.kvd")))))
                     ->isEnabled());
    EXPECT_TRUE(save(*main.ListMenu(main.List().FindByPath(
                         TTournamentList::SavesPath(QStringLiteral("hockey.kvd")))))
                    ->isEnabled());
    EXPECT_FALSE(main.ListMenu(main.List().Root())
                     ->findChild<QAction*>(QStringLiteral("ListPropertiesAction"))
                     ->isEnabled());
    Messages.QueueAnswer(TMessageButton::No);
    Messages.QueueAnswer(TMessageButton::No);
}

TEST_F(MainWindow, ALanguageChangeShowsAtTheNextActivation) {
    WriteFile(LanguageFolder() + QStringLiteral("test.lng"),
              "[LANG_INFO]\r\nLanguage=Test\r\nLocaleID=1031\r\n[STRINGS]\r\n1=&Datei\r\n19=&"
              "L\xc3\xb6schen\r\n50=&Ergebnisse\r\n600=Turniere\r\n");
    TMainForm main(Dialogs);
    main.show();
    TTournamentForm* form = Open(main, "soccer.kvd");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(main.Command(TCommandId::Delete)->text(), QStringLiteral("&Delete"));
    SetCurrentLanguage(QStringLiteral("test.lng"));
    EXPECT_EQ(main.Command(TCommandId::Delete)->text(), QStringLiteral("&Delete"))
        << "not before the activation";
    main.ApplyLanguage();
    form->ApplyLanguage();
    EXPECT_EQ(main.Command(TCommandId::Delete)->text(), QStringLiteral("&L\u00f6schen"));
    EXPECT_EQ(main.findChild<QMenu*>(QStringLiteral("FileMenu"))->title(),
              QStringLiteral("&Datei"));
    EXPECT_EQ(form->Command(TCommandId::ResultsGrid)->text(), QStringLiteral("&Ergebnisse"));
    EXPECT_EQ(main.ListPanel()
                  .Model()
                  .data(main.ListPanel().Model().IndexOf(main.List().Root()), Qt::DisplayRole)
                  .toString(),
              QStringLiteral("Turniere"));
}

TEST_F(MainWindow, LoadAndSaveFailuresAreReported) {
    TMainForm main(Dialogs);
    main.show();
    // A damaged file: the reader's message, no window.
    const QString damaged = TTournamentList::SavesPath(QStringLiteral("chess.kvd"));
    WriteFile(damaged, ReadFile(damaged).left(200));
    EXPECT_EQ(Open(main, "chess.kvd"), nullptr);
    ASSERT_EQ(Messages.Texts().size(), 1);
    EXPECT_EQ(Messages.Texts().front(),
              QStringLiteral("Error opening tournament. Wrong file format"));
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Error);
    // A file that cannot be written: the error, and the tournament stays modified.
    TTournamentForm* form = Open(main, "hockey.kvd");
    ASSERT_NE(form, nullptr);
    form->Command(TCommandId::ResultsGrid)->trigger();
    const QString saves = ProgramFolder() + QStringLiteral("SAVES");
    ASSERT_TRUE(QDir(saves).removeRecursively());
    WriteFile(saves, "a file where the folder was");
    Messages.Clear();
    main.Command(TCommandId::Save)->trigger();
    ASSERT_EQ(Messages.Texts().size(), 1);
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Error);
    EXPECT_TRUE(form->Document().IsModified());
    EXPECT_TRUE(main.Command(TCommandId::Save)->isEnabled());
    Messages.QueueAnswer(TMessageButton::No);
}

// Ctrl+Shift+I imports fixtures from a delimited file into the active tournament, and the
// Fixtures menu shows the keys beside the command.
TEST_F(MainWindow, CtrlShiftIImportsFixtures) {
    TMainForm main(Dialogs);
    main.show();
    ASSERT_NE(Open(main, "soccer.kvd"), nullptr);
    QAction* import = main.Command(TCommandId::ImportCSV);
    EXPECT_EQ(import->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    EXPECT_TRUE(import->isEnabled());
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Dialogs.Asked.contains(QStringLiteral("Import Fixtures from CSV File")))
        << Dialogs.Asked.join(QLatin1Char('|')).toStdString();
    Messages.QueueAnswer(TMessageButton::No);
}

// A message shown at start comes in front: the start-up picture, which stays on top, closes
// before the box opens.
TEST_F(MainWindow, AStartMessageClosesTheStartUpPictureFirst) {
    TSplashForm splash;
    splash.ShowNow();
    ASSERT_TRUE(splash.isVisible());
    TWidgetMessages boxes;
    bool pictureGone = false;
    bool boxShown = false;
    QTimer::singleShot(0, [&] {
        pictureGone = !splash.isVisible();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        boxShown = box != nullptr;
        if (box) box->accept();
    });
    boxes.Show(TMessageKind::Error, QStringLiteral("File not found: tournlst.dat"));
    EXPECT_TRUE(boxShown);
    EXPECT_TRUE(pictureGone);
}

// The program sets no display name: the toolkit would append it to every window title
// ("Kelvorandine 2.2 - [League] — Kelvorandine 2.2"). The desktop entry's name is the installed
// entry's, so that docks and task switchers group the windows under the program and show its
// icon, which every window carries (the theme's, else the program's own).
TEST_F(MainWindow, WindowTitlesReadAsTheProgramGivesThem) {
    NameApplication();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Kelvorandine"));
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(KV_SOURCE_DIR "/data/") +
                                  QGuiApplication::desktopFileName() + QStringLiteral(".desktop")))
        << QGuiApplication::desktopFileName().toStdString();
    const QIcon icon = QGuiApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(48).isNull());
    EXPECT_FALSE(icon.pixmap(16).isNull());
    TMainForm main(Dialogs);
    ASSERT_NE(Open(main, "soccer.kvd"), nullptr);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kelvorandine 2.2 - [Riverside Spring League]"));
    EXPECT_EQ(main.windowIcon().cacheKey(), icon.cacheKey());
}

// The status bar's hint belongs to the window it was given for: another tournament window
// made active clears it.
TEST_F(MainWindow, SwitchingTournamentsClearsTheHint) {
    TMainForm main(Dialogs);
    main.show();
    TTournamentForm* soccer = Open(main, "soccer.kvd");
    TTournamentForm* chess = Open(main, "chess.kvd");
    ASSERT_TRUE(soccer && chess);
    auto* area = main.findChild<QMdiArea*>();
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(soccer->parentWidget()));
    main.statusBar()->showMessage(QStringLiteral("Goals For - click to sort"));
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(chess->parentWidget()));
    QApplication::processEvents();
    EXPECT_TRUE(main.statusBar()->currentMessage().isEmpty())
        << main.statusBar()->currentMessage().toStdString();
    // A cell's hint is gone when the pointer leaves the page (to the background, or to a
    // dialog opened from it).
    auto* page = chess->findChild<TTablesPage*>();
    ASSERT_NE(page, nullptr);
    QPoint cell;
    for (int y = 4; y < page->viewport()->height() && cell.isNull(); y += 4)
        for (int x = 4; x < page->viewport()->width() && cell.isNull(); x += 4)
            if (!page->HintAt(QPoint(x, y)).isEmpty()) cell = QPoint(x, y);
    ASSERT_FALSE(cell.isNull());
    QTest::mouseMove(page->viewport(), cell);
    EXPECT_FALSE(main.statusBar()->currentMessage().isEmpty());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page->viewport(), &leave);
    EXPECT_TRUE(main.statusBar()->currentMessage().isEmpty())
        << main.statusBar()->currentMessage().toStdString();
}
