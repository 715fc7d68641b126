// Re-shaping an open tournament: group management (the switch of systems, deleting a team),
// the properties dialog (name, file moved, its refusals) and the format dialog (legs question,
// points, criteria, schemes, shoot-outs), each one undoable step.
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "model/match.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "storage/named_files.h"
#include "ui/setup/format_form.h"
#include "ui/setup/group_frame.h"
#include "ui/setup/group_management_form.h"
#include "ui/setup/main_table_frame.h"
#include "ui/setup/points_rules_frame.h"
#include "ui/setup/sort_frame.h"
#include "ui/setup/tournament_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace kv;
using kvtest::Child;

namespace {

class SetupForms : public kvtest::TMainWindowTest {
protected:
    static int CrossGroupMatches(const TTournament& t) {
        int n = 0;
        for (const TMatch* m : t.JointTable().Matches())
            if (t.GroupOfTeam(m->HomeTeamId) != t.GroupOfTeam(m->VisitorTeamId)) ++n;
        return n;
    }
};

} // namespace

TEST_F(SetupForms, GroupManagementSwitchesToGroupsAndDeletesTeams) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const int matches = doc.Tournament().MatchCount();
    const int cross = CrossGroupMatches(doc.Tournament());
    ASSERT_GT(cross, 0);
    EXPECT_EQ(form->Command(TCommandId::GroupManagement)->text(),
              QStringLiteral("Division &Management"));
    {
        TGroupManagementForm dialog(doc, Dialogs);
        EXPECT_TRUE(dialog.windowTitle().startsWith(QStringLiteral("Division Management - ")));
        EXPECT_FALSE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled());
        Messages.QueueAnswer(TMessageButton::No);
        dialog.SwitchSystem();
        EXPECT_TRUE(dialog.Frame().Tree().ConferencesSystem());
        Messages.QueueAnswer(TMessageButton::Yes);
        dialog.SwitchSystem();
        EXPECT_FALSE(dialog.Frame().Tree().ConferencesSystem());
        EXPECT_TRUE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled());
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_FALSE(doc.Tournament().HasConferences());
    EXPECT_EQ(doc.Tournament().MatchCount(), matches - cross);
    EXPECT_EQ(CrossGroupMatches(doc.Tournament()), 0);
    EXPECT_EQ(form->Command(TCommandId::GroupManagement)->text(),
              QStringLiteral("Group &Management"));

    // Four groups of two: one team less is refused.
    {
        TGroupManagementForm dialog(doc, Dialogs);
        dialog.Frame().Select(dialog.Frame().Tree().Top().front()->Children.front().get());
        Messages.QueueAnswer(TMessageButton::Yes);
        dialog.Frame().DeleteSelected();
        EXPECT_EQ(Messages.Texts().back(),
                  QStringLiteral("Are you sure you want to delete selected team?"));
        EXPECT_FALSE(dialog.Apply());
        EXPECT_TRUE(Messages.Texts().back().endsWith(
            QStringLiteral("A group must contain at least two teams")));
    }
    EXPECT_EQ(doc.Tournament().TeamCount(), 8);
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_TRUE(doc.Tournament().HasConferences());
    EXPECT_EQ(doc.Tournament().MatchCount(), matches);
}

TEST_F(SetupForms, GroupManagementDeletesATeamWithItsMatches) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TTeam* team = doc.Tournament().JointTable().Teams().front();
    const int id = team->Id;
    const int own = static_cast<int>(doc.Tournament().TeamMatches(id, 1, false, false).size());
    ASSERT_GT(own, 0);
    const int before = doc.Tournament().MatchCount();
    {
        TGroupManagementForm dialog(doc, Dialogs);
        EXPECT_TRUE(dialog.windowTitle().startsWith(QStringLiteral("Group Management - ")));
        TGroupFrame& frame = dialog.Frame();
        for (const TStructureNode* n : frame.Tree().InOrder())
            if (n->SourceId == id && n->Kind == TStructureKind::Team) frame.Select(n);
        Messages.QueueAnswer(TMessageButton::Yes);
        frame.DeleteSelected();
        frame.AddTeam(); // a new team in the same group
        ASSERT_TRUE(dialog.Apply());
        EXPECT_FALSE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled());
    }
    EXPECT_EQ(doc.Tournament().TeamById(id), nullptr);
    EXPECT_EQ(doc.Tournament().TeamCount(), 8);
    EXPECT_EQ(doc.Tournament().MatchCount(), before - own);
    EXPECT_NE(doc.Tournament().JointTable().TeamByName(QStringLiteral("New Team 1")), nullptr);
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_NE(doc.Tournament().TeamById(id), nullptr);
    EXPECT_EQ(doc.Tournament().MatchCount(), before);
}
TEST_F(SetupForms, PropertiesRenameAndMoveTheFile) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const QString oldPath = doc.FileName();
    const QString otherName =
        main_->List()
            .FindByPath(TTournamentList::SavesPath(QStringLiteral("chess.kvd")))
            ->Data.Name;
    TTournamentPropertiesForm dialog(doc, main_->List());
    QObject::connect(&dialog, &TTournamentPropertiesForm::FileMoved, form,
                     &TTournamentForm::FileMoved);
    Child<QLineEdit>(dialog, "NameEdit").setText(otherName);
    EXPECT_FALSE(dialog.Apply());
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("Tournament with this name already exists"));
    Child<QLineEdit>(dialog, "NameEdit").setText(QStringLiteral("Riverside Summer League"));
    Child<QLineEdit>(dialog, "FileNameEdit").setText(QStringLiteral("a/b"));
    EXPECT_FALSE(dialog.Apply());
    EXPECT_TRUE(Messages.Texts().value(1).startsWith(
        QStringLiteral("A file name cannot contain characters:")));
    EXPECT_EQ(doc.Tournament().Name, QStringLiteral("Riverside Spring League")) << "nothing taken";
    // A file already there: the name and notes are taken, the file stays.
    Child<QLineEdit>(dialog, "FileNameEdit").setText(QStringLiteral("chess"));
    Child<QPlainTextEdit>(dialog, "NotesEdit").setPlainText(QStringLiteral("Played on Sundays"));
    EXPECT_FALSE(dialog.Apply());
    EXPECT_TRUE(Messages.Texts().value(2).startsWith(QStringLiteral("File already exists: ")));
    EXPECT_EQ(doc.Tournament().Name, QStringLiteral("Riverside Summer League"));
    EXPECT_EQ(doc.Tournament().Comments, QStringLiteral("Played on Sundays"));
    EXPECT_EQ(doc.FileName(), oldPath);
    // A free file name: the file moves and the list follows.
    Child<QLineEdit>(dialog, "FileNameEdit").setText(QStringLiteral("summer.txt"));
    EXPECT_TRUE(dialog.Apply());
    const QString moved = TTournamentList::SavesPath(QStringLiteral("summer.kvd"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "FileNameEdit").text(), QStringLiteral("summer.kvd"));
    EXPECT_EQ(doc.FileName(), moved);
    EXPECT_TRUE(QFileInfo::exists(moved));
    EXPECT_FALSE(QFileInfo::exists(oldPath));
    const TListNode* entry = main_->List().FindByPath(moved);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Data.Name, QStringLiteral("Riverside Summer League"));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(form->Save());
    EXPECT_TRUE(QFileInfo::exists(moved));
}

TEST_F(SetupForms, FormatAsksBeforeLegsGoAndRebuildsTheCriteria) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TTournament& t = doc.Tournament();
    ASSERT_GE(t.GroupLegs, 2);
    const int matches = t.MatchCount();
    int laterLegs = 0;
    for (const TMatch* m : t.JointTable().Matches())
        if (m->Leg > 1) ++laterLegs;
    ASSERT_GT(laterLegs, 0);
    {
        TReglamentForm dialog(doc);
        dialog.MainFrame().Legs(0).setValue(1);
        Messages.QueueAnswer(TMessageButton::No);
        dialog.accept();
        EXPECT_EQ(Messages.Texts().value(0),
                  QStringLiteral(
                      "Number of legs has been changed. Some matches can be deleted. Continue?"));
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(doc.Tournament().MatchCount(), matches);
        // Overtime off: its hidden fields do not count.
        dialog.PointsFrame().Field(QStringLiteral("WinPoints"))->setValue(2);
        dialog.PointsFrame().Field(QStringLiteral("WinOTPoints"))->setValue(7);
        dialog.SortFrame().MoveAllLeft();
        Messages.QueueAnswer(TMessageButton::Yes);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(doc.Tournament().MatchCount(), matches - laterLegs);
    EXPECT_EQ(doc.Tournament().GroupLegs, 1);
    EXPECT_EQ(doc.Tournament().WinPoints, 2);
    EXPECT_EQ(doc.Tournament().WinOTPoints, 2);
    ASSERT_EQ(doc.Tournament().SortCriteria.size(), 1u); // the main criterion alone
    EXPECT_EQ(doc.Tournament().SortCriteria.front().Column, 40);
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(doc.Tournament().MatchCount(), matches);
    EXPECT_EQ(doc.Tournament().WinPoints, 3);
}

TEST_F(SetupForms, BasketballWithoutPointsRanksByPercentage) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TReglamentForm dialog(doc);
    dialog.show();
    TPtsTableFrame& points = dialog.PointsFrame();
    QCheckBox& calculate = Child<QCheckBox>(points, "CalculatePointsBox");
    EXPECT_TRUE(calculate.isVisibleTo(&points));
    // Basketball keeps overtime whatever.
    Child<QCheckBox>(points, "OvertimeBox").setChecked(false);
    calculate.setChecked(true);
    calculate.setChecked(false);
    dialog.accept();
    EXPECT_EQ(doc.Tournament().SortCriteria.front().Column, 43);
    EXPECT_TRUE(doc.Tournament().Overtime);
}

TEST_F(SetupForms, ShootOutsAskThenDeleteTheDraws) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    int draws = 0;
    for (const TMatch* m : doc.Tournament().JointTable().Matches())
        if (m->Played && m->HomeScore == m->VisitorScore) ++draws;
    ASSERT_GT(draws, 0);
    const int matches = doc.Tournament().MatchCount();
    TReglamentForm dialog(doc);
    Child<QCheckBox>(dialog.PointsFrame(), "ShootOutsBox").setChecked(true);
    Messages.QueueAnswer(TMessageButton::No);
    dialog.accept();
    EXPECT_FALSE(doc.Tournament().ShootOuts);
    Messages.QueueAnswer(TMessageButton::Yes);
    dialog.accept();
    EXPECT_TRUE(doc.Tournament().ShootOuts);
    EXPECT_EQ(doc.Tournament().MatchCount(), matches - draws);
}

// Shoot-outs switched off: the results they decided become draws, after a question that says
// so; No leaves everything as it was.
TEST_F(SetupForms, ShootOutsOffAskThenTurnTheirResultsIntoDraws) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    ASSERT_TRUE(doc.Tournament().ShootOuts);
    std::vector<int> decided;
    for (const TMatch* m : doc.Tournament().JointTable().Matches())
        if (m->Played && m->DecidedIn == 2) decided.push_back(m->Id);
    ASSERT_FALSE(decided.empty());
    const double loser = std::min(doc.Tournament().MatchById(decided.front())->HomeScore,
                                  doc.Tournament().MatchById(decided.front())->VisitorScore);
    TReglamentForm dialog(doc);
    Child<QCheckBox>(dialog.PointsFrame(), "ShootOutsBox").setChecked(false);
    Messages.QueueAnswer(TMessageButton::No);
    dialog.accept();
    EXPECT_EQ(
        Messages.Texts().value(0),
        QStringLiteral(
            "%1 result(s) were decided by shoot-outs. Without shoot-outs they stand as draws: "
            "the winner's shoot-out goal is taken off the score. Continue?")
            .arg(decided.size()));
    EXPECT_TRUE(doc.Tournament().ShootOuts);
    Messages.QueueAnswer(TMessageButton::Yes);
    dialog.accept();
    const TTournament& t = doc.Tournament();
    EXPECT_FALSE(t.ShootOuts);
    for (const int id : decided) {
        const TMatch* m = t.MatchById(id);
        EXPECT_EQ(m->HomeScore, m->VisitorScore);
        EXPECT_EQ(m->DecidedIn, t.Overtime ? 1 : 0);
        EXPECT_EQ(m->GetOutcome(true), t.Overtime ? 4 : 1); // a draw
    }
    EXPECT_EQ(t.MatchById(decided.front())->HomeScore, loser);
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(doc.Tournament().MatchById(decided.front())->DecidedIn, 2);
}

TEST_F(SetupForms, SortSchemesAreSavedChosenAndDeleted) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TReglamentForm dialog(form->Document());
    TSortFrame& sort = dialog.SortFrame();
    sort.MoveAllLeft();
    Child<QListWidget>(sort, "AvailableList").setCurrentRow(2);
    sort.MoveSelectedRight();
    Child<QListWidget>(sort, "AvailableList").setCurrentRow(0);
    sort.MoveSelectedRight();
    const std::vector<TSortColumn> chosen = sort.Active();
    ASSERT_EQ(chosen.size(), 2u);
    // The name box offers the schemes there are, keeps itself open after a refused name, and
    // asks before a scheme is overwritten.
    QString caption;
    bool stayed = false;
    kvtest::AnswerNameBox({QStringLiteral("Two:of them")}, &stayed, &caption);
    sort.SaveScheme();
    EXPECT_EQ(caption, QStringLiteral("Save Scheme as..."));
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(Messages.Texts().back().startsWith(
        QStringLiteral("A file name cannot contain characters:")));
    kvtest::AnswerNameBox({QStringLiteral("Two:of them"), QStringLiteral("Two of them")});
    sort.SaveScheme();
    const QString twoPath = SortSchemePath(QStringLiteral("Two of them"), SportSoccer);
    EXPECT_TRUE(QFileInfo::exists(twoPath));
    const QByteArray two = ReadFile(twoPath);
    sort.MoveAllRight();
    Messages.QueueAnswer(TMessageButton::No);
    kvtest::AnswerNameBox({QStringLiteral("two of them")}, &stayed);
    sort.SaveScheme();
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral("\"two of them\" already exists. Overwrite?"));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(ReadFile(twoPath), two);
    sort.MoveAllLeft();
    EXPECT_EQ(Child<QListWidget>(sort, "ActiveList").count(), 0);
    sort.ChooseScheme(QStringLiteral("Two of them"));
    const std::vector<TSortColumn> loaded = sort.Active();
    ASSERT_EQ(loaded.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(loaded[i].Column, chosen[i].Column);
        EXPECT_EQ(loaded[i].Scope, chosen[i].Scope);
    }
    // A scheme whose file went asks to re-read the list.
    QFile::remove(SortSchemePath(QStringLiteral("Two of them"), SportSoccer));
    Messages.QueueAnswer(TMessageButton::Yes);
    sort.ChooseScheme(QStringLiteral("Two of them"));
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Scheme not found. Update scheme list?"));
    EXPECT_EQ(Child<QComboBox>(sort, "SchemeBox").count(), 0);
    kvtest::AnswerNameBox({QStringLiteral("Again")});
    sort.SaveScheme();
    ASSERT_EQ(Child<QComboBox>(sort, "SchemeBox").currentText(), QStringLiteral("Again"));
    Messages.QueueAnswer(TMessageButton::Yes);
    sort.DeleteScheme();
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral("Are you sure you want to delete scheme 'Again'?"));
    EXPECT_EQ(Child<QComboBox>(sort, "SchemeBox").count(), 0);
}
