#include "args.h"
#include "commands.h"

#include "base/language.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

const char* const kUsage =
    "usage: kvtool COMMAND [ARGUMENTS] (kvtool COMMAND --help for each command)\n"
    "\n"
    "  new         create a tournament file\n"
    "  import-csv  add fixtures and results from a delimited text file\n"
    "  standings   print the ranked tables\n"
    "  score       check and parse a typed score of a sport\n";

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Scripts read the output: numbers and dates are written the same everywhere.
    QLocale::setDefault(QLocale::c());
    kv::InitLanguage();
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        kvcli::Out(QString::fromUtf8(kUsage).trimmed());
        return args.isEmpty() ? kvcli::kExitUsage : kvcli::kExitOk;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("score"))
        return kvcli::CmdScore(args);
    if (command == QLatin1String("new"))
        return kvcli::CmdNew(args);
    if (command == QLatin1String("import-csv"))
        return kvcli::CmdImportCsv(args);
    if (command == QLatin1String("standings"))
        return kvcli::CmdStandings(args);
    kvcli::Err(QStringLiteral("kvtool: unknown command '%1'").arg(command));
    kvcli::Err(QString::fromUtf8(kUsage).trimmed());
    return kvcli::kExitUsage;
}
