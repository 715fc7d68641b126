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

namespace {

bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

TMainForm::TMainForm(TDialogSeam& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TMainForm"));
    setAcceptDrops(true);
    setWindowTitle(QLatin1String(kAppTitle));
    setMinimumSize(400, 300);
    setMaximumSize(5000, 5000);
    resize(1000, 700);
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("ClientArea"));
    area_->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(area_);

    const TListResult loaded = list_.Load(TListPanel::ListPath());
    if (!loaded.Ok) {
        // The next change rewrites the list with what could be read: the damaged file is kept
        // beside it.
        const QString damaged = TListPanel::ListPath() + QStringLiteral(".damaged");
        if (QFileInfo::exists(TListPanel::ListPath())) {
            QFile::remove(damaged);
            QFile::copy(TListPanel::ListPath(), damaged);
        }
        ShowAppMessage(loaded.Message, TMessageKind::Error);
    }
    panel_ = new TListPanel(list_, dialogs_, this);
    listDock_ = new QDockWidget(LangText(140, "Tournament List"), this);
    listDock_->setObjectName(QStringLiteral("ListDock"));
    listDock_->setWidget(panel_);
    addDockWidget(Qt::LeftDockWidgetArea, listDock_);
    resizeDocks({listDock_}, {280}, Qt::Horizontal);

    BuildCommands();
    tools_ = new TToolWindows(*this, *commands_);
    BuildMenus();
    BuildToolbars();

    // The status bar's own message area is the hint panel: it shows the long hints (status tips).
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("ClockPanel"));
    clock_->setAlignment(Qt::AlignCenter);
    clock_->setMinimumWidth(200);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addPermanentWidget(clock_);
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("ClockTimer"));
    connect(clockTimer_, &QTimer::timeout, this, &TMainForm::UpdateClock);
    UpdateClock();
    clockTimer_->start(1000);

    panel_->Windows.DeleteForGood = AskDeleteForGood;
    panel_->Windows.IsOpen = [this](const TNodeData& d) { return FormOf(d) != nullptr; };
    panel_->Windows.Close = [this](const TNodeData& d) {
        if (TTournamentForm* f = FormOf(d)) f->ForceClose();
    };
    panel_->Windows.Rename = [this](const TNodeData& d, const QString& name) {
        if (TTournamentForm* f = FormOf(d)) f->Rename(name);
    };
    connect(panel_, &TListPanel::OpenRequested, this,
            [this](const TNodeData& d) { OpenTournament(d); });
    connect(panel_, &TListPanel::SelectionChanged, this, &TMainForm::UpdateCommands);
    connect(panel_, &TListPanel::ContextMenuRequested, this, &TMainForm::ShowListMenu);
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { BindToActiveForm(); });
    connect(listDock_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        Command(TCommandId::ListPanel)->setChecked(shown);
        UpdateCommands();
    });

    RestoreSettings();
    BindToActiveForm();
    appliedLanguage_ = CurrentLanguage();
}

TMainForm::~TMainForm() {
    // The child windows go after this object's own members: nothing may call back into it then.
    disconnect(area_, nullptr, this, nullptr);
    for (const QMetaObject::Connection& c : bindings_)
        disconnect(c);
    bindings_.clear();
    shuttingDown_ = true;
    for (QMdiSubWindow* w : area_->subWindowList())
        w->disconnect(this);
    disconnect(listDock_, nullptr, this, nullptr);
    disconnect(panel_, nullptr, this, nullptr);
    // The panel's model refers to the list, a member: the panel goes first.
    delete listDock_;
    delete area_;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    const TDroppedFiles files = SortDroppedFiles(event->mimeData()->urls());
    if (!files.Tournaments.isEmpty() || !files.Legacy.isEmpty()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const TDroppedFiles files = SortDroppedFiles(event->mimeData()->urls());
    if (files.Tournaments.isEmpty() && files.Legacy.isEmpty()) return;
    event->acceptProposedAction();
    panel_->AddFiles(files.Tournaments, files.Legacy);
    UpdateCommands();
}

// The recovery copies left by a crash, each restored, discarded or kept for later.
void TMainForm::OfferRecovery() {
    std::vector<TRecoveryCopy> copies = PendingRecoveries();
    if (copies.empty()) return;
    TRecoveryForm form(
        copies, [this](const TRecoveryCopy& copy) { return RestoreCopy(copy); }, this);
    form.exec();
    UpdateCommands();
}

bool TMainForm::RestoreCopy(const TRecoveryCopy& copy) {
    auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
    if (const TIoResult r = LoadRecovery(copy, *t); !r) {
        ShowAppMessage(
            Fmt(LangText(620, "The recovery copy of '%s' is damaged and was not restored: %s"),
                copy.Name, r.Message),
            TMessageKind::Error);
        return false;
    }
    if (!QFileInfo::exists(copy.FilePath)) {
        // Its file is gone: the tournament is saved under a name of its own and listed.
        const QString path = RecoveredFilePath(copy);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (const TIoResult saved = SaveTournament(*t, path, false); !saved) {
            ShowAppMessage(saved.Message, TMessageKind::Error);
            return false;
        }
        DiscardRecovery(copy);
        const TNodeData entry{NodeTournament, t->Sport, t->Name, path};
        panel_->AddTournamentEntry(entry);
        return OpenTournament(entry) != nullptr;
    }
    // The file stays as it was until the tournament is saved.
    if (TTournamentForm* open = FormOf(TNodeData{NodeTournament, t->Sport, t->Name, copy.FilePath}))
        open->ForceClose();
    return ShowTournament(std::move(t)) != nullptr;
}

void TMainForm::NewTournament() {
    TNewTournamentForm wizard(list_, dialogs_, this);
    if (wizard.exec() != QDialog::Accepted) return;
    panel_->AddTournamentEntry(wizard.Created());
    OpenTournament(wizard.Created());
    UpdateCommands();
}

QList<TTournamentForm*> TMainForm::TournamentForms() const {
    QList<TTournamentForm*> forms;
    // A closed window stays listed until it is deleted: it is gone already.
    for (QMdiSubWindow* w : area_->subWindowList())
        if (auto* f = qobject_cast<TTournamentForm*>(w->widget()); f && !w->isHidden()) forms << f;
    return forms;
}

TTournamentForm* TMainForm::ActiveForm() const {
    // The current window stays current while a dialog or message box has the focus.
    QMdiSubWindow* w = area_->currentSubWindow();
    return w ? qobject_cast<TTournamentForm*>(w->widget()) : nullptr;
}

void TMainForm::Tile(Qt::Orientation orientation) {
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    if (windows.isEmpty()) return;
    const QRect area = area_->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        w->showNormal();
        if (orientation == Qt::Horizontal) // one above the other, each the full width
            w->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
        else // side by side, each the full height
            w->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
    }
}

TTournamentForm* TMainForm::FormOf(const TNodeData& entry) const {
    for (TTournamentForm* f : TournamentForms())
        if (SameFile(f->Document().FileName(), entry.FilePath) &&
            f->Document().Tournament().Name.compare(entry.Name, Qt::CaseInsensitive) == 0)
            return f;
    return nullptr;
}

TTournamentForm* TMainForm::OpenTournament(const TNodeData& entry) {
    if (entry.Kind != NodeTournament) return nullptr;
    if (TTournamentForm* open = FormOf(entry)) {
        if (auto* w = qobject_cast<QMdiSubWindow*>(open->parentWidget()))
            area_->setActiveSubWindow(w);
        return open;
    }
    if (!QFileInfo::exists(entry.FilePath)) {
        ShowAppMessage(Fmt(LangText(612, "File not found: %s"), entry.FilePath),
                       TMessageKind::Error);
        return nullptr;
    }
    auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A large tournament takes a moment to load and draw: the wait window says so.
    std::unique_ptr<TWaitForm> wait;
    if (QFileInfo(entry.FilePath).size() > (1 << 20)) {
        wait = std::make_unique<TWaitForm>();
        wait->ShowNow();
    }
    const TIoResult loaded = LoadTournament(*t, entry.FilePath);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        wait.reset();
        ShowAppMessage(loaded.Message, TMessageKind::Error);
        return nullptr;
    }
    return ShowTournament(std::move(t));
}

// A tournament window's own menu (its icon's), in the program's language: the toolkit's would
// keep the language it was made in.
QMenu* TMainForm::SystemMenu(QMdiSubWindow* window) {
    auto* menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("WindowSystemMenu"));
    const auto add = [menu](int id, const char* text, auto run) {
        QAction* a = menu->addAction(LangText(id, text));
        a->setProperty("textId", id);
        a->setProperty("defaultText", QString::fromUtf8(text));
        QObject::connect(a, &QAction::triggered, menu, run);
        return a;
    };
    QAction* restore = add(76, "&Restore", [window] { window->showNormal(); });
    QAction* minimize = add(77, "Mi&nimize", [window] { window->showMinimized(); });
    QAction* maximize = add(78, "Ma&ximize", [window] { window->showMaximized(); });
    menu->addSeparator();
    add(13, "&Close", [window] { window->close(); });
    connect(menu, &QMenu::aboutToShow, menu, [window, restore, minimize, maximize] {
        restore->setEnabled(window->isMinimized() || window->isMaximized());
        minimize->setEnabled(!window->isMinimized());
        maximize->setEnabled(!window->isMaximized());
    });
    return menu;
}

TTournamentForm* TMainForm::ShowTournament(std::unique_ptr<TTournament> t) {
    auto* form = new TTournamentForm(std::move(t), dialogs_);
    QMdiSubWindow* window = area_->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(DrawnIcon(TDrawnIcon::Tournament));
    window->setSystemMenu(SystemMenu(window));
    connect(form, &TTournamentForm::Closing, this, &TMainForm::OnFormClosing);
    connect(&form->Document(), &TTournamentDocument::Changed, this,
            [this, form](const TChange& change) {
                if (change.Has(ChangeName)) FollowTournamentName(form);
            });
    connect(form, &TTournamentForm::CommandsChanged, this, &TMainForm::UpdateCommands);
    form->SetTournamentList(&list_);
    connect(form, &TTournamentForm::FileMoved, this,
            [this](const QString& from, const QString& to) {
                if (TListNode* node = list_.FindByPath(from)) {
                    node->Data.FilePath = to;
                    panel_->SaveList();
                    panel_->Reload(node);
                }
            });
    connect(window, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, [this] { BindToActiveForm(); }); });
    if (area_->subWindowList().size() == 1)
        window->showMaximized();
    else
        window->show();
    area_->setActiveSubWindow(window);
    BindToActiveForm();
    return form;
}

void TMainForm::FollowTournamentName(TTournamentForm* form) {
    // A rename undone or redone in the window: the list shows the tournament's name again.
    TListNode* entry = list_.FindByPath(form->Document().FileName());
    const QString& name = form->Document().Tournament().Name;
    if (!entry || entry->Data.Name == name || list_.FindTournamentByName(name, entry)) return;
    entry->Data.Name = name;
    if (list_.AutoSort) list_.Sort();
    panel_->SaveList();
    panel_->Reload(entry);
}

void TMainForm::OnFormClosing(TTournamentForm* form) {
    if (!form->ClosedWithoutSaving()) return;
    // Closed with No after a rename: the list shows the name the file still has.
    const QString path = form->Document().FileName();
    TListNode* entry = list_.FindByPath(path);
    QString stored;
    int sport = 0;
    if (entry && ReadIdentity(path, stored, sport) &&
        stored.compare(entry->Data.Name, Qt::CaseInsensitive) != 0) {
        entry->Data.Name = stored;
        if (list_.AutoSort) list_.Sort();
        panel_->SaveList();
        panel_->Reload(entry);
    }
}

void TMainForm::BindToActiveForm() {
    for (const QMetaObject::Connection& c : bindings_)
        disconnect(c);
    bindings_.clear();
    TTournamentForm* form = shuttingDown_ ? nullptr : ActiveForm();
    // A hint belongs to the window it was given for.
    if (form != hintForm_) statusBar()->clearMessage();
    hintForm_ = form;
    for (const TCommandSpec& spec : CommandTable()) {
        if (spec.Home != TCommandHome::Bound) continue;
        QAction* mine = Command(spec.Id);
        QAction* theirs = form ? form->Command(spec.Id) : nullptr;
        if (!theirs) {
            mine->setEnabled(false);
            mine->setChecked(false);
            continue;
        }
        // Undo and Redo name their step, Group Management its kind of group.
        const bool named = spec.Id == TCommandId::Undo || spec.Id == TCommandId::Redo ||
                           spec.Id == TCommandId::GroupManagement;
        const auto sync = [mine, theirs, named] {
            mine->setEnabled(theirs->isEnabled());
            mine->setChecked(theirs->isChecked());
            if (named) {
                mine->setText(theirs->text());
                mine->setStatusTip(theirs->statusTip());
            }
        };
        sync();
        bindings_.push_back(connect(theirs, &QAction::changed, mine, sync));
        bindings_.push_back(connect(mine, &QAction::triggered, theirs, [theirs, sync] {
            theirs->trigger();
            sync();
        }));
    }
    if (form) form->ApplyLanguage();
    tools_->Bind(form);
    UpdateCommands();
}

void TMainForm::UpdateCommands() {
    TMainState s;
    s.ListShown = listDock_->isVisible() || !isVisible();
    s.Selected = panel_->Selected();
    for (const TListNode* n : panel_->SelectedNodes())
        s.SelectedNodes.push_back(n);
    s.LastSearchFound = panel_->CanFindNext();
    s.HasTournamentWindow = !TournamentForms().isEmpty();
    const TMainCommands c = MainCommandsFor(s);
    Command(TCommandId::NewTournament)->setEnabled(c.NewTournament);
    Command(TCommandId::NewFolder)->setEnabled(c.NewFolder);
    Command(TCommandId::AddExisting)->setEnabled(c.AddExisting);
    Command(TCommandId::Rename)->setEnabled(c.Rename);
    Command(TCommandId::Delete)->setEnabled(c.Delete);
    Command(TCommandId::Remove)->setEnabled(c.Remove);
    Command(TCommandId::Find)->setEnabled(c.Find);
    Command(TCommandId::FindNext)->setEnabled(c.FindNext);
    Command(TCommandId::Print)->setEnabled(c.Print);
}

void TMainForm::ShowListMenu(TListNode* node, QPoint globalPos) {
    ListMenu(node)->exec(globalPos);
}

std::unique_ptr<QMenu> TMainForm::ListMenu(TListNode* node) {
    auto owned = std::make_unique<QMenu>(this);
    QMenu& menu = *owned;
    menu.setObjectName(QStringLiteral("ListPopupMenu"));
    UpdateCommands();
    // "Save" and "Properties" act on the active window, and only for its own entry.
    TTournamentForm* active = ActiveForm();
    const bool own = node && node->IsTournament() && active && FormOf(node->Data) == active;
    for (const TCommandId id :
         {TCommandId::NewTournament, TCommandId::NewFolder, TCommandId::Rename})
        menu.addAction(Command(id));
    QAction* save = menu.addAction(Command(TCommandId::Save)->text());
    save->setObjectName(QStringLiteral("ListSaveAction"));
    save->setEnabled(own && active->Document().IsModified());
    connect(save, &QAction::triggered, this, [active] { active->Save(); });
    for (const TCommandId id : {TCommandId::Delete, TCommandId::AddExisting, TCommandId::Remove,
                                TCommandId::Find, TCommandId::FindNext, TCommandId::AutoSort})
        menu.addAction(Command(id));
    QAction* properties = menu.addAction(Command(TCommandId::Properties)->text());
    properties->setObjectName(QStringLiteral("ListPropertiesAction"));
    properties->setEnabled(own);
    connect(properties, &QAction::triggered, this,
            [active] { active->Command(TCommandId::Properties)->trigger(); });
    return owned;
}

void TMainForm::UpdateClock() {
    if (!PrefBool("", "ShowTime")) {
        clock_->clear();
        return;
    }
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    clock_->setText(locale.toString(now.date(), QLocale::LongFormat) + QLatin1Char(' ') +
                    locale.toString(now.time(), QLocale::LongFormat));
}

TPreferencesForm& TMainForm::PreferencesForm() {
    // Made on first use and kept; made anew when the language changed since.
    if (preferences_ && preferencesLanguage_ != CurrentLanguage()) {
        delete preferences_;
        preferences_ = nullptr;
    }
    if (!preferences_) {
        preferencesLanguage_ = CurrentLanguage();
        preferences_ = new TPreferencesForm(dialogs_, this);
        connect(preferences_, &TPreferencesForm::Applied, this, &TMainForm::ApplyPreferences);
    }
    return *preferences_;
}

void TMainForm::ApplyPreferences(const TProgramPreferences::TSaved& saved) {
    ApplyHintPreference();
    UpdateClock();
    ApplyFlatButtons();
    ApplyBackground();
    if (saved.LanguageChanged)
        ApplyLanguage(); // this window at once, the others at their next activation
    if (saved.ScoreSepChanged)
        for (TTournamentForm* f : TournamentForms())
            f->TablesPage().Refresh(TChange(ChangeTables));
}

// Behind the tournament windows: the colour chosen (else the system's), the picture tiled over it.
void TMainForm::ApplyBackground() {
    const TProgramPreferences p = TProgramPreferences::Load();
    const QColor color = p.HasBGColor ? ToQColor(p.BGColor) : palette().color(QPalette::Dark);
    QPixmap picture;
    if (!p.BGPicture.isEmpty() && picture.load(p.BGPicture)) {
        QPixmap filled(picture.size());
        filled.fill(color);
        QPainter painter(&filled);
        painter.drawPixmap(0, 0, picture);
        painter.end();
        area_->setBackground(QBrush(filled));
    } else {
        area_->setBackground(QBrush(color));
    }
}

void TMainForm::ApplyFlatButtons() {
    const bool flat = PrefBool("", "FlatButtons");
    for (QToolBar* bar : toolbars_)
        bar->setStyleSheet(
            flat ? QString() : QStringLiteral("QToolButton { border: 1px outset palette(mid); }"));
}

void TMainForm::ApplyHintPreference() {
    showHints_ = PrefBool("", "ShowHints");
    if (showHints_)
        qApp->removeEventFilter(this);
    else
        qApp->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Hints switched off in the preferences: no tooltip anywhere in the program.
    if (!showHints_ && event->type() == QEvent::ToolTip) return true;
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::RestoreSettings() {
    const QByteArray geometry = QByteArray::fromBase64(
        RegReadString(QStringLiteral("WindowPlacement"), QStringLiteral("Geometry"), QString())
            .toLatin1());
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    else if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center()); // opens centred
    ApplyHintPreference();
    const QByteArray state = QByteArray::fromBase64(
        RegReadString(QStringLiteral("Toolbars"), QStringLiteral("State"), QString()).toLatin1());
    if (!state.isEmpty()) restoreState(state);
    const int selected = PrefInteger("", "SelectedTable");
    if (selected >= 0 && selected < list_.Count())
        panel_->Select(list_.NodeAt(selected));
    else
        panel_->Select(list_.Root());
    ApplyFlatButtons();
    ApplyBackground();
}

void TMainForm::OpenRestoredSelection() {
    // The windows open at the last exit come back in their order, those still listed with
    // their file in place; the entry selected then opens, or comes to the front, last.
    const QStringList open = RegReadString(QString(), QStringLiteral("OpenTournaments"), QString())
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& path : open)
        if (const TListNode* listed = list_.FindByPath(path);
            listed && listed->IsTournament() && QFileInfo::exists(path))
            OpenTournament(listed->Data);
    const TListNode* node = panel_->Selected();
    if (node && node->IsTournament()) OpenTournament(node->Data);
}

void TMainForm::OpenFiles(const QStringList& files) {
    filesToOpen_ << files;
    if (openingFiles_) return; // the run under way takes them too
    openingFiles_ = true;
    while (!filesToOpen_.isEmpty()) {
        const QStringList batch = std::exchange(filesToOpen_, {});
        QStringList toAdd;
        for (const QString& file : batch) {
            const QString path = QFileInfo(file).absoluteFilePath();
            const TOpenedFile opened = ClassifyOpenedFile(list_, path);
            if (opened.Kind == TOpenedKind::New) {
                toAdd << path;
                continue;
            }
            const TNodeData entry = opened.Entry->Data;
            if (opened.Kind == TOpenedKind::CopyListedDiffers)
                ShowAppMessage(CopyDiffersMessage(path, entry.FilePath), TMessageKind::Information);
            OpenTournament(entry);
        }
        if (!toAdd.isEmpty()) panel_->AddFiles(toAdd, {});
    }
    openingFiles_ = false;
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    UpdateCommands();
}

void TMainForm::SaveSettings() {
    RegWriteString(QStringLiteral("WindowPlacement"), QStringLiteral("Geometry"),
                   QString::fromLatin1(saveGeometry().toBase64()));
    RegWriteString(QStringLiteral("Toolbars"), QStringLiteral("State"),
                   QString::fromLatin1(saveState().toBase64()));
    if (const TListNode* node = panel_->Selected())
        RegWriteInteger(QString(), QStringLiteral("SelectedTable"), list_.PositionOf(node));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Every window is asked in turn; Cancel in any of them keeps the program running.
    const QList<TTournamentForm*> forms = TournamentForms();
    for (TTournamentForm* f : forms) {
        if (!f->MayClose()) {
            event->ignore();
            return;
        }
    }
    shuttingDown_ = true;
    QStringList open; // bottom to top, so that the one in front reopens in front
    for (const QMdiSubWindow* w : area_->subWindowList(QMdiArea::StackingOrder))
        if (auto* f = qobject_cast<TTournamentForm*>(w->widget()); f && forms.contains(f))
            open << f->Document().FileName();
    RegWriteString(QString(), QStringLiteral("OpenTournaments"), open.join(QLatin1Char('\n')));
    for (TTournamentForm* f : forms) {
        f->ForceClose();
    }
    SaveSettings();
    event->accept();
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) ApplyLanguage();
}

} // namespace kv
