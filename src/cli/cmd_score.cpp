#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "model/match.h"
#include "model/sport.h"

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool score SPORT TEXT [--visitor-first] [--overtime] [--shootouts]\n"
    "\n"
    "Checks a typed score as the program does and prints how it is stored:\n"
    "the short score, the full score with its periods and each side's outcome.\n"
    "SPORT is one of: soccer, futsal, hockey, bandy, basketball, volleyball,\n"
    "handball, \"water polo\", tennis, chess, \"us football\", baseball, other.\n"
    "\n"
    "  --visitor-first  the first number of each pair is the visiting side's\n"
    "  --overtime       the tournament allows overtime (expanded time)\n"
    "  --shootouts      the tournament allows shoot-outs\n"
    "\n"
    "Exit status: 0 accepted, 1 usage error, 2 score refused (the reason on stderr).";

QString OutcomeName(int outcome) {
    switch (outcome) {
    case kv::OutcomeWin:
        return QStringLiteral("win");
    case kv::OutcomeDraw:
        return QStringLiteral("draw");
    case kv::OutcomeLoss:
        return QStringLiteral("loss");
    case kv::OutcomeWinOT:
        return QStringLiteral("win in overtime");
    case kv::OutcomeDrawOT:
        return QStringLiteral("draw in overtime");
    case kv::OutcomeLossOT:
        return QStringLiteral("loss in overtime");
    case kv::OutcomeWinSO:
        return QStringLiteral("win in a shoot-out");
    default:
        return QStringLiteral("loss in a shoot-out");
    }
}

} // namespace

int CmdScore(const QStringList& args) {
    const TArgs a(
        args,
        {{"visitor-first", false, false}, {"overtime", false, false}, {"shootouts", false, false}});
    if (const auto done = OpenCommand(a, "score", kUsage, 2, "expected SPORT and TEXT"))
        return *done;
    const int sport = kv::SportFromName(a.Positional().at(0));
    if (sport < 0) {
        Fail("score", QStringLiteral("unknown sport '%1'").arg(a.Positional().at(0)));
        return kExitUsage;
    }
    const QString text = a.Positional().at(1);
    const bool visitorFirst = a.Has("visitor-first");
    const auto check = kv::ValidateScoreText(sport, text, a.Has("overtime"), a.Has("shootouts"));
    if (!check.Ok) {
        Fail("score", check.Message);
        return kExitInput;
    }
    auto match = kv::CreateMatch(sport, 1, 1, 2, 1);
    const auto stored = match->SetScoreText(text, visitorFirst);
    if (!stored.Ok) {
        Fail("score", stored.Message);
        return kExitInput;
    }
    if (!match->Played) {
        Out(QStringLiteral("no score: the match is not played"));
        return kExitOk;
    }
    const bool hostFirst = !visitorFirst;
    Out(QStringLiteral("score: ") + match->GetScoreText(hostFirst, true));
    Out(QStringLiteral("full: ") + match->GetFullScoreText(hostFirst, true));
    Out(QStringLiteral("home: %1 (%2)")
            .arg(match->GetPeriodScoreText(true, false, 0), OutcomeName(match->GetOutcome(true))));
    Out(QStringLiteral("visitor: %1 (%2)")
            .arg(match->GetPeriodScoreText(false, false, 0),
                 OutcomeName(match->GetOutcome(false))));
    return kExitOk;
}

} // namespace kvcli
