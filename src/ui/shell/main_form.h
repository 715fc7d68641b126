#pragma once

#include "base/preferences.h"
#include "storage/tournament_list.h"
#include "ui/commands/command_set.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;

// The frame of the program: the tournament list panel, the child windows of the open
// tournaments, the menus, five toolbars and the status bar with its hint and its clock. It owns
// no tournament: its commands act on the list or on the active tournament window.
namespace kv {

class TDialogSeam;
struct TRecoveryCopy;
class TListPanel;
class TToolWindows;
class TPreferencesForm;
class TTournament;
class TTournamentForm;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(TDialogSeam& dialogs, QWidget* parent = nullptr);
    ~TMainForm() override;

    // One of the window's commands (null for a tournament window's own).
    QAction* Command(TCommandId id) const { return commands_->Find(id); }
    // The preferences dialog, made on first use and kept.
    TPreferencesForm& PreferencesForm();
    TListPanel& ListPanel() const { return *panel_; }
    TToolWindows& ToolWindows() const { return *tools_; }
    TTournamentList& List() { return list_; }
    QList<TTournamentForm*> TournamentForms() const;
    TTournamentForm* ActiveForm() const;

    // The new-tournament wizard; the tournament it saves is listed and opened.
    void NewTournament();
    // Opens the tournament of a list entry, or brings its window to the front.
    TTournamentForm* OpenTournament(const TNodeData& entry);
    // Offers the recovery copies a crash left (at start).
    void OfferRecovery();
    // Opens a copy, marked modified; a copy whose file is gone is saved under a new name.
    bool RestoreCopy(const TRecoveryCopy& copy);
    // What start does once the window is shown: reopens the tournament windows open at the last
    // exit, then the entry selected then.
    void OpenRestoredSelection();
    // Tournament files given from outside (the command line, a second start): each one listed
    // is opened, one not listed yet is added as an existing tournament first. The window comes
    // to the front. Files that come while others are being opened (a box of theirs is up)
    // wait their turn.
    void OpenFiles(const QStringList& files);
    // Recomputes which commands are available (after list, selection and window changes).
    void UpdateCommands();
    // Replaces the texts when the language changed since they were last applied.
    void ApplyLanguage();
    // The list panel's menu for an entry (shown by a right click).
    std::unique_ptr<QMenu> ListMenu(TListNode* node);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Tournament files and files of the earlier program dropped on the window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QMenu* SystemMenu(QMdiSubWindow* window);
    TTournamentForm* ShowTournament(std::unique_ptr<TTournament> t);
    void BuildCommands();
    void BuildMenus();
    void BuildToolbars();
    void BindToActiveForm();
    void OnFormClosing(TTournamentForm* form);
    TTournamentForm* FormOf(const TNodeData& entry) const;
    void ShowListMenu(TListNode* node, QPoint globalPos);
    void RestoreSettings();
    void SaveSettings();
    void UpdateClock();
    void Tile(Qt::Orientation orientation);
    void FollowTournamentName(TTournamentForm* form);
    void ApplyHintPreference();
    void ApplyFlatButtons();
    void ApplyBackground();
    void ApplyPreferences(const TProgramPreferences::TSaved& saved);
    bool eventFilter(QObject* watched, QEvent* event) override;

    TDialogSeam& dialogs_;
    TTournamentList list_;
    std::unique_ptr<TCommandSet> commands_;
    TListPanel* panel_ = nullptr;
    QDockWidget* listDock_ = nullptr;
    TToolWindows* tools_ = nullptr;
    QMdiArea* area_ = nullptr;
    QLabel* clock_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    std::vector<QToolBar*> toolbars_;
    QMetaObject::Connection boundForm_;
    std::vector<QMetaObject::Connection> bindings_;
    bool shuttingDown_ = false;
    QPointer<TTournamentForm> hintForm_; // the window the status bar hints were given for
    QStringList filesToOpen_;            // handed over while OpenFiles was busy
    bool openingFiles_ = false;
    QString appliedLanguage_;
    bool showHints_ = true;
    TPreferencesForm* preferences_ = nullptr;
    QString preferencesLanguage_;
};

} // namespace kv
