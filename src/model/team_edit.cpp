#include "model/team_edit.h"

#include "base/language.h"

namespace kv {

QString CheckTeamName(const TTournament& t, int teamId, const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return LangText(8680, "Empty team name is not allowed");
    for (const TTeam* team : t.JointTable().Teams())
        if (team->Id != teamId && team->Name.compare(trimmed, Qt::CaseInsensitive) == 0)
            return LangText(8681, "Team with this name already exists");
    return QString();
}

QString TeamSymbolOf(const QString& typed) {
    return typed.trimmed().toUpper().left(TTeam::kSymbolCapacity);
}

QString CheckTeamSymbol(const TTournament& t, int teamId, const QString& symbol) {
    const QString kept = TeamSymbolOf(symbol);
    if (kept.isEmpty()) return QString();
    for (const TTeam* team : t.JointTable().Teams())
        if (team->Id != teamId && team->Symbol.compare(kept, Qt::CaseInsensitive) == 0)
            return LangText(8682, "Team with this symbol already exists");
    return QString();
}

} // namespace kv
