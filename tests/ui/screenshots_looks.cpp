#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "base/language.h"
#include "edit/tournament_document.h"
#include "model/sport.h"
#include "storage/legacy_import.h"
#include "ui/setup/import_old_form.h"
#include "ui/setup/team_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/shell/recovery_form.h"
#include "ui/tables/place_appearance_frame.h"
#include "ui/tables/place_font_form.h"
#include "ui/tables/style_form.h"
#include "ui/tables/table_appearance_form.h"
#include "ui/tournament/tournament_form.h"

#include <QDateTime>
#include <QListWidget>
#include <QTabWidget>

void ShotLookWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs) {
    for (kv::TTournamentForm* form : main.TournamentForms()) {
        kv::TTournamentDocument& doc = form->Document();
        if (doc.Tournament().Sport != kv::SportHockey) continue;
        kv::TTeamPropertiesForm team(doc, dialogs, &main);
        team.ShowTeam(doc.Tournament().JointTable().TeamAt(0)->Id);
        team.show();
        const char* teamPages[] = {"main", "font", "added"};
        for (int page = 0; page < 3; ++page) {
            kvtest::Child<QTabWidget>(team, "PageControl").setCurrentIndex(page);
            Shot(team, QStringLiteral("TTeamPropertiesForm-") + QLatin1String(teamPages[page]));
        }
        kv::TTableAppearanceForm looks(doc, dialogs, &main);
        looks.show();
        const char* lookPages[] = {"table", "display", "places"};
        kvtest::Child<QListWidget>(looks.PlaceFrame(), "PlacesList").item(0)->setSelected(true);
        for (int page = 0; page < 3; ++page) {
            kvtest::Child<QTabWidget>(looks, "PageControl").setCurrentIndex(page);
            Shot(looks, QStringLiteral("TTableAppearanceForm-") + QLatin1String(lookPages[page]));
        }
        // The place page is a frame of its own.
        kvtest::Child<QTabWidget>(looks, "PageControl")
            .setCurrentIndex(kv::TTableAppearanceForm::PagePlaces);
        Shot(looks.PlaceFrame(), QStringLiteral("TPlaceAppearanceFrame"));
    }
    kv::TSTFontForm font(dialogs, &main);
    kv::TFontData f;
    f.Bold = true;
    f.Color = kv::RgbColor(0, 100, 0);
    font.Load(f, true);
    font.show();
    Shot(font, QStringLiteral("TSTFontForm"));
    kv::TStyleForm style({QStringLiteral("Classic"), QStringLiteral("Night")},
                         QStringLiteral("Classic"), &main);
    style.show();
    Shot(style, QStringLiteral("TStyleForm"));
    // The same box names sort schemes and column sets.
    kv::TStyleForm scheme({QStringLiteral("Points then wins")}, QStringLiteral("Points then wins"),
                          &main);
    scheme.SetTexts(kv::LangText(7705, "Save Scheme as..."), kv::LangText(7706, "Scheme"));
    scheme.show();
    Shot(scheme, QStringLiteral("TStyleForm-scheme"));
    kv::TStyleForm set({QStringLiteral("Short")}, QStringLiteral("Short"), &main);
    set.SetTexts(kv::LangText(4712, "Save column set as..."), kv::LangText(4713, "Column Set"));
    set.show();
    Shot(set, QStringLiteral("TStyleForm-column-set"));
    kv::TLegacyInfo info;
    QString error;
    const QString legacy = QStringLiteral(KV_TEST_DATA "/legacy/chess-3.0.plg");
    kv::ReadLegacyInfo(legacy, info, error);
    kv::TImportTableV2Form import(main.List(), legacy, info, &main);
    import.show();
    Shot(import, QStringLiteral("TImportTableV2Form"));

    kv::TRecoveryCopy first;
    first.Name = QStringLiteral("Riverside Spring League");
    first.FilePath = QStringLiteral("SAVES/soccer.kvd");
    first.Written = QDateTime(QDate(2026, 12, 9), QTime(21, 14));
    first.Edits = 12;
    kv::TRecoveryCopy second = first;
    second.Name = QStringLiteral("Continental Basketball Association");
    second.Written = QDateTime(QDate(2026, 12, 9), QTime(21, 40));
    second.Edits = -1;
    kv::TRecoveryForm recovery({first, second}, {}, &main);
    recovery.show();
    Shot(recovery, QStringLiteral("TRecoveryForm"));
}
