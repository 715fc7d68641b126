#pragma once

#include <QDialog>

class QComboBox;
class QToolButton;

// "Table Columns": the standings columns a tournament shows, in order, and the named column
// sets of its sport (chosen, saved and deleted here).
namespace kv {

class TDualList;
class TTournamentDocument;

class TTableColumnsForm : public QDialog {
    Q_OBJECT
public:
    TTableColumnsForm(TTournamentDocument& doc, QWidget* parent = nullptr);

    TDualList& Lists() { return *lists_; }
    QComboBox& Sets() { return *sets_; }
    void ChooseSet(const QString& name);
    void SaveSet();
    void DeleteSet();
    void accept() override;

private:
    void FillSets(const QString& select);

    TTournamentDocument& doc_;
    TDualList* lists_ = nullptr;
    QComboBox* sets_ = nullptr;
    QToolButton* delete_ = nullptr;
};

} // namespace kv
