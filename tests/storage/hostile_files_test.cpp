// Files from someone else: a tournament or a list that asks for absurd sizes, nests too deep,
// names files outside the program's folder or carries very long lines is refused with the
// program's message or read within bounds, and nothing outside the saves folder is touched.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/fileio.h"
#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"

#include <QFile>

using namespace kv;

namespace {

class HostileFiles : public kvtest::TTempHome {
protected:
    static std::unique_ptr<TTournament> League(int teams) {
        QStringList names;
        for (int i = 0; i < teams; ++i)
            names << QStringLiteral("Team %1").arg(i + 1);
        auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("League"), names}});
        t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
        ResetColumns(*t);
        return t;
    }
    // Writes the tournament as it stands and reads it back.
    TIoResult RoundTrip(TTournament& t, TTournament& back) {
        const QString path = HomePath(QStringLiteral("hostile.kvd"));
        EXPECT_TRUE(SaveTournament(t, path, false).Ok);
        return LoadTournament(back, path);
    }
    static bool WrongFormat(const TIoResult& r) {
        return !r.Ok && r.Message == QStringLiteral("Error opening tournament. Wrong file format");
    }
};

} // namespace

TEST_F(HostileFiles, AbsurdSizesInATournamentAreRefused) {
    {
        auto t = League(4);
        t->GroupLegs = 40; // every per-leg list and table would be forty deep
        TTournament back(TTournamentDefaults::FromSettings());
        EXPECT_TRUE(WrongFormat(RoundTrip(*t, back)));
    }
    {
        auto t = League(4);
        t->GroupAt(0)->Legs = 100000;
        TTournament back(TTournamentDefaults::FromSettings());
        EXPECT_TRUE(WrongFormat(RoundTrip(*t, back)));
    }
    {
        auto t = League(kMaxTeams + 1);
        TTournament back(TTournamentDefaults::FromSettings());
        EXPECT_TRUE(WrongFormat(RoundTrip(*t, back)));
    }
    {
        auto t = League(kMaxTeams); // the largest legal one reads
        TTournament back(TTournamentDefaults::FromSettings());
        EXPECT_TRUE(RoundTrip(*t, back).Ok);
        EXPECT_EQ(back.TeamCount(), kMaxTeams);
    }
    {
        // A line of more than a megabyte is no line of this format.
        auto t = League(4);
        t->Name = QString(2 << 20, QLatin1Char('x'));
        TTournament back(TTournamentDefaults::FromSettings());
        EXPECT_TRUE(WrongFormat(RoundTrip(*t, back)));
    }
}

TEST_F(HostileFiles, OddValuesAreReadWithinBounds) {
    auto t = League(4);
    t->Comments = QString(2 << 20, QLatin1Char('c')); // a pasted comment may be that long
    t->Dimensions.LineFactor = 1e9;
    const TSortColumn points = t->SortCriteria.front();
    for (int i = 0; i < 1000; ++i)
        t->SortCriteria.push_back(points); // the same criterion again and again
    TTournament back(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(RoundTrip(*t, back).Ok);
    EXPECT_EQ(back.Dimensions.LineFactor, 10.0);
    EXPECT_EQ(back.SortCriteria.size(), 1u);
    EXPECT_EQ(back.Comments.size(), 2 << 20);
}

TEST_F(HostileFiles, AFileTooLargeIsRefusedBeforeItIsRead) {
    const QString path = HomePath(QStringLiteral("huge.kvd"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kMaxInputFileBytes + 1)); // sparse: no disk is used
    f.close();
    TTournament t(TTournamentDefaults::FromSettings());
    const TIoResult r = LoadTournament(t, path);
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Message.contains(QStringLiteral("is too large (more than 64 MB)")))
        << r.Message.toStdString();
    TTournamentList list;
    EXPECT_FALSE(list.Load(path).Ok);
}

TEST_F(HostileFiles, AListNamesFilesOnlyInsideTheSavesFolder) {
    TTournamentList list;
    ASSERT_TRUE(list.FromBytes("R\xB6\xB6\xB6\xB6\xB6\xB6"
                               "0\xB6\xB6\xB6"
                               "0\r\n\tEvil\xB6\xB6\xB6../../../etc/passwd\xB6\xB6\xB6"
                               "1\xB6\xB6\xB6"
                               "0\r\n")
                    .Ok);
    EXPECT_EQ(list.NodeAt(1)->Data.FilePath, TTournamentList::SavesPath(QStringLiteral("passwd")));
    TTournamentList old;
    old.OldListFromBytes("Root\r\n-1 0 0\r\n\r\nEvil\r\n0 0 1\r\n/tmp/elsewhere.kvd\r\n");
    EXPECT_EQ(old.NodeAt(1)->Data.FilePath,
              TTournamentList::SavesPath(QStringLiteral("elsewhere.kvd")));
}

TEST_F(HostileFiles, DeepNestingIsFlattened) {
    // Each line one level deeper: what lies beyond 64 levels is kept at the 64th, and the
    // lines after it are read as well.
    QByteArray deep("R\xB6\xB6\xB6\xB6\xB6\xB6"
                    "0\xB6\xB6\xB6"
                    "0\r\n");
    for (int level = 1; level <= 200; ++level)
        deep += QByteArray(level, '\t') + "F\xB6\xB6\xB6\xB6\xB6\xB6" + "0\xB6\xB6\xB6" + "0\r\n";
    deep += "\tLast\xB6\xB6\xB6\xB6\xB6\xB6"
            "0\xB6\xB6\xB6"
            "0\r\n";
    TTournamentList list;
    ASSERT_TRUE(list.FromBytes(deep).Ok);
    EXPECT_EQ(list.Count(), 202);
    const auto depthOf = [](const TListNode* n) {
        int depth = 0;
        for (const TListNode* p = n->Parent; p; p = p->Parent)
            ++depth;
        return depth;
    };
    int deepest = 0;
    for (const TListNode* n : list.Nodes())
        deepest = std::max(deepest, depthOf(n));
    EXPECT_EQ(deepest, 64);
    // The old list names parents by number: a chain of 100,000 folders is kept, no deeper
    // than 64, and writes out as a list of bounded size.
    QByteArray chain("Root\r\n-1 0 0\r\n\r\n");
    for (int i = 0; i < 100000; ++i)
        chain += "F\r\n" + QByteArray::number(i) + " 0 0\r\n\r\n";
    TTournamentList old;
    old.OldListFromBytes(chain);
    EXPECT_EQ(old.Count(), 100001);
    deepest = 0;
    for (const TListNode* n : old.Nodes())
        deepest = std::max(deepest, depthOf(n));
    EXPECT_LE(deepest, 64);
    EXPECT_LT(old.ToBytes().size(), 100001 * 80);
}
