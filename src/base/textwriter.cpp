#include "base/textwriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kv {

void AppendFileReal(QByteArray& out, double value) {
    if (!std::isfinite(value) || value == 0) value = 0;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.14E", std::fabs(value));
    // buf holds "D.DDDDDDDDDDDDDDE+XX" (two or more exponent digits).
    const char* e = buf;
    while (*e && *e != 'E')
        ++e;
    const int exponent = std::atoi(e + 1);
    out.append(value < 0 ? '-' : ' ');
    out.append(buf, e - buf);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    out.append(tail);
}

QByteArray FileRealText(double value) {
    QByteArray out;
    AppendFileReal(out, value);
    return out;
}

void TTextWriter::Line(const QString& text) {
    QString clean = text;
    for (QChar& c : clean)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = QLatin1Char(' ');
    data_.append(clean.toUtf8());
    EndLine();
}

void TTextWriter::Separate() {
    if (lineHasValue_) data_.append(' ');
    lineHasValue_ = true;
}

TTextWriter& TTextWriter::Int(qint64 value) {
    Separate();
    data_.append(QByteArray::number(value));
    return *this;
}

TTextWriter& TTextWriter::Real(double value) {
    Separate();
    AppendFileReal(data_, value);
    return *this;
}

TTextWriter& TTextWriter::Raw(const char* text) {
    data_.append(text);
    return *this;
}

void TTextWriter::EndLine() {
    data_.append("\r\n", 2);
    lineHasValue_ = false;
}

} // namespace kv
