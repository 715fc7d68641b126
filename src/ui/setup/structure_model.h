#pragma once

#include "standings/structure_tree.h"

#include <QAbstractItemModel>

// The structure tree as an item model: one column of names, edited in place, nodes dragged
// onto others as the tree's drop rules allow.
namespace kv {

class TStructureModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TStructureModel(TStructureTree& tree, QObject* parent = nullptr);

    TStructureTree& Tree() { return tree_; }
    // Replaces the tree (a new start, a switch of the system).
    void SetTree(TStructureTree tree);
    // Call around every change of the tree made from outside.
    void BeginChange() { beginResetModel(); }
    void EndChange() { endResetModel(); }

    TStructureNode* NodeAt(const QModelIndex& index) const;
    QModelIndex IndexOf(const TStructureNode* node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // A rename in place was refused with this message; the old name stays.
    void RenameRefused(const QString& message, const TStructureNode* node);
    // The tree changed by an edit in place or a drop; `node` is where the change ended.
    void Edited(const TStructureNode* node);

private:
    TStructureNode* DropTarget(int row, const QModelIndex& parent) const;

    TStructureTree& tree_;
    mutable TStructureNode* dragged_ = nullptr;
};

} // namespace kv
