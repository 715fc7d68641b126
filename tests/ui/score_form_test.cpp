// The score dialog on the real windows: a click on a results cell, typed fields, the checks
// in their order with their pages, adding, changing, emptying and deleting matches, and undo.
#include "edit/editor.h"
#include "ui/kvtool_run.h"
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "render/table_hit.h"
#include "standings/column_catalog.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"
#include "ui/fixtures/match_leg_form.h"
#include "ui/fixtures/match_list_form.h"
#include "ui/fixtures/match_row_form.h"
#include "ui/fixtures/score_form.h"
#include "ui/shell/main_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"

#include "base/formats.h"
#include "base/settings.h"
#include "base/textformat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

using namespace kv;

namespace {

class ScoreForm : public kvtest::TMainWindowTest {
protected:
    static QLineEdit* Edit(TScoreForm& f, const char* name) {
        return f.findChild<QLineEdit*>(QLatin1String(name));
    }
    static int Id(const TTournament& t, const char* name) {
        return t.JointTable().TeamByName(QLatin1String(name))->Id;
    }
};

} // namespace

TEST_F(ScoreForm, AClickOnAnEmptyCellEntersAScore) {
    TTournamentForm* form = Open("volleyball.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    const TTournament& before = form->Document().Tournament();
    const TGroup& g = *page.TableAt(0);
    // The first empty cell of the first row.
    const TGridCells cells(g);
    int column = -1;
    for (int c = 1; c < g.TeamCount() && column < 0; ++c)
        if (!cells.At(g.Teams()[0]->Id, g.Teams()[static_cast<size_t>(c)]->Id, 1)) column = c;
    ASSERT_GT(column, 0);
    const QString home = g.Teams()[0]->Name;
    const int played = before.MatchCount();
    QTimer::singleShot(0, [&] {
        TScoreForm& dialog = page.ScoreForm();
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LeftTeamLabel"))->text(), home);
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LeftCaptionLabel"))->text(),
                  QStringLiteral("Holders"));
        EXPECT_TRUE(dialog.windowTitle().startsWith(QStringLiteral("Leg 1. ") + home +
                                                    QStringLiteral(" vs ")));
        EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("DeleteBtn"))->isEnabled())
            << "a new match";
        QLineEdit* score = Edit(dialog, "ScoreEdit");
        score->setFocus();
        QTest::keyClicks(score, QStringLiteral("3:1"));
        EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("ApplyBtn"))->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    page.ClickAt(page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), 0, column, 1)));
    const TTournament& t = form->Document().Tournament();
    EXPECT_EQ(t.MatchCount(), played + 1);
    EXPECT_TRUE(form->Document().IsModified());
    EXPECT_TRUE(main_->Command(TCommandId::Undo)
                    ->text()
                    .startsWith(QStringLiteral("&Undo Score 3:1 ") + home));
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(form->Document().Tournament().MatchCount(), played);
}

TEST_F(ScoreForm, ChecksInTheirOrderWithTheirPages) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TScoreForm dialog(Dialogs, form);
    const TTournament& t = doc.Tournament();
    dialog.OpenNew(doc, Id(t, "Capital Comets"), Id(t, "Harbor Hawks"), 2, 1, 0);
    Edit(dialog, "ScoreEdit")->setText(QStringLiteral("80:80"));
    EXPECT_FALSE(dialog.ApplyChanges());
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(dialog.Page(), 0);
    // Letters cannot be typed into the number, but a pasted one is refused on OK on its page.
    Edit(dialog, "ScoreEdit")->setText(QStringLiteral("80:78"));
    QLineEdit* number = Edit(dialog, "NumberEdit");
    QTest::keyClicks(number, QStringLiteral("1a2"));
    EXPECT_EQ(number->text(), QStringLiteral("12"));
    number->setText(QStringLiteral("12b"));
    EXPECT_FALSE(dialog.ApplyChanges());
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("'12b' is not a valid match number"));
    EXPECT_EQ(dialog.Page(), 1);
    // The forfeit's score is written in; a score against it is refused.
    number->clear();
    dialog.ShowPage(0);
    dialog.findChild<QCheckBox*>(QStringLiteral("ForfeitChB"))->setChecked(true);
    EXPECT_EQ(Edit(dialog, "ScoreEdit")->text(), ForfeitScoreText(t, 2, true));
    EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("OvertimeRB"))->isEnabled());
    Edit(dialog, "ScoreEdit")->setText(QStringLiteral("70:90"));
    EXPECT_FALSE(dialog.ApplyChanges());
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral("Score does not go with selected technical lost conditions"));
    EXPECT_EQ(t.MatchCount(), doc.Tournament().MatchCount()) << "nothing written on a refusal";
    Edit(dialog, "ScoreEdit")->setText(QStringLiteral("90:70"));
    ASSERT_TRUE(dialog.ApplyChanges());
    const TMatch* m = doc.Tournament().JointTable().MatchOfPairInLeg(Id(t, "Capital Comets"),
                                                                     Id(t, "Harbor Hawks"), 2);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->TechnicalLoss, 2);
}

TEST_F(ScoreForm, NumbersAndMatchdaysMustBeTheirOwn) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TTournament& t = doc.Tournament();
    // Give one match a number and a matchday.
    const TMatch* first = t.JointTable().Matches().front();
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, first->Id, 1);
    Edit(dialog, "NumberEdit")->setText(QStringLiteral("77"));
    ASSERT_TRUE(dialog.ApplyChanges());
    const QString description = doc.Tournament().PairingText(*doc.Tournament().MatchById(first->Id),
                                                             TPairingOptions{false, true});
    const int firstHome = first->HomeTeamId;
    const int matchday = first->Matchday;
    // Another match of the home team.
    const TMatch* other = nullptr;
    for (const TMatch* m : doc.Tournament().JointTable().Matches())
        if (m->Id != first->Id && m->VisitorTeamId == firstHome &&
            m->HomeTeamId != first->VisitorTeamId)
            other = m;
    ASSERT_NE(other, nullptr);
    dialog.OpenMatch(doc, other->Id, 1);
    Edit(dialog, "NumberEdit")->setText(QStringLiteral("77"));
    EXPECT_FALSE(dialog.ApplyChanges());
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral("A match with this number already exists: ") + description);
    Edit(dialog, "NumberEdit")->clear();
    ASSERT_TRUE(dialog.ApplyChanges());
    // Matchday 99 holds the first match alone; the other match's home team is free on it, its
    // visiting team is not.
    (void)matchday;
    dialog.OpenMatch(doc, first->Id, 1);
    Edit(dialog, "MatchdayEdit")->setText(QStringLiteral("99"));
    ASSERT_TRUE(dialog.ApplyChanges());
    dialog.OpenMatch(doc, other->Id, 1);
    Edit(dialog, "MatchdayEdit")->setText(QStringLiteral("99"));
    EXPECT_FALSE(dialog.ApplyChanges());
    const QString visitorName = doc.Tournament().TeamById(firstHome)->Name;
    EXPECT_TRUE(Messages.Texts().back().startsWith(
        QStringLiteral("Team %1 is already involved on matchday 99 (").arg(visitorName)))
        << Messages.Texts().back().toStdString();
    EXPECT_EQ(dialog.Page(), 1);
}

TEST_F(ScoreForm, EmptyMatchesComeAndGo) {
    TTournamentForm* form = Open("chess.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const int count = doc.Tournament().MatchCount();
    const TMatch* m = doc.Tournament().JointTable().Matches().front();
    const int id = m->Id;
    const int home = m->HomeTeamId;
    const int visitor = m->VisitorTeamId;
    const int leg = m->Leg;
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, id, 0);
    EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("DeleteBtn"))->isEnabled());
    for (QLineEdit* e : dialog.findChildren<QLineEdit*>())
        if (!e->isReadOnly() && e->objectName() != QLatin1String("GridPositionEdit")) e->clear();
    dialog.findChild<QComboBox*>(QStringLiteral("StadiumCB"))->setCurrentIndex(0);
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(doc.Tournament().MatchCount(), count - 1) << "an emptied match is removed";
    EXPECT_EQ(doc.Tournament().MatchById(id), nullptr);
    // A new match confirmed without anything in it adds nothing: the pair of the match just
    // removed has its leg free again.
    dialog.OpenNew(doc, home, visitor, leg, 1, 0);
    ASSERT_TRUE(dialog.IsNew());
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(doc.Tournament().MatchCount(), count - 1);
}

TEST_F(ScoreForm, DeleteAsksFirst) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const int count = doc.Tournament().MatchCount();
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, doc.Tournament().JointTable().Matches().front()->Id, 0);
    Messages.QueueAnswer(TMessageButton::No);
    dialog.DeleteMatch();
    EXPECT_EQ(doc.Tournament().MatchCount(), count);
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Delete this match from tournament?"));
    Messages.QueueAnswer(TMessageButton::Yes);
    dialog.DeleteMatch();
    EXPECT_EQ(doc.Tournament().MatchCount(), count - 1);
    EXPECT_TRUE(
        main_->Command(TCommandId::Undo)->text().startsWith(QStringLiteral("&Undo Delete ")));
    // The hockey sample has overtime and shoot-outs: the three choices are offered.
    dialog.OpenMatch(doc, doc.Tournament().JointTable().Matches().front()->Id, 0);
    EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("ShootOutsRB"))->isHidden());
    EXPECT_EQ(dialog.findChild<QAbstractButton*>(QStringLiteral("OvertimeRB"))->text(),
              QStringLiteral("&Overtime"));
}

TEST_F(ScoreForm, VisitorFirstWhenTheHostIsNotNamedFirst) {
    RegWriteBool(QString(), QStringLiteral("HostFirst"), false);
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TTournament& t = doc.Tournament();
    // A fixture of matchday 4, not played yet.
    const TMatch* fixture = nullptr;
    for (const TMatch* m : t.JointTable().Matches())
        if (!m->Played && !fixture) fixture = m;
    ASSERT_NE(fixture, nullptr);
    const int home = fixture->HomeTeamId;
    const int visitor = fixture->VisitorTeamId;
    const int leg = fixture->Leg;
    TScoreForm dialog(Dialogs, form);
    dialog.OpenNew(doc, home, visitor, leg, 1, 0);
    EXPECT_FALSE(dialog.IsNew()) << "the pair's match of that leg is opened instead";
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LeftCaptionLabel"))->text(),
              QStringLiteral("Visitors"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("RightCaptionLabel"))->text(),
              QStringLiteral("Holders"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LeftTeamLabel"))->text(),
              t.TeamById(visitor)->Name);
    Edit(dialog, "ScoreEdit")->setText(QStringLiteral("0:4"));
    ASSERT_TRUE(dialog.ApplyChanges());
    const TMatch* m = t.JointTable().MatchOfPairInLeg(home, visitor, leg);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->HomeScore, 4);
    EXPECT_EQ(m->VisitorScore, 0);
}

TEST_F(ScoreForm, RefereesAndPagesRoundAndRound) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TEditor(doc).Edit(QStringLiteral("Referees"), ChangeFixtures, [](TTournament& t) {
        t.AddReferee(QStringLiteral("Zoe Park"), QString(), QString(), -1);
        t.AddReferee(QStringLiteral("Adam Berg"), QString(), QString(), -1);
    });
    const int id = doc.Tournament().JointTable().Matches().front()->Id;
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, id, 2);
    EXPECT_EQ(dialog.Page(), 2);
    auto* available = dialog.findChild<QListWidget*>(QStringLiteral("AvailableRefereesLB"));
    auto* assigned = dialog.findChild<QListWidget*>(QStringLiteral("MatchRefereesLB"));
    ASSERT_EQ(available->count(), 2);
    EXPECT_EQ(available->item(0)->text(), QStringLiteral("Adam Berg")) << "sorted by name";
    available->item(1)->setSelected(true);
    dialog.findChild<QAbstractButton*>(QStringLiteral("AddRefereeBtn"))->click();
    EXPECT_EQ(assigned->count(), 1);
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(doc.Tournament().MatchById(id)->RefereeIds.size(), 1);
    dialog.findChild<QAbstractButton*>(QStringLiteral("ClearRefereesBtn"))->click();
    EXPECT_EQ(assigned->count(), 0);
    // Ctrl+Page Down from the last page comes round to the first.
    dialog.ShowPage(3);
    QTest::keyClick(&dialog, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(dialog.Page(), 0);
    QTest::keyClick(&dialog, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(dialog.Page(), 3);
}

TEST_F(ScoreForm, AnOvertimeMatchKeepsItsChoice) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TMatch* ot = nullptr;
    for (const TMatch* m : doc.Tournament().JointTable().Matches())
        if (m->DecidedIn == 1 && !ot) ot = m;
    ASSERT_NE(ot, nullptr);
    const int id = ot->Id;
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, id, 0);
    EXPECT_TRUE(dialog.findChild<QAbstractButton*>(QStringLiteral("OvertimeRB"))->isChecked());
    Edit(dialog, "AttendanceEdit")->setText(QStringLiteral("3100"));
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(doc.Tournament().MatchById(id)->DecidedIn, 1);
    EXPECT_EQ(doc.Tournament().MatchById(id)->Attendance, 3100);
}

TEST_F(ScoreForm, AWholeRoundEnteredThroughTheDialog) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const QStringList scores{QStringLiteral("0:2"), QStringLiteral("1:1"), QStringLiteral("2:3"),
                             QStringLiteral("1:0")};
    // The expected season, written straight into a copy of the file.
    TTournament expected(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(expected, doc.FileName()));
    std::vector<int> round;
    for (const TMatch* m : doc.Tournament().JointTable().Matches())
        if (m->Matchday == 4 && !m->Played) round.push_back(m->Id);
    ASSERT_EQ(round.size(), 4u);
    for (size_t i = 0; i < round.size(); ++i)
        ASSERT_TRUE(expected.MatchById(round[i])
                        ->SetScoreText(scores[static_cast<qsizetype>(i)], false)
                        .Ok);
    const QString expectedFile = HomePath(QStringLiteral("expected.kvd"));
    ASSERT_TRUE(SaveTournament(expected, expectedFile, false));
    // The round typed into the dialog, one match after the other.
    TScoreForm dialog(Dialogs, form);
    for (size_t i = 0; i < round.size(); ++i) {
        dialog.OpenMatch(doc, round[i], 0);
        QLineEdit* score = Edit(dialog, "ScoreEdit");
        score->clear();
        QTest::keyClicks(score, scores[static_cast<qsizetype>(i)]);
        ASSERT_TRUE(dialog.ApplyChanges());
    }
    ASSERT_TRUE(form->Save());
    const auto standings = [](const QString& file) {
        return kvtest::Kvtool({QStringLiteral("standings"), file, QStringLiteral("--table"),
                               QStringLiteral("all")})
            .Out;
    };
    const QString typed = standings(doc.FileName());
    EXPECT_FALSE(typed.isEmpty());
    EXPECT_EQ(typed, standings(expectedFile));
    // The tables on screen are those of the saved file.
    const TGroup& shown = *form->TablesPage().TableAt(0);
    EXPECT_TRUE(typed.contains(shown.Teams().front()->Name));
}

TEST_F(ScoreForm, MovingAMatchToAnotherLegOrPosition) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TMatch* first = doc.Tournament().JointTable().Matches().front();
    const int id = first->Id;
    const int home = first->HomeTeamId;
    const int visitor = first->VisitorTeamId;
    const int leg = first->Leg;
    TMatchLegForm legs(doc, home, visitor, id, form);
    EXPECT_EQ(legs.windowTitle(), QStringLiteral("Match Leg"));
    ASSERT_EQ(legs.Rows().size(), 2u); // two legs
    EXPECT_EQ(legs.Rows()[static_cast<size_t>(legs.Selected())], id);
    if (leg == 1)
        legs.MoveDown();
    else
        legs.MoveUp();
    legs.accept();
    EXPECT_EQ(doc.Tournament().MatchById(id)->Leg, leg == 1 ? 2 : 1);
    EXPECT_TRUE(main_->Command(TCommandId::Undo)
                    ->text()
                    .startsWith(QStringLiteral("&Undo Change Match Legs")));
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(doc.Tournament().MatchById(id)->Leg, leg);

    TMatchRowForm rows(doc, home, visitor, id, form);
    EXPECT_EQ(rows.windowTitle(), QStringLiteral("Match Position in Results Grid Cell "));
    EXPECT_FALSE(rows.Rows().empty());
    // Changes not applied yet: the question comes first, and Cancel leaves everything.
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, id, 1);
    Edit(dialog, "AttendanceEdit")->setText(QStringLiteral("900"));
    emit Edit(dialog, "AttendanceEdit")->textEdited(QStringLiteral("900"));
    Messages.QueueAnswer(TMessageButton::Cancel);
    dialog.findChild<QAbstractButton*>(QStringLiteral("LegBtn"))->click();
    EXPECT_EQ(
        Messages.Texts().back(),
        QStringLiteral("To modify match leg it is necessary to apply match changes. Continue?"));
    EXPECT_NE(doc.Tournament().MatchById(id)->Attendance, 900);
}

TEST_F(ScoreForm, TheLegButtonAppliesFirstThenMovesAndShowsTheMovedMatch) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TMatch* first = doc.Tournament().JointTable().Matches().front();
    const int id = first->Id;
    const int leg = first->Leg;
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, id, 1);
    EXPECT_EQ(dialog.focusWidget(),
              Edit(dialog, "NumberEdit")); // the first field of the page shown
    Edit(dialog, "AttendanceEdit")->setText(QStringLiteral("900"));
    emit Edit(dialog, "AttendanceEdit")->textEdited(QStringLiteral("900"));
    Messages.QueueAnswer(TMessageButton::Ok);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* legs = qobject_cast<TMatchLegForm*>(QApplication::activeModalWidget());
        if (!legs) return;
        answered = true;
        if (leg == 1)
            legs->MoveDown();
        else
            legs->MoveUp();
        legs->accept();
    });
    dialog.findChild<QAbstractButton*>(QStringLiteral("LegBtn"))->click();
    ASSERT_TRUE(answered);
    const TMatch* moved = doc.Tournament().MatchById(id);
    EXPECT_EQ(moved->Attendance, 900); // applied before the move
    EXPECT_EQ(moved->Leg, leg == 1 ? 2 : 1);
    EXPECT_TRUE(dialog.windowTitle().startsWith(Fmt(QStringLiteral("Leg %d."), moved->Leg)));
    EXPECT_FALSE(dialog.findChild<QAbstractButton*>(QStringLiteral("ApplyBtn"))->isEnabled());
    // Two steps: the applied change, then the move.
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(doc.Tournament().MatchById(id)->Leg, leg);
    EXPECT_EQ(doc.Tournament().MatchById(id)->Attendance, 900);
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_NE(doc.Tournament().MatchById(id)->Attendance, 900);

    // The position button of a new match with nothing typed has nothing to move.
    TScoreForm blank(Dialogs, form);
    const TTeam* a = doc.Tournament().JointTable().Teams().front();
    const TTeam* b = doc.Tournament().JointTable().Teams().back();
    blank.OpenNew(doc, a->Id, b->Id, 3, 0, 0);
    const size_t questions = Messages.Texts().size();
    blank.findChild<QAbstractButton*>(QStringLiteral("GridBtn"))->click();
    EXPECT_EQ(Messages.Texts().size(), questions);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ScoreForm, AwayResultsShownProposeTheVenueThatBalancesThePair) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TTablesPage& page = form->TablesPage();
    const TGroup* g = page.TableAt(0);
    const int rowId = g->Teams()[0]->Id;
    const int columnId = g->Teams()[1]->Id;
    // Away results shown, and the pair of the first two rows without any match.
    TEditor(doc).Edit(QStringLiteral("Away results"), ChangeLayout | ChangeTables,
                      [rowId, columnId](TTournament& t) {
                          for (TGroup* table : t.AllTables())
                              table->Style.ShowAwayResults = true;
                          for (int leg = 1; leg <= 2; ++leg)
                              if (TMatch* m = t.JointTable().MatchOfPairInLeg(rowId, columnId, leg))
                                  t.RemoveMatch(m);
                      });
    g = page.TableAt(0);
    ASSERT_EQ(page.LayoutAt(0).RowsPerTeam, 2) << "a line per leg";
    int row = -1, column = -1;
    for (int i = 0; i < g->TeamCount(); ++i) {
        if (g->Teams()[static_cast<size_t>(i)]->Id == rowId) row = i;
        if (g->Teams()[static_cast<size_t>(i)]->Id == columnId) column = i;
    }
    const QString rowName = doc.Tournament().TeamById(rowId)->Name;
    const QString columnName = doc.Tournament().TeamById(columnId)->Name;
    // First the row team at home: it has hosted none of (2 + 1) / 2 = 1.
    QString shownHome;
    QTimer::singleShot(0, [&] {
        TScoreForm& dialog = page.ScoreForm();
        shownHome = dialog.findChild<QLabel*>(QStringLiteral("LeftTeamLabel"))->text();
        QTest::keyClicks(Edit(dialog, "ScoreEdit"), QStringLiteral("1:0"));
        dialog.accept();
    });
    page.ClickAt(page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), row, column, 1)));
    EXPECT_EQ(shownHome, rowName);
    // That match stored, the other leg has the column team at home.
    QTimer::singleShot(0, [&] {
        TScoreForm& dialog = page.ScoreForm();
        shownHome = dialog.findChild<QLabel*>(QStringLiteral("LeftTeamLabel"))->text();
        dialog.reject();
    });
    page.ClickAt(page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), row, column, 2)));
    EXPECT_EQ(shownHome, columnName);
}

TEST_F(ScoreForm, OkWithoutChangesLeavesTheTournamentAloneAndKeepsTheTime) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const int id = doc.Tournament().JointTable().Matches().front()->Id;
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, id, 1);
    QTest::keyClicks(Edit(dialog, "TimeEdit"), QStringLiteral("1945"));
    ASSERT_TRUE(dialog.ApplyChanges());
    const int steps = doc.UndoStack().count();
    // Opened again: the time reads back as typed, and OK without a change adds no step.
    dialog.OpenMatch(doc, id, 1);
    EXPECT_EQ(Edit(dialog, "TimeEdit")->text(), QStringLiteral("19:45"));
    dialog.accept();
    EXPECT_EQ(doc.UndoStack().count(), steps);
    // Apply of unchanged fields stores nothing new either.
    dialog.OpenMatch(doc, id, 1);
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(doc.UndoStack().count(), steps);
    const TMatch* m = doc.Tournament().MatchById(id);
    ASSERT_TRUE(m->HasTime);
    EXPECT_EQ(DaysToTime(m->Time), QTime(19, 45));
}

TEST_F(ScoreForm, AScoreRedrawsOnlyTheTablesOfItsTeams) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TTablesPage& page = form->TablesPage();
    ASSERT_GT(page.TableCount(), 1) << "the sample shows its groups";
    const TGroup& g = *page.TableAt(0);
    const int column = 1;
    ASSERT_NE(TGridCells(g).At(g.Teams()[0]->Id, g.Teams()[1]->Id, 1), nullptr)
        << "a played match to change";
    QTimer::singleShot(0, [&] {
        TScoreForm& dialog = page.ScoreForm();
        QLineEdit* score = Edit(dialog, "ScoreEdit");
        score->setFocus();
        score->selectAll();
        QTest::keyClicks(score, QStringLiteral("0:9")); // enough to move the visitor up
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    page.ClickAt(page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), 0, column, 1)));
    EXPECT_EQ(page.LastRedrawnTables(), 1) << "the other groups hold neither team";

    // Counting only those tables gives what counting the whole tournament gives.
    const auto orders = [](const TTournament& t) {
        QStringList all;
        for (const TGroup* table : t.ShownTables()) {
            QStringList names;
            for (const TTeam* team : table->Teams())
                names << team->Name;
            all << names.join(QLatin1Char(','));
        }
        QStringList joint;
        for (const TTeam* team : t.JointTable().Teams())
            joint << team->Name;
        return all << joint.join(QLatin1Char(','));
    };
    TTournament fresh(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(ReadTournamentBytes(fresh, doc.Snapshot().File, doc.FileName()).Ok);
    RecomputeAll(fresh);
    EXPECT_EQ(orders(doc.Tournament()), orders(fresh));

    // Undone, the same tables again.
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(page.LastRedrawnTables(), 1);
}

TEST_F(ScoreForm, TMatchListFormMovesOnlyWithinItsRows) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TMatch* first = doc.Tournament().JointTable().Matches().front();
    TMatchLegForm legs(doc, first->HomeTeamId, first->VisitorTeamId, first->Id, form);
    TMatchListForm& list = legs;
    auto* up = list.findChild<QAbstractButton*>(QStringLiteral("UpBtn"));
    auto* down = list.findChild<QAbstractButton*>(QStringLiteral("DownBtn"));
    list.Select(0);
    EXPECT_FALSE(up->isEnabled()) << "the first row has nothing above it";
    const std::vector<int> before = list.Rows();
    list.MoveUp();
    EXPECT_EQ(list.Rows(), before);
    list.Select(static_cast<int>(before.size()) - 1);
    EXPECT_FALSE(down->isEnabled());
    list.MoveDown();
    EXPECT_EQ(list.Rows(), before);
    // Down and up again: the same order, and OK stores no step.
    const int steps = doc.UndoStack().count();
    list.Select(0);
    list.MoveDown();
    EXPECT_NE(list.Rows(), before);
    list.MoveUp();
    EXPECT_EQ(list.Rows(), before);
    list.accept();
    EXPECT_EQ(doc.UndoStack().count(), steps);
}

// A one-leg league in the short grid: the cell of the team that was visited offers no second
// leg; the click says why and no dialog opens.
TEST_F(ScoreForm, TheShortGridOffersNoLegBeyondThePairsLegs) {
    const QString path = TTournamentList::SavesPath(QStringLiteral("volleyball.kvd"));
    {
        TTournament file(TTournamentDefaults::FromSettings());
        ASSERT_TRUE(LoadTournament(file, path));
        ASSERT_EQ(file.GroupLegs, 1);
        file.ApplyStyleToAll([&] {
            TGroupStyle style = file.JointTable().Style;
            style.ShowAwayResults = false;
            return style;
        }());
        ASSERT_TRUE(SaveTournament(file, path, false));
    }
    TTournamentForm* form = Open("volleyball.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    const TTournament& t = form->Document().Tournament();
    const TGroup& g = *page.TableAt(0);
    ASSERT_FALSE(g.Style.ShowAwayResults);
    const TMatch* m = t.JointTable().Matches().front();
    int hostRow = -1, visitorRow = -1;
    for (int i = 0; i < g.TeamCount(); ++i) {
        if (g.Teams()[static_cast<size_t>(i)]->Id == m->HomeTeamId) hostRow = i;
        if (g.Teams()[static_cast<size_t>(i)]->Id == m->VisitorTeamId) visitorRow = i;
    }
    ASSERT_TRUE(hostRow >= 0 && visitorRow >= 0);
    const int matches = t.MatchCount();
    bool opened = false;
    QTimer::singleShot(0, &page, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    Messages.Clear();
    page.ClickAt(page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), visitorRow, hostRow, 1)));
    // With no dialog the closer is still waiting: it runs now, not in a later test's dialog.
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(Messages.Texts(), QStringList{QStringLiteral(
                                    "Invalid match leg. A valid leg for this fixtures is 1 to 1")});
    EXPECT_EQ(
        page.HintAt(page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), visitorRow, hostRow, 1))),
        QStringLiteral("Cannot edit this cell"));
    EXPECT_EQ(t.MatchCount(), matches);
}

// The grid position takes a line of the pair's cell, one no other home match of the pair holds;
// a time that is no time is refused rather than dropped. The dialog stays open on its page.
TEST_F(ScoreForm, GridPositionAndTimeAreChecked) {
    TTournamentForm* form = Open("soccer.kvd"); // two legs: one home match each way
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TMatch* first = doc.Tournament().JointTable().Matches().front();
    const int id = first->Id;
    const int position = first->GridPosition;
    TScoreForm dialog(Dialogs, form);
    dialog.OpenMatch(doc, id, 0);
    for (const char* typed : {"7", "0", "x", ""}) {
        Edit(dialog, "GridPositionEdit")->setText(QLatin1String(typed));
        EXPECT_FALSE(dialog.ApplyChanges()) << typed;
        EXPECT_EQ(Messages.Texts().back(),
                  QStringLiteral(
                      "'%1' is not a valid grid position. A valid position for this pair is 1 to 1")
                      .arg(QLatin1String(typed)));
        EXPECT_EQ(dialog.Page(), 1);
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "GridPositionEdit"));
    }
    EXPECT_EQ(doc.Tournament().MatchById(id)->GridPosition, position);
    Edit(dialog, "GridPositionEdit")->setText(QString::number(position));
    QLineEdit* time = Edit(dialog, "TimeEdit");
    time->clear();
    QTest::keyClicks(time, QStringLiteral("2599"));
    EXPECT_FALSE(dialog.ApplyChanges());
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("'25:99' is not valid time"));
    EXPECT_EQ(dialog.focusWidget(), time);
    EXPECT_EQ(time->text(), QStringLiteral("25:99")); // kept for the user to mend
    time->clear();
    QTest::keyClicks(time, QStringLiteral("1830"));
    ASSERT_TRUE(dialog.ApplyChanges());
    EXPECT_EQ(DaysToTime(doc.Tournament().MatchById(id)->Time), QTime(18, 30));
}

// Undoing an added match gives its number back: the next match added gets the same number.
TEST_F(ScoreForm, UndoingAnAddedMatchGivesItsNumberBack) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TTournament& t = doc.Tournament();
    const TGroup& g = *t.GroupAt(0);
    // A pair of the group with a leg still free.
    int home = -1, visitor = -1, leg = -1;
    for (const TTeam* a : g.Teams())
        for (const TTeam* b : g.Teams())
            if (a != b && leg < 0 && t.MayHost(a->Id, b->Id) && t.FirstFreeLeg(a->Id, b->Id) > 0) {
                home = a->Id;
                visitor = b->Id;
                leg = t.FirstFreeLeg(a->Id, b->Id);
            }
    ASSERT_GT(leg, 0);
    const int last = t.LastMatchId;
    const auto add = [&] {
        TScoreForm dialog(Dialogs, form);
        dialog.OpenNew(doc, home, visitor, leg, 1, 0);
        Edit(dialog, "ScoreEdit")->setText(QStringLiteral("2:0"));
        EXPECT_TRUE(dialog.ApplyChanges());
        const TMatch* added = doc.Tournament().JointTable().MatchOfPairInLeg(home, visitor, leg);
        return added ? added->Id : -1;
    };
    const int first = add();
    EXPECT_EQ(first, last + 1);
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(doc.Tournament().LastMatchId, last);
    EXPECT_EQ(doc.Tournament().MatchById(first), nullptr);
    EXPECT_EQ(add(), first);
    // Redo after undo brings the same number back too.
    main_->Command(TCommandId::Undo)->trigger();
    main_->Command(TCommandId::Redo)->trigger();
    ASSERT_NE(doc.Tournament().MatchById(first), nullptr);
    EXPECT_EQ(doc.Tournament().LastMatchId, first);
}
