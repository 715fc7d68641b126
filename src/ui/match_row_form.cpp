#include "ui/match_row_form.h"

#include "base/language.h"
#include "standings/fixture_rules.h"
#include "ui/tournament_document.h"

namespace kv {

TMatchRowForm::TMatchRowForm(TTournamentDocument& doc, int home, int visitor, int matchId,
                             QWidget* parent)
    : TMatchListForm(doc, home, visitor, matchId, parent) {
    setObjectName(QStringLiteral("TMatchRowForm"));
    setWindowTitle(LangText(3901, "Match Position in Results Grid Cell "));
    std::vector<int> rows;
    int selected = 0;
    for (const TMatch* m : GridRows(doc.Tournament(), home, visitor)) {
        if (m && m->Id == matchId) selected = static_cast<int>(rows.size());
        rows.push_back(m ? m->Id : -1);
    }
    SetRows(rows,
            {LangText(3907, "Row"), LangText(3902, "Leg"), LangText(3903, "Matchday"),
             LangText(3904, "Date"), LangText(3905, "Teams"), LangText(3906, "Score")},
            false);
    Select(selected);
}

void TMatchRowForm::Apply() {
    const std::vector<int> rows = Rows();
    doc_.Edit(LangText(3911, "Change Grid Positions"), ChangeTables | ChangeFixtures,
              [rows](TTournament& t) {
                  std::vector<TMatch*> matches;
                  for (const int id : rows)
                      matches.push_back(id >= 0 ? t.MatchById(id) : nullptr);
                  ApplyGridRows(matches);
              });
}

} // namespace kv
