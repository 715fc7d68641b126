#pragma once

#include <QDialog>

class QPushButton;

// "Group Management" ("Division Management" with conferences): the tournament's structure edited
// as a tree and applied as one step, ids kept and the matches the new structure forbids dropped.
namespace kv {

class TDialogSeam;
class TGroupFrame;
class TTournamentDocument;

class TGroupManagementForm : public QDialog {
    Q_OBJECT
public:
    TGroupManagementForm(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent = nullptr);

    TGroupFrame& Frame() const { return *frame_; }
    // Switches the system; to the group system only after the question.
    void SwitchSystem();
    // Validates and rebuilds; false (the dialog stays) when the tree is refused.
    bool Apply();
    void accept() override;

private:
    void UpdateTexts();

    TTournamentDocument& doc_;
    TGroupFrame* frame_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* switch_ = nullptr;
};

} // namespace kv
