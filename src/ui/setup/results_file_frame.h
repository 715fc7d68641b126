#pragma once

#include "export/results_file.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// The wizard's page for a tournament made from a file of results: the file, its delimiter and
// heading row, the date format with a preview, the rows with what each column holds (a click
// on a heading asks), and the teams and legs the file gives.
namespace kv {

class TDialogSeam;
class TImportRowsModel;

class TResultsFileFrame : public QWidget {
    Q_OBJECT
public:
    TResultsFileFrame(TDialogSeam& dialogs, QWidget* parent = nullptr);

    // Reads the file: the delimiter and the columns are guessed from it.
    void LoadFile(const QString& path);
    // Asks for the file (Browse).
    void Browse();
    void SetKind(int column, int kind);
    void ChooseKind(int column);
    // Why no tournament can be made of the file as set, or empty; the teams and legs otherwise.
    QString Problem() const;
    const TResultsTeams& Teams() const { return teams_; }
    // The rows to import (the heading row left out) and how.
    const std::vector<TImportRow>& Rows() const { return rows_; }
    TImportOptions Options() const;
    // The file's base name, offered as the tournament's name.
    QString SuggestedName() const;
    // A new reading of the columns or rows, for the pages after this one.
    int Generation() const { return generation_; }

    QLineEdit& FileEdit() const { return *file_; }
    QCheckBox& HeadingsBox() const { return *headings_; }

signals:
    void Changed();

private:
    void Reread();
    void SetRows();
    void Update();

    TDialogSeam& dialogs_;
    QString path_;
    TResultsFile read_;
    std::vector<TImportRow> rows_;
    std::vector<int> kinds_;
    TResultsTeams teams_;
    int generation_ = 0;
    TImportRowsModel* model_ = nullptr;
    QLineEdit* file_ = nullptr;
    QComboBox* delimiter_ = nullptr;
    QCheckBox* headings_ = nullptr;
    QComboBox* dateFormat_ = nullptr;
    QLabel* datePreview_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableView* list_ = nullptr;
};

} // namespace kv
