// The main window's commands: each one's icon and what it does.
#include "ui/shell/main_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "edit/command_availability.h"
#include "edit/dropped_files.h"
#include "edit/tournament_document.h"
#include "render/paint_tools.h"
#include "storage/opened_files.h"
#include "storage/recovery.h"
#include "storage/tournament_file.h"
#include "ui/help/help_topics.h"
#include "ui/setup/new_tournament_form.h"
#include "ui/shell/about_box.h"
#include "ui/shell/list_model.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/preferences_form.h"
#include "ui/shell/recovery_form.h"
#include "ui/shell/tool_windows.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/drawn_icons.h"
#include "ui/widgets/wait_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <utility>

namespace kv {

void TMainForm::BuildCommands() {
    commands_ = std::make_unique<TCommandSet>(*this, TCommandSet::TWindow::Main);
    const TCommandSet& c = *commands_;
    QStyle* s = style();
    const auto icon = [s, &c](TCommandId id, QStyle::StandardPixmap p) {
        c[id]->setIcon(s->standardIcon(p));
    };
    const auto drawn = [&c](TCommandId id, TDrawnIcon d) { c[id]->setIcon(DrawnIcon(d)); };
    drawn(TCommandId::NewTournament, TDrawnIcon::NewTournament);
    icon(TCommandId::NewFolder, QStyle::SP_FileDialogNewFolder);
    icon(TCommandId::Save, QStyle::SP_DialogSaveButton);
    icon(TCommandId::Find, QStyle::SP_FileDialogContentsView);
    icon(TCommandId::FindNext, QStyle::SP_ArrowForward);
    icon(TCommandId::AddExisting, QStyle::SP_DialogOpenButton);
    drawn(TCommandId::Remove, TDrawnIcon::RemoveFromList);
    drawn(TCommandId::Delete, TDrawnIcon::Delete);
    icon(TCommandId::ListPanel, QStyle::SP_DirIcon);
    icon(TCommandId::About, QStyle::SP_MessageBoxInformation);
    QAction* list = c[TCommandId::ListPanel];
    list->setChecked(true);
    QAction* autoSort = c[TCommandId::AutoSort];
    autoSort->setChecked(list_.AutoSort);
    c[TCommandId::Properties]->setEnabled(false);

    connect(c[TCommandId::NewTournament], &QAction::triggered, this, &TMainForm::NewTournament);
    connect(c[TCommandId::NewFolder], &QAction::triggered, panel_, &TListPanel::NewFolder);
    connect(c[TCommandId::Find], &QAction::triggered, this, [this] {
        panel_->Find();
        UpdateCommands();
    });
    connect(c[TCommandId::FindNext], &QAction::triggered, this, [this] {
        panel_->FindNext();
        UpdateCommands();
    });
    connect(c[TCommandId::AddExisting], &QAction::triggered, panel_, &TListPanel::AddExisting);
    connect(c[TCommandId::Remove], &QAction::triggered, panel_, &TListPanel::RemoveSelected);
    connect(c[TCommandId::Rename], &QAction::triggered, panel_, &TListPanel::RenameSelected);
    connect(c[TCommandId::Delete], &QAction::triggered, panel_, &TListPanel::DeleteSelected);
    connect(c[TCommandId::Preferences], &QAction::triggered, this, [this] {
        PreferencesForm().Reload();
        PreferencesForm().exec();
    });
    connect(c[TCommandId::Print], &QAction::triggered, this, [this] {
        if (TTournamentForm* form = ActiveForm()) form->Print();
    });
    connect(c[TCommandId::HelpTopics], &QAction::triggered, this,
            [this] { ShowHelpTopic(QStringLiteral("IDH_CONTENTS")); });
    connect(c[TCommandId::Exit], &QAction::triggered, this, &QWidget::close);
    connect(list, &QAction::triggered, this, [this](bool on) {
        listDock_->setVisible(on);
        if (on) panel_->Tree()->setFocus();
    });
    connect(autoSort, &QAction::triggered, panel_, &TListPanel::SetAutoSort);
    connect(c[TCommandId::About], &QAction::triggered, this, [this] { TAboutBox(this).exec(); });
    connect(c[TCommandId::Cascade], &QAction::triggered, area_, &QMdiArea::cascadeSubWindows);
    connect(c[TCommandId::TileHorizontally], &QAction::triggered, this,
            [this] { Tile(Qt::Horizontal); });
    connect(c[TCommandId::TileVertically], &QAction::triggered, this,
            [this] { Tile(Qt::Vertical); });
    connect(c[TCommandId::MinimizeAll], &QAction::triggered, this, [this] {
        for (QMdiSubWindow* w : area_->subWindowList())
            w->showMinimized();
    });
    // Minimised windows in a row along the bottom of the area.
    connect(c[TCommandId::Arrange], &QAction::triggered, this, [this] {
        int x = 0;
        for (QMdiSubWindow* w : area_->subWindowList()) {
            if (!w->isMinimized()) continue;
            w->move(x, area_->viewport()->height() - w->height());
            x += w->width();
        }
    });
}

} // namespace kv
