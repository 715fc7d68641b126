#pragma once

#include "ui/commands/command_set.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStackedWidget;

// A tournament window: the title band and three pages (the tables, the fixture list, the
// statistics), with the commands that act on its tournament. The main window binds its
// toolbar buttons and menu items to these commands while the window is active.
namespace kv {

class TDialogSeam;
struct TChange;
class TTournamentList;
class TFixturesPage;
class TStatisticsPage;
class TOutlookBar;
class TOutlookRunner;
class TTablesPage;
class TTournament;
struct TTableView;
class TTournamentDocument;

class TTournamentForm : public QWidget {
    Q_OBJECT
public:
    TTournamentForm(std::unique_ptr<TTournament> tournament, TDialogSeam& dialogs,
                    QWidget* parent = nullptr);
    ~TTournamentForm() override;

    TTournamentDocument& Document() { return *doc_; }
    const TTournamentDocument& Document() const { return *doc_; }
    TTablesPage& TablesPage() { return *tables_; }
    // The places still possible, worked out in the background after each edit.
    TOutlookRunner& Outlook() { return *outlook_; }
    TFixturesPage& FixturesPage() { return *fixtures_; }
    TStatisticsPage& StatisticsPage() { return *stats_; }
    int Page() const;
    void ShowPage(int page);
    // The statistics commands: the chart's choices, the chart's and the grid's outputs.
    void FillStatisticsMenu(QMenu* menu);

    // The window's commands; null for the main window's own.
    QAction* Command(TCommandId id) const { return commands_->Find(id); }
    std::vector<QAction*> Commands() const { return commands_->All(); }

    // Asks to save a modified tournament: false when the user cancels.
    bool MayClose();
    // Closing after No: what the list shows must come back to the name in the file.
    bool ClosedWithoutSaving() const { return closedWithoutSaving_; }
    // Leaves without asking (the tournament was deleted from the list).
    void ForceClose();
    // The list renamed the open tournament.
    void Rename(const QString& name);
    // Saves; a failure is reported and the tournament stays modified.
    bool Save();
    // Replaces the texts when the language changed since they were last applied.
    void ApplyLanguage();
    // The team properties dialog on a team (-1: the first team).
    void EditTeam(int teamId);
    // The tournament as a web site in a folder.
    void Publish();
    // Prints what the window shows.
    void Print();
    // Fixtures from a delimited text file: the file, its separator, then the import dialog.
    void ImportFromCsv();
    void ImportCsvFile(const QString& path);
    // The tournament list the properties dialog checks names against.
    void SetTournamentList(const TTournamentList* list) { list_ = list; }

signals:
    void CommandsChanged();
    void Closing(TTournamentForm* form);
    // The properties dialog moved the tournament's file.
    void FileMoved(const QString& from, const QString& to);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A delimited text file dropped on the window is imported into its tournament.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateUndoTexts();
    void BuildCommands();
    void BuildFixtureCommands();
    void ShowFixturesMenu(QPoint globalPos);
    void UpdateCommands();
    void OnChanged(const TChange& change);
    void BuildStatisticsCommands();
    void UpdateStatisticsCommands();
    void ShowStatisticsMenu(QPoint globalPos, bool chart);
    void EditView(const std::function<void(TTableView&)>& change);
    void BuildSetupCommands();
    void BuildExportCommands();
    void UpdateSetupCommands();

    std::unique_ptr<TTournamentDocument> doc_;
    TDialogSeam& dialogs_;
    std::unique_ptr<TCommandSet> commands_;
    QLabel* title_ = nullptr;
    QLabel* sport_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    TTablesPage* tables_ = nullptr;
    TFixturesPage* fixtures_ = nullptr;
    TStatisticsPage* stats_ = nullptr;
    TOutlookRunner* outlook_ = nullptr;
    TOutlookBar* outlookBar_ = nullptr;
    QActionGroup* dblClickGroup_ = nullptr;
    QActionGroup* pageGroup_ = nullptr;
    QActionGroup* modeGroup_ = nullptr;
    QActionGroup* alignGroup_ = nullptr;
    QString appliedLanguage_;
    bool closedWithoutSaving_ = false;
    bool forced_ = false;
    bool updating_ = false;
    const TTournamentList* list_ = nullptr;
};

} // namespace kv
