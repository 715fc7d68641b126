#include "export/results_file.h"

#include "base/fileio.h"
#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "model/team.h"
#include "standings/tournament_setup.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>
#include <utility>

namespace kv {

namespace {

// A heading as compared: lower case, letters and digits only.
QString Key(const QString& heading) {
    QString key;
    for (const QChar c : heading.toLower())
        if (c.isLetterOrNumber()) key += c;
    return key;
}

const QHash<QString, int>& KnownHeadings() {
    static const QHash<QString, int> known = [] {
        QHash<QString, int> k;
        const auto add = [&k](int kind, std::initializer_list<const char*> names) {
            for (const char* n : names)
                k.insert(Key(QString::fromUtf8(n)), kind);
        };
        add(ImportHome, {"home", "home team", "hometeam", "team 1", "team1", "host", "hosts",
                         "heim", "heimmannschaft", "gastgeber"});
        add(ImportVisitor, {"away", "away team", "awayteam", "visitor", "visitors", "visitor team",
                            "team 2", "team2", "guest", "guests", "gast", "auswärts"});
        add(ImportScore, {"score", "ft", "result", "full time", "fulltime", "final score",
                          "ergebnis", "endstand", "res"});
        add(ImportGoalsFor, {"fthg", "hg", "home goals", "home score", "homegoals", "homescore"});
        add(ImportGoalsAgainst,
            {"ftag", "ag", "away goals", "away score", "awaygoals", "awayscore"});
        add(ImportDate, {"date", "datum", "match date"});
        add(ImportTime, {"time", "kick off", "kickoff", "ko", "zeit", "uhrzeit", "anstoß"});
        add(ImportMatchday, {"round", "matchday", "match day", "md", "week", "gameweek", "gw", "wk",
                             "spieltag", "runde"});
        add(ImportNumber, {"no", "nr", "number", "match no", "match number", "game"});
        add(ImportLeg, {"leg"});
        add(ImportStadium, {"stadium", "venue", "ground", "arena", "stadion", "spielort"});
        add(ImportAttendance, {"attendance", "crowd", "spectators", "zuschauer"});
        add(ImportReferee, {"referee", "ref", "schiedsrichter"});
        add(ImportComments, {"comments", "comment", "notes", "note", "remarks", "bemerkung"});
        add(ImportDecided, {"decided", "decision", "ot", "aet", "entschieden"});
        add(ImportForfeit, {"forfeit", "forfeited", "walkover", "wo"});
        return k;
    }();
    return known;
}

int KindOfHeading(const QString& heading) {
    const QString key = Key(heading);
    if (key.isEmpty()) return ImportNone;
    // The import's own captions first, in the language chosen.
    for (int kind = ImportNumber; kind <= kLastImportKind; ++kind)
        if (Key(ImportKindCaption(kind)) == key) return kind;
    return KnownHeadings().value(key, ImportNone);
}

} // namespace

TGuessedColumns GuessImportColumns(const TCsvRecords& records) {
    TGuessedColumns guess;
    int widest = 0;
    for (const QStringList& r : records)
        widest = std::max(widest, static_cast<int>(r.size()));
    guess.Kinds.assign(static_cast<size_t>(widest), ImportNone);
    if (records.isEmpty()) return guess;
    const QStringList& first = records.front();
    QSet<int> taken;
    for (int c = 0; c < first.size(); ++c) {
        const int kind = KindOfHeading(first.at(c));
        if (kind == ImportNone || taken.contains(kind)) continue;
        taken.insert(kind);
        guess.Kinds[static_cast<size_t>(c)] = kind;
    }
    guess.Header = taken.contains(ImportHome) && taken.contains(ImportVisitor);
    if (!guess.Header) std::fill(guess.Kinds.begin(), guess.Kinds.end(), ImportNone);
    return guess;
}

QChar GuessSeparator(const QString& text) {
    const QStringList lines =
        text.left(64 * 1024).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(0, 10);
    QChar best = QLatin1Char(',');
    int bestFields = 1;
    for (const QChar separator :
         {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char('|')}) {
        int fields = -1;
        for (const QString& line : lines) {
            const int here = static_cast<int>(line.count(separator)) + 1;
            if (fields < 0) fields = here;
            if (here != fields) {
                fields = 0;
                break;
            }
        }
        if (fields > bestFields) {
            best = separator;
            bestFields = fields;
        }
    }
    return best;
}

QString ResultsGroupName() {
    return LangText(11594, "League");
}

TResultsTeams TeamsOfResults(const std::vector<TImportRow>& rows, const std::vector<int>& kinds,
                             int maxLegs) {
    TResultsTeams result;
    const auto column = [&kinds](int kind) {
        const auto it = std::find(kinds.begin(), kinds.end(), kind);
        return it == kinds.end() ? -1 : static_cast<int>(it - kinds.begin());
    };
    const int home = column(ImportHome);
    const int visitor = column(ImportVisitor);
    if (home < 0) {
        result.Problem = LangText(11561, "Home team column is not specified");
        return result;
    }
    if (visitor < 0) {
        result.Problem = LangText(11562, "Visitor team column is not specified");
        return result;
    }
    QHash<QString, QString> named; // by name in lower case: the name as first written
    std::map<std::pair<QString, QString>, int> meetings;
    for (const TImportRow& row : rows) {
        // Names are kept as a team keeps them: at most kNameCapacity characters.
        const QString a = row.Cells.value(home).simplified().left(TTeam::kNameCapacity);
        const QString b = row.Cells.value(visitor).simplified().left(TTeam::kNameCapacity);
        if (a.isEmpty() || b.isEmpty() || a.compare(b, Qt::CaseInsensitive) == 0) continue;
        for (const QString& name : {a, b})
            if (!named.contains(name.toLower())) {
                named.insert(name.toLower(), name);
                result.Teams << name;
            }
        QString low = a.toLower();
        QString high = b.toLower();
        if (high < low) std::swap(low, high);
        result.Legs = std::max(result.Legs, ++meetings[{low, high}]);
    }
    if (result.Teams.size() < 2) {
        result.Problem = LangText(11590, "The file names fewer than two teams");
    } else if (result.Teams.size() > kMaxTeams) {
        result.Problem =
            Fmt(LangText(11591, "The file names %d teams; a tournament holds at most %d"),
                static_cast<int>(result.Teams.size()), kMaxTeams);
    } else if (result.Legs > maxLegs) {
        result.Problem = Fmt(
            LangText(11592, "Two teams meet %d times in the file; a group plays at most %d legs"),
            result.Legs, maxLegs);
    }
    result.Legs = std::max(1, result.Legs);
    return result;
}

TResultsFile ReadResultsFile(const QString& path, QChar separator) {
    TResultsFile file;
    QByteArray bytes;
    if (const TIoResult read = ReadFileBytes(path, bytes); !read) {
        file.Problem = read.Message;
        return file;
    }
    const QString text = DecodeCsvText(bytes);
    file.Separator = separator.isNull() ? GuessSeparator(text) : separator;
    file.Records = ReadCsvRecords(text, file.Separator);
    if (file.Records.isEmpty()) {
        file.Problem = Fmt(LangText(11595, "%s holds no rows"), path);
        return file;
    }
    file.Columns = GuessImportColumns(file.Records);
    return file;
}

QString DatesPreview(const std::vector<TImportRow>& rows, const std::vector<int>& kinds,
                     const QString& format) {
    const auto column = std::find(kinds.begin(), kinds.end(), ImportDate);
    if (column == kinds.end()) return QString();
    const int c = static_cast<int>(column - kinds.begin());
    QStringList cells;
    QStringList shown;
    QStringList shownCells; // a date that repeats is shown once
    for (const TImportRow& row : rows) {
        const QString cell = row.Cells.value(c).trimmed();
        if (cell.isEmpty()) continue;
        cells << cell;
        if (shown.size() >= 3 || shownCells.contains(cell)) continue;
        shownCells << cell;
        double days = 0;
        const bool read = ParseDateText(cell, days, format);
        // A heading ("Date") on the first row is no date to show; a first row with digits is.
        const bool heading =
            &row == &rows.front() &&
            std::none_of(cell.begin(), cell.end(), [](QChar ch) { return ch.isDigit(); });
        if (read || !heading)
            shown << Fmt(QStringLiteral("%s \u2192 %s"), cell,
                         read ? LongDateText(days) : LangText(11520, "not a date"));
    }
    QString text = shown.join(QStringLiteral("; "));
    if (format.isEmpty() && DayMonthAmbiguous(cells))
        text = LangText(11521, "Every date could be day first or month first: give the date "
                               "format.") +
               QLatin1Char(' ') + text;
    return text;
}

} // namespace kv
