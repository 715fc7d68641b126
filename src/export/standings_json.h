#pragma once

#include "model/tournament.h"

#include <QJsonObject>

#include <vector>

// Standings and whole tournaments as JSON: one table's ranked rows (as `kvtool standings
// --format json` writes them), and the published tournament (`tournament.json`, schema
// "kelvorandine-publish", version 2, described in docs/publish-json.md).
namespace kv {

inline constexpr int kPublishSchemaVersion = 2;

// {"table": name, "rows": [{"place", "team", "id", "values": {column id: value}}]}; the table
// is recounted and ranked in the scope first. With `explain`, each row says what placed it;
// with `outlook`, where the tournament has one, each row also has "best" and "worst" (the
// places still possible, null while unknown), "remaining" and "mark" (as UpdateOutlook left
// them).
QJsonObject StandingsJson(const TTournament& t, const TGroup& table,
                          const std::vector<int>& columns, int scope, bool explain = false,
                          bool outlook = false);
// Every team of the table with its place now, best and worst places still possible, and its
// matches still to play: {"table", "rows": [{"place", "team", "id", "best", "worst",
// "remaining", "mark"}]}, as `kvtool outlook --format json` writes it.
QJsonObject OutlookJson(const TTournament& t, const TGroup& table);
// The tournament: its rules, its shown columns, the standings of the tables shown, the teams
// and every match.
QJsonObject TournamentJson(const TTournament& t);
// A day count as an ISO date ("2026-03-07").
QString IsoDate(double days);

} // namespace kv
