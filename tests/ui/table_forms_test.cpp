// The table columns and dimensions dialogs on a sample: refusals, column sets saved, chosen and
// deleted, units converted in the fields, and each OK one undoable step.
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "model/tablestyle.h"
#include "storage/named_files.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/shell/table_tool_window.h"
#include "ui/shell/tool_windows.h"
#include "ui/tables/table_columns_form.h"
#include "ui/tables/table_dimensions_form.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/dual_list.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

using namespace kv;
using kvtest::Child;

namespace {

class TableForms : public kvtest::TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        SetScreenPixelsPerInch(96);
        form_ = Open("soccer.kvd");
        ASSERT_NE(form_, nullptr);
    }
    const TTournament& T() const { return form_->Document().Tournament(); }
    std::vector<int> Shown() const {
        std::vector<int> ids;
        for (const TTableColumn& c : T().Columns)
            ids.push_back(c.Id);
        return ids;
    }
    TTournamentForm* form_ = nullptr;
};

} // namespace

TEST_F(TableForms, ColumnsNeedOneVisibleAndSetsAreKeptPerSport) {
    const std::vector<int> before = Shown();
    TTableColumnsForm dialog(form_->Document(), form_);
    dialog.show();
    TDualList& lists = dialog.Lists();
    EXPECT_EQ(lists.Chosen(), before);
    // The available list stands in column order.
    QListWidget* available = lists.AvailableList();
    for (int i = 1; i < available->count(); ++i)
        EXPECT_LT(available->item(i - 1)->data(Qt::UserRole).toInt(),
                  available->item(i)->data(Qt::UserRole).toInt());
    lists.RemoveAll();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("You should select at least one visible column"));
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Information);

    // Two columns saved as a set, which the sport's list then offers.
    lists.SetChosen({before[1], before[0]});
    QString caption;
    kvtest::AnswerNameBox({QStringLiteral("Two")}, nullptr, &caption);
    dialog.SaveSet();
    EXPECT_EQ(caption, QStringLiteral("Save column set as..."));
    EXPECT_TRUE(QFileInfo::exists(ColumnSetPath(QStringLiteral("Two"), T().Sport)));
    EXPECT_EQ(dialog.Sets().currentText(), QStringLiteral("Two"));
    // The same name again: asked first, and No keeps the file as it was.
    const QByteArray saved = ReadFile(ColumnSetPath(QStringLiteral("Two"), T().Sport));
    lists.SetChosen({before[0]});
    bool stayed = false;
    kvtest::AnswerNameBox({QStringLiteral("Two")}, &stayed);
    Messages.Clear();
    Messages.QueueAnswer(TMessageButton::No);
    dialog.SaveSet();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(Messages.Texts().value(0), QStringLiteral("\"Two\" already exists. Overwrite?"));
    EXPECT_EQ(ReadFile(ColumnSetPath(QStringLiteral("Two"), T().Sport)), saved);
    lists.SetChosen({before[1], before[0]});
    kvtest::AnswerNameBox({QStringLiteral("a/b")}, &stayed);
    Messages.Clear();
    dialog.SaveSet();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(Messages.Texts().value(0).startsWith(
        QStringLiteral("A file name cannot contain characters:")));
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Information);
    // Choosing it fills the lists from the file.
    lists.SetChosen(before);
    dialog.ChooseSet(QStringLiteral("Two"));
    EXPECT_EQ(lists.Chosen(), (std::vector<int>{before[1], before[0]}));
    EXPECT_EQ(available->currentRow(), 0);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Shown(), (std::vector<int>{before[1], before[0]}));
    // The window remembers the set, and its columns tool window shows it.
    EXPECT_EQ(form_->Document().ColumnSet(), QStringLiteral("Two"));
    QListWidgetItem* shownSet = main_->ToolWindows()
                                    .Table()
                                    .findChild<QListWidget*>(QStringLiteral("ColumnSetsList"))
                                    ->currentItem();
    ASSERT_NE(shownSet, nullptr);
    EXPECT_EQ(shownSet->text(), QStringLiteral("Two"));
    form_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(Shown(), before);

    // Deleting asks first.
    TTableColumnsForm again(form_->Document(), form_);
    again.ChooseSet(QStringLiteral("Two"));
    Messages.QueueAnswer(TMessageButton::No);
    again.DeleteSet();
    EXPECT_TRUE(QFileInfo::exists(ColumnSetPath(QStringLiteral("Two"), T().Sport)));
    Messages.QueueAnswer(TMessageButton::Yes);
    again.DeleteSet();
    EXPECT_FALSE(QFileInfo::exists(ColumnSetPath(QStringLiteral("Two"), T().Sport)));
    EXPECT_FALSE(again.findChild<QToolButton*>(QStringLiteral("DeleteSetBtn"))->isEnabled());
}

TEST_F(TableForms, DimensionsConvertInTheFieldsAndStayWithinLimits) {
    TTableDimensionsForm dialog(form_->Document(), form_);
    dialog.show();
    const double team = dialog.SizeShown(2);
    EXPECT_DOUBLE_EQ(team, T().Dimensions.TeamWidth);
    EXPECT_FALSE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled()); // nothing changed yet
    dialog.SetSize(0, 80); // the headline: 36 pixels at most
    EXPECT_TRUE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled());
    EXPECT_DOUBLE_EQ(dialog.SizeShown(0), 36);
    dialog.SetSize(4, 48);
    dialog.SetUnits(UnitsInches);
    EXPECT_DOUBLE_EQ(dialog.SizeShown(4), 0.5);
    EXPECT_DOUBLE_EQ(dialog.SizeShown(0), 0.38);
    dialog.Apply();
    EXPECT_FALSE(Child<QPushButton>(dialog, "ApplyBtn").isEnabled());
    EXPECT_EQ(T().Dimensions.Units, UnitsInches);
    EXPECT_EQ(ToPixels(T().Columns[0].Width, UnitsInches), 48);
    EXPECT_TRUE(form_->Document().IsModified());
    dialog.SetUnits(UnitsPixels);
    EXPECT_DOUBLE_EQ(dialog.SizeShown(4), 48);
    dialog.reject();
    form_->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(T().Dimensions.Units, UnitsPixels);
    EXPECT_DOUBLE_EQ(T().Dimensions.TeamWidth, team);

    // The sport's defaults: saved, and loaded in their own unit.
    TTableDimensionsForm defaults(form_->Document(), form_);
    defaults.SetSize(2, 200);
    defaults.SetUnits(UnitsCentimetres);
    defaults.SaveDefault();
    defaults.SetUnits(UnitsPixels);
    defaults.SetSize(2, 100);
    defaults.LoadDefault();
    EXPECT_EQ(defaults.Edited().Units, UnitsCentimetres);
    EXPECT_NEAR(ConvertUnits(defaults.SizeShown(2), UnitsCentimetres, UnitsPixels), 200, 0.5);
}

// A column the file shows though the rules would not offer it (the points of a chess
// tournament ranked by percentage) is listed as visible, and OK with nothing moved keeps it.
TEST_F(TableForms, OkKeepsAShownColumnTheRulesWouldNotOffer) {
    TTournamentForm* chess = Open("chess.kvd");
    ASSERT_NE(chess, nullptr);
    const auto ids = [chess] {
        std::vector<int> out;
        for (const TTableColumn& c : chess->Document().Tournament().Columns)
            out.push_back(c.Id);
        return out;
    };
    const std::vector<int> before = ids();
    ASSERT_NE(std::find(before.begin(), before.end(), kColumnPoints), before.end());
    const int steps = chess->Document().UndoStack().count();
    TTableColumnsForm dialog(chess->Document(), chess);
    EXPECT_EQ(dialog.Lists().Chosen(), before);
    dialog.accept();
    EXPECT_EQ(ids(), before);
    // Moved out, it goes, and is not offered back.
    std::vector<int> fewer = before;
    fewer.erase(std::find(fewer.begin(), fewer.end(), kColumnPoints));
    TTableColumnsForm again(chess->Document(), chess);
    again.Lists().SetChosen(fewer);
    again.accept();
    EXPECT_EQ(ids(), fewer);
    EXPECT_GT(chess->Document().UndoStack().count(), steps);
    TTableColumnsForm third(chess->Document(), chess);
    QListWidget* available = third.Lists().AvailableList();
    for (int i = 0; i < available->count(); ++i)
        EXPECT_NE(available->item(i)->data(Qt::UserRole).toInt(), kColumnPoints);
}
