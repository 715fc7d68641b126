#pragma once

#include <QDockWidget>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QListWidget;
class QTabWidget;

// The "Table - Sort" / "Table - Columns" tool window: the active tournament's standings order
// (criterion, section, descending) and its column sets. Every change is an undoable step of
// the tournament's document.
namespace kv {

class TTournamentDocument;

class TTableToolWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit TTableToolWindow(QWidget* parent = nullptr);

    QTabWidget& Tabs() { return *tabs_; }
    // The document shown (null: none); the controls follow its changes.
    void Bind(TTournamentDocument* doc);
    void SetUsable(bool usable);
    // The texts and lists anew (after a language change or a change of the tournament).
    void Fill();

    // What the controls do, for tests and keys alike.
    void ChooseCriterion(int index);
    void ChooseSection(int index);
    void SetDescending(bool on);
    void ChooseColumnSet(const QString& name);

private:
    void UpdateTitle();
    void EditSort(const QString& criterion, int column, int venue);

    QPointer<TTournamentDocument> doc_;
    QMetaObject::Connection changed_;
    QTabWidget* tabs_ = nullptr;
    QComboBox* criterion_ = nullptr;
    QComboBox* section_ = nullptr;
    QCheckBox* descending_ = nullptr;
    QListWidget* sets_ = nullptr;
    bool filling_ = false;
};

} // namespace kv
