// What the main window offers for a list selection, and how dropped files are sorted.
#include "edit/command_availability.h"
#include "edit/dropped_files.h"
#include "storage/tournament_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace kv;

TEST(MainCommands, AvailabilityFollowsTheListAndTheWindows) {
    TTournamentList list;
    TNodeData folder;
    folder.Name = QStringLiteral("Cups");
    TListNode* cups = list.AddEntry(list.Root(), folder);
    TNodeData cup;
    cup.Kind = NodeTournament;
    cup.Name = QStringLiteral("Cup");
    TListNode* entry = list.AddEntry(cups, cup);
    TMainState s;
    TMainCommands c = MainCommandsFor(s);
    EXPECT_FALSE(c.NewTournament) << "nothing selected";
    EXPECT_TRUE(c.Find);
    EXPECT_FALSE(c.FindNext);
    EXPECT_FALSE(c.Print);
    s.Selected = list.Root();
    s.SelectedNodes = {list.Root()};
    c = MainCommandsFor(s);
    EXPECT_TRUE(c.NewTournament && c.NewFolder && c.AddExisting);
    EXPECT_FALSE(c.Rename || c.Delete || c.Remove) << "the root stays";
    s.Selected = cups;
    s.SelectedNodes = {cups, entry};
    s.LastSearchFound = true;
    s.HasTournamentWindow = true;
    c = MainCommandsFor(s);
    EXPECT_TRUE(c.Rename && c.Delete && c.Remove && c.FindNext && c.Print && c.WindowCommands);
    s.SelectedNodes = {cups};
    EXPECT_FALSE(MainCommandsFor(s).Remove) << "only folders selected";
    s.ListShown = false;
    c = MainCommandsFor(s);
    EXPECT_FALSE(c.NewTournament || c.NewFolder || c.Rename || c.Delete || c.Find || c.FindNext);
    EXPECT_TRUE(c.Print);
}

// Dropped files by what becomes of them; folders, other kinds and remote files are left out.
TEST(DroppedFiles, AreSortedByKind) {
    QTemporaryDir dir;
    const auto make = [&](const char* name) {
        QFile f(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return QUrl::fromLocalFile(dir.filePath(QLatin1String(name)));
    };
    const kv::TDroppedFiles files = kv::SortDroppedFiles(
        {make("a.kvd"), make("b.PLG"), make("c.csv"), make("d.txt"), make("e.png"),
         QUrl::fromLocalFile(dir.path()), QUrl(QStringLiteral("https://example.org/x.kvd"))});
    EXPECT_EQ(files.Tournaments.size(), 1);
    EXPECT_EQ(files.Legacy.size(), 1);
    EXPECT_EQ(files.Texts.size(), 2);
    EXPECT_TRUE(kv::SortDroppedFiles({}).IsEmpty());
}
