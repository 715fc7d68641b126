#include "ui/help/help_topics.h"

#include "ui/help/help_form.h"

#include <QApplication>
#include <QWidget>

namespace kv {

const std::vector<std::pair<QString, QString>>& HelpTopicTable() {
    static const std::vector<std::pair<QString, QString>> table = {
        {QStringLiteral("TMainForm"), QStringLiteral("IDH_TOURNAMENT_LIST")},
        {QStringLiteral("TListPanel"), QStringLiteral("IDH_TOURNAMENT_LIST")},
        {QStringLiteral("TTablesPage"), QStringLiteral("IDH_TABLES_PAGE")},
        {QStringLiteral("TFixturesPage"), QStringLiteral("IDH_FIXTURE_LIST")},
        {QStringLiteral("TStatisticsPage"), QStringLiteral("IDH_STATISTICS")},
        {QStringLiteral("TTournamentForm"), QStringLiteral("IDH_TABLES_PAGE")},
        {QStringLiteral("TFilterToolWindow"), QStringLiteral("IDH_FILTERS")},
        {QStringLiteral("TTableToolWindow"), QStringLiteral("IDH_TABLE_TOOLS")},
        {QStringLiteral("TNewTournamentForm"), QStringLiteral("IDH_NEW_TOURNAMENT")},
        {QStringLiteral("TFindTournamentForm"), QStringLiteral("IDH_FIND_TOURNAMENT")},
        {QStringLiteral("TTournamentPropertiesForm"), QStringLiteral("IDH_TOURNAMENT_PROPERTIES")},
        {QStringLiteral("TGroupManagementForm"), QStringLiteral("IDH_GROUP_MANAGEMENT")},
        {QStringLiteral("TImportTeamsTxtForm"), QStringLiteral("IDH_IMPORT_TEAMS")},
        {QStringLiteral("TImportTableV2Form"), QStringLiteral("IDH_IMPORT_OLD")},
        {QStringLiteral("TRecoveryForm"), QStringLiteral("IDH_RECOVERY")},
        {QStringLiteral("TScoreForm"), QStringLiteral("IDH_EDIT_MATCH")},
        {QStringLiteral("TMatchLegForm"), QStringLiteral("IDH_MATCH_LEG")},
        {QStringLiteral("TMatchRowForm"), QStringLiteral("IDH_MATCH_ROW")},
        {QStringLiteral("TMatchListForm"), QStringLiteral("IDH_MATCH_LEG")},
        {QStringLiteral("TPeopleForm"), QStringLiteral("IDH_PEOPLE")},
        {QStringLiteral("TAddFixturesForm"), QStringLiteral("IDH_ADD_FIXTURES")},
        {QStringLiteral("TFixtureDateForm"), QStringLiteral("IDH_FIXTURE_DATE")},
        {QStringLiteral("TFixturesColumnsForm"), QStringLiteral("IDH_FIXTURE_COLUMNS")},
        {QStringLiteral("TCSVImportOptionsForm"), QStringLiteral("IDH_CSV_OPTIONS")},
        {QStringLiteral("TImportCSVForm"), QStringLiteral("IDH_IMPORT_CSV")},
        {QStringLiteral("TSelectFixtureColumnForm"), QStringLiteral("IDH_SELECT_COLUMN")},
        {QStringLiteral("TReglamentForm"), QStringLiteral("IDH_FORMAT")},
        {QStringLiteral("TTieOrderForm"), QStringLiteral("IDH_TIE_ORDER")},
        {QStringLiteral("TTableColumnsForm"), QStringLiteral("IDH_TABLE_COLUMNS")},
        {QStringLiteral("TOutlookBar"), QStringLiteral("IDH_OUTLOOK")},
        {QStringLiteral("TTableAppearanceForm"), QStringLiteral("IDH_TABLE_APPEARANCE")},
        {QStringLiteral("TStyleForm"), QStringLiteral("IDH_STYLE")},
        {QStringLiteral("TSTFontForm"), QStringLiteral("IDH_FONT")},
        {QStringLiteral("TTableDimensionsForm"), QStringLiteral("IDH_TABLE_DIMENSIONS")},
        {QStringLiteral("TTeamStatsFrame"), QStringLiteral("IDH_TEAM_STATISTICS")},
        {QStringLiteral("TTeamPropertiesForm"), QStringLiteral("IDH_TEAM_PROPERTIES")},
        {QStringLiteral("TChartPropertiesForm"), QStringLiteral("IDH_CHART_PROPERTIES")},
        {QStringLiteral("TPrintPreviewForm"), QStringLiteral("IDH_PRINT_PREVIEW")},
        {QStringLiteral("TGridPrintPreviewForm"), QStringLiteral("IDH_GRID_PRINT")},
        {QStringLiteral("TGridPrintSettingForm"), QStringLiteral("IDH_PAGE_SETUP")},
        {QStringLiteral("THTMLSettingsForm"), QStringLiteral("IDH_EXPORT_HTML")},
        {QStringLiteral("TExportCSVOptionsForm"), QStringLiteral("IDH_EXPORT_CSV")},
        {QStringLiteral("TExportXlsxOptionsForm"), QStringLiteral("IDH_EXPORT_CSV")},
        {QStringLiteral("TTablesChoiceDialog"), QStringLiteral("IDH_EXPORT_HTML")},
        {QStringLiteral("TPreferencesForm"), QStringLiteral("IDH_PREFERENCES")},
        {QStringLiteral("TAboutBox"), QStringLiteral("IDH_ABOUT")},
        {QStringLiteral("THelpForm"), QStringLiteral("IDH_CONTENTS")},
    };
    return table;
}

QString HelpTopicFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        // A dialog that serves several windows takes the topic of the one that opened it.
        if (const QString own = w->property("helpTopic").toString(); !own.isEmpty()) return own;
        const QString name =
            QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1);
        for (const auto& [cls, topic] : HelpTopicTable())
            if (cls == name) return topic;
    }
    return QStringLiteral("IDH_CONTENTS");
}

void ShowHelpTopic(const QString& topic) {
    // While a dialog is modal only its own windows take input: the help window is its child.
    QWidget* owner = QApplication::activeModalWidget();
    THelpForm* help = nullptr;
    if (owner) {
        help = owner->findChild<THelpForm*>(QString(), Qt::FindDirectChildrenOnly);
    } else {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* open = qobject_cast<THelpForm*>(w); open && !open->parentWidget())
                help = open;
    }
    if (!help) {
        help = new THelpForm(owner);
        help->setAttribute(Qt::WA_DeleteOnClose);
    }
    help->ShowTopic(topic);
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace kv
