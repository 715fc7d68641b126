#pragma once

#include "export/csv_reader.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// "CSV / Text Import Options": the field separator of the file to import, chosen while its
// records show in a preview that follows every change.
namespace kv {

class TCsvRecordsModel;

class TCSVImportOptionsForm : public QDialog {
    Q_OBJECT
public:
    // The file's text (already decoded).
    explicit TCSVImportOptionsForm(const QString& text, QWidget* parent = nullptr);

    QChar Separator() const;
    // The file's records with the chosen separator.
    TCsvRecords Records() const;
    QComboBox& SeparatorBox() const { return *separator_; }
    QLineEdit& OtherEdit() const { return *other_; }
    QCheckBox& FirstRowsOnly() const { return *firstRows_; }
    QLabel& CountsLabel() const { return *counts_; }
    const TCsvRecordsModel& Preview() const { return *model_; }
    // OK keeps the separator for the next import.
    void accept() override;

private:
    void Rebuild();

    QString text_;
    QComboBox* separator_ = nullptr;
    QLineEdit* other_ = nullptr;
    QCheckBox* firstRows_ = nullptr;
    QTableView* preview_ = nullptr;
    QLabel* counts_ = nullptr;
    TCsvRecordsModel* model_ = nullptr;
};

} // namespace kv
