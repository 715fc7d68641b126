#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// Number and date forms shared by every layer.
namespace kv {

// A real with at least `minDecimals` and at most `maxDecimals` decimals, the decimal point of
// the current locale: FormatNumber(v, 0, 2) is the pattern "0.##", (1, 1) is "0.0".
QString FormatNumber(double value, int minDecimals, int maxDecimals);
inline QString FormatFloat2(double v) {
    return FormatNumber(v, 0, 2);
} // "0.##"
inline QString FormatFloat1(double v) {
    return FormatNumber(v, 1, 1);
} // "0.0"

// Dates and times are day counts since 1899-12-30, the time of day being the fraction.
QDate DayZero();
double DateToDays(const QDate& date);
double TimeToDays(const QTime& time);
double DateTimeToDays(const QDateTime& dt);
QDate DaysToDate(double days);
// A date as digits, "2026-03-07" with `separator` '-', "20260307" with none; empty when the
// date is not valid. Much quicker than QDate::toString where thousands are written.
QString DateDigits(const QDate& date, QChar separator = QChar());
QTime DaysToTime(double days);
QDateTime DaysToDateTime(double days);
double NowDays();
// The whole-day part of a date-time.
double DayPart(double days);

QString ShortDateText(double days);
QString LongDateText(double days);
QString ShortTimeText(double days);

// A date typed by a user or read from a file: the given Qt format when not empty, else the
// locale's short and long formats and the common written forms: ISO 8601 (2011-08-13),
// day/month/year with '/', '.' or '-' (13/08/2011, 13.8.11), and "13 Aug 2011",
// "Aug 13, 2011", "Sat Aug 13 2011", "Saturday, 13 August 2011" with the month and day names
// of English and of the chosen language. False when nothing fits.
bool ParseDateText(const QString& text, double& days, const QString& format = QString());
// The date formats of ParseDateText's common written forms, most usual first.
QStringList CommonDateFormats();
// Whether the numeric dates among `cells` (d/m/y with any separator) read as well month first
// as day first: every one has both of its first two numbers at most 12, and at least one
// has them different. Then only the user can tell which is which.
bool DayMonthAmbiguous(const QStringList& cells);
// A time "h:mm", "hh:mm:ss", "3:00 PM" or in the locale's short format. False when nothing fits.
bool ParseTimeText(const QString& text, double& days);
// The locale's short time format without its seconds: times are shown to the minute.
QString ShortTimeFormat();

} // namespace kv
