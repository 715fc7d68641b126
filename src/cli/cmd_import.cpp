#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/fileio.h"
#include "base/language.h"
#include "base/textformat.h"
#include "export/csv_import.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <QHash>

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool import-csv FILE.kvd DATA.csv --columns KIND,KIND,... [--separator C]\n"
    "                        [--skip-header] [--date-format FORMAT] [--add-stadiums]\n"
    "                        [--add-referees] [--dry-run]\n"
    "\n"
    "Adds the fixtures and results of a delimited text file to a tournament, row by row, as\n"
    "the program's import does. KIND is one of no, leg, matchday, date, time, home, visitor,\n"
    "score, gf, ga, stadium, attendance, referee, comments, decided (normal time, OT, AET,\n"
    "SO, PSO, ...), forfeit (home or visitor: who forfeited), or - to ignore a column.\n"
    "Prints each failed row with its number and reason, then \"N added, M failed\", and saves\n"
    "the tournament unless --dry-run is given. Rows already in the tournament fail again on a\n"
    "second run and change nothing.\n"
    "  --separator    the field separator (default ','; 'tab' for a tab)\n"
    "  --date-format  a Qt date format such as dd/MM/yyyy (default: the usual forms)";

} // namespace

int CmdImportCsv(const QStringList& args) {
    const TArgs a(args, {{"columns", true, false},
                         {"separator", true, false},
                         {"skip-header", false, false},
                         {"date-format", true, false},
                         {"add-stadiums", false, false},
                         {"add-referees", false, false},
                         {"dry-run", false, false}});
    if (const auto done = OpenCommand(a, "import-csv", kUsage, 2, "expected FILE.kvd and DATA.csv"))
        return *done;
    if (!a.Has("columns"))
        return UsageError("import-csv", QStringLiteral("--columns is required"), kUsage);
    kv::TImportOptions options;
    QChar separator;
    QString error;
    if (!ParseImportKinds(a.Value("columns"), options.Kinds, error) ||
        !ParseSeparator(a.Value("separator", QStringLiteral(",")), separator, error))
        return UsageError("import-csv", error, kUsage);
    options.DateFormat = a.Value("date-format");
    options.AddStadiums = a.Has("add-stadiums");
    options.AddReferees = a.Has("add-referees");
    if (options.AddStadiums && std::find(options.Kinds.begin(), options.Kinds.end(),
                                         kv::ImportStadium) == options.Kinds.end())
        return UsageError("import-csv", QStringLiteral("--add-stadiums needs a stadium column"),
                          kUsage);
    if (options.AddReferees && std::find(options.Kinds.begin(), options.Kinds.end(),
                                         kv::ImportReferee) == options.Kinds.end())
        return UsageError("import-csv", QStringLiteral("--add-referees needs a referee column"),
                          kUsage);

    auto t = LoadOrReport(a.Positional().at(0), QStringLiteral("import-csv"));
    if (!t) return kExitInput;
    QByteArray bytes;
    const kv::TIoResult read = kv::ReadFileBytes(a.Positional().at(1), bytes);
    if (!read) {
        Fail("import-csv",
             QStringLiteral("cannot read %1: %2").arg(a.Positional().at(1), read.Message));
        return kExitInput;
    }
    std::vector<kv::TImportRow> rows = kv::RowsFromRecords(kv::ReadCsvRecords(bytes, separator));
    const int firstRow = a.Has("skip-header") ? 1 : 0;
    if (firstRow && !rows.empty()) rows.erase(rows.begin());
    const QString problem = kv::CheckImportColumns(rows, options.Kinds);
    if (!problem.isEmpty()) {
        Fail("import-csv", problem);
        return kExitInput;
    }
    const kv::TImportCounts counts = kv::ImportRows(*t, rows, options);
    ReportImport(rows, counts, firstRow);
    if (!a.Has("dry-run") && counts.Added > 0) {
        kv::RecomputeAll(*t);
        const kv::TIoResult saved = kv::SaveTournament(*t);
        if (!saved) {
            Fail("import-csv",
                 QStringLiteral("cannot save %1: %2").arg(t->FileName, saved.Message));
            return kExitInput;
        }
    }
    return kExitOk;
}

} // namespace kvcli
