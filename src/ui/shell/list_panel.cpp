#include "ui/shell/list_panel.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "edit/dropped_files.h"
#include "storage/opened_files.h"
#include "ui/setup/import_old_form.h"
#include "ui/shell/find_tournament_form.h"
#include "ui/shell/list_model.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/wait_form.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QTreeView>
#include <QVBoxLayout>

namespace kv {

TListPanel::TListPanel(TTournamentList& list, TDialogSeam& dialogs, QWidget* parent)
    : QWidget(parent), list_(list), dialogs_(dialogs) {
    setObjectName(QStringLiteral("ListPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("TournamentTree"));
    model_ = new TTournamentListModel(list_, this);
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setDragDropMode(QAbstractItemView::InternalMove);
    tree_->setDragDropOverwriteMode(true);
    tree_->setDefaultDropAction(Qt::MoveAction);
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    tree_->setContextMenuPolicy(Qt::DefaultContextMenu);
    tree_->installEventFilter(this);
    tree_->viewport()->installEventFilter(this);
    layout->addWidget(tree_);
    model_->RenameHandler = [this](TListNode* node, const QString& name) {
        return RenameNode(node, name);
    };
    model_->MovedHandler = [this] {
        SaveList();
        Reload();
    };
    connect(tree_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const TListNode* node = model_->NodeOf(index); node && node->IsTournament())
            emit OpenRequested(node->Data);
    });
    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        KeepSelectionAmongSiblings();
        emit SelectionChanged();
    });
    connect(tree_, &QTreeView::expanded, this, [this](const QModelIndex& i) {
        if (TListNode* n = model_->NodeOf(i)) n->Expanded = true;
    });
    connect(tree_, &QTreeView::collapsed, this, [this](const QModelIndex& i) {
        if (TListNode* n = model_->NodeOf(i)) n->Expanded = false;
    });
    Reload(list_.Root());
}

TListPanel::~TListPanel() = default;

QString TListPanel::ListPath() {
    return ProgramFolder() + QStringLiteral("tournlst.dat");
}

void TListPanel::SaveList() {
    const TIoResult r = list_.Save(ListPath());
    if (!r) ShowAppMessage(r.Message, TMessageKind::Error);
}

void TListPanel::Reload(const TListNode* select) {
    if (!select) select = Selected();
    const int position = select ? list_.PositionOf(select) : -1;
    model_->Reload();
    // Folders keep their open state; the root is always open.
    std::function<void(const QModelIndex&)> expand = [&](const QModelIndex& parent) {
        for (int r = 0; r < model_->rowCount(parent); ++r) {
            const QModelIndex i = model_->index(r, 0, parent);
            const TListNode* n = model_->NodeOf(i);
            if (n && (n->Expanded || !n->Parent)) tree_->setExpanded(i, true);
            expand(i);
        }
    };
    list_.Root()->Expanded = true;
    expand(QModelIndex());
    if (position >= 0) Select(list_.NodeAt(position));
    emit SelectionChanged();
}

// Entries are chosen together among the children of one folder: the current entry's.
void TListPanel::KeepSelectionAmongSiblings() {
    QItemSelectionModel* selection = tree_->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (!current.isValid()) return;
    QItemSelection others;
    for (const QModelIndex& i : selection->selectedRows())
        if (i.parent() != current.parent()) others.select(i, i);
    if (!others.isEmpty())
        selection->select(others, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

TListNode* TListPanel::Selected() const {
    return model_->NodeOf(tree_->currentIndex());
}

std::vector<TListNode*> TListPanel::SelectedNodes() const {
    std::vector<TListNode*> nodes;
    if (!tree_->selectionModel()) return nodes;
    for (const QModelIndex& i : tree_->selectionModel()->selectedRows())
        if (TListNode* n = model_->NodeOf(i)) nodes.push_back(n);
    if (nodes.empty())
        if (TListNode* n = Selected()) nodes.push_back(n);
    return nodes;
}

void TListPanel::Select(const TListNode* node) {
    const QModelIndex i = model_->IndexOf(node);
    if (!i.isValid()) return;
    for (QModelIndex p = i.parent(); p.isValid(); p = p.parent())
        tree_->setExpanded(p, true);
    tree_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    tree_->scrollTo(i);
    emit SelectionChanged();
}

void TListPanel::NewFolder() {
    QString name;
    while (true) {
        if (!dialogs_.InputText(this, QLatin1String(kAppTitle), LangText(602, "Enter Folder Name:"),
                                name))
            return;
        const TListResult check = TTournamentList::CheckFolderName(name);
        if (check.Ok) break;
        ShowAppMessage(check.Message, TMessageKind::Error);
    }
    TNodeData folder;
    folder.Kind = NodeFolder;
    folder.Name = name;
    TListNode* added = list_.AddEntry(Selected(), folder);
    SaveList();
    Reload(added);
}

TListNode* TListPanel::AddTournamentEntry(const TNodeData& entry) {
    TListNode* added = list_.AddEntry(Selected(), entry);
    SaveList();
    Reload(added);
    return added;
}

void TListPanel::AddExisting() {
    const QString current = LangText(151, "Kelvorandine 2.x (*.kvd)");
    const QString legacy = LangText(152, "Pellagrunds 2.x, 3.0 (*.plg)");
    const QString all = LangText(153, "All Files (*)");
    QString chosen = current;
    const QStringList files = dialogs_.OpenFiles(
        this, LangText(150, "Add Existing Tournaments"), ProgramFolder(),
        current + QStringLiteral(";;") + legacy + QStringLiteral(";;") + all, chosen);
    if (files.isEmpty()) return;
    if (chosen == legacy) {
        ImportLegacy(files);
        return;
    }
    if (chosen != current) return;
    AddTournamentFiles(files);
    tree_->setFocus();
}

// The files are copied into SAVES/ and listed, as "Add an Existing Tournament" does.
TAddFilesResult TListPanel::AddTournamentFiles(const QStringList& files) {
    TWaitForm wait;
    wait.ShowNow();
    // While a box is up the wait window steps aside.
    const auto ask = [&wait](TMessageKind kind, const QString& text) {
        wait.hide();
        const TMessageButton b = ShowAppMessage(text, kind);
        wait.show();
        return b;
    };
    const TAddFilesResult added = AddExistingTournaments(list_, Selected(), files, ask,
                                                         [&wait](int p) { wait.SetProgress(p); });
    wait.close();
    SaveList();
    Reload(added.Last);
    return added;
}

void TListPanel::AddFiles(const QStringList& tournaments, const QStringList& legacy) {
    if (!tournaments.isEmpty()) {
        // Files from elsewhere are copied in: said before anything can be edited.
        const TAddFilesResult result = AddTournamentFiles(tournaments);
        if (!result.Copied.isEmpty())
            ShowAppMessage(CopiedFilesMessage(result.Copied), TMessageKind::Information);
        // Each tournament listed under its name in SAVES/ opens, a new one or one listed before.
        for (const QString& file : tournaments)
            if (const TListNode* entry =
                    list_.FindByPath(TTournamentList::SavesPath(QFileInfo(file).fileName()))) {
                const TNodeData added = entry->Data;
                emit OpenRequested(added);
            }
    }
    if (!legacy.isEmpty()) ImportLegacy(legacy);
}

// Each file of the earlier program is confirmed in the import dialog, saved as a tournament,
// listed and opened; a file of neither kind is skipped with a message.
void TListPanel::ImportLegacy(const QStringList& files) {
    for (const QString& file : files) {
        TLegacyInfo info;
        QString error;
        if (!ReadLegacyInfo(file, info, error)) {
            ShowAppMessage(error, TMessageKind::Error);
            continue;
        }
        TImportTableV2Form form(list_, file, info, this);
        if (form.exec() != QDialog::Accepted) continue;
        AddTournamentEntry(form.Created());
        emit OpenRequested(form.Created());
    }
    tree_->setFocus();
}

void TListPanel::RemoveSelected() {
    const std::vector<TListNode*> nodes = SelectedNodes();
    if (nodes.empty()) return;
    const QString question = LangText(
        610, "Are you sure you want to remove selected tournament(s) from the tournament list? "
             "The tournament(s) will not be removed from your hard drive");
    if (ShowAppMessage(question, TMessageKind::QuestionYesNo) == TMessageButton::No) return;
    TListNode* parent = nodes.front()->Parent;
    // The entries go away: nothing may point at them while they do.
    tree_->selectionModel()->clear();
    std::vector<TListNode*> removable;
    for (TListNode* n : nodes)
        if (n->Parent) removable.push_back(n);
    list_.Remove(removable);
    SaveList();
    Reload(parent ? parent : list_.Root());
}

void TListPanel::DeleteSelected() {
    std::vector<TListNode*> nodes;
    for (TListNode* n : SelectedNodes())
        if (n->Parent) nodes.push_back(n);
    if (nodes.empty()) return;
    if (ShowAppMessage(
            LangText(604,
                     "Are you sure you want to delete selected folder(s) or/and tournament(s)?"),
            TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    TListNode* parent = nodes.front()->Parent;
    const int parentPosition = list_.PositionOf(parent);
    // Entries go away one by one while their windows close: nothing may point at them.
    tree_->selectionModel()->clear();
    model_->Reload();
    list_.Delete(nodes, PrefRecycleBin(), Windows);
    SaveList();
    Reload(list_.NodeAt(parentPosition));
    tree_->setFocus();
}

void TListPanel::RenameSelected() {
    const QModelIndex i = tree_->currentIndex();
    const TListNode* node = model_->NodeOf(i);
    if (node && node->Parent) tree_->edit(i);
}

bool TListPanel::RenameNode(TListNode* node, const QString& name) {
    const TListResult r = list_.Rename(node, name, Windows);
    if (!r.Ok && !r.Message.isEmpty()) ShowAppMessage(r.Message, TMessageKind::Information);
    const bool changed = node->Data.Name == name;
    if (changed || !r.Ok) {
        SaveList();
        // Re-sorting may move the entry: the view follows the node, after the edit has ended.
        QMetaObject::invokeMethod(
            this, [this, node] { Reload(node); }, Qt::QueuedConnection);
    }
    return changed;
}

void TListPanel::SetAutoSort(bool on) {
    list_.AutoSort = on;
    if (on) {
        list_.Sort();
        SaveList();
        Reload();
    }
}

TFindTournamentForm* TListPanel::FindForm() {
    // Made again in another language, with what was typed and chosen.
    if (findForm_ && findForm_->Language() != CurrentLanguage() && !findForm_->isVisible()) {
        auto* made = new TFindTournamentForm(this);
        made->Restore(findForm_->Options(), findForm_->History());
        findForm_->deleteLater();
        findForm_ = made;
    }
    if (!findForm_) findForm_ = new TFindTournamentForm(this);
    return findForm_;
}

void TListPanel::Find() {
    if (FindForm()->exec() != QDialog::Accepted) return;
    search_ = std::make_unique<TListSearch>(list_, findForm_->Options(), Selected());
    RunSearch(true);
}

void TListPanel::FindNext() {
    if (search_ && canFindNext_) RunSearch(false);
}

void TListPanel::RunSearch(bool fromDialog) {
    QString message;
    const TListNode* found = search_->Next(message);
    if (found) {
        tree_->clearSelection();
        Select(found);
        canFindNext_ = true;
    } else {
        ShowAppMessage(message, TMessageKind::Information);
        canFindNext_ = false;
    }
    (void)fromDialog;
    emit SelectionChanged();
}

bool TListPanel::eventFilter(QObject* watched, QEvent* event) {
    // Keys typed while a name is edited belong to its editor: an Enter that ends the edit
    // reaches the tree too, and must not open the entry.
    if (watched == tree_ && event->type() == QEvent::KeyPress && tree_->hasFocus()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Space) {
            if (const TListNode* node = Selected(); node && node->IsTournament())
                emit OpenRequested(node->Data);
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            DeleteSelected();
            return true;
        }
    }
    if (watched == tree_->viewport() && event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        const QModelIndex i = tree_->indexAt(menu->pos());
        if (!i.isValid()) return true; // no menu on empty space
        tree_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        emit SelectionChanged();
        emit ContextMenuRequested(model_->NodeOf(i), menu->globalPos());
        return true;
    }
    if (watched == tree_ && event->type() == QEvent::FocusIn) emit SelectionChanged();
    // Files dragged in from outside: tournaments and files of the earlier program.
    if (watched == tree_->viewport() &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
         event->type() == QEvent::Drop)) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData()->hasUrls()) {
            const TDroppedFiles files = SortDroppedFiles(drop->mimeData()->urls());
            if (files.Tournaments.isEmpty() && files.Legacy.isEmpty()) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            if (event->type() == QEvent::Drop) AddFiles(files.Tournaments, files.Legacy);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kv
