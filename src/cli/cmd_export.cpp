#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "base/language.h"
#include "base/preferences.h"
#include "export/csv_export.h"
#include "export/fixture_rows.h"
#include "export/html_export.h"
#include "export/picture_export.h"
#include "export/table_grid.h"
#include "export/xlsx_export.h"
#include "standings/tournament_setup.h"

#include <QFileInfo>

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool export FILE.kvd (--html|--csv|--xlsx|--png|--jpeg|--bmp|--gif|--svg|--pdf) OUT\n"
    "                     [--table joint|group:ID|conference:ID|all] [--bmp-bits N]\n"
    "\n"
    "Writes the standings tables as HTML, delimited text or an .xlsx workbook (the tables the\n"
    "tournament shows, or the one --table names; in a workbook each table on its own sheet and\n"
    "the fixture list on the last), or one table as a picture (the first of the chosen tables).\n"
    "HTML and CSV use the export settings of the program.";

struct TFormat {
    const char* Option;
    int Kind; // 0 html, 1 csv, 2 xlsx, 3 picture
    kv::TPictureFormat Picture;
};

constexpr TFormat kFormats[] = {
    {"html", 0, kv::TPictureFormat::Png},  {"csv", 1, kv::TPictureFormat::Png},
    {"xlsx", 2, kv::TPictureFormat::Png},  {"png", 3, kv::TPictureFormat::Png},
    {"jpeg", 3, kv::TPictureFormat::Jpeg}, {"bmp", 3, kv::TPictureFormat::Bmp},
    {"gif", 3, kv::TPictureFormat::Gif},   {"svg", 3, kv::TPictureFormat::Svg},
    {"pdf", 3, kv::TPictureFormat::Pdf},
};

} // namespace

int CmdExport(const QStringList& args) {
    const TArgs a(args, {{"html", false, false},
                         {"csv", false, false},
                         {"xlsx", false, false},
                         {"png", false, false},
                         {"jpeg", false, false},
                         {"bmp", false, false},
                         {"gif", false, false},
                         {"svg", false, false},
                         {"pdf", false, false},
                         {"table", true, false},
                         {"bmp-bits", true, false}});
    if (const auto done = OpenCommand(a, "export", kUsage)) return *done;
    const TFormat* format = nullptr;
    for (const TFormat& f : kFormats) {
        if (!a.Has(f.Option)) continue;
        if (format) return UsageError("export", QStringLiteral("give one format only"), kUsage);
        format = &f;
    }
    if (!format)
        return UsageError(
            "export", QStringLiteral("give a format (--html, --csv, --xlsx, --png, ...)"), kUsage);
    if (a.Positional().size() != 2)
        return UsageError("export", QStringLiteral("expected FILE.kvd and OUT"), kUsage);
    int bits = 24;
    if (a.Has("bmp-bits")) {
        bool ok = false;
        bits = a.Value("bmp-bits").toInt(&ok);
        if (!ok || (bits != 1 && bits != 4 && bits != 8 && bits != 15 && bits != 16 && bits != 24 &&
                    bits != 32))
            return UsageError("export", QStringLiteral("--bmp-bits is 1, 4, 8, 15, 16, 24 or 32"),
                              kUsage);
    }
    auto t = LoadOrReport(a.Positional().at(0), QStringLiteral("export"));
    if (!t) return kExitInput;
    UpdateOutlookWithin(*t, std::chrono::seconds(20));
    std::vector<const kv::TGroup*> tables;
    QString error;
    if (!SelectTables(*t, a.Value("table"), tables, error))
        return UsageError("export", error, kUsage);
    const QString out = QFileInfo(a.Positional().at(1)).absoluteFilePath();
    kv::TIoResult result;
    if (format->Kind <= 2) {
        // The documents list tables by id in the view's table mode; a chosen table sets the mode.
        std::vector<int> ids;
        if (a.Has("table") && tables.size() == 1) {
            const kv::TGroup* g = tables.front();
            t->View.TableMode = g->Kind == kv::KindJoint        ? kv::TableModeJoint
                                : g->Kind == kv::KindConference ? kv::TableModeConferences
                                                                : kv::TableModeGroups;
        }
        for (const kv::TGroup* g : tables)
            ids.push_back(g->Id);
        if (format->Kind == 2) {
            // The tables each on a sheet, and the fixture list on the last one.
            QStringList taken;
            std::vector<kv::TXlsxSheet> sheets = kv::TableSheets(*t, ids, taken);
            sheets.push_back(
                {kv::SheetName(kv::LangText(550, "Fixtures"), taken), kv::FixtureGrid(*t)});
            result = kv::ExportSheetsToXlsx(out, sheets);
        } else if (format->Kind == 0) {
            result =
                kv::WriteTablesHtml(*t, out, kv::HtmlCharset(kv::PrefString("HTML", "Encoding")),
                                    ids, kv::PrefString("HTML", "TableAttr"));
        } else {
            const QString sep = kv::PrefString("CSVExport", "Separator");
            result = kv::WriteTablesCsv(*t, out, sep.isEmpty() ? QLatin1Char(',') : sep.at(0), ids,
                                        kv::CsvQuoteFor(kv::PrefInteger("CSVExport", "Quotes")));
        }
    } else {
        if (tables.empty())
            return UsageError("export", QStringLiteral("the tournament has no table to draw"),
                              kUsage);
        kv::PrepareTable(*t, *tables.front());
        result = kv::SaveTablePicture(*t, *tables.front(), out, format->Picture, bits);
    }
    if (!result) {
        Fail("export", QStringLiteral("cannot write %1: %2").arg(out, result.Message));
        return kExitInput;
    }
    Out(QStringLiteral("wrote %1").arg(out));
    return kExitOk;
}

} // namespace kvcli
