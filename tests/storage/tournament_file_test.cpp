// The tournament file: every sport survives saving and loading byte for byte, the documented
// reading rules hold for hand-written files, and no damaged or failed file costs data.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/formats.h"
#include "base/programfolder.h"
#include "base/settings.h"
#include "model/gmatch.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

using namespace kv;

namespace {

class TournamentFile : public kvtest::TTempHome {
protected:
    static std::unique_ptr<TTournament> Load(const QString& path, TIoResult* result = nullptr) {
        auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
        const TIoResult r = LoadTournament(*t, path);
        if (result) *result = r;
        return r ? std::move(t) : nullptr;
    }

    // A tournament of the sport with conferences (or groups), results with periods, a forfeit,
    // decided-in values, comments with line breaks, stadiums, referees and looks.
    static std::unique_ptr<TTournament> Rich(int sport, bool conferences) {
        TNewTournament spec;
        spec.Name = QStringLiteral("Rich %1").arg(SportEnglishName(sport));
        spec.Sport = sport;
        spec.GroupLegs = 2;
        spec.Rules = TPointsRules::ForSport(sport);
        spec.ShootOuts = sport == SportHockey;
        if (conferences) {
            spec.ConferenceLegs = 1;
            spec.InterConferenceLegs = 1;
            spec.Conferences = {
                {QStringLiteral("East"),
                 {{QStringLiteral("Atlantic"), {QStringLiteral("A1"), QStringLiteral("A2")}},
                  {QStringLiteral("Central"), {QStringLiteral("C1"), QStringLiteral("C2")}}}},
                {QStringLiteral("West"),
                 {{QStringLiteral("Pacific"), {QStringLiteral("P1"), QStringLiteral("P2")}}}}};
        } else {
            spec.Groups = {{QStringLiteral("Group A"),
                            {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("C1")}},
                           {QStringLiteral("Group B"),
                            {QStringLiteral("C2"), QStringLiteral("P1"), QStringLiteral("P2")}}};
        }
        auto t = CreateTournament(spec);
        t->FileName = HomePath(QStringLiteral("SAVES/rich.kvd"));
        t->Comments = QStringLiteral("First line\r\nSecond line\r\n");
        t->AddStadium(QStringLiteral("Arena"), QStringLiteral("Norway"), QStringLiteral("Oslo"),
                      5000);
        t->AddReferee(QStringLiteral("Ann Lee"), QString(), QStringLiteral("Bergen"), 1980);
        const QString scores[][2] = {
            {QStringLiteral("2:1 (1:0)"), QStringLiteral("0:0")},                   // soccer family
            {QStringLiteral("3:2 OT (1:0, 0:1, 1:1, 1:0)"), QStringLiteral("2:1")}, // hockey
            {QStringLiteral("90:80 (20:20, 25:20, 20:20, 25:20)"),
             QStringLiteral("77:70")}, // basketball
            {QStringLiteral("3:1 (25:20, 20:25, 25:20, 25:10)"), QStringLiteral("0:3")}, // sets
            {QStringLiteral("="), QStringLiteral("1")},                                  // chess
            {QStringLiteral("21:14 (7:0, 7:7, 0:7, 7:0)"), QStringLiteral("3:10")}, // US football
            {QStringLiteral("5:2"), QStringLiteral("1:4")},                         // baseball
        };
        int row = 0;
        switch (ScoreKindOfSport(sport)) {
        case TScoreKind::Hockey:
            row = 1;
            break;
        case TScoreKind::Basketball:
            row = 2;
            break;
        case TScoreKind::Volleyball:
        case TScoreKind::Tennis:
            row = 3;
            break;
        case TScoreKind::Chess:
            row = 4;
            break;
        case TScoreKind::USFootball:
            row = 5;
            break;
        case TScoreKind::Baseball:
            row = 6;
            break;
        default:
            row = 0;
            break;
        }
        if (sport == SportOther) {
            TMatch* m =
                kvtest::AddResult(*t, QStringLiteral("A1"), QStringLiteral("A2"), QString(), 1);
            m->HomeScore = 2.5;
            m->VisitorScore = 1;
            m->Played = true;
        } else {
            kvtest::AddResult(*t, QStringLiteral("A1"), QStringLiteral("A2"), scores[row][0], 1);
            TMatch* second = kvtest::AddResult(*t, QStringLiteral("A2"), QStringLiteral("A1"),
                                               scores[row][1], 2);
            second->TechnicalLoss = 2;
            second->DecidedIn = 2;
        }
        TMatch* planned =
            kvtest::AddResult(*t, QStringLiteral("C1"), QStringLiteral("A1"), QString(), 1);
        planned->Comments = QStringLiteral("Postponed\r\nnew date later\r\n");
        planned->StadiumId = 0;
        planned->AddReferee(0);
        planned->Matchday = 4;
        planned->HasDate = true;
        planned->Date = DateToDays(QDate(2026, 3, 1));
        planned->HasTime = true;
        planned->Time = 0.8125;
        planned->Attendance = 0;
        planned->HasTemperature = true;
        planned->Temperature = -7;
        planned->Number = 12;
        TTeam* a1 = t->JointTable().TeamByName(QStringLiteral("A1"));
        a1->SeparateFont = true;
        a1->UpperCase = true;
        a1->Font.Color = 0x0000FF;
        a1->Font.Bold = true;
        a1->SeparateBackground = true;
        a1->BackgroundColor = 0x00FFFF;
        a1->Symbol = QStringLiteral("AONE");
        a1->AddedPoints = -1.5;
        a1->FoundationYear = 1907;
        a1->City = QStringLiteral("Oslo");
        a1->HomeStadiumId = 0;
        TGroup* g = t->GroupAt(0);
        g->PlaceFonts[0].HasFont = true;
        g->PlaceFonts[0].Font.Italic = true;
        g->PlaceFonts[0].HasColor = true;
        g->PlaceFonts[0].Color = 0xC0FFC0;
        t->View.ShowSymbol = true;
        t->RankLeadersUp = conferences;
        RecomputeAll(*t);
        return t;
    }
};

} // namespace

TEST_F(TournamentFile, EverySportSurvivesSavingAndLoadingByteForByte) {
    for (int sport = 0; sport < kSportCount; ++sport) {
        for (const bool conferences : {false, true}) {
            auto t = Rich(sport, conferences);
            const QByteArray first = TournamentBytes(*t);
            TTournament loaded(TTournamentDefaults::FromSettings());
            ASSERT_TRUE(ReadTournamentBytes(loaded, first, QStringLiteral("rich.kvd"))) << sport;
            EXPECT_EQ(TournamentBytes(loaded), first)
                << SportEnglishName(sport).toStdString() << " conferences " << conferences;
            EXPECT_EQ(loaded.MatchCount(), t->MatchCount());
            EXPECT_EQ(loaded.Comments, t->Comments);
            const TMatch* planned = loaded.MatchById(t->LastMatchId);
            ASSERT_NE(planned, nullptr);
            EXPECT_EQ(planned->Comments, QStringLiteral("Postponed\r\nnew date later\r\n"));
            EXPECT_EQ(planned->Temperature, -7);
            const TTeam* a1 = loaded.JointTable().TeamByName(QStringLiteral("A1"));
            EXPECT_TRUE(a1->SeparateBackground);
            EXPECT_EQ(a1->BackgroundColor, 0x00FFFF);
            EXPECT_TRUE(a1->UpperCase);
            EXPECT_TRUE(a1->Font.Bold);
        }
    }
}

// A team's added points, goals for and goals against are three values apart: each reads back
// in its own place, and the file holds them in the team line's order.
TEST_F(TournamentFile, AddedGoalsForAndAgainstReadBackApart) {
    auto t = Rich(SportSoccer, false);
    TTeam* a1 = t->JointTable().TeamByName(QStringLiteral("A1"));
    a1->AddedPoints = -2;
    a1->AddedGoalsFor = 7;
    a1->AddedGoalsAgainst = -4.5;
    const QByteArray bytes = TournamentBytes(*t);
    // The team line: id, group, order number, then points, goals for, goals against.
    bool found = false;
    for (const QByteArray& line : bytes.split('\n')) {
        const QList<QByteArray> v = line.simplified().split(' ');
        if (v.size() < 11 || v[0].toInt() != a1->Id || v[1].toInt() != a1->GroupId ||
            v[2].toInt() != a1->OrderNumber || v[3].toDouble() != -2)
            continue;
        found = true;
        EXPECT_EQ(v[4].toDouble(), 7);
        EXPECT_EQ(v[5].toDouble(), -4.5);
    }
    EXPECT_TRUE(found) << bytes.toStdString();
    TTournament loaded(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(ReadTournamentBytes(loaded, bytes, QStringLiteral("x")));
    const TTeam* back = loaded.JointTable().TeamByName(QStringLiteral("A1"));
    EXPECT_EQ(back->AddedPoints, -2);
    EXPECT_EQ(back->AddedGoalsFor, 7);
    EXPECT_EQ(back->AddedGoalsAgainst, -4.5);
}

TEST_F(TournamentFile, ChessHalvesAndPeriodsReadBack) {
    auto t = Rich(SportChess, false);
    TTournament loaded(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(ReadTournamentBytes(loaded, TournamentBytes(*t), QStringLiteral("x")));
    EXPECT_EQ(loaded.MatchAt(0)->HomeScore, 0.5);
    EXPECT_EQ(loaded.MatchAt(0)->VisitorScore, 0.5);
    auto hockey = Rich(SportHockey, true);
    TTournament back(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(ReadTournamentBytes(back, TournamentBytes(*hockey), QStringLiteral("x")));
    const auto* m = dynamic_cast<const TGMatch*>(back.MatchAt(0));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->PeriodCount(), 4);
    EXPECT_EQ(m->DecidedIn, 1);
    EXPECT_TRUE(back.ShootOuts);
    EXPECT_EQ(back.MatchAt(1)->TechnicalLoss, 2);
    EXPECT_TRUE(back.RankLeadersUp);
    EXPECT_EQ(back.Conferences().size(), 2u);
    EXPECT_EQ(back.ConferenceById(0)->Divisions().size(), 2u);
}

TEST_F(TournamentFile, EmptyCommentsAreOneEmptyLine) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    RecomputeAll(*t);
    const QByteArray bytes = TournamentBytes(*t);
    EXPECT_TRUE(bytes.endsWith("0\r\n0\r\n1\r\n\r\n")) << bytes.right(20).toStdString();
    TTournament loaded(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(ReadTournamentBytes(loaded, bytes, QStringLiteral("x")));
    EXPECT_EQ(loaded.Comments, QString());
}

TEST_F(TournamentFile, HandWrittenFilesFollowTheReadingRules) {
    const auto load = [&](const char* name, TIoResult* r = nullptr) {
        return Load(kvtest::DataPath(QStringLiteral("files/") + QLatin1String(name)), r);
    };
    auto small = load("small.kvd");
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->Name, QStringLiteral("Small Cup"));
    EXPECT_EQ(small->MatchCount(), 3);
    EXPECT_EQ(small->JointTable().Name, QStringLiteral("Team"));
    EXPECT_EQ(small->JointTable().Teams().front()->Name, QStringLiteral("Ajax"));

    TIoResult r;
    EXPECT_EQ(load("magic-trailing-blank.kvd", &r), nullptr);
    EXPECT_EQ(r.Message,
              QStringLiteral("File 'magic-trailing-blank.kvd' is not a valid Kelvorandine file"));
    EXPECT_EQ(load("version-1.9.kvd", &r), nullptr);
    EXPECT_EQ(
        r.Message,
        QStringLiteral("File 'version-1.9.kvd' was created in a newer version of the program"));
    EXPECT_EQ(load("version-2.1.kvd", &r), nullptr);
    EXPECT_EQ(
        r.Message,
        QStringLiteral("File 'version-2.1.kvd' was created in a newer version of the program"));

    auto six = load("view-six-values.kvd");
    ASSERT_NE(six, nullptr);
    EXPECT_FALSE(six->View.ShowSymbol);
    EXPECT_EQ(six->MatchCount(), 3);
    auto nine = load("view-nine-values.kvd");
    EXPECT_TRUE(nine->View.ShowSymbol && nine->View.ShowCity && nine->View.ShowCountry);

    auto rules = load("rules-fourteenth-differs.kvd");
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->DrawPoints, 1);

    auto basketball = load("basketball-overtime-off.kvd");
    ASSERT_NE(basketball, nullptr);
    EXPECT_EQ(basketball->Sport, SportBasketball);
    EXPECT_TRUE(basketball->Overtime);

    auto other = load("sport-13.kvd");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->Sport, SportOther);
    EXPECT_EQ(other->MatchCount(), 3);

    auto duplicate = load("duplicate-pair-and-leg.kvd");
    ASSERT_NE(duplicate, nullptr);
    EXPECT_EQ(duplicate->MatchCount(), 2);

    auto oneLeg = load("one-leg.kvd");
    ASSERT_NE(oneLeg, nullptr);
    EXPECT_FALSE(oneLeg->JointTable().Style.MarkHomeMatches);
    EXPECT_FALSE(oneLeg->GroupAt(0)->Style.MarkHomeMatches);
    EXPECT_TRUE(small->GroupAt(0)->Style.MarkHomeMatches);

    EXPECT_EQ(load("truncated.kvd", &r), nullptr);
    EXPECT_EQ(r.Message, QStringLiteral("Error opening tournament. Wrong file format"));
    EXPECT_GT(r.Line, 70);
}

TEST_F(TournamentFile, SavingKeepsABackupAndFailuresKeepTheOldFile) {
    QDir().mkpath(SavesFolder());
    auto t = Rich(SportSoccer, false);
    const QString path = t->FileName;
    ASSERT_TRUE(SaveTournament(*t));
    const QByteArray first = ReadFile(path);
    t->Name = QStringLiteral("Renamed");
    t->IsModified = true;
    ASSERT_TRUE(SaveTournament(*t));
    EXPECT_FALSE(t->IsModified);
    EXPECT_EQ(ReadFile(ChangeFileExt(path, QStringLiteral(".bak"))), first);
    const QByteArray second = ReadFile(path);
    // The folder becomes unwritable: the save fails and the file is untouched.
    QFile::setPermissions(SavesFolder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    t->Name = QStringLiteral("Lost?");
    t->IsModified = true;
    const bool root = ::geteuid() == 0; // the superuser writes anywhere
    const TIoResult failed = SaveTournament(*t);
    QFile::setPermissions(SavesFolder(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!root) {
        EXPECT_FALSE(failed);
        EXPECT_TRUE(t->IsModified);
        EXPECT_EQ(ReadFile(path), second);
    }
    // A target that is a folder cannot be replaced: the same guarantees.
    QDir().mkpath(HomePath(QStringLiteral("SAVES/folder.kvd")));
    EXPECT_FALSE(SaveTournament(*t, HomePath(QStringLiteral("SAVES/folder.kvd")), true));
    RegWriteBool(QString(), QStringLiteral("Backup"), false);
    QFile::remove(ChangeFileExt(path, QStringLiteral(".bak")));
    ASSERT_TRUE(SaveTournament(*t));
    EXPECT_FALSE(QFileInfo::exists(ChangeFileExt(path, QStringLiteral(".bak"))));
}

TEST_F(TournamentFile, IdentityAndRename) {
    QDir().mkpath(SavesFolder());
    auto t = Rich(SportHockey, false);
    ASSERT_TRUE(SaveTournament(*t));
    QString name;
    int sport = -1;
    ASSERT_TRUE(ReadIdentity(t->FileName, name, sport));
    EXPECT_EQ(name, t->Name);
    EXPECT_EQ(sport, SportHockey);
    EXPECT_FALSE(ReadIdentity(HomePath(QStringLiteral("missing.kvd")), name, sport));
    ASSERT_TRUE(RenameInFile(t->FileName, QStringLiteral("New name")));
    ASSERT_TRUE(ReadIdentity(t->FileName, name, sport));
    EXPECT_EQ(name, QStringLiteral("New name"));
    const TIoResult missing =
        RenameInFile(HomePath(QStringLiteral("missing.kvd")), QStringLiteral("x"));
    EXPECT_EQ(missing.Message,
              QStringLiteral("File not found: %1").arg(HomePath(QStringLiteral("missing.kvd"))));
}

TEST_F(TournamentFile, DamagedFilesNeverCrash) {
    const QByteArray good = TournamentBytes(*Rich(SportBasketball, true));
    // Every prefix of the file is refused cleanly (or, at the very end, read).
    for (qsizetype cut = 0; cut < good.size(); cut += 7) {
        TTournament t(TTournamentDefaults::FromSettings());
        ReadTournamentBytes(t, good.left(cut), QStringLiteral("cut"));
    }
    // Huge counts do not allocate: they run into the end of the file.
    QByteArray hostile = good;
    hostile.replace("\r\n6\r\n", "\r\n2000000000\r\n");
    TTournament t(TTournamentDefaults::FromSettings());
    EXPECT_FALSE(ReadTournamentBytes(t, hostile, QStringLiteral("hostile")));
}

TEST_F(TournamentFile, TieRulesAreStoredOnlyWhenSet) {
    for (const bool conferences : {false, true}) {
        auto t = Rich(SportHockey, conferences);
        const QByteArray plain = TournamentBytes(*t);
        EXPECT_FALSE(plain.contains("Tie order"));
        // The rules line keeps its 21 values while no ranking option is set.
        const QList<QByteArray> lines = plain.split('\n');
        EXPECT_EQ(lines[3].simplified().split(' ').size(), 21);

        t->HeadToHeadStillLevel = true;
        const int a1 = kvtest::TeamId(*t, QStringLiteral("A1"));
        const int a2 = kvtest::TeamId(*t, QStringLiteral("A2"));
        t->GroupAt(0)->TieOrder = {a2, a1};
        t->JointTable().TieOrder = {a1};
        if (conferences)
            t->Conferences().back()->Table()->TieOrder = {kvtest::TeamId(*t, QStringLiteral("P2"))};
        const QByteArray marked = TournamentBytes(*t);
        EXPECT_EQ(marked.split('\n')[3].simplified().split(' ').size(), 22);
        ASSERT_TRUE(marked.contains("\r\nTie order\r\n"));
        TTournament loaded(TTournamentDefaults::FromSettings());
        ASSERT_TRUE(ReadTournamentBytes(loaded, marked, QStringLiteral("t.kvd")));
        EXPECT_TRUE(loaded.HeadToHeadStillLevel);
        EXPECT_EQ(loaded.GroupAt(0)->TieOrder, (std::vector<int>{a2, a1}));
        EXPECT_EQ(loaded.JointTable().TieOrder, std::vector<int>{a1});
        if (conferences) {
            EXPECT_EQ(loaded.Conferences().back()->Table()->TieOrder,
                      std::vector<int>{kvtest::TeamId(*t, QStringLiteral("P2"))});
            EXPECT_TRUE(loaded.Conferences().front()->Table()->TieOrder.empty());
        }
        EXPECT_EQ(loaded.Comments, t->Comments);
        EXPECT_EQ(TournamentBytes(loaded), marked);

        // Parts a later writer adds after them are passed over.
        TTournament later(TTournamentDefaults::FromSettings());
        ASSERT_TRUE(ReadTournamentBytes(later, plain + "Something newer\r\n3 4 5\r\n",
                                        QStringLiteral("t.kvd")));
        EXPECT_EQ(TournamentBytes(later), plain);
        // A damaged record is a damaged file, reported as such.
        TTournament damaged(TTournamentDefaults::FromSettings());
        EXPECT_FALSE(
            ReadTournamentBytes(damaged, plain + "Tie order\r\nx\r\n", QStringLiteral("t.kvd")));
    }
}

TEST_F(TournamentFile, RegulationAndOvertimeWinsColumnLoads) {
    auto t = Rich(SportHockey, false);
    ASSERT_TRUE(t->Overtime);
    const bool spare =
        std::any_of(t->SpareColumns.begin(), t->SpareColumns.end(),
                    [](const TTableColumn& c) { return c.Id == kColumnRegulationOvertimeWins; });
    EXPECT_TRUE(spare) << "a new hockey tournament with overtime offers ROW";
    std::erase_if(t->SpareColumns,
                  [](const TTableColumn& c) { return c.Id == kColumnRegulationOvertimeWins; });
    t->Columns.push_back({static_cast<int>(t->Columns.size()), kColumnRegulationOvertimeWins, 30});
    const QByteArray bytes = TournamentBytes(*t);
    TTournament loaded(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(ReadTournamentBytes(loaded, bytes, QStringLiteral("t.kvd")));
    EXPECT_EQ(loaded.Columns.back().Id, kColumnRegulationOvertimeWins);
    EXPECT_EQ(TournamentBytes(loaded), bytes);
}
