#include "export/ical.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "base/version.h"
#include "model/match.h"
#include "model/people.h"
#include "model/tournament.h"

#include <QCryptographicHash>
#include <QDate>

#include <cmath>

namespace kv {

QString CalendarText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            out += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out;
}

namespace {

// Appends the line, folded, with its line end.
void AppendFolded(QByteArray& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    int limit = 75; // the first line's octets; each later one starts with a blank
    while (bytes.size() - start > limit) {
        qsizetype end = start + limit;
        // Back to the start of a UTF-8 sequence (continuation bytes are 10xxxxxx).
        while (end > start && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        out.append(bytes.constData() + start, end - start);
        out += "\r\n ";
        start = end;
        limit = 74;
    }
    out.append(bytes.constData() + start, bytes.size() - start);
    out += "\r\n";
}

} // namespace

QByteArray FoldedLine(const QString& line) {
    QByteArray out;
    AppendFolded(out, line);
    return out;
}

namespace {

QString DateValue(double days) {
    return DateDigits(DaysToDate(days));
}

QString DateTimeValue(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

} // namespace

QByteArray MatchCalendar(const TTournament& t, const std::vector<const TMatch*>& matches,
                         const QString& name, const QDateTime& stamp) {
    // A tournament's events keep their UIDs as long as its name and the match ids stay.
    const QByteArray owner =
        QCryptographicHash::hash(t.Name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const TScoreTexts texts = TScoreTexts::Current();
    QByteArray out;
    out.reserve(static_cast<qsizetype>(matches.size()) * 400 + 400);
    const auto line = [&out](const QString& text) { AppendFolded(out, text); };
    const QString matchdayText = LangText(5943, "Matchday %d");
    line(QStringLiteral("BEGIN:VCALENDAR"));
    line(QStringLiteral("VERSION:2.0"));
    line(QStringLiteral("PRODID:-//Vantorix//Kelvorandine %1//EN").arg(ProgramVersion()));
    line(QStringLiteral("CALSCALE:GREGORIAN"));
    line(QStringLiteral("METHOD:PUBLISH"));
    line(QStringLiteral("X-WR-CALNAME:") + CalendarText(name));
    const QString dtstamp = DateTimeValue(stamp.toUTC()) + QLatin1Char('Z');
    for (const TMatch* m : matches) {
        if (!m->HasDate) continue;
        const QString home = t.TeamName(m->HomeTeamId);
        const QString visitor = t.TeamName(m->VisitorTeamId);
        const QString summary = m->Played ? Fmt(QStringLiteral("%s %s %s"), home,
                                                m->GetScoreText(true, true, texts), visitor)
                                          : Fmt(QStringLiteral("%s \u2013 %s"), home, visitor);
        line(QStringLiteral("BEGIN:VEVENT"));
        line(QStringLiteral("UID:match-%1-%2@kelvorandine").arg(QLatin1String(owner)).arg(m->Id));
        line(QStringLiteral("DTSTAMP:") + dtstamp);
        if (m->HasTime) {
            const int minutes = static_cast<int>(std::lround(m->Time * 1440)) % 1440;
            const QDateTime start(DaysToDate(m->Date), QTime(minutes / 60, minutes % 60));
            line(QStringLiteral("DTSTART:") + DateTimeValue(start));
            line(QStringLiteral("DTEND:") + DateTimeValue(start.addSecs(2 * 3600)));
        } else {
            line(QStringLiteral("DTSTART;VALUE=DATE:") + DateValue(m->Date));
            line(QStringLiteral("DTEND;VALUE=DATE:") + DateValue(m->Date + 1));
        }
        line(QStringLiteral("SUMMARY:") + CalendarText(summary));
        QString description = t.Name;
        if (m->HasMatchday()) description += QLatin1Char('\n') + Fmt(matchdayText, m->Matchday);
        line(QStringLiteral("DESCRIPTION:") + CalendarText(description));
        for (const TStadium& s : t.Stadiums)
            if (s.Id == m->StadiumId)
                line(QStringLiteral("LOCATION:") + CalendarText(DisplayText(s)));
        line(QStringLiteral("END:VEVENT"));
    }
    line(QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace kv
