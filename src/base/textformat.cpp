#include "base/textformat.h"

namespace kv {

QString FormatMessage(const QString& pattern, const QStringList& args) {
    QString out;
    out.reserve(pattern.size() + 32);
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != QLatin1Char('%') || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        qsizetype j = i + 1;
        if (pattern.at(j) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i = j;
            continue;
        }
        // Optional "n:" position.
        qsizetype k = j;
        qsizetype position = -1;
        while (k < pattern.size() && pattern.at(k).isDigit())
            ++k;
        if (k > j && k < pattern.size() && pattern.at(k) == QLatin1Char(':')) {
            position = pattern.mid(j, k - j).toLongLong();
            j = k + 1;
        }
        if (j < pattern.size() && (pattern.at(j) == QLatin1Char('s') || pattern.at(j) == QLatin1Char('d'))) {
            if (position >= 0)
                next = position;
            if (next < args.size())
                out += args.at(next);
            ++next;
            i = j;
            continue;
        }
        out += c;
    }
    return out;
}

} // namespace kv
