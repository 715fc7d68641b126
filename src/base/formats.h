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
inline QString FormatFloat2(double v) { return FormatNumber(v, 0, 2); } // "0.##"
inline QString FormatFloat1(double v) { return FormatNumber(v, 1, 1); } // "0.0"

// Dates and times are day counts since 1899-12-30, the time of day being the fraction.
QDate DayZero();
double DateToDays(const QDate& date);
double TimeToDays(const QTime& time);
double DateTimeToDays(const QDateTime& dt);
QDate DaysToDate(double days);
QTime DaysToTime(double days);
QDateTime DaysToDateTime(double days);
double NowDays();
// The whole-day part of a date-time.
double DayPart(double days);

QString ShortDateText(double days);
QString LongDateText(double days);
QString ShortTimeText(double days);

// A date typed by a user or read from a file: the given Qt format when not empty, else the
// locale's short and long formats and ISO 8601. False when nothing fits.
bool ParseDateText(const QString& text, double& days, const QString& format = QString());
// A time "h:mm", "hh:mm:ss" or in the locale's short format. False when nothing fits.
bool ParseTimeText(const QString& text, double& days);

} // namespace kv
