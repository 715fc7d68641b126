// Keyboard and screen readers: every control of a dialog is reached with Tab, and the table
// pictures and charts can be read as text.
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "render/chart.h"
#include "ui/setup/team_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/shell/preferences_form.h"
#include "ui/statistics/chart_properties_form.h"
#include "ui/statistics/chart_widget.h"
#include "ui/statistics/statistics_page.h"
#include "ui/tables/table_columns_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QSet>
#include <QTabWidget>
#include <QTest>

using namespace kv;
using kvtest::Child;

namespace {

class Accessibility : public kvtest::TMainWindowTest {
protected:
    // Tabs through a dialog from its first control: the widgets that take the focus by Tab and
    // are visible and enabled must all be reached.
    static void ExpectEveryControlReached(QWidget& dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QSet<QWidget*> expected;
        for (QWidget* w : dialog.findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !w->focusProxy())
                expected.insert(w);
        ASSERT_FALSE(expected.isEmpty());
        QWidget* start = *expected.begin();
        start->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> reached;
        for (int i = 0; i < 3 * expected.size() + 5; ++i) {
            if (QWidget* f = QApplication::focusWidget()) reached.insert(f);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog,
                            Qt::Key_Tab);
        }
        for (QWidget* w : expected)
            EXPECT_TRUE(reached.contains(w))
                << dialog.objectName().toStdString() << ": " << w->objectName().toStdString()
                << " (" << w->metaObject()->className() << ") is not reached by Tab";
    }
};

} // namespace

TEST_F(Accessibility, EveryControlIsReachedByTab) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTableColumnsForm columns(form->Document(), form);
    ExpectEveryControlReached(columns);
    TTeamPropertiesForm team(form->Document(), Dialogs, form);
    ExpectEveryControlReached(team);
    TChartPropertiesForm chart(TChartData{}, TChartSettings{}, Dialogs, form);
    for (int page = 0; page < TChartPropertiesForm::PageCount; ++page) {
        Child<QTabWidget>(chart, "ChartPages").setCurrentIndex(page);
        ExpectEveryControlReached(chart);
    }
}

TEST_F(Accessibility, TablesAndChartsReadAsText) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const TTournament& t = form->Document().Tournament();
    const QString tables = form->TablesPage().AccessibleText();
    for (const TTeam* team : t.JointTable().Teams())
        EXPECT_TRUE(tables.contains(team->Name)) << team->Name.toStdString();
    EXPECT_TRUE(tables.contains(QLatin1Char('\t')));
    form->TablesPage().setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(form->TablesPage().accessibleDescription().isEmpty());

    form->Command(TCommandId::StatsPage)->trigger();
    TChartWidget& chart = form->StatisticsPage().Chart();
    const TChartData& data = chart.Data();
    ASSERT_FALSE(data.Categories.isEmpty());
    EXPECT_FALSE(chart.accessibleName().isEmpty());
    EXPECT_TRUE(chart.accessibleDescription().contains(
        data.Categories.first() + QStringLiteral(": ") +
        QString::number(data.Series.first().Values.first())));
}
