#pragma once

#include "ui/output/tables_choice_dialog.h"

#include <vector>

class QComboBox;
class QLineEdit;

// Asks how an HTML file is written: its character encoding, the attributes of its table tags
// and, for standings tables, which tables. OK keeps the settings for the next export.
namespace kv {

class TTournament;

class THTMLSettingsForm : public TTablesChoiceDialog {
    Q_OBJECT
public:
    // With a tournament the table chooser shows, starting from `chosen`; without, a list grid
    // is written and the chooser stays hidden.
    THTMLSettingsForm(const TTournament* t, const std::vector<int>& chosen,
                      QWidget* parent = nullptr);

    QString Charset() const;
    QString TableAttributes() const;
    void accept() override;

private:
    QComboBox* encoding_ = nullptr;
    QLineEdit* attributes_ = nullptr;
};

} // namespace kv
