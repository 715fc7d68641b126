#pragma once

#include <QByteArray>
#include <QString>

// Builds the program's plain-text formats in memory: UTF-8, lines ended by CR LF. Values
// on one line are separated by one blank; a real carries its own sign position, so that a
// positive real after another value is preceded by two blanks.
namespace kv {

class TTextWriter {
public:
    // A whole line of text. Line breaks inside it would split the record, so they are
    // written as blanks.
    void Line(const QString& text);
    void EmptyLine() { EndLine(); }

    TTextWriter& Int(qint64 value);
    TTextWriter& Real(double value);
    TTextWriter& Bool(bool value) { return Int(value ? 1 : 0); }
    // Raw bytes appended to the current line as they are.
    TTextWriter& Raw(const char* text);
    void EndLine();

    const QByteArray& Data() const { return data_; }
    QByteArray TakeData() { return std::move(data_); }

private:
    void Separate();

    QByteArray data_;
    bool lineHasValue_ = false;
};

// " 3.00000000000000E+0000": a sign position, one digit, 14 decimals, a four-digit exponent.
void AppendFileReal(QByteArray& out, double value);
QByteArray FileRealText(double value);

} // namespace kv
