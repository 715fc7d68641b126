#include "ui/shell/list_model.h"

#include "base/language.h"
#include "ui/widgets/drawn_icons.h"

#include <QMimeData>

namespace kv {

namespace {
const char* const kListMime = "application/x-kelvorandine-list-positions";
} // namespace

TTournamentListModel::TTournamentListModel(TTournamentList& list, QObject* parent)
    : QAbstractItemModel(parent), list_(list), tournamentIcon_(DrawnIcon(TDrawnIcon::Tournament)),
      openIcon_(DrawnIcon(TDrawnIcon::FolderOpen)),
      closedIcon_(DrawnIcon(TDrawnIcon::FolderClosed)) {}

void TTournamentListModel::Reload() {
    beginResetModel();
    endResetModel();
}

void TTournamentListModel::RenameRoot() {
    const QModelIndex root = index(0, 0, QModelIndex());
    emit dataChanged(root, root, {Qt::DisplayRole});
}

TListNode* TTournamentListModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TListNode*>(index.internalPointer()) : nullptr;
}

QModelIndex TTournamentListModel::IndexOf(const TListNode* node) const {
    if (!node) return {};
    if (!node->Parent) return createIndex(0, 0, static_cast<const void*>(node));
    return createIndex(node->IndexInParent(), 0, static_cast<const void*>(node));
}

QModelIndex TTournamentListModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    if (!parent.isValid()) return row == 0 ? createIndex(0, 0, list_.Root()) : QModelIndex();
    const TListNode* p = NodeOf(parent);
    if (!p || row >= static_cast<int>(p->Children.size())) return {};
    return createIndex(row, 0, p->Children[static_cast<size_t>(row)].get());
}

QModelIndex TTournamentListModel::parent(const QModelIndex& child) const {
    const TListNode* node = NodeOf(child);
    return node && node->Parent ? IndexOf(node->Parent) : QModelIndex();
}

int TTournamentListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return 1;
    const TListNode* p = NodeOf(parent);
    return p ? static_cast<int>(p->Children.size()) : 0;
}

int TTournamentListModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TTournamentListModel::data(const QModelIndex& index, int role) const {
    const TListNode* node = NodeOf(index);
    if (!node) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->Parent ? node->Data.Name : LangText(600, "Kelvorandine");
    case Qt::DecorationRole: {
        if (node->IsTournament()) return tournamentIcon_;
        return node->Expanded ? openIcon_ : closedIcon_;
    }
    case Qt::ToolTipRole:
        return node->IsTournament() ? node->Data.FilePath : QVariant();
    default:
        return {};
    }
}

bool TTournamentListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TListNode* node = NodeOf(index);
    if (role != Qt::EditRole || !node || !node->Parent) return false;
    const QString name = value.toString();
    if (name == node->Data.Name) return false;
    const bool renamed = RenameHandler ? RenameHandler(node, name) : false;
    emit dataChanged(index, index);
    return renamed;
}

Qt::ItemFlags TTournamentListModel::flags(const QModelIndex& index) const {
    const TListNode* node = NodeOf(index);
    if (!node) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (node->Parent)
        f |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled; // the root is neither renamed nor dragged
    return f;
}

Qt::DropActions TTournamentListModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList TTournamentListModel::mimeTypes() const {
    return {QLatin1String(kListMime)};
}

QMimeData* TTournamentListModel::mimeData(const QModelIndexList& indexes) const {
    QStringList positions;
    for (const QModelIndex& i : indexes)
        if (const TListNode* node = NodeOf(i)) positions << QString::number(list_.PositionOf(node));
    auto* data = new QMimeData;
    data->setData(QLatin1String(kListMime), positions.join(QLatin1Char(',')).toLatin1());
    return data;
}

std::vector<TListNode*> TTournamentListModel::Dragged(const QMimeData* data) const {
    std::vector<TListNode*> nodes;
    if (!data || !data->hasFormat(QLatin1String(kListMime))) return nodes;
    for (const QByteArray& p : data->data(QLatin1String(kListMime)).split(','))
        if (TListNode* node = list_.NodeAt(p.toInt())) nodes.push_back(node);
    return nodes;
}

// A drop on an entry: a folder takes the entries as its last children, a tournament gets
// them before it. A drop between entries counts as a drop on the entry below.
TListNode* TTournamentListModel::DropTarget(int row, const QModelIndex& parent) const {
    TListNode* p = NodeOf(parent);
    if (!p) return nullptr;
    if (row < 0) return p;
    return row < static_cast<int>(p->Children.size()) ? p->Children[static_cast<size_t>(row)].get()
                                                      : p;
}

bool TTournamentListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                           const QModelIndex& parent) const {
    const std::vector<TListNode*> dragged = Dragged(data);
    return !dragged.empty() && list_.CanDrop(dragged, DropTarget(row, parent));
}

bool TTournamentListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                        const QModelIndex& parent) {
    const std::vector<TListNode*> dragged = Dragged(data);
    TListNode* target = DropTarget(row, parent);
    if (dragged.empty() || !list_.CanDrop(dragged, target)) return false;
    beginResetModel();
    const bool moved = list_.Drop(dragged, target);
    endResetModel();
    if (moved && MovedHandler) MovedHandler();
    // The list has moved the entries itself: the view must not remove the originals.
    return false;
}

} // namespace kv
