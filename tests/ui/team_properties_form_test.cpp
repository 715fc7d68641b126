// The team properties dialog on a sample: the name and symbol checks with the focus kept in the
// refused field, the fields taken as typed, added points in the standings, the team's own font
// and colour kept in the file, one undoable step, and the clicks that open it.
#include "edit/editor.h"
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "model/group.h"
#include "model/team.h"
#include "render/table_hit.h"
#include "standings/team_values.h"
#include "storage/tournament_file.h"
#include "ui/fixtures/fixture_date_form.h"
#include "ui/fixtures/score_form.h"
#include "ui/setup/team_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/tables/place_font_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/color_button.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace kv;
using kvtest::Child;

namespace {

class TeamPropertiesForm : public kvtest::TMainWindowTest {};

} // namespace

TEST_F(TeamPropertiesForm, NamesAndSymbolsAreCheckedAndTheEditIsOneStep) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TTeam* first = doc.Tournament().JointTable().TeamAt(0);
    const TTeam* second = doc.Tournament().JointTable().TeamAt(1);
    const int id = first->Id;
    const QString otherName = second->Name;
    const double points = Points(doc.Tournament(), *first, 1);
    const int steps = doc.UndoStack().count();

    TTeamPropertiesForm dialog(doc, Dialogs);
    QLineEdit& name = Child<QLineEdit>(dialog, "NameEdit");
    QLineEdit& symbol = Child<QLineEdit>(dialog, "SymbolEdit");
    dialog.show();
    dialog.ShowTeam(id);
    EXPECT_EQ(dialog.TeamId(), id);
    EXPECT_TRUE(name.isReadOnly());
    EXPECT_TRUE(dialog.windowTitle().startsWith(QStringLiteral("Team Properties - ")));

    dialog.ModifyName();
    EXPECT_FALSE(name.isReadOnly());
    name.setText(QStringLiteral("   "));
    EXPECT_FALSE(dialog.TakeName());
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Empty team name is not allowed"));
    EXPECT_FALSE(name.isReadOnly());
    name.setText(otherName.toUpper());
    EXPECT_FALSE(dialog.TakeName());
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Team with this name already exists"));
    // OK does not close on a refused name.
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    name.setText(QStringLiteral("  Renamed Rovers "));
    EXPECT_TRUE(dialog.TakeName());
    EXPECT_TRUE(name.isReadOnly());
    EXPECT_EQ(Child<QComboBox>(dialog, "TeamBox").currentText(), QStringLiteral("Renamed Rovers"));

    dialog.ModifySymbol();
    symbol.setText(QStringLiteral(" rr "));
    EXPECT_TRUE(dialog.TakeSymbol());
    EXPECT_EQ(symbol.text(), QStringLiteral("RR"));
    QTest::keyClicks(&Child<QLineEdit>(dialog, "CityEdit"), QStringLiteral("Riverside"));
    QTest::keyClicks(&Child<QLineEdit>(dialog, "YearEdit"), QStringLiteral("19x07"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "YearEdit").text(), QStringLiteral("1907")); // digits only
    Child<QDoubleSpinBox>(dialog, "AddedPointsEdit").setValue(-3);

    // Another team may not take the symbol typed a moment ago, but may have none.
    dialog.ShowTeam(second->Id);
    dialog.ModifySymbol();
    symbol.setText(QStringLiteral("Rr"));
    EXPECT_FALSE(dialog.TakeSymbol());
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Team with this symbol already exists"));
    symbol.clear();
    EXPECT_TRUE(dialog.TakeSymbol());

    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    const TTeam* renamed = doc.Tournament().TeamById(id);
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->Name, QStringLiteral("Renamed Rovers"));
    EXPECT_EQ(renamed->Symbol, QStringLiteral("RR"));
    EXPECT_EQ(renamed->City, QStringLiteral("Riverside"));
    EXPECT_EQ(renamed->FoundationYear, 1907);
    EXPECT_EQ(renamed->AddedPoints, -3);
    EXPECT_DOUBLE_EQ(Points(doc.Tournament(), *renamed, 1), points - 3);
    EXPECT_EQ(doc.UndoStack().count(), steps + 1);
    doc.UndoStack().undo();
    const TTeam* back = doc.Tournament().TeamById(id);
    EXPECT_NE(back->Name, QStringLiteral("Renamed Rovers"));
    EXPECT_EQ(back->FoundationYear, -1);
    EXPECT_DOUBLE_EQ(Points(doc.Tournament(), *back, 1), points);
}

TEST_F(TeamPropertiesForm, FontAndBackgroundAreTheTeamsOwnAndKeptInTheFile) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const int id = doc.Tournament().JointTable().TeamAt(2)->Id;
    TTeamPropertiesForm dialog(doc, Dialogs);
    dialog.ShowTeam(id);
    Child<QTabWidget>(dialog, "PageControl").setCurrentIndex(TTeamPropertiesForm::PageFont);
    Dialogs.Colors.push_back(RgbColor(200, 220, 255));
    dialog.ChooseBackground();
    EXPECT_TRUE(Child<QCheckBox>(dialog, "SeparateBgBox").isChecked());
    // The font dialog: bold, capitals and a colour.
    Dialogs.Colors.push_back(RgbColor(0, 128, 0));
    QTimer::singleShot(0, [this] {
        auto* font = qobject_cast<TSTFontForm*>(QApplication::activeModalWidget());
        ASSERT_NE(font, nullptr);
        Child<QCheckBox>(*font, "BoldBox").setChecked(true);
        Child<QCheckBox>(*font, "UpperCaseBox").setChecked(true);
        font->ColorButton().Choose();
        font->accept();
    });
    dialog.ChooseFont();
    EXPECT_TRUE(Child<QCheckBox>(dialog, "SeparateFontBox").isChecked());
    dialog.accept();

    const TTeam* team = doc.Tournament().TeamById(id);
    EXPECT_TRUE(team->SeparateBackground);
    EXPECT_EQ(team->BackgroundColor, RgbColor(200, 220, 255));
    EXPECT_TRUE(team->SeparateFont);
    EXPECT_TRUE(team->Font.Bold);
    EXPECT_TRUE(team->UpperCase);
    EXPECT_EQ(team->Font.Color, RgbColor(0, 128, 0));
    ASSERT_TRUE(form->Save());
    TTournament loaded(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(loaded, doc.FileName()).Ok);
    const TTeam* read = loaded.TeamById(id);
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->SeparateBackground);
    EXPECT_EQ(read->BackgroundColor, RgbColor(200, 220, 255));
    EXPECT_TRUE(read->UpperCase);
    EXPECT_EQ(read->Font.Color, RgbColor(0, 128, 0));
}

TEST_F(TeamPropertiesForm, PriorAndNextWalkEveryTeamGroupByGroup) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TTeamPropertiesForm dialog(doc, Dialogs);
    dialog.ShowTeam(-1);
    std::vector<int> seen{dialog.TeamId()};
    for (int i = 0;
         i < 200 && seen.size() < static_cast<size_t>(doc.Tournament().JointTable().TeamCount());
         ++i) {
        dialog.Next();
        if (dialog.TeamId() == seen.back()) break;
        seen.push_back(dialog.TeamId());
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(doc.Tournament().JointTable().TeamCount()));
    dialog.Prior();
    EXPECT_EQ(dialog.TeamId(), seen[seen.size() - 2]);
}

// A click on a team's name cell, or on the heading of its results column, opens the dialog on
// that team; the command opens it too.
TEST_F(TeamPropertiesForm, ClicksOnTheTableOpenItOnTheTeam) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    ASSERT_GT(page.TableCount(), 0);
    const TGroup* table = page.TableAt(0);
    const int expected = table->TeamAt(1)->Id;
    int shown = -2;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<TTeamPropertiesForm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->TeamId();
        dialog->reject();
    });
    page.ClickAt(page.ToViewport(0, TeamNameCentre(page.LayoutAt(0), 1)));
    EXPECT_EQ(shown, expected);

    shown = -2;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<TTeamPropertiesForm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->TeamId();
        dialog->reject();
    });
    form->Command(TCommandId::TeamProperties)->trigger();
    EXPECT_GE(shown, 0);
}

// Run as the window runs it (modal): leaving the unlocked name field checks it at once and a
// refused name keeps the focus.
TEST_F(TeamPropertiesForm, LeavingTheNameFieldChecksIt) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const QString taken = form->Document().Tournament().JointTable().TeamAt(1)->Name;
    QString message;
    bool focusBack = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TTeamPropertiesForm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QApplication::setActiveWindow(dialog);
        dialog->ShowTeam(form->Document().Tournament().JointTable().TeamAt(0)->Id);
        dialog->ModifyName();
        QLineEdit& name = Child<QLineEdit>(*dialog, "NameEdit");
        name.setText(taken);
        Child<QLineEdit>(*dialog, "CityEdit").setFocus();
        QApplication::processEvents();
        message = Messages.Texts().isEmpty() ? QString() : Messages.Texts().back();
        focusBack = !name.isReadOnly() && dialog->focusWidget() == &name;
        name.setText(QStringLiteral("Some New Name"));
        dialog->reject();
    });
    form->Command(TCommandId::TeamProperties)->trigger();
    EXPECT_EQ(message, QStringLiteral("Team with this name already exists"));
    EXPECT_TRUE(focusBack);
}

// Two stadiums of one name are told apart by their city and country wherever one is chosen:
// the team's home stadium, the match dialog and the fixtures' stadium dialog.
TEST_F(TeamPropertiesForm, StadiumsOfOneNameShowTheirPlaceInEveryChooser) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TEditor(doc).Edit(QStringLiteral("Stadiums"), ChangeFixtures, [](TTournament& t) {
        t.Stadiums.clear();
        t.AddStadium(QStringLiteral("Victoria Park"), QStringLiteral("England"),
                     QStringLiteral("Hartlepool"), -1);
        t.AddStadium(QStringLiteral("victoria park"), QStringLiteral("Scotland"),
                     QStringLiteral("Dingwall"), -1);
        t.AddStadium(QStringLiteral("Hampden"), QStringLiteral("Scotland"),
                     QStringLiteral("Glasgow"), -1);
    });
    const QStringList expected{QString(), QStringLiteral("Victoria Park (Hartlepool, England)"),
                               QStringLiteral("victoria park (Dingwall, Scotland)"),
                               QStringLiteral("Hampden")};
    const auto items = [](QComboBox* box, bool skipFirst) {
        QStringList texts;
        for (int i = skipFirst ? 1 : 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    TTeamPropertiesForm dialog(doc, Dialogs);
    auto* home = dialog.findChild<QComboBox*>(QStringLiteral("StadiumBox"));
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(items(home, true), expected.mid(1));
    TFixtureDateForm fixtures(TFixtureField::Stadium, doc.Tournament());
    auto* chosen = fixtures.findChild<QComboBox*>(QStringLiteral("StadiumCB"));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(items(chosen, true).size(), 3);
    EXPECT_TRUE(items(chosen, true).contains(QStringLiteral("victoria park (Dingwall, Scotland)")));
    EXPECT_TRUE(items(chosen, true).contains(QStringLiteral("Hampden")));
    TScoreForm score(Dialogs);
    score.OpenMatch(doc, doc.Tournament().MatchAt(0)->Id);
    auto* match = score.findChild<QComboBox*>(QStringLiteral("StadiumCB"));
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(items(match, false), expected);
}
