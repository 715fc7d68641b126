#include "ui/tables/tie_order_form.h"

#include "base/language.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/tournament_document.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

// The recorded teams first, in their order, then the others as the table ranks them now.
std::vector<const TTeam*> ListedTeams(const TGroup& g) {
    std::vector<const TTeam*> teams;
    for (const int id : g.TieOrder)
        if (const TTeam* team = g.TeamById(id)) teams.push_back(team);
    for (const TTeam* team : g.Teams())
        if (std::find(teams.begin(), teams.end(), team) == teams.end()) teams.push_back(team);
    return teams;
}

} // namespace

TTieOrderForm::TTieOrderForm(TTournamentDocument& doc, const TGroup& table, QWidget* parent)
    : QDialog(parent), doc_(doc), kind_(table.Kind), id_(table.Id) {
    setObjectName(QStringLiteral("TTieOrderForm"));
    setWindowTitle(
        Fmt(QStringLiteral("%s - %s"), LangText(5245, "Order of Level Teams"), table.Name));
    auto* layout = new QGridLayout(this);
    auto* hint = new QLabel(
        LangText(5246, "Teams that every ranking criterion leaves level stand in this order "
                       "(a drawing of lots, fair-play points). A result that separates them "
                       "comes first."),
        this);
    hint->setWordWrap(true);
    teams_ = Named(new QListWidget(this), "TeamsList");
    teams_->setDragDropMode(QAbstractItemView::InternalMove);
    for (const TTeam* team : ListedTeams(table)) {
        auto* item = new QListWidgetItem(team->Name, teams_);
        item->setData(Qt::UserRole, team->Id);
    }
    teams_->setCurrentRow(0);
    auto* up = Named(new QToolButton(this), "UpBtn");
    up->setArrowType(Qt::UpArrow);
    up->setToolTip(LangText(12419, "Move up"));
    auto* down = Named(new QToolButton(this), "DownBtn");
    down->setArrowType(Qt::DownArrow);
    down->setToolTip(LangText(12420, "Move down"));
    auto* clear = Named(new QPushButton(LangText(5247, "&Clear"), this), "ClearBtn");
    auto* side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch();
    layout->addWidget(hint, 0, 0, 1, 2);
    layout->addWidget(teams_, 1, 0);
    layout->addLayout(side, 1, 1);
    const TDialogButtons buttons = MakeDialogButtons(*this, false);
    buttons.Box->addButton(clear, QDialogButtonBox::ResetRole);
    layout->addWidget(buttons.Box, 2, 0, 1, 2);
    connect(up, &QToolButton::clicked, this, &TTieOrderForm::MoveUp);
    connect(down, &QToolButton::clicked, this, &TTieOrderForm::MoveDown);
    connect(clear, &QPushButton::clicked, this, &TTieOrderForm::Clear);
    connect(teams_->model(), &QAbstractItemModel::rowsMoved, this, [this] { cleared_ = false; });
    resize(380, 320);
}

void TTieOrderForm::Move(int by) {
    const int row = teams_->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= teams_->count()) return;
    QListWidgetItem* item = teams_->takeItem(row);
    teams_->insertItem(to, item);
    teams_->setCurrentItem(item);
    cleared_ = false;
}

void TTieOrderForm::MoveUp() {
    Move(-1);
}
void TTieOrderForm::MoveDown() {
    Move(1);
}

void TTieOrderForm::Clear() {
    cleared_ = true;
    teams_->sortItems();
}

void TTieOrderForm::accept() {
    std::vector<int> order;
    if (!cleared_)
        for (int i = 0; i < teams_->count(); ++i)
            order.push_back(teams_->item(i)->data(Qt::UserRole).toInt());
    for (const TGroup* g : doc_.Tournament().AllTables())
        if (g->Kind == kind_ && g->Id == id_) {
            edit::SetTieOrder(doc_, *g, order);
            break;
        }
    QDialog::accept();
}

} // namespace kv
