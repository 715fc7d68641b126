#include "edit/team_edit.h"

#include "base/language.h"

namespace kv {

namespace {

template <typename Teams> QString NameRefusal(const Teams& teams, int teamId, const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return LangText(8680, "Empty team name is not allowed");
    for (const auto& team : teams)
        if (team->Id != teamId && team->Name.compare(trimmed, Qt::CaseInsensitive) == 0)
            return LangText(8681, "Team with this name already exists");
    return QString();
}

template <typename Teams>
QString SymbolRefusal(const Teams& teams, int teamId, const QString& symbol) {
    const QString kept = TeamSymbolOf(symbol);
    if (kept.isEmpty()) return QString();
    for (const auto& team : teams)
        if (team->Id != teamId && team->Symbol.compare(kept, Qt::CaseInsensitive) == 0)
            return LangText(8682, "Team with this symbol already exists");
    return QString();
}

} // namespace

QString CheckTeamName(const TTournament& t, int teamId, const QString& name) {
    return NameRefusal(t.JointTable().Teams(), teamId, name);
}

QString TeamSymbolOf(const QString& typed) {
    return typed.trimmed().toUpper().left(TTeam::kSymbolCapacity);
}

QString CheckTeamSymbol(const TTournament& t, int teamId, const QString& symbol) {
    return SymbolRefusal(t.JointTable().Teams(), teamId, symbol);
}

bool SameTeamData(const TTeam& a, const TTeam& b) {
    return a.Id == b.Id && a.GroupId == b.GroupId && a.OrderNumber == b.OrderNumber &&
           a.Name == b.Name && a.Symbol == b.Symbol && a.AddedPoints == b.AddedPoints &&
           a.AddedGoalsFor == b.AddedGoalsFor && a.AddedGoalsAgainst == b.AddedGoalsAgainst &&
           a.FoundationYear == b.FoundationYear && a.Country == b.Country && a.City == b.City &&
           a.MainCoach == b.MainCoach && a.President == b.President &&
           a.HomeStadiumId == b.HomeStadiumId && a.SeparateFont == b.SeparateFont &&
           a.SeparateBackground == b.SeparateBackground && a.BackgroundColor == b.BackgroundColor &&
           a.Font == b.Font && a.UpperCase == b.UpperCase;
}

TTeamEdits::TTeamEdits(const TTournament& t) {
    for (const TTeam* team : t.JointTable().Teams()) {
        auto copy = std::make_unique<TTeam>(nullptr, team->Name, team->OrderNumber, team->GroupId,
                                            team->Id);
        copy->AssignData(*team);
        teams_.push_back(std::move(copy));
    }
}

TTeam* TTeamEdits::Team(int id) {
    for (const auto& team : teams_)
        if (team->Id == id) return team.get();
    return nullptr;
}

const TTeam* TTeamEdits::Team(int id) const {
    for (const auto& team : teams_)
        if (team->Id == id) return team.get();
    return nullptr;
}

QString TTeamEdits::CheckName(int teamId, const QString& name) const {
    return NameRefusal(teams_, teamId, name);
}

QString TTeamEdits::CheckSymbol(int teamId, const QString& symbol) const {
    return SymbolRefusal(teams_, teamId, symbol);
}

bool TTeamEdits::ChangedFrom(const TTournament& t) const {
    for (const auto& copy : teams_) {
        const TTeam* team = t.TeamById(copy->Id);
        if (team && !SameTeamData(*team, *copy)) return true;
    }
    return false;
}

void TTeamEdits::ApplyTo(TTournament& t) const {
    for (const auto& copy : teams_)
        if (TTeam* team = t.TeamById(copy->Id); team && !SameTeamData(*team, *copy))
            team->AssignData(*copy);
}

} // namespace kv
