#include "ui/output/export_xlsx_options_form.h"

#include "base/language.h"

#include <QVBoxLayout>

namespace kv {

TExportXlsxOptionsForm::TExportXlsxOptionsForm(const TTournament& t, const std::vector<int>& chosen,
                                               QWidget* parent)
    : TTablesChoiceDialog(parent) {
    setObjectName(QStringLiteral("TExportXlsxOptionsForm"));
    setWindowTitle(LangText(5329, "Tables into a Spreadsheet"));
    auto* layout = new QVBoxLayout(this);
    AddChooser(*layout, &t, chosen);
    resize(560, 340);
}

void TExportXlsxOptionsForm::accept() {
    if (NothingChosen()) return;
    QDialog::accept();
}

} // namespace kv
