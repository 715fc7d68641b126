#pragma once

#include "export/csv_import.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// "Import from CSV": the records of a file, with what each column holds chosen by a click on
// its heading (or by a named scheme), imported all or the selected ones. Each row keeps its
// state and message; each import is one undoable step.
namespace kv {

class TImportRowsModel;
class TTournamentDocument;

class TImportCSVForm : public QDialog {
    Q_OBJECT
public:
    TImportCSVForm(TTournamentDocument& doc, const TCsvRecords& records, QWidget* parent = nullptr);

    // What column `column` holds (a kind, or none); a kind set by hand unselects the scheme.
    void SetKind(int column, int kind);
    // Asks what the column holds (a click on its heading).
    void ChooseKind(int column);
    void ChooseScheme(const QString& name);
    void SaveScheme();
    void DeleteScheme();
    // Imports the rows (all, or the selected ones): false when the columns do not allow it.
    bool Import();
    // Selects rows of the list (0-based).
    void SelectRows(const std::vector<int>& rows);

    const std::vector<TImportRow>& Rows() const { return rows_; }
    const std::vector<int>& Kinds() const { return kinds_; }
    TImportCounts Counts() const { return counts_; }
    QTableView& List() const { return *list_; }
    QComboBox& SchemeBox() const { return *schemes_; }
    QCheckBox& SelectedOnly() const { return *selectedOnly_; }
    QCheckBox& AddStadiums() const { return *addStadiums_; }
    QCheckBox& AssignHomeStadiums() const { return *assignStadiums_; }
    QCheckBox& AddReferees() const { return *addReferees_; }
    // Teams the tournament lacks join the group chosen in TeamGroupBox.
    QCheckBox& AddTeams() const { return *addTeams_; }
    QComboBox& TeamGroupBox() const { return *teamGroup_; }
    // The date format (empty: the forms recognised by themselves) and what the first dates
    // of the date column read as with it, with a warning when day and month are ambiguous.
    QComboBox& DateFormatBox() const { return *dateFormat_; }
    QLabel& DatePreview() const { return *datePreview_; }
    QLabel& AddedLabel() const { return *added_; }
    QLabel& FailedLabel() const { return *failed_; }

private:
    void FitHeadings();
    void UpdateChecks();
    void UpdateCounts();
    void ShowDetails();
    void UpdateDatePreview();
    void FillSchemes(const QString& select);

    TTournamentDocument& doc_;
    std::vector<TImportRow> rows_;
    std::vector<int> kinds_;
    TImportCounts counts_;
    TImportRowsModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QComboBox* schemes_ = nullptr;
    QPushButton* deleteScheme_ = nullptr;
    QCheckBox* selectedOnly_ = nullptr;
    QCheckBox* addStadiums_ = nullptr;
    QCheckBox* assignStadiums_ = nullptr;
    QCheckBox* addReferees_ = nullptr;
    QCheckBox* addTeams_ = nullptr;
    QComboBox* teamGroup_ = nullptr;
    QComboBox* dateFormat_ = nullptr;
    QLabel* datePreview_ = nullptr;
    QLabel* added_ = nullptr;
    QLabel* failed_ = nullptr;
    QPlainTextEdit* details_ = nullptr;
};

} // namespace kv
