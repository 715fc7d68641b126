#pragma once

#include "storage/tournament_list.h"

#include <QWidget>

#include <functional>
#include <memory>

class QTreeView;

// The tournament list panel: the tree and every list operation with its questions and
// messages (new folder, add existing, remove, delete, rename, drag, sort, find). The list file
// is written after every change.
namespace kv {

class TDialogSeam;
class TFindTournamentForm;
class TTournamentListModel;

class TListPanel : public QWidget {
    Q_OBJECT
public:
    TListPanel(TTournamentList& list, TDialogSeam& dialogs, QWidget* parent = nullptr);
    ~TListPanel() override;

    // What the operations need of the open windows.
    TOpenWindows Windows;

    QTreeView* Tree() const { return tree_; }
    TTournamentListModel& Model() const { return *model_; }
    TListNode* Selected() const;
    std::vector<TListNode*> SelectedNodes() const;
    void Select(const TListNode* node);
    // The list file's path in the program folder.
    static QString ListPath();
    // Writes the list; a failure is reported.
    void SaveList();
    // The list changed underneath (a tournament renamed by its window): show it anew.
    void Reload(const TListNode* select = nullptr);

    // ---- operations, as the commands of the same names carry them out
    void NewFolder();
    void AddExisting();
    void RemoveSelected();
    void DeleteSelected();
    void RenameSelected();
    void SetAutoSort(bool on);
    void Find();
    void FindNext();
    bool CanFindNext() const { return canFindNext_; }
    // Tournament files (added, then opened) and files of the earlier program (imported), as
    // when they are dropped on the window.
    void AddFiles(const QStringList& tournaments, const QStringList& legacy);
    // Adds the entry of a tournament just created and selects it.
    TListNode* AddTournamentEntry(const TNodeData& entry);
    TFindTournamentForm* FindForm();

signals:
    // Double-click, Enter or Space on a tournament.
    void OpenRequested(const TNodeData& data);
    void SelectionChanged();
    void ContextMenuRequested(TListNode* node, QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepSelectionAmongSiblings();
    bool RenameNode(TListNode* node, const QString& name);
    void ImportLegacy(const QStringList& files);
    TAddFilesResult AddTournamentFiles(const QStringList& files);
    void RunSearch(bool fromDialog);

    TTournamentList& list_;
    TDialogSeam& dialogs_;
    QTreeView* tree_;
    TTournamentListModel* model_;
    TFindTournamentForm* findForm_ = nullptr;
    std::unique_ptr<TListSearch> search_;
    bool canFindNext_ = false;
};

} // namespace kv
