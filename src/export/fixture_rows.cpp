#include "export/fixture_rows.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "standings/match_order.h"

#include <QHash>
#include <QLocale>

#include <algorithm>

namespace kv {

namespace {

struct TColumnInfo {
    int TextId;
    const char* Caption;
    int Width;
    TCellAlign Align;
};

constexpr TColumnInfo kColumns[kFixtureColumnCount] = {
    {5600, "Group", 85, TCellAlign::Left},       {5601, "No", 35, TCellAlign::Right},
    {5602, "Leg", 35, TCellAlign::Right},        {5603, "M'd", 45, TCellAlign::Right},
    {5604, "Date", 70, TCellAlign::Left},        {5605, "Time", 50, TCellAlign::Left},
    {5606, "Home Team", 110, TCellAlign::Left},  {5607, "Visitor Team", 110, TCellAlign::Left},
    {5608, "Score", 50, TCellAlign::Center},     {5609, "GF", 30, TCellAlign::Right},
    {5610, "GA", 30, TCellAlign::Right},         {5611, "Stadium", 70, TCellAlign::Left},
    {5612, "Attendance", 50, TCellAlign::Right}, {5613, "Referee", 70, TCellAlign::Left},
    {5614, "Comments", 70, TCellAlign::Left},    {5615, "Capacity", 50, TCellAlign::Right},
    {5616, "City", 70, TCellAlign::Left},        {5617, "Country", 70, TCellAlign::Left},
    {5618, "Conference", 70, TCellAlign::Left},
};

bool ValidColumn(int column) {
    return column >= 0 && column < kFixtureColumnCount;
}

QString NumberText(double v) {
    return FormatNumber(v, 0, 1);
}

int CompareText(const QString& a, const QString& b) {
    return QLocale().toUpper(a).localeAwareCompare(QLocale().toUpper(b));
}

// The date order of the list: dated matches first, by date then time; others keep their order.
int CompareDateOrder(const TMatch& a, const TMatch& b) {
    if (a.HasDate != b.HasDate) return a.HasDate ? -1 : 1;
    if (a.HasDate) {
        if (a.Date != b.Date) return a.Date < b.Date ? -1 : 1;
        if (a.HasTime != b.HasTime) return a.HasTime ? -1 : 1;
        if (a.Time != b.Time) return a.Time < b.Time ? -1 : 1;
    }
    return 0;
}

} // namespace

QString FixtureColumnCaption(int column, bool conferences) {
    if (!ValidColumn(column)) return QString();
    if (column == FixGroup && conferences) return LangText(5619, "Division");
    const TColumnInfo& c = kColumns[column];
    return LangText(c.TextId, c.Caption);
}

int FixtureColumnDefaultWidth(int column) {
    return ValidColumn(column) ? kColumns[column].Width : 50;
}

TCellAlign FixtureColumnAlignment(int column) {
    return ValidColumn(column) ? kColumns[column].Align : TCellAlign::Left;
}

QString CheckFixtureColumns(const std::vector<int>& columns, bool conferences) {
    const auto has = [&](int c) {
        return std::find(columns.begin(), columns.end(), c) != columns.end();
    };
    if (!columns.empty() && (!has(FixHome) || !has(FixVisitor)))
        return Fmt(LangText(12450, "'%s' and '%s' columns must be always visible"),
                   FixtureColumnCaption(FixHome, conferences),
                   FixtureColumnCaption(FixVisitor, conferences));
    if (columns.empty()) return LangText(12451, "You should add at least one column");
    return QString();
}

QString FixtureDateText(double date, bool longFormat, int dayOfWeek) {
    const QDate d = DaysToDate(date);
    const QLocale locale;
    const QString text =
        locale.toString(d, longFormat ? QLocale::LongFormat : QLocale::ShortFormat);
    if (dayOfWeek < 0 || dayOfWeek > 3) return text;
    QString weekday = locale.toString(d, dayOfWeek == 0 || dayOfWeek == 2 ? QStringLiteral("dddd")
                                                                          : QStringLiteral("ddd"));
    if (!weekday.isEmpty()) weekday[0] = weekday.at(0).toUpper();
    return dayOfWeek <= 1 ? QStringLiteral("%1, %2").arg(weekday, text)
                          : QStringLiteral("%1 (%2)").arg(text, weekday);
}

TFixtureFormat TFixtureFormat::Current() {
    TFixtureFormat f;
    f.LongDate = PrefBool("Fixtures", "LongDateFormat");
    f.DayOfWeek = PrefInteger("Fixtures", "DayOfWeek");
    f.Texts = TScoreTexts::Current();
    return f;
}

void TFixtureFormat::SaveDateFormat(bool longDate, int dayOfWeek) {
    RegWriteBool(QStringLiteral("Fixtures"), QStringLiteral("LongDateFormat"), longDate);
    RegWriteInteger(QStringLiteral("Fixtures"), QStringLiteral("DayOfWeek"), dayOfWeek);
}

QString FixtureCellText(const TTournament& t, const TMatch& m, int column,
                        const TFixtureFormat& format, bool homeLeftOfVisitor) {
    const TStadium* stadium = m.HasStadium() ? t.StadiumById(m.StadiumId) : nullptr;
    switch (column) {
    case FixGroup: {
        const TGroup* a = t.GroupOfTeam(m.HomeTeamId);
        return a && a == t.GroupOfTeam(m.VisitorTeamId) ? a->Name : QString();
    }
    case FixNumber:
        return m.HasNumber() ? QString::number(m.Number) : QString();
    case FixLeg:
        return QString::number(m.Leg);
    case FixMatchday:
        return m.HasMatchday() ? QString::number(m.Matchday) : QString();
    case FixDate:
        return m.HasDate ? FixtureDateText(m.Date, format.LongDate, format.DayOfWeek) : QString();
    case FixTime:
        return m.HasTime ? ShortTimeText(m.Time) : QString();
    case FixHome:
    case FixVisitor: {
        const TTeam* team = t.TeamById(column == FixHome ? m.HomeTeamId : m.VisitorTeamId);
        return team ? team->Name : QString();
    }
    case FixScore:
        return m.Played ? QChar(0xA0) + m.GetScoreText(homeLeftOfVisitor, true, format.Texts)
                        : QString();
    case FixGoalsFor:
        return m.Played ? NumberText(m.HomeScore) : QString();
    case FixGoalsAgainst:
        return m.Played ? NumberText(m.VisitorScore) : QString();
    case FixStadium:
        return stadium ? stadium->Name : QString();
    case FixAttendance:
        return m.HasAttendance() ? QString::number(m.Attendance) : QString();
    case FixReferee:
        return t.RefereeName(m.FirstRefereeId());
    case FixComments:
        return m.Comments;
    case FixCapacity:
        return stadium && stadium->Capacity >= 0 ? QString::number(stadium->Capacity) : QString();
    case FixCity:
        return stadium ? stadium->City : QString();
    case FixCountry:
        return stadium ? stadium->Country : QString();
    case FixConference: {
        const TConference* c = t.CommonConference(m.HomeTeamId, m.VisitorTeamId);
        return c ? c->Name : QString();
    }
    default:
        return QString();
    }
}

namespace {

bool IsTextColumn(int column) {
    switch (column) {
    case FixGroup:
    case FixHome:
    case FixVisitor:
    case FixStadium:
    case FixReferee:
    case FixComments:
    case FixCity:
    case FixCountry:
    case FixConference:
        return true;
    default:
        return false;
    }
}

// A text column sorted through the ranks of its distinct texts: the few team or stadium names
// are compared with each other once, not at every comparison of the sort.
void SortByText(const TTournament& t, std::vector<const TMatch*>& matches, int column,
                bool descending, const TFixtureFormat& format) {
    std::vector<QString> texts;
    texts.reserve(matches.size());
    QHash<QString, int> rankOf;
    for (const TMatch* m : matches) {
        texts.push_back(FixtureCellText(t, *m, column, format, true));
        rankOf.insert(texts.back(), 0);
    }
    QStringList distinct = rankOf.keys();
    std::sort(distinct.begin(), distinct.end(),
              [](const QString& a, const QString& b) { return CompareText(a, b) < 0; });
    int rank = 0;
    for (qsizetype i = 0; i < distinct.size(); ++i) {
        if (i > 0 && CompareText(distinct[i - 1], distinct[i]) != 0) ++rank;
        rankOf[distinct[i]] = rank;
    }
    std::vector<std::pair<int, const TMatch*>> keyed;
    keyed.reserve(matches.size());
    for (size_t i = 0; i < matches.size(); ++i)
        keyed.emplace_back(rankOf.value(texts[i]), matches[i]);
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        const int c = a.first != b.first ? (a.first < b.first ? -1 : 1)
                                         : CompareDateOrder(*a.second, *b.second);
        return descending ? c > 0 : c < 0;
    });
    for (size_t i = 0; i < matches.size(); ++i)
        matches[i] = keyed[i].second;
}

} // namespace

void SortFixtures(const TTournament& t, std::vector<const TMatch*>& matches, int column,
                  bool descending, const TFixtureFormat& format) {
    if (IsTextColumn(column)) {
        SortByText(t, matches, column, descending, format);
        return;
    }
    const auto key = [&](const TMatch& a, const TMatch& b) -> int {
        switch (column) {
        case FixTime:
            if (a.HasTime != b.HasTime) return a.HasTime ? -1 : 1;
            return a.Time < b.Time ? -1 : (a.Time > b.Time ? 1 : 0);
        case FixNumber:
        case FixMatchday: {
            const bool ha = column == FixNumber ? a.HasNumber() : a.HasMatchday();
            const bool hb = column == FixNumber ? b.HasNumber() : b.HasMatchday();
            if (ha != hb) return ha ? -1 : 1;
            const int va = column == FixNumber ? a.Number : a.Matchday;
            const int vb = column == FixNumber ? b.Number : b.Matchday;
            return va < vb ? -1 : (va > vb ? 1 : CompareDateOrder(a, b));
        }
        case FixLeg:
            return a.Leg < b.Leg ? -1 : (a.Leg > b.Leg ? 1 : CompareDateOrder(a, b));
        case FixAttendance:
            return a.Attendance < b.Attendance
                       ? -1
                       : (a.Attendance > b.Attendance ? 1 : CompareDateOrder(a, b));
        case FixCapacity: {
            const double ca = FixtureCellText(t, a, column, format, true).toDouble();
            const double cb = FixtureCellText(t, b, column, format, true).toDouble();
            return ca < cb ? -1 : (ca > cb ? 1 : CompareDateOrder(a, b));
        }
        case FixScore:
            // Unplayed first; then the home score, then the visitor's.
            if (a.Played != b.Played) return a.Played ? 1 : -1;
            if (a.HomeScore != b.HomeScore) return a.HomeScore < b.HomeScore ? -1 : 1;
            if (a.VisitorScore != b.VisitorScore) return a.VisitorScore < b.VisitorScore ? -1 : 1;
            return CompareDateOrder(a, b);
        case FixGoalsFor:
        case FixGoalsAgainst: {
            if (a.Played != b.Played) return a.Played ? -1 : 1;
            const double va = column == FixGoalsFor ? a.HomeScore : a.VisitorScore;
            const double vb = column == FixGoalsFor ? b.HomeScore : b.VisitorScore;
            return va > vb ? -1 : (va < vb ? 1 : 0);
        }
        default:
            return CompareDateOrder(a, b);
        }
    };
    std::stable_sort(matches.begin(), matches.end(), [&](const TMatch* a, const TMatch* b) {
        const int c = key(*a, *b);
        return descending ? c > 0 : c < 0;
    });
}

std::vector<const TMatch*> FixtureMatches(const TTournament& t, const TFixtureFilter& filter) {
    std::vector<const TMatch*> all = ListOf(t.JointTable().Matches());
    OrderMatches(all, {MatchKeyDate, MatchKeyTime, MatchKeyId}, false);
    std::vector<const TMatch*> out;
    for (const TMatch* m : all) {
        if (!t.MatchFilter.Passes(*m)) continue;
        switch (filter.TeamFilterKind) {
        case 1: {
            const TConference* c = t.CommonConference(m->HomeTeamId, m->VisitorTeamId);
            if (!c || c->Id != filter.TeamFilterValue) continue;
            break;
        }
        case 2: {
            const TGroup* a = t.GroupOfTeam(m->HomeTeamId);
            if (!a || a != t.GroupOfTeam(m->VisitorTeamId) || a->Id != filter.TeamFilterValue)
                continue;
            break;
        }
        case 3: {
            const bool home = m->HomeTeamId == filter.TeamFilterValue;
            const bool away = m->VisitorTeamId == filter.TeamFilterValue;
            if (!((filter.TeamPlace == 2 && home) || (filter.TeamPlace == 3 && away) ||
                  (filter.TeamPlace != 2 && filter.TeamPlace != 3 && (home || away))))
                continue;
            break;
        }
        default:
            break;
        }
        if ((filter.Played == 1 && !m->Played) || (filter.Played == 2 && m->Played)) continue;
        out.push_back(m);
    }
    return out;
}

bool FixtureFilterFits(const TTournament& t, const TFixtureFilter& filter) {
    switch (filter.TeamFilterKind) {
    case 1:
        return t.ConferenceById(filter.TeamFilterValue) != nullptr;
    case 2:
        return t.GroupById(filter.TeamFilterValue) != nullptr;
    case 3:
        return t.TeamById(filter.TeamFilterValue) != nullptr;
    default:
        return true;
    }
}

double FixtureCellValue(const TTournament& t, const TMatch& m, int column) {
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    switch (column) {
    case FixNumber:
        return m.HasNumber() ? m.Number : none;
    case FixLeg:
        return m.Leg;
    case FixMatchday:
        return m.HasMatchday() ? m.Matchday : none;
    case FixDate:
        return m.HasDate ? DayPart(m.Date) : none;
    case FixGoalsFor:
        return m.Played ? m.HomeScore : none;
    case FixGoalsAgainst:
        return m.Played ? m.VisitorScore : none;
    case FixAttendance:
        return m.HasAttendance() ? static_cast<double>(m.Attendance) : none;
    case FixCapacity: {
        const TStadium* stadium = m.HasStadium() ? t.StadiumById(m.StadiumId) : nullptr;
        return stadium && stadium->Capacity >= 0 ? stadium->Capacity : none;
    }
    default:
        return none;
    }
}

TGridData FixtureGrid(const TTournament& t, const TFixtureFilter& filter) {
    const TFixtureFormat format = TFixtureFormat::Current();
    std::vector<const TMatch*> matches = FixtureMatches(t, filter);
    SortFixtures(t, matches, t.FixtureSort.Column, t.FixtureSort.Descending, format);
    TGridData grid;
    std::vector<int> columns;
    for (const int c : t.FixtureColumns)
        if (ValidColumn(c)) columns.push_back(c);
    const auto homeAt = std::find(columns.begin(), columns.end(), FixHome);
    const auto visitorAt = std::find(columns.begin(), columns.end(), FixVisitor);
    const bool homeLeft = homeAt <= visitorAt;
    for (const int c : columns) {
        grid.Captions << FixtureColumnCaption(c, t.HasConferences());
        grid.Alignments << FixtureColumnAlignment(c);
        grid.ColumnIds << c;
        grid.DateColumns << (c == FixDate);
    }
    grid.Rows.reserve(static_cast<qsizetype>(matches.size()));
    grid.Values.reserve(static_cast<qsizetype>(matches.size()));
    for (const TMatch* m : matches) {
        QStringList row;
        QList<double> values;
        for (const int c : columns) {
            row << FixtureCellText(t, *m, c, format, homeLeft);
            values << FixtureCellValue(t, *m, c);
        }
        grid.Rows << row;
        grid.Values << values;
    }
    return grid;
}

} // namespace kv
