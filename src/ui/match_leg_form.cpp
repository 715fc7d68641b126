#include "ui/match_leg_form.h"

#include "base/language.h"
#include "standings/fixture_rules.h"
#include "ui/tournament_document.h"

namespace kv {

TMatchLegForm::TMatchLegForm(TTournamentDocument& doc, int teamA, int teamB, int matchId,
                             QWidget* parent)
    : TMatchListForm(doc, teamA, teamB, matchId, parent) {
    setObjectName(QStringLiteral("TMatchLegForm"));
    setWindowTitle(LangText(3900, "Match Leg"));
    std::vector<int> rows;
    int selected = 0;
    for (const TMatch* m : LegRows(doc.Tournament(), teamA, teamB)) {
        if (m && m->Id == matchId) selected = static_cast<int>(rows.size());
        rows.push_back(m ? m->Id : -1);
    }
    SetRows(rows,
            {LangText(3902, "Leg"), LangText(3903, "Matchday"), LangText(3904, "Date"),
             LangText(3905, "Teams"), LangText(3906, "Score")},
            true);
    Select(selected);
}

void TMatchLegForm::Apply() {
    const std::vector<int> rows = Rows();
    const int first = teamA_;
    doc_.Edit(LangText(3910, "Change Match Legs"), ChangeTables | ChangeFixtures | ChangeStatistics,
              [rows, first](TTournament& t) {
                  std::vector<TMatch*> matches;
                  for (const int id : rows)
                      matches.push_back(id >= 0 ? t.MatchById(id) : nullptr);
                  ApplyLegRows(matches, first);
              });
}

} // namespace kv
