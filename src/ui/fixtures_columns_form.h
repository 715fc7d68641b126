#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

// "Fixture List Columns": which columns the fixture list shows and in which order, the default
// set for new tournaments, and the format of the dates it shows.
namespace kv {

class TDualList;
class TTournamentDocument;

class TFixturesColumnsForm : public QDialog {
    Q_OBJECT
public:
    explicit TFixturesColumnsForm(TTournamentDocument& doc, QWidget* parent = nullptr);

    TDualList& Lists() { return *lists_; }
    QTabWidget& Pages() { return *pages_; }
    // OK and Apply: false (the message shown) when the columns will not do.
    bool Apply();
    void SaveDefault();
    void LoadDefault();
    void accept() override;

private:
    QWidget* BuildColumnsPage();
    QWidget* BuildSettingsPage();
    void UpdateSample();

    TTournamentDocument& doc_;
    QTabWidget* pages_ = nullptr;
    TDualList* lists_ = nullptr;
    QCheckBox* longDate_ = nullptr;
    QCheckBox* dayOfWeek_ = nullptr;
    QComboBox* dayForm_ = nullptr;
    QLineEdit* sample_ = nullptr;
};

} // namespace kv
