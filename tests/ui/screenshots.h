#pragma once

// The screenshot program's parts: one picture per window, named after its class and page.
#include <QString>

class QWidget;

namespace kv {
class TMainForm;
}
namespace kvtest {
class TScriptedDialogs;
}

void Shot(QWidget& w, const QString& name);
// The first page of a PDF file as a picture (pdftoppm of poppler-utils), named like a shot.
void ShotPdfPage(const QString& pdf, const QString& name);
// The windows that create and re-shape tournaments: the wizard's pages and their dialogs.
void ShotSetupWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
// The windows of teams and table looks, and the import of older files.
void ShotLookWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
// The export and import dialogs.
void ShotExportWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
// The statistics page of a season, the chart properties and the bar styles.
void ShotStatisticsWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
