#include "export/xlsx_export.h"

#include "base/textformat.h"
#include "export/fixture_rows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kv {

namespace {

constexpr qsizetype kMaxCellCharacters = 32767; // what a spreadsheet cell holds

QString NoAccess(const QString& fileName) {
    return Fmt(QStringLiteral("Нет доступа к файлу \"%s\""), fileName);
}

// The locale's short date form in the spreadsheet's terms (months are "m", literal text is
// quoted with double quotes), with the year in four digits.
QByteArray SpreadsheetDateFormat() {
    QString qt = QLocale().dateFormat(QLocale::ShortFormat);
    if (!qt.contains(QLatin1String("yyyy"))) qt.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString out;
    for (const QChar ch : qt) {
        if (ch == QLatin1Char('M'))
            out += QLatin1Char('m');
        else if (ch == QLatin1Char('\''))
            out += QLatin1Char('"');
        else
            out += ch;
    }
    return out.toUtf8();
}

// One grid on one sheet: captions in row 1, numbers and dates as such, scores as text.
void FillSheet(lxw_worksheet* sheet, const TGridData& grid, lxw_format* text, lxw_format* date,
               const std::function<void(int)>& rowDone) {
    std::vector<int> widths(static_cast<size_t>(grid.ColumnCount()), 0);
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        const bool score = c < grid.ColumnIds.size() && grid.ColumnIds.at(c) == FixScore;
        if (score)
            worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 LXW_DEF_COL_WIDTH, text);
        const QByteArray caption = grid.Captions.at(c).toUtf8();
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), caption.constData(), nullptr);
        widths[static_cast<size_t>(c)] = static_cast<int>(grid.Captions.at(c).size());
    }
    const auto rows = static_cast<int>(grid.Rows.size());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            const QString cell = grid.Cell(r, c);
            if (cell.isEmpty()) continue;
            const bool score = c < grid.ColumnIds.size() && grid.ColumnIds.at(c) == FixScore;
            const auto row = static_cast<lxw_row_t>(r + 1);
            const auto col = static_cast<lxw_col_t>(c);
            // Numbers and dates go in as such, so the sheet sorts and sums them; the rest as text.
            if (const double value = grid.Value(r, c); !score && std::isfinite(value)) {
                worksheet_write_number(sheet, row, col, value,
                                       grid.IsDateColumn(c) ? date : nullptr);
            } else {
                // A cell holds at most 32,767 characters; a longer comment is cut there.
                const QByteArray bytes = cell.left(kMaxCellCharacters).toUtf8();
                worksheet_write_string(sheet, row, col, bytes.constData(), score ? text : nullptr);
            }
            widths[static_cast<size_t>(c)] =
                std::max(widths[static_cast<size_t>(c)], static_cast<int>(cell.size()));
        }
        if (rowDone) rowDone(r);
    }
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        const bool score = c < grid.ColumnIds.size() && grid.ColumnIds.at(c) == FixScore;
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             std::min(widths[static_cast<size_t>(c)] + 2, 100),
                             score ? text : nullptr);
    }
}

} // namespace

TIoResult ExportGridToXlsx(const QString& fileName, const TGridData& grid,
                           const std::function<void(int)>& progress) {
    return ExportSheetsToXlsx(fileName, {{QString(), grid}}, progress);
}

TIoResult ExportSheetsToXlsx(const QString& fileName, const std::vector<TXlsxSheet>& sheets,
                             const std::function<void(int)>& progress) {
    const QFileInfo target(fileName);
    if (target.exists() && !target.isWritable()) return TIoResult::Failure(NoAccess(fileName));
    // The workbook is written beside the target and then takes its place.
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.kvxlsx-XXXXXX"));
    if (!temp.open()) return TIoResult::Failure(NoAccess(fileName));
    const QString tempPath = temp.fileName();
    temp.close();
    const QByteArray tempName = QFile::encodeName(tempPath);
    lxw_workbook* book = workbook_new(tempName.constData());
    if (!book) return TIoResult::Failure(NoAccess(fileName));
    lxw_format* text = workbook_add_format(book);
    format_set_num_format(text, "@");
    lxw_format* date = workbook_add_format(book);
    const QByteArray dateFormat = SpreadsheetDateFormat();
    format_set_num_format(date, dateFormat.constData());
    int total = 0;
    for (const TXlsxSheet& s : sheets)
        total += static_cast<int>(s.Grid.Rows.size());
    int done = 0;
    for (const TXlsxSheet& s : sheets) {
        const QByteArray name = s.Name.toUtf8();
        lxw_worksheet* sheet =
            workbook_add_worksheet(book, s.Name.isEmpty() ? nullptr : name.constData());
        if (!sheet) {
            workbook_close(book);
            QFile::remove(tempPath);
            return TIoResult::Failure(NoAccess(fileName));
        }
        FillSheet(sheet, s.Grid, text, date, [&](int) {
            ++done;
            if (progress) progress(done * 100 / std::max(1, total));
        });
    }
    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) {
        QFile::remove(tempPath);
        return TIoResult::Failure(QString::fromUtf8(lxw_strerror(error)));
    }
    const QByteArray to = QFile::encodeName(target.absoluteFilePath());
    if (std::rename(tempName.constData(), to.constData()) != 0) {
        QFile::remove(tempPath);
        return TIoResult::Failure(NoAccess(fileName));
    }
    QFile::setPermissions(target.absoluteFilePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return TIoResult::Success();
}

} // namespace kv
