#include "ui/widgets/dual_list.h"

#include "base/language.h"
#include "ui/widgets/widget_names.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

QListWidget* MakeList(QWidget* parent, const char* name) {
    auto* list = Named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setDragDropMode(QAbstractItemView::DragDrop);
    list->setDefaultDropAction(Qt::MoveAction);
    return list;
}

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const QString& tip) {
    auto* b = Named(new QToolButton(parent), name);
    b->setText(text);
    b->setToolTip(tip);
    b->setMinimumWidth(36);
    return b;
}

} // namespace

TDualList::TDualList(const QString& availableCaption, const QString& chosenCaption, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("DualList"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    available_ = MakeList(this, "AvailableList");
    available_->setSortingEnabled(true);
    chosen_ = MakeList(this, "ChosenList");
    auto* left = new QLabel(availableCaption, this);
    left->setBuddy(available_);
    auto* right = new QLabel(chosenCaption, this);
    right->setBuddy(chosen_);
    add_ = MakeButton(this, "AddBtn", QStringLiteral(">"), LangText(12415, "Add selected"));
    addAll_ = MakeButton(this, "AddAllBtn", QStringLiteral(">>"), LangText(12416, "Add all"));
    remove_ =
        MakeButton(this, "RemoveBtn", QStringLiteral("<"), LangText(12417, "Remove selected"));
    removeAll_ =
        MakeButton(this, "RemoveAllBtn", QStringLiteral("<<"), LangText(12418, "Remove all"));
    up_ = MakeButton(this, "UpBtn", QString(), LangText(12419, "Move up"));
    up_->setArrowType(Qt::UpArrow);
    down_ = MakeButton(this, "DownBtn", QString(), LangText(12420, "Move down"));
    down_->setArrowType(Qt::DownArrow);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (QToolButton* b : {add_, addAll_, remove_, removeAll_})
        middle->addWidget(b);
    middle->addStretch();
    auto* order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(up_);
    order->addWidget(down_);
    order->addStretch();
    layout->addWidget(left, 0, 0);
    layout->addWidget(right, 0, 2);
    layout->addWidget(available_, 1, 0);
    layout->addLayout(middle, 1, 1);
    layout->addWidget(chosen_, 1, 2);
    layout->addLayout(order, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);

    connect(add_, &QToolButton::clicked, this, &TDualList::Add);
    connect(addAll_, &QToolButton::clicked, this, &TDualList::AddAll);
    connect(remove_, &QToolButton::clicked, this, &TDualList::Remove);
    connect(removeAll_, &QToolButton::clicked, this, &TDualList::RemoveAll);
    connect(up_, &QToolButton::clicked, this, &TDualList::MoveUp);
    connect(down_, &QToolButton::clicked, this, &TDualList::MoveDown);
    connect(available_, &QListWidget::itemDoubleClicked, this, [this] { Add(); });
    connect(chosen_, &QListWidget::itemDoubleClicked, this, [this] { Remove(); });
    for (QListWidget* list : {available_, chosen_}) {
        connect(list, &QListWidget::itemSelectionChanged, this, &TDualList::UpdateButtons);
        connect(list, &QListWidget::currentRowChanged, this, &TDualList::UpdateButtons);
        // Dragged items arrive through the models.
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this] {
            if (filling_) return;
            UpdateButtons();
            emit Changed();
        });
        connect(list->model(), &QAbstractItemModel::rowsMoved, this, [this] { emit Changed(); });
        // A dragged item leaves its list after it arrived in the other one.
        connect(list->model(), &QAbstractItemModel::rowsRemoved, this, [this] {
            if (filling_) return;
            UpdateButtons();
            emit Changed();
        });
    }
    UpdateButtons();
}

QListWidgetItem* TDualList::MakeItem(int id) const {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [id](const auto& item) { return item.first == id; });
    auto* item = new QListWidgetItem(it != items_.end() ? it->second : QString::number(id));
    item->setData(Qt::UserRole, id);
    return item;
}

void TDualList::SetItems(const std::vector<std::pair<int, QString>>& items,
                         const std::vector<int>& chosen) {
    items_ = items;
    SetChosen(chosen);
}

void TDualList::SetChosen(const std::vector<int>& chosen) {
    // The views must hear of the new rows; only this widget's own reactions wait.
    filling_ = true;
    available_->clear();
    chosen_->clear();
    for (const int id : chosen)
        if (std::any_of(items_.begin(), items_.end(),
                        [id](const auto& item) { return item.first == id; }))
            chosen_->addItem(MakeItem(id));
    for (const auto& [id, text] : items_)
        if (std::find(chosen.begin(), chosen.end(), id) == chosen.end())
            InsertAvailable(MakeItem(id));
    filling_ = false;
    UpdateButtons();
    emit Changed();
}

std::vector<int> TDualList::Chosen() const {
    std::vector<int> ids;
    for (int i = 0; i < chosen_->count(); ++i)
        ids.push_back(chosen_->item(i)->data(Qt::UserRole).toInt());
    return ids;
}

void TDualList::MoveItems(QListWidget* from, QListWidget* to, bool all) {
    std::vector<int> rows;
    for (int i = 0; i < from->count(); ++i)
        if (all || from->item(i)->isSelected()) rows.push_back(i);
    if (rows.empty()) return;
    to->clearSelection();
    int taken = 0;
    QListWidgetItem* last = nullptr;
    for (const int row : rows) {
        QListWidgetItem* item = from->takeItem(row - taken++);
        if (to == available_)
            InsertAvailable(item);
        else
            to->addItem(item);
        item->setSelected(true);
        last = item;
    }
    // The items moved are the ones the arrows and Up and Down act on next.
    to->setCurrentItem(last, QItemSelectionModel::NoUpdate);
    UpdateButtons();
    emit Changed();
}

void TDualList::SetAvailableByText(bool byText) {
    byText_ = byText;
    available_->setSortingEnabled(byText);
    SetChosen(Chosen());
}

void TDualList::SetButtonTips(const QString& add, const QString& addAll, const QString& remove,
                              const QString& removeAll) {
    add_->setToolTip(add);
    addAll_->setToolTip(addAll);
    remove_->setToolTip(remove);
    removeAll_->setToolTip(removeAll);
}

void TDualList::InsertAvailable(QListWidgetItem* item) {
    if (byText_) {
        available_->addItem(item);
        return;
    }
    const int id = item->data(Qt::UserRole).toInt();
    int row = 0;
    while (row < available_->count() && available_->item(row)->data(Qt::UserRole).toInt() < id)
        ++row;
    available_->insertItem(row, item);
}

void TDualList::Add() {
    MoveItems(available_, chosen_, false);
}
void TDualList::AddAll() {
    MoveItems(available_, chosen_, true);
}
void TDualList::Remove() {
    MoveItems(chosen_, available_, false);
}
void TDualList::RemoveAll() {
    MoveItems(chosen_, available_, true);
}

void TDualList::MoveUp() {
    const int row = chosen_->currentRow();
    if (row <= 0) return;
    QListWidgetItem* item = chosen_->takeItem(row);
    chosen_->insertItem(row - 1, item);
    chosen_->setCurrentItem(item);
    emit Changed();
}

void TDualList::MoveDown() {
    const int row = chosen_->currentRow();
    if (row < 0 || row + 1 >= chosen_->count()) return;
    QListWidgetItem* item = chosen_->takeItem(row);
    chosen_->insertItem(row + 1, item);
    chosen_->setCurrentItem(item);
    emit Changed();
}

void TDualList::UpdateButtons() {
    add_->setEnabled(!available_->selectedItems().isEmpty());
    addAll_->setEnabled(available_->count() > 0);
    remove_->setEnabled(!chosen_->selectedItems().isEmpty());
    removeAll_->setEnabled(chosen_->count() > 0);
    const int row = chosen_->currentRow();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < chosen_->count());
}

} // namespace kv
