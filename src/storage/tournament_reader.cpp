#include "storage/tournament_file.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "model/gmatch.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/format_reader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <new>

namespace kv {

namespace {

int ValidSport(double value) {
    return value >= 0 && value <= 12 && value == static_cast<int>(value) ? static_cast<int>(value)
                                                                         : 0;
}

struct TTableRecord {
    QString Name;
    int Id = -1;
    int ConferenceId = -1;
    int Legs = 1;
    std::vector<TPlaceFont> Places;
};

TTableRecord ReadTableRecord(TFormatReader& r, const TGroupStyle& style) {
    TTableRecord rec;
    rec.Name = r.Line();
    rec.Id = r.Int();
    rec.ConferenceId = r.Int();
    rec.Legs = r.Int();
    if (rec.Legs < 0 || rec.Legs > 16) r.Fail();
    const int places = r.Count();
    r.EndLine();
    for (int i = 0; i < places; ++i) {
        TPlaceFont p = TPlaceFont::FromFont(style.Font);
        p.HasFont = r.Bool();
        p.HasColor = r.Bool();
        p.Color = r.Int();
        r.EndLine();
        if (p.HasFont) p.UpperCase = r.ShortFont(p.Font);
        rec.Places.push_back(p);
    }
    return rec;
}

void Apply(const TTableRecord& rec, TGroup& g) {
    g.Id = rec.Id;
    g.ConferenceId = rec.ConferenceId;
    g.Legs = rec.Legs;
    g.Name = rec.Name;
    g.PlaceFonts = rec.Places;
}

std::vector<TTableColumn> ReadColumns(TFormatReader& r) {
    std::vector<TTableColumn> columns;
    const int n = r.Count();
    r.EndLine();
    for (int i = 0; i < n; ++i) {
        TTableColumn c;
        c.PositionIndex = r.Int();
        c.Id = r.Int();
        c.Width = r.Real();
        r.EndLine();
        if (c.Id >= 0 && c.Id < kColumnCount) columns.push_back(c);
    }
    return columns;
}

void ReadMatch(TFormatReader& r, TMatch& m) {
    // Line 1 holds 22 values; the usual file has them on one line and is read in one go.
    double v[22];
    if (!r.NumbersOnLine(v, 22)) {
        v[0] = r.Int();
        v[1] = r.Real();
        v[2] = r.Real();
        for (int i = 3; i < 13; ++i)
            v[i] = r.Int();
        v[13] = r.Real();
        v[14] = r.Int();
        v[15] = r.Real();
        for (int i = 16; i < 22; ++i)
            v[i] = r.Int();
    }
    m.Id = r.IntOf(v[0]);
    m.HomeScore = v[1];
    m.VisitorScore = v[2];
    m.HomeTeamId = r.IntOf(v[3]);
    m.VisitorTeamId = r.IntOf(v[4]);
    m.Played = v[5] == 1;
    m.Leg = r.IntOf(v[6]);
    const int forfeit = r.IntOf(v[7]);
    m.TechnicalLoss = static_cast<quint8>(forfeit == 1 || forfeit == 2 ? forfeit : 0);
    const int decided = r.IntOf(v[8]);
    m.DecidedIn = static_cast<quint8>(decided == 1 || decided == 2 ? decided : 0);
    m.GridPosition = r.IntOf(v[9]);
    m.Number = r.IntOf(v[10]);
    m.Matchday = r.IntOf(v[11]);
    m.HasDate = v[12] == 1;
    m.Date = v[13];
    m.HasTime = v[14] == 1;
    m.Time = v[15];
    m.Attendance = r.IntOf(v[16]);
    m.HasTemperature = v[17] == 1;
    m.Temperature = r.IntOf(v[18]);
    m.StadiumId = r.IntOf(v[19]);
    const int referees = r.IntOf(v[20]);
    const int comments = r.IntOf(v[21]);
    if (referees < 0 || comments < 0) r.Fail();
    r.EndLine();
    if (m.HasPeriodList() && m.Played) {
        auto* g = static_cast<TGMatch*>(&m);
        const int periods = r.Count();
        r.EndLine();
        for (int i = 0; i < periods; ++i) {
            double pair[2];
            if (!r.NumbersOnLine(pair, 2)) {
                pair[0] = r.Int();
                pair[1] = r.Int();
            }
            g->AddPeriod(r.IntOf(pair[0]), r.IntOf(pair[1]));
            r.EndLine();
        }
    }
    for (int i = 0; i < referees; ++i) {
        const int id = r.Int();
        if (m.RefereeIds.size() < 5) m.RefereeIds << id;
    }
    r.EndLine();
    m.Comments = r.Lines(comments);
}

// Every table keeps one place font per team, whatever the file said.
void MatchPlaceFonts(TGroup& g) {
    while (g.PlaceFonts.size() < static_cast<size_t>(g.TeamCount()))
        g.AddPlaceFont();
    while (g.PlaceFonts.size() > static_cast<size_t>(g.TeamCount()))
        g.DropLastPlaceFont();
}

// The table a tie-order record names: 0 the joint table, 1 a group, 2 a conference's table.
TGroup* RecordTable(TTournament& t, int kind, int id) {
    if (kind == KindJoint) return &t.JointTable();
    if (kind == KindGroup) return t.GroupById(id);
    if (kind == KindConference) {
        TConference* c = t.ConferenceById(id);
        return c ? c->Table() : nullptr;
    }
    return nullptr;
}

// What newer writers add after the comments, each part behind a title line of its own and
// written only when it holds something; older files end with the comments. A part this
// reader does not know ends the reading.
void ReadAdditions(TFormatReader& r, TTournament& t) {
    while (!r.AtEnd()) {
        const QByteArrayView title = r.LineBytes();
        if (title != QByteArrayView(kTieOrderTitle)) return;
        const int records = r.Count();
        r.EndLine();
        for (int i = 0; i < records; ++i) {
            const int kind = r.Int();
            const int id = r.Int();
            const int teams = r.Count();
            r.EndLine();
            std::vector<int> order;
            for (int k = 0; k < teams; ++k)
                order.push_back(r.Int());
            r.EndLine();
            if (TGroup* table = RecordTable(t, kind, id)) table->TieOrder = std::move(order);
        }
    }
}

void ReadBody(TFormatReader& r, TTournament& t) {
    t.Name = r.Line();
    // Rules line: every value is read as a real.
    t.Sport = ValidSport(r.Real());
    const int groups = r.RealAsInt();
    const int conferences = r.RealAsInt();
    if (groups < 0 || conferences < 0 || groups > kMaxTeams || conferences > kMaxTeams)
        r.Fail(); // each holds a team
    t.InterConferenceLegs = r.RealAsInt();
    t.GroupLegs = r.RealAsInt();
    t.ConferenceLegs = r.RealAsInt();
    // Legs beyond what the sport allows would make every per-leg table and list huge.
    const int maxLegs = MaxLegs(t.Sport);
    if (t.GroupLegs < 0 || t.GroupLegs > maxLegs || t.ConferenceLegs < 0 ||
        t.ConferenceLegs > maxLegs || t.InterConferenceLegs < 0 || t.InterConferenceLegs > maxLegs)
        r.Fail();
    t.Created = r.Real();
    t.Overtime = r.Real() == 1 || t.Sport == SportBasketball;
    t.ShootOuts = r.Real() == 1;
    t.WinPoints = r.Real();
    t.DrawPoints = r.Real();
    t.LossPoints = r.Real();
    t.WinOTPoints = r.Real();
    r.Real(); // the draw points again
    t.LossOTPoints = r.Real();
    t.WinSOPoints = r.Real();
    t.LossSOPoints = r.Real();
    t.ForfeitLossScore = r.Real();
    t.ForfeitWinScore = r.Real();
    t.ForfeitPenalty = r.Real();
    t.LastMatchId = r.RealAsInt();
    // Ranking options, written by newer writers only when one is set: 1 ranks head-to-head
    // among the teams still level.
    if (r.MoreOnLine()) t.HeadToHeadStillLevel = r.RealAsInt() == 1;
    r.EndLine();
    // View line: six values, or nine from newer writers.
    t.View.Results = r.Bool();
    t.View.Standings = r.Bool();
    t.View.HStandings = r.Bool();
    t.View.AStandings = r.Bool();
    const int alignment = r.Int();
    if (alignment >= 0 && alignment <= 3) t.View.Alignment = alignment;
    const int mode = r.Int();
    if (mode >= 0 && mode <= 2) t.View.TableMode = mode;
    if (r.MoreOnLine()) {
        t.View.ShowSymbol = r.Bool();
        t.View.ShowCity = r.Bool();
        t.View.ShowCountry = r.Bool();
    }
    r.EndLine();
    const int units = r.Int();
    t.Dimensions.Units = units == UnitsCentimetres || units == UnitsInches ? units : UnitsPixels;
    t.Dimensions.RowHeight = r.Real();
    t.Dimensions.LineFactor = std::clamp(r.Real(), 0.1, 10.0); // of the row height
    t.Dimensions.PlaceWidth = r.Real();
    t.Dimensions.TeamWidth = r.Real();
    t.Dimensions.ScoreWidth = r.Real();
    r.EndLine();
    t.Columns = ReadColumns(r);
    t.SpareColumns = ReadColumns(r);
    const int criteria = r.Count();
    t.RankLeadersUp = r.Bool();
    r.EndLine();
    t.SortCriteria.clear();
    for (int i = 0; i < criteria; ++i) {
        const int column = r.Int();
        const int scope = r.Int();
        const bool descending = r.Bool();
        r.EndLine();
        TSortColumn c = MakeCriterion(
            column, scope >= ScopeOverall && scope <= ScopeAway ? scope : ScopeOverall, t.Sport,
            descending);
        if (scope == ScopeAway)
            c.Name = ColumnFullName(column, t.Sport, false, false) + QLatin1Char(' ') +
                     LangText(5101, "Away from Home");
        // A criterion given twice decides nothing the second time; one of no column decides
        // nothing at all.
        const bool twice =
            std::any_of(t.SortCriteria.begin(), t.SortCriteria.end(), [&](const TSortColumn& x) {
                return x.Column == c.Column && x.Scope == c.Scope;
            });
        if (!twice && IsRankingColumn(column)) t.SortCriteria.push_back(c);
    }
    const int fixtureColumns = r.Count();
    r.EndLine();
    t.FixtureColumns.clear();
    for (int i = 0; i < fixtureColumns; ++i)
        t.FixtureColumns.push_back(r.Int());
    r.EndLine();
    // Style of the joint table, shared by every table on loading.
    TGroupStyle& style = t.JointTable().Style;
    style.HasBGColor = r.Bool();
    style.BGColor = r.Int();
    style.Transparent = r.Bool();
    style.BorderColor = r.Int();
    style.BoldBorders = r.Bool();
    style.HasHeaderBGColor = r.Bool();
    style.HasHeaderFont = r.Bool();
    style.HeaderBGColor = r.Int();
    style.HasHResultsFont = r.Bool();
    style.Dividers = r.Bool();
    style.ShowAwayResults = r.Bool();
    style.MarkHomeMatches = r.Bool();
    style.HasResultsColors = r.Bool();
    for (TColor& c : style.ResultColors)
        c = r.Int();
    r.EndLine();
    style.Font = r.FullFont();
    style.HeaderFont = r.FullFont();
    style.HeaderSubFont = r.FullFont();
    style.ResultsFont = r.FullFont();
    if (t.GroupLegs == 1) style.MarkHomeMatches = false;
    Apply(ReadTableRecord(r, style), t.JointTable());
    t.JointTable().Name = LangText(5102, "Team");
    t.JointTable().Id = -1;
    t.JointTable().ConferenceId = -1;
    for (int i = 0; i < conferences; ++i) {
        const int id = r.Int();
        r.EndLine();
        const QString name = r.Line();
        TConference* c = t.AddConference(id, name, style);
        Apply(ReadTableRecord(r, style), *c->Table());
        c->Table()->Kind = KindConference;
    }
    for (int i = 0; i < groups; ++i) {
        auto g = std::make_unique<TGroup>(&t, QString(), t.GroupLegs, -1, i);
        g->Style = style;
        Apply(ReadTableRecord(r, style), *g);
        g->Kind = KindGroup;
        t.AddGroup(std::move(g));
    }
    t.SelectedGroups.clear();
    for (const auto& g : t.Groups())
        t.SelectedGroups.push_back(g->Id);
    const int teams = r.Count();
    if (teams > kMaxTeams) r.Fail();
    r.EndLine();
    for (int i = 0; i < teams; ++i) {
        const QString name = r.Line(TTeam::kNameCapacity);
        auto team = std::make_unique<TTeam>(&t, name, 0, -1, -1);
        team->Symbol = r.Line(TTeam::kSymbolCapacity);
        team->Country = r.Line(TTeam::kTextCapacity);
        team->City = r.Line(TTeam::kTextCapacity);
        team->MainCoach = r.Line(TTeam::kTextCapacity);
        team->President = r.Line(TTeam::kTextCapacity);
        team->Id = r.Int();
        team->GroupId = r.Int();
        team->OrderNumber = r.Int();
        team->AddedPoints = r.Real();
        team->AddedGoalsFor = r.Real();
        team->AddedGoalsAgainst = r.Real();
        team->FoundationYear = r.Int();
        team->HomeStadiumId = r.Int();
        team->SeparateFont = r.Bool();
        team->SeparateBackground = r.Bool();
        const TColor background = r.Int();
        r.EndLine();
        team->Font = style.Font;
        if (team->SeparateFont) team->UpperCase = r.ShortFont(team->Font);
        team->BackgroundColor = team->SeparateBackground ? background : style.BGColor;
        if (t.TeamById(team->Id)) r.Fail(); // two teams with one id cannot be told apart
        t.AddTeam(std::move(team), false);
    }
    const int matches = r.Count();
    r.EndLine();
    TPairLegIndex index;
    for (int i = 0; i < matches; ++i) {
        auto m = CreateMatch(t.Sport);
        ReadMatch(r, *m);
        t.AddMatch(m, &index); // a duplicate pair and leg, or an unknown team, is dropped
    }
    const int stadiums = r.Count();
    r.EndLine();
    for (int i = 0; i < stadiums; ++i) {
        TStadium s;
        s.Id = r.Int();
        s.Capacity = r.Int();
        r.EndLine();
        s.Name = r.Line();
        s.Country = r.Line();
        s.City = r.Line();
        t.Stadiums.push_back(s);
    }
    const int referees = r.Count();
    r.EndLine();
    for (int i = 0; i < referees; ++i) {
        TReferee p;
        p.Id = r.Int();
        p.BirthYear = r.Int();
        r.EndLine();
        p.Name = r.Line();
        p.Country = r.Line();
        p.City = r.Line();
        t.Referees.push_back(p);
    }
    const int commentLines = r.Count();
    r.EndLine();
    t.Comments = r.Lines(commentLines);
    ReadAdditions(r, t);
}

// Keeps only the spare columns the loaded tournament may show, and no shown column twice.
void SettleColumns(TTournament& t) {
    const TColumnContext context = TColumnContext::Of(t);
    std::vector<TTableColumn> spare;
    for (const TTableColumn& c : t.SpareColumns) {
        const bool shown = std::any_of(t.Columns.begin(), t.Columns.end(),
                                       [&](const TTableColumn& s) { return s.Id == c.Id; });
        const bool twice = std::any_of(spare.begin(), spare.end(),
                                       [&](const TTableColumn& s) { return s.Id == c.Id; });
        if (!shown && !twice && ColumnApplicable(c.Id, context)) spare.push_back(c);
    }
    t.SpareColumns = std::move(spare);
}

} // namespace

TIoResult ReadTournamentBytes(TTournament& t, const QByteArray& bytes, const QString& displayName) {
    TFormatReader r(bytes);
    try {
        if (r.LineBytes() != QByteArrayView(kTournamentMagic))
            return TIoResult::Failure(
                Fmt(LangText(5005, "File '%s' is not a valid Kelvorandine file"), displayName), 1);
        if (r.LineBytes() != QByteArrayView(kTournamentVersion))
            return TIoResult::Failure(
                Fmt(LangText(5004, "File '%s' was created in a newer version of the program"),
                    displayName),
                2);
        ReadBody(r, t);
    } catch (const TFormatError& e) {
        return TIoResult::Failure(LangText(5105, "Error opening tournament. Wrong file format"),
                                  e.Line);
    } catch (const std::bad_alloc&) { // what the file asks for does not fit in memory
        return TIoResult::Failure(LangText(5105, "Error opening tournament. Wrong file format"),
                                  r.LineNumber());
    }
    SettleColumns(t);
    for (TGroup* table : t.AllTables())
        MatchPlaceFonts(*table);
    RecomputeAll(t);
    return TIoResult::Success();
}

TIoResult ReadTournament(TTournament& t, QIODevice& in, const QString& displayName) {
    const QByteArray bytes = in.readAll();
    return ReadTournamentBytes(t, bytes, displayName);
}

TIoResult LoadTournament(TTournament& t, const QString& path) {
    QByteArray bytes;
    const QFileInfo info(path);
    if (const TIoResult read = ReadFileBytes(path, bytes); !read)
        return info.size() > kMaxInputFileBytes
                   ? read
                   : TIoResult::Failure(
                         LangText(5105, "Error opening tournament. Wrong file format"));
    TIoResult r = ReadTournamentBytes(t, bytes, info.fileName());
    t.FileName = path;
    t.SavedAt = info.exists() ? DateTimeToDays(info.lastModified()) : NowDays();
    return r;
}

bool ReadIdentity(const QString& path, QString& name, int& sport) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QByteArray head;
    for (int i = 0; i < 4 && !f.atEnd(); ++i)
        head += f.readLine(1 << 20);
    TFormatReader r(head);
    try {
        r.Line();
        r.Line();
        name = r.Line();
        sport = ValidSport(r.Real());
    } catch (const TFormatError&) {
        return false;
    }
    return true;
}

TIoResult RenameInFile(const QString& path, const QString& newName) {
    if (!QFileInfo::exists(path))
        return TIoResult::Failure(Fmt(LangText(5100, "File not found: %s"), path));
    TTournament t(TTournamentDefaults::FromSettings());
    const TIoResult loaded = LoadTournament(t, path);
    if (!loaded) return loaded;
    t.Name = newName;
    return SaveTournament(t);
}

} // namespace kv
