#pragma once

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

// Asks how an HTML file is written: its character encoding, the attributes of its table tags
// and, for standings tables, which tables. OK keeps the settings for the next export.
namespace kv {

class TSelectTablesFrame;
class TTournament;

class THTMLSettingsForm : public QDialog {
    Q_OBJECT
public:
    // With a tournament the table chooser shows, starting from `chosen`; without, a list grid
    // is written and the chooser stays hidden.
    THTMLSettingsForm(const TTournament* t, const std::vector<int>& chosen,
                      QWidget* parent = nullptr);

    QString Charset() const;
    QString TableAttributes() const;
    std::vector<int> Chosen() const;
    QComboBox& EncodingBox() const { return *encoding_; }
    QLineEdit& AttributesEdit() const { return *attributes_; }
    TSelectTablesFrame* Tables() const { return tables_; }
    QPushButton& OkButton() const { return *ok_; }
    void accept() override;

private:
    void UpdateOk();

    QComboBox* encoding_ = nullptr;
    QLineEdit* attributes_ = nullptr;
    TSelectTablesFrame* tables_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace kv
