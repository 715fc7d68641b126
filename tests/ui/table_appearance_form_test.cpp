// The table appearance dialog on a sample: table styles saved, refused, overwritten, chosen
// and deleted through the dialog; defaults saved and read back; place styles on tables with
// fewer places; the team display; and every OK one undoable step.
#include "ui/ui_support.h"

#include "base/fileio.h"
#include "edit/tournament_document.h"
#include "model/group.h"
#include "storage/named_files.h"
#include "ui/shell/main_form.h"
#include "ui/tables/place_appearance_frame.h"
#include "ui/tables/style_form.h"
#include "ui/tables/table_appearance_form.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/color_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kv;
using kvtest::Child;

namespace {

class TableAppearanceForm : public kvtest::TMainWindowTest {};

} // namespace

TEST_F(TableAppearanceForm, TableStylesRoundTripThroughTheDialog) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const int steps = doc.UndoStack().count();
    TTableAppearanceForm dialog(doc, Dialogs);
    QComboBox& styles = Child<QComboBox>(dialog, "StyleBox");
    EXPECT_FALSE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled());
    Dialogs.Colors.push_back(RgbColor(1, 2, 3));
    dialog.ColorButton("BorderColorBtn").Choose();
    dialog.Check("BoldBordersBox").setChecked(true);
    EXPECT_EQ(dialog.Style().BorderColor, RgbColor(1, 2, 3));
    EXPECT_TRUE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled());

    // A name with a character a file may not have keeps the name dialog open.
    bool stayed = false;
    kvtest::AnswerNameBox({QStringLiteral("Bad/Name")}, &stayed);
    dialog.SaveStyle();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(Messages.Texts().back().startsWith(
        QStringLiteral("A file name cannot contain characters:")));
    kvtest::AnswerNameBox({QStringLiteral("Night")});
    dialog.SaveStyle();
    ASSERT_TRUE(QFileInfo::exists(TableStylePath(QStringLiteral("Night"))));
    EXPECT_EQ(styles.currentText(), QStringLiteral("Night"));
    // An existing name asks first; No keeps the dialog open and the file as it was.
    const QByteArray saved = TableStyleBytes(dialog.Style());
    Messages.QueueAnswer(TMessageButton::No);
    stayed = false;
    kvtest::AnswerNameBox({QStringLiteral("night")}, &stayed);
    dialog.SaveStyle();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("\"night\" already exists. Overwrite?"));

    // The defaults: saved, changed, read back.
    dialog.SaveDefault();
    Dialogs.Colors.push_back(RgbColor(9, 9, 9));
    dialog.ColorButton("BorderColorBtn").Choose();
    dialog.LoadDefault();
    EXPECT_EQ(dialog.Style().BorderColor, RgbColor(1, 2, 3));
    EXPECT_EQ(styles.currentIndex(), 0);

    // A style file leaves the results-grid switches alone.
    dialog.Check("DividersBox").setChecked(false);
    Dialogs.Colors.push_back(RgbColor(9, 9, 9));
    dialog.ColorButton("BorderColorBtn").Choose();
    dialog.ChooseStyle(QStringLiteral("Night"));
    EXPECT_EQ(dialog.Style().BorderColor, RgbColor(1, 2, 3));
    EXPECT_TRUE(dialog.Style().BoldBorders);
    EXPECT_FALSE(dialog.Style().Dividers);
    EXPECT_EQ(TableStyleBytes(dialog.Style()), saved);

    // A damaged file says so; the dialog stays usable.
    ASSERT_TRUE(
        WriteFileAtomic(TableStylePath(QStringLiteral("Broken")), QByteArray("Tahoma\r\n1 8 x\r\n"))
            .Ok);
    dialog.ChooseStyle(QStringLiteral("Broken"));
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Error opening style"));

    styles.setCurrentIndex(styles.findText(QStringLiteral("Night")));
    dialog.ChooseStyle(QStringLiteral("Night"));
    Messages.QueueAnswer(TMessageButton::Yes);
    dialog.DeleteStyle();
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral("Are you sure you want to delete selected style?"));
    EXPECT_FALSE(QFileInfo::exists(TableStylePath(QStringLiteral("Night"))));
    EXPECT_EQ(styles.findText(QStringLiteral("Night")), -1);

    dialog.accept();
    EXPECT_EQ(doc.UndoStack().count(), steps + 1);
    for (const TGroup* g : doc.Tournament().AllTables()) {
        EXPECT_EQ(g->Style.BorderColor, RgbColor(1, 2, 3));
        EXPECT_FALSE(g->Style.Dividers);
    }
    doc.UndoStack().undo();
    EXPECT_NE(doc.Tournament().JointTable().Style.BorderColor, RgbColor(1, 2, 3));
}

TEST_F(TableAppearanceForm, OvertimeAndShootOutColoursShowOnlyWhereTheRulesHaveThem) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const TTournament& t = form->Document().Tournament();
    ASSERT_FALSE(t.Overtime);
    TTableAppearanceForm dialog(form->Document(), Dialogs);
    EXPECT_FALSE(dialog.ColorButton("WinColorBtn").isHidden());
    EXPECT_FALSE(dialog.ColorButton("DrawColorBtn").isHidden());
    // No overtime: none of its three results, "Draw/Tie (OT)" as little as the others.
    for (const char* name : {"WinOTColorBtn", "DrawOTColorBtn", "LossOTColorBtn"})
        EXPECT_TRUE(dialog.ColorButton(name).isHidden()) << name;
    EXPECT_EQ(dialog.ColorButton("LossSOColorBtn").isHidden(), !t.ShootOuts);
    dialog.reject();
    TTournamentForm* hockey = Open("hockey.kvd");
    ASSERT_NE(hockey, nullptr);
    TTableAppearanceForm hockeyDialog(hockey->Document(), Dialogs);
    ASSERT_TRUE(hockey->Document().Tournament().Overtime);
    for (const char* name : {"WinOTColorBtn", "DrawOTColorBtn", "LossOTColorBtn"})
        EXPECT_FALSE(hockeyDialog.ColorButton(name).isHidden()) << name;
}

TEST_F(TableAppearanceForm, PlaceLooksAndPlaceStylesFillOnlyThePlacesATableHas) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TGroup* group = doc.Tournament().GroupAt(0);
    const size_t places = group->PlaceFonts.size();
    ASSERT_GE(places, 3u);
    TTableAppearanceForm dialog(doc, Dialogs);
    TPlaceAppearanceFrame& frame = dialog.PlaceFrame();
    QListWidget& placeList = Child<QListWidget>(frame, "PlacesList");
    ASSERT_EQ(placeList.count(), static_cast<int>(places));
    placeList.item(0)->setSelected(true);
    placeList.item(1)->setSelected(true);
    frame.SetColor(RgbColor(10, 200, 10));
    EXPECT_TRUE(Child<QCheckBox>(frame, "PlaceColorBox").isChecked());
    frame.SetSeparateFont(true);

    // A place style of more places than the table has.
    std::vector<TPlaceFont> many(places + 10);
    for (TPlaceFont& p : many) {
        p.HasColor = true;
        p.Color = RgbColor(250, 250, 0);
    }
    many[2].UpperCase = true;
    many[2].HasFont = true;
    ASSERT_TRUE(SavePlaceStyle(PlaceStylePath(QStringLiteral("Many")), many).Ok);
    placeList.clearSelection();
    placeList.item(2)->setSelected(true);
    frame.ChoosePlaceStyle(QStringLiteral("Many"));

    // And one saved from this table, through the name dialog.
    kvtest::AnswerNameBox({QStringLiteral("Mine")});
    frame.SavePlaceStyle();
    std::vector<TPlaceFont> mine;
    ASSERT_TRUE(LoadPlaceStyle(PlaceStylePath(QStringLiteral("Mine")), mine).Ok);
    EXPECT_EQ(mine.size(), places);

    dialog.accept();
    const TGroup* after = doc.Tournament().GroupAt(0);
    ASSERT_EQ(after->PlaceFonts.size(), places);
    EXPECT_EQ(after->PlaceFonts[2].Color, RgbColor(250, 250, 0));
    EXPECT_TRUE(after->PlaceFonts[2].UpperCase);
    EXPECT_EQ(after->PlaceFonts[2].Font.Name, after->Style.Font.Name);
    EXPECT_EQ(after->PlaceFonts.back().Color, RgbColor(250, 250, 0));
}

TEST_F(TableAppearanceForm, TheTeamDisplayGoesToTheView) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TTableAppearanceForm dialog(doc, Dialogs);
    dialog.findChild<QCheckBox*>(QStringLiteral("ShowCityBox"))->setChecked(true);
    EXPECT_TRUE(dialog.Appearance().ShowCity);
    dialog.accept();
    EXPECT_TRUE(doc.Tournament().View.ShowCity);
    doc.UndoStack().undo();
    EXPECT_FALSE(doc.Tournament().View.ShowCity);
    // OK with nothing changed records nothing.
    const int steps = doc.UndoStack().count();
    TTableAppearanceForm unchanged(doc, Dialogs);
    unchanged.accept();
    EXPECT_EQ(doc.UndoStack().count(), steps);
}

// The table page edits every table, or the one chosen; an edit of all of them changes only what
// was edited, so a table keeps what it has of its own, and a style file reaches every table.
TEST_F(TableAppearanceForm, TheTablePageEditsOneTableOrAll) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    TTableAppearanceForm dialog(doc, Dialogs);
    const std::vector<TTableLook>& looks = dialog.Appearance().Tables;
    ASSERT_GE(looks.size(), 3u);
    const int last = static_cast<int>(looks.size()) - 1;
    const int lastId = looks.back().Id;
    const TColor border = doc.Tournament().JointTable().Style.BorderColor;
    // One division of its own: another border, no leg dividers.
    dialog.SetStyleScope(last);
    Dialogs.Colors.push_back(RgbColor(7, 7, 7));
    dialog.ColorButton("BorderColorBtn").Choose();
    dialog.Check("DividersBox").setChecked(!dialog.Style().Dividers);
    const bool ownDividers = dialog.Style().Dividers;
    // Then every table: bold borders.
    dialog.SetStyleScope(-1);
    EXPECT_EQ(dialog.Style().BorderColor, border);
    dialog.Check("BoldBordersBox").setChecked(true);
    EXPECT_EQ(dialog.Appearance().Tables.back().Style.BorderColor, RgbColor(7, 7, 7));

    // A style file: every table takes what it holds and keeps its results-grid switches.
    Dialogs.Colors.push_back(RgbColor(20, 30, 40));
    dialog.ColorButton("BorderColorBtn").Choose();
    ASSERT_TRUE(SaveTableStyle(TableStylePath(QStringLiteral("Plain")), dialog.Style()).Ok);
    dialog.SetStyleScope(last);
    Dialogs.Colors.push_back(RgbColor(7, 7, 7));
    dialog.ColorButton("BorderColorBtn").Choose();
    dialog.SetStyleScope(-1);
    dialog.ChooseStyle(QStringLiteral("Plain"));
    EXPECT_EQ(dialog.Appearance().Tables.back().Style.BorderColor, RgbColor(20, 30, 40));

    dialog.accept();
    const TGroup* own = doc.Tournament().GroupById(lastId);
    EXPECT_EQ(own->Style.Dividers, ownDividers);
    EXPECT_TRUE(own->Style.BoldBorders);
    EXPECT_EQ(own->Style.BorderColor, RgbColor(20, 30, 40));
    EXPECT_NE(doc.Tournament().JointTable().Style.Dividers, ownDividers);
    EXPECT_TRUE(doc.Tournament().JointTable().Style.BoldBorders);
}

// The name box offers the name chosen, selected: typing a new one replaces it.
TEST_F(TableAppearanceForm, TheNameOfferedIsSelected) {
    TStyleForm form({QStringLiteral("Classic"), QStringLiteral("Night")}, QStringLiteral("Night"));
    form.show();
    EXPECT_EQ(Child<QComboBox>(form, "NameBox").lineEdit()->selectedText(),
              QStringLiteral("Night"));
    QTest::keyClicks(Child<QComboBox>(form, "NameBox").lineEdit(), QStringLiteral("Day"));
    EXPECT_EQ(form.Name(), QStringLiteral("Day"));
}
