#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads the program's plain-text formats: lines ended by CR LF (a lone LF ends a line too),
// numbers separated by blanks or line breaks. Every read reports failure instead of throwing,
// and a failed read leaves the position where it was.
namespace kv {

class TTextReader {
public:
    explicit TTextReader(QByteArray data);

    bool AtEnd() const { return pos_ >= size_; }

    // The rest of the current line, without its line end. False at the end of the data.
    bool ReadLineBytes(QByteArrayView& line);
    // The same, decoded as UTF-8, or Windows-1252 when it is not valid UTF-8.
    bool ReadLine(QString& line);
    // Skips to the start of the next line (nothing happens at the end of the data).
    void SkipLine();

    // Numbers skip blanks and line breaks before them.
    bool ReadInt(int& value);
    bool ReadReal(double& value);
    // A boolean is true exactly when its number is 1.
    bool ReadBool(bool& value);
    // Reads `count` numbers that all stand on the current line (the common layout of records);
    // false, with the position unchanged, when the line holds fewer or one is not a number.
    bool ReadNumbersOnLine(double* values, int count);
    // True when the current line holds another value (only blanks are skipped).
    bool MoreOnLine();
    // True when nothing but blanks and line breaks is left.
    bool OnlyBlanksLeft() const;

    // 1-based number of the line the reader is in.
    int LineNumber() const;
    qsizetype Position() const { return pos_; }
    qsizetype Size() const { return size_; }

private:
    bool NextToken(QByteArrayView& token);

    QByteArray data_;
    const char* p_ = nullptr;
    qsizetype size_ = 0;
    qsizetype pos_ = 0;
};

// Number parsing shared by the readers.
bool ParseIntToken(QByteArrayView token, int& value);
bool ParseRealToken(QByteArrayView token, double& value);

} // namespace kv
