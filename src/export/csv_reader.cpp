#include "export/csv_reader.h"

#include "base/codepages.h"

namespace kv {

TCsvRecords ReadCsvRecords(const QString& text, QChar separator) {
    TCsvRecords records;
    const qsizetype n = text.size();
    if (n == 0 || text.at(0) == QLatin1Char('\n') || text.startsWith(QLatin1String("\r\n")))
        return records;
    const QChar quote = QLatin1Char('"');
    QStringList record;
    QString field;
    qsizetype i = 0;
    bool fieldStarted = false; // a record has begun on this line
    while (i < n) {
        const QChar c = text.at(i);
        if (c == quote && field.isEmpty()) {
            // Quoted field: up to the closing quote; a doubled quote stands for one.
            ++i;
            while (i < n) {
                const QChar q = text.at(i);
                if (q == quote) {
                    if (i + 1 < n && text.at(i + 1) == quote) {
                        field += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (q == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) {
                    field += QLatin1String("\r\n");
                    i += 2;
                    continue;
                }
                if (q == QLatin1Char('\n')) {
                    field += QLatin1String("\r\n");
                    ++i;
                    continue;
                }
                field += q;
                ++i;
            }
            fieldStarted = true;
            continue;
        }
        if (c == separator) {
            record << field;
            field.clear();
            fieldStarted = true;
            ++i;
            continue;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            record << field;
            records << record;
            record.clear();
            field.clear();
            fieldStarted = false;
            i += (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ? 2
                                                                                              : 1;
            continue;
        }
        field += c;
        fieldStarted = true;
        ++i;
    }
    if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
        record << field;
        records << record;
    }
    return records;
}

QString DecodeCsvText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
    return DecodeText(view);
}

TCsvRecords ReadCsvRecords(const QByteArray& bytes, QChar separator) {
    return ReadCsvRecords(DecodeCsvText(bytes), separator);
}

int CsvLineCount(const QString& text) {
    if (text.isEmpty()) return 0;
    int lines = static_cast<int>(text.count(QLatin1Char('\n')));
    if (!text.endsWith(QLatin1Char('\n'))) ++lines;
    return lines;
}

} // namespace kv
