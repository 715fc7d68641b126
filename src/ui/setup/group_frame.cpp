#include "ui/setup/group_frame.h"

#include "base/language.h"
#include "base/messages.h"
#include "ui/setup/import_teams_txt_form.h"
#include "ui/setup/structure_model.h"
#include "ui/widgets/widget_names.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

TGroupFrame::TGroupFrame(TDialogSeam& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TGroupFrame"));
    model_ = new TStructureModel(tree_, this);
    view_ = Named(new QTreeView(this), "StructureTree");
    view_->setModel(model_);
    view_->setHeaderHidden(true);
    view_->setDragDropMode(QAbstractItemView::DragDrop);
    view_->setDefaultDropAction(Qt::MoveAction);
    view_->setDragEnabled(true);
    view_->setAcceptDrops(true);
    view_->setDropIndicatorShown(true);
    view_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);

    AddAction("AddConferenceAction", 7620, "Add &Conference");
    AddAction("AddGroupAction", 7621, "Add &Group");
    AddAction("AddTeamAction", 7625, "Add &Team");
    AddAction("DeleteNodeAction", 7626, "D&elete")->setShortcut(QKeySequence::Delete);
    AddAction("RenameNodeAction", 7627, "&Rename")->setShortcut(Qt::Key_F2);
    AddAction("MoveUpAction", 7628, "Move &Up");
    AddAction("MoveDownAction", 7629, "Move D&own");
    AddAction("ImportTeamsAction", 7630, "&Import Teams");
    for (QAction* a : actions_)
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(Command("AddConferenceAction"), &QAction::triggered, this, &TGroupFrame::AddConference);
    connect(Command("AddGroupAction"), &QAction::triggered, this, &TGroupFrame::AddGroup);
    connect(Command("AddTeamAction"), &QAction::triggered, this, &TGroupFrame::AddTeam);
    connect(Command("DeleteNodeAction"), &QAction::triggered, this, &TGroupFrame::DeleteSelected);
    connect(Command("RenameNodeAction"), &QAction::triggered, this, &TGroupFrame::RenameSelected);
    connect(Command("MoveUpAction"), &QAction::triggered, this, [this] { MoveSelected(-1); });
    connect(Command("MoveDownAction"), &QAction::triggered, this, [this] { MoveSelected(1); });
    connect(Command("ImportTeamsAction"), &QAction::triggered, this, &TGroupFrame::ImportTeams);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 0, 0);
    auto* side = new QVBoxLayout;
    for (QAction* a : actions_) {
        auto* b = new QPushButton(a->text(), this);
        b->setObjectName(a->objectName().replace(QLatin1String("Action"), QLatin1String("Btn")));
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        buttons_.push_back(b);
        side->addWidget(b);
    }
    side->addStretch();
    layout->addLayout(side, 0, 1);

    connect(view_, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
        const QModelIndex at = view_->indexAt(pos);
        if (at.isValid()) view_->setCurrentIndex(at);
        QMenu menu(this);
        for (QAction* a : actions_)
            if (a->isVisible()) menu.addAction(a);
        menu.exec(view_->viewport()->mapToGlobal(pos));
    });
    // A refused name: after the message the name is edited again, so that Enter goes on with it
    // rather than to whatever button the focus would fall to.
    connect(model_, &TStructureModel::RenameRefused, this,
            [this](const QString& m, const TStructureNode* node) {
                ShowAppMessage(m, TMessageKind::Information);
                QMetaObject::invokeMethod(
                    this,
                    [this, node] {
                        const std::vector<const TStructureNode*> nodes = model_->Tree().InOrder();
                        if (std::find(nodes.begin(), nodes.end(), node) == nodes.end()) return;
                        const QModelIndex at = model_->IndexOf(node);
                        if (!at.isValid()) return;
                        view_->setFocus();
                        view_->setCurrentIndex(at);
                        view_->edit(at);
                    },
                    Qt::QueuedConnection);
            });
    connect(model_, &TStructureModel::Edited, this, [this](const TStructureNode* node) {
        view_->expandAll();
        Select(node);
        emit Changed();
    });
    connect(model_, &QAbstractItemModel::modelReset, this, &TGroupFrame::UpdateCommands);
    // A click on another node: Move Up and Move Down follow it.
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TGroupFrame::UpdateCommands);
    ApplySystem();
}

TGroupFrame::~TGroupFrame() = default;

QAction* TGroupFrame::AddAction(const char* name, int textId, const char* text) {
    auto* a = new QAction(LangText(textId, text), this);
    a->setObjectName(QLatin1String(name));
    addAction(a);
    actions_.push_back(a);
    return a;
}

QAction* TGroupFrame::Command(const char* objectName) const {
    for (QAction* a : actions_)
        if (a->objectName() == QLatin1String(objectName)) return a;
    return nullptr;
}

void TGroupFrame::SetTree(TStructureTree tree) {
    model_->SetTree(std::move(tree));
    view_->expandAll();
    if (!tree_.Top().empty()) Select(tree_.Top().front().get());
    ApplySystem();
}

// The conferences system adds conferences and calls groups divisions.
void TGroupFrame::ApplySystem() {
    const bool conferences = tree_.ConferencesSystem();
    QAction* addGroup = Command("AddGroupAction");
    addGroup->setText(conferences ? LangText(7622, "Add &Division") : LangText(7621, "Add &Group"));
    addGroup->setToolTip(conferences ? LangText(7624, "Add a New Division")
                                     : LangText(7623, "Add a New Group"));
    Command("AddConferenceAction")->setVisible(conferences);
    for (size_t i = 0; i < actions_.size(); ++i) {
        buttons_[i]->setText(actions_[i]->text());
        buttons_[i]->setToolTip(actions_[i]->toolTip());
        buttons_[i]->setVisible(actions_[i]->isVisible());
    }
    UpdateCommands();
}

TStructureNode* TGroupFrame::Selected() const {
    return model_->NodeAt(view_->currentIndex());
}

void TGroupFrame::Select(const TStructureNode* node) {
    const QModelIndex index = model_->IndexOf(node);
    view_->setCurrentIndex(index);
    if (index.isValid()) view_->scrollTo(index);
    UpdateCommands();
}

void TGroupFrame::UpdateCommands() {
    const TStructureNode* node = Selected();
    Command("DeleteNodeAction")->setEnabled(node);
    Command("RenameNodeAction")->setEnabled(node);
    Command("MoveUpAction")->setEnabled(node && tree_.CanMove(node, -1));
    Command("MoveDownAction")->setEnabled(node && tree_.CanMove(node, 1));
    for (size_t i = 0; i < actions_.size(); ++i)
        buttons_[i]->setEnabled(actions_[i]->isEnabled());
}

void TGroupFrame::ChangeTree(const std::function<void()>& change, const TStructureNode* select) {
    model_->BeginChange();
    change();
    model_->EndChange();
    view_->expandAll();
    Select(select);
    emit Changed();
}

void TGroupFrame::Added(const TStructureTree::TAdded& added) {
    // The node exists already: the model is told afterwards.
    if (!added.Node) {
        ShowAppMessage(added.Message, TMessageKind::Information);
        return;
    }
    ChangeTree([] {}, added.Node);
    view_->edit(view_->currentIndex());
}

void TGroupFrame::AddConference() {
    model_->BeginChange();
    const TStructureTree::TAdded added = tree_.AddConference();
    model_->EndChange();
    Added(added);
}

void TGroupFrame::AddGroup() {
    const TStructureNode* selection = Selected();
    model_->BeginChange();
    const TStructureTree::TAdded added = tree_.AddGroup(selection);
    model_->EndChange();
    Added(added);
}

void TGroupFrame::AddTeam() {
    const TStructureNode* selection = Selected();
    model_->BeginChange();
    const TStructureTree::TAdded added = tree_.AddTeam(selection);
    model_->EndChange();
    Added(added);
}

void TGroupFrame::DeleteSelected() {
    TStructureNode* node = Selected();
    if (!node) return;
    if (confirmDelete_) {
        QString question;
        switch (node->Kind) {
        case TStructureKind::Conference:
            question = LangText(7648, "Are you sure you want to delete selected conference?");
            break;
        case TStructureKind::Group:
            question = tree_.ConferencesSystem()
                           ? LangText(7649, "Are you sure you want to delete selected division?")
                           : LangText(7650, "Are you sure you want to delete selected group?");
            break;
        case TStructureKind::Team:
            question = LangText(7651, "Are you sure you want to delete selected team?");
            break;
        }
        if (ShowAppMessage(question, TMessageKind::QuestionYesNo) != TMessageButton::Yes) return;
    }
    // The selection moves to the node before, or to the parent.
    const auto& siblings = node->Parent ? node->Parent->Children : tree_.Top();
    const TStructureNode* next = node->Parent;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == node) {
            if (i > 0)
                next = siblings[i - 1].get();
            else if (i + 1 < siblings.size())
                next = siblings[i + 1].get();
        }
    ChangeTree([this, node] { tree_.Delete(node); }, next);
}

void TGroupFrame::RenameSelected() {
    if (Selected()) view_->edit(view_->currentIndex());
}

void TGroupFrame::MoveSelected(int by) {
    TStructureNode* node = Selected();
    if (!node || !tree_.CanMove(node, by)) return;
    ChangeTree([this, node, by] { tree_.Move(node, by); }, node);
}

void TGroupFrame::ImportTeams() {
    const TStructureNode* selection = Selected();
    const bool inGroup = selection && selection->Kind != TStructureKind::Conference;
    if (!inGroup) {
        ShowAppMessage(LangText(7668, "To import teams select a group/division first"),
                       TMessageKind::Information);
        return;
    }
    TImportTeamsTxtForm form(dialogs_, this);
    if (form.exec() != QDialog::Accepted) return;
    QString message;
    ChangeTree([&] { message = tree_.ImportTeams(selection, form.Lines()); }, selection);
    if (!message.isEmpty()) ShowAppMessage(message, TMessageKind::Information);
}

void TGroupFrame::SwitchToGroupSystem() {
    ChangeTree([this] { tree_.SwitchToGroupSystem(); }, nullptr);
    ApplySystem();
}

void TGroupFrame::SwitchToConferencesSystem() {
    ChangeTree([this] { tree_.SwitchToConferencesSystem(); }, Selected());
    ApplySystem();
}

} // namespace kv
