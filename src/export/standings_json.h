#pragma once

#include "model/tournament.h"

#include <QJsonObject>

#include <vector>

// Standings and whole tournaments as JSON: one table's ranked rows (as `kvtool standings
// --format json` writes them), and the published tournament (`tournament.json`, schema
// "kelvorandine-publish", version 1, described in docs/publish-json.md).
namespace kv {

inline constexpr int kPublishSchemaVersion = 1;

// {"table": name, "rows": [{"place", "team", "id", "values": {column id: value}}]}; the table
// is recounted and ranked in the scope first. With `explain`, each row says what placed it.
QJsonObject StandingsJson(const TTournament& t, const TGroup& table,
                          const std::vector<int>& columns, int scope, bool explain = false);
// The tournament: its rules, its shown columns, the standings of the tables shown, the teams
// and every match.
QJsonObject TournamentJson(const TTournament& t);
// A day count as an ISO date ("2026-03-07").
QString IsoDate(double days);

} // namespace kv
