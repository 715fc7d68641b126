// The command table against the windows made from it: every command where the table puts it,
// once, with keys that do not clash.
#include "ui/commands/command_table.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include "ui_support.h"

#include <QAction>
#include <QSet>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class CommandTable : public kvtest::TMainWindowTest {};

} // namespace

TEST_F(CommandTable, EachWindowHoldsItsCommandsOnceWithKeysThatDoNotClash) {
    QSet<QString> names;
    int row = 0;
    for (const TCommandSpec& spec : kv::CommandTable()) {
        EXPECT_EQ(static_cast<int>(spec.Id), row++) << spec.Name;
        EXPECT_TRUE(QLatin1String(spec.Name).endsWith(QLatin1String("Action"))) << spec.Name;
        EXPECT_FALSE(names.contains(QLatin1String(spec.Name))) << spec.Name;
        names.insert(QLatin1String(spec.Name));
        EXPECT_GT(spec.Text.Id, 0) << spec.Name;
    }
    EXPECT_EQ(row, kCommandCount);

    TMainForm& main = *main_;
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    QHash<QString, QString> keys; // a key of the main window, and the command it belongs to
    for (const TCommandSpec& spec : kv::CommandTable()) {
        QAction* mine = main.Command(spec.Id);
        QAction* theirs = form->Command(spec.Id);
        EXPECT_EQ(mine != nullptr, spec.Home != TCommandHome::Tournament) << spec.Name;
        EXPECT_EQ(theirs != nullptr, spec.Home != TCommandHome::Main) << spec.Name;
        for (QAction* a : {mine, theirs}) {
            if (!a) continue;
            EXPECT_EQ(a->objectName(), QLatin1String(spec.Name));
            EXPECT_EQ(a->isCheckable(), spec.Checkable) << spec.Name;
            EXPECT_FALSE(a->text().isEmpty()) << spec.Name;
        }
        // Only the main window's actions carry keys: a tournament window's are reached
        // through them, so that one key never means two commands.
        if (theirs) {
            EXPECT_TRUE(theirs->shortcuts().isEmpty()) << spec.Name;
        }
        if (!mine) continue;
        for (const QKeySequence& k : mine->shortcuts()) {
            const QString key = k.toString();
            EXPECT_FALSE(keys.contains(key)) << key.toStdString() << ": " << spec.Name << " and "
                                             << keys.value(key).toStdString();
            keys.insert(key, QLatin1String(spec.Name));
        }
    }
    EXPECT_EQ(keys.value(QStringLiteral("Ctrl+Y")), QStringLiteral("RedoAction"));
    EXPECT_EQ(keys.value(QStringLiteral("Ctrl+1")), QStringLiteral("SortToolAction"));

    // A bound command does what the tournament window's does.
    main.Command(TCommandId::ShowFixtures)->trigger();
    EXPECT_EQ(form->Page(), 1);
    EXPECT_TRUE(main.Command(TCommandId::ShowFixtures)->isChecked());
}

TEST_F(CommandTable, PlainTextDropsTheAccessKeyAndTheEllipsis) {
    EXPECT_EQ(CommandPlainText(TCommandId::ResultsGrid), QStringLiteral("Results Grid"));
    EXPECT_EQ(CommandPlainText(TCommandId::Standings),
              QStringLiteral("Standings Columns - Home & Away"));
    EXPECT_EQ(CommandPlainText(TCommandId::ExportTableToHTML), QStringLiteral("HTML"));
}
