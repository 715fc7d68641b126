#pragma once

#include <QDialog>

#include <vector>

class QPushButton;
class QVBoxLayout;

// What the export option dialogs share: below their own fields, the table chooser (for
// standings tables; a list grid has none) and an OK that needs a table chosen.
namespace kv {

class TSelectTablesFrame;
class TTournament;

class TTablesChoiceDialog : public QDialog {
    Q_OBJECT
public:
    std::vector<int> Chosen() const;
    TSelectTablesFrame* Tables() const { return tables_; }

protected:
    explicit TTablesChoiceDialog(QWidget* parent);
    // Adds the chooser (with a tournament, starting from `chosen`) and the OK row.
    void AddChooser(QVBoxLayout& layout, const TTournament* t, const std::vector<int>& chosen);
    // OK with nothing to export does nothing.
    bool NothingChosen() const;

private:
    void UpdateOk();

    TSelectTablesFrame* tables_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace kv
