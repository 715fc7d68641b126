#include "standings/structure_tree.h"

#include "base/language.h"
#include "base/textformat.h"

#include <algorithm>
#include <functional>

namespace kv {

namespace {

void Walk(const std::vector<std::unique_ptr<TStructureNode>>& nodes,
          const std::function<void(const TStructureNode&)>& visit) {
    for (const auto& n : nodes) {
        visit(*n);
        Walk(n->Children, visit);
    }
}

// The group (or division) that holds the selection, or the selection itself.
const TStructureNode* GroupOf(const TStructureNode* n) {
    while (n && n->Kind != TStructureKind::Group)
        n = n->Kind == TStructureKind::Team ? n->Parent : nullptr;
    return n;
}

const TStructureNode* ConferenceOf(const TStructureNode* n) {
    while (n && n->Kind != TStructureKind::Conference)
        n = n->Parent;
    return n;
}

} // namespace

TStructureTree TStructureTree::Of(const TTournament& t) {
    TStructureTree tree(t.HasConferences());
    const auto addGroup = [&tree](TStructureNode* parent, const TGroup& g) {
        TStructureNode* group = tree.Append(parent, TStructureKind::Group, g.Name);
        group->SourceId = g.Id;
        // In the order of entry, not the standings'.
        std::vector<const TTeam*> teams(g.Teams().begin(), g.Teams().end());
        std::stable_sort(teams.begin(), teams.end(), [](const TTeam* x, const TTeam* y) {
            return x->OrderNumber < y->OrderNumber;
        });
        for (const TTeam* team : teams)
            tree.Append(group, TStructureKind::Team, team->Name)->SourceId = team->Id;
    };
    if (t.HasConferences()) {
        for (const auto& c : t.Conferences()) {
            TStructureNode* conference = tree.Append(nullptr, TStructureKind::Conference, c->Name);
            conference->SourceId = c->Id;
            for (const TGroup* g : c->Divisions())
                addGroup(conference, *g);
        }
    } else {
        for (const auto& g : t.Groups())
            addGroup(nullptr, *g);
    }
    return tree;
}

int TStructureTree::TeamCount() const {
    int n = 0;
    Walk(top_,
         [&n](const TStructureNode& node) { n += node.Kind == TStructureKind::Team ? 1 : 0; });
    return n;
}

std::vector<const TStructureNode*> TStructureTree::InOrder() const {
    std::vector<const TStructureNode*> nodes;
    Walk(top_, [&nodes](const TStructureNode& node) { nodes.push_back(&node); });
    return nodes;
}

std::vector<std::unique_ptr<TStructureNode>>&
TStructureTree::SiblingsOf(const TStructureNode* node) {
    return node->Parent ? node->Parent->Children : top_;
}

const std::vector<std::unique_ptr<TStructureNode>>&
TStructureTree::SiblingsOf(const TStructureNode* node) const {
    return node->Parent ? node->Parent->Children : top_;
}

TStructureNode* TStructureTree::Append(TStructureNode* parent, TStructureKind kind,
                                       const QString& name) {
    auto node = std::make_unique<TStructureNode>();
    node->Kind = kind;
    node->Name = name;
    node->Parent = parent;
    TStructureNode* raw = node.get();
    (parent ? parent->Children : top_).push_back(std::move(node));
    return raw;
}

std::unique_ptr<TStructureNode> TStructureTree::Take(TStructureNode* node) {
    auto& siblings = SiblingsOf(node);
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [node](const auto& n) { return n.get() == node; });
    std::unique_ptr<TStructureNode> taken = std::move(*it);
    siblings.erase(it);
    taken->Parent = nullptr;
    return taken;
}

QString TStructureTree::FreeName(TStructureKind kind, const QString& base) const {
    for (int number = 1;; ++number) {
        const QString name = base + QLatin1Char(' ') + QString::number(number);
        bool taken = false;
        Walk(top_, [&](const TStructureNode& n) {
            taken = taken || (n.Kind == kind && n.Name.compare(name, Qt::CaseInsensitive) == 0);
        });
        if (!taken) return name;
    }
}

bool TStructureTree::TeamNameTaken(const QString& name, const TStructureNode* except) const {
    bool taken = false;
    Walk(top_, [&](const TStructureNode& n) {
        taken = taken || (&n != except && n.Kind == TStructureKind::Team &&
                          n.Name.compare(name, Qt::CaseInsensitive) == 0);
    });
    return taken;
}

TStructureTree::TAdded TStructureTree::AddConference() {
    if (!conferences_) return {};
    return {Append(nullptr, TStructureKind::Conference,
                   FreeName(TStructureKind::Conference, LangText(7642, "New Conference"))),
            QString()};
}

TStructureNode* TStructureTree::Owned(const TStructureNode* node) {
    // The tree's own, changeable, node at that address: found by walking what the tree owns.
    std::vector<std::unique_ptr<TStructureNode>>* level = &top_;
    std::vector<std::vector<std::unique_ptr<TStructureNode>>*> pending{level};
    while (node && !pending.empty()) {
        level = pending.back();
        pending.pop_back();
        for (auto& child : *level) {
            if (child.get() == node) return child.get();
            pending.push_back(&child->Children);
        }
    }
    return nullptr;
}

TStructureTree::TAdded TStructureTree::AddGroup(const TStructureNode* selection) {
    TStructureNode* parent = nullptr;
    if (conferences_) {
        parent = Owned(ConferenceOf(selection));
        if (!parent)
            return {nullptr, LangText(7646, "You should add a division inside a conference")};
    }
    const QString base =
        conferences_ ? LangText(7643, "New Division") : LangText(7644, "New Group");
    return {Append(parent, TStructureKind::Group, FreeName(TStructureKind::Group, base)),
            QString()};
}

TStructureTree::TAdded TStructureTree::AddTeam(const TStructureNode* selection) {
    auto* group = Owned(GroupOf(selection));
    if (!group) return {nullptr, LangText(7647, "You should add a team inside a group/division")};
    return {Append(group, TStructureKind::Team,
                   FreeName(TStructureKind::Team, LangText(7645, "New Team"))),
            QString()};
}

QString TStructureTree::Rename(TStructureNode* node, const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return QString(); // an empty edit keeps the name
    if (node->Kind == TStructureKind::Team && TeamNameTaken(trimmed, node))
        return LangText(7639, "A team with this name already exists");
    node->Name =
        trimmed.left(node->Kind == TStructureKind::Team ? TTeam::kNameCapacity : trimmed.size());
    return QString();
}

void TStructureTree::Delete(TStructureNode* node) {
    Take(node);
}

bool TStructureTree::CanMove(const TStructureNode* node, int by) const {
    const auto& siblings = SiblingsOf(node);
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [node](const auto& n) { return n.get() == node; });
    const auto at = it - siblings.begin();
    return at + by >= 0 && at + by < static_cast<std::ptrdiff_t>(siblings.size());
}

void TStructureTree::Move(TStructureNode* node, int by) {
    if (!CanMove(node, by)) return;
    auto& siblings = SiblingsOf(node);
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [node](const auto& n) { return n.get() == node; });
    std::iter_swap(it, it + by);
}

bool TStructureTree::CanDrop(const TStructureNode* dragged, const TStructureNode* target) const {
    if (!dragged || !target || dragged == target || dragged->Parent == target) return false;
    if (dragged->Kind == target->Kind) return true; // placed beside the target
    // A group into a conference, a team into a group.
    return (dragged->Kind == TStructureKind::Group && target->Kind == TStructureKind::Conference) ||
           (dragged->Kind == TStructureKind::Team && target->Kind == TStructureKind::Group);
}

void TStructureTree::Drop(TStructureNode* dragged, TStructureNode* target) {
    if (!CanDrop(dragged, target)) return;
    if (dragged->Kind != target->Kind) {
        std::unique_ptr<TStructureNode> node = Take(dragged);
        node->Parent = target;
        target->Children.push_back(std::move(node));
        return;
    }
    // Beside the target: before it, or after it when the dragged node stood above it.
    const auto& before = SiblingsOf(target);
    bool wasAbove = false;
    if (dragged->Parent == target->Parent)
        for (const auto& n : before) {
            if (n.get() == dragged) {
                wasAbove = true;
                break;
            }
            if (n.get() == target) break;
        }
    std::unique_ptr<TStructureNode> node = Take(dragged);
    auto& siblings = SiblingsOf(target);
    auto at = std::find_if(siblings.begin(), siblings.end(),
                           [target](const auto& n) { return n.get() == target; });
    if (wasAbove) ++at;
    node->Parent = target->Parent;
    siblings.insert(at, std::move(node));
}

QString TStructureTree::ImportTeams(const TStructureNode* selection, const QStringList& lines) {
    auto* group = Owned(GroupOf(selection));
    if (!group) return LangText(7668, "To import teams select a group/division first");
    bool skipped = false;
    for (const QString& line : lines) {
        const QString name = line.trimmed().left(TTeam::kNameCapacity);
        if (name.isEmpty()) continue;
        if (TeamNameTaken(name, nullptr)) {
            skipped = true;
            continue;
        }
        Append(group, TStructureKind::Team, name);
    }
    return skipped ? LangText(7669, "Some teams have not been imported because they already exist")
                   : QString();
}

void TStructureTree::SwitchToGroupSystem() {
    std::vector<std::unique_ptr<TStructureNode>> lifted;
    for (auto& node : top_) {
        if (node->Kind != TStructureKind::Conference) {
            lifted.push_back(std::move(node));
            continue;
        }
        for (auto& division : node->Children) {
            division->Parent = nullptr;
            lifted.push_back(std::move(division));
        }
    }
    top_ = std::move(lifted);
    conferences_ = false;
}

QString TStructureTree::Validate() const {
    if (top_.empty()) return LangText(7652, "You have not added any groups/divisions and teams");
    QString fault;
    Walk(top_, [&](const TStructureNode& n) {
        if (!fault.isEmpty()) return;
        if (n.Kind == TStructureKind::Conference && n.Children.empty())
            fault = Fmt(LangText(7653, "Conference '%s' does not contain any divisions"), n.Name);
        else if (n.Kind == TStructureKind::Group && conferences_ && !n.Parent)
            fault = Fmt(LangText(7654, "Division '%s' is not in a conference"), n.Name);
        else if (n.Kind == TStructureKind::Group && n.Children.size() < 2)
            fault =
                conferences_
                    ? Fmt(LangText(7655,
                                   "Division '%s' contains less than two teams. A division must "
                                   "contain at least two teams"),
                          n.Name)
                    : Fmt(LangText(7656,
                                   "Group '%s' contains less than two teams. A group must contain "
                                   "at least two teams"),
                          n.Name);
    });
    if (fault.isEmpty() && TeamCount() > kMaxTeams)
        fault = Fmt(
            LangText(7667, "It is not allowed to create more than %d teams within a tournament"),
            kMaxTeams);
    return fault;
}

void TStructureTree::FillNew(TNewTournament& spec) const {
    spec.Groups.clear();
    spec.Conferences.clear();
    const auto group = [](const TStructureNode& g) {
        TNewGroup out{g.Name, {}};
        for (const auto& team : g.Children)
            out.Teams << team->Name;
        return out;
    };
    for (const auto& node : top_) {
        if (node->Kind == TStructureKind::Conference) {
            TNewConference c{node->Name, {}};
            for (const auto& division : node->Children)
                c.Divisions.push_back(group(*division));
            spec.Conferences.push_back(std::move(c));
        } else if (node->Kind == TStructureKind::Group) {
            spec.Groups.push_back(group(*node));
        }
    }
}

TStructurePlan TStructureTree::Plan() const {
    TStructurePlan plan;
    for (const TStructureNode* n : InOrder()) {
        switch (n->Kind) {
        case TStructureKind::Conference:
            plan.Conferences.push_back({n->SourceId, n->Name});
            break;
        case TStructureKind::Group:
            plan.Groups.push_back({n->SourceId, n->Name,
                                   n->Parent ? static_cast<int>(plan.Conferences.size()) - 1 : -1});
            break;
        case TStructureKind::Team:
            plan.Teams.push_back({n->SourceId, n->Name, static_cast<int>(plan.Groups.size()) - 1});
            break;
        }
    }
    if (!conferences_) plan.Conferences.clear();
    return plan;
}

void ApplyStructure(TTournament& t, const TStructureTree& tree) {
    t.Restructure(tree.Plan());
    RecomputeAll(t);
}

} // namespace kv
