#include "base/textreader.h"

#include "base/codepages.h"

#include <charconv>
#include <cstring>
#include <cmath>
#include <limits>

namespace kv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

constexpr double kPowersOf10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Exact conversion of short decimal mantissas with small exponents (the form the program
// writes, " 3.00000000000000E+0000"); anything else is left to the general parser.
bool FastReal(const char* s, const char* end, double& value) {
    bool negative = false;
    if (s < end && (*s == '-' || *s == '+')) {
        negative = *s == '-';
        ++s;
    }
    unsigned long long mantissa = 0;
    int digits = 0;
    int scale = 0;
    bool any = false;
    while (s < end && *s >= '0' && *s <= '9') {
        if (digits < 19) {
            mantissa = mantissa * 10 + static_cast<unsigned>(*s - '0');
            if (mantissa)
                ++digits;
        } else {
            return false;
        }
        any = true;
        ++s;
    }
    if (s < end && *s == '.') {
        ++s;
        while (s < end && *s >= '0' && *s <= '9') {
            if (digits >= 19)
                return false;
            mantissa = mantissa * 10 + static_cast<unsigned>(*s - '0');
            if (mantissa)
                ++digits;
            --scale;
            any = true;
            ++s;
        }
    }
    if (!any)
        return false;
    if (s < end && (*s == 'E' || *s == 'e')) {
        ++s;
        bool expNegative = false;
        if (s < end && (*s == '-' || *s == '+')) {
            expNegative = *s == '-';
            ++s;
        }
        if (s == end)
            return false;
        int exponent = 0;
        while (s < end && *s >= '0' && *s <= '9') {
            if (exponent > 100000)
                return false;
            exponent = exponent * 10 + (*s - '0');
            ++s;
        }
        scale += expNegative ? -exponent : exponent;
    }
    if (s != end)
        return false;
    if (mantissa > (1ULL << 53))
        return false;
    double v = static_cast<double>(mantissa);
    if (mantissa == 0) {
        v = 0;
    } else if (scale >= 0 && scale <= 22) {
        v *= kPowersOf10[scale];
    } else if (scale < 0 && scale >= -22) {
        v /= kPowersOf10[-scale];
    } else {
        return false;
    }
    value = negative ? -v : v;
    return std::isfinite(value);
}

} // namespace

bool ParseIntToken(QByteArrayView token, int& value) {
    const char* s = token.data();
    const char* end = s + token.size();
    if (s < end && *s == '+')
        ++s;
    int v = 0;
    const auto r = std::from_chars(s, end, v);
    if (r.ec == std::errc() && r.ptr == end && s != end) {
        value = v;
        return true;
    }
    // A real with a whole value is accepted where an integer is expected.
    double d = 0;
    if (ParseRealToken(token, d) && d == std::trunc(d) &&
        d >= std::numeric_limits<int>::min() && d <= std::numeric_limits<int>::max()) {
        value = static_cast<int>(d);
        return true;
    }
    return false;
}

bool ParseRealToken(QByteArrayView token, double& value) {
    const char* s = token.data();
    const char* end = s + token.size();
    if (s == end)
        return false;
    if (FastReal(s, end, value))
        return true;
    if (*s == '+')
        ++s;
    double v = 0;
    const auto r = std::from_chars(s, end, v);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

TTextReader::TTextReader(QByteArray data)
    : data_(std::move(data)), p_(data_.constData()), size_(data_.size()) {}

bool TTextReader::ReadLineBytes(QByteArrayView& line) {
    if (pos_ >= size_)
        return false;
    const char* start = p_ + pos_;
    const auto* nl = static_cast<const char*>(std::memchr(start, '\n', static_cast<size_t>(size_ - pos_)));
    qsizetype len = nl ? nl - start : size_ - pos_;
    pos_ += nl ? len + 1 : len;
    if (len > 0 && start[len - 1] == '\r' && nl)
        --len;
    line = QByteArrayView(start, len);
    return true;
}

bool TTextReader::ReadLine(QString& line) {
    QByteArrayView bytes;
    if (!ReadLineBytes(bytes))
        return false;
    line = DecodeText(bytes);
    return true;
}

void TTextReader::SkipLine() {
    QByteArrayView ignored;
    ReadLineBytes(ignored);
}

bool TTextReader::NextToken(QByteArrayView& token) {
    qsizetype i = pos_;
    while (i < size_ && IsBlank(p_[i]))
        ++i;
    if (i >= size_)
        return false;
    qsizetype j = i;
    while (j < size_ && !IsBlank(p_[j]))
        ++j;
    token = QByteArrayView(p_ + i, j - i);
    pos_ = j;
    return true;
}

bool TTextReader::ReadInt(int& value) {
    const qsizetype saved = pos_;
    QByteArrayView token;
    if (NextToken(token) && ParseIntToken(token, value))
        return true;
    pos_ = saved;
    return false;
}

bool TTextReader::ReadReal(double& value) {
    const qsizetype saved = pos_;
    QByteArrayView token;
    if (NextToken(token) && ParseRealToken(token, value))
        return true;
    pos_ = saved;
    return false;
}

bool TTextReader::ReadBool(bool& value) {
    double v = 0;
    if (!ReadReal(v))
        return false;
    value = v == 1.0;
    return true;
}

bool TTextReader::MoreOnLine() {
    qsizetype i = pos_;
    while (i < size_ && (p_[i] == ' ' || p_[i] == '\t'))
        ++i;
    return i < size_ && p_[i] != '\r' && p_[i] != '\n';
}

bool TTextReader::OnlyBlanksLeft() const {
    for (qsizetype i = pos_; i < size_; ++i)
        if (!IsBlank(p_[i]))
            return false;
    return true;
}

int TTextReader::LineNumber() const {
    int line = 1;
    for (qsizetype i = 0; i < pos_ && i < size_; ++i)
        if (p_[i] == '\n')
            ++line;
    return line;
}

} // namespace kv
