#include "export/csv_import.h"

#include "base/fileio.h"
#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "base/textreader.h"
#include "model/sport.h"
#include "standings/fixture_rules.h"
#include "standings/tournament_setup.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

int ColumnOf(const std::vector<int>& kinds, int kind) {
    const auto it = std::find(kinds.begin(), kinds.end(), kind);
    return it == kinds.end() ? -1 : static_cast<int>(it - kinds.begin());
}

QString Cell(const TImportRow& row, int column) {
    return column >= 0 && column < row.Cells.size() ? row.Cells.at(column).trimmed() : QString();
}

bool WholeNumber(const QString& text, int& value) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (ok) value = v;
    return ok;
}

bool ScoreNumber(const QString& text, bool halves, double& value) {
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || v < 0 || v > 999 || (!halves && v != std::trunc(v))) return false;
    value = v;
    return true;
}

const TTeam* FindTeam(const TTournament& t, const QString& cell) {
    if (cell.isEmpty()) return nullptr;
    if (const TTeam* team = t.JointTable().TeamByName(cell)) return team;
    if (const TTeam* team = t.JointTable().TeamBySymbol(cell)) return team;
    // A name longer than a team's name may be is known by the part a team keeps of it.
    const QString kept = cell.simplified().left(TTeam::kNameCapacity);
    return kept != cell ? t.JointTable().TeamByName(kept) : nullptr;
}

} // namespace

namespace {

QString DecisionWord(const QString& text) {
    QString w = text.trimmed().toLower();
    w.remove(QLatin1Char('.'));
    w.remove(QLatin1Char(' '));
    w.remove(QLatin1Char('-'));
    return w;
}

} // namespace

bool ParseDecidedIn(const QString& cell, int sport, int& decided) {
    const QString w = DecisionWord(cell);
    const auto among = [&](QStringList words) {
        for (QString& word : words)
            if (!word.isEmpty() && DecisionWord(word) == w) return true;
        return false;
    };
    if (w.isEmpty() ||
        among({QStringLiteral("ft"), QStringLiteral("nt"), QStringLiteral("reg"),
               QStringLiteral("regulation"), QStringLiteral("normal"), QStringLiteral("normaltime"),
               QStringLiteral("fulltime"), QStringLiteral("0")})) {
        decided = 0;
        return true;
    }
    if (among({QStringLiteral("ot"), QStringLiteral("aet"), QStringLiteral("et"),
               QStringLiteral("overtime"), QStringLiteral("extratime"), QStringLiteral("1"),
               OvertimeWord(sport), OvertimeAbbrev(sport), LangText(2100, "OT"),
               LangText(2203, "aet"), LangText(2400, "OT")})) {
        decided = 1;
        return true;
    }
    if (among({QStringLiteral("so"), QStringLiteral("pso"), QStringLiteral("pen"),
               QStringLiteral("pens"), QStringLiteral("penalties"), QStringLiteral("shootout"),
               QStringLiteral("shootouts"), QStringLiteral("2"), ShootoutWord(sport),
               ShootoutAbbrev(sport), LangText(2101, "SO"), LangText(2204, "PSO")})) {
        decided = 2;
        return true;
    }
    return false;
}

bool ParseForfeit(const QString& cell, int& forfeit) {
    const QString w = cell.trimmed().toLower();
    if (w.isEmpty() || w == QLatin1String("-") || w == QLatin1String("0") ||
        w == QLatin1String("no") || w == QLatin1String("none") || w == QLatin1String("n"))
        forfeit = 0;
    else if (w == QLatin1String("home") || w == QLatin1String("h"))
        forfeit = 1;
    else if (w == QLatin1String("visitor") || w == QLatin1String("away") ||
             w == QLatin1String("v") || w == QLatin1String("a"))
        forfeit = 2;
    else
        return false;
    return true;
}

QString ImportKindCaption(int kind, bool conferences) {
    switch (kind) {
    case ImportNumber:
        return LangText(5601, "No");
    case ImportLeg:
        return LangText(5602, "Leg");
    case ImportMatchday:
        return LangText(5603, "M'd");
    case ImportDate:
        return LangText(5604, "Date");
    case ImportTime:
        return LangText(5605, "Time");
    case ImportHome:
        return LangText(5606, "Home Team");
    case ImportVisitor:
        return LangText(5607, "Visitor Team");
    case ImportScore:
        return LangText(5608, "Score");
    case ImportGoalsFor:
        return LangText(5609, "GF");
    case ImportGoalsAgainst:
        return LangText(5610, "GA");
    case ImportStadium:
        return LangText(5611, "Stadium");
    case ImportAttendance:
        return LangText(5612, "Attendance");
    case ImportReferee:
        return LangText(5613, "Referee");
    case ImportComments:
        return LangText(5614, "Comments");
    case ImportDecided:
        return LangText(11570, "Decided");
    case ImportForfeit:
        return LangText(11571, "Forfeit");
    default:
        (void)conferences;
        return QString();
    }
}

std::vector<TImportRow> RowsFromRecords(const TCsvRecords& records) {
    std::vector<TImportRow> rows;
    rows.reserve(static_cast<size_t>(records.size()));
    for (const QStringList& r : records) {
        TImportRow row;
        row.Cells = r;
        rows.push_back(std::move(row));
    }
    return rows;
}

QString CheckImportColumns(const std::vector<TImportRow>& rows, const std::vector<int>& kinds) {
    // Columns none of which has a kind yet are there all the same: the home column is missing.
    if (rows.empty() || kinds.empty()) return LangText(11560, "No data to import");
    const auto has = [&](int kind) { return ColumnOf(kinds, kind) >= 0; };
    if (!has(ImportHome)) return LangText(11561, "Home team column is not specified");
    if (!has(ImportVisitor)) return LangText(11562, "Visitor team column is not specified");
    const bool more = has(ImportScore) || (has(ImportGoalsFor) && has(ImportGoalsAgainst)) ||
                      has(ImportNumber) || has(ImportMatchday) || has(ImportReferee) ||
                      has(ImportStadium) || has(ImportDate) || has(ImportTime) ||
                      has(ImportComments) || has(ImportForfeit);
    if (!more)
        return LangText(11563,
                        "Specify at least one more column (i.e. matchday, date, score, etc)");
    return QString();
}

TImportCounts ImportRows(TTournament& t, std::vector<TImportRow>& rows,
                         const TImportOptions& options, const std::function<void(int)>& progress) {
    TImportCounts counts;
    const std::vector<int>& kinds = options.Kinds;
    const int homeColumn = ColumnOf(kinds, ImportHome);
    const int visitorColumn = ColumnOf(kinds, ImportVisitor);
    const bool visitorFirst = visitorColumn >= 0 && visitorColumn < homeColumn;
    const bool halves = NormalizeSport(t.Sport) == SportChess;
    const TScoreSyntax syntax = TScoreSyntax::Current();
    const auto column = [&](int kind) { return ColumnOf(kinds, kind); };
    const int toHandle =
        options.SelectedOnly
            ? static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                             [](const TImportRow& r) { return r.Selected; }))
            : static_cast<int>(rows.size());
    int handled = 0;

    for (TImportRow& row : rows) {
        if (options.SelectedOnly && !row.Selected) {
            row.Message = LangText(11551, "Row has not been selected for import");
            continue;
        }
        ++handled;
        if (progress && toHandle > 0) progress(handled * 100 / toHandle);
        if (row.Status == TRowStatus::Imported) continue;
        // Teams the row adds go again when the row fails.
        std::vector<TTeam*> joined;
        const auto fail = [&](const QString& message) {
            row.Status = TRowStatus::Failed;
            row.Message = message;
            ++counts.Failed;
            for (TTeam* team : joined) {
                t.RemoveTeam(team, true);
                --counts.TeamsAdded;
            }
            joined.clear();
        };
        // A team the tournament lacks joins the chosen group, while the tournament has room.
        QString unknown;
        const auto team = [&](const QString& cell) -> const TTeam* {
            if (const TTeam* found = FindTeam(t, cell)) return found;
            TGroup* group =
                options.AddTeamsToGroup >= 0 ? t.GroupById(options.AddTeamsToGroup) : nullptr;
            if (cell.isEmpty()) {
                unknown = LangText(11596, "The row names no team");
                return nullptr;
            }
            if (!group) {
                unknown = Fmt(LangText(11553, "Unknown team: %s"), cell);
                return nullptr;
            }
            if (t.TeamCount() >= kMaxTeams) {
                unknown = Fmt(LangText(11593, "Unknown team: %s. The tournament already holds "
                                              "the most teams it may (%d)"),
                              cell, kMaxTeams);
                return nullptr;
            }
            int id = 0;
            int order = 0;
            for (const TTeam* other : t.JointTable().Teams()) {
                id = std::max(id, other->Id + 1);
                order = std::max(order, other->OrderNumber + 1);
            }
            TTeam* added =
                t.AddTeam(cell.simplified().left(TTeam::kNameCapacity), order, group->Id, id, true);
            joined.push_back(added);
            ++counts.TeamsAdded;
            return added;
        };
        const QString homeCell = Cell(row, homeColumn);
        const QString visitorCell = Cell(row, visitorColumn);
        const TTeam* home = team(homeCell);
        if (!home) {
            fail(unknown);
            continue;
        }
        const TTeam* visitor = team(visitorCell);
        if (!visitor) {
            fail(unknown);
            continue;
        }
        if (home == visitor) {
            fail(LangText(2030, "Home and visitor teams cannot be the same"));
            continue;
        }
        const int legs = t.LegsOfPair(home->Id, visitor->Id);
        int leg = -1;
        if (!WholeNumber(Cell(row, column(ImportLeg)), leg) || leg < 1 || leg > legs)
            leg = t.FirstFreeLeg(home->Id, visitor->Id);
        if (legs < 1) {
            // Teams of different groups (or conferences that do not meet) never play.
            fail(LangText(2031, "Home and visitor teams must belong to the same group"));
            continue;
        }
        if (leg < 1) {
            fail(LangText(11554, "All possible fixtures for this pair already exist"));
            continue;
        }
        if (!t.MayHost(home->Id, visitor->Id)) {
            fail(Fmt(LangText(11555, "The tournament already contains all possible home fixtures "
                                     "of '%s' against '%s'"),
                     homeCell, visitorCell));
            continue;
        }
        auto match = CreateMatch(t.Sport, -1, home->Id, visitor->Id, leg);
        match->GridPosition = GridPositionFor(t, home->Id, visitor->Id, leg, -1);
        int number = 0;
        if (WholeNumber(Cell(row, column(ImportNumber)), number)) match->Number = number;
        int matchday = 0;
        if (WholeNumber(Cell(row, column(ImportMatchday)), matchday)) {
            const QString clash = t.MatchdayClash(home->Id, visitor->Id, matchday);
            if (!clash.isEmpty()) {
                fail(clash);
                continue;
            }
            match->Matchday = matchday;
        }
        const QString dateCell = Cell(row, column(ImportDate));
        if (!dateCell.isEmpty()) {
            double date = 0;
            if (!ParseDateText(dateCell, date, options.DateFormat)) {
                fail(Fmt(LangText(11549, "'%s' is not a valid date"), dateCell));
                continue;
            }
            const QString clash = t.DateClash(home->Id, visitor->Id, date);
            if (!clash.isEmpty()) {
                fail(clash);
                continue;
            }
            match->HasDate = true;
            match->Date = date;
        }
        double time = 0;
        if (ParseTimeText(Cell(row, column(ImportTime)), time)) {
            match->HasTime = true;
            match->Time = time;
        }
        int attendance = 0;
        if (WholeNumber(Cell(row, column(ImportAttendance)), attendance) && attendance >= 0)
            match->Attendance = attendance;
        if (column(ImportComments) >= 0) match->Comments = Cell(row, column(ImportComments));
        double gf = 0, ga = 0;
        if (ScoreNumber(Cell(row, column(ImportGoalsFor)), halves, gf) &&
            ScoreNumber(Cell(row, column(ImportGoalsAgainst)), halves, ga)) {
            match->HomeScore = gf;
            match->VisitorScore = ga;
            match->Played = true;
        } else if (const QString score = Cell(row, column(ImportScore)); !score.isEmpty()) {
            const TCheckResult check =
                ValidateScoreText(t.Sport, score, t.Overtime, t.ShootOuts, syntax);
            const TSetScoreResult stored =
                check.Ok ? match->SetScoreText(score, visitorFirst, syntax) : TSetScoreResult{};
            if (!check.Ok || !stored.Ok) {
                fail(Fmt(LangText(11556, "'%s' is not a valid score"), score));
                continue;
            }
        }
        if (const QString cell = Cell(row, column(ImportForfeit)); !cell.isEmpty()) {
            int forfeit = 0;
            if (!ParseForfeit(cell, forfeit)) {
                fail(
                    Fmt(LangText(11572, "'%s' does not say which team forfeited (home or visitor)"),
                        cell));
                continue;
            }
            // A forfeit keeps a score given in the row, else takes the tournament's forfeit score;
            // a given score may not favour the team that forfeited.
            if (match->Played && forfeit != 0 &&
                (forfeit == 1 ? match->HomeScore > match->VisitorScore
                              : match->VisitorScore > match->HomeScore)) {
                fail(Fmt(LangText(11577, "The score %s favours the team that forfeited"),
                         Cell(row, column(ImportScore))));
                continue;
            }
            if (forfeit == 0) {
                // no forfeit
            } else if (!match->Played) {
                match->HomeScore = forfeit == 1 ? t.ForfeitLossScore : t.ForfeitWinScore;
                match->VisitorScore = forfeit == 1 ? t.ForfeitWinScore : t.ForfeitLossScore;
                match->Played = true;
            }
            if (forfeit != 0) {
                match->TechnicalLoss = static_cast<quint8>(forfeit);
                match->DecidedIn = 0;
            }
        }
        if (const QString cell = Cell(row, column(ImportDecided));
            !cell.isEmpty() && !match->IsForfeited()) {
            int decided = 0;
            if (!ParseDecidedIn(cell, t.Sport, decided)) {
                fail(Fmt(LangText(11573, "'%s' is not a way a match is decided"), cell));
                continue;
            }
            if (decided > 0 && !match->Played) {
                fail(Fmt(LangText(11574, "'%s' needs a score"), cell));
                continue;
            }
            if ((decided >= 1 && !t.Overtime) || (decided == 2 && !t.ShootOuts)) {
                fail(decided == 1 ? LangText(11575, "The tournament has no overtime")
                                  : LangText(11576, "The tournament has no shoot-outs"));
                continue;
            }
            // A shoot-out has a winner, one goal ahead in the final score; a level score after
            // overtime only where the sport knows draws.
            const bool level = match->HomeScore == match->VisitorScore;
            const int s = NormalizeSport(t.Sport);
            const bool drawsAfterOvertime =
                s == SportHockey || s == SportBandy || IsSoccerFamily(s);
            if (level && (decided == 2 || (decided == 1 && !drawsAfterOvertime))) {
                fail(Fmt(LangText(11578, "'%s' does not fit a level score"), cell));
                continue;
            }
            match->DecidedIn = static_cast<quint8>(decided);
        }
        // Stadium and referee: found now, added to the lists only when the match is added.
        const QString stadiumCell = Cell(row, column(ImportStadium));
        const int knownStadium = stadiumCell.isEmpty() ? -1 : t.StadiumIdByName(stadiumCell);
        const bool newStadium = knownStadium < 0 && options.AddStadiums && !stadiumCell.isEmpty();
        if (knownStadium >= 0)
            match->StadiumId = knownStadium;
        else if (!newStadium && options.AssignHomeStadiums)
            match->StadiumId = home->HomeStadiumId;
        const QString refereeCell =
            options.AddReferees ? Cell(row, column(ImportReferee)) : QString();
        const int knownReferee = refereeCell.isEmpty() ? -1 : t.RefereeIdByName(refereeCell);
        if (knownReferee >= 0) match->AddReferee(knownReferee);
        const bool newReferee = !refereeCell.isEmpty() && knownReferee < 0;
        if (match->IsEmpty(true) && !newStadium && !newReferee) {
            fail(LangText(11557, "The row does not contain any information"));
            continue;
        }
        TMatch* added = match.get();
        if (!t.AddMatch(match)) {
            fail(LangText(11559, "Failed to import row..."));
            continue;
        }
        if (newStadium) added->StadiumId = t.AddStadium(stadiumCell, QString(), QString(), -1);
        if (newReferee) added->AddReferee(t.AddReferee(refereeCell, QString(), QString(), -1));
        row.Status = TRowStatus::Imported;
        row.Message = LangText(11558, "Row has been successfully imported");
        ++counts.Added;
    }
    if (counts.Added > 0) t.IsModified = true;
    return counts;
}

bool SaveImportScheme(const QString& path, const std::vector<int>& kinds, QString& error) {
    QByteArray bytes;
    for (const int k : kinds) {
        bytes += QByteArray::number(k >= ImportNumber && k <= kLastImportKind ? k : -1);
        bytes += ' ';
    }
    bytes += "\r\n";
    QDir().mkpath(QFileInfo(path).absolutePath());
    const TIoResult r = WriteFileAtomic(path, bytes);
    error = r.Message;
    return r.Ok;
}

bool LoadImportScheme(const QString& path, int columns, std::vector<int>& kinds, QString& error) {
    kinds.clear();
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes)) {
        error = LangText(11564, "Error opening scheme");
        return false;
    }
    return ParseImportScheme(bytes, columns, kinds, error);
}

bool ParseImportScheme(const QByteArray& bytes, int columns, std::vector<int>& kinds,
                       QString& error) {
    kinds.clear();
    TTextReader r(bytes);
    while (static_cast<int>(kinds.size()) < columns) {
        int k = 0;
        if (!r.ReadInt(k)) {
            if (r.OnlyBlanksLeft()) break;
            error = LangText(11564, "Error opening scheme");
            return false;
        }
        kinds.push_back(k >= ImportNumber && k <= kLastImportKind ? k : ImportNone);
    }
    return true;
}

} // namespace kv
