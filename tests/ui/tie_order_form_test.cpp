// "Order of Level Teams": the order recorded for teams every criterion leaves level ranks them,
// one undoable step, and clearing it sends them back to name order.
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "support/builders.h"
#include "ui/tables/tie_order_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QListWidget>

using namespace kv;

namespace {
class TieOrderForm : public kvtest::TUiTest {};
} // namespace

TEST_F(TieOrderForm, TheRecordedOrderRanksLevelTeamsAndIsUndone) {
    // Three teams level on points: a result does not separate them, so the record does.
    auto t = kvtest::MakeTournament(SportSoccer, 1,
                                    {{QStringLiteral("G"), {"Alpha", "Beta", "Gamma"}, -1}});
    kvtest::AddResult(*t, "Gamma", "Alpha", "1:1");
    RecomputeAll(*t);
    TTournamentForm form(std::move(t), Dialogs);
    const auto names = [&form] {
        QStringList list;
        for (const TTeam* team : form.Document().Tournament().Groups().front()->Teams())
            list << team->Name;
        return list;
    };
    ASSERT_EQ(names(), (QStringList{"Alpha", "Gamma", "Beta"})); // a point each, then by name
    TTieOrderForm dialog(form.Document(), *form.Document().Tournament().Groups().front());
    QListWidget& list = dialog.Teams();
    ASSERT_EQ(list.count(), 3);
    list.setCurrentRow(1); // Gamma
    dialog.MoveUp();
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("Gamma"));
    dialog.accept();
    EXPECT_EQ(form.Document().Tournament().Groups().front()->TieOrder.size(), 3u);
    EXPECT_EQ(names(), (QStringList{"Gamma", "Alpha", "Beta"}));

    // Two teams level on everything follow the record.
    auto level =
        kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("H"), {"Ant", "Bee"}, -1}});
    kvtest::AddResult(*level, "Bee", "Ant", "0:0");
    RecomputeAll(*level);
    TTournamentForm other(std::move(level), Dialogs);
    const auto first = [&other] {
        return other.Document().Tournament().Groups().front()->Teams().front()->Name;
    };
    EXPECT_EQ(first(), QStringLiteral("Ant")); // by name
    TTieOrderForm two(other.Document(), *other.Document().Tournament().Groups().front());
    two.Teams().setCurrentRow(1);
    two.MoveUp();
    two.accept();
    EXPECT_EQ(first(), QStringLiteral("Bee"));
    other.Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(first(), QStringLiteral("Ant"));
    other.Command(TCommandId::Redo)->trigger();
    EXPECT_EQ(first(), QStringLiteral("Bee"));
    TTieOrderForm clear(other.Document(), *other.Document().Tournament().Groups().front());
    EXPECT_EQ(clear.Teams().item(0)->text(), QStringLiteral("Bee")); // the record comes first
    clear.Clear();
    clear.accept();
    EXPECT_TRUE(other.Document().Tournament().Groups().front()->TieOrder.empty());
    EXPECT_EQ(first(), QStringLiteral("Ant"));
    Messages.QueueAnswer(TMessageButton::No);
    Messages.QueueAnswer(TMessageButton::No);
}
