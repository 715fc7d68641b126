// The preferences dialog: every value round trip through the settings store, the team lists
// that turn each other, the language list, and what the windows apply at once.
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/settings.h"
#include "render/table_hit.h"
#include "ui/shell/main_form.h"
#include "ui/shell/preferences_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QTest>

using namespace kv;
using kvtest::Child;

namespace {

class PreferencesForm : public kvtest::TUiTest {};

} // namespace

TEST_F(PreferencesForm, ValuesSurviveARestart) {
    WriteFile(LanguageFolder() + QStringLiteral("deutsch.lng"),
              "[LANG_INFO]\r\nLanguage=Deutsch\r\nLocaleID=1031\r\n[STRINGS]\r\n1=&Datei\r\n");
    {
        TPreferencesForm form(Dialogs);
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
    TPreferencesForm again(Dialogs);
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
    EXPECT_TRUE(Child<QLabel>(main, "ClockPanel").text().isEmpty()) << "the clock stops at once";
    EXPECT_FALSE(page.HintAt(cell).contains(QLatin1Char(':'))) << page.HintAt(cell).toStdString();
    EXPECT_TRUE(page.HintAt(cell).contains(QLatin1Char('-')));
}

// The background behind the tournament windows: a colour chosen on the "Window BG" page, and
// a picture over it, shown at once and again at the next start.
TEST_F(PreferencesForm, TheWindowBackgroundIsStoredAndShown) {
    const QString picture = HomePath(QStringLiteral("wall.png"));
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(10, 20, 30));
    ASSERT_TRUE(tile.save(picture));
    {
        TMainForm main(Dialogs);
        main.show();
        auto* area = main.findChild<QMdiArea*>();
        TPreferencesForm& prefs = main.PreferencesForm();
        prefs.Reload();
        auto* page = prefs.findChild<QWidget*>(QStringLiteral("WindowBGPage"));
        ASSERT_NE(page, nullptr);
        // No label shows its "&" as a character.
        for (QLabel* l : page->findChildren<QLabel*>())
            EXPECT_TRUE(!l->text().contains(QLatin1Char('&')) || l->buddy())
                << l->text().toStdString();
        Dialogs.Colors.push_back(RgbColor(0, 128, 0));
        prefs.findChild<QAbstractButton*>(QStringLiteral("BGColorBtn"))->click();
        EXPECT_TRUE(prefs.findChild<QCheckBox*>(QStringLiteral("BGColorChB"))->isChecked());
        ASSERT_TRUE(prefs.ApplyChanges());
        EXPECT_EQ(area->background().color(), QColor(0, 128, 0));
        Dialogs.Opens.push_back({{picture}, QString()});
        prefs.findChild<QAbstractButton*>(QStringLiteral("BGPictureBtn"))->click();
        EXPECT_EQ(prefs.findChild<QLineEdit*>(QStringLiteral("BGPictureEdit"))->text(), picture);
        ASSERT_TRUE(prefs.ApplyChanges());
        EXPECT_FALSE(area->background().texture().isNull());
    }
    TMainForm restarted(Dialogs);
    const QBrush brush = restarted.findChild<QMdiArea*>()->background();
    ASSERT_FALSE(brush.texture().isNull());
    EXPECT_EQ(brush.texture().toImage().pixelColor(0, 0), QColor(10, 20, 30));
    const TProgramPreferences p = TProgramPreferences::Load();
    EXPECT_TRUE(p.HasBGColor);
    EXPECT_EQ(p.BGColor, RgbColor(0, 128, 0));
    EXPECT_EQ(p.BGPicture, picture);
}
