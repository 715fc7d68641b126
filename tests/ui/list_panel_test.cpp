// The tournament list panel: its operations with their questions and messages, renaming open
// and closed tournaments, dragging, and searching; tournlst.dat is checked after each.
#include "ui/ui_support.h"

#include "base/programfolder.h"
#include "base/settings.h"
#include "edit/tournament_document.h"
#include "storage/tournament_file.h"
#include "ui/setup/import_old_form.h"
#include "ui/setup/main_table_frame.h"
#include "ui/shell/find_tournament_form.h"
#include "ui/shell/list_model.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

using namespace kv;

namespace {

class ListPanel : public kvtest::TUiTest {
protected:
    void SetUp() override {
        TUiTest::SetUp();
        main_ = std::make_unique<TMainForm>(Dialogs);
        main_->show();
    }
    void TearDown() override {
        for (int i = 0; i < 4; ++i)
            Messages.QueueAnswer(TMessageButton::No);
        main_.reset();
        TUiTest::TearDown();
    }
    TListPanel& Panel() { return main_->ListPanel(); }
    TListNode* Entry(const char* file) {
        return main_->List().FindByPath(TTournamentList::SavesPath(QLatin1String(file)));
    }
    TListNode* Folder() { return main_->List().Root()->Children.front().get(); }
    QByteArray ListFile() { return ReadFile(ProgramFolder() + QStringLiteral("tournlst.dat")); }
    std::unique_ptr<TMainForm> main_;
};

} // namespace

TEST_F(ListPanel, NewFolderAsksAgainForABlankName) {
    Panel().Select(Folder());
    Dialogs.Inputs = {QStringLiteral("   "), QStringLiteral(" Cups ")};
    main_->Command(TCommandId::NewFolder)->trigger();
    EXPECT_EQ(Messages.Texts(), QStringList{QStringLiteral("Empty name is not allowed!")});
    EXPECT_EQ(Dialogs.Asked.size(), 2);
    EXPECT_EQ(Dialogs.Asked.front(), QStringLiteral("Kelvorandine 2.2|Enter Folder Name:"));
    const TListNode* added = Panel().Selected();
    ASSERT_TRUE(added && added->IsFolder());
    EXPECT_EQ(added->Data.Name, QStringLiteral(" Cups ")); // taken as typed
    EXPECT_EQ(added->Parent, Folder());
    // The leading blank is kept apart from the indentation.
    EXPECT_TRUE(ListFile().contains("\t\tCups \xB6\xB6\xB6\xB6\xB6\xB6"
                                    "0\xB6\xB6\xB6"
                                    "0\xB6\xB6\xB6 \r\n"));
    // Cancel adds nothing.
    const QByteArray before = ListFile();
    Dialogs.Inputs = {std::nullopt};
    main_->Command(TCommandId::NewFolder)->trigger();
    EXPECT_EQ(ListFile(), before);
}

TEST_F(ListPanel, RenamingOpenAndClosedTournaments) {
    // Closed: the file takes the new name at once.
    TListNode* chess = Entry("chess.kvd");
    ASSERT_TRUE(Panel().Model().setData(Panel().Model().IndexOf(chess),
                                        QStringLiteral("Chess Winter Open"), Qt::EditRole));
    TTournament file(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(file, chess->Data.FilePath));
    EXPECT_EQ(file.Name, QStringLiteral("Chess Winter Open"));
    EXPECT_TRUE(ListFile().contains("Chess Winter Open"));
    // A name another tournament has is refused, whatever its capitals.
    EXPECT_FALSE(Panel().Model().setData(Panel().Model().IndexOf(chess),
                                         QStringLiteral("northern ice hockey league"),
                                         Qt::EditRole));
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Tournament with this name already exists"));
    EXPECT_EQ(chess->Data.Name, QStringLiteral("Chess Winter Open"));

    // Open: the window takes the name; closing it with No brings the file's name back.
    TListNode* soccer = Entry("soccer.kvd");
    TTournamentForm* form = main_->OpenTournament(soccer->Data);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(Panel().Model().setData(Panel().Model().IndexOf(soccer),
                                        QStringLiteral("Riverside Autumn League"), Qt::EditRole));
    QApplication::processEvents();
    EXPECT_EQ(form->Document().Tournament().Name, QStringLiteral("Riverside Autumn League"));
    EXPECT_TRUE(form->Document().IsModified());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Riverside Autumn League"));
    Messages.Clear();
    Messages.QueueAnswer(TMessageButton::No);
    main_->Command(TCommandId::Close)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Messages.Texts(),
              QStringList{QStringLiteral("Save changes in tournament 'Riverside Autumn League'?")});
    EXPECT_TRUE(main_->TournamentForms().isEmpty());
    soccer = Entry("soccer.kvd");
    ASSERT_NE(soccer, nullptr);
    EXPECT_EQ(soccer->Data.Name, QStringLiteral("Riverside Spring League"));
    EXPECT_TRUE(ListFile().contains("Riverside Spring League"));
    EXPECT_FALSE(ListFile().contains("Riverside Autumn League"));
}

// A folder named with leading blanks, by F7 or by renaming in place, is read back by the next
// start with everything after it.
TEST_F(ListPanel, NamesWithLeadingBlanksSurviveARestart) {
    Panel().Select(main_->List().Root());
    Dialogs.Inputs = {QStringLiteral("  My Folder")};
    main_->Command(TCommandId::NewFolder)->trigger();
    ASSERT_EQ(Panel().Selected()->Data.Name, QStringLiteral("  My Folder"));
    TListNode* samples = main_->List().Root()->Children.back().get();
    ASSERT_EQ(samples->Data.Name, QStringLiteral("Samples"));
    ASSERT_TRUE(Panel().Model().setData(Panel().Model().IndexOf(samples),
                                        QStringLiteral("\tSamples"), Qt::EditRole));
    QApplication::processEvents();
    const int count = main_->List().Count();
    main_.reset();
    Messages.Clear();
    main_ = std::make_unique<TMainForm>(Dialogs);
    EXPECT_TRUE(Messages.Texts().isEmpty()) << qPrintable(Messages.Texts().join('\n'));
    EXPECT_EQ(main_->List().Count(), count);
    EXPECT_NE(Entry("soccer.kvd"), nullptr);
    QStringList folders;
    for (const auto& child : main_->List().Root()->Children)
        folders << child->Data.Name;
    EXPECT_TRUE(folders.contains(QStringLiteral("  My Folder")));
    EXPECT_TRUE(folders.contains(QStringLiteral("\tSamples")));
}

// Enter ends an edit of a closed tournament's name: the file takes the name at once and
// nothing opens. An empty name is refused, as a new folder's is.
TEST_F(ListPanel, EnterEndsARenameAndAnEmptyNameIsRefused) {
    QTreeView* tree = Panel().Tree();
    const auto rename = [&](const QString& text) {
        tree->setFocus();
        main_->Command(TCommandId::Rename)->trigger();
        QApplication::processEvents();
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, tree);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        else
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the edit ends
        QApplication::processEvents(); // the list follows the entry
    };
    Panel().Select(Entry("chess.kvd"));
    rename(QStringLiteral("Chess Winter Open"));
    EXPECT_TRUE(main_->TournamentForms().isEmpty());
    TTournament file(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(file, Entry("chess.kvd")->Data.FilePath));
    EXPECT_EQ(file.Name, QStringLiteral("Chess Winter Open"));
    Panel().Select(Entry("chess.kvd"));
    rename(QString());
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("Empty name is not allowed!"));
    EXPECT_EQ(Entry("chess.kvd")->Data.Name, QStringLiteral("Chess Winter Open"));
    Panel().Select(Folder());
    rename(QStringLiteral("   "));
    EXPECT_EQ(Messages.Texts().value(1), QStringLiteral("Empty name is not allowed!"));
    EXPECT_EQ(Folder()->Data.Name, QStringLiteral("Samples"));
    EXPECT_TRUE(main_->TournamentForms().isEmpty());
}

TEST_F(ListPanel, RemoveKeepsFilesAndDeleteTrashesThem) {
    const QString hockeyPath = Entry("hockey.kvd")->Data.FilePath;
    Panel().Select(Entry("hockey.kvd"));
    Messages.QueueAnswer(TMessageButton::Yes);
    main_->Command(TCommandId::Remove)->trigger();
    EXPECT_EQ(Entry("hockey.kvd"), nullptr);
    EXPECT_TRUE(QFile::exists(hockeyPath));
    EXPECT_FALSE(ListFile().contains("hockey.kvd"));

    // Deleting the folder deletes every tournament below it and closes its windows unasked.
    TTournamentForm* form = main_->OpenTournament(Entry("chess.kvd")->Data);
    ASSERT_NE(form, nullptr);
    form->Command(TCommandId::ResultsGrid)->trigger(); // modified: still no question
    const QString chessPath = Entry("chess.kvd")->Data.FilePath;
    Panel().Select(Folder());
    Messages.Clear();
    Messages.QueueAnswer(TMessageButton::Yes);
    main_->Command(TCommandId::Delete)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Messages.Texts(),
              QStringList{QStringLiteral(
                  "Are you sure you want to delete selected folder(s) or/and tournament(s)?")});
    EXPECT_TRUE(main_->TournamentForms().isEmpty());
    EXPECT_FALSE(QFile::exists(chessPath));
    EXPECT_EQ(main_->List().Count(), 1);
    // Into the desktop trash, which lives in this test's own data folder.
    const QDir trash(QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) +
                     QStringLiteral("/Trash/files"));
    EXPECT_TRUE(trash.exists(QStringLiteral("chess.kvd")) ||
                !trash.entryList({QStringLiteral("chess*")}).isEmpty());
}

TEST_F(ListPanel, DraggingObeysTheListRules) {
    TTournamentListModel& model = Panel().Model();
    const QModelIndex folder = model.IndexOf(Folder());
    const QModelIndex chess = model.IndexOf(Entry("chess.kvd"));
    const QModelIndex root = model.IndexOf(main_->List().Root());
    std::unique_ptr<QMimeData> dragFolder(model.mimeData({folder}));
    // Onto itself, into its own entries, or onto its parent: refused.
    EXPECT_FALSE(model.canDropMimeData(dragFolder.get(), Qt::MoveAction, -1, 0, folder));
    EXPECT_FALSE(model.canDropMimeData(dragFolder.get(), Qt::MoveAction, -1, 0, chess));
    EXPECT_FALSE(model.canDropMimeData(dragFolder.get(), Qt::MoveAction, -1, 0, root));
    EXPECT_EQ(model.flags(root) & Qt::ItemIsDragEnabled, Qt::ItemFlags());
    // A tournament dropped onto the root moves there, and the list file follows.
    std::unique_ptr<QMimeData> dragChess(model.mimeData({chess}));
    EXPECT_TRUE(model.canDropMimeData(dragChess.get(), Qt::MoveAction, -1, 0, root));
    model.dropMimeData(dragChess.get(), Qt::MoveAction, -1, 0, root);
    EXPECT_EQ(Entry("chess.kvd")->Parent, main_->List().Root());
    EXPECT_TRUE(ListFile().contains("\tWinter Chess Invitational\xB6\xB6\xB6"
                                    "chess.kvd"));
}

TEST_F(ListPanel, FindAndFindNext) {
    EXPECT_FALSE(main_->Command(TCommandId::FindNext)->isEnabled());
    // A blank text is refused in the dialog; then "League" finds the leagues one after another.
    QTimer::singleShot(0, [this] {
        TFindTournamentForm* form = Panel().FindForm();
        form->SetText(QString());
        form->accept();
        EXPECT_TRUE(form->isVisible());
        form->SetText(QStringLiteral("League"));
        form->accept();
    });
    main_->Command(TCommandId::Find)->trigger();
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("The search text cannot be blank"))
        << Messages.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Messages.Texts().size(), 1) << Messages.Texts().join(QLatin1Char('|')).toStdString();
    ASSERT_NE(Panel().Selected(), nullptr);
    EXPECT_EQ(Panel().Selected()->Data.Name, QStringLiteral("Northern Ice Hockey League"));
    EXPECT_TRUE(main_->Command(TCommandId::FindNext)->isEnabled());
    main_->Command(TCommandId::FindNext)->trigger();
    EXPECT_EQ(Panel().Selected()->Data.Name, QStringLiteral("Riverside Spring League"));
    main_->Command(TCommandId::FindNext)->trigger();
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Search string 'League' not found"));
    EXPECT_FALSE(main_->Command(TCommandId::FindNext)->isEnabled());
    // The text searched stays in the list of texts for this run.
    EXPECT_EQ(Panel().FindForm()->findChild<QComboBox*>(QStringLiteral("TextCB"))->count(), 1);
}

TEST_F(ListPanel, AddingExistingTournaments) {
    const QString outside = HomePath(QStringLiteral("elsewhere/cup.kvd"));
    QDir().mkpath(HomePath(QStringLiteral("elsewhere")));
    TTournament cup(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(cup, QStringLiteral(KV_SAMPLES "/soccer.kvd")));
    cup.Name = QStringLiteral("Riverside Cup");
    ASSERT_TRUE(SaveTournament(cup, outside, false));
    Panel().Select(Folder());
    Dialogs.Opens.push_back({{outside}, QStringLiteral("Kelvorandine 2.x (*.kvd)")});
    main_->Command(TCommandId::AddExisting)->trigger();
    EXPECT_TRUE(QFile::exists(TTournamentList::SavesPath(QStringLiteral("cup.kvd"))));
    EXPECT_NE(main_->List().FindByPath(TTournamentList::SavesPath(QStringLiteral("cup.kvd"))),
              nullptr);
    EXPECT_TRUE(ListFile().contains("cup.kvd"));
    EXPECT_EQ(Panel().Selected()->Data.FilePath,
              TTournamentList::SavesPath(QStringLiteral("cup.kvd"))); // the entry added
    // The same file again: its copy in SAVES is listed, so nothing is overwritten.
    Dialogs.Opens.push_back({{outside}, QStringLiteral("Kelvorandine 2.x (*.kvd)")});
    main_->Command(TCommandId::AddExisting)->trigger();
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral("Cannot add tournament. File already exists: ") +
                  TTournamentList::SavesPath(QStringLiteral("cup.kvd")));
}

// Files of the earlier program: each is confirmed in the import dialog, saved, listed and
// opened; a file of neither kind is skipped with a message, and a refused name keeps the
// dialog open.
TEST_F(ListPanel, ImportingFilesOfTheEarlierProgram) {
    const QString legacy = QStringLiteral("Pellagrunds 2.x, 3.0 (*.plg)");
    const QString data = QStringLiteral(KV_TEST_DATA "/legacy/");
    Panel().Select(Folder());
    Dialogs.Opens.push_back(
        {{data + QStringLiteral("not-a-tournament.plg"), data + QStringLiteral("two-groups.plg"),
          data + QStringLiteral("chess-3.0.plg")},
         legacy});
    QStringList names;
    std::vector<bool> sportLocked;
    bool refusedStayed = false;
    int polls = 0;
    // The dialogs come one after the other: each answer waits for the next one.
    std::function<void()> answer = [&] {
        auto* form = qobject_cast<TImportTableV2Form*>(QApplication::activeModalWidget());
        if (!form || !form->isVisible()) {
            if (++polls < 500) QTimer::singleShot(10, answer);
            return;
        }
        names << form->MainFrame().NameEdit().text();
        sportLocked.push_back(!form->MainFrame().SportBox().isEnabled());
        if (names.size() == 1) {
            // The name of a listed tournament is refused.
            form->MainFrame().NameEdit().setText(Entry("soccer.kvd")->Data.Name);
            form->accept();
            refusedStayed = form->isVisible();
            form->MainFrame().NameEdit().setText(QStringLiteral("Old Two Groups"));
            form->MainFrame().FileEdit().setText(QStringLiteral("oldtwo"));
            form->accept();
            QTimer::singleShot(10, answer);
        } else {
            form->accept();
        }
    };
    QTimer::singleShot(0, answer);
    main_->Command(TCommandId::AddExisting)->trigger();

    EXPECT_TRUE(Messages.Texts().contains(QStringLiteral("Wrong file format: ") + data +
                                          QStringLiteral("not-a-tournament.plg")));
    ASSERT_EQ(names.size(), 2);
    EXPECT_EQ(names[0], QStringLiteral("two-groups")); // a 2.x file is named after the file
    EXPECT_FALSE(sportLocked[0]);
    EXPECT_TRUE(sportLocked[1]); // a 3.0 file names its sport
    EXPECT_TRUE(refusedStayed);
    const QString saved = TTournamentList::SavesPath(QStringLiteral("oldtwo.kvd"));
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_NE(main_->List().FindByPath(saved), nullptr);
    TTournament t(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(t, saved).Ok);
    EXPECT_EQ(t.Name, QStringLiteral("Old Two Groups"));
    EXPECT_EQ(t.Groups().size(), 2u);
    // Both imports are open in windows of their own.
    EXPECT_EQ(main_->TournamentForms().size(), 2);
    EXPECT_TRUE(ListFile().contains("oldtwo.kvd"));
}

TEST_F(ListPanel, UndoingARenameBringsTheListAlong) {
    TListNode* soccer = Entry("soccer.kvd");
    TTournamentForm* form = main_->OpenTournament(soccer->Data);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(Panel().Model().setData(Panel().Model().IndexOf(soccer),
                                        QStringLiteral("Riverside Autumn League"), Qt::EditRole));
    QApplication::processEvents();
    EXPECT_EQ(main_->Command(TCommandId::Undo)->text(),
              QStringLiteral("&Undo Rename to Riverside Autumn League"));
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(form->Document().Tournament().Name, QStringLiteral("Riverside Spring League"));
    EXPECT_EQ(Entry("soccer.kvd")->Data.Name, QStringLiteral("Riverside Spring League"));
    EXPECT_FALSE(form->Document().IsModified());
    main_->Command(TCommandId::Redo)->trigger();
    EXPECT_EQ(Entry("soccer.kvd")->Data.Name, QStringLiteral("Riverside Autumn League"));
    EXPECT_TRUE(ListFile().contains("Riverside Autumn League"));
    // The window is still the entry's: opening it again brings the same window forward.
    EXPECT_EQ(main_->OpenTournament(Entry("soccer.kvd")->Data), form);
}

TEST_F(ListPanel, DeletingSeveralEntriesWithAnOpenWindow) {
    TTournamentForm* form = main_->OpenTournament(Entry("hockey.kvd")->Data);
    ASSERT_NE(form, nullptr);
    QItemSelectionModel* selection = Panel().Tree()->selectionModel();
    const QModelIndex chess = Panel().Model().IndexOf(Entry("chess.kvd"));
    const QModelIndex hockey = Panel().Model().IndexOf(Entry("hockey.kvd"));
    selection->setCurrentIndex(chess, QItemSelectionModel::ClearAndSelect);
    selection->select(hockey, QItemSelectionModel::Select);
    Messages.QueueAnswer(TMessageButton::Yes);
    main_->Command(TCommandId::Delete)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(main_->TournamentForms().isEmpty());
    EXPECT_EQ(Entry("chess.kvd"), nullptr);
    EXPECT_EQ(Entry("hockey.kvd"), nullptr);
    EXPECT_NE(Entry("soccer.kvd"), nullptr);
    EXPECT_FALSE(ListFile().contains("hockey.kvd"));
}

TEST_F(ListPanel, RenamingByTypingInTheTree) {
    QTreeView* tree = Panel().Tree();
    Panel().Select(Folder());
    tree->setFocus();
    main_->Command(TCommandId::Rename)->trigger();
    QApplication::processEvents();
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(editor, tree) << "an editor opens on the entry";
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("Sample Leagues"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Folder()->Data.Name, QStringLiteral("Sample Leagues"));
    EXPECT_TRUE(ListFile().contains("\tSample Leagues\xB6\xB6\xB6"));
    // The Enter key on a tournament opens it.
    Panel().Select(Entry("chess.kvd"));
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    ASSERT_EQ(main_->TournamentForms().size(), 1);
    EXPECT_EQ(main_->TournamentForms().front()->Document().Tournament().Name,
              QStringLiteral("Winter Chess Invitational"));
}

// Entries are chosen together only among the children of one folder: a Ctrl+click in another
// folder starts the choice there.
TEST_F(ListPanel, MultipleSelectionStaysAmongSiblings) {
    QTreeView* tree = Panel().Tree();
    Panel().Select(main_->List().Root());
    Dialogs.Inputs = {QStringLiteral("Archive")};
    main_->Command(TCommandId::NewFolder)->trigger();
    TListNode* archive = Panel().Selected();
    ASSERT_EQ(archive->Data.Name, QStringLiteral("Archive"));
    const auto click = [&](const TListNode* node) {
        const QModelIndex i = Panel().Model().IndexOf(node);
        tree->scrollTo(i);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          tree->visualRect(i).center());
    };
    const auto names = [&] {
        QStringList out;
        for (const TListNode* n : Panel().SelectedNodes())
            out << n->Data.Name;
        out.sort();
        return out;
    };
    Panel().Select(Entry("soccer.kvd"));
    click(Entry("chess.kvd"));
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Riverside Spring League"),
                                    QStringLiteral("Winter Chess Invitational")}));
    click(archive);
    EXPECT_EQ(names(), QStringList{QStringLiteral("Archive")});
    click(Entry("hockey.kvd"));
    EXPECT_EQ(names(), QStringList{QStringLiteral("Northern Ice Hockey League")});
}

// The list and its commands are told apart at a glance: an open folder from a closed one, the
// bin of Delete from Remove, and New Tournament in colour (the greyed look is for disabled).
TEST_F(ListPanel, IconsTellFoldersAndCommandsApart) {
    const auto image = [](const QIcon& icon, QIcon::Mode mode = QIcon::Normal) {
        return icon.pixmap(QSize(16, 16), 1.0, mode).toImage();
    };
    const auto colourful = [](const QImage& picture) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (const QColor c = picture.pixelColor(x, y);
                    c.alpha() > 200 && c.hsvSaturation() > 120)
                    return true;
        return false;
    };
    QTreeView* tree = Panel().Tree();
    const QModelIndex folder = Panel().Model().IndexOf(Folder());
    tree->expand(folder);
    const QImage open = image(folder.data(Qt::DecorationRole).value<QIcon>());
    tree->collapse(folder);
    const QImage closed = image(folder.data(Qt::DecorationRole).value<QIcon>());
    EXPECT_NE(open, closed);
    EXPECT_TRUE(colourful(open));
    EXPECT_TRUE(colourful(closed));

    const QIcon remove = main_->Command(TCommandId::Remove)->icon();
    const QIcon trash = main_->Command(TCommandId::Delete)->icon();
    ASSERT_FALSE(remove.isNull());
    ASSERT_FALSE(trash.isNull());
    EXPECT_NE(image(remove), image(trash));
    const QIcon create = main_->Command(TCommandId::NewTournament)->icon();
    EXPECT_TRUE(colourful(image(create)));
    EXPECT_FALSE(colourful(image(create, QIcon::Disabled)));
}
