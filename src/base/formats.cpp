#include "base/formats.h"

#include <QLocale>

#include <cmath>
#include <cstdio>

namespace kv {

QString FormatNumber(double value, int minDecimals, int maxDecimals) {
    if (!std::isfinite(value))
        value = 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", maxDecimals, value);
    QString text = QString::fromLatin1(buf);
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        qsizetype keep = text.size();
        while (keep > dot + 1 + minDecimals && text.at(keep - 1) == QLatin1Char('0'))
            --keep;
        if (keep == dot + 1)
            keep = dot;
        text.truncate(keep);
    }
    if (text.startsWith(QLatin1Char('-'))) {
        bool allZero = true;
        for (qsizetype i = 1; i < text.size(); ++i)
            if (text.at(i) != QLatin1Char('0') && text.at(i) != QLatin1Char('.'))
                allZero = false;
        if (allZero)
            text.remove(0, 1);
    }
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

QDate DayZero() { return QDate(1899, 12, 30); }

double DateToDays(const QDate& date) {
    return date.isValid() ? static_cast<double>(DayZero().daysTo(date)) : 0.0;
}

double TimeToDays(const QTime& time) {
    return time.isValid() ? time.msecsSinceStartOfDay() / 86400000.0 : 0.0;
}

double DateTimeToDays(const QDateTime& dt) {
    return DateToDays(dt.date()) + TimeToDays(dt.time());
}

double DayPart(double days) { return std::trunc(days); }

QDate DaysToDate(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return QDate();
    const double frac = std::fabs(days - std::trunc(days));
    auto whole = static_cast<qint64>(std::trunc(days));
    if (std::llround(frac * 86400000.0) >= 86400000)
        whole += days < 0 ? -1 : 1;
    return DayZero().addDays(whole);
}

QTime DaysToTime(double days) {
    if (!std::isfinite(days))
        return QTime(0, 0);
    const double frac = std::fabs(days - std::trunc(days));
    auto ms = static_cast<int>(std::llround(frac * 86400000.0));
    if (ms >= 86400000)
        ms = 0;
    return QTime::fromMSecsSinceStartOfDay(ms);
}

QDateTime DaysToDateTime(double days) { return QDateTime(DaysToDate(days), DaysToTime(days)); }

double NowDays() { return DateTimeToDays(QDateTime::currentDateTime()); }

QString ShortDateText(double days) { return QLocale().toString(DaysToDate(days), QLocale::ShortFormat); }

QString LongDateText(double days) { return QLocale().toString(DaysToDate(days), QLocale::LongFormat); }

QString ShortTimeText(double days) {
    return QLocale().toString(DaysToTime(days), QLocale::ShortFormat);
}

bool ParseDateText(const QString& text, double& days, const QString& format) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    QDate d;
    if (!format.isEmpty()) {
        d = QDate::fromString(t, format);
        if (d.isValid() && format.count(QLatin1Char('y')) == 2 && d.year() < 1950)
            d = d.addYears(100);
    } else {
        const QLocale loc;
        d = loc.toDate(t, QLocale::ShortFormat);
        if (!d.isValid())
            d = loc.toDate(t, QLocale::LongFormat);
        if (!d.isValid())
            d = QDate::fromString(t, Qt::ISODate);
        for (const char* f : {"d.M.yyyy", "d/M/yyyy", "d-M-yyyy", "d MMM yyyy"}) {
            if (d.isValid())
                break;
            d = QDate::fromString(t, QLatin1String(f));
        }
    }
    if (!d.isValid())
        return false;
    days = DateToDays(d);
    return true;
}

bool ParseTimeText(const QString& text, double& days) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    QTime time;
    for (const char* f : {"h:mm", "h:mm:ss", "hh:mm", "hh:mm:ss", "h.mm"}) {
        time = QTime::fromString(t, QLatin1String(f));
        if (time.isValid())
            break;
    }
    if (!time.isValid())
        time = QLocale().toTime(t, QLocale::ShortFormat);
    if (!time.isValid())
        return false;
    days = TimeToDays(time);
    return true;
}

} // namespace kv
