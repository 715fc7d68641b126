#pragma once

#include "model/people_editor.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The twin dialogs of a tournament's stadiums and referees: fields, a sortable list, add,
// replace, delete, and list files. The dialog edits a copy (the editor below the windows); OK
// and Apply hand it to the document as one undoable step.
namespace kv {

class TDialogSeam;
class TTournamentDocument;

// The entries of the editor as a list model.
class TPeopleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TPeopleModel(const TPeopleEditor& editor, QObject* parent);
    void Reload();
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TPeopleEditor& editor_;
};

class TPeopleForm : public QDialog {
    Q_OBJECT
public:
    TPeopleForm(TPeopleKind kind, TTournamentDocument& doc, TDialogSeam& dialogs,
                QWidget* parent = nullptr);
    ~TPeopleForm() override;

    const TPeopleEditor& Editor() const { return *editor_; }
    void Add();
    void Replace();
    void Delete();
    void DeleteAll();
    void SaveToFile();
    void LoadFromFile();
    bool ApplyChanges();
    void Select(int row);
    int Selected() const;
    // OK: the edits go to the tournament.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Text(int stadiumId, const char* stadium, int refereeId, const char* referee) const;
    void ShowResult(const TEditResult& r, QWidget* focus);
    void Refresh(int select);
    void FillFields();
    void UpdateButtons();
    void Changed();
    void Resort(const std::function<void()>& sort);
    void ShowMenu(QPoint pos);

    TPeopleKind kind_;
    TTournamentDocument& doc_;
    TDialogSeam& dialogs_;
    std::unique_ptr<TPeopleEditor> editor_;
    TPeopleModel* model_;
    QLineEdit* name_;
    QComboBox* country_;
    QLineEdit* city_;
    QLineEdit* number_;
    QTreeView* list_;
    QLabel* count_;
    QPushButton* add_;
    QPushButton* replace_;
    QPushButton* delete_;
    QPushButton* apply_;
};

} // namespace kv
