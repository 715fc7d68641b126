#include "storage/legacy_import.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "model/gmatch.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/format_reader.h"
#include "storage/tournament_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kv {

namespace {

void StartTournament(TTournament& t, const QString& name, int sport, int legs) {
    t.Name = name;
    t.Sport = NormalizeSport(sport);
    const TPointsDefaults d = PointsDefaults(t.Sport);
    t.WinPoints = d.Win;
    t.DrawPoints = d.Draw;
    t.LossPoints = d.Loss;
    t.WinOTPoints = d.WinOT;
    t.LossOTPoints = d.LossOT;
    t.WinSOPoints = d.WinSO;
    t.LossSOPoints = d.LossSO;
    t.ForfeitLossScore = d.ForfeitLossScore;
    t.ForfeitWinScore = d.ForfeitWinScore;
    t.ForfeitPenalty = d.Penalty;
    t.Overtime = d.Overtime;
    t.GroupLegs = legs;
    t.ConferenceLegs = 0;
    t.InterConferenceLegs = 0;
    t.JointTable().Legs = legs;
    t.Dimensions = TTableDimensions::FromSettings(t.Sport);
    t.View.TableMode = TableModeGroups;
}

int CheckedLegs(TFormatReader& r, int legs) {
    if (legs < 1 || legs > 16) r.Fail();
    return legs;
}

// ---- 2.x

void ReadVersion2(TFormatReader& r, TTournament& t, const QString& name, int sport) {
    r.Line(); // "Table"
    r.Line();
    const int groups = r.Int();
    const int legs = CheckedLegs(r, r.Int());
    StartTournament(t, name, sport, legs);
    t.WinPoints = r.Int();
    t.DrawPoints = r.Int();
    t.LossPoints = r.Int();
    for (int i = 0; i < 3; ++i)
        r.Int();
    r.EndLine();
    t.WinOTPoints = 2;
    t.LossOTPoints = 1;
    t.WinSOPoints = 2;
    t.LossSOPoints = 1;
    t.View.Results = true;
    t.View.Standings = true;
    TGroupStyle& style = t.JointTable().Style;
    style.ShowAwayResults = true;
    style.BoldBorders = false;
    style.Dividers = true;
    const int main = t.Sport == SportBasketball || t.Sport == SportUSFootball ? kColumnPercentage
                                                                              : kColumnPoints;
    t.SortCriteria = {MakeCriterion(main, ScopeOverall, t.Sport, true),
                      MakeCriterion(kColumnGoalDifference, ScopeOverall, t.Sport, true),
                      MakeCriterion(kColumnGoalsFor, ScopeOverall, t.Sport, true)};
    if (groups < 1 || groups > kMaxTeams) r.Fail(); // every group holds a team
    std::vector<int> sizes;
    int teams = 0;
    for (int g = 0; g < groups; ++g) {
        const int n = r.Count();
        teams += std::min(n, kMaxTeams + 1);
        if (teams > kMaxTeams) r.Fail();
        sizes.push_back(n);
    }
    r.EndLine();
    struct TTriple {
        int Group, Home, Opponent, HomeScore, OpponentScore;
    };
    std::vector<TTriple> triples;
    int firstId = 0;
    for (int g = 0; g < groups; ++g) {
        const QString groupName = groups == 1 ? LangText(5106, "Team")
                                              : QStringLiteral("%1 %2").arg(LangText(5107, "Group"),
                                                                            QString::number(g + 1));
        t.AddGroup(groupName, legs, -1, g, style);
        for (int k = 0; k < sizes[static_cast<size_t>(g)]; ++k) {
            const QString teamName = r.Line(TTeam::kNameCapacity);
            const int groupNumber = r.Int();
            const int number = r.Int();
            r.EndLine();
            if (groupNumber != g + 1 || number < 1 || number > sizes[static_cast<size_t>(g)])
                r.Fail();
            const int id = firstId + number - 1;
            if (t.TeamById(id)) r.Fail();
            t.AddTeam(teamName, number, g, id, true);
            while (r.MoreOnLine()) {
                const int opponent = r.Int();
                const int own = r.Int();
                const int theirs = r.Int();
                triples.push_back({g, id, firstId + opponent - 1, own, theirs});
            }
            r.EndLine();
            r.EndLine();
        }
        firstId += sizes[static_cast<size_t>(g)];
    }
    TPairLegIndex index; // the pairs and legs added so far, looked up at once
    for (const TTriple& m : triples) {
        const TTeam* opponent = t.TeamById(m.Opponent);
        if (!opponent || opponent->GroupId != m.Group || m.Opponent == m.Home) r.Fail();
        const int leg = index.Contains(m.Home, m.Opponent, 1) ? 2 : 1;
        if (leg > t.GroupLegs) continue;
        auto match = CreateMatch(t.Sport, -1, m.Home, m.Opponent, leg);
        match->Played = true;
        match->GridPosition = 1;
        match->HomeScore = m.HomeScore;
        match->VisitorScore = m.OpponentScore;
        t.AddMatch(match, &index);
    }
}

// ---- 3.0

TFontData OldFont(TFormatReader& r) {
    TFontData f;
    f.Name = r.Line();
    f.Charset = r.Int();
    f.Size = r.Int();
    f.Color = r.Int();
    r.EndLine();
    f.Bold = r.Bool();
    f.Italic = r.Bool();
    f.Underline = r.Bool();
    f.StrikeOut = r.Bool();
    r.EndLine();
    return f;
}

void SkipLines(TFormatReader& r, qint64 count) {
    for (qint64 i = 0; i < count; ++i)
        r.LineBytes();
}

struct TCriterionCode {
    int Column;
    int Scope;
};

TCriterionCode MapOldCriterion(int code) {
    switch (code) {
    case 0:
        return {kColumnAmongThemPoints, ScopeOverall};
    case 1:
        return {kColumnAmongThemGoalDifference, ScopeOverall};
    case 2:
        return {kColumnAmongThemGoalsFor, ScopeOverall};
    case 3:
        return {kColumnAmongThemGoalsFor, ScopeAway};
    case 4:
        return {kColumnGoalDifference, ScopeOverall};
    case 5:
        return {kColumnGoalsFor, ScopeOverall};
    case 6:
        return {kColumnTotalWins, ScopeOverall};
    case 7:
        return {kColumnAmongThemWins, ScopeOverall};
    case 8:
        return {kColumnGoalsFor, ScopeAway};
    default:
        return {-1, ScopeOverall};
    }
}

void ReadVersion3(TFormatReader& r, TTournament& t, const QString& name, double created) {
    r.Line(); // "Pellagrund 3.0"
    r.Line(); // the old name; the import dialog supplies the name
    const int sport = SportOfOldCode(r.Int());
    const int groups = r.Int();
    const int legs = CheckedLegs(r, r.Int());
    StartTournament(t, name, sport, legs);
    t.Created = created;
    t.WinPoints = r.Int();
    t.DrawPoints = r.Int();
    t.LossPoints = r.Int();
    t.WinOTPoints = r.Int();
    r.Int();
    t.LossOTPoints = r.Int();
    t.ForfeitLossScore = r.Int();
    t.ForfeitPenalty = r.Int();
    const int codes = r.Count();
    std::vector<TSortColumn> criteria;
    for (int i = 0; i < codes; ++i) {
        const TCriterionCode c = MapOldCriterion(r.Int());
        if (c.Column >= 0) criteria.push_back(MakeCriterion(c.Column, c.Scope, t.Sport, true));
    }
    r.EndLine();
    for (int i = 0; i < 4; ++i)
        r.Int();
    const int referees = r.Count();
    const int stadiums = r.Count();
    r.Int();
    const bool noPoints = r.Int() == 1;
    r.EndLine();
    criteria.insert(criteria.begin(), MakeCriterion(noPoints ? kColumnPercentage : kColumnPoints,
                                                    ScopeOverall, t.Sport, true));
    t.SortCriteria = criteria;
    for (int i = 0; i < referees; ++i) {
        TReferee p;
        p.Id = r.Int();
        r.EndLine();
        p.Name = r.Line();
        p.Country = r.Line();
        p.City = r.Line();
        p.BirthYear = r.Int();
        r.EndLine();
        t.Referees.push_back(p);
    }
    for (int i = 0; i < stadiums; ++i) {
        TStadium s;
        s.Id = r.Int();
        r.EndLine();
        s.Name = r.Line();
        s.Country = r.Line();
        s.City = r.Line();
        s.Capacity = r.Int();
        r.EndLine();
        t.Stadiums.push_back(s);
    }
    t.View.Results = r.Bool();
    t.View.Standings = r.Bool();
    t.View.HStandings = r.Bool();
    t.View.AStandings = r.Bool();
    r.EndLine();
    TGroupStyle& style = t.JointTable().Style;
    style.ShowAwayResults = r.Bool();
    style.BoldBorders = r.Bool();
    r.Int();
    r.Int();
    r.EndLine();
    style.MarkHomeMatches = legs >= 2;
    style.Dividers = legs >= 2;
    int sizes[8];
    for (int& s : sizes)
        s = r.Int();
    r.EndLine();
    const int units = t.Dimensions.Units;
    t.Dimensions.RowHeight = ConvertUnits(sizes[0], UnitsPixels, units);
    t.Dimensions.PlaceWidth = ConvertUnits(sizes[1], UnitsPixels, units);
    t.Dimensions.TeamWidth = ConvertUnits(sizes[2], UnitsPixels, units);
    t.Dimensions.ScoreWidth = ConvertUnits(sizes[3], UnitsPixels, units);
    style.HasResultsColors = r.Bool();
    const TColor background = r.Int();
    const TColor headerBackground = r.Int();
    style.BorderColor = r.Int();
    const TColor win = r.Int();
    const TColor draw = r.Int();
    const TColor loss = r.Int();
    r.EndLine();
    style.HasBGColor = background != clBtnFace;
    if (style.HasBGColor) style.BGColor = background;
    style.HasHeaderBGColor = headerBackground != clBtnFace;
    if (style.HasHeaderBGColor) style.HeaderBGColor = headerBackground;
    style.ResultColors = {win, draw, loss, win, draw, loss, win, loss};
    style.Font = OldFont(r);
    style.HasHResultsFont = r.Bool();
    r.EndLine();
    if (style.HasHResultsFont) style.ResultsFont = OldFont(r);
    style.HasHeaderFont = r.Bool();
    r.EndLine();
    if (style.HasHeaderFont) style.HeaderFont = OldFont(r);
    SkipLines(r, 4);
    ResetColumns(t);
    const int widthColumns[4] = {kColumnPoints, kColumnPercentage, kColumnGoalsForAndAgainst,
                                 kColumnAverageGoalsForAndAgainst};
    for (int i = 0; i < 4; ++i)
        for (TTableColumn& c : t.Columns)
            if (c.Id == widthColumns[i]) c.Width = ConvertUnits(sizes[4 + i], UnitsPixels, units);
    if (groups < 1 || groups > kMaxTeams) r.Fail(); // every group holds a team
    TPairLegIndex index; // the pairs and legs added so far, looked up at once
    int nextTeamId = 0;
    for (int g = 0; g < groups; ++g) {
        const QString groupName = r.Line();
        const int n = r.Count();
        const int m = r.Count();
        r.EndLine();
        if (n > kMaxTeams - nextTeamId) r.Fail();
        TGroup* group = t.AddGroup(groupName, legs, -1, g, style);
        std::vector<TPlaceFont> places;
        for (int i = 0; i < n; ++i) {
            TPlaceFont p = TPlaceFont::FromFont(style.Font);
            p.HasFont = r.Bool();
            p.HasColor = r.Bool();
            p.Color = r.Int();
            r.EndLine();
            const TFontData f = OldFont(r);
            p.Font.Color = f.Color;
            p.Font.Bold = f.Bold;
            p.Font.Italic = f.Italic;
            p.Font.Underline = f.Underline;
            p.Font.StrikeOut = f.StrikeOut;
            places.push_back(p);
        }
        QHash<int, int> idByNumber;
        for (int i = 0; i < n; ++i) {
            const QString teamName = r.Line(TTeam::kNameCapacity);
            const int number = r.Int();
            auto team = std::make_unique<TTeam>(&t, teamName, nextTeamId, g, nextTeamId);
            team->AddedPoints = r.Real();
            team->AddedGoalsFor = r.Real();
            team->AddedGoalsAgainst = r.Real();
            r.EndLine();
            team->Country = r.Line(TTeam::kTextCapacity);
            team->City = r.Line(TTeam::kTextCapacity);
            team->MainCoach = r.Line(TTeam::kTextCapacity);
            team->President = r.Line(TTeam::kTextCapacity);
            SkipLines(r, 3);
            team->FoundationYear = r.Int();
            team->Enabled = r.Int() == 1;
            team->HomeStadiumId = r.Int();
            team->SeparateFont = r.Bool();
            team->SeparateBackground = r.Bool();
            const TColor color = r.Int();
            const int a = r.Count();
            const int b = r.Count();
            r.EndLine();
            const TFontData font = OldFont(r);
            team->Font = style.Font;
            team->Font.Color = font.Color;
            team->Font.Bold = font.Bold;
            team->Font.Italic = font.Italic;
            team->Font.Underline = font.Underline;
            team->Font.StrikeOut = font.StrikeOut;
            team->BackgroundColor = team->SeparateBackground ? color : style.BGColor;
            SkipLines(r, static_cast<qint64>(a) * 2);
            for (int k = 0; k < b; ++k) {
                r.LineBytes();
                team->AddedPoints -= r.Real();
                const int c = r.Count();
                r.EndLine();
                SkipLines(r, c);
            }
            if (idByNumber.contains(number)) r.Fail();
            idByNumber.insert(number, nextTeamId);
            t.AddTeam(std::move(team), true);
            if (static_cast<size_t>(i) < places.size())
                group->PlaceFonts.back() = places[static_cast<size_t>(i)];
            ++nextTeamId;
        }
        for (int i = 0; i < m; ++i) {
            const int homeNumber = r.Int();
            const int visitorNumber = r.Int();
            const bool played = r.Int() == 1;
            r.Int();
            const bool hasDate = r.Int() == 1;
            const bool hasTime = r.Int() == 1;
            const bool hasTemperature = r.Int() == 1;
            const int leg = r.Int();
            const int matchday = r.Int();
            const int date = r.Int();
            const int temperature = r.Int();
            const int stadium = r.Int();
            const bool forfeit = r.Int() == 1;
            const int attendance = r.Int();
            const int scoreLines = r.Count();
            const int commentLines = r.Count();
            const int x = r.Count();
            const int y = r.Count();
            r.EndLine();
            const QString timeText = r.Line().trimmed();
            const int home = idByNumber.value(homeNumber, -1);
            const int visitor = idByNumber.value(visitorNumber, -1);
            auto match = CreateMatch(t.Sport, -1, home, visitor, leg);
            match->Played = played;
            match->HasDate = hasDate;
            match->Date = hasDate ? date : 0;
            match->HasTemperature = hasTemperature;
            match->Temperature = temperature;
            match->Matchday = matchday == 0 ? -1 : matchday;
            match->StadiumId = stadium;
            match->Attendance = attendance;
            if (timeText != QLatin1String("0")) {
                double time = 0;
                if (!ParseRealToken(timeText.toLatin1(), time)) r.Fail();
                match->HasTime = true;
                match->Time = time;
            }
            (void)hasTime; // the time line itself says whether there is a time
            if (scoreLines >= 1) {
                double h = r.Int();
                double v = r.Int();
                r.EndLine();
                if (t.Sport == SportChess) {
                    h /= 2;
                    v /= 2;
                }
                match->HomeScore = h;
                match->VisitorScore = v;
                auto* g2 = dynamic_cast<TGMatch*>(match.get());
                for (int k = 1; k < scoreLines; ++k) {
                    const int ph = r.Int();
                    const int pv = r.Int();
                    r.EndLine();
                    if (g2) g2->AddPeriod(ph, pv);
                }
            }
            match->DecidedIn =
                static_cast<quint8>(t.Sport == SportHockey && scoreLines >= 5 ? 1 : 0);
            if (forfeit && played)
                match->TechnicalLoss =
                    static_cast<quint8>(match->HomeScore > match->VisitorScore   ? 2
                                        : match->HomeScore < match->VisitorScore ? 1
                                                                                 : 0);
            for (int k = 0; k < 4; ++k) {
                const int referee = r.Int();
                if (referee != -1) match->AddReferee(referee);
            }
            r.EndLine();
            QStringList lines;
            for (int k = 0; k < commentLines; ++k)
                lines << r.Line();
            match->Comments = lines.join(QStringLiteral("\r\n"));
            SkipLines(r, (static_cast<qint64>(x) + y) * 2);
            for (int k = 0; k < 2; ++k) {
                const int count = r.Count();
                r.EndLine();
                SkipLines(r, count);
            }
            // A match the tournament cannot hold (a team the group lacks, a team against itself,
            // a leg beyond the legs or taken already) makes the file unreadable.
            if (home < 0 || visitor < 0 || home == visitor || leg < 1 || leg > t.GroupLegs ||
                index.Contains(home, visitor, leg))
                r.Fail();
            match->GridPosition = group->ProposedGridPosition(home, visitor, leg, -1);
            if (match->GridPosition < 1) r.Fail();
            t.AddMatch(match, &index);
        }
    }
}

} // namespace

int SportOfOldCode(int code) {
    switch (code) {
    case 2:
        return SportFutsal;
    case 3:
        return SportHockey;
    case 4:
        return SportBandy;
    case 5:
        return SportBasketball;
    case 6:
        return SportVolleyball;
    case 7:
        return SportChess;
    default:
        return SportSoccer;
    }
}

bool ReadLegacyInfo(const QString& path, TLegacyInfo& info, QString& error) {
    QFile f(path);
    QByteArray head;
    if (!f.open(QIODevice::ReadOnly)) {
        info = TLegacyInfo{};
        error = Fmt(LangText(5100, "File not found: %s"), path);
        return false;
    }
    head = f.readLine(4096);
    head += f.readLine(4096);
    head += f.readLine(4096);
    TFormatReader r(head);
    info = TLegacyInfo{};
    try {
        const QByteArrayView first = r.LineBytes();
        if (first == QByteArrayView("Table")) {
            info.Kind = TLegacyKind::Version2;
            info.Name = QFileInfo(path).completeBaseName();
            info.Sport = SportSoccer;
        } else if (first == QByteArrayView("Pellagrund 3.0")) {
            info.Kind = TLegacyKind::Version3;
            info.Name = r.Line();
            info.Sport = SportOfOldCode(r.Int());
            info.SportFixed = true;
        }
    } catch (const TFormatError&) {
    }
    if (info.Kind == TLegacyKind::Unknown) {
        error = Fmt(LangText(609, "Wrong file format: %s"), path);
        return false;
    }
    return true;
}

TIoResult ImportLegacyBytes(TTournament& t, const QByteArray& bytes, TLegacyKind kind,
                            const QString& name, int sport, double created) {
    TFormatReader r(bytes);
    try {
        if (kind == TLegacyKind::Version2)
            ReadVersion2(r, t, name, sport);
        else if (kind == TLegacyKind::Version3)
            ReadVersion3(r, t, name, created);
        else
            r.Fail();
    } catch (const TFormatError& e) {
        return TIoResult::Failure(LangText(5105, "Error opening tournament. Wrong file format"),
                                  e.Line);
    }
    if (kind == TLegacyKind::Version2) ResetColumns(t);
    t.SpareColumns = SpareColumnsFor(t, t.Columns);
    t.SelectedGroups.clear();
    for (const auto& g : t.Groups())
        t.SelectedGroups.push_back(g->Id);
    if (t.Created == 0) t.Created = NowDays();
    return TIoResult::Success();
}

TIoResult ImportLegacyTournament(TTournament& t, const QString& path, TLegacyKind kind,
                                 const QString& name, int sport) {
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes))
        return TIoResult::Failure(Fmt(LangText(5100, "File not found: %s"), path));
    const QFileInfo info(path);
    return ImportLegacyBytes(t, bytes, kind, name, sport, DateTimeToDays(info.lastModified()));
}

TIoResult ImportLegacyFile(const QString& source, TLegacyKind kind, const QString& name, int sport,
                           const QString& target) {
    TTournament t(TTournamentDefaults::FromSettings());
    const TIoResult read = ImportLegacyTournament(t, source, kind, name, sport);
    if (!read) return read;
    RecomputeAll(t);
    QDir().mkpath(QFileInfo(target).absolutePath());
    return SaveTournament(t, target, false);
}

} // namespace kv
