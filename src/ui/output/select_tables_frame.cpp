#include "ui/output/select_tables_frame.h"

#include "base/language.h"
#include "model/group.h"
#include "model/tablestyle.h"
#include "model/tournament.h"
#include "ui/widgets/dual_list.h"

#include <QVBoxLayout>

namespace kv {

namespace {

std::vector<std::pair<int, QString>> Offered(const TTournament& t) {
    std::vector<std::pair<int, QString>> items;
    switch (t.View.TableMode) {
    case TableModeJoint:
        items.emplace_back(-1, LangText(1150, "Joint Table"));
        break;
    case TableModeConferences:
        for (const auto& c : t.Conferences())
            items.emplace_back(c->Id, c->Name);
        break;
    default:
        for (const auto& g : t.Groups())
            items.emplace_back(g->Id, g->Name);
        break;
    }
    return items;
}

} // namespace

TSelectTablesFrame::TSelectTablesFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TSelectTablesFrame"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    lists_ = new TDualList(LangText(11800, "&Available Tables:"),
                           LangText(11801, "Tables to E&xport:"), this);
    lists_->SetAvailableByText(false);
    layout->addWidget(lists_);
    connect(lists_, &TDualList::Changed, this, &TSelectTablesFrame::Changed);
}

void TSelectTablesFrame::Load(const TTournament& t, const std::vector<int>& chosen) {
    const std::vector<std::pair<int, QString>> items = Offered(t);
    std::vector<int> shown;
    for (int id : chosen)
        for (const auto& item : items)
            if (item.first == id) shown.push_back(id);
    lists_->SetItems(items, shown);
    emit Changed();
}

std::vector<int> TSelectTablesFrame::AllTables(const TTournament& t) {
    std::vector<int> ids;
    for (const auto& item : Offered(t))
        ids.push_back(item.first);
    return ids;
}

std::vector<int> TSelectTablesFrame::Chosen() const {
    return lists_->Chosen();
}

} // namespace kv
