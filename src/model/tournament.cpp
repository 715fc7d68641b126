#include "model/tournament.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "model/sport.h"

#include <algorithm>
#include <limits>

namespace kv {

bool TMatchFilter::Passes(const TMatch& m) const {
    if (LegRangeSet()) {
        if ((LegFrom != -1 && m.Leg < LegFrom) || (LegTo != -1 && m.Leg > LegTo)) return false;
    }
    if (DateRangeSet()) {
        if (!m.HasDate) return false;
        const double day = DayPart(m.Date);
        if ((DateFrom != 0 && day < DayPart(DateFrom)) || (DateTo != 0 && day > DayPart(DateTo)))
            return false;
    }
    if (MatchdayRangeSet()) {
        if (!m.HasMatchday()) return false;
        if ((MatchdayFrom != -1 && m.Matchday < MatchdayFrom) ||
            (MatchdayTo != -1 && m.Matchday > MatchdayTo))
            return false;
    }
    return true;
}

TConference::TConference(const TTournament* tournament, int id, const QString& name,
                         const TGroupStyle& style)
    : Tournament(tournament), Id(id), Name(name),
      table_(std::make_unique<TGroup>(tournament, name, tournament ? tournament->GroupLegs : 1, id,
                                      id)) {
    table_->Kind = KindConference;
    table_->Style = style;
}

TPairLegIndex::TKey TPairLegIndex::Key(int a, int b, int leg) {
    return {std::min(a, b), std::max(a, b), leg, true};
}

size_t TPairLegIndex::Hash(const TKey& k) {
    quint64 h = static_cast<quint32>(k.Low) * 0x9E3779B97F4A7C15ULL;
    h ^= (static_cast<quint64>(static_cast<quint32>(k.High)) + 0x632BE59BD9B4E019ULL) *
         0xBF58476D1CE4E5B9ULL;
    h ^= (static_cast<quint64>(static_cast<quint32>(k.Leg)) + 0x94D049BB133111EBULL) *
         0x94D049BB133111EBULL;
    return static_cast<size_t>(h ^ (h >> 29));
}

size_t TPairLegIndex::Find(const TKey& k) const {
    const size_t mask = slots_.size() - 1;
    size_t i = Hash(k) & mask;
    while (slots_[i].Used &&
           !(slots_[i].Low == k.Low && slots_[i].High == k.High && slots_[i].Leg == k.Leg))
        i = (i + 1) & mask;
    return i;
}

bool TPairLegIndex::Contains(int a, int b, int leg) const {
    return !slots_.empty() && slots_[Find(Key(a, b, leg))].Used;
}

void TPairLegIndex::Insert(int a, int b, int leg) {
    InsertIfNew(a, b, leg);
}

bool TPairLegIndex::InsertIfNew(int a, int b, int leg) {
    if ((used_ + 1) * 2 > slots_.size()) {
        std::vector<TKey> old = std::move(slots_);
        slots_.assign(std::max<size_t>(64, old.size() * 2), TKey{});
        used_ = 0;
        for (const TKey& k : old)
            if (k.Used) {
                slots_[Find(k)] = k;
                ++used_;
            }
    }
    const TKey k = Key(a, b, leg);
    TKey& slot = slots_[Find(k)];
    if (slot.Used) return false;
    slot = k;
    ++used_;
    return true;
}

std::vector<int> DefaultFixtureColumns() {
    std::vector<int> columns;
    const QStringList parts =
        PrefString("", "DefaultFixturesCols").split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& p : parts) {
        bool ok = false;
        const int id = p.trimmed().toInt(&ok);
        if (ok && id >= 0 && id <= 18 &&
            std::find(columns.begin(), columns.end(), id) == columns.end())
            columns.push_back(id);
    }
    return columns.empty() ? TTournamentDefaults{}.FixtureColumns : columns;
}

void SaveDefaultFixtureColumns(const std::vector<int>& columns) {
    QStringList ids;
    for (const int c : columns)
        ids << QString::number(c);
    RegWriteString(QString(), QStringLiteral("DefaultFixturesCols"), ids.join(QLatin1Char(',')));
}

TTournamentDefaults TTournamentDefaults::FromSettings() {
    TTournamentDefaults d;
    d.Dimensions = TTableDimensions::FromSettings(SportOther);
    d.View = TTableView::FromSettings();
    d.Style = TGroupStyle::FromSettings();
    d.FixtureColumns = DefaultFixtureColumns();
    d.JointTableName = LangText(5102, "Team");
    return d;
}

TTournament::TTournament(const TTournamentDefaults& defaults)
    : Dimensions(defaults.Dimensions), View(defaults.View), FixtureColumns(defaults.FixtureColumns),
      joint_(std::make_unique<TGroup>(this, defaults.JointTableName, 0, -1, -1)) {
    joint_->Kind = KindJoint;
    joint_->Style = defaults.Style;
}

TTournament::~TTournament() = default;

// ---------------------------------------------------------------- lookups

TGroup* TTournament::MutableGroupAt(int index) const {
    return index >= 0 && index < static_cast<int>(groups_.size())
               ? groups_[static_cast<size_t>(index)].get()
               : nullptr;
}

TGroup* TTournament::MutableGroupById(int id) const {
    for (const auto& g : groups_)
        if (g->Id == id) return g.get();
    return nullptr;
}

TConference* TTournament::MutableConferenceAt(int index) const {
    return index >= 0 && index < static_cast<int>(conferences_.size())
               ? conferences_[static_cast<size_t>(index)].get()
               : nullptr;
}

TConference* TTournament::MutableConferenceById(int id) const {
    for (const auto& c : conferences_)
        if (c->Id == id) return c.get();
    return nullptr;
}

TTeam* TTournament::MutableTeamById(int id) const {
    TTeam* t = teamIndex_.value(id, nullptr);
    if (t && t->Id == id) return t;
    return joint_->TeamById(id);
}

TGroup* TTournament::MutableGroupOfTeam(int teamId) const {
    const TTeam* team = TeamById(teamId);
    return team ? MutableGroupById(team->GroupId) : nullptr;
}

TConference* TTournament::MutableConferenceOfTeam(int teamId) const {
    const TGroup* group = GroupOfTeam(teamId);
    if (!group || group->ConferenceId == -1) return nullptr;
    return MutableConferenceById(group->ConferenceId);
}

TConference* TTournament::MutableCommonConference(int teamA, int teamB) const {
    TConference* a = MutableConferenceOfTeam(teamA);
    return a && a == ConferenceOfTeam(teamB) ? a : nullptr;
}

TGroup* TTournament::MutableTableOfTeam(int teamId) const {
    TGroup* group = MutableGroupOfTeam(teamId);
    return group ? group : joint_.get();
}

int TTournament::LegsOfPair(int teamA, int teamB) const {
    const TGroup* a = GroupOfTeam(teamA);
    const TGroup* b = GroupOfTeam(teamB);
    if (!a || !b) return 0;
    if (a == b) return GroupLegs;
    // Teams of different groups never meet in a group tournament, whatever an older file
    // stores for the legs between conferences.
    if (!HasConferences()) return 0;
    if (a->ConferenceId != -1 && a->ConferenceId == b->ConferenceId &&
        ConferenceById(a->ConferenceId))
        return ConferenceLegs;
    return InterConferenceLegs;
}

namespace {

template <typename List, typename Get> int LargestId(const List& list, Get get) {
    int largest = -1;
    for (const auto& item : list)
        largest = std::max(largest, get(item));
    return largest;
}

} // namespace

int TTournament::LargestConferenceId() const {
    return LargestId(conferences_, [](const auto& c) { return c->Id; });
}
int TTournament::LargestGroupId() const {
    return LargestId(groups_, [](const auto& g) { return g->Id; });
}
int TTournament::LargestTeamId() const {
    return LargestId(joint_->Teams(), [](const TTeam* t) { return t->Id; });
}
int TTournament::LargestRefereeId() const {
    return LargestId(Referees, [](const TReferee& r) { return r.Id; });
}
int TTournament::LargestStadiumId() const {
    return LargestId(Stadiums, [](const TStadium& s) { return s.Id; });
}

int TTournament::NextStadiumId() const {
    int largest = LargestStadiumId();
    for (const TMatch* m : joint_->Matches())
        largest = std::max(largest, m->StadiumId);
    for (const TTeam* team : joint_->Teams())
        largest = std::max(largest, team->HomeStadiumId);
    return largest + 1;
}

int TTournament::NextRefereeId() const {
    int largest = LargestRefereeId();
    for (const TMatch* m : joint_->Matches())
        for (const int id : m->RefereeIds)
            largest = std::max(largest, id);
    return largest + 1;
}

std::vector<const TGroup*> TTournament::ShownTables() const {
    return ListOf<const TGroup*>(MutableShownTables());
}

std::vector<TGroup*> TTournament::ShownTables() {
    return MutableShownTables();
}

std::vector<const TGroup*> TTournament::AllTables() const {
    return ListOf<const TGroup*>(MutableAllTables());
}

std::vector<TGroup*> TTournament::AllTables() {
    return MutableAllTables();
}

std::vector<const TMatch*> TTournament::TeamMatches(int teamId, int venue, bool playedOnly,
                                                    bool filtered) const {
    return ListOf<const TMatch*>(MutableTeamMatches(teamId, venue, playedOnly, filtered));
}

std::vector<TMatch*> TTournament::TeamMatches(int teamId, int venue, bool playedOnly,
                                              bool filtered) {
    return MutableTeamMatches(teamId, venue, playedOnly, filtered);
}

std::vector<TGroup*> TTournament::MutableShownTables() const {
    std::vector<TGroup*> out;
    switch (View.TableMode) {
    case TableModeJoint:
        out.push_back(joint_.get());
        break;
    case TableModeConferences:
        for (const auto& c : conferences_)
            out.push_back(c->table_.get());
        break;
    default:
        for (const auto& g : groups_)
            out.push_back(g.get());
        break;
    }
    return out;
}

std::vector<TGroup*> TTournament::MutableAllTables() const {
    std::vector<TGroup*> out{joint_.get()};
    for (const auto& c : conferences_)
        out.push_back(c->table_.get());
    for (const auto& g : groups_)
        out.push_back(g.get());
    return out;
}

// ---------------------------------------------------------------- referees and stadiums

const TStadium* TTournament::StadiumById(int id) const {
    for (const TStadium& s : Stadiums)
        if (s.Id == id) return &s;
    return nullptr;
}

const TReferee* TTournament::RefereeById(int id) const {
    for (const TReferee& r : Referees)
        if (r.Id == id) return &r;
    return nullptr;
}

int TTournament::StadiumIdByName(const QString& name) const {
    for (const TStadium& s : Stadiums)
        if (s.Name.compare(name, Qt::CaseInsensitive) == 0) return s.Id;
    return -1;
}

int TTournament::RefereeIdByName(const QString& name) const {
    for (const TReferee& r : Referees)
        if (r.Name == name) return r.Id;
    return -1;
}

QString TTournament::TeamName(int id) const {
    const TTeam* team = TeamById(id);
    return team ? team->Name : QString();
}

QString TTournament::StadiumName(int id) const {
    const TStadium* s = id == -1 ? nullptr : StadiumById(id);
    return s ? s->Name : QString();
}

QString TTournament::RefereeName(int id) const {
    const TReferee* r = id == -1 ? nullptr : RefereeById(id);
    return r ? r->Name : QString();
}

int TTournament::AddStadium(const QString& name, const QString& country, const QString& city,
                            int capacity) {
    const int id = NextStadiumId();
    Stadiums.push_back({id, name, country, city, capacity});
    return id;
}

int TTournament::AddReferee(const QString& name, const QString& country, const QString& city,
                            int birthYear) {
    const int id = NextRefereeId();
    Referees.push_back({id, name, country, city, birthYear});
    return id;
}

// ---------------------------------------------------------------- matches of teams

TMatch* TTournament::MutableTeamMatchOnMatchday(int teamId, int matchday,
                                                int excludeMatchId) const {
    for (TMatch* m : joint_->Matches())
        if (m->Id != excludeMatchId && m->Involves(teamId) && m->Matchday == matchday) return m;
    return nullptr;
}

TMatch* TTournament::MutableTeamMatchOnDate(int teamId, double date, int excludeMatchId) const {
    const double day = DayPart(date);
    for (TMatch* m : joint_->Matches())
        if (m->Id != excludeMatchId && m->Involves(teamId) && m->HasDate && DayPart(m->Date) == day)
            return m;
    return nullptr;
}

std::vector<TMatch*> TTournament::MutableTeamMatches(int teamId, int venue, bool playedOnly,
                                                     bool filtered) const {
    std::vector<TMatch*> out;
    for (TMatch* m : joint_->Matches()) {
        const bool home = m->HomeTeamId == teamId;
        const bool away = m->VisitorTeamId == teamId;
        if (!((venue == ScopeHome && home) || (venue == ScopeAway && away) ||
              (venue != ScopeHome && venue != ScopeAway && (home || away))))
            continue;
        if (playedOnly && !m->Played) continue;
        if (filtered && !MatchFilter.Passes(*m)) continue;
        out.push_back(m);
    }
    return out;
}

double TTournament::FirstMatchDate() const {
    double first = 0;
    bool any = false;
    for (const TMatch* m : joint_->Matches())
        if (m->HasDate && (!any || m->Date < first)) {
            first = m->Date;
            any = true;
        }
    return first;
}

double TTournament::LastMatchDate() const {
    double last = 0;
    bool any = false;
    for (const TMatch* m : joint_->Matches())
        if (m->HasDate && (!any || m->Date > last)) {
            last = m->Date;
            any = true;
        }
    return last;
}

int TTournament::LastMatchday() const {
    int last = -1;
    for (const TMatch* m : joint_->Matches())
        if (m->HasMatchday()) last = std::max(last, m->Matchday);
    return last;
}

bool TTournament::CalculatesPoints() const {
    return !SortCriteria.empty() && SortCriteria.front().Column == kColumnPoints;
}

double TTournament::MaxMatchPoints() const {
    double most = std::max({WinPoints, DrawPoints, LossPoints});
    if (Overtime) most = std::max({most, WinOTPoints, LossOTPoints});
    return most;
}

} // namespace kv
