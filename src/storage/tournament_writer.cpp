#include "storage/tournament_file.h"

#include "base/formats.h"
#include "base/preferences.h"
#include "base/textwriter.h"
#include "model/gmatch.h"

#include <QRegularExpression>

namespace kv {

namespace {

void WriteFullFont(TTextWriter& w, const TFontData& f) {
    w.Line(f.Name);
    w.Int(f.Charset)
        .Int(f.Size)
        .Int(f.Color)
        .Bool(f.Bold)
        .Bool(f.Italic)
        .Bool(f.Underline)
        .Bool(f.StrikeOut);
    w.EndLine();
}

void WriteShortFont(TTextWriter& w, bool upperCase, const TFontData& f) {
    w.Bool(upperCase).Int(f.Color).Bool(f.Bold).Bool(f.Italic).Bool(f.Underline).Bool(f.StrikeOut);
    w.EndLine();
}

void WriteStyle(TTextWriter& w, const TGroupStyle& s) {
    w.Bool(s.HasBGColor).Int(s.BGColor).Bool(s.Transparent).Int(s.BorderColor).Bool(s.BoldBorders);
    w.Bool(s.HasHeaderBGColor).Bool(s.HasHeaderFont).Int(s.HeaderBGColor).Bool(s.HasHResultsFont);
    w.Bool(s.Dividers).Bool(s.ShowAwayResults).Bool(s.MarkHomeMatches).Bool(s.HasResultsColors);
    for (const TColor c : s.ResultColors)
        w.Int(c);
    w.EndLine();
    WriteFullFont(w, s.Font);
    WriteFullFont(w, s.HeaderFont);
    WriteFullFont(w, s.HeaderSubFont);
    WriteFullFont(w, s.ResultsFont);
}

void WriteTable(TTextWriter& w, const TGroup& g) {
    w.Line(g.Name);
    w.EmptyLine();
    w.EmptyLine();
    w.Int(g.Id).Int(g.ConferenceId).Int(g.Legs).Int(static_cast<qint64>(g.PlaceFonts.size()));
    w.EndLine();
    for (const TPlaceFont& p : g.PlaceFonts) {
        w.Bool(p.HasFont).Bool(p.HasColor).Int(p.Color);
        w.EndLine();
        if (p.HasFont) WriteShortFont(w, p.UpperCase, p.Font);
    }
}

void WriteColumns(TTextWriter& w, const std::vector<TTableColumn>& columns) {
    w.Int(static_cast<qint64>(columns.size()));
    w.EndLine();
    for (const TTableColumn& c : columns) {
        w.Int(c.PositionIndex).Int(c.Id).Real(c.Width);
        w.EndLine();
    }
}

// Multi-line text: the number of lines, then the lines. Any line break counts.
void WriteMultiLine(TTextWriter& w, const QString& text, bool countOnOwnLine) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(breaks);
    if (countOnOwnLine) {
        w.Int(lines.size());
        w.EndLine();
    }
    for (const QString& line : lines)
        w.Line(line);
}

qsizetype CommentLineCount(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks).size();
}

void WriteTeam(TTextWriter& w, const TTeam& t) {
    w.Line(t.Name);
    w.Line(t.Symbol);
    w.Line(t.Country);
    w.Line(t.City);
    w.Line(t.MainCoach);
    w.Line(t.President);
    w.Int(t.Id)
        .Int(t.GroupId)
        .Int(t.OrderNumber)
        .Real(t.AddedPoints)
        .Real(t.AddedGoalsFor)
        .Real(t.AddedGoalsAgainst);
    w.Int(t.FoundationYear)
        .Int(t.HomeStadiumId)
        .Bool(t.SeparateFont)
        .Bool(t.SeparateBackground)
        .Int(t.BackgroundColor);
    w.EndLine();
    if (t.SeparateFont) WriteShortFont(w, t.UpperCase, t.Font);
}

void WriteMatch(TTextWriter& w, const TMatch& m) {
    w.Int(m.Id).Real(m.HomeScore).Real(m.VisitorScore).Int(m.HomeTeamId).Int(m.VisitorTeamId);
    w.Bool(m.Played).Int(m.Leg).Int(m.TechnicalLoss).Int(m.DecidedIn).Int(m.GridPosition);
    w.Int(m.Number).Int(m.Matchday).Bool(m.HasDate).Real(m.Date).Bool(m.HasTime).Real(m.Time);
    w.Int(m.Attendance).Bool(m.HasTemperature).Int(m.Temperature).Int(m.StadiumId);
    w.Int(m.RefereeCount()).Int(CommentLineCount(m.Comments));
    w.EndLine();
    if (const auto* g = dynamic_cast<const TGMatch*>(&m); g && m.Played) {
        w.Int(g->PeriodCount());
        w.EndLine();
        for (int i = 0; i < g->PeriodCount(); ++i) {
            w.Int(g->HomePeriods[i]).Int(g->VisitorPeriods[i]);
            w.EndLine();
        }
    }
    for (const int id : m.RefereeIds) {
        w.Raw(QByteArray::number(id).constData());
        w.Raw(" ");
    }
    w.EndLine();
    WriteMultiLine(w, m.Comments, false);
}

// The recorded orders of level teams, after the comments and only when a table has one.
void WriteTieOrders(TTextWriter& w, const TTournament& t) {
    struct TRecord {
        int Kind;
        int Id;
        const TGroup* Table;
    };
    std::vector<TRecord> records;
    if (!t.JointTable().TieOrder.empty()) records.push_back({KindJoint, -1, &t.JointTable()});
    for (const auto& c : t.Conferences())
        if (!c->Table()->TieOrder.empty()) records.push_back({KindConference, c->Id, c->Table()});
    for (const auto& g : t.Groups())
        if (!g->TieOrder.empty()) records.push_back({KindGroup, g->Id, g});
    if (records.empty()) return;
    w.Line(QString::fromLatin1(kTieOrderTitle));
    w.Int(static_cast<qint64>(records.size()));
    w.EndLine();
    for (const auto& [kind, id, table] : records) {
        w.Int(kind).Int(id).Int(static_cast<qint64>(table->TieOrder.size()));
        w.EndLine();
        for (const int team : table->TieOrder) {
            w.Raw(QByteArray::number(team).constData());
            w.Raw(" ");
        }
        w.EndLine();
    }
}

} // namespace

QByteArray TournamentBytes(const TTournament& t) {
    TTextWriter w;
    w.Line(QString::fromLatin1(kTournamentMagic));
    w.Line(QString::fromLatin1(kTournamentVersion));
    w.Line(t.Name);
    w.Int(t.Sport)
        .Int(static_cast<qint64>(t.Groups().size()))
        .Int(static_cast<qint64>(t.Conferences().size()));
    w.Int(t.InterConferenceLegs).Int(t.GroupLegs).Int(t.ConferenceLegs).Real(t.Created);
    w.Bool(t.Overtime).Bool(t.ShootOuts).Real(t.WinPoints).Real(t.DrawPoints).Real(t.LossPoints);
    w.Real(t.WinOTPoints)
        .Real(t.DrawPoints)
        .Real(t.LossOTPoints)
        .Real(t.WinSOPoints)
        .Real(t.LossSOPoints);
    w.Real(t.ForfeitLossScore).Real(t.ForfeitWinScore).Real(t.ForfeitPenalty).Int(t.LastMatchId);
    if (t.HeadToHeadStillLevel)
        w.Int(1); // ranking options; absent while none is set, so older files stay as they were
    w.EndLine();
    const TTableView& v = t.View;
    w.Bool(v.Results).Bool(v.Standings).Bool(v.HStandings).Bool(v.AStandings).Int(v.Alignment);
    w.Int(v.TableMode).Bool(v.ShowSymbol).Bool(v.ShowCity).Bool(v.ShowCountry);
    w.EndLine();
    const TTableDimensions& d = t.Dimensions;
    w.Int(d.Units)
        .Real(d.RowHeight)
        .Real(d.LineFactor)
        .Real(d.PlaceWidth)
        .Real(d.TeamWidth)
        .Real(d.ScoreWidth);
    w.EndLine();
    WriteColumns(w, t.Columns);
    WriteColumns(w, t.SpareColumns);
    w.Int(static_cast<qint64>(t.SortCriteria.size())).Bool(t.RankLeadersUp);
    w.EndLine();
    for (const TSortColumn& c : t.SortCriteria) {
        w.Int(c.Column).Int(c.Scope).Bool(c.Descending);
        w.EndLine();
    }
    w.Int(static_cast<qint64>(t.FixtureColumns.size()));
    w.EndLine();
    for (const int id : t.FixtureColumns) {
        w.Raw(QByteArray::number(id).constData());
        w.Raw(" ");
    }
    w.EndLine();
    WriteStyle(w, t.JointTable().Style);
    WriteTable(w, t.JointTable());
    for (const auto& c : t.Conferences()) {
        w.Int(c->Id);
        w.EndLine();
        w.Line(c->Name);
        WriteTable(w, *c->Table());
    }
    for (const auto& g : t.Groups())
        WriteTable(w, *g);
    w.Int(t.TeamCount());
    w.EndLine();
    for (const TTeam* team : t.JointTable().Teams())
        WriteTeam(w, *team);
    w.Int(t.MatchCount());
    w.EndLine();
    for (const TMatch* m : t.JointTable().Matches())
        WriteMatch(w, *m);
    w.Int(static_cast<qint64>(t.Stadiums.size()));
    w.EndLine();
    for (const TStadium& s : t.Stadiums) {
        w.Int(s.Id).Int(s.Capacity);
        w.EndLine();
        w.Line(s.Name);
        w.Line(s.Country);
        w.Line(s.City);
    }
    w.Int(static_cast<qint64>(t.Referees.size()));
    w.EndLine();
    for (const TReferee& r : t.Referees) {
        w.Int(r.Id).Int(r.BirthYear);
        w.EndLine();
        w.Line(r.Name);
        w.Line(r.Country);
        w.Line(r.City);
    }
    WriteMultiLine(w, t.Comments, true);
    WriteTieOrders(w, t);
    return w.TakeData();
}

TIoResult WriteTournament(const TTournament& t, QIODevice& out) {
    const QByteArray bytes = TournamentBytes(t);
    if (out.write(bytes) != bytes.size()) return TIoResult::Failure(out.errorString());
    return TIoResult::Success();
}

TIoResult SaveTournament(TTournament& t, const QString& path, bool backup) {
    const double previous = t.SavedAt;
    t.SavedAt = NowDays();
    const TIoResult r = WriteFileAtomic(
        path, TournamentBytes(t), backup ? ChangeFileExt(path, QStringLiteral(".bak")) : QString());
    if (!r) {
        t.SavedAt = previous;
        return r;
    }
    t.IsModified = false;
    return r;
}

TIoResult SaveTournament(TTournament& t) {
    return SaveTournament(t, t.FileName, PrefBackup());
}

} // namespace kv
