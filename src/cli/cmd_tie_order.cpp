#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/language.h"
#include "base/textformat.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool tie-order FILE.kvd --table TABLE \"Team A;Team B;...\"\n"
    "\n"
    "Records the order of teams that every ranking criterion leaves level (a drawing of lots,\n"
    "fair-play points) for one table. It decides only while those teams are still level; a\n"
    "result that separates them overrides it. An empty list clears the record.\n"
    "  --table  the table by name, or joint, group:ID, conference:ID";

} // namespace

int CmdTieOrder(const QStringList& args) {
    const TArgs a(args, {{"table", true, false}});
    if (const auto done =
            OpenCommand(a, "tie-order", kUsage, 2, "expected FILE and a list of teams"))
        return *done;
    if (!a.Has("table"))
        return UsageError("tie-order", QStringLiteral("--table is required"), kUsage);
    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("tie-order"));
    if (!t) return kExitInput;
    QString error;
    kv::TGroup* table = FindOneTable(*t, a.Value("table").trimmed(), error);
    if (!table) return UsageError("tie-order", error, kUsage);
    std::vector<int> order;
    for (const QString& item : a.Positional().at(1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = item.trimmed();
        if (name.isEmpty()) continue;
        const kv::TTeam* team = table->TeamByName(name);
        if (!team) {
            Fail("tie-order", kv::Fmt(kv::LangText(11553, "Unknown team: %s"), name));
            return kExitInput;
        }
        if (std::find(order.begin(), order.end(), team->Id) != order.end())
            return UsageError("tie-order", QStringLiteral("'%1' is named twice").arg(name), kUsage);
        order.push_back(team->Id);
    }
    table->TieOrder = std::move(order);
    kv::RecomputeAll(*t);
    const kv::TIoResult saved = kv::SaveTournament(*t);
    if (!saved) {
        Fail("tie-order", QStringLiteral("cannot save %1: %2").arg(t->FileName, saved.Message));
        return kExitInput;
    }
    Out(QStringLiteral("%1: %2 teams in the recorded order")
            .arg(table->Name)
            .arg(table->TieOrder.size()));
    return kExitOk;
}

} // namespace kvcli
