// The published web site: valid HTML5 (checked by tidy), pages that link to each other and to
// nothing missing, every text of the file escaped, tournament.json as its schema says, and a
// second publication that replaces only the site's own files.
#include "support/builders.h"
#include "support/testenv.h"

#include "export/ical.h"
#include "export/publish_site.h"
#include "model/match.h"
#include "model/team.h"
#include "storage/tournament_file.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <cmath>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class PublishSite : public kvtest::TTempHome {
protected:
    static std::unique_ptr<TTournament> Sample(const char* name) {
        auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
        EXPECT_TRUE(LoadTournament(*t, QStringLiteral(KV_SAMPLES "/") + QLatin1String(name)).Ok);
        return t;
    }
    static QString Text(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

// A small JSON Schema check: type (with "integer" and lists of types), const, required,
// properties, items and additionalProperties, as far as the publication's schema uses them.
bool TypeFits(const QJsonValue& v, const QString& type) {
    if (type == QLatin1String("object")) return v.isObject();
    if (type == QLatin1String("array")) return v.isArray();
    if (type == QLatin1String("string")) return v.isString();
    if (type == QLatin1String("boolean")) return v.isBool();
    if (type == QLatin1String("null")) return v.isNull();
    if (type == QLatin1String("number")) return v.isDouble();
    if (type == QLatin1String("integer"))
        return v.isDouble() && std::floor(v.toDouble()) == v.toDouble();
    return false;
}

void Validate(const QJsonValue& v, const QJsonObject& schema, const QString& where,
              QStringList& errors) {
    if (schema.contains(QStringLiteral("type"))) {
        const QJsonValue type = schema[QStringLiteral("type")];
        bool fits = false;
        if (type.isArray()) {
            for (const QJsonValue& t : type.toArray())
                fits = fits || TypeFits(v, t.toString());
        } else {
            fits = TypeFits(v, type.toString());
        }
        if (!fits) {
            errors << where + QStringLiteral(": not of type ") +
                          QJsonDocument(QJsonArray{type}).toJson(QJsonDocument::Compact);
            return;
        }
    }
    if (schema.contains(QStringLiteral("const")) && v != schema[QStringLiteral("const")])
        errors << where + QStringLiteral(": not the constant");
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (const QJsonValue& name : schema[QStringLiteral("required")].toArray())
            if (!o.contains(name.toString()))
                errors << where + QStringLiteral(": lacks ") + name.toString();
        const QJsonObject properties = schema[QStringLiteral("properties")].toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (properties.contains(it.key()))
                Validate(it.value(), properties[it.key()].toObject(),
                         where + QLatin1Char('.') + it.key(), errors);
            else if (schema.contains(QStringLiteral("additionalProperties")))
                Validate(it.value(), schema[QStringLiteral("additionalProperties")].toObject(),
                         where + QLatin1Char('.') + it.key(), errors);
        }
    }
    if (v.isArray() && schema.contains(QStringLiteral("items"))) {
        const QJsonArray a = v.toArray();
        for (qsizetype i = 0; i < a.size(); ++i)
            Validate(a[i], schema[QStringLiteral("items")].toObject(),
                     where + QStringLiteral("[%1]").arg(i), errors);
    }
}

} // namespace

TEST_F(PublishSite, EverySampleIsValidLinkedHtml5) {
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    ASSERT_FALSE(tidy.isEmpty()) << "tidy is installed by scripts/install-deps";
    for (const char* sample :
         {"soccer.kvd", "basketball.kvd", "hockey.kvd", "chess.kvd", "volleyball.kvd"}) {
        auto t = Sample(sample);
        const QString folder = HomePath(QStringLiteral("site-") + QLatin1String(sample));
        int files = 0;
        ASSERT_TRUE(kv::PublishSite(*t, folder, &files).Ok);
        const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
        // And the style sheet, the data, and the calendars of the tournament and each team.
        EXPECT_EQ(files, static_cast<int>(pages.size()) + 3 + t->JointTable().TeamCount());
        EXPECT_TRUE(pages.contains(QStringLiteral("index.html")));
        EXPECT_EQ(pages.filter(QStringLiteral("team-")).size(), t->JointTable().TeamCount());
        for (const QString& page : pages) {
            QProcess p;
            p.start(tidy, {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("--doctype"),
                           QStringLiteral("html5"), QDir(folder).filePath(page)});
            ASSERT_TRUE(p.waitForFinished(30000));
            EXPECT_EQ(p.exitCode(), 0) << sample << " " << qPrintable(page) << "\n"
                                       << p.readAllStandardError().toStdString();
            // Every page a page links to is there.
            static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)\""));
            for (const QRegularExpressionMatch& m :
                 href.globalMatch(Text(QDir(folder).filePath(page))))
                EXPECT_TRUE(QFile::exists(QDir(folder).filePath(m.captured(1))))
                    << qPrintable(page) << " links to " << qPrintable(m.captured(1));
        }
    }
}

TEST_F(PublishSite, TheDataFollowsItsSchema) {
    QFile schemaFile(QStringLiteral(KV_SAMPLES "/../docs/publish-json.schema.json"));
    ASSERT_TRUE(schemaFile.open(QIODevice::ReadOnly));
    const QJsonObject schema = QJsonDocument::fromJson(schemaFile.readAll()).object();
    ASSERT_FALSE(schema.isEmpty());
    for (const char* sample : {"soccer.kvd", "basketball.kvd", "chess.kvd"}) {
        auto t = Sample(sample);
        const QJsonDocument json =
            QJsonDocument::fromJson(SitePages(*t).at(QStringLiteral("tournament.json")));
        QStringList errors;
        Validate(json.object(), schema, QStringLiteral("$"), errors);
        EXPECT_TRUE(errors.isEmpty())
            << sample << ": " << errors.join(QLatin1Char('\n')).toStdString();
        const QJsonObject root = json.object();
        EXPECT_EQ(root[QStringLiteral("matches")].toArray().size(), t->MatchCount());
        EXPECT_EQ(root[QStringLiteral("teams")].toArray().size(), t->JointTable().TeamCount());
    }
    // A wrong document is caught.
    QStringList errors;
    Validate(QJsonObject{{QStringLiteral("schema"), 3}}, schema, QStringLiteral("$"), errors);
    EXPECT_GE(errors.size(), 2);
}

TEST_F(PublishSite, NamesFromTheFileStayText) {
    auto t = kvtest::MakeTournament(
        1, 1, {{QStringLiteral("<b>Group</b>"), {"<script>alert(1)</script>", "Bern & Co"}, -1}});
    t->Name = QStringLiteral("Cup \"<img src=x onerror=alert(1)>\"");
    const std::map<QString, QByteArray> pages = SitePages(*t);
    for (const auto& [name, bytes] : pages) {
        if (!name.endsWith(QLatin1String(".html"))) continue;
        EXPECT_FALSE(bytes.contains("<script>")) << qPrintable(name);
        EXPECT_FALSE(bytes.contains("<img")) << qPrintable(name);
        EXPECT_FALSE(bytes.contains("<b>Group")) << qPrintable(name);
    }
    EXPECT_TRUE(
        pages.at(QStringLiteral("index.html")).contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
    EXPECT_TRUE(pages.at(QStringLiteral("index.html")).contains("Bern &amp; Co"));
    // In the data the names are as they are.
    EXPECT_TRUE(QJsonDocument::fromJson(pages.at(QStringLiteral("tournament.json")))
                    .object()[QStringLiteral("teams")]
                    .toArray()[0]
                    .toObject()[QStringLiteral("name")]
                    .toString()
                    .startsWith(QStringLiteral("<script>")));
}

TEST_F(PublishSite, PublishingAgainReplacesOnlyItsOwnFiles) {
    auto t = kvtest::MakeTournament(1, 1, {{QStringLiteral("G"), {"Ajax", "Bern", "Cork"}, -1}});
    const QString folder = HomePath(QStringLiteral("site"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile mine(QDir(folder).filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    ASSERT_TRUE(kv::PublishSite(*t, folder).Ok);
    const QString cork =
        QDir(folder).filePath(QStringLiteral("team-%1.html").arg(kvtest::TeamId(*t, "Cork")));
    ASSERT_TRUE(QFile::exists(cork));
    t->RemoveTeam(t->TeamById(kvtest::TeamId(*t, "Cork")), true);
    ASSERT_TRUE(kv::PublishSite(*t, folder).Ok);
    EXPECT_FALSE(QFile::exists(cork));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("notes.txt"))));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("index.html"))));
    // A list naming a file outside the folder is not followed.
    QFile manifest(QDir(folder).filePath(QLatin1String(kSiteManifest)));
    ASSERT_TRUE(manifest.open(QIODevice::Append));
    manifest.write("\n../outside.txt\n.hidden");
    manifest.close();
    QFile outside(HomePath(QStringLiteral("outside.txt")));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    ASSERT_TRUE(kv::PublishSite(*t, folder).Ok);
    EXPECT_TRUE(QFile::exists(HomePath(QStringLiteral("outside.txt"))));
    // A folder that cannot be made is reported.
    EXPECT_FALSE(kv::PublishSite(*t, QDir(folder).filePath(QStringLiteral("notes.txt/sub"))).Ok);
}

// The results grid numbers its teams as the table above ranks them, whatever their names hold.
TEST_F(PublishSite, TheResultsGridFollowsTheRanking) {
    auto t = kvtest::MakeTournament(1, 1, {{QStringLiteral("G"), {"A%1", "B%2x", "C"}, -1}});
    kvtest::AddResult(*t, QStringLiteral("C"), QStringLiteral("A%1"), QStringLiteral("3:0"));
    kvtest::AddResult(*t, QStringLiteral("C"), QStringLiteral("B%2x"), QStringLiteral("2:0"));
    const QString index = QString::fromUtf8(SitePages(*t).at(QStringLiteral("index.html")));
    EXPECT_TRUE(index.contains(QStringLiteral("<th title=\"A%1\">")));
    const qsizetype grid = index.indexOf(QStringLiteral("<td class=\"team\">1. "));
    ASSERT_GE(grid, 0);
    EXPECT_TRUE(index.mid(grid, 80).contains(QStringLiteral(">C</a>"))); // the leader first
    EXPECT_TRUE(IsSiteFile(QStringLiteral("team-12.html")));
    EXPECT_TRUE(IsSiteFile(QStringLiteral("date-2026-03-07.html")));
    EXPECT_FALSE(IsSiteFile(QStringLiteral("league.kvd")));
    EXPECT_FALSE(IsSiteFile(QStringLiteral("team-x.html")));
}

namespace {

// The rules of RFC 5545 a calendar program relies on: CR LF after every line, no line longer
// than 75 octets, continuation lines starting with a blank, "NAME[;PARAM=...]:VALUE" lines,
// components that open and close in order, the properties each one needs exactly once, and
// DATE and DATE-TIME values in their forms. Empty when the calendar keeps them all.
QStringList CalendarFaults(const QByteArray& bytes) {
    QStringList faults;
    if (!bytes.endsWith("\r\n")) faults << QStringLiteral("no CR LF at the end");
    QList<QByteArray> raw = bytes.split('\n');
    raw.removeLast();
    QStringList lines; // unfolded
    for (const QByteArray& r : raw) {
        if (!r.endsWith('\r'))
            faults << QStringLiteral("a line ends without CR: ") + QString::fromUtf8(r);
        const QByteArray line = r.chopped(r.endsWith('\r') ? 1 : 0);
        if (line.size() > 75)
            faults << QStringLiteral("longer than 75 octets: ") + QString::fromUtf8(line);
        if (QString::fromUtf8(line).toUtf8() != line)
            faults << QStringLiteral("a fold splits a character");
        if (line.startsWith(' ')) {
            if (lines.isEmpty())
                faults << QStringLiteral("folded first line");
            else
                lines.last() += QString::fromUtf8(line.mid(1));
        } else {
            lines << QString::fromUtf8(line);
        }
    }
    static const QRegularExpression contentLine(
        QStringLiteral("^([A-Z][A-Z0-9-]*)((;[A-Z-]+=[^;:]+)*):(.*)$"));
    static const QRegularExpression date(QStringLiteral("^\\d{8}$"));
    static const QRegularExpression dateTime(QStringLiteral("^\\d{8}T\\d{6}Z?$"));
    QStringList open;
    QMap<QString, int> seen;
    QSet<QString> uids;
    const auto need = [&](const QString& component, const QStringList& names) {
        for (const QString& n : names)
            if (seen.value(n) != 1)
                faults << QStringLiteral("%1 has %2 %3").arg(component).arg(seen.value(n)).arg(n);
    };
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = contentLine.match(line);
        if (!m.hasMatch()) {
            faults << QStringLiteral("not a content line: ") + line;
            continue;
        }
        const QString name = m.captured(1);
        const QString value = m.captured(4);
        if (name == QLatin1String("BEGIN")) {
            open << value;
            seen.clear();
            continue;
        }
        if (name == QLatin1String("END")) {
            if (open.isEmpty() || open.last() != value)
                faults << QStringLiteral("END:%1 out of order").arg(value);
            if (value == QLatin1String("VEVENT"))
                need(value,
                     {QStringLiteral("UID"), QStringLiteral("DTSTAMP"), QStringLiteral("DTSTART")});
            if (!open.isEmpty()) open.removeLast();
            continue;
        }
        seen[name] += 1;
        if (open == QStringList{QStringLiteral("VCALENDAR")} &&
            (name == QLatin1String("VERSION") || name == QLatin1String("PRODID")) && seen[name] > 1)
            faults << QStringLiteral("two ") + name;
        if (name == QLatin1String("UID")) {
            if (uids.contains(value)) faults << QStringLiteral("the UID %1 twice").arg(value);
            uids.insert(value);
        }
        if (name == QLatin1String("DTSTART") || name == QLatin1String("DTEND") ||
            name == QLatin1String("DTSTAMP")) {
            const bool isDate = m.captured(2) == QLatin1String(";VALUE=DATE");
            if (!(isDate ? date : dateTime).match(value).hasMatch())
                faults << QStringLiteral("a bad value: ") + line;
        }
        if (name == QLatin1String("SUMMARY") || name == QLatin1String("DESCRIPTION") ||
            name == QLatin1String("LOCATION")) {
            // Commas and semicolons in a text are escaped.
            static const QRegularExpression bare(QStringLiteral("(^|[^\\\\])[,;]"));
            if (bare.match(value).hasMatch()) faults << QStringLiteral("unescaped text: ") + line;
        }
    }
    if (!open.isEmpty()) faults << QStringLiteral("not closed: ") + open.join(QLatin1Char(','));
    if (!bytes.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:"))
        faults << QStringLiteral("no VERSION and PRODID first");
    return faults;
}

} // namespace

// The site's calendars: every dated fixture in calendar.ics and each team's in its own, kept
// to RFC 5545, with stable UIDs, linked from the index and the team pages.
TEST_F(PublishSite, CalendarsOfEveryFixtureAndEachTeam) {
    auto t = Sample("soccer.kvd");
    // Names and a stadium that need escaping and folding.
    TTeam* first = t->JointTable().Teams().front();
    first->Name =
        QStringLiteral("Ξάνθη, Athletic; \\ Club with a name long enough to be folded somewhere");
    int dated = 0;
    for (const TMatch* m : t->JointTable().Matches())
        dated += m->HasDate ? 1 : 0;
    ASSERT_GT(dated, 0) << "the sample has dated fixtures";
    const auto pages = SitePages(*t);
    ASSERT_TRUE(pages.count(QStringLiteral("calendar.ics")));
    const QByteArray all = pages.at(QStringLiteral("calendar.ics"));
    EXPECT_EQ(CalendarFaults(all), QStringList());
    EXPECT_EQ(all.count("BEGIN:VEVENT"), dated);
    EXPECT_TRUE(all.contains("Ξάνθη\\, Athletic\\; \\\\ Club"));
    for (const TTeam* team : t->JointTable().Teams()) {
        const QString name = QStringLiteral("team-%1.ics").arg(team->Id);
        ASSERT_TRUE(pages.count(name)) << qPrintable(name);
        const QByteArray own = pages.at(name);
        EXPECT_EQ(CalendarFaults(own), QStringList()) << qPrintable(name);
        int mine = 0;
        for (const TMatch* m : t->JointTable().Matches())
            mine +=
                m->HasDate && (m->HomeTeamId == team->Id || m->VisitorTeamId == team->Id) ? 1 : 0;
        EXPECT_EQ(own.count("BEGIN:VEVENT"), mine) << qPrintable(name);
        // Linked from the team's page, as a calendar.
        EXPECT_TRUE(pages.at(QStringLiteral("team-%1.html").arg(team->Id))
                        .contains("<a href=\"" + name.toUtf8() + "\" type=\"text/calendar\">"));
    }
    EXPECT_TRUE(pages.at(QStringLiteral("index.html"))
                    .contains("<a href=\"calendar.ics\" type=\"text/calendar\">"));
    // A later publication keeps each event's UID.
    static const QRegularExpression uid(QStringLiteral("UID:[^\\r]+"));
    const auto uids = [](const QByteArray& calendar) {
        QStringList found;
        for (const QRegularExpressionMatch& m : uid.globalMatch(QString::fromUtf8(calendar)))
            found << m.captured();
        return found;
    };
    EXPECT_EQ(uids(SitePages(*t).at(QStringLiteral("calendar.ics"))), uids(all));
    EXPECT_TRUE(IsSiteFile(QStringLiteral("calendar.ics")));
    EXPECT_TRUE(IsSiteFile(QStringLiteral("team-12.ics")));
    EXPECT_FALSE(IsSiteFile(QStringLiteral("holidays.ics")));
}

TEST(Calendar, FoldingAndEscaping) {
    EXPECT_EQ(CalendarText(QStringLiteral("a,b;c\\d\ne\r")), QStringLiteral("a\\,b\\;c\\\\d\\ne"));
    const QString line = QStringLiteral("SUMMARY:") + QString(40, QChar(0x00E9)); // 2 octets each
    const QByteArray folded = FoldedLine(line);
    const QList<QByteArray> parts = folded.split('\n');
    ASSERT_EQ(parts.size(), 3); // two lines and what follows the last line feed
    EXPECT_LE(parts[0].size() - 1, 75);
    EXPECT_TRUE(parts[1].startsWith(' '));
    EXPECT_EQ(QString::fromUtf8(parts[0].chopped(1) + parts[1].mid(1).chopped(1)), line);
    EXPECT_EQ(FoldedLine(QStringLiteral("SHORT:x")), QByteArray("SHORT:x\r\n"));
}
