#pragma once

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

// What the match-leg and grid-position dialogs share: the pair's matches as rows, the selected
// one moved up and down, and OK handing the new order to the document as one step.
namespace kv {

class TTournament;
class TTournamentDocument;

class TMatchListForm : public QDialog {
    Q_OBJECT
public:
    // The rows' match ids, -1 for an empty row.
    const std::vector<int>& Rows() const { return rows_; }
    int Selected() const;
    void Select(int row);
    void MoveUp();
    void MoveDown();
    // OK: the new order goes to the tournament.
    void accept() override;

protected:
    TMatchListForm(TTournamentDocument& doc, int teamA, int teamB, int matchId, QWidget* parent);
    // Filled by the dialog of each kind.
    void SetRows(std::vector<int> rows, const QStringList& headings, bool numberedByLeg);
    virtual void Apply() = 0;

    TTournamentDocument& doc_;
    int teamA_;
    int teamB_;

private:
    void Show();
    void UpdateButtons();
    std::vector<int> rows_;
    bool byLeg_ = true;
    QTreeWidget* list_;
    QPushButton* up_;
    QPushButton* down_;
};

} // namespace kv
