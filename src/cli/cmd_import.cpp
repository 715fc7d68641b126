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

const QHash<QString, int>& KindNames() {
    static const QHash<QString, int> names = {
        {QStringLiteral("-"), kv::ImportNone},
        {QStringLiteral("no"), kv::ImportNumber},
        {QStringLiteral("leg"), kv::ImportLeg},
        {QStringLiteral("matchday"), kv::ImportMatchday},
        {QStringLiteral("date"), kv::ImportDate},
        {QStringLiteral("time"), kv::ImportTime},
        {QStringLiteral("home"), kv::ImportHome},
        {QStringLiteral("visitor"), kv::ImportVisitor},
        {QStringLiteral("score"), kv::ImportScore},
        {QStringLiteral("gf"), kv::ImportGoalsFor},
        {QStringLiteral("ga"), kv::ImportGoalsAgainst},
        {QStringLiteral("stadium"), kv::ImportStadium},
        {QStringLiteral("attendance"), kv::ImportAttendance},
        {QStringLiteral("referee"), kv::ImportReferee},
        {QStringLiteral("comments"), kv::ImportComments},
        {QStringLiteral("decided"), kv::ImportDecided},
        {QStringLiteral("forfeit"), kv::ImportForfeit},
    };
    return names;
}

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
    for (const QString& name : a.Value("columns").split(QLatin1Char(','))) {
        const auto it = KindNames().constFind(name.trimmed().toLower());
        if (it == KindNames().constEnd())
            return UsageError("import-csv", QStringLiteral("unknown column kind '%1'").arg(name),
                              kUsage);
        options.Kinds.push_back(it.value());
    }
    QString separator = a.Value("separator", QStringLiteral(","));
    if (separator.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0 ||
        separator == QLatin1String("\\t"))
        separator = QStringLiteral("\t");
    if (separator.size() != 1)
        return UsageError("import-csv", QStringLiteral("the separator must be one character"),
                          kUsage);
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
    std::vector<kv::TImportRow> rows =
        kv::RowsFromRecords(kv::ReadCsvRecords(bytes, separator.at(0)));
    const int firstRow = a.Has("skip-header") ? 1 : 0;
    if (firstRow && !rows.empty()) rows.erase(rows.begin());
    const QString problem = kv::CheckImportColumns(rows, options.Kinds);
    if (!problem.isEmpty()) {
        Fail("import-csv", problem);
        return kExitInput;
    }
    const kv::TImportCounts counts = kv::ImportRows(*t, rows, options);
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Status == kv::TRowStatus::Failed)
            Out(QStringLiteral("row %1: %2")
                    .arg(static_cast<int>(i) + 1 + firstRow)
                    .arg(rows[i].Message));
    Out(QStringLiteral("%1 added, %2 failed").arg(counts.Added).arg(counts.Failed));
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
