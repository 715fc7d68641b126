// The frames the wizard and the format dialog share: TMainTableFrame (legs within the sport's
// most, the rows of either system) and TPtsTableFrame (what the sport shows, rules round-trip).
#include "ui/ui_support.h"

#include "model/sport.h"
#include "ui/setup/main_table_frame.h"
#include "ui/setup/points_rules_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

using namespace kv;
using kvtest::Child;

namespace {
class RulesFrames : public kvtest::TUiTest {};
} // namespace

TEST_F(RulesFrames, TheMainTableFrameKeepsLegsWithinTheSport) {
    TMainTableFrame frame;
    frame.show();
    frame.SetSport(SportBaseball);
    EXPECT_EQ(frame.Legs(0).maximum(), 16);
    frame.Legs(0).setValue(12);
    // A value too high for the new sport is lowered to its most.
    frame.SetSport(SportSoccer);
    EXPECT_EQ(frame.Legs(0).maximum(), 8);
    EXPECT_EQ(frame.Legs(0).value(), 8);
    EXPECT_FALSE(frame.Legs(1).isVisibleTo(&frame));
    frame.SetConferences(true);
    EXPECT_TRUE(frame.Legs(1).isVisibleTo(&frame));
    EXPECT_TRUE(frame.Legs(2).isVisibleTo(&frame));
    frame.SetLegsShown(false);
    EXPECT_FALSE(frame.Legs(0).isVisibleTo(&frame));
    EXPECT_FALSE(frame.Legs(2).isVisibleTo(&frame));
    frame.NameEdit().setText(QStringLiteral("Cup"));
    frame.FileEdit().setText(QStringLiteral("cup"));
    const TNamePage page = frame.Page();
    EXPECT_EQ(page.Name, QStringLiteral("Cup"));
    EXPECT_EQ(page.Sport, SportSoccer);
    EXPECT_TRUE(page.Conferences);
    frame.SetSportLocked(true);
    EXPECT_FALSE(frame.SportBox().isEnabled());
}

TEST_F(RulesFrames, ThePointsFrameShowsWhatTheSportHas) {
    TPtsTableFrame frame;
    frame.show();
    frame.SetSport(SportSoccer);
    EXPECT_TRUE(frame.Field(QStringLiteral("DrawPoints"))->isVisibleTo(&frame));
    EXPECT_FALSE(Child<QCheckBox>(frame, "CalculatePointsBox").isVisibleTo(&frame));
    frame.SetSport(SportBasketball);
    EXPECT_FALSE(frame.Field(QStringLiteral("DrawPoints"))->isVisibleTo(&frame)); // no draws
    EXPECT_TRUE(Child<QCheckBox>(frame, "CalculatePointsBox").isVisibleTo(&frame));
    // Rules given are the rules read back.
    TPointsRules rules = TPointsRules::ForSport(SportHockey);
    rules.Win = 2;
    rules.Overtime = true;
    rules.WinOT = 2;
    rules.LossOT = 1;
    frame.Load(rules);
    const TPointsRules back = frame.Rules();
    EXPECT_EQ(back.Win, 2);
    EXPECT_TRUE(back.Overtime);
    EXPECT_EQ(back.LossOT, 1);
    EXPECT_TRUE(Child<QCheckBox>(frame, "OvertimeBox").isChecked());
}
