#pragma once

#include "standings/tournament_setup.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The structure a tournament is built from or re-shaped into, as the wizard and the group
// management dialog edit it before anything is applied: conferences (in the conferences
// system), groups or divisions, and teams, in tree order. Nodes remember the ids of what they
// came from (-1 for new ones).
namespace kv {

enum class TStructureKind { Conference, Group, Team };

struct TStructureNode {
    TStructureKind Kind = TStructureKind::Team;
    int SourceId = -1;
    QString Name;
    TStructureNode* Parent = nullptr;
    std::vector<std::unique_ptr<TStructureNode>> Children;
};

class TStructureTree {
public:
    explicit TStructureTree(bool conferences) : conferences_(conferences) {}
    // The tree of a tournament's conferences, groups and teams with their ids.
    static TStructureTree Of(const TTournament& t);

    bool ConferencesSystem() const { return conferences_; }
    const std::vector<std::unique_ptr<TStructureNode>>& Top() const { return top_; }
    int TeamCount() const;
    // Every node in tree order.
    std::vector<const TStructureNode*> InOrder() const;

    // Adding: the new node (named "New Conference 1" and so on with the smallest free number),
    // or null with the message why not ("You should add a team inside a group/division").
    struct TAdded {
        TStructureNode* Node = nullptr;
        QString Message;
    };
    TAdded AddConference();
    TAdded AddGroup(const TStructureNode* selection);
    TAdded AddTeam(const TStructureNode* selection);
    // A team name another team has (ignoring case) is refused and the old name stays.
    QString Rename(TStructureNode* node, const QString& name);
    void Delete(TStructureNode* node);
    bool CanMove(const TStructureNode* node, int by) const;
    void Move(TStructureNode* node, int by);
    bool CanDrop(const TStructureNode* dragged, const TStructureNode* target) const;
    void Drop(TStructureNode* dragged, TStructureNode* target);
    // One team per non-empty trimmed line into the group holding the selection; names already
    // there are passed over ("Some teams have not been imported because they already exist").
    QString ImportTeams(const TStructureNode* selection, const QStringList& lines);
    // The conferences go and their divisions stand at the top in their place, or the other way.
    void SwitchToGroupSystem();
    void SwitchToConferencesSystem() { conferences_ = true; }

    // The first fault in tree order, or empty.
    QString Validate() const;
    // The groups and conferences of a new tournament (names only).
    void FillNew(TNewTournament& spec) const;
    // The tree as the plan an existing tournament is re-shaped by.
    TStructurePlan Plan() const;

private:
    std::vector<std::unique_ptr<TStructureNode>>& SiblingsOf(const TStructureNode* node);
    const std::vector<std::unique_ptr<TStructureNode>>&
    SiblingsOf(const TStructureNode* node) const;
    std::unique_ptr<TStructureNode> Take(TStructureNode* node);
    // The tree's node at the address of a node handed in as read-only; null when not its own.
    TStructureNode* Owned(const TStructureNode* node);
    TStructureNode* Append(TStructureNode* parent, TStructureKind kind, const QString& name);
    QString FreeName(TStructureKind kind, const QString& base) const;
    bool TeamNameTaken(const QString& name, const TStructureNode* except) const;

    bool conferences_;
    std::vector<std::unique_ptr<TStructureNode>> top_;
};

// Group management's rebuild: the tournament takes the tree's structure (ids kept, matches the
// legs no longer allow dropped) and every table is counted and ranked again.
void ApplyStructure(TTournament& t, const TStructureTree& tree);

} // namespace kv
