#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// Fills the placeholders of a message as the program's texts use them: "%s" and "%d" take
// the next argument, "%0:s" and "%1:d" name one by position (later unnumbered ones continue
// after it), "%%" is a percent sign. Missing arguments leave the placeholder empty.
QString FormatMessage(const QString& pattern, const QStringList& args);

inline QString ArgText(const QString& s) {
    return s;
}
inline QString ArgText(const char* s) {
    return QString::fromUtf8(s);
}
inline QString ArgText(int n) {
    return QString::number(n);
}
inline QString ArgText(qint64 n) {
    return QString::number(n);
}

template <typename... Args> QString Fmt(const QString& pattern, const Args&... args) {
    return FormatMessage(pattern, QStringList{ArgText(args)...});
}

// A caption made of a word the language gives (a sport's word for overtime or shoot-outs) with
// an access key that no other control of its window has: the first letter not in `taken`,
// looked for after the word's last hyphen first ("Shoot-o&uts"). The key chosen is added to
// `taken` (upper case); a word with an "&" of its own keeps it.
QString WithAccessKey(const QString& word, QString& taken);

} // namespace kv
