// kvtool for whole seasons: the sport's own points default, points rules by name, the
// head-to-head rule, recorded orders of level teams, the reasons behind each place, and the
// pairs that may meet.
#include "cli/kvtool_support.h"

#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"
#include "support/builders.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using kvtest::Kvtool;
using kvtest::TRun;

namespace {

QStringList A(std::initializer_list<const char*> words) {
    QStringList out;
    for (const char* w : words)
        out << QString::fromUtf8(w);
    return out;
}

class KvtoolRules : public kvtest::TTempHome {
protected:
    QString Path(const char* name) { return HomePath(QLatin1String(name)); }

    TRun New(const char* file, const QStringList& more) {
        return Kvtool(QStringList{QStringLiteral("new"), Path(file), QStringLiteral("--name"),
                                  QStringLiteral("T")} +
                      more);
    }
    TRun Import(const char* file, const char* csv, const char* columns = "home,visitor,score") {
        WriteFile(Path("rows.csv"), csv);
        return Kvtool({QStringLiteral("import-csv"), Path(file), Path("rows.csv"),
                       QStringLiteral("--columns"), QLatin1String(columns)});
    }
    QStringList Teams(const char* file, const QStringList& more = {}) {
        const TRun r = Kvtool(QStringList{QStringLiteral("standings"), Path(file),
                                          QStringLiteral("--format"), QStringLiteral("json")} +
                              more);
        EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
        QStringList names;
        const QJsonArray rows = QJsonDocument::fromJson(r.Out.toUtf8())
                                    .array()[0]
                                    .toObject()[QStringLiteral("rows")]
                                    .toArray();
        for (const auto& row : rows)
            names << row.toObject()[QStringLiteral("team")].toString();
        return names;
    }
};

} // namespace

TEST_F(KvtoolRules, TeamsOfDifferentGroupsDoNotMeet) {
    ASSERT_EQ(New("g.kvd",
                  A({"--sport", "soccer", "--legs", "2", "--group", "G1=A;B", "--group", "G2=C;D"}))
                  .Status,
              0);
    TRun r = Import("g.kvd", "A,C,1:0\nA,B,2:0\n");
    EXPECT_TRUE(r.Out.contains(
        QStringLiteral("row 1: Home and visitor teams must belong to the same group")))
        << r.Out.toStdString();
    EXPECT_TRUE(r.Out.endsWith(QStringLiteral("1 added, 1 failed\n")));
    r = Kvtool({QStringLiteral("check"), Path("g.kvd")});
    EXPECT_TRUE(r.Out.contains(QStringLiteral("legs: 2 0 0")));
    EXPECT_EQ(r.Status, 0);

    // An older file stores group legs between groups and holds such a match: it still loads,
    // and check names the match.
    auto t = kvtest::MakeTournament(
        kv::SportSoccer, 2,
        {{QStringLiteral("G1"), {QStringLiteral("A"), QStringLiteral("B")}},
         {QStringLiteral("G2"), {QStringLiteral("C"), QStringLiteral("D")}}});
    auto m = kv::CreateMatch(kv::SportSoccer, -1, 0, 2, 1);
    ASSERT_TRUE(m->SetScoreText(QStringLiteral("1:0"), false).Ok);
    ASSERT_TRUE(t->AddMatch(m));
    ASSERT_TRUE(kv::SaveTournament(*t, Path("old.kvd"), false));
    r = Kvtool({QStringLiteral("check"), Path("old.kvd")});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(r.Out.contains(QStringLiteral("matches: 1 (1 played)")));
    EXPECT_TRUE(r.Out.contains(
        QStringLiteral("problem: match 0 is between teams of different groups ('G1' and 'G2')")))
        << r.Out.toStdString();
}

TEST_F(KvtoolRules, TheSportsOwnMainCriterionUnlessToldOtherwise) {
    const QStringList baseball =
        A({"--sport", "baseball", "--legs", "4", "--group", "G=Aces;Bats;Cubs"});
    ASSERT_EQ(New("bb.kvd", baseball).Status, 0);
    const char* games =
        "Aces,Bats,1:0\nBats,Aces,1:0\nAces,Cubs,1:0\nCubs,Aces,1:0\nBats,Cubs,1:0\n";
    ASSERT_EQ(Import("bb.kvd", games).Status, 0);
    // By percentage: Bats (2-1) above Aces (2-2).
    EXPECT_EQ(Teams("bb.kvd"), A({"Bats", "Aces", "Cubs"}));
    ASSERT_EQ(New("points.kvd", baseball + A({"--points"})).Status, 0);
    ASSERT_EQ(Import("points.kvd", games).Status, 0);
    EXPECT_EQ(Teams("points.kvd", A({"--columns", "40"})).first(),
              QStringLiteral("Aces")); // two wins each: by name
    EXPECT_EQ(New("both.kvd", baseball + A({"--points", "--no-points"})).Status, 1);
}

TEST_F(KvtoolRules, PointsRulesByName) {
    ASSERT_EQ(New("h.kvd", A({"--sport", "hockey", "--group", "G=Bears;Owls", "--rules",
                              "WinPoints=2,LossOTPoints=1", "--rules", "shootouts=1"}))
                  .Status,
              0);
    ASSERT_EQ(Import("h.kvd", "Bears,Owls,3:2 OT\nOwls,Bears,2:0\n").Status, 0);
    const TRun r = Kvtool({QStringLiteral("standings"), Path("h.kvd"), QStringLiteral("--columns"),
                           QStringLiteral("40")});
    // Owls: an overtime loss (1) and a win (2); Bears: an overtime win (3 by the sport's rule).
    EXPECT_TRUE(r.Out.contains(QStringLiteral("Bears    3"))) << r.Out.toStdString();
    EXPECT_TRUE(r.Out.contains(QStringLiteral("Owls     3"))) << r.Out.toStdString();
    kv::TTournament t(kv::TTournamentDefaults::FromSettings());
    ASSERT_TRUE(kv::LoadTournament(t, Path("h.kvd")));
    EXPECT_EQ(t.WinPoints, 2);
    EXPECT_EQ(t.LossOTPoints, 1);
    EXPECT_TRUE(t.ShootOuts);
    // Without overtime, the hidden overtime points follow the normal-time points.
    ASSERT_EQ(
        New("s.kvd", A({"--sport", "soccer", "--group", "G=A;B", "--rules", "WinPoints=2"})).Status,
        0);
    kv::TTournament soccer(kv::TTournamentDefaults::FromSettings());
    ASSERT_TRUE(kv::LoadTournament(soccer, Path("s.kvd")));
    EXPECT_EQ(soccer.WinPoints, 2);
    EXPECT_EQ(soccer.WinOTPoints, 2);
    EXPECT_EQ(soccer.WinSOPoints, 2);

    TRun bad = New("x.kvd", A({"--sport", "hockey", "--group", "G=A;B", "--rules", "WinPonts=2"}));
    EXPECT_EQ(bad.Status, 1);
    EXPECT_TRUE(bad.Err.contains(QStringLiteral("unknown rule 'WinPonts'")))
        << bad.Err.toStdString();
    bad = New("x.kvd", A({"--sport", "hockey", "--group", "G=A;B", "--rules", "DrawPoints=lots"}));
    EXPECT_TRUE(
        bad.Err.contains(QStringLiteral("DrawPoints takes a number from 0 to 9, not 'lots'")));
    bad = New("x.kvd",
              A({"--sport", "hockey", "--group", "G=A;B", "--rules", "ForfeitWinScore=501"}));
    EXPECT_TRUE(bad.Err.contains(
        QStringLiteral("ForfeitWinScore takes a number from 0 to 500, not '501'")));
    bad = New("x.kvd", A({"--sport", "volleyball", "--group", "G=A;B", "--rules", "Overtime=1"}));
    EXPECT_TRUE(bad.Err.contains(QStringLiteral("Volleyball has no overtime")))
        << bad.Err.toStdString();
    bad = New("x.kvd", A({"--sport", "basketball", "--group", "G=A;B", "--rules", "ShootOuts=1"}));
    EXPECT_TRUE(bad.Err.contains(QStringLiteral("Basketball has no shoot-outs")))
        << bad.Err.toStdString();
    bad = New("x.kvd", A({"--sport", "basketball", "--group", "G=A;B", "--rules", "Overtime=0"}));
    EXPECT_TRUE(bad.Err.contains(QStringLiteral("Overtime is always on in Basketball")));
    bad = New("x.kvd", A({"--sport", "hockey", "--group", "G=A;B", "--rules", "ShootOuts"}));
    EXPECT_EQ(bad.Status, 1);
    EXPECT_FALSE(QFileInfo::exists(Path("x.kvd")));
}

TEST_F(KvtoolRules, HeadToHeadAmongTheTeamsStillLevelAndWhy) {
    const char* season = "B,A,2:0\nA,C,3:0\nC,B,1:0\nA,D,0:0\nB,D,0:0\nC,D,0:0\n";
    const QStringList spec =
        A({"--sport", "soccer", "--legs", "1", "--group", "G=A;B;C;D", "--criteria", "19,45,27"});
    ASSERT_EQ(New("level.kvd", spec).Status, 0);
    ASSERT_EQ(Import("level.kvd", season).Status, 0);
    EXPECT_EQ(Teams("level.kvd"), A({"A", "B", "C", "D"}));
    ASSERT_EQ(New("still.kvd", spec + A({"--head-to-head", "still-level"})).Status, 0);
    ASSERT_EQ(Import("still.kvd", season).Status, 0);
    EXPECT_EQ(Teams("still.kvd"), A({"B", "A", "C", "D"}));
    const TRun text =
        Kvtool({QStringLiteral("standings"), Path("still.kvd"), QStringLiteral("--explain")});
    EXPECT_TRUE(text.Out.contains(QStringLiteral("Points Obtained in Matches Played among Them: 3 "
                                                 "against 0 (among the 2 teams still level)")))
        << text.Out.toStdString();
    const TRun json =
        Kvtool({QStringLiteral("standings"), Path("still.kvd"), QStringLiteral("--explain"),
                QStringLiteral("--format"), QStringLiteral("json")});
    const QJsonArray rows = QJsonDocument::fromJson(json.Out.toUtf8())
                                .array()[0]
                                .toObject()[QStringLiteral("rows")]
                                .toArray();
    EXPECT_EQ(rows[1].toObject()[QStringLiteral("explain")].toString(),
              QStringLiteral("Goal Difference: +1 against -2"));
    EXPECT_EQ(rows[3].toObject()[QStringLiteral("explain")].toString(), QString());
    EXPECT_FALSE(Kvtool({QStringLiteral("standings"), Path("still.kvd")})
                     .Out.contains(QStringLiteral("against")));
    EXPECT_EQ(New("bad.kvd", spec + A({"--head-to-head", "sometimes"})).Status, 1);
}

TEST_F(KvtoolRules, RecordedOrderOfLevelTeams) {
    ASSERT_EQ(
        New("t.kvd", A({"--sport", "soccer", "--group", "G=Ajax;Bern;Cork", "--criteria", "19"}))
            .Status,
        0);
    ASSERT_EQ(Import("t.kvd", "Ajax,Cork,1:0\nBern,Cork,1:0\nAjax,Bern,0:0\n").Status, 0);
    EXPECT_EQ(Teams("t.kvd"), A({"Ajax", "Bern", "Cork"}));
    TRun r = Kvtool({QStringLiteral("tie-order"), Path("t.kvd"), QStringLiteral("--table"),
                     QStringLiteral("G"), QStringLiteral("Bern;Ajax")});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out.trimmed(), QStringLiteral("G: 2 teams in the recorded order"));
    EXPECT_EQ(Teams("t.kvd"), A({"Bern", "Ajax", "Cork"}));
    r = Kvtool({QStringLiteral("standings"), Path("t.kvd"), QStringLiteral("--explain")});
    EXPECT_TRUE(r.Out.contains(QStringLiteral("Level on every criterion: recorded order")));
    r = Kvtool({QStringLiteral("tie-order"), Path("t.kvd"), QStringLiteral("--table"),
                QStringLiteral("G"), QStringLiteral("Bern;Zed")});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Err.trimmed(), QStringLiteral("kvtool tie-order: Unknown team: Zed"));
    EXPECT_EQ(Kvtool({QStringLiteral("tie-order"), Path("t.kvd"), QStringLiteral("--table"),
                      QStringLiteral("H"), QStringLiteral("Bern")})
                  .Status,
              1);
    EXPECT_EQ(Kvtool({QStringLiteral("tie-order"), Path("t.kvd"), QStringLiteral("--table"),
                      QStringLiteral("G"), QStringLiteral("Bern;Bern")})
                  .Status,
              1);
    EXPECT_EQ(Teams("t.kvd"), A({"Bern", "Ajax", "Cork"})) << "a refused call changes nothing";
    ASSERT_EQ(Kvtool({QStringLiteral("tie-order"), Path("t.kvd"), QStringLiteral("--table"),
                      QStringLiteral("group:0"), QString()})
                  .Status,
              0);
    EXPECT_EQ(Teams("t.kvd"), A({"Ajax", "Bern", "Cork"}));
}
