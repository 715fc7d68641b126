// A tournament's name and file name: the name page's checks in their order, the properties
// dialog's checks, and moving the file.
#include "support/testenv.h"

#include "base/programfolder.h"
#include "edit/name_checks.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class NameChecks : public kvtest::TTempHome {
protected:
    void SetUp() override {
        kvtest::TTempHome::SetUp();
        QDir().mkpath(TTournamentList::SavesPath(QString()));
        TNodeData entry;
        entry.Kind = NodeTournament;
        entry.Name = QStringLiteral("Spring Cup");
        entry.FilePath = TTournamentList::SavesPath(QStringLiteral("cup.kvd"));
        cup = list.AddEntry(list.Root(), entry);
        WriteFile(entry.FilePath, "x");
    }
    TTournamentList list;
    TListNode* cup = nullptr;
};

} // namespace

TEST_F(NameChecks, TheNamePageChecksInItsOrder) {
    TNamePage page;
    page.Sport = 1;
    EXPECT_EQ(CheckNamePage(list, page).Message,
              QStringLiteral("You have not entered tournament name"));
    page.Name = QStringLiteral("Autumn Cup");
    EXPECT_EQ(CheckNamePage(list, page).Message, QStringLiteral("You have not entered file name"));
    EXPECT_EQ(CheckNamePage(list, page).Field, FieldFileName);
    page.FileName = QStringLiteral("autumn/2026");
    EXPECT_TRUE(CheckNamePage(list, page)
                    .Message.startsWith(QStringLiteral("A file name cannot contain characters:")));
    page.FileName = QStringLiteral("autumn.txt");
    TNameCheck c = CheckNamePage(list, page);
    EXPECT_TRUE(c.Message.isEmpty()) << c.Message.toStdString();
    EXPECT_EQ(c.FileName, QStringLiteral("autumn.kvd"));
    EXPECT_EQ(c.Path, TTournamentList::SavesPath(QStringLiteral("autumn.kvd")));
    // A list entry of that name (any case), or a file at that path.
    page.Name = QStringLiteral("SPRING CUP");
    EXPECT_EQ(CheckNamePage(list, page).Message,
              QStringLiteral("Tournament with this name already exists"));
    page.Name = QStringLiteral("Autumn Cup");
    page.FileName = QStringLiteral("cup");
    EXPECT_EQ(CheckNamePage(list, page).Message,
              QStringLiteral("File with this name already exists"));
    // Both are its own when the tournament keeps its file.
    page.Name = QStringLiteral("Spring Cup");
    page.OwnPath = TTournamentList::SavesPath(QStringLiteral("cup.kvd"));
    page.FileName = QStringLiteral("cup");
    EXPECT_TRUE(CheckNamePage(list, page).Message.isEmpty());
    page.Sport = -1;
    EXPECT_EQ(CheckNamePage(list, page).Field, FieldSport);
    page.Sport = 3;
    page.Conferences = true;
    page.GroupLegs = 2;
    page.ConferenceLegs = 3;
    EXPECT_EQ(
        CheckNamePage(list, page).Message,
        QStringLiteral(
            "Number of legs outside a division cannot exceed number of legs inside a division"));
    page.ConferenceLegs = 1;
    page.InterConferenceLegs = 2;
    EXPECT_EQ(CheckNamePage(list, page).Message,
              QStringLiteral("Number of legs outside a conference cannot exceed number of legs "
                             "inside a conference"));
}

TEST_F(NameChecks, PropertiesRefuseAnotherEntrysNameAndMoveTheFileOnlyToAFreePlace) {
    TNodeData other;
    other.Kind = NodeTournament;
    other.Name = QStringLiteral("Winter League");
    other.FilePath = TTournamentList::SavesPath(QStringLiteral("winter.kvd"));
    list.AddEntry(list.Root(), other);
    WriteFile(other.FilePath, "y");
    EXPECT_EQ(
        CheckProperties(list, cup, QStringLiteral("winter league"), QStringLiteral("cup")).Message,
        QStringLiteral("Tournament with this name already exists"));
    EXPECT_TRUE(CheckProperties(list, cup, QStringLiteral("spring cup"), QStringLiteral("cup"))
                    .Message.isEmpty());
    EXPECT_FALSE(
        CheckProperties(list, cup, QStringLiteral("Cup"), QStringLiteral("a:b")).Message.isEmpty());

    const QString from = cup->Data.FilePath;
    const TListResult taken = MoveTournamentFile(from, other.FilePath);
    EXPECT_FALSE(taken.Ok);
    EXPECT_TRUE(taken.Message.startsWith(QStringLiteral("File already exists: ")))
        << taken.Message.toStdString();
    EXPECT_EQ(ReadFile(other.FilePath), QByteArray("y"));
    const QString to =
        CheckProperties(list, cup, QStringLiteral("Cup"), QStringLiteral("cup-2026")).Path;
    EXPECT_TRUE(MoveTournamentFile(from, to).Ok);
    EXPECT_FALSE(QFileInfo::exists(from));
    EXPECT_EQ(ReadFile(to), QByteArray("x"));
    EXPECT_TRUE(MoveTournamentFile(to, to).Ok); // the same place: nothing to do
}

TEST_F(NameChecks, TheProposedFileNameFollowsTheNameAndTakesNoFile) {
    EXPECT_EQ(ProposedFileName(QStringLiteral("Premier League 2011/12")),
              QStringLiteral("Premier League 2011-12.kvd"));
    // Characters a file name cannot have, and dots that would hide it or read as an extension.
    EXPECT_EQ(ProposedFileName(QStringLiteral(" .Cup: A*B? v1.2. ")),
              QStringLiteral("Cup- A-B- v1.2.kvd"));
    EXPECT_EQ(ProposedFileName(QStringLiteral(" ... ")), QString());
    // A file of that name exists: the next free number.
    EXPECT_EQ(ProposedFileName(QStringLiteral("cup")), QStringLiteral("cup 2.kvd"));
    WriteFile(TTournamentList::SavesPath(QStringLiteral("cup 2.kvd")), "x");
    EXPECT_EQ(ProposedFileName(QStringLiteral("cup")), QStringLiteral("cup 3.kvd"));
}
