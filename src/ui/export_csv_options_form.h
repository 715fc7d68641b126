#pragma once

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

// Asks how a delimited text file is written: the field separator (one of the usual ones or
// the user's own character), the quoting and, for standings tables, which tables. Every OK
// keeps the options for the next export.
namespace kv {

class TSelectTablesFrame;
class TTournament;

class TExportCSVOptionsForm : public QDialog {
    Q_OBJECT
public:
    // With a tournament the table chooser shows, starting from `chosen`.
    TExportCSVOptionsForm(const TTournament* t, const std::vector<int>& chosen,
                          QWidget* parent = nullptr);

    QChar Separator() const;
    QString Quote() const;
    std::vector<int> Chosen() const;
    QComboBox& SeparatorBox() const { return *separator_; }
    QLineEdit& OtherEdit() const { return *other_; }
    QComboBox& QuotesBox() const { return *quotes_; }
    TSelectTablesFrame* Tables() const { return tables_; }
    QPushButton& OkButton() const { return *ok_; }
    void accept() override;

private:
    void UpdateOk();

    QComboBox* separator_ = nullptr;
    QLineEdit* other_ = nullptr;
    QComboBox* quotes_ = nullptr;
    TSelectTablesFrame* tables_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace kv
