#pragma once

#include <QWidget>

#include <utility>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QToolButton;

// Two lists to choose from: the items left over (sorted) and the chosen ones (in order). Items
// move with the buttons > >> < <<, by a double-click or by dragging; the chosen ones are put
// in order by dragging or by the up and down buttons. Each item carries its id.
namespace kv {

class TDualList : public QWidget {
    Q_OBJECT
public:
    TDualList(const QString& availableCaption, const QString& chosenCaption,
              QWidget* parent = nullptr);

    // Every item as (id, text); `chosen` in the order they are to stand.
    void SetItems(const std::vector<std::pair<int, QString>>& items,
                  const std::vector<int>& chosen);
    std::vector<int> Chosen() const;
    void SetChosen(const std::vector<int>& chosen);

    // The left-over items by their text (the default) or by their id.
    void SetAvailableByText(bool byText);
    void SetButtonTips(const QString& add, const QString& addAll, const QString& remove,
                       const QString& removeAll);

    QListWidget* AvailableList() const { return available_; }
    QListWidget* ChosenList() const { return chosen_; }

    void Add();
    void AddAll();
    void Remove();
    void RemoveAll();
    void MoveUp();
    void MoveDown();

signals:
    void Changed();

private:
    void MoveItems(QListWidget* from, QListWidget* to, bool all);
    void UpdateButtons();
    QListWidgetItem* MakeItem(int id) const;

    void InsertAvailable(QListWidgetItem* item);

    std::vector<std::pair<int, QString>> items_;
    bool byText_ = true;
    bool filling_ = false;
    QListWidget* available_ = nullptr;
    QListWidget* chosen_ = nullptr;
    QToolButton* add_ = nullptr;
    QToolButton* addAll_ = nullptr;
    QToolButton* remove_ = nullptr;
    QToolButton* removeAll_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

} // namespace kv
