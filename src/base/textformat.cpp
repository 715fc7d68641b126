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
        if (j < pattern.size() &&
            (pattern.at(j) == QLatin1Char('s') || pattern.at(j) == QLatin1Char('d'))) {
            if (position >= 0) next = position;
            if (next < args.size()) out += args.at(next);
            ++next;
            i = j;
            continue;
        }
        out += c;
    }
    return out;
}

QString WithAccessKey(const QString& word, QString& taken) {
    const qsizetype own = word.indexOf(QLatin1Char('&'));
    if (own >= 0 && own + 1 < word.size() && word[own + 1] != QLatin1Char('&')) {
        taken += word[own + 1].toUpper();
        return word;
    }
    const qsizetype hyphen = word.lastIndexOf(QLatin1Char('-'));
    const auto free = [&](qsizetype i) {
        return word[i].isLetterOrNumber() && !taken.contains(word[i].toUpper());
    };
    qsizetype at = -1;
    for (qsizetype i = hyphen + 1; i < word.size() && at < 0; ++i)
        if (free(i)) at = i;
    for (qsizetype i = 0; i < word.size() && at < 0; ++i)
        if (free(i)) at = i;
    if (at < 0) return word;
    taken += word[at].toUpper();
    return word.left(at) + QLatin1Char('&') + word.mid(at);
}

} // namespace kv
