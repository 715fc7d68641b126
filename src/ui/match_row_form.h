#pragma once

#include "ui/match_list_form.h"

// "Match Position in Results Grid Cell ": the ordered pair's matches by grid position.
namespace kv {

class TMatchRowForm : public TMatchListForm {
    Q_OBJECT
public:
    TMatchRowForm(TTournamentDocument& doc, int home, int visitor, int matchId,
                  QWidget* parent = nullptr);

protected:
    void Apply() override;
};

} // namespace kv
