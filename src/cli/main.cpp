#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/language.h"
#include "base/program_args.h"
#include "base/version.h"

#include <QGuiApplication>
#include <QLocale>

namespace {

const char* const kUsage =
    "usage: kvtool COMMAND [ARGUMENTS] (kvtool COMMAND --help for each command)\n"
    "       kvtool --help | --version\n"
    "\n"
    "  new         create a tournament file\n"
    "  import-csv  add fixtures and results from a delimited text file\n"
    "  standings   print the ranked tables\n"
    "  outlook     print the best and worst places each team can still reach\n"
    "  fixtures    print the fixture list\n"
    "  stats       print a statistic (and its chart) as the statistics page shows it\n"
    "  export      write tables as HTML, CSV or pictures, or fixtures as a workbook\n"
    "  check       load a tournament file and report problems\n"
    "  convert     turn a tournament file of any kind into a current one\n"
    "  generate    draw up the fixtures still missing\n"
    "  publish     write the tournament as a small web site\n"
    "  tie-order   record the order of teams the ranking criteria leave level\n"
    "  score       check and parse a typed score of a sport\n"
    "\n"
    "  -h, --help     print this help and end\n"
    "  -V, --version  print the version and end\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 a file or input the command cannot take.\n"
    "Errors go to standard error, after \"kvtool: \" or \"kvtool COMMAND: \".\n";

} // namespace

int main(int argc, char** argv) {
    // Pictures need fonts, never a window system: whatever display the session names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    kvcli::EnsureRuntimeDir();
    kv::TToolkitArgs toolkit(argv[0]);
    QGuiApplication app(toolkit.Count(), toolkit.Values());
    // Scripts read the output: numbers and dates are written the same everywhere.
    QLocale::setDefault(QLocale::c());
    kv::InitLanguage();
    QStringList args = kv::ProgramArguments(argc, argv);
    if (args.isEmpty()) { // a mistake: the usage goes where errors go
        kvcli::Err(QString::fromUtf8(kUsage).trimmed());
        return kvcli::kExitUsage;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        kvcli::Out(QString::fromUtf8(kUsage).trimmed());
        return kvcli::kExitOk;
    }
    if (args.first() == QLatin1String("--version") || args.first() == QLatin1String("-V")) {
        kvcli::Out(kv::VersionLine(QStringLiteral("kvtool")));
        return kvcli::kExitOk;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("score")) return kvcli::CmdScore(args);
    if (command == QLatin1String("new")) return kvcli::CmdNew(args);
    if (command == QLatin1String("import-csv")) return kvcli::CmdImportCsv(args);
    if (command == QLatin1String("standings")) return kvcli::CmdStandings(args);
    if (command == QLatin1String("outlook")) return kvcli::CmdOutlook(args);
    if (command == QLatin1String("fixtures")) return kvcli::CmdFixtures(args);
    if (command == QLatin1String("stats")) return kvcli::CmdStats(args);
    if (command == QLatin1String("export")) return kvcli::CmdExport(args);
    if (command == QLatin1String("check")) return kvcli::CmdCheck(args);
    if (command == QLatin1String("convert")) return kvcli::CmdConvert(args);
    if (command == QLatin1String("generate")) return kvcli::CmdGenerate(args);
    if (command == QLatin1String("publish")) return kvcli::CmdPublish(args);
    if (command == QLatin1String("tie-order")) return kvcli::CmdTieOrder(args);
    kvcli::Fail("", QStringLiteral("unknown command '%1'").arg(command));
    kvcli::Err(QString::fromUtf8(kUsage).trimmed());
    return kvcli::kExitUsage;
}
