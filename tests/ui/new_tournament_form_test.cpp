// The new-tournament wizard on the real pages: every sport from scratch, the structure rules
// (70 teams, conferences with divisions, the smallest free name), the legs rule of the name page,
// a copy of an existing tournament, and a season typed in that equals one built by kvtool.
#include "ui/kvtool_run.h"
#include "ui/ui_support.h"

#include "base/formats.h"
#include "edit/tournament_document.h"
#include "export/csv_reader.h"
#include "model/match.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "storage/tournament_file.h"
#include "ui/fixtures/score_form.h"
#include "ui/setup/group_frame.h"
#include "ui/setup/import_teams_txt_form.h"
#include "ui/setup/main_table_frame.h"
#include "ui/setup/new_tournament_form.h"
#include "ui/setup/points_rules_frame.h"
#include "ui/setup/results_file_frame.h"
#include "ui/setup/sort_frame.h"
#include "ui/setup/structure_model.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace kv;
using kvtest::Child;

namespace {

class NewTournamentForm : public kvtest::TMainWindowTest {
protected:
    // Start page to name page, in the chosen system.
    static void ToNamePage(TNewTournamentForm& w, bool conferences) {
        w.show();
        Child<QRadioButton>(w, "ScratchBtn").setChecked(true);
        w.next();
        (conferences ? Child<QRadioButton>(w, "ConferencesSystemBtn")
                     : Child<QRadioButton>(w, "GroupSystemBtn"))
            .setChecked(true);
        w.next();
        ASSERT_EQ(w.currentId(), TNewTournamentForm::PageName);
    }
    static void FillName(TNewTournamentForm& w, const QString& name, int sport) {
        w.MainFrame().NameEdit().setText(name);
        w.MainFrame().FileEdit().setText(name.toLower().remove(QLatin1Char(' ')));
        w.MainFrame().SetSport(sport);
    }
    // A group (or division) with its teams, named in place.
    static void AddGroup(TGroupFrame& f, const QStringList& teams) {
        f.AddGroup();
        const TStructureNode* group = f.Selected();
        for (const QString& team : teams) {
            f.AddTeam();
            ASSERT_TRUE(f.Model().setData(Child<QTreeView>(f, "StructureTree").currentIndex(), team,
                                          Qt::EditRole));
            f.Select(group);
        }
    }
    static std::unique_ptr<TTournament> Load(const QString& path) {
        auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
        EXPECT_TRUE(LoadTournament(*t, path).Ok) << qPrintable(path);
        return t;
    }
};

} // namespace

TEST_F(NewTournamentForm, EverySportFromScratch) {
    for (int sport = 0; sport < kSportCount; ++sport) {
        SCOPED_TRACE(sport);
        TNewTournamentForm w(main_->List(), Dialogs);
        ToNamePage(w, false);
        FillName(w, QStringLiteral("Cup %1").arg(sport), sport);
        w.next();
        ASSERT_EQ(w.currentId(), TNewTournamentForm::PagePoints);
        const TPointsRules rules = w.PointsFrame().Rules();
        EXPECT_EQ(rules.Sport, sport);
        EXPECT_EQ(rules.CalculatePoints, TPointsRules::ForSport(sport).CalculatePoints);
        w.next();
        AddGroup(w.GroupFrame(), {QStringLiteral("North"), QStringLiteral("South")});
        w.next();
        ASSERT_EQ(w.currentId(), TNewTournamentForm::PageRanking);
        // Other offers no criterion at all: the main one alone is enough.
        if (sport == SportOther) {
            EXPECT_EQ(Child<QListWidget>(w.SortFrame(), "ActiveList").count(), 0);
        }
        w.button(QWizard::FinishButton)->click();
        ASSERT_EQ(w.result(), QDialog::Accepted);
        const auto t = Load(w.Created().FilePath);
        EXPECT_EQ(t->Sport, sport);
        EXPECT_EQ(t->Name, QStringLiteral("Cup %1").arg(sport));
        EXPECT_EQ(t->TeamCount(), 2);
        ASSERT_FALSE(t->SortCriteria.empty());
        EXPECT_EQ(t->SortCriteria.front().Column, rules.CalculatePoints ? 40 : 43);
        EXPECT_EQ(w.Created().FilePath,
                  TTournamentList::SavesPath(QStringLiteral("cup%1.kvd").arg(sport)));
    }
    EXPECT_TRUE(Messages.Texts().isEmpty()) << qPrintable(Messages.Texts().join('\n'));
}

TEST_F(NewTournamentForm, TheNamePageRefusesInItsOrder) {
    TNewTournamentForm w(main_->List(), Dialogs);
    ToNamePage(w, true);
    w.next();
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("You have not entered tournament name"));
    FillName(w, QStringLiteral("Riverside Spring League"), SportSoccer); // a listed sample's name
    w.next();
    EXPECT_EQ(Messages.Texts().value(1),
              QStringLiteral("Tournament with this name already exists"));
    w.MainFrame().NameEdit().setText(QStringLiteral("Prairie League"));
    w.MainFrame().FileEdit().setText(QStringLiteral("prairie.txt"));
    // Legs inside a division below those inside a conference.
    w.MainFrame().Legs(0).setValue(1);
    w.MainFrame().Legs(1).setValue(2);
    w.MainFrame().Legs(2).setValue(1);
    w.next();
    EXPECT_EQ(
        Messages.Texts().value(2),
        QStringLiteral(
            "Number of legs outside a division cannot exceed number of legs inside a division"));
    EXPECT_EQ(w.currentId(), TNewTournamentForm::PageName);
    EXPECT_EQ(w.MainFrame().FileEdit().text(),
              QStringLiteral("prairie.kvd")); // the extension replaced
    // Baseball allows 16 legs; soccer lowers them to 8.
    w.MainFrame().SetSport(SportBaseball);
    w.MainFrame().Legs(0).setValue(16);
    EXPECT_EQ(w.MainFrame().Legs(0).value(), 16);
    w.MainFrame().SetSport(SportSoccer);
    EXPECT_EQ(w.MainFrame().Legs(0).value(), 8);
    w.MainFrame().Legs(1).setValue(2);
    w.next();
    EXPECT_EQ(w.currentId(), TNewTournamentForm::PagePoints);
}

// The ranking page's lists show what each move did, as the saved criteria will be; Finish with
// no criterion chosen is refused while the sport offers some.
TEST_F(NewTournamentForm, TheRankingListsShowEveryMove) {
    TNewTournamentForm w(main_->List(), Dialogs);
    ToNamePage(w, false);
    FillName(w, QStringLiteral("Moves Cup"), SportSoccer);
    w.next();
    w.next();
    AddGroup(w.GroupFrame(), {QStringLiteral("North"), QStringLiteral("South")});
    w.next();
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageRanking);
    auto* available = w.findChild<QListWidget*>(QStringLiteral("AvailableList"));
    auto* active = w.findChild<QListWidget*>(QStringLiteral("ActiveList"));
    const auto press = [&w](const char* button) {
        auto* b = w.findChild<QAbstractButton*>(QLatin1String(button));
        ASSERT_TRUE(b->isEnabled()) << button;
        b->click();
    };
    // What a list view draws: the texts at the rows' places.
    const auto shown = [](QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            const QRect r = list->visualItemRect(list->item(row));
            const QModelIndex at = list->indexAt(r.center());
            texts << (r.isValid() && at.isValid() ? at.data().toString()
                                                  : QStringLiteral("<not shown>"));
        }
        return texts;
    };
    const auto texts = [](QListWidget* list) {
        QStringList out;
        for (int row = 0; row < list->count(); ++row)
            out << list->item(row)->text();
        return out;
    };
    const auto check = [&](const char* step) {
        QApplication::processEvents();
        EXPECT_EQ(shown(active), texts(active)) << step;
        EXPECT_EQ(shown(available), texts(available)) << step;
        QStringList saved;
        for (const TSortColumn& c : w.SortFrame().Active())
            saved << c.Name;
        EXPECT_EQ(saved, texts(active)) << step;
    };
    press("AllLeftBtn");
    check("<<");
    const QList<QListWidgetItem*> difference =
        available->findItems(QStringLiteral("Goal Difference"), Qt::MatchExactly);
    ASSERT_EQ(difference.size(), 1);
    available->setCurrentItem(difference.front());
    press("RightBtn");
    check(">");
    EXPECT_EQ(texts(active), QStringList{QStringLiteral("Goal Difference")});
    press("AllRightBtn");
    check(">>");
    active->setCurrentRow(0);
    press("LeftBtn");
    check("<");
    press("AllLeftBtn");
    check("<<");
    EXPECT_EQ(active->count(), 0);
    Messages.Clear();
    w.button(QWizard::FinishButton)->click();
    EXPECT_EQ(Messages.Texts(),
              QStringList{QStringLiteral("You have not chosen any sort criteria")});
    EXPECT_NE(w.result(), QDialog::Accepted);
    available->setCurrentRow(0);
    press("RightBtn");
    w.button(QWizard::FinishButton)->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

// A name refused on the structure page is edited again after the message: the next Enter goes
// to the name, and the page stays.
TEST_F(NewTournamentForm, ARefusedNameIsEditedAgain) {
    TNewTournamentForm w(main_->List(), Dialogs);
    ToNamePage(w, false);
    FillName(w, QStringLiteral("Names Cup"), SportSoccer);
    w.next();
    w.next();
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageStructure);
    AddGroup(w.GroupFrame(), {QStringLiteral("Ajax"), QStringLiteral("Bern")});
    QApplication::setActiveWindow(&w);
    TGroupFrame& frame = w.GroupFrame();
    QApplication::processEvents();
    // Bern renamed to the other team's name, as its editor would.
    const QModelIndex bern =
        frame.Model().index(1, 0, Child<QTreeView>(frame, "StructureTree").currentIndex());
    ASSERT_EQ(bern.data().toString(), QStringLiteral("Bern"));
    Child<QTreeView>(frame, "StructureTree").setCurrentIndex(bern);
    ASSERT_FALSE(frame.Model().setData(bern, QStringLiteral("ajax"), Qt::EditRole));
    QApplication::processEvents();
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("A team with this name already exists"));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(focus) &&
                Child<QTreeView>(frame, "StructureTree").isAncestorOf(focus))
        << "the name's editor has the focus, not " << focus->metaObject()->className();
    EXPECT_NE(focus, w.button(QWizard::BackButton));
    QTest::keyClick(focus, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(w.currentId(), TNewTournamentForm::PageStructure);
}

// Move Up and Move Down follow the node the user clicks, not only the last one moved.
TEST_F(NewTournamentForm, TheMoveButtonsFollowTheClickedNode) {
    TNewTournamentForm w(main_->List(), Dialogs);
    ToNamePage(w, false);
    FillName(w, QStringLiteral("Moves League"), SportSoccer);
    w.next();
    w.next();
    TGroupFrame& frame = w.GroupFrame();
    AddGroup(frame, {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
    QApplication::processEvents();
    auto* up = frame.findChild<QAbstractButton*>(QStringLiteral("MoveUpBtn"));
    auto* down = frame.findChild<QAbstractButton*>(QStringLiteral("MoveDownBtn"));
    QTreeView& view = Child<QTreeView>(frame, "StructureTree");
    const QModelIndex group = view.currentIndex();
    const auto click = [&](const QModelIndex& i) {
        view.scrollTo(i);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(i).center());
    };
    click(frame.Model().index(0, 0, group)); // Alpha, the first
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(down->isEnabled());
    click(frame.Model().index(2, 0, group)); // Gamma, the last
    EXPECT_TRUE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
    click(group); // the only group
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
}

TEST_F(NewTournamentForm, TheStructurePageHoldsItsRules) {
    TNewTournamentForm w(main_->List(), Dialogs);
    ToNamePage(w, true);
    FillName(w, QStringLiteral("Prairie League"), SportHockey);
    w.next();
    // Overtime, proposed for hockey.
    EXPECT_TRUE(Child<QCheckBox>(w.PointsFrame(), "OvertimeBox").isChecked());
    w.next();
    TGroupFrame& f = w.GroupFrame();
    // A division needs a conference; a conference needs a division.
    f.AddGroup();
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("You should add a division inside a conference"));
    f.AddConference();
    EXPECT_EQ(f.Selected()->Name, QStringLiteral("New Conference 1"));
    w.next();
    EXPECT_EQ(Messages.Texts().value(1),
              QStringLiteral("Conference 'New Conference 1' does not contain any divisions"));
    // New Team 2 fills the gap between 1 and 3, in any division.
    f.AddGroup();
    f.AddTeam();
    f.AddTeam();
    f.AddTeam();
    const TStructureNode* third = f.Selected();
    EXPECT_EQ(third->Name, QStringLiteral("New Team 3"));
    f.Select(third->Parent->Children[1].get());
    f.DeleteSelected(); // the wizard does not ask
    EXPECT_EQ(Messages.Texts().size(), 2);
    f.AddTeam();
    EXPECT_EQ(f.Selected()->Name, QStringLiteral("New Team 2"));
    // A duplicate name typed in place is refused and the old one stays.
    EXPECT_FALSE(f.Model().setData(Child<QTreeView>(f, "StructureTree").currentIndex(),
                                   QStringLiteral("new team 1"), Qt::EditRole));
    EXPECT_EQ(Messages.Texts().value(2), QStringLiteral("A team with this name already exists"));
    EXPECT_EQ(f.Selected()->Name, QStringLiteral("New Team 2"));

    // 71 teams imported through the dialog are one too many; 70 pass.
    QStringList names;
    for (int i = 4; i <= 71; ++i)
        names << QStringLiteral("  Club %1 ").arg(i);
    names << QStringLiteral("New Team 1"); // there already
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TImportTeamsTxtForm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        Child<QPlainTextEdit>(*dialog, "TeamsText").setPlainText(names.join(QLatin1Char('\n')));
        dialog->accept();
    });
    f.ImportTeams();
    EXPECT_EQ(Messages.Texts().value(3),
              QStringLiteral("Some teams have not been imported because they already exist"));
    EXPECT_EQ(f.Tree().TeamCount(), 71);
    w.next();
    EXPECT_EQ(Messages.Texts().value(4),
              QStringLiteral("It is not allowed to create more than 70 teams within a tournament"));
    f.Select(f.Tree().InOrder().back());
    f.DeleteSelected();
    Messages.Clear();
    w.next();
    EXPECT_EQ(w.currentId(), TNewTournamentForm::PageRanking)
        << qPrintable(Messages.Texts().join('\n'));
    w.button(QWizard::FinishButton)->click();
    const auto t = Load(w.Created().FilePath);
    EXPECT_EQ(t->TeamCount(), 70);
    EXPECT_TRUE(t->HasConferences());
    EXPECT_TRUE(t->Overtime);
    EXPECT_NE(t->JointTable().TeamByName(QStringLiteral("Club 70")), nullptr); // trimmed
}

TEST_F(NewTournamentForm, ACopyWithMatchesButWithoutReferees) {
    const QString sourcePath = TTournamentList::SavesPath(QStringLiteral("soccer.kvd"));
    const auto source = Load(sourcePath);
    TNewTournamentForm w(main_->List(), Dialogs);
    w.show();
    Child<QRadioButton>(w, "ExistingBtn").setChecked(true);
    w.next();
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageSource);
    w.next();
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("You have not selected source tournament"));
    w.SelectSource(main_->List().FindByPath(sourcePath));
    w.CopyBox("CopyRefereesBox").setChecked(false);
    w.CopyBox("CopyMatchesBox").setChecked(true);
    w.next();
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageType);
    EXPECT_FALSE(Child<QRadioButton>(w, "ConferencesSystemBtn").isEnabled()); // the source's system
    w.next();
    EXPECT_EQ(w.MainFrame().NameEdit().text(), source->Name);
    // The file name follows from the name, beside the source's file.
    EXPECT_EQ(w.MainFrame().FileEdit().text(), ProposedFileName(source->Name));
    EXPECT_FALSE(w.MainFrame().SportBox().isEnabled());
    w.MainFrame().NameEdit().setText(QStringLiteral("Riverside Autumn League"));
    w.MainFrame().FileEdit().setText(QStringLiteral("autumn"));
    w.next();
    w.next();
    EXPECT_EQ(w.GroupFrame().Tree().TeamCount(), source->TeamCount());
    w.next();
    EXPECT_EQ(static_cast<size_t>(Child<QListWidget>(w.SortFrame(), "ActiveList").count()) + 1,
              source->SortCriteria.size());
    w.button(QWizard::FinishButton)->click();
    ASSERT_EQ(w.result(), QDialog::Accepted);
    const auto t = Load(w.Created().FilePath);
    EXPECT_EQ(t->MatchCount(), source->MatchCount());
    EXPECT_TRUE(t->Referees.empty());
    EXPECT_EQ(t->Stadiums.size(), source->Stadiums.size());
    for (const TMatch* m : t->JointTable().Matches())
        EXPECT_TRUE(m->RefereeIds.isEmpty());
    for (const TTeam* team : source->JointTable().Teams())
        EXPECT_NE(t->TeamById(team->Id), nullptr) << "ids kept";
    ASSERT_EQ(t->SortCriteria.size(), source->SortCriteria.size());
    for (size_t i = 0; i < t->SortCriteria.size(); ++i)
        EXPECT_EQ(t->SortCriteria[i].Column, source->SortCriteria[i].Column);
    // The standings equal the source's: same teams, same matches.
    const auto standings = [](const QString& file) {
        return kvtest::Kvtool({QStringLiteral("standings"), file, QStringLiteral("--table"),
                               QStringLiteral("all")})
            .Out;
    };
    EXPECT_EQ(standings(w.Created().FilePath), standings(sourcePath));
}

// A copy of a tournament of conferences keeps its three legs and every match they allow.
TEST_F(NewTournamentForm, ACopyOfConferencesKeepsItsLegsAndMatches) {
    const QString sourcePath = TTournamentList::SavesPath(QStringLiteral("basketball.kvd"));
    const auto source = Load(sourcePath);
    ASSERT_TRUE(source->HasConferences());
    TNewTournamentForm w(main_->List(), Dialogs);
    w.show();
    Child<QRadioButton>(w, "ExistingBtn").setChecked(true);
    w.next();
    w.SelectSource(main_->List().FindByPath(sourcePath));
    w.CopyBox("CopyMatchesBox").setChecked(true);
    w.next();
    w.next();
    w.MainFrame().NameEdit().setText(QStringLiteral("Second Season"));
    w.MainFrame().FileEdit().setText(QStringLiteral("second"));
    w.next();
    w.next();
    w.next();
    w.button(QWizard::FinishButton)->click();
    ASSERT_EQ(w.result(), QDialog::Accepted);
    const auto t = Load(w.Created().FilePath);
    EXPECT_EQ(t->GroupLegs, source->GroupLegs);
    EXPECT_EQ(t->ConferenceLegs, source->ConferenceLegs);
    EXPECT_EQ(t->InterConferenceLegs, source->InterConferenceLegs);
    EXPECT_EQ(t->MatchCount(), source->MatchCount());
}

// A two-group soccer season built in the wizard and typed into the score dialog is the same file
// as one made by kvtool new and import-csv, but for the dates and times of saving.
TEST_F(NewTournamentForm, ASeasonTypedInEqualsOneBuiltByKvtool) {
    const QStringList a{QStringLiteral("Ashford"), QStringLiteral("Brampton"),
                        QStringLiteral("Carlow")};
    const QStringList b{QStringLiteral("Dunmore"), QStringLiteral("Elgin"),
                        QStringLiteral("Fairview")};
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<TNewTournamentForm*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        ToNamePage(*w, false);
        FillName(*w, QStringLiteral("Valley Cup"), SportSoccer);
        w->MainFrame().Legs(0).setValue(1);
        w->next();
        w->next();
        AddGroup(w->GroupFrame(), a);
        AddGroup(w->GroupFrame(), b);
        w->next();
        w->button(QWizard::FinishButton)->click();
    });
    main_->Command(TCommandId::NewTournament)->trigger();
    TTournamentForm* form = main_->ActiveForm();
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    EXPECT_NE(main_->List().FindByPath(doc.FileName()), nullptr);
    const struct {
        const char* Home;
        const char* Visitor;
        const char* Score;
    } results[] = {{"Ashford", "Brampton", "2:1"}, {"Carlow", "Ashford", "0:0"},
                   {"Brampton", "Carlow", "3:2"},  {"Dunmore", "Elgin", "1:4"},
                   {"Fairview", "Dunmore", "2:2"}, {"Elgin", "Fairview", "0:1"}};
    TScoreForm dialog(Dialogs, form);
    QString csv;
    for (const auto& r : results) {
        const TTournament& t = doc.Tournament();
        dialog.OpenNew(doc, t.JointTable().TeamByName(QLatin1String(r.Home))->Id,
                       t.JointTable().TeamByName(QLatin1String(r.Visitor))->Id, 1, 1);
        QLineEdit* score = dialog.findChild<QLineEdit*>(QStringLiteral("ScoreEdit"));
        score->clear();
        score->setText(QLatin1String(r.Score));
        ASSERT_TRUE(dialog.ApplyChanges());
        csv += QStringLiteral("%1,%2,%3\n")
                   .arg(QLatin1String(r.Home), QLatin1String(r.Visitor), QLatin1String(r.Score));
    }
    ASSERT_TRUE(form->Save());

    const QString built = HomePath(QStringLiteral("valley.kvd"));
    const QString data = HomePath(QStringLiteral("valley.csv"));
    QFile out(data);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(csv.toUtf8());
    out.close();
    QStringList args{QStringLiteral("new"),       built,
                     QStringLiteral("--name"),    QStringLiteral("Valley Cup"),
                     QStringLiteral("--sport"),   QStringLiteral("soccer"),
                     QStringLiteral("--legs"),    QStringLiteral("1"),
                     QStringLiteral("--group"),   QStringLiteral("New Group 1=") + a.join(';'),
                     QStringLiteral("--group"),   QStringLiteral("New Group 2=") + b.join(';'),
                     QStringLiteral("--criteria")};
    QStringList criteria;
    for (const TSortColumn& c : ProposedCriteria(SportSoccer))
        criteria << QString::number(c.Column);
    args << criteria.join(',');
    ASSERT_EQ(kvtest::Kvtool(args).Status, 0);
    ASSERT_EQ(kvtest::Kvtool({QStringLiteral("import-csv"), built, data,
                              QStringLiteral("--columns"), QStringLiteral("home,visitor,score")})
                  .Status,
              0);
    const auto lines = [](const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QStringList l = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        return l;
    };
    QStringList typed = lines(doc.FileName());
    QStringList expected = lines(built);
    ASSERT_EQ(typed.size(), expected.size());
    // Only a moment (a day count with its fraction) may differ: the time the file was made.
    int moments = 0;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == expected[i]) continue;
        const QStringList x = typed[i].split(QLatin1Char(' '));
        const QStringList y = expected[i].split(QLatin1Char(' '));
        ASSERT_EQ(x.size(), y.size()) << i << ": " << qPrintable(typed[i]);
        for (qsizetype k = 0; k < x.size(); ++k) {
            if (x[k] == y[k]) continue;
            EXPECT_GT(x[k].toDouble(), 40000.0)
                << i << ": " << qPrintable(typed[i]) << " | " << qPrintable(expected[i]);
            ++moments;
        }
    }
    EXPECT_LE(moments, 2);
}

// A real season's file of results becomes a tournament through the wizard with no team typed:
// the teams, the group and the legs come from the file, and its final table is the official one.
TEST_F(NewTournamentForm, AFileOfResultsBecomesATournamentInOneGo) {
    TNewTournamentForm w(main_->List(), Dialogs);
    w.show();
    Child<QRadioButton>(w, "ResultsBtn").setChecked(true);
    w.next();
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageResults);
    QApplication::processEvents();
    EXPECT_EQ(w.focusWidget(), &w.ResultsFrame().FileEdit());
    w.next(); // no file yet
    EXPECT_EQ(w.currentId(), TNewTournamentForm::PageResults);
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("Choose the file of results."));
    const QString results =
        kvtest::SharedDataPath(QStringLiteral("premier-league-2011-12-results.csv"));
    Dialogs.Opens.push_back({{results}, QString()});
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("BrowseBtn")), Qt::LeftButton);
    TResultsFileFrame& f = w.ResultsFrame();
    // Delimiter, heading row and columns come from the file; its written dates read by themselves.
    EXPECT_EQ(f.FileEdit().text(), results);
    EXPECT_EQ(Child<QComboBox>(f, "DelimiterCB").currentIndex(), 0);
    EXPECT_TRUE(f.HeadingsBox().isChecked());
    EXPECT_EQ(f.Rows().size(), 380u);
    EXPECT_EQ(
        Child<QLabel>(f, "SummaryLabel").text(),
        QStringLiteral(
            "20 teams, 2 legs, 380 matches. A click on a column's heading says what it holds."));
    EXPECT_TRUE(Child<QLabel>(f, "DatePreviewLabel")
                    .text()
                    .startsWith(QStringLiteral("Sat Aug 13 2011 \u2192 ") +
                                LongDateText(DateToDays(QDate(2011, 8, 13)))))
        << qPrintable(Child<QLabel>(f, "DatePreviewLabel").text());
    // Without a visitor column no tournament can be made; the page says so and stays.
    f.SetKind(4, ImportNone);
    EXPECT_EQ(Child<QLabel>(f, "SummaryLabel").text(),
              QStringLiteral("Visitor team column is not specified"));
    w.next();
    EXPECT_EQ(w.currentId(), TNewTournamentForm::PageResults);
    EXPECT_EQ(Messages.Texts().value(1), QStringLiteral("Visitor team column is not specified"));
    f.SetKind(4, ImportVisitor);
    w.next();
    // No type page: the name page, with the file's name, the legs it implies and a sport.
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageName);
    EXPECT_EQ(w.MainFrame().NameEdit().text(), QStringLiteral("premier-league-2011-12-results"));
    EXPECT_EQ(w.MainFrame().FileEdit().text(),
              QStringLiteral("premier-league-2011-12-results.kvd"));
    EXPECT_EQ(w.MainFrame().Legs(0).value(), 2);
    EXPECT_EQ(w.MainFrame().Sport(), SportSoccer);
    w.MainFrame().NameEdit().selectAll();
    QTest::keyClicks(&w.MainFrame().NameEdit(), QStringLiteral("Premier League 2011/12"));
    EXPECT_EQ(w.MainFrame().FileEdit().text(), QStringLiteral("Premier League 2011-12.kvd"));
    w.next();
    w.next();
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageStructure);
    EXPECT_EQ(w.GroupFrame().Tree().TeamCount(), 20);
    ASSERT_EQ(w.GroupFrame().Tree().Top().size(), 1u);
    EXPECT_EQ(w.GroupFrame().Tree().Top().front()->Name, QStringLiteral("League"));
    w.next();
    ASSERT_EQ(w.currentId(), TNewTournamentForm::PageRanking);
    w.button(QWizard::FinishButton)->click();
    ASSERT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(w.Imported().Added, 380);
    EXPECT_EQ(w.Imported().Failed, 0);
    EXPECT_EQ(Messages.Texts().size(), 2) << qPrintable(Messages.Texts().join('\n'));

    const auto t = Load(w.Created().FilePath);
    EXPECT_EQ(t->Name, QStringLiteral("Premier League 2011/12"));
    EXPECT_EQ(t->GroupLegs, 2);
    ASSERT_EQ(t->Groups().size(), 1u);
    const TGroup& g = *t->GroupAt(0);
    const TStandingsOrder order = RankStandings(*t, g, g.Teams(), ScopeOverall);
    const kv::TCsvRecords official = kv::ReadCsvRecords(
        ReadFile(kvtest::SharedDataPath(QStringLiteral("premier-league-2011-12-final-table.csv"))),
        QLatin1Char(','));
    ASSERT_EQ(official.size(), 21);
    ASSERT_EQ(order.Teams.size(), 20u);
    for (size_t i = 0; i < 20; ++i) {
        const QStringList& row =
            official[static_cast<qsizetype>(i) + 1]; // Pos,Team,Pld,W,D,L,GF,GA,GD,Pts
        EXPECT_EQ(order.Teams[i]->Name, row[1]) << "place " << i + 1;
        EXPECT_EQ(static_cast<int>(ColumnValue(*t, *order.Teams[i], 40, ScopeOverall)),
                  row[9].toInt())
            << qPrintable(row[1]);
    }
}

// The next tournament starts with the sport of the last one, and Cancel asks before the teams
// entered are lost.
TEST_F(NewTournamentForm, StartsWithTheLastSportAndAsksBeforeDiscardingTeams) {
    {
        TNewTournamentForm w(main_->List(), Dialogs);
        ToNamePage(w, false);
        FillName(w, QStringLiteral("Ice Cup"), SportHockey);
        w.next();
        w.next();
        AddGroup(w.GroupFrame(), {QStringLiteral("North"), QStringLiteral("South")});
        w.next();
        w.button(QWizard::FinishButton)->click();
        ASSERT_EQ(w.result(), QDialog::Accepted);
    }
    TNewTournamentForm w(main_->List(), Dialogs);
    ToNamePage(w, false);
    EXPECT_EQ(w.MainFrame().Sport(), SportHockey);
    // Cancel before any team: no question.
    w.reject();
    EXPECT_TRUE(Messages.Texts().isEmpty()) << qPrintable(Messages.Texts().join('\n'));
    EXPECT_EQ(w.result(), QDialog::Rejected);

    TNewTournamentForm w2(main_->List(), Dialogs);
    ToNamePage(w2, false);
    FillName(w2, QStringLiteral("Ice Cup 2"), SportHockey);
    w2.next();
    w2.next();
    AddGroup(w2.GroupFrame(), {QStringLiteral("East"), QStringLiteral("West")});
    Messages.QueueAnswer(TMessageButton::No);
    w2.button(QWizard::CancelButton)->click();
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("Discard the new tournament and its teams?"));
    EXPECT_TRUE(w2.isVisible());
    EXPECT_EQ(w2.GroupFrame().Tree().TeamCount(), 2);
    Messages.QueueAnswer(TMessageButton::Yes);
    w2.button(QWizard::CancelButton)->click();
    EXPECT_FALSE(w2.isVisible());
    EXPECT_EQ(w2.result(), QDialog::Rejected);
}
