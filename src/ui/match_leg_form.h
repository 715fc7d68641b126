#pragma once

#include "ui/match_list_form.h"

// "Match Leg": the pair's matches by leg; moving one swaps it with its neighbour's leg.
namespace kv {

class TMatchLegForm : public TMatchListForm {
    Q_OBJECT
public:
    TMatchLegForm(TTournamentDocument& doc, int teamA, int teamB, int matchId,
                  QWidget* parent = nullptr);

protected:
    void Apply() override;
};

} // namespace kv
