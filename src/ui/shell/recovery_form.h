#pragma once

#include "storage/recovery.h"

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

// The tournaments a crash left unsaved: each can be restored, discarded or kept for the next
// start ("Later" closes the window and keeps what is left).
namespace kv {

class TRecoveryForm : public QDialog {
    Q_OBJECT
public:
    // `restore` opens a copy; the copy leaves the list when that worked.
    TRecoveryForm(std::vector<TRecoveryCopy> copies,
                  std::function<bool(const TRecoveryCopy&)> restore, QWidget* parent = nullptr);

    const std::vector<TRecoveryCopy>& Copies() const { return copies_; }
    // Act on the selected copy.
    void Restore();
    void Discard();

private:
    void Fill();
    int Selected() const;
    void Drop(int index);

    std::vector<TRecoveryCopy> copies_;
    std::function<bool(const TRecoveryCopy&)> restoreCopy_;
    QTreeWidget* list_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* discard_ = nullptr;
};

} // namespace kv
