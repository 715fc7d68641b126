// The tournament list: its file, placement rules, sorting and every list operation.
#include "support/testenv.h"

#include "base/fileio.h"
#include "base/programfolder.h"
#include "model/sport.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

using namespace kv;

namespace {

class TournamentList : public kvtest::TTempHome {
protected:
    static TNodeData Tournament(const QString& name, const QString& file) {
        return {NodeTournament, SportSoccer, name, TTournamentList::SavesPath(file)};
    }
    static TNodeData Folder(const QString& name) { return {NodeFolder, 0, name, QString()}; }
    static QStringList Names(const TTournamentList& list) {
        QStringList names;
        for (const TListNode* n : list.Nodes())
            names << n->Data.Name;
        return names;
    }
    // A tournament file in the tournament folder.
    static void MakeFile(const QString& file, const QString& name) {
        TTournament t(TTournamentDefaults::FromSettings());
        t.Name = name;
        QDir().mkpath(SavesFolder());
        ASSERT_TRUE(SaveTournament(t, TTournamentList::SavesPath(file), false));
    }
};

} // namespace

TEST_F(TournamentList, ARootAloneIsOneLine) {
    TTournamentList list;
    EXPECT_EQ(list.ToBytes(), QByteArray("Kelvorandine\xB6\xB6\xB6\xB6\xB6\xB6"
                                         "0\xB6\xB6\xB6"
                                         "0\r\n"));
    TTournamentList missing;
    const TListResult r = missing.Load(HomePath(QStringLiteral("tournlst.dat")));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Message,
              QStringLiteral("File not found: %1").arg(HomePath(QStringLiteral("tournlst.dat"))));
    EXPECT_EQ(missing.Count(), 1);
}

TEST_F(TournamentList, WritingAndReadingKeepTheTree) {
    TTournamentList list;
    TListNode* leagues = list.AddEntry(nullptr, Folder(QStringLiteral("Leagues")));
    list.AddEntry(leagues, Tournament(QStringLiteral("Zeta Cup"), QStringLiteral("zeta.kvd")));
    list.AddEntry(leagues, Tournament(QStringLiteral("Alvsjö Open"), QStringLiteral("alvsjo.kvd")));
    list.AddEntry(leagues, Folder(QStringLiteral("Youth")));
    list.AddEntry(nullptr, Tournament(QStringLiteral("Björnö"), QStringLiteral("bjorno.kvd")));
    EXPECT_EQ(Names(list), (QStringList{QStringLiteral("Kelvorandine"), QStringLiteral("Leagues"),
                                        QStringLiteral("Youth"), QStringLiteral("Alvsjö Open"),
                                        QStringLiteral("Zeta Cup"), QStringLiteral("Björnö")}));
    const QByteArray bytes = list.ToBytes();
    EXPECT_TRUE(bytes.contains("\t\tZeta Cup\xB6\xB6\xB6zeta.kvd\xB6\xB6\xB6"
                               "1\xB6\xB6\xB6"
                               "1\r\n"));
    TTournamentList back;
    ASSERT_TRUE(back.FromBytes(bytes).Ok);
    EXPECT_EQ(Names(back), Names(list));
    EXPECT_EQ(back.ToBytes(), bytes);
    EXPECT_EQ(back.NodeAt(5)->Data.FilePath,
              TTournamentList::SavesPath(QStringLiteral("bjorno.kvd")));
    EXPECT_EQ(back.PositionOf(back.NodeAt(3)), 3);
}

TEST_F(TournamentList, BlanksIndentAndDeepJumpsStopLoading) {
    TTournamentList list;
    ASSERT_TRUE(list.FromBytes(ReadFile(kvtest::DataPath(QStringLiteral("lists/blanks.dat")))).Ok);
    EXPECT_EQ(Names(list), (QStringList{QStringLiteral("Kelvorandine"), QStringLiteral("Archive"),
                                        QStringLiteral("Old"), QStringLiteral("Leagues"),
                                        QStringLiteral("Björnö"), QStringLiteral("Cup")}));
    EXPECT_EQ(list.NodeAt(4)->Data.Sport, SportHockey);
    TTournamentList jump;
    const TListResult r =
        jump.FromBytes(ReadFile(kvtest::DataPath(QStringLiteral("lists/jump.dat"))));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Message,
              QStringLiteral("Invalid level (3) for item \"Too deep\xB6\xB6\xB6x.kvd\xB6\xB6\xB6"
                             "1\xB6\xB6\xB6"
                             "1\"")
                  .replace(QStringLiteral("\xB6"), QString(QChar(0xB6))));
    EXPECT_EQ(Names(jump),
              (QStringList{QStringLiteral("Kelvorandine"), QStringLiteral("Leagues")}));
    // A kind that is not a number is a folder.
    TTournamentList odd;
    odd.FromBytes("R\xB6\xB6\xB6\xB6\xB6\xB6"
                  "0\xB6\xB6\xB6"
                  "0\r\n\tThing\xB6\xB6\xB6t.kvd\xB6\xB6\xB6x\xB6\xB6\xB6"
                  "1\r\n");
    EXPECT_TRUE(odd.NodeAt(1)->IsFolder());
}

TEST_F(TournamentList, TheOldListConverts) {
    TTournamentList list;
    list.LoadOldList(kvtest::DataPath(QStringLiteral("lists/tables.dat")));
    EXPECT_EQ(Names(list), (QStringList{QStringLiteral("Kelvorandine"), QStringLiteral("A folder"),
                                        QStringLiteral("Leagues"), QStringLiteral("Cup"),
                                        QStringLiteral("Zebra cup")}));
    EXPECT_EQ(list.NodeAt(4)->Data.Sport, SportBasketball);
    TTournamentList none;
    none.LoadOldList(HomePath(QStringLiteral("nothing.dat")));
    EXPECT_EQ(none.Count(), 1);
    // Older lists were written on Windows: a whole path keeps its file name only.
    TTournamentList windows;
    windows.OldListFromBytes(
        "Root\r\n-1 0 0\r\n\r\nHockey\r\n0 3 1\r\nC:\\OLD\\SAVES\\hockey.kvd\r\n"
        "Soccer\r\n0 1 1\r\nD:/games/soccer.kvd\r\n");
    EXPECT_EQ(windows.NodeAt(1)->Data.FilePath,
              TTournamentList::SavesPath(QStringLiteral("hockey.kvd")));
    EXPECT_EQ(windows.NodeAt(2)->Data.FilePath,
              TTournamentList::SavesPath(QStringLiteral("soccer.kvd")));
}

TEST_F(TournamentList, RenameRules) {
    TTournamentList list;
    MakeFile(QStringLiteral("a.kvd"), QStringLiteral("Alpha"));
    TListNode* alpha =
        list.AddEntry(nullptr, Tournament(QStringLiteral("Alpha"), QStringLiteral("a.kvd")));
    list.AddEntry(nullptr, Tournament(QStringLiteral("Beta"), QStringLiteral("b.kvd")));
    TListNode* folder = list.AddEntry(nullptr, Folder(QStringLiteral("Stuff")));
    EXPECT_EQ(list.Rename(alpha, QStringLiteral("beta")).Message,
              QStringLiteral("Tournament with this name already exists"));
    EXPECT_EQ(alpha->Data.Name, QStringLiteral("Alpha"));
    EXPECT_TRUE(list.Rename(alpha, QStringLiteral("ALPHA")).Ok); // its own name in other letters
    QString name;
    int sport = 0;
    ASSERT_TRUE(ReadIdentity(alpha->Data.FilePath, name, sport));
    EXPECT_EQ(name, QStringLiteral("ALPHA"));
    EXPECT_TRUE(list.Rename(alpha, QStringLiteral("Stuff")).Ok); // a folder's name is fine
    EXPECT_TRUE(list.Rename(folder, QStringLiteral("Beta")).Ok);
    // An open tournament is renamed in its window, not in its file.
    QString renamedTo;
    TOpenWindows windows;
    windows.IsOpen = [](const TNodeData&) { return true; };
    windows.Rename = [&](const TNodeData&, const QString& n) { renamedTo = n; };
    EXPECT_TRUE(list.Rename(alpha, QStringLiteral("Gamma"), windows).Ok);
    EXPECT_EQ(renamedTo, QStringLiteral("Gamma"));
    ASSERT_TRUE(ReadIdentity(alpha->Data.FilePath, name, sport));
    EXPECT_EQ(name, QStringLiteral("Stuff"));
    // A missing file keeps the new name in the list and reports it.
    TListNode* beta = list.FindTournamentByName(QStringLiteral("Beta"));
    const TListResult r = list.Rename(beta, QStringLiteral("Delta"));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(beta->Data.Name, QStringLiteral("Delta"));
    EXPECT_TRUE(list.CheckFolderName(QStringLiteral("  ")).Message ==
                QStringLiteral("Empty name is not allowed!"));
}

TEST_F(TournamentList, DraggingAndItsRefusals) {
    TTournamentList list;
    TListNode* a = list.AddEntry(nullptr, Folder(QStringLiteral("A")));
    TListNode* b = list.AddEntry(nullptr, Folder(QStringLiteral("B")));
    TListNode* inB =
        list.AddEntry(b, Tournament(QStringLiteral("In B"), QStringLiteral("inb.kvd")));
    TListNode* sub = list.AddEntry(a, Folder(QStringLiteral("Sub")));
    EXPECT_FALSE(list.CanDrop({a}, a));
    EXPECT_FALSE(list.CanDrop({a}, sub));         // below itself
    EXPECT_FALSE(list.CanDrop({sub}, a));         // its own parent
    EXPECT_FALSE(list.CanDrop({list.Root()}, b)); // the root stays
    EXPECT_FALSE(list.CanDrop({a}, nullptr));
    ASSERT_TRUE(list.Drop({sub}, inB)); // before the tournament, inside its folder
    EXPECT_EQ(sub->Parent, b);
    EXPECT_EQ(sub->IndexInParent(), 0);
    ASSERT_TRUE(list.Drop({inB}, a));
    EXPECT_EQ(inB->Parent, a);
}

TEST_F(TournamentList, DeletingRemovesFilesAndBackups) {
    TTournamentList list;
    MakeFile(QStringLiteral("x.kvd"), QStringLiteral("X"));
    WriteFile(TTournamentList::SavesPath(QStringLiteral("x.bak")), "old");
    MakeFile(QStringLiteral("y.kvd"), QStringLiteral("Y"));
    TListNode* folder = list.AddEntry(nullptr, Folder(QStringLiteral("F")));
    list.AddEntry(folder, Tournament(QStringLiteral("X"), QStringLiteral("x.kvd")));
    TListNode* y = list.AddEntry(nullptr, Tournament(QStringLiteral("Y"), QStringLiteral("y.kvd")));
    QStringList closed;
    TOpenWindows windows;
    windows.IsOpen = [](const TNodeData& d) { return d.Name == QStringLiteral("X"); };
    windows.Close = [&](const TNodeData& d) { closed << d.Name; };
    list.Delete({folder}, false, windows);
    EXPECT_EQ(closed, QStringList{QStringLiteral("X")});
    EXPECT_FALSE(QFileInfo::exists(TTournamentList::SavesPath(QStringLiteral("x.kvd"))));
    EXPECT_FALSE(QFileInfo::exists(TTournamentList::SavesPath(QStringLiteral("x.bak"))));
    EXPECT_EQ(list.Count(), 2);
    // Removing takes entries out but keeps the files.
    list.Remove({y});
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(QFileInfo::exists(TTournamentList::SavesPath(QStringLiteral("y.kvd"))));
    // Deleting into the trash.
    TListNode* again =
        list.AddEntry(nullptr, Tournament(QStringLiteral("Y"), QStringLiteral("y.kvd")));
    list.Delete({again}, true);
    EXPECT_FALSE(QFileInfo::exists(TTournamentList::SavesPath(QStringLiteral("y.kvd"))));
}

// The trash is the user's, made where it is missing, never in the working folder; where no
// trash can be had, the file is deleted for good only when the user says so, and its entry
// stays when it is kept.
TEST_F(TournamentList, DeletingToTheTrashNeverWritesIntoTheWorkingFolder) {
    const QString data = HomePath(QStringLiteral("no-such/share"));
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.toUtf8());
    QTemporaryDir working;
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(working.path());
    TTournamentList list;
    MakeFile(QStringLiteral("z.kvd"), QStringLiteral("Z"));
    list.Delete({list.AddEntry(nullptr, Tournament(QStringLiteral("Z"), QStringLiteral("z.kvd")))},
                true);
    EXPECT_FALSE(QFileInfo::exists(TTournamentList::SavesPath(QStringLiteral("z.kvd"))));
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/Trash/files/z.kvd")));
    EXPECT_TRUE(QDir(working.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    // A data folder that cannot be made: no trash. The user is asked; No keeps file and entry.
    WriteFile(HomePath(QStringLiteral("blocked")), "a file where a folder would be");
    qputenv("XDG_DATA_HOME", HomePath(QStringLiteral("blocked/share")).toUtf8());
    MakeFile(QStringLiteral("w.kvd"), QStringLiteral("W"));
    TListNode* folder = list.AddEntry(nullptr, Folder(QStringLiteral("F")));
    list.AddEntry(folder, Tournament(QStringLiteral("W"), QStringLiteral("w.kvd")));
    QStringList asked;
    TOpenWindows windows;
    windows.DeleteForGood = [&](const QString& path) {
        asked << path;
        return false;
    };
    list.Delete({folder}, true, windows);
    EXPECT_EQ(asked, QStringList{TTournamentList::SavesPath(QStringLiteral("w.kvd"))});
    EXPECT_TRUE(QFileInfo::exists(TTournamentList::SavesPath(QStringLiteral("w.kvd"))));
    EXPECT_NE(list.FindTournamentByName(QStringLiteral("W")), nullptr) << "kept with its file";
    windows.DeleteForGood = [](const QString&) { return true; };
    list.Delete({folder}, true, windows);
    EXPECT_FALSE(QFileInfo::exists(TTournamentList::SavesPath(QStringLiteral("w.kvd"))));
    EXPECT_EQ(list.FindTournamentByName(QStringLiteral("W")), nullptr);
    EXPECT_TRUE(QDir(working.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    QDir::setCurrent(oldCurrent);
    qputenv("XDG_DATA_HOME", oldData);
}

TEST_F(TournamentList, AddingExistingTournamentsNeverOverwritesAListedFile) {
    TTournamentList list;
    MakeFile(QStringLiteral("cup.kvd"), QStringLiteral("Listed Cup"));
    list.AddEntry(nullptr, Tournament(QStringLiteral("Listed Cup"), QStringLiteral("cup.kvd")));
    const QString outside = HomePath(QStringLiteral("elsewhere/cup.kvd"));
    QDir().mkpath(HomePath(QStringLiteral("elsewhere")));
    TTournament other(TTournamentDefaults::FromSettings());
    other.Name = QStringLiteral("Other Cup");
    ASSERT_TRUE(SaveTournament(other, outside, false));
    QStringList asked;
    const auto ask = [&](TMessageKind, const QString& text) {
        asked << text;
        return TMessageButton::Yes;
    };
    TAddFilesResult r = AddExistingTournaments(list, nullptr, {outside}, ask);
    EXPECT_EQ(r.Added, 0);
    EXPECT_EQ(asked.first(), QStringLiteral("Cannot add tournament. File already exists: %1")
                                 .arg(TTournamentList::SavesPath(QStringLiteral("cup.kvd"))));
    QString name;
    int sport = 0;
    ReadIdentity(TTournamentList::SavesPath(QStringLiteral("cup.kvd")), name, sport);
    EXPECT_EQ(name, QStringLiteral("Listed Cup"));
    // A file of the same name that no entry lists is replaced when the user says yes.
    const QString outside2 = HomePath(QStringLiteral("elsewhere/free.kvd"));
    ASSERT_TRUE(SaveTournament(other, outside2, false));
    MakeFile(QStringLiteral("free.kvd"), QStringLiteral("Unlisted"));
    asked.clear();
    r = AddExistingTournaments(list, nullptr, {outside2}, ask);
    EXPECT_EQ(r.Added, 1);
    EXPECT_TRUE(asked.first().endsWith(QStringLiteral(". Replace it?")));
    EXPECT_NE(list.FindTournamentByName(QStringLiteral("Other Cup")), nullptr);
    // A listed file inside the tournament folder stops the run.
    r = AddExistingTournaments(list, nullptr,
                               {TTournamentList::SavesPath(QStringLiteral("cup.kvd"))}, ask);
    EXPECT_TRUE(r.Stopped);
}

// Blanks and TABs that lead a name are not indentation: the list reads back as it was written,
// and lists written without the field that keeps them still read as before.
TEST_F(TournamentList, NamesThatStartWithBlanksReadBack) {
    TTournamentList list;
    TListNode* folder = list.AddEntry(nullptr, Folder(QStringLiteral("  My Folder")));
    list.AddEntry(folder, Tournament(QStringLiteral("\t Tabbed Cup "), QStringLiteral("t.kvd")));
    list.AddEntry(folder, Folder(QStringLiteral(" ")));
    list.AddEntry(nullptr, Tournament(QStringLiteral("Plain"), QStringLiteral("p.kvd")));
    const QByteArray bytes = list.ToBytes();
    TTournamentList back;
    const TListResult r = back.FromBytes(bytes);
    ASSERT_TRUE(r.Ok) << qPrintable(r.Message);
    EXPECT_EQ(Names(back), Names(list));
    EXPECT_EQ(back.ToBytes(), bytes);
    EXPECT_EQ(back.NodeAt(2)->Parent, back.NodeAt(1));
    // The line of a plain name is as it always was.
    EXPECT_TRUE(bytes.contains("\tPlain\xB6\xB6\xB6p.kvd\xB6\xB6\xB6"
                               "1\xB6\xB6\xB6"
                               "1\r\n"));
}

// Renaming to nothing is refused for tournaments and folders alike.
TEST_F(TournamentList, AnEmptyNameIsRefused) {
    TTournamentList list;
    MakeFile(QStringLiteral("a.kvd"), QStringLiteral("Alpha"));
    TListNode* alpha =
        list.AddEntry(nullptr, Tournament(QStringLiteral("Alpha"), QStringLiteral("a.kvd")));
    TListNode* folder = list.AddEntry(nullptr, Folder(QStringLiteral("Stuff")));
    for (TListNode* n : {alpha, folder})
        for (const QString& name : {QString(), QStringLiteral("   ")}) {
            const TListResult r = list.Rename(n, name);
            EXPECT_FALSE(r.Ok);
            EXPECT_EQ(r.Message, QStringLiteral("Empty name is not allowed!"));
        }
    EXPECT_EQ(alpha->Data.Name, QStringLiteral("Alpha"));
    EXPECT_EQ(folder->Data.Name, QStringLiteral("Stuff"));
    QString name;
    int sport = 0;
    ASSERT_TRUE(ReadIdentity(alpha->Data.FilePath, name, sport));
    EXPECT_EQ(name, QStringLiteral("Alpha"));
}

// A file whose tournament has the name of a listed one, in any capitals, is not added, and
// nothing is copied for it; the others are.
TEST_F(TournamentList, AddingKeepsTournamentNamesUnique) {
    TTournamentList list;
    MakeFile(QStringLiteral("cup.kvd"), QStringLiteral("Spring Cup"));
    list.AddEntry(nullptr, Tournament(QStringLiteral("Spring Cup"), QStringLiteral("cup.kvd")));
    QDir().mkpath(HomePath(QStringLiteral("elsewhere")));
    const QString same = HomePath(QStringLiteral("elsewhere/again.kvd"));
    const QString other = HomePath(QStringLiteral("elsewhere/other.kvd"));
    TTournament t(TTournamentDefaults::FromSettings());
    t.Name = QStringLiteral("SPRING CUP");
    ASSERT_TRUE(SaveTournament(t, same, false));
    t.Name = QStringLiteral("Autumn Cup");
    ASSERT_TRUE(SaveTournament(t, other, false));
    QStringList asked;
    const auto ask = [&](TMessageKind, const QString& text) {
        asked << text;
        return TMessageButton::Yes;
    };
    const TAddFilesResult r = AddExistingTournaments(list, nullptr, {same, other}, ask);
    EXPECT_EQ(r.Added, 1);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Cannot add %1: a tournament named 'SPRING CUP' "
                                                "is already in the list")
                                     .arg(same)});
    EXPECT_FALSE(QFile::exists(TTournamentList::SavesPath(QStringLiteral("again.kvd"))));
    ASSERT_NE(r.Last, nullptr);
    EXPECT_EQ(r.Last->Data.Name, QStringLiteral("Autumn Cup"));
}

// A file that does not load as a tournament is not listed: its error is said and nothing is
// copied for it.
TEST_F(TournamentList, AddingRefusesFilesThatDoNotLoad) {
    TTournamentList list;
    QDir().mkpath(HomePath(QStringLiteral("elsewhere")));
    const QString junk = HomePath(QStringLiteral("elsewhere/junk.kvd"));
    WriteFile(junk, "junk\n");
    const QString halfway = HomePath(QStringLiteral("elsewhere/half.kvd"));
    TTournament t(TTournamentDefaults::FromSettings());
    t.Name = QStringLiteral("Half Broken");
    ASSERT_TRUE(SaveTournament(t, halfway, false));
    WriteFile(halfway, ReadFile(halfway).left(60));
    std::vector<TMessageKind> kinds;
    QStringList said;
    const auto ask = [&](TMessageKind kind, const QString& text) {
        kinds.push_back(kind);
        said << text;
        return TMessageButton::Yes;
    };
    const TAddFilesResult r = AddExistingTournaments(list, nullptr, {junk, halfway}, ask);
    EXPECT_EQ(r.Added, 0);
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(
        said[0].startsWith(QStringLiteral("File 'junk.kvd' is not a valid Kelvorandine file")))
        << said[0].toStdString();
    EXPECT_EQ(kinds[0], TMessageKind::Error);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(QFile::exists(TTournamentList::SavesPath(QStringLiteral("junk.kvd"))));
    EXPECT_FALSE(QFile::exists(TTournamentList::SavesPath(QStringLiteral("half.kvd"))));
}

TEST_F(TournamentList, FindForwardBackwardAndInAFolder) {
    TTournamentList list;
    TListNode* f1 = list.AddEntry(nullptr, Folder(QStringLiteral("One")));
    list.AddEntry(f1, Tournament(QStringLiteral("Spring Cup"), QStringLiteral("1.kvd")));
    list.AddEntry(f1, Tournament(QStringLiteral("Summer Cup"), QStringLiteral("2.kvd")));
    TListNode* f2 = list.AddEntry(nullptr, Folder(QStringLiteral("Two")));
    list.AddEntry(f2, Tournament(QStringLiteral("Winter Cup"), QStringLiteral("3.kvd")));
    EXPECT_EQ(TListSearch::CheckText(QString()), QStringLiteral("The search text cannot be blank"));
    TFindOptions o;
    o.Text = QStringLiteral("cup");
    o.FromSelected = false;
    TListSearch forward(list, o, nullptr);
    QString message;
    EXPECT_EQ(forward.Next(message)->Data.Name, QStringLiteral("Spring Cup"));
    EXPECT_EQ(forward.Next(message)->Data.Name, QStringLiteral("Summer Cup"));
    EXPECT_EQ(forward.Next(message)->Data.Name, QStringLiteral("Winter Cup"));
    EXPECT_EQ(forward.Next(message), nullptr);
    EXPECT_EQ(message, QStringLiteral("Search string 'cup' not found"));
    o.Forward = false;
    TListSearch backward(list, o, nullptr);
    EXPECT_EQ(backward.Next(message)->Data.Name, QStringLiteral("Winter Cup"));
    o.Forward = true;
    o.Global = false;
    TListSearch inFolder(list, o, f1);
    inFolder.Next(message);
    EXPECT_EQ(inFolder.Next(message)->Data.Name, QStringLiteral("Summer Cup"));
    EXPECT_EQ(inFolder.Next(message), nullptr);
    o.Global = true;
    o.CaseSensitive = true;
    EXPECT_EQ(TListSearch(list, o, nullptr).Next(message), nullptr);
    o.CaseSensitive = false;
    o.ExactPhrase = true;
    o.Text = QStringLiteral("winter cup");
    EXPECT_NE(TListSearch(list, o, nullptr).Next(message), nullptr);
}
