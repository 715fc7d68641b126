#pragma once

#include "standings/structure_tree.h"
#include "standings/tournament_setup.h"

#include <memory>

// The wizard's last step: a new tournament from its pages, either from scratch or taking
// teams, stadiums, referees, looks and matches from an existing one.
namespace kv {

struct TCopyChoice {
    bool Teams = true;
    bool Stadiums = true;
    bool Referees = true;
    bool Appearance = true;
    bool Matches = false;
};

// The tournament the spec (name, sport, legs, rules, criteria) and the tree describe. Team nodes
// with a source id take that team of `source` with its id and data (its stadium only with
// stadiums, its looks only with the appearance); new teams are numbered above the largest
// source id. Without a source, the copy choice is not used.
std::unique_ptr<TTournament> BuildTournament(const TNewTournament& spec, const TStructureTree& tree,
                                             const TTournament* source, const TCopyChoice& copy);

} // namespace kv
