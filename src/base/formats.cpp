#include "base/formats.h"

#include "base/language.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kv {

namespace {

// The value with exactly `decimals` decimals, as a person rounds what the number shows: taken
// to 15 significant digits first (so 1.15, stored as 1.14999..., is 1.15), then rounded half
// away from zero.
QString RoundedFixed(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value)); // d.dddddddddddddde+XX
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, 14);
    const char* e = std::strchr(buf, 'e');
    int intDigits = (e ? std::atoi(e + 1) : 0) + 1; // value = 0.digits x 10^intDigits
    const int keep = intDigits + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        if (up) {
            int i = keep - 1;
            for (; i >= 0 && digits[static_cast<size_t>(i)] == '9'; --i)
                digits[static_cast<size_t>(i)] = '0';
            if (i >= 0) {
                ++digits[static_cast<size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++intDigits;
            }
        }
    }
    std::string whole;
    std::string fraction;
    if (intDigits <= 0) {
        whole = "0";
        fraction = std::string(static_cast<size_t>(-intDigits), '0') + digits;
    } else {
        if (static_cast<int>(digits.size()) < intDigits)
            digits.resize(static_cast<size_t>(intDigits), '0');
        whole = digits.substr(0, static_cast<size_t>(intDigits));
        fraction = digits.substr(static_cast<size_t>(intDigits));
    }
    fraction.resize(static_cast<size_t>(decimals), '0');
    std::string text = value < 0 ? "-" + whole : whole;
    if (decimals > 0) text += '.' + fraction;
    return QString::fromLatin1(text.c_str());
}

} // namespace

QString FormatNumber(double value, int minDecimals, int maxDecimals) {
    if (!std::isfinite(value)) value = 0;
    QString text = RoundedFixed(value, maxDecimals);
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        qsizetype keep = text.size();
        while (keep > dot + 1 + minDecimals && text.at(keep - 1) == QLatin1Char('0'))
            --keep;
        if (keep == dot + 1) keep = dot;
        text.truncate(keep);
    }
    if (text.startsWith(QLatin1Char('-'))) {
        bool allZero = true;
        for (qsizetype i = 1; i < text.size(); ++i)
            if (text.at(i) != QLatin1Char('0') && text.at(i) != QLatin1Char('.')) allZero = false;
        if (allZero) text.remove(0, 1);
    }
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String(".")) text.replace(QLatin1Char('.'), point);
    return text;
}

QDate DayZero() {
    return QDate(1899, 12, 30);
}

double DateToDays(const QDate& date) {
    return date.isValid() ? static_cast<double>(DayZero().daysTo(date)) : 0.0;
}

double TimeToDays(const QTime& time) {
    return time.isValid() ? time.msecsSinceStartOfDay() / 86400000.0 : 0.0;
}

double DateTimeToDays(const QDateTime& dt) {
    return DateToDays(dt.date()) + TimeToDays(dt.time());
}

double DayPart(double days) {
    return std::trunc(days);
}

QString DateDigits(const QDate& date, QChar separator) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 0 || year > 9999) return date.toString(Qt::ISODate);
    QString out;
    out.reserve(10);
    const auto digits = [&out](int value, int width) {
        for (int p = width - 1, step = width == 4 ? 1000 : 10; p >= 0; --p, step /= 10)
            out += QChar(u'0' + (value / step) % 10);
    };
    digits(year, 4);
    if (!separator.isNull()) out += separator;
    digits(month, 2);
    if (!separator.isNull()) out += separator;
    digits(day, 2);
    return out;
}

QDate DaysToDate(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return QDate();
    const double frac = std::fabs(days - std::trunc(days));
    auto whole = static_cast<qint64>(std::trunc(days));
    if (std::llround(frac * 86400000.0) >= 86400000) whole += days < 0 ? -1 : 1;
    return DayZero().addDays(whole);
}

QTime DaysToTime(double days) {
    if (!std::isfinite(days)) return QTime(0, 0);
    const double frac = std::fabs(days - std::trunc(days));
    auto ms = static_cast<int>(std::llround(frac * 86400000.0));
    if (ms >= 86400000) ms = 0;
    return QTime::fromMSecsSinceStartOfDay(ms);
}

QDateTime DaysToDateTime(double days) {
    return QDateTime(DaysToDate(days), DaysToTime(days));
}

double NowDays() {
    return DateTimeToDays(QDateTime::currentDateTime());
}

QString ShortDateText(double days) {
    return QLocale().toString(DaysToDate(days), QLocale::ShortFormat);
}

QString LongDateText(double days) {
    return QLocale().toString(DaysToDate(days), QLocale::LongFormat);
}

QString ShortTimeFormat() {
    static const QRegularExpression seconds(QStringLiteral("[:.,]?\\s?s+"));
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return format.trimmed();
}

QString ShortTimeText(double days) {
    return QLocale().toString(DaysToTime(days), ShortTimeFormat());
}

QStringList CommonDateFormats() {
    return {QStringLiteral("yyyy-MM-dd"),
            QStringLiteral("d/M/yyyy"),
            QStringLiteral("d.M.yyyy"),
            QStringLiteral("d-M-yyyy"),
            QStringLiteral("d/M/yy"),
            QStringLiteral("d.M.yy"),
            QStringLiteral("d-M-yy"),
            QStringLiteral("yyyy/M/d"),
            QStringLiteral("d MMM yyyy"),
            QStringLiteral("d MMMM yyyy"),
            QStringLiteral("d. MMM yyyy"),
            QStringLiteral("d. MMMM yyyy"),
            QStringLiteral("d-MMM-yyyy"),
            QStringLiteral("d-MMM-yy"),
            QStringLiteral("MMM d yyyy"),
            QStringLiteral("MMMM d yyyy"),
            QStringLiteral("MMM d, yyyy"),
            QStringLiteral("MMMM d, yyyy"),
            QStringLiteral("ddd MMM d yyyy"),
            QStringLiteral("ddd, MMM d, yyyy"),
            QStringLiteral("ddd d MMM yyyy"),
            QStringLiteral("ddd, d MMM yyyy"),
            QStringLiteral("dddd d MMMM yyyy"),
            QStringLiteral("dddd, d MMMM yyyy"),
            QStringLiteral("dddd, MMMM d, yyyy"),
            QStringLiteral("ddd, d. MMM yyyy"),
            QStringLiteral("dddd, d. MMMM yyyy")};
}

namespace {

// A two-digit year is of this century up to 49, of the last one from 50.
QDate WithCentury(QDate d, const QString& format) {
    if (d.isValid() && format.count(QLatin1Char('y')) == 2 && d.year() < 1950) d = d.addYears(100);
    return d;
}

QLocale ChosenLanguageLocale() {
    return LocaleOfId(LanguageLocale(CurrentLanguage()));
}

// The text with the chosen language's month and day names, long or short, with or without
// the short form's dot ("Sa 19 Dez 2026", "Sa. 19. Dez. 2026"), written as the English ones.
QString WithEnglishNames(const QString& text, const QLocale& chosen) {
    const QLocale english = QLocale::c();
    const auto bare = [](QString name) { return name.remove(QLatin1Char('.')).toLower(); };
    static const QRegularExpression word(QStringLiteral("\\p{L}+\\.?"));
    QString out;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& m : word.globalMatch(text)) {
        out += text.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString w = bare(m.captured());
        QString replaced;
        for (int i = 1; i <= 12 && replaced.isEmpty(); ++i)
            if (w == bare(chosen.monthName(i, QLocale::LongFormat)) ||
                w == bare(chosen.monthName(i, QLocale::ShortFormat)) ||
                w == bare(chosen.standaloneMonthName(i, QLocale::ShortFormat)))
                replaced = english.monthName(i, QLocale::ShortFormat);
        for (int i = 1; i <= 7 && replaced.isEmpty(); ++i)
            if (w == bare(chosen.dayName(i, QLocale::LongFormat)) ||
                w == bare(chosen.dayName(i, QLocale::ShortFormat)))
                replaced = english.dayName(i, QLocale::ShortFormat);
        out += replaced.isEmpty() ? m.captured() : replaced;
    }
    return out + text.mid(last);
}

QDate CommonDate(const QString& text) {
    const QLocale english = QLocale::c();
    const QLocale chosen = ChosenLanguageLocale();
    const QString translated = WithEnglishNames(text, chosen);
    // "19. Dez. 2026": the dot after a day number goes too.
    static const QRegularExpression dayDot(QStringLiteral("\\b(\\d{1,2})\\.\\s"));
    QString plain = translated;
    plain.replace(dayDot, QStringLiteral("\\1 "));
    for (const QString& format : CommonDateFormats()) {
        for (const QLocale& names : {english, chosen}) {
            const QDate d = WithCentury(names.toDate(text, format), format);
            if (d.isValid()) return d;
        }
        for (const QString& t : {translated, plain}) {
            if (t == text) continue;
            const QDate d = WithCentury(english.toDate(t, format), format);
            if (d.isValid()) return d;
        }
    }
    return {};
}

} // namespace

bool DayMonthAmbiguous(const QStringList& cells) {
    static const QRegularExpression numeric(
        QStringLiteral("^\\s*(\\d{1,2})[/.\\-](\\d{1,2})[/.\\-](\\d{2}|\\d{4})\\s*$"));
    bool differ = false;
    bool any = false;
    for (const QString& cell : cells) {
        const QRegularExpressionMatch m = numeric.match(cell);
        if (!m.hasMatch()) continue;
        const int first = m.captured(1).toInt();
        const int second = m.captured(2).toInt();
        if (first > 12 || second > 12) return false;
        any = true;
        differ = differ || first != second;
    }
    return any && differ;
}

bool ParseDateText(const QString& text, double& days, const QString& format) {
    const QString t = text.simplified();
    if (t.isEmpty()) return false;
    QDate d;
    if (!format.isEmpty()) {
        d = WithCentury(QLocale::c().toDate(t, format), format);
        if (!d.isValid()) d = WithCentury(ChosenLanguageLocale().toDate(t, format), format);
    } else {
        const QLocale loc;
        d = loc.toDate(t, QLocale::ShortFormat);
        if (!d.isValid()) d = loc.toDate(t, QLocale::LongFormat);
        if (!d.isValid()) d = QDate::fromString(t, Qt::ISODate);
        if (!d.isValid()) d = CommonDate(t);
    }
    if (!d.isValid()) return false;
    days = DateToDays(d);
    return true;
}

bool ParseTimeText(const QString& text, double& days) {
    const QString t = text.simplified();
    if (t.isEmpty()) return false;
    QTime time;
    for (const char* f : {"h:mm", "h:mm:ss", "hh:mm", "hh:mm:ss", "h.mm", "h:mm AP", "h:mm ap",
                          "h:mmAP", "h:mmap", "h AP", "h ap", "hAP", "hap"}) {
        time = QLocale::c().toTime(t, QLatin1String(f));
        if (time.isValid()) break;
    }
    if (!time.isValid()) time = QLocale().toTime(t, QLocale::ShortFormat);
    if (!time.isValid()) return false;
    days = TimeToDays(time);
    return true;
}

} // namespace kv
