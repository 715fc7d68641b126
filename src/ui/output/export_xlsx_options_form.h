#pragma once

#include "ui/output/tables_choice_dialog.h"

#include <vector>

// Asks which standings tables go into a spreadsheet, each on its own sheet.
namespace kv {

class TTournament;

class TExportXlsxOptionsForm : public TTablesChoiceDialog {
    Q_OBJECT
public:
    TExportXlsxOptionsForm(const TTournament& t, const std::vector<int>& chosen,
                           QWidget* parent = nullptr);
    void accept() override;
};

} // namespace kv
