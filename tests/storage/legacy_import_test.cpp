// Tournaments of the older file kinds.
#include "support/testenv.h"

#include "model/gmatch.h"
#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "storage/legacy_import.h"
#include "storage/tournament_file.h"

#include <QFileInfo>

using namespace kv;

namespace {

class LegacyImport : public kvtest::TTempHome {
protected:
    static QString Path(const char* name) {
        return kvtest::DataPath(QStringLiteral("legacy/") + QLatin1String(name));
    }
    static std::unique_ptr<TTournament> Import(const char* name, TIoResult* result = nullptr) {
        TLegacyInfo info;
        QString error;
        if (!ReadLegacyInfo(Path(name), info, error)) return nullptr;
        auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
        const TIoResult r =
            ImportLegacyTournament(*t, Path(name), info.Kind, info.Name, info.Sport);
        if (result) *result = r;
        if (!r) return nullptr;
        RecomputeAll(*t);
        return t;
    }
};

} // namespace

TEST_F(LegacyImport, FilesAreRecognisedByTheirFirstLine) {
    TLegacyInfo info;
    QString error;
    ASSERT_TRUE(ReadLegacyInfo(Path("two-legs.plg"), info, error));
    EXPECT_EQ(info.Kind, TLegacyKind::Version2);
    EXPECT_EQ(info.Name, QStringLiteral("two-legs"));
    EXPECT_EQ(info.Sport, SportSoccer);
    ASSERT_TRUE(ReadLegacyInfo(Path("chess-3.0.plg"), info, error));
    EXPECT_EQ(info.Kind, TLegacyKind::Version3);
    EXPECT_EQ(info.Name, QStringLiteral("Old Name"));
    EXPECT_EQ(info.Sport, SportChess);
    EXPECT_FALSE(ReadLegacyInfo(Path("not-a-tournament.plg"), info, error));
    EXPECT_EQ(error, QStringLiteral("Wrong file format: %1").arg(Path("not-a-tournament.plg")));
}

TEST_F(LegacyImport, Version2WithTwoLegs) {
    auto t = Import("two-legs.plg");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Groups().size(), 1u);
    EXPECT_EQ(t->GroupAt(0)->Name, QStringLiteral("Team")); // a single group takes the word "Team"
    EXPECT_EQ(t->GroupLegs, 2);
    EXPECT_EQ(t->WinPoints, 3);
    EXPECT_EQ(t->WinOTPoints, 2);
    EXPECT_EQ(t->LossSOPoints, 1);
    EXPECT_EQ(t->MatchCount(), 5);
    const TMatch* second = t->MatchOfPairInLeg(0, 1, 2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->HomeTeamId, 1);
    EXPECT_EQ(second->HomeScore, 1);
    ASSERT_EQ(t->SortCriteria.size(), 3u);
    EXPECT_EQ(t->SortCriteria[0].Column, kColumnPoints);
    EXPECT_EQ(t->SortCriteria[2].Column, kColumnGoalsFor);
    EXPECT_TRUE(t->JointTable().Style.ShowAwayResults);
    EXPECT_EQ(t->View.TableMode, TableModeGroups);
    EXPECT_EQ(t->GroupAt(0)->PlaceFonts.size(), 3u);
    EXPECT_EQ(t->JointTable().Teams().front()->Name, QStringLiteral("Ajax"));
}

TEST_F(LegacyImport, Version2WithOneLegSkipsReturnMatches) {
    auto t = Import("one-leg.plg");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->MatchCount(), 3);
    auto two = Import("two-groups.plg");
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->GroupAt(0)->Name, QStringLiteral("Group 1"));
    EXPECT_EQ(two->GroupAt(1)->Name, QStringLiteral("Group 2"));
    EXPECT_EQ(two->JointTable().TeamByName(QStringLiteral("East"))->Id, 2);
    EXPECT_EQ(two->MatchCount(), 2);
    TIoResult r;
    EXPECT_EQ(Import("wrong-group.plg", &r), nullptr);
    EXPECT_EQ(r.Message, QStringLiteral("Error opening tournament. Wrong file format"));
}

TEST_F(LegacyImport, Version3Chess) {
    auto t = Import("chess-3.0.plg");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Sport, SportChess);
    EXPECT_EQ(t->GroupLegs, 2);
    ASSERT_EQ(t->SortCriteria.size(), 3u);
    EXPECT_EQ(t->SortCriteria[0].Column, kColumnPoints);
    EXPECT_EQ(t->SortCriteria[1].Column, kColumnAmongThemPoints);
    EXPECT_EQ(t->SortCriteria[2].Column, kColumnGoalDifference);
    ASSERT_EQ(t->Referees.size(), 1u);
    EXPECT_EQ(t->Referees[0].Id, 5);
    EXPECT_EQ(t->Referees[0].BirthYear, 1970);
    ASSERT_EQ(t->Stadiums.size(), 1u);
    EXPECT_EQ(t->Stadiums[0].Capacity, 800);
    const TGroupStyle& s = t->JointTable().Style;
    EXPECT_FALSE(s.HasHeaderBGColor); // the button-face colour means none
    EXPECT_FALSE(s.HasBGColor);
    EXPECT_TRUE(s.HasHeaderFont);
    EXPECT_TRUE(s.HeaderFont.Bold);
    EXPECT_TRUE(s.MarkHomeMatches);
    EXPECT_EQ(s.ResultColors[ResultWinOT], 255);
    EXPECT_EQ(s.ResultColors[ResultLoseSO], 0);
    EXPECT_EQ(t->Dimensions.TeamWidth, 140);
    EXPECT_EQ(t->Dimensions.ScoreWidth, 35);
    for (const TTableColumn& c : t->Columns) {
        if (c.Id == kColumnPoints) {
            EXPECT_EQ(c.Width, 30);
        }
    }
    const TTeam* anna = t->TeamById(0);
    EXPECT_EQ(anna->Name, QStringLiteral("Anna"));
    EXPECT_EQ(anna->AddedPoints, -2);
    EXPECT_EQ(anna->HomeStadiumId, 3);
    EXPECT_EQ(anna->FoundationYear, 1990);
    const TTeam* boris = t->TeamById(1);
    EXPECT_TRUE(boris->SeparateBackground);
    EXPECT_EQ(boris->BackgroundColor, 65280);
    EXPECT_EQ(boris->AddedPoints, 1.5);
    EXPECT_TRUE(t->GroupAt(0)->PlaceFonts[0].HasColor);
    EXPECT_EQ(t->GroupAt(0)->PlaceFonts[0].Color, 255);
    ASSERT_EQ(t->MatchCount(), 2);
    const TMatch* draw = t->MatchOfPairInLeg(0, 1, 1);
    ASSERT_NE(draw, nullptr);
    EXPECT_EQ(draw->HomeScore, 0.5);
    EXPECT_EQ(draw->VisitorScore, 0.5);
    EXPECT_EQ(draw->Matchday, 3);
    EXPECT_TRUE(draw->HasTime);
    EXPECT_EQ(draw->Time, 0.75);
    EXPECT_EQ(draw->Date, 46000);
    EXPECT_EQ(draw->Attendance, 120);
    EXPECT_EQ(draw->RefereeIds, (QList<int>{5}));
    EXPECT_EQ(draw->Comments, QStringLiteral("first\r\nsecond\r\nthird"));
    const TMatch* forfeit = t->MatchOfPairInLeg(2, 0, 1);
    ASSERT_NE(forfeit, nullptr);
    EXPECT_EQ(forfeit->TechnicalLoss, 2);
    EXPECT_EQ(forfeit->Matchday, -1);
    EXPECT_FALSE(forfeit->HasTime);
    // The result is a current tournament that survives its own file.
    TTournament again(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(ReadTournamentBytes(again, TournamentBytes(*t), QStringLiteral("x")));
    EXPECT_EQ(TournamentBytes(again), TournamentBytes(*t));
}

TEST_F(LegacyImport, DamagedFilesFailWithoutCrashing) {
    QByteArray bytes = ReadFile(Path("chess-3.0.plg"));
    for (qsizetype cut = 0; cut < bytes.size(); cut += 5) {
        TTournament t(TTournamentDefaults::FromSettings());
        const TIoResult r =
            ImportLegacyBytes(t, bytes.left(cut), TLegacyKind::Version3, QStringLiteral("x"), 1, 0);
        if (cut < bytes.size() - 20) {
            EXPECT_FALSE(r) << cut;
        }
    }
}

// The import dialog's step: a file that fails writes nothing; one that reads is saved ranked,
// in a folder made for it.
TEST_F(LegacyImport, ImportingSavesOnlyWhatWasRead) {
    const QString failed = HomePath(QStringLiteral("SAVES/failed.kvd"));
    const TIoResult r = ImportLegacyFile(Path("wrong-group.plg"), TLegacyKind::Version2,
                                         QStringLiteral("Wrong"), SportSoccer, failed);
    EXPECT_FALSE(r.Ok);
    EXPECT_FALSE(QFileInfo::exists(failed));
    const QString saved = HomePath(QStringLiteral("new/folder/two.kvd"));
    ASSERT_TRUE(ImportLegacyFile(Path("two-groups.plg"), TLegacyKind::Version2,
                                 QStringLiteral("Two"), SportHandball, saved)
                    .Ok);
    TTournament t(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(t, saved).Ok);
    EXPECT_EQ(t.Name, QStringLiteral("Two"));
    EXPECT_EQ(t.Sport, SportHandball);
    EXPECT_EQ(t.Groups().size(), 2u);
}

// A 3.0 match the tournament cannot hold makes the file unreadable instead of vanishing or
// standing where no grid shows it: a team number the group lacks, a team against itself, a
// leg beyond the legs.
TEST_F(LegacyImport, AMatchTheTournamentCannotHoldFailsTheImport) {
    QByteArray good;
    ASSERT_TRUE(ReadFileBytes(Path("chess-3.0.plg"), good).Ok);
    const QByteArray line = "1 2 1 0 1 1 0 1 3 46000 0 3 0 120 1 3 0 0";
    ASSERT_TRUE(good.contains(line));
    for (const QByteArray& bad : {QByteArray("1 9 1 0 1 1 0 1 3 46000 0 3 0 120 1 3 0 0"),
                                  QByteArray("2 2 1 0 1 1 0 1 3 46000 0 3 0 120 1 3 0 0"),
                                  QByteArray("1 2 1 0 1 1 0 7 3 46000 0 3 0 120 1 3 0 0")}) {
        QByteArray bytes = good;
        bytes.replace(line, bad);
        TTournament t(TTournamentDefaults::FromSettings());
        EXPECT_FALSE(
            ImportLegacyBytes(t, bytes, TLegacyKind::Version3, QStringLiteral("X"), SportChess, 0)
                .Ok)
            << bad.constData();
    }
    TTournament t(TTournamentDefaults::FromSettings());
    EXPECT_TRUE(
        ImportLegacyBytes(t, good, TLegacyKind::Version3, QStringLiteral("X"), SportChess, 0).Ok);
    // A file that cannot be opened says so.
    TLegacyInfo info;
    QString error;
    EXPECT_FALSE(ReadLegacyInfo(HomePath(QStringLiteral("missing.plg")), info, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("File not found: ")));
}
