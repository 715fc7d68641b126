#pragma once

#include "standings/structure_tree.h"

#include <QWidget>

class QAction;
class QPushButton;
class QTreeView;

// The conferences, groups and teams of a tournament as a tree the user edits before anything is
// applied: adding, renaming (in place too), deleting, moving, dragging and importing teams.
namespace kv {

class TDialogSeam;
class TStructureModel;

class TGroupFrame : public QWidget {
    Q_OBJECT
public:
    TGroupFrame(TDialogSeam& dialogs, QWidget* parent = nullptr);
    ~TGroupFrame() override;

    TStructureTree& Tree() { return tree_; }
    TStructureModel& Model() const { return *model_; }
    // Starts over with this tree (its system decides the buttons).
    void SetTree(TStructureTree tree);
    // Group management asks before a node goes; the wizard does not.
    void SetConfirmDelete(bool on) { confirmDelete_ = on; }
    QAction* Command(const char* objectName) const;

    TStructureNode* Selected() const;
    void Select(const TStructureNode* node);

    void AddConference();
    void AddGroup();
    void AddTeam();
    void DeleteSelected();
    void RenameSelected();
    void MoveSelected(int by);
    void ImportTeams();
    // Switches between the two systems (the caller asks first where a question is due).
    void SwitchToGroupSystem();
    void SwitchToConferencesSystem();

signals:
    // Any change of the tree.
    void Changed();

private:
    QAction* AddAction(const char* name, int textId, const char* text);
    void Added(const TStructureTree::TAdded& added);
    void UpdateCommands();
    void ApplySystem();
    void ChangeTree(const std::function<void()>& change, const TStructureNode* select);

    TDialogSeam& dialogs_;
    TStructureTree tree_{false};
    TStructureModel* model_ = nullptr;
    QTreeView* view_ = nullptr;
    bool confirmDelete_ = false;
    std::vector<QAction*> actions_;
    std::vector<QPushButton*> buttons_;
};

} // namespace kv
