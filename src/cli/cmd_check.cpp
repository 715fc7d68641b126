#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "model/sport.h"
#include "standings/tournament_check.h"
#include "standings/tournament_setup.h"
#include "storage/legacy_import.h"
#include "storage/tournament_file.h"

#include <QFileInfo>

namespace kvcli {

namespace {

const char* const kCheckUsage =
    "usage: kvtool check FILE.kvd\n"
    "\n"
    "Loads a tournament file and reports its name, sport and counts, then any problem found in\n"
    "its structure. Exit status 0: sound; 2: unreadable or with problems.";

const char* const kConvertUsage =
    "usage: kvtool convert IN OUT.kvd\n"
    "\n"
    "Reads a tournament file of this program, or of either older kind (\".plg\", recognised by\n"
    "its first line), and writes it as a current tournament file. OUT is never overwritten.";

} // namespace

int CmdCheck(const QStringList& args) {
    const TArgs a(args, {});
    if (const auto done = OpenCommand(a, "check", kCheckUsage, 1, "expected one FILE"))
        return *done;
    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("check"));
    if (!t) return kExitInput;
    int played = 0;
    for (const kv::TMatch* m : t->JointTable().Matches())
        played += m->Played ? 1 : 0;
    Out(QStringLiteral("name: %1").arg(t->Name));
    Out(QStringLiteral("sport: %1").arg(kv::SportEnglishName(t->Sport)));
    Out(QStringLiteral("conferences: %1").arg(t->Conferences().size()));
    Out(QStringLiteral("groups: %1").arg(t->Groups().size()));
    Out(QStringLiteral("teams: %1").arg(t->TeamCount()));
    Out(QStringLiteral("matches: %1 (%2 played)").arg(t->MatchCount()).arg(played));
    Out(QStringLiteral("legs: %1 %2 %3")
            .arg(t->GroupLegs)
            .arg(t->ConferenceLegs)
            .arg(t->InterConferenceLegs));
    const QStringList problems = kv::TournamentProblems(*t);
    for (const QString& p : problems)
        Out(QStringLiteral("problem: %1").arg(p));
    if (problems.isEmpty()) Out(QStringLiteral("no problems found"));
    return problems.isEmpty() ? kExitOk : kExitInput;
}

int CmdConvert(const QStringList& args) {
    const TArgs a(args, {});
    if (const auto done = OpenCommand(a, "convert", kConvertUsage, 2, "expected IN and OUT"))
        return *done;
    const QString in = a.Positional().at(0);
    const QString out = QFileInfo(a.Positional().at(1)).absoluteFilePath();
    if (!QFileInfo::exists(in)) {
        Fail("convert", QStringLiteral("file not found: %1").arg(in));
        return kExitInput;
    }
    if (QFileInfo::exists(out)) {
        Fail("convert", QStringLiteral("%1 exists; it is never overwritten").arg(out));
        return kExitInput;
    }
    kv::TLegacyInfo legacy;
    QString ignored;
    std::unique_ptr<kv::TTournament> t;
    if (kv::ReadLegacyInfo(in, legacy, ignored)) {
        t = std::make_unique<kv::TTournament>(kv::TTournamentDefaults::FromSettings());
        const kv::TIoResult r =
            kv::ImportLegacyTournament(*t, in, legacy.Kind, legacy.Name, legacy.Sport);
        if (!r) {
            Fail("convert", r.Line > 0
                                ? QStringLiteral("%1 (%2, line %3)").arg(r.Message, in).arg(r.Line)
                                : r.Message);
            return kExitInput;
        }
        kv::RecomputeAll(*t);
    } else {
        t = LoadOrReport(in, QStringLiteral("convert"));
        if (!t) return kExitInput;
    }
    const double savedAt = t->SavedAt;
    const kv::TIoResult saved = kv::SaveTournament(*t, out, false);
    t->SavedAt = savedAt;
    if (!saved) {
        Fail("convert", QStringLiteral("cannot write %1: %2").arg(out, saved.Message));
        return kExitInput;
    }
    Out(QStringLiteral("wrote %1").arg(out));
    return kExitOk;
}

} // namespace kvcli
