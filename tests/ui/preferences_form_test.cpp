// The preferences dialog: every value round trip through the settings store, the team lists
// that turn each other, the language list, and what the windows apply at once.
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/settings.h"
#include "render/table_hit.h"
#include "ui/main_form.h"
#include "ui/preferences_form.h"
#include "ui/tables_page.h"
#include "ui/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace kv;

namespace {

class PreferencesForm : public kvtest::TUiTest {};

} // namespace

TEST_F(PreferencesForm, ValuesSurviveARestart) {
    WriteFile(LanguageFolder() + QStringLiteral("deutsch.lng"),
              "[LANG_INFO]\r\nLanguage=Deutsch\r\nLocaleID=1031\r\n[STRINGS]\r\n1=&Datei\r\n");
    {
        TPreferencesForm form;
        EXPECT_FALSE(form.findChild<QWidget*>(QStringLiteral("ApplyBtn"))->isEnabled());
        auto* languages = form.findChild<QListWidget*>(QStringLiteral("LanguagesLB"));
        ASSERT_EQ(languages->count(), 2);
        EXPECT_EQ(languages->item(0)->text(), QStringLiteral(" English"));
        EXPECT_EQ(languages->item(1)->text(), QStringLiteral("Deutsch (deutsch.lng)"));
        EXPECT_EQ(languages->currentRow(), 0);
        form.findChild<QCheckBox*>(QStringLiteral("ShowHintsChB"))->setChecked(false);
        form.findChild<QCheckBox*>(QStringLiteral("BackupChB"))->setChecked(false);
        form.findChild<QComboBox*>(QStringLiteral("UnitsCB"))->setCurrentIndex(0);
        // "Visitors" first turns the second list to "Holders".
        auto* first = form.findChild<QComboBox*>(QStringLiteral("FirstTeamCB"));
        first->setCurrentIndex(1);
        emit first->activated(1);
        EXPECT_EQ(form.findChild<QComboBox*>(QStringLiteral("SecondTeamCB"))->currentIndex(), 0);
        form.findChild<QComboBox*>(QStringLiteral("MatchSepCB"))
            ->setCurrentText(QStringLiteral("ag."));
        form.findChild<QComboBox*>(QStringLiteral("ScoreSepCB"))
            ->setCurrentText(QStringLiteral("-"));
        languages->setCurrentRow(1);
        EXPECT_TRUE(form.findChild<QWidget*>(QStringLiteral("ApplyBtn"))->isEnabled());
        EXPECT_TRUE(form.ApplyChanges());
        EXPECT_FALSE(form.ApplyChanges()) << "nothing changed since";
    }
    const TProgramPreferences p = TProgramPreferences::Load();
    EXPECT_FALSE(p.ShowHints);
    EXPECT_FALSE(p.Backup);
    EXPECT_EQ(p.Units, 0);
    EXPECT_FALSE(p.HostFirst);
    EXPECT_EQ(p.MatchSep, QStringLiteral("ag."));
    EXPECT_EQ(p.ScoreSep, QStringLiteral("-"));
    EXPECT_EQ(p.Language, QStringLiteral("deutsch.lng"));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("deutsch.lng"));
    TPreferencesForm again;
    EXPECT_EQ(again.Values(), p) << "the dialog shows what was stored";
    // " English" stores an empty language.
    again.findChild<QListWidget*>(QStringLiteral("LanguagesLB"))->setCurrentRow(0);
    EXPECT_TRUE(again.ApplyChanges());
    EXPECT_EQ(PrefString("", "Language"), QString());
}

TEST_F(PreferencesForm, TheWindowsApplyWhatChanged) {
    TMainForm main(Dialogs);
    main.show();
    const TListNode* entry =
        main.List().FindByPath(TTournamentList::SavesPath(QStringLiteral("soccer.kvd")));
    TTournamentForm* form = main.OpenTournament(entry->Data);
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    const QPoint cell = page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), 0, 1, 1));
    EXPECT_TRUE(page.HintAt(cell).contains(QLatin1Char(':'))) << page.HintAt(cell).toStdString();
    TPreferencesForm& prefs = main.PreferencesForm();
    prefs.Reload();
    prefs.findChild<QComboBox*>(QStringLiteral("ScoreSepCB"))->setCurrentText(QStringLiteral("-"));
    prefs.findChild<QCheckBox*>(QStringLiteral("ShowTimeChB"))->setChecked(false);
    ASSERT_TRUE(prefs.ApplyChanges());
    EXPECT_TRUE(main.Clock().text().isEmpty()) << "the clock stops at once";
    EXPECT_FALSE(page.HintAt(cell).contains(QLatin1Char(':'))) << page.HintAt(cell).toStdString();
    EXPECT_TRUE(page.HintAt(cell).contains(QLatin1Char('-')));
}
