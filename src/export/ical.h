#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

// Fixtures as an iCalendar file (RFC 5545), for phones and web calendars to subscribe to: one
// event per match with a date, all day, or two hours from its kick-off time (in the local
// time of wherever it is read, as the file keeps no time zone).
namespace kv {

class TMatch;
class TTournament;

// The calendar named `name` with the dated ones of `matches`. Each event's UID stays the same
// from one publication to the next, so a subscribed calendar updates the event rather than
// adding another; `stamp` is the moment the calendar is made (DTSTAMP).
QByteArray MatchCalendar(const TTournament& t, const std::vector<const TMatch*>& matches,
                         const QString& name, const QDateTime& stamp);

// A text value of a property, with backslash, semicolon, comma and line breaks escaped.
QString CalendarText(const QString& text);
// A content line folded at 75 octets, never inside a UTF-8 sequence, with CR LF after each
// part.
QByteArray FoldedLine(const QString& line);

} // namespace kv
