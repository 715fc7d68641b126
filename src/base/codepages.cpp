#include "base/codepages.h"

#include <QStringDecoder>

#include <array>

namespace kv {

namespace {

// Windows-1252 in the range 0x80..0x9F; the rest of the code page equals Latin-1.
// Undefined positions map to the C1 control of the same number.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(QByteArrayView bytes) {
    QString out;
    out.resize(bytes.size());
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

bool IsAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

} // namespace

bool IsValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra = 0;
        unsigned int code = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (end - p <= extra) return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) return false;
            code = (code << 6) | (p[i] & 0x3Fu);
        }
        static constexpr unsigned int kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (code < kMin[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

int CodePageOfCharSet(int charSet) {
    switch (charSet) {
    case 204:
        return 1251;
    case 238:
        return 1250;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    default:
        return 1252;
    }
}

QString DecodeCodePage(QByteArrayView bytes, int codePage) {
    if (IsAscii(bytes)) return QString::fromLatin1(bytes);
    if (codePage != 1252) {
        const QByteArray name = "windows-" + QByteArray::number(codePage);
        QStringDecoder decoder(name.constData());
        if (decoder.isValid()) {
            QString out = decoder.decode(bytes);
            if (!decoder.hasError()) return out;
        }
    }
    return DecodeCp1252(bytes);
}

QString DecodeText(QByteArrayView bytes) {
    if (IsAscii(bytes)) return QString::fromLatin1(bytes);
    if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes);
    return DecodeCp1252(bytes);
}

} // namespace kv
