#include "base/textreader.h"

#include "base/codepages.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace kv {

namespace {

inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ' &&
           (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v');
}

constexpr double kPowersOf10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// mantissa × 10^scale, exact when the mantissa fits a double's 53 bits and |scale| <= 22 (a
// single correctly rounded multiplication or division); false beyond that range.
inline bool ScaledExactly(quint64 mantissa, int scale, double& value) {
    value = static_cast<double>(mantissa);
    if (mantissa == 0) return true;
    if (scale >= 0 && scale <= 22)
        value *= kPowersOf10[scale];
    else if (scale < 0 && scale >= -22)
        value /= kPowersOf10[-scale];
    else
        return false;
    return true;
}

// Eight ASCII digits at p as a number; false when any of them is not a digit.
inline bool EightDigits(const char* p, quint64& value) {
    quint64 v;
    std::memcpy(&v, p, 8);
    if (((v & 0xF0F0F0F0F0F0F0F0ULL) |
         (((v + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) >> 4)) != 0x3333333333333333ULL)
        return false;
    v -= 0x3030303030303030ULL;
    v = (v * 10) + (v >> 8);
    v = (((v & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
         (((v >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
        32;
    value = v;
    return true;
}

inline bool DigitsAt(const char* p, int count, quint64& value) {
    quint64 v = 0;
    for (int i = 0; i < count; ++i) {
        const unsigned d = static_cast<unsigned>(p[i] - '0');
        if (d > 9) return false;
        v = v * 10 + d;
    }
    value = v;
    return true;
}

// The form the program writes, "-D.DDDDDDDDDDDDDDE+DDDD" (the sign position a blank or "-"),
// read exactly with few instructions; false for anything else.
inline bool WrittenReal(const char* s, const char* end, double& value) {
    const bool negative = s < end && *s == '-';
    if (negative) ++s;
    if (end - s != 22 || s[1] != '.' || s[16] != 'E' || (s[17] != '+' && s[17] != '-'))
        return false;
    quint64 lead = 0, high = 0, low = 0, exponent = 0;
    if (!DigitsAt(s, 1, lead) || !EightDigits(s + 2, high) || !DigitsAt(s + 10, 6, low) ||
        !DigitsAt(s + 18, 4, exponent))
        return false;
    const quint64 mantissa = (lead * 100000000ULL + high) * 1000000ULL + low; // 15 digits, exact
    const int scale =
        (s[17] == '-' ? -static_cast<int>(exponent) : static_cast<int>(exponent)) - 14;
    double v = 0;
    if (!ScaledExactly(mantissa, scale, v)) return false;
    value = negative ? -v : v;
    return true;
}

// Exact conversion of short decimal mantissas with small exponents (the form the program
// writes, " 3.00000000000000E+0000"); anything else is left to the general parser.
bool FastReal(const char* s, const char* end, double& value) {
    bool negative = false;
    if (s < end && (*s == '-' || *s == '+')) {
        negative = *s == '-';
        ++s;
    }
    unsigned long long mantissa = 0;
    int digits = 0; // significant digits taken
    int scale = 0;
    bool any = false;
    for (; s < end && static_cast<unsigned>(*s - '0') < 10; ++s) {
        any = true;
        if (mantissa == 0 && *s == '0') continue;
        if (++digits > 18) return false;
        mantissa = mantissa * 10 + static_cast<unsigned>(*s - '0');
    }
    if (s < end && *s == '.') {
        for (++s; s < end && static_cast<unsigned>(*s - '0') < 10; ++s) {
            any = true;
            --scale;
            if (mantissa == 0 && *s == '0') continue;
            if (++digits > 18) return false;
            mantissa = mantissa * 10 + static_cast<unsigned>(*s - '0');
        }
    }
    if (!any) return false;
    if (s < end && (*s == 'E' || *s == 'e')) {
        ++s;
        bool expNegative = false;
        if (s < end && (*s == '-' || *s == '+')) {
            expNegative = *s == '-';
            ++s;
        }
        if (s == end) return false;
        int exponent = 0;
        for (; s < end && static_cast<unsigned>(*s - '0') < 10; ++s) {
            if (exponent > 100000) return false;
            exponent = exponent * 10 + (*s - '0');
        }
        scale += expNegative ? -exponent : exponent;
    }
    if (s != end || mantissa > (1ULL << 53)) return false;
    double v = 0;
    if (!ScaledExactly(mantissa, scale, v)) return false;
    value = negative ? -v : v;
    return std::isfinite(value);
}

} // namespace

bool ParseIntToken(QByteArrayView token, int& value) {
    const char* s = token.data();
    const char* end = s + token.size();
    if (s < end && *s == '+') ++s;
    int v = 0;
    const auto r = std::from_chars(s, end, v);
    if (r.ec == std::errc() && r.ptr == end && s != end) {
        value = v;
        return true;
    }
    // A real with a whole value is accepted where an integer is expected.
    double d = 0;
    if (ParseRealToken(token, d) && d == std::trunc(d) && d >= std::numeric_limits<int>::min() &&
        d <= std::numeric_limits<int>::max()) {
        value = static_cast<int>(d);
        return true;
    }
    return false;
}

bool ParseRealToken(QByteArrayView token, double& value) {
    const char* s = token.data();
    const char* end = s + token.size();
    if (s == end) return false;
    if (FastReal(s, end, value)) return true;
    if (*s == '+') ++s;
    double v = 0;
    const auto r = std::from_chars(s, end, v);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v)) return false;
    value = v;
    return true;
}

TTextReader::TTextReader(QByteArray data)
    : data_(std::move(data)), p_(data_.constData()), size_(data_.size()) {}

bool TTextReader::ReadLineBytes(QByteArrayView& line) {
    if (pos_ >= size_) return false;
    const char* start = p_ + pos_;
    const auto* nl =
        static_cast<const char*>(std::memchr(start, '\n', static_cast<size_t>(size_ - pos_)));
    qsizetype len = nl ? nl - start : size_ - pos_;
    pos_ += nl ? len + 1 : len;
    if (len > 0 && start[len - 1] == '\r' && nl) --len;
    line = QByteArrayView(start, len);
    return true;
}

bool TTextReader::ReadLine(QString& line) {
    QByteArrayView bytes;
    if (!ReadLineBytes(bytes)) return false;
    line = bytes.isEmpty() ? QString() : DecodeText(bytes);
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
    if (i >= size_) return false;
    qsizetype j = i;
    while (j < size_ && !IsBlank(p_[j]))
        ++j;
    token = QByteArrayView(p_ + i, j - i);
    pos_ = j;
    return true;
}

bool TTextReader::ReadInt(int& value) {
    // The common case, a plain decimal integer, is read straight from the buffer.
    const char* q = p_ + pos_;
    const char* const end = p_ + size_;
    while (q < end && IsBlank(*q))
        ++q;
    const char* const start = q;
    const bool negative = q < end && *q == '-';
    if (negative) ++q;
    const char* const digits = q;
    qint64 v = 0;
    while (q < end && q - digits < 11 && static_cast<unsigned>(*q - '0') < 10)
        v = v * 10 + (*q++ - '0');
    if (q > digits && (q == end || IsBlank(*q))) {
        v = negative ? -v : v;
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            return false;
        value = static_cast<int>(v);
        pos_ = q - p_;
        return true;
    }
    (void)start;
    const qsizetype saved = pos_;
    QByteArrayView token;
    if (NextToken(token) && ParseIntToken(token, value)) return true;
    pos_ = saved;
    return false;
}

bool TTextReader::ReadReal(double& value) {
    const char* q = p_ + pos_;
    const char* const end = p_ + size_;
    while (q < end && IsBlank(*q))
        ++q;
    const char* e = q;
    while (e < end && !IsBlank(*e))
        ++e;
    if (e > q && (WrittenReal(q, e, value) || FastReal(q, e, value))) {
        pos_ = e - p_;
        return true;
    }
    const qsizetype saved = pos_;
    QByteArrayView token;
    if (NextToken(token) && ParseRealToken(token, value)) return true;
    pos_ = saved;
    return false;
}

bool TTextReader::ReadNumbersOnLine(double* values, int count) {
    const char* q = p_ + pos_;
    const char* const end = p_ + size_;
    for (int n = 0; n < count; ++n) {
        while (q < end && (*q == ' ' || *q == '\t'))
            ++q;
        const char* t = q;
        const bool negative = t < end && *t == '-';
        t += negative ? 1 : 0;
        // A whole number: the usual value.
        const char* const digits = t;
        const char* const limit = end - t > 15 ? t + 15 : end;
        qint64 whole = 0;
        while (t < limit && static_cast<unsigned>(*t - '0') < 10)
            whole = whole * 10 + (*t++ - '0');
        if (t > digits && (t == end || IsBlank(*t))) {
            values[n] = static_cast<double>(negative ? -whole : whole);
            q = t;
            continue;
        }
        // The written form of a real has a fixed length.
        const qsizetype written = (negative ? 23 : 22);
        if (end - q >= written && (end - q == written || IsBlank(q[written])) &&
            WrittenReal(q, q + written, values[n])) {
            q += written;
            continue;
        }
        const char* e = q;
        while (e < end && !IsBlank(*e))
            ++e;
        if (e == q ||
            !(FastReal(q, e, values[n]) || ParseRealToken(QByteArrayView(q, e - q), values[n])))
            return false;
        q = e;
    }
    pos_ = q - p_;
    return true;
}

bool TTextReader::ReadBool(bool& value) {
    int n = 0;
    if (ReadInt(n)) {
        value = n == 1;
        return true;
    }
    double v = 0;
    if (!ReadReal(v)) return false;
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
        if (!IsBlank(p_[i])) return false;
    return true;
}

int TTextReader::LineNumber() const {
    int line = 1;
    for (qsizetype i = 0; i < pos_ && i < size_; ++i)
        if (p_[i] == '\n') ++line;
    return line;
}

} // namespace kv
