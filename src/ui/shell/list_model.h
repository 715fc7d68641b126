#pragma once

#include "storage/tournament_list.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <functional>

// The tournament list as an item model for the list panel's tree: folders and tournaments with
// their icons, names edited in place, entries moved by dragging under the list's rules.
namespace kv {

class TTournamentListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TTournamentListModel(TTournamentList& list, QObject* parent = nullptr);

    // The list changed underneath: the views show it anew.
    void Reload();
    // The root's name, in the current language; nothing else changes.
    void RenameRoot();
    TListNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const TListNode* node) const;

    // What renaming in place does; false keeps the old name (the handler shows why).
    std::function<bool(TListNode*, const QString&)> RenameHandler;
    // Called after entries were moved by dragging.
    std::function<void()> MovedHandler;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    std::vector<TListNode*> Dragged(const QMimeData* data) const;
    TListNode* DropTarget(int row, const QModelIndex& parent) const;
    TTournamentList& list_;
    QIcon tournamentIcon_;
    QIcon openIcon_;
    QIcon closedIcon_;
};

} // namespace kv
