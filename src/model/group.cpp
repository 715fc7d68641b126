#include "model/group.h"

#include "base/language.h"
#include "model/match.h"
#include "model/team.h"
#include "model/tournament.h"

#include <algorithm>
#include <climits>

namespace kv {

TGroup::TGroup(const TTournament* tournament, const QString& name, int legs, int conferenceId,
               int id)
    : Tournament(tournament), Id(id), ConferenceId(conferenceId), Name(name), Legs(legs) {}

void TGroup::SetTeamOrder(const std::vector<const TTeam*>& order) const {
    Q_ASSERT(order.size() == teams_.size());
    std::vector<TTeam*> ordered;
    ordered.reserve(teams_.size());
    for (const TTeam* wanted : order) {
        const auto it = std::find(teams_.begin(), teams_.end(), wanted);
        Q_ASSERT(it != teams_.end());
        if (it != teams_.end()) ordered.push_back(*it);
    }
    if (ordered.size() == teams_.size()) teams_ = std::move(ordered);
}

TTeam* TGroup::MutableTeamAt(int index) const {
    return index >= 0 && index < TeamCount() ? teams_[static_cast<size_t>(index)] : nullptr;
}

TTeam* TGroup::MutableTeamById(int id) const {
    for (TTeam* t : teams_)
        if (t->Id == id) return t;
    return nullptr;
}

int TGroup::PlaceOf(const TTeam* team) const {
    const auto it = std::find(teams_.begin(), teams_.end(), team);
    return it == teams_.end() ? -1 : static_cast<int>(it - teams_.begin()) + 1;
}

TTeam* TGroup::MutableTeamByName(const QString& name) const {
    for (TTeam* t : teams_)
        if (t->Name.compare(name, Qt::CaseInsensitive) == 0) return t;
    return nullptr;
}

TTeam* TGroup::MutableTeamBySymbol(const QString& symbol) const {
    const QString wanted = symbol.trimmed().toUpper();
    if (wanted.isEmpty()) return nullptr;
    for (TTeam* t : teams_)
        if (t->Symbol.toUpper() == wanted) return t;
    return nullptr;
}

TMatch* TGroup::MutableMatchAt(int index) const {
    return index >= 0 && index < MatchCount() ? matches_[static_cast<size_t>(index)] : nullptr;
}

TMatch* TGroup::MutableMatchById(int id) const {
    for (TMatch* m : matches_)
        if (m->Id == id) return m;
    return nullptr;
}

namespace {

bool IsPair(const TMatch* m, int a, int b) {
    return (m->HomeTeamId == a && m->VisitorTeamId == b) ||
           (m->HomeTeamId == b && m->VisitorTeamId == a);
}

} // namespace

TMatch* TGroup::MutableMatchOfPairInLeg(int teamA, int teamB, int leg) const {
    for (TMatch* m : matches_)
        if (m->Leg == leg && IsPair(m, teamA, teamB)) return m;
    return nullptr;
}

TMatch* TGroup::MutableMatchOfPairAtPosition(int home, int visitor, int position,
                                             bool eitherVenue) const {
    const bool byLeg = Style.ShowAwayResults;
    for (TMatch* m : matches_) {
        const bool exact = m->HomeTeamId == home && m->VisitorTeamId == visitor;
        if (!(exact || (eitherVenue && IsPair(m, home, visitor)))) continue;
        if ((byLeg ? m->Leg : m->GridPosition) == position) return m;
    }
    return nullptr;
}

std::vector<const TMatch*> TGroup::MatchesOfPair(int home, int visitor, bool eitherVenue) const {
    return ListOf<const TMatch*>(MutableMatchesOfPair(home, visitor, eitherVenue));
}

std::vector<TMatch*> TGroup::MatchesOfPair(int home, int visitor, bool eitherVenue) {
    return MutableMatchesOfPair(home, visitor, eitherVenue);
}

std::vector<TMatch*> TGroup::MutableMatchesOfPair(int home, int visitor, bool eitherVenue) const {
    std::vector<TMatch*> out;
    for (TMatch* m : matches_) {
        if (static_cast<int>(out.size()) >= Legs) break;
        const bool exact = m->HomeTeamId == home && m->VisitorTeamId == visitor;
        if (exact || (eitherVenue && IsPair(m, home, visitor))) out.push_back(m);
    }
    return out;
}

int TGroup::PlannedMatchCount() const {
    const auto pairs = [](qint64 n) { return n * (n - 1) / 2; };
    if (Kind == KindJoint && Tournament && !Tournament->HasConferences()) {
        qint64 total = 0;
        for (const auto& g : Tournament->Groups())
            total += pairs(g->TeamCount()) * g->Legs;
        return static_cast<int>(std::min<qint64>(total, INT_MAX));
    }
    return static_cast<int>(std::min<qint64>(pairs(TeamCount()) * Legs, INT_MAX));
}

int TGroup::ProposedGridPosition(int home, int visitor, int leg, int matchId) const {
    std::vector<const TMatch*> ordered;
    for (const TMatch* m : matches_)
        if (m->HomeTeamId == home && m->VisitorTeamId == visitor) ordered.push_back(m);
    const int h = (Legs + 1) / 2;
    const auto taken = [&](int pos) {
        return std::any_of(ordered.begin(), ordered.end(), [&](const TMatch* m) {
            return m->Id != matchId && m->GridPosition == pos;
        });
    };
    const auto first = static_cast<int>((static_cast<qint64>(leg) + 1) / 2);
    if (!taken(first)) return first;
    const auto low = static_cast<int>(std::max<qint64>(1, static_cast<qint64>(leg) - h));
    for (int k = low; k <= std::min(leg, h); ++k)
        if (!taken(k)) return k;
    return -1;
}

QString TGroup::DefaultLabel() const {
    return QStringLiteral("%1 %2").arg(LangText(5107, "Group"), QString::number(Id + 1));
}

QString TGroup::LongLabel() const {
    return QStringLiteral("%1 <%2>").arg(DefaultLabel(), Name);
}

void TGroup::AddPlaceFont() {
    PlaceFonts.push_back(TPlaceFont::FromFont(Style.Font));
}

void TGroup::DropLastPlaceFont() {
    if (!PlaceFonts.empty()) PlaceFonts.pop_back();
}

} // namespace kv
