// Whatever the program writes, it reads back as it was: every kind of file (tournament, list,
// sort schemes, column sets, table and place styles, stadium and referee lists) written with
// random names made of the characters that trouble text files (leading and trailing blanks,
// separators, the list file's pilcrow, tabs, quotes, text in other scripts) and of the longest
// lengths allowed.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/programfolder.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/named_files.h"
#include "storage/people_lists.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"

#include <QDir>
#include <QLocale>

#include <random>
#include <set>

using namespace kv;

namespace {

// Names made of awkward pieces, up to `longest` characters.
class TNames {
public:
    explicit TNames(unsigned seed) : random_(seed) {}

    QString Next(int longest, bool forFile = false) {
        static const QStringList pieces = {
            QStringLiteral(" "),      QStringLiteral("  "),    QStringLiteral("\t"),
            QStringLiteral("¶"),      QStringLiteral("¶¶¶"),   QStringLiteral("\""),
            QStringLiteral("'"),      QStringLiteral(";"),     QStringLiteral(","),
            QStringLiteral("|"),      QStringLiteral("="),     QStringLiteral("Жальгирис"),
            QStringLiteral("東京"),   QStringLiteral("Ærø"),   QStringLiteral("ß"),
            QStringLiteral("🏒"),   QStringLiteral("Ωmega"), QStringLiteral("FC"),
            QStringLiteral("United"), QStringLiteral("1908"),  QStringLiteral("\\"),
            QStringLiteral("%s"),     QStringLiteral("&amp;"), QStringLiteral("<b>")};
        static const QStringList fileUnsafe = {QStringLiteral("\""), QStringLiteral("|"),
                                               QStringLiteral("\\"), QStringLiteral("<b>")};
        QString name;
        const int pieceCount = Pick(1, 8);
        for (int i = 0; i < pieceCount; ++i) {
            QString piece = pieces[Pick(0, static_cast<int>(pieces.size()) - 1)];
            if (forFile && (fileUnsafe.contains(piece) || piece.contains(QLatin1Char('\t'))))
                continue;
            name += piece;
        }
        // Now and then a name of the longest length allowed.
        if (Pick(0, 3) == 0)
            while (name.size() < longest)
                name += name.isEmpty() ? QStringLiteral("x") : name;
        name = name.left(longest);
        // A name never ends inside a surrogate pair, and holds something besides blanks.
        if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
        if (name.trimmed().isEmpty()) name += QStringLiteral("Ω");
        if (forFile) { // what a file name cannot hold at its ends
            while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
                name.chop(1);
            if (name.isEmpty()) name = QStringLiteral("Ω");
        }
        return name.left(longest);
    }
    // A name no earlier one has, ignoring case.
    QString Unique(int longest) {
        for (;;) {
            const QString name = Next(longest);
            if (used_.insert(QLocale().toUpper(name)).second) return name;
        }
    }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::mt19937 random_;
    std::set<QString> used_;
};

class RoundTrip : public kvtest::TTempHome {};

constexpr int kRuns = 40;

} // namespace

TEST_F(RoundTrip, TournamentFiles) {
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE(run);
        TNames names(static_cast<unsigned>(1000 + run));
        const bool conferences = run % 2 == 1;
        std::vector<kvtest::TGroupSpec> groups;
        for (int g = 0; g < 3; ++g) {
            kvtest::TGroupSpec spec{names.Next(TTeam::kNameCapacity), {}, conferences ? g % 2 : -1};
            for (int i = 0; i < 3; ++i)
                spec.Teams << names.Unique(TTeam::kNameCapacity);
            groups.push_back(spec);
        }
        auto t = kvtest::MakeTournament(SportHockey, 2, groups, conferences ? 1 : -1,
                                        conferences ? 1 : -1);
        t->Name = names.Next(100);
        t->Comments = names.Next(200) + QStringLiteral("\r\n") + names.Next(200);
        for (const auto& c : t->Conferences())
            c->Name = names.Next(TTeam::kNameCapacity);
        for (TTeam* team : t->JointTable().Teams()) {
            team->Symbol = names.Next(TTeam::kSymbolCapacity);
            team->City = names.Next(TTeam::kTextCapacity);
            team->Country = names.Next(TTeam::kTextCapacity);
            team->MainCoach = names.Next(TTeam::kTextCapacity);
            team->President = names.Next(TTeam::kTextCapacity);
        }
        t->AddStadium(names.Next(TTeam::kNameCapacity), names.Next(TTeam::kTextCapacity),
                      names.Next(TTeam::kTextCapacity), 900);
        t->AddReferee(names.Next(TTeam::kNameCapacity), names.Next(TTeam::kTextCapacity),
                      names.Next(TTeam::kTextCapacity), 1970);
        const TTeam* a = t->JointTable().Teams().front();
        const TTeam* b = t->GroupOfTeam(a->Id)->Teams().back();
        TMatch* m = kvtest::AddResult(*t, a->Name, b->Name, QStringLiteral("2:1"));
        ASSERT_NE(m, nullptr);
        m->Comments = names.Next(100);
        t->JointTable().Style.Font.Name = names.Next(TTeam::kNameCapacity);
        RecomputeAll(*t);

        const QByteArray bytes = TournamentBytes(*t);
        TTournament back(TTournamentDefaults::FromSettings());
        const TIoResult read = ReadTournamentBytes(back, bytes, QStringLiteral("random.kvd"));
        ASSERT_TRUE(read) << qPrintable(read.Message);
        EXPECT_EQ(TournamentBytes(back), bytes);
        EXPECT_EQ(back.Name, t->Name);
        EXPECT_EQ(back.Comments, t->Comments);
        ASSERT_EQ(back.TeamCount(), t->TeamCount());
        for (const TTeam* team : t->JointTable().Teams()) {
            const TTeam* other = back.TeamById(team->Id);
            ASSERT_NE(other, nullptr);
            EXPECT_EQ(other->Name, team->Name);
            EXPECT_EQ(other->Symbol, team->Symbol);
            EXPECT_EQ(other->City, team->City);
            EXPECT_EQ(other->Country, team->Country);
            EXPECT_EQ(other->MainCoach, team->MainCoach);
            EXPECT_EQ(other->President, team->President);
        }
        for (size_t i = 0; i < t->Groups().size(); ++i)
            EXPECT_EQ(back.Groups()[i]->Name, t->Groups()[i]->Name);
        for (size_t i = 0; i < t->Conferences().size(); ++i)
            EXPECT_EQ(back.Conferences()[i]->Name, t->Conferences()[i]->Name);
        EXPECT_EQ(back.Stadiums.front().Name, t->Stadiums.front().Name);
        EXPECT_EQ(back.Stadiums.front().City, t->Stadiums.front().City);
        EXPECT_EQ(back.Referees.front().Country, t->Referees.front().Country);
        EXPECT_EQ(back.MatchById(m->Id)->Comments, m->Comments);
        EXPECT_EQ(back.JointTable().Style.Font.Name, t->JointTable().Style.Font.Name);
        // The name as the list reads it from the file's head.
        const QString path = HomePath(QStringLiteral("random.kvd"));
        WriteFile(path, bytes);
        QString name;
        int sport = -1;
        ASSERT_TRUE(ReadIdentity(path, name, sport));
        EXPECT_EQ(name, t->Name);
    }
}

TEST_F(RoundTrip, TournamentLists) {
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE(run);
        TNames names(static_cast<unsigned>(2000 + run));
        TTournamentList list;
        list.AutoSort = names.Pick(0, 1) == 1;
        std::vector<TListNode*> folders{list.Root()};
        for (int i = 0; i < 25; ++i) {
            TListNode* at =
                folders[static_cast<size_t>(names.Pick(0, static_cast<int>(folders.size()) - 1))];
            if (names.Pick(0, 2) == 0) {
                folders.push_back(list.AddEntry(at, {NodeFolder, 0, names.Next(100), QString()}));
            } else {
                list.AddEntry(at, {NodeTournament, names.Pick(0, 12), names.Unique(100),
                                   TTournamentList::SavesPath(names.Next(40, true) +
                                                              QStringLiteral(".kvd"))});
            }
        }
        const QByteArray bytes = list.ToBytes();
        TTournamentList back;
        back.AutoSort = false;
        const TListResult read = back.FromBytes(bytes);
        ASSERT_TRUE(read.Ok) << qPrintable(read.Message);
        list.Sort(); // reading sorts the list
        const std::vector<TListNode*> before = list.Nodes();
        const std::vector<TListNode*> after = back.Nodes();
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 1; i < before.size(); ++i) {
            EXPECT_EQ(after[i]->Data.Name, before[i]->Data.Name) << i;
            EXPECT_EQ(after[i]->Data.Kind, before[i]->Data.Kind) << i;
            EXPECT_EQ(after[i]->Data.Sport, before[i]->Data.Sport) << i;
            EXPECT_EQ(after[i]->Data.FilePath, before[i]->Data.FilePath) << i;
            EXPECT_EQ(back.PositionOf(after[i]->Parent), list.PositionOf(before[i]->Parent)) << i;
        }
        EXPECT_EQ(back.ToBytes(), list.ToBytes());
    }
}

// Sort schemes and column sets are named by their files: the name chosen comes back from the
// folder, with what the file holds.
TEST_F(RoundTrip, SchemesAndColumnSetsByTheirNames) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    ResetColumns(*t);
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE(run);
        TNames names(static_cast<unsigned>(3000 + run));
        const QString name = names.Next(60, true);
        ASSERT_TRUE(CheckFileName(name).isEmpty()) << qPrintable(name);
        std::vector<TSortColumn> criteria = OfferedCriteria(SportSoccer, false);
        std::shuffle(criteria.begin(), criteria.end(), std::mt19937(static_cast<unsigned>(run)));
        criteria.resize(static_cast<size_t>(names.Pick(1, static_cast<int>(criteria.size()))));
        const QString scheme = SortSchemePath(name, SportSoccer);
        QDir().mkpath(QFileInfo(scheme).absolutePath());
        ASSERT_TRUE(SaveSortScheme(scheme, criteria));
        EXPECT_TRUE(NamedFiles(QFileInfo(scheme).absolutePath(), SortSchemeExtension(SportSoccer))
                        .contains(name))
            << qPrintable(name);
        std::vector<TSortColumn> read;
        ASSERT_TRUE(LoadSortScheme(scheme, SportSoccer, read));
        ASSERT_EQ(read.size(), criteria.size());
        for (size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].Column, criteria[i].Column);
            EXPECT_EQ(read[i].Scope, criteria[i].Scope);
        }
        std::vector<int> columns;
        for (const TTableColumn& c : t->SpareColumns)
            if (names.Pick(0, 1) == 1) columns.push_back(c.Id);
        for (const TTableColumn& c : t->Columns)
            if (names.Pick(0, 1) == 1) columns.push_back(c.Id);
        const QString set = ColumnSetPath(name, SportSoccer);
        QDir().mkpath(QFileInfo(set).absolutePath());
        ASSERT_TRUE(SaveColumnSet(set, columns));
        EXPECT_TRUE(ColumnSetNames(SportSoccer).contains(name)) << qPrintable(name);
        std::vector<TTableColumn> shown, spare;
        ASSERT_TRUE(LoadColumnSet(set, *t, shown, spare));
        ASSERT_EQ(shown.size(), columns.size());
        for (size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i].Id, columns[i]);
    }
}

TEST_F(RoundTrip, TableAndPlaceStyles) {
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE(run);
        TNames names(static_cast<unsigned>(4000 + run));
        TGroupStyle style;
        style.Font.Name = names.Next(TTeam::kNameCapacity);
        style.Font.Size = names.Pick(6, 20);
        style.HeaderFont.Name = names.Next(TTeam::kNameCapacity);
        style.ResultsFont.Name = names.Next(TTeam::kNameCapacity);
        style.HasBGColor = names.Pick(0, 1) == 1;
        style.BGColor = static_cast<TColor>(names.Pick(0, 0xFFFFFF));
        const QString path = TableStylePath(names.Next(60, true));
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(SaveTableStyle(path, style));
        TGroupStyle back;
        ASSERT_TRUE(LoadTableStyle(path, back));
        EXPECT_TRUE(back == style);
        EXPECT_EQ(TableStyleBytes(back), TableStyleBytes(style));
        // A place style holds what a place changes: its font's colour and styles (the face and
        // size are the table's), upper case, and its background.
        std::vector<TPlaceFont> places(static_cast<size_t>(names.Pick(1, 8)));
        for (TPlaceFont& p : places) {
            p.HasFont = names.Pick(0, 1) == 1;
            if (p.HasFont) {
                p.Font.Color = static_cast<TColor>(names.Pick(0, 0xFFFFFF));
                p.Font.Bold = names.Pick(0, 1) == 1;
                p.Font.Italic = names.Pick(0, 1) == 1;
                p.Font.Underline = names.Pick(0, 1) == 1;
                p.Font.StrikeOut = names.Pick(0, 1) == 1;
                p.UpperCase = names.Pick(0, 1) == 1;
            }
            p.HasColor = names.Pick(0, 1) == 1;
            p.Color = static_cast<TColor>(names.Pick(0, 0xFFFFFF));
        }
        const QString placePath = PlaceStylePath(names.Next(60, true));
        ASSERT_TRUE(SavePlaceStyle(placePath, places));
        std::vector<TPlaceFont> placesBack;
        ASSERT_TRUE(LoadPlaceStyle(placePath, placesBack));
        EXPECT_TRUE(placesBack == places);
    }
}

TEST_F(RoundTrip, StadiumAndRefereeLists) {
    for (int run = 0; run < kRuns; ++run) {
        SCOPED_TRACE(run);
        TNames names(static_cast<unsigned>(5000 + run));
        for (const TPeopleKind kind : {TPeopleKind::Stadiums, TPeopleKind::Referees}) {
            std::vector<TPersonEntry> entries;
            for (int i = 0; i < 6; ++i)
                entries.push_back({i, names.Unique(TTeam::kNameCapacity),
                                   names.Next(TTeam::kTextCapacity),
                                   names.Next(TTeam::kTextCapacity), names.Pick(-1, 90000)});
            TTournament empty(TTournamentDefaults::FromSettings());
            TPeopleEditor editor(kind, empty);
            const TPeopleLoad load = LoadPeopleListBytes(PeopleListBytes(kind, entries), editor);
            ASSERT_TRUE(load.Ok) << qPrintable(load.Error);
            ASSERT_EQ(editor.Entries().size(), entries.size());
            for (size_t i = 0; i < entries.size(); ++i) {
                EXPECT_EQ(editor.Entries()[i].Name, entries[i].Name);
                EXPECT_EQ(editor.Entries()[i].Country, entries[i].Country);
                EXPECT_EQ(editor.Entries()[i].City, entries[i].City);
                EXPECT_EQ(editor.Entries()[i].Number, entries[i].Number);
            }
        }
    }
}
