#pragma once

#include "ui/output/tables_choice_dialog.h"

#include <vector>

class QComboBox;
class QLineEdit;

// Asks how a delimited text file is written: the field separator (one of the usual ones or
// the user's own character), the quoting and, for standings tables, which tables. Every OK
// keeps the options for the next export.
namespace kv {

class TTournament;

class TExportCSVOptionsForm : public TTablesChoiceDialog {
    Q_OBJECT
public:
    // With a tournament the table chooser shows, starting from `chosen`.
    TExportCSVOptionsForm(const TTournament* t, const std::vector<int>& chosen,
                          QWidget* parent = nullptr);

    QChar Separator() const;
    QString Quote() const;
    void accept() override;

private:
    QComboBox* separator_ = nullptr;
    QLineEdit* other_ = nullptr;
    QComboBox* quotes_ = nullptr;
};

} // namespace kv
