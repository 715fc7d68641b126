#pragma once

#include "standings/fixture_rows_editor.h"
#include "standings/schedule.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

// "Add Fixtures": new fixtures typed by hand (double-click a team to start a row and another to
// complete it), or the season's missing fixtures drawn up by the schedule generator, shown
// matchday by matchday before they are added. Either way one undoable step.
namespace kv {

class TDateTimeField;

class TTournamentDocument;

class TAddFixturesForm : public QDialog {
    Q_OBJECT
public:
    explicit TAddFixturesForm(TTournamentDocument& doc, QWidget* parent = nullptr);

    QTabWidget& Pages() { return *pages_; }
    const TFixtureRowsEditor& Editor() const { return editor_; }
    // A double-click on the team with this id in the team tree.
    void ChooseTeam(int teamId);
    void SelectRows(const std::vector<int>& rows);
    // OK on the first page: adds the rows; false (the message shown) when one stops it.
    bool AddRows();
    // The schedule page: plans and shows the fixtures; adds them (and closes).
    void Preview();
    bool AddSchedule();
    int PreviewMatchdays() const;

    void accept() override;

private:
    QWidget* BuildHandPage();
    QWidget* BuildSchedulePage();
    void FillTeams();
    void FillRows();
    std::vector<int> SelectedRows() const;
    std::vector<int> ScheduleTeams() const;
    // The dates as set; false with the message when a field does not read.
    bool ScheduleDates(TScheduleDates& dates, QString& problem) const;
    void FieldEdited(TFixtureFieldKind kind, const QString& text);

    TTournamentDocument& doc_;
    TFixtureRowsEditor editor_;
    QTabWidget* pages_ = nullptr;
    QTreeWidget* teams_ = nullptr;
    QTreeWidget* rows_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* leg_ = nullptr;
    QLineEdit* matchday_ = nullptr;
    QLineEdit* date_ = nullptr;
    QLineEdit* time_ = nullptr;
    QLineEdit* score_ = nullptr;
    QCheckBox* stadiums_ = nullptr;

    QComboBox* scope_ = nullptr;
    QCheckBox* hasDate_ = nullptr;
    TDateTimeField* firstDate_ = nullptr;
    QLineEdit* skipped_ = nullptr;
    QSpinBox* every_ = nullptr;
    QCheckBox* hasTime_ = nullptr;
    TDateTimeField* kickOff_ = nullptr;
    QLabel* summary_ = nullptr;
    QTreeWidget* preview_ = nullptr;
    int previewMatchdays_ = 0;
};

} // namespace kv
