#include "ui/setup/structure_model.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>

namespace kv {

namespace {

const QString kMime = QStringLiteral("application/x-kelvorandine-structure-node");

const std::vector<std::unique_ptr<TStructureNode>>& Siblings(const TStructureTree& tree,
                                                             const TStructureNode* node) {
    return node->Parent ? node->Parent->Children : tree.Top();
}

int RowOf(const TStructureTree& tree, const TStructureNode* node) {
    const auto& siblings = Siblings(tree, node);
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == node) return static_cast<int>(i);
    return -1;
}

} // namespace

TStructureModel::TStructureModel(TStructureTree& tree, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree) {}

void TStructureModel::SetTree(TStructureTree tree) {
    beginResetModel();
    tree_ = std::move(tree);
    dragged_ = nullptr;
    endResetModel();
}

TStructureNode* TStructureModel::NodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TStructureNode*>(index.internalPointer()) : nullptr;
}

QModelIndex TStructureModel::IndexOf(const TStructureNode* node) const {
    if (!node) return {};
    const int row = RowOf(tree_, node);
    return row < 0 ? QModelIndex() : createIndex(row, 0, static_cast<const void*>(node));
}

QModelIndex TStructureModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const auto& children = parent.isValid() ? NodeAt(parent)->Children : tree_.Top();
    if (row >= static_cast<int>(children.size())) return {};
    return createIndex(row, 0, children[static_cast<size_t>(row)].get());
}

QModelIndex TStructureModel::parent(const QModelIndex& child) const {
    const TStructureNode* node = NodeAt(child);
    return node ? IndexOf(node->Parent) : QModelIndex();
}

int TStructureModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return static_cast<int>((parent.isValid() ? NodeAt(parent)->Children : tree_.Top()).size());
}

int TStructureModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TStructureModel::data(const QModelIndex& index, int role) const {
    const TStructureNode* node = NodeAt(index);
    if (!node) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return node->Name;
    if (role == Qt::DecorationRole) {
        QStyle* style = QApplication::style();
        switch (node->Kind) {
        case TStructureKind::Conference:
            return style->standardIcon(QStyle::SP_DirHomeIcon);
        case TStructureKind::Group:
            return style->standardIcon(QStyle::SP_DirIcon);
        case TStructureKind::Team:
            return style->standardIcon(QStyle::SP_FileIcon);
        }
    }
    return {};
}

bool TStructureModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TStructureNode* node = NodeAt(index);
    if (!node || role != Qt::EditRole) return false;
    const QString before = node->Name;
    const QString refusal = tree_.Rename(node, value.toString());
    if (!refusal.isEmpty()) {
        emit RenameRefused(refusal, node);
        return false;
    }
    if (node->Name == before) return false;
    emit dataChanged(index, index);
    emit Edited(node);
    return true;
}

Qt::ItemFlags TStructureModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

QStringList TStructureModel::mimeTypes() const {
    return {kMime};
}

QMimeData* TStructureModel::mimeData(const QModelIndexList& indexes) const {
    dragged_ = indexes.isEmpty() ? nullptr : NodeAt(indexes.front());
    auto* data = new QMimeData;
    data->setData(kMime, QByteArray::number(reinterpret_cast<quintptr>(dragged_)));
    return data;
}

// A drop between rows counts as a drop on the row below.
TStructureNode* TStructureModel::DropTarget(int row, const QModelIndex& parent) const {
    if (row < 0) return NodeAt(parent);
    return NodeAt(index(row, 0, parent));
}

bool TStructureModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                      const QModelIndex& parent) const {
    if (!data || !data->hasFormat(kMime) || action != Qt::MoveAction || !dragged_) return false;
    const TStructureNode* target = DropTarget(row, parent);
    return target && tree_.CanDrop(dragged_, target);
}

bool TStructureModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    TStructureNode* dragged = dragged_;
    beginResetModel();
    tree_.Drop(dragged, DropTarget(row, parent));
    dragged_ = nullptr;
    endResetModel();
    emit Edited(dragged);
    // The node is in its new place already: nothing is to be removed where it came from.
    return false;
}

} // namespace kv
