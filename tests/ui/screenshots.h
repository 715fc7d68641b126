#pragma once

// The tour of every window: each window, dialog and page on the samples, shown as a user meets
// it and handed to a visitor under its class (and page) name. make screenshots takes a picture
// of each; the window tests check each (access keys, clipped texts, language).
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace kv {
class TMainForm;
}
namespace kvtest {
class TScriptedDialogs;
}

using TShotVisitor = std::function<void(QWidget& window, const QString& name)>;
// A PDF the tour printed, and the name its first page's picture goes by.
using TPdfVisitor = std::function<void(const QString& pdf, const QString& name)>;
void SetShotVisitors(TShotVisitor windows, TPdfVisitor pdfPages = {});

// The whole tour, on the samples already in the program folder (their file names given).
void TourEveryWindow(kvtest::TScriptedDialogs& dialogs, const QStringList& samples);

// A window on the tour, handed to the visitor.
void Shot(QWidget& w, const QString& name);
// A printed PDF on the tour.
void ShotPdfPage(const QString& pdf, const QString& name);
// The windows that create and re-shape tournaments: the wizard's pages and their dialogs.
void ShotSetupWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
// The windows of teams and table looks, and the import of older files.
void ShotLookWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
// The export and import dialogs.
void ShotExportWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
// The statistics page of a season, the chart properties and the bar styles.
void ShotStatisticsWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs);
// The places still possible in a season's run-in.
void ShotOutlookWindows(kvtest::TScriptedDialogs& dialogs);
