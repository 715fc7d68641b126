#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Reads delimited text into records. A field that starts with a double quote runs to its
// closing quote, across separators and line breaks (a doubled quote inside stands for one);
// a line holding nothing is a record with one empty field; a file whose first line is empty
// holds no records. A field left open runs to the end of the file.
namespace kv {

using TCsvRecords = QList<QStringList>;

TCsvRecords ReadCsvRecords(const QString& text, QChar separator);
// The file's text: UTF-8 (a byte-order mark left out), else Windows-1252.
QString DecodeCsvText(const QByteArray& bytes);
// Decodes the bytes (UTF-8, else Windows-1252) and reads them.
TCsvRecords ReadCsvRecords(const QByteArray& bytes, QChar separator);

// The number of text lines, as the import options report them.
int CsvLineCount(const QString& text);

} // namespace kv
