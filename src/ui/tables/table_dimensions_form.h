#pragma once

#include "edit/dimensions_edit.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTableWidget;

// "Dimensions of Rows and Columns": the headline height and the column widths of the
// standings tables, in centimetres, inches or pixels, each within its limits.
namespace kv {

class TTournamentDocument;

class TTableDimensionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TTableDimensionsForm(TTournamentDocument& doc, QWidget* parent = nullptr);

    const TDimensionsEdit& Edited() const { return edit_; }
    void SetUnits(int units);
    // A size typed into row `row` (clamped to the row's limits, as the field does).
    void SetSize(int row, double size);
    double SizeShown(int row) const;
    void LoadDefault();
    void SaveDefault();
    void Apply();
    void accept() override;

private:
    void Fill();
    void UpdateApply();

    TTournamentDocument& doc_;
    TDimensionsEdit edit_;
    TDimensionsEdit applied_;
    QComboBox* units_ = nullptr;
    QTableWidget* rows_ = nullptr;
    // Apply: enabled while the sizes differ from those last applied (or found).
    QPushButton* apply_ = nullptr;
    bool filling_ = false;
};

} // namespace kv
