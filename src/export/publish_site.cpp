#include "export/publish_site.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "export/html_export.h"
#include "export/ical.h"
#include "export/standings_json.h"
#include "model/group.h"
#include "model/match.h"
#include "model/sport.h"
#include "model/team.h"
#include "render/table_layout.h"
#include "standings/column_catalog.h"
#include "standings/outlook_marks.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/team_values.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <set>

namespace kv {

namespace {

QString E(const QString& text) {
    return HtmlEscape(text);
}

QString TeamCalendar(int id) {
    return QStringLiteral("team-%1.ics").arg(id);
}

QString TeamPage(int id) {
    return QStringLiteral("team-%1.html").arg(id);
}

// A round of matches: a matchday, or a date when the tournament has no matchdays.
struct TRound {
    QString File;
    QString Title;
    std::vector<const TMatch*> Matches;
};

const char* const kStyle = R"(*{box-sizing:border-box}
body{margin:0;font-family:"DejaVu Sans",Verdana,Arial,sans-serif;font-size:15px;line-height:1.4;color:#1b1f24;background:#f4f6f8}
header{background:#18406b;color:#fff;padding:14px 16px}
header h1{margin:0;font-size:1.4em}
header p{margin:2px 0 0;opacity:.85}
nav{background:#23578f;padding:6px 16px;overflow-x:auto;white-space:nowrap}
nav a{color:#fff;text-decoration:none;margin-right:14px;font-weight:bold}
nav a:hover,nav a:focus{text-decoration:underline}
main{max-width:1100px;margin:0 auto;padding:12px}
section{background:#fff;border:1px solid #d8dee4;border-radius:6px;margin:0 0 16px;padding:10px 12px}
h2{font-size:1.15em;margin:4px 0 10px}
h3{font-size:1em;margin:12px 0 6px}
.scroll{overflow-x:auto;-webkit-overflow-scrolling:touch}
table{border-collapse:collapse;font-size:.92em}
th,td{padding:4px 7px;border-bottom:1px solid #e3e7eb;white-space:nowrap}
th{background:#eef2f6;text-align:center;font-weight:bold}
td.num{text-align:right;font-variant-numeric:tabular-nums}
td.team{text-align:left}
td.self{background:#4a5560}
td.score{text-align:center}
tbody tr:nth-child(even){background:#fafbfc}
a{color:#18406b}
ul.rounds{list-style:none;padding:0;margin:0;display:flex;flex-wrap:wrap;gap:6px}
ul.rounds a{display:inline-block;padding:3px 9px;border:1px solid #c9d2db;border-radius:4px;text-decoration:none;background:#fff}
ul.figures{list-style:none;padding:0;display:grid;grid-template-columns:repeat(auto-fill,minmax(110px,1fr));gap:6px;margin:0}
ul.figures li{background:#eef2f6;border-radius:4px;padding:6px 8px}
ul.figures span{display:block;font-size:.8em;color:#4a5560}
ul.figures strong{font-size:1.2em}
footer{text-align:center;font-size:.8em;color:#5c6770;padding:16px}
p.calendar a{display:inline-block;margin:4px 8px 4px 0;padding:8px 14px;background:#23578f;color:#fff;border-radius:4px;text-decoration:none;font-weight:bold}
p.calendar small{display:block;color:#4a5560}
@media (max-width:600px){body{font-size:14px}main{padding:6px}section{padding:8px}th,td{padding:3px 5px}}
)";

class TSiteWriter {
public:
    explicit TSiteWriter(const TTournament& t) : t_(t), texts_(TScoreTexts::Current()) {
        for (const TTableColumn& c : t.Columns)
            columns_.push_back(c.Id);
        for (const TMatch* m : t.JointTable().Matches()) {
            byTeam_[m->HomeTeamId].push_back(m);
            byTeam_[m->VisitorTeamId].push_back(m);
        }
        for (const TTeam* team : t.JointTable().Teams())
            links_[team->Id] =
                QStringLiteral("<a href=\"%1\">%2</a>").arg(TeamPage(team->Id), E(team->Name));
        BuildRounds();
        // What every page has around its own part.
        top_ = (QStringLiteral("<header><h1>%1</h1><p>%2</p></header>\n")
                    .arg(E(t.Name), E(SportName(t.Sport))) +
                Nav() + QStringLiteral("<main>\n"))
                   .toUtf8();
        // The heading row every round's table starts with.
        roundHead_ =
            QStringLiteral("<div class=\"scroll\"><table>\n<thead><tr><th>%1</th><th>%2</th>"
                           "<th>%3</th><th>%4</th></tr></thead>\n<tbody>\n")
                .arg(E(LangText(5604, "Date")), E(LangText(5946, "Home")),
                     E(LangText(5608, "Score")), E(LangText(5947, "Visitor")));
        bottom_ = QStringLiteral("</main>\n<footer>%1</footer>\n</body>\n</html>\n")
                      .arg(E(Fmt(LangText(5952, "Published with %s"), QLatin1String(kProductName))))
                      .toUtf8();
    }

    std::map<QString, QByteArray> Pages() {
        std::map<QString, QByteArray> pages;
        pages[QStringLiteral("style.css")] = QByteArray(kStyle);
        pages[QStringLiteral("index.html")] = Page(QString(), IndexBody());
        for (size_t i = 0; i < rounds_.size(); ++i)
            pages[rounds_[i].File] = Page(rounds_[i].Title, RoundBody(i));
        for (const TTeam* team : t_.JointTable().Teams())
            pages[TeamPage(team->Id)] = Page(team->Name, TeamBody(*team));
        pages[QStringLiteral("tournament.json")] =
            QJsonDocument(TournamentJson(t_)).toJson(QJsonDocument::Indented);
        // Calendars to subscribe to: every dated fixture, and each team's.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        std::vector<const TMatch*> all(t_.JointTable().Matches().begin(),
                                       t_.JointTable().Matches().end());
        pages[QStringLiteral("calendar.ics")] = MatchCalendar(t_, all, t_.Name, now);
        for (const TTeam* team : t_.JointTable().Teams())
            pages[TeamCalendar(team->Id)] = MatchCalendar(
                t_, byTeam_.count(team->Id) ? byTeam_.at(team->Id) : std::vector<const TMatch*>{},
                team->Name + QStringLiteral(" - ") + t_.Name, now);
        return pages;
    }

private:
    QString TeamLink(int id) const {
        const auto found = links_.find(id);
        return found == links_.end() ? QString() : found->second;
    }

    QString ScoreOf(const TMatch& m) const {
        return m.Played ? E(m.GetScoreText(true, true, texts_)) : QStringLiteral("&ndash;");
    }

    QString WhenOf(const TMatch& m) const {
        QString when = m.HasDate ? IsoDate(m.Date) : QString();
        if (m.HasTime) {
            const int minutes = static_cast<int>(std::lround(m.Time * 1440)) % 1440;
            when += QStringLiteral(" %1:%2")
                        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
        }
        return when.trimmed();
    }

    void BuildRounds() {
        bool matchdays = false;
        for (const TMatch* m : t_.JointTable().Matches())
            matchdays = matchdays || m->HasMatchday();
        std::map<QString, TRound> byKey;
        const QString matchday = LangText(5943, "Matchday %d");
        for (const TMatch* m : t_.JointTable().Matches()) {
            const bool byMatchday = matchdays && m->HasMatchday();
            const bool byDate = !matchdays && m->HasDate;
            const QString key = byMatchday
                                    ? QStringLiteral("%1").arg(m->Matchday, 6, 10, QLatin1Char('0'))
                                : byDate ? IsoDate(m->Date)
                                         : QStringLiteral("~");
            auto [it, added] = byKey.try_emplace(key);
            TRound& round = it->second;
            if (added) {
                // A round's file and title are made once, with its first match.
                round.File = byMatchday ? QStringLiteral("matchday-%1.html").arg(m->Matchday)
                             : byDate   ? QStringLiteral("date-%1.html").arg(key)
                                        : QStringLiteral("unscheduled.html");
                round.Title = byMatchday ? Fmt(matchday, m->Matchday)
                              : byDate   ? key
                                         : LangText(5944, "Not scheduled");
            }
            round.Matches.push_back(m);
        }
        for (auto& [key, round] : byKey) {
            std::stable_sort(
                round.Matches.begin(), round.Matches.end(), [](const TMatch* a, const TMatch* b) {
                    const double da = a->HasDate ? a->Date + (a->HasTime ? a->Time : 0) : 1e9;
                    const double db = b->HasDate ? b->Date + (b->HasTime ? b->Time : 0) : 1e9;
                    return da != db ? da < db : a->Id < b->Id;
                });
            rounds_.push_back(round);
        }
    }

    QString Nav() const {
        QString nav = QStringLiteral("<nav><a href=\"index.html\">%1</a>")
                          .arg(E(LangText(5940, "Standings")));
        if (!rounds_.empty())
            nav += QStringLiteral("<a href=\"%1\">%2</a>")
                       .arg(rounds_.front().File, E(LangText(5941, "Results")));
        nav += QStringLiteral("<a href=\"tournament.json\">%1</a></nav>\n")
                   .arg(E(LangText(5942, "Data")));
        return nav;
    }

    QByteArray Page(const QString& title, const QString& body) const {
        const QString full = title.isEmpty() ? t_.Name : title + QStringLiteral(" - ") + t_.Name;
        const QByteArray text = body.toUtf8();
        QByteArray html;
        html.reserve(top_.size() + text.size() + bottom_.size() + 400);
        html += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
        html += E(full).toUtf8();
        html += "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n";
        html += top_;
        html += text;
        html += bottom_;
        return html;
    }

    // The table's teams in their ranking order.
    std::vector<const TTeam*> Ranked(const TGroup& table) const {
        RecomputeTable(t_, table);
        return RankStandings(t_, table, table.Teams(), ScopeOverall).Teams;
    }

    QString StandingsTable(const TGroup& table, const std::vector<const TTeam*>& ranked) const {
        QString html =
            QStringLiteral("<div class=\"scroll\"><table>\n<thead><tr><th>#</th><th>%1</th>")
                .arg(E(LangText(5106, "Team")));
        for (int id : columns_)
            html += QStringLiteral("<th>%1</th>").arg(E(ColumnCaption(id, t_)));
        html += QStringLiteral("</tr></thead>\n<tbody>\n");
        for (size_t i = 0; i < ranked.size(); ++i) {
            const TTeam& team = *ranked[i];
            QString name = TeamLink(team.Id);
            if (const QString mark = TeamMark(table, team); !mark.isEmpty())
                name += QStringLiteral(" <b class=\"mark\">(%1)</b>").arg(E(mark));
            html += QStringLiteral("<tr><td class=\"num\">%1</td><td class=\"team\">%2</td>")
                        .arg(i + 1)
                        .arg(name);
            for (int id : columns_)
                html += QStringLiteral("<td class=\"num\">%1</td>")
                            .arg(E(ColumnText(t_, team, id, ScopeOverall)));
            html += QStringLiteral("</tr>\n");
        }
        return html + QStringLiteral("</tbody>\n</table></div>\n");
    }

    // The results grid: the row team's home matches against the column team.
    QString ResultsGrid(const TGroup& table, const std::vector<const TTeam*>& teams) const {
        std::map<std::pair<int, int>, QStringList> scores; // (home, visitor) -> scores
        for (const TMatch* m : table.Matches())
            if (m->Played)
                scores[{m->HomeTeamId, m->VisitorTeamId}] << E(m->GetScoreText(true, true, texts_));
        QString html = QStringLiteral("<div class=\"scroll\"><table>\n<thead><tr><th></th>");
        for (size_t j = 0; j < teams.size(); ++j)
            html += QStringLiteral("<th title=\"%1\">%2</th>")
                        .arg(E(teams[j]->Name), QString::number(j + 1));
        html += QStringLiteral("</tr></thead>\n<tbody>\n");
        for (size_t i = 0; i < teams.size(); ++i) {
            html += QStringLiteral("<tr><td class=\"team\">%1. %2</td>")
                        .arg(i + 1)
                        .arg(TeamLink(teams[i]->Id));
            for (size_t j = 0; j < teams.size(); ++j) {
                if (i == j) {
                    html += QStringLiteral("<td class=\"self\"></td>");
                    continue;
                }
                const auto found = scores.find({teams[i]->Id, teams[j]->Id});
                html +=
                    QStringLiteral("<td class=\"score\">%1</td>")
                        .arg(found == scores.end() ? QString()
                                                   : found->second.join(QStringLiteral("<br>")));
            }
            html += QStringLiteral("</tr>\n");
        }
        return html + QStringLiteral("</tbody>\n</table></div>\n");
    }

    QString IndexBody() const {
        QString body;
        for (const TGroup* table : t_.ShownTables()) {
            body += QStringLiteral("<section>\n<h2>%1</h2>\n").arg(E(table->Name));
            const std::vector<const TTeam*> ranked = Ranked(*table);
            body += StandingsTable(*table, ranked);
            if (t_.View.Results && ranked.size() > 1) {
                body += QStringLiteral("<h3>%1</h3>\n").arg(E(LangText(5941, "Results"))) +
                        ResultsGrid(*table, ranked);
            }
            body += QStringLiteral("</section>\n");
        }
        if (!rounds_.empty()) {
            body += QStringLiteral("<section>\n<h2>%1</h2>\n<ul class=\"rounds\">\n")
                        .arg(E(LangText(5945, "Results and fixtures")));
            for (const TRound& r : rounds_)
                body += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n").arg(r.File, E(r.Title));
            body += QStringLiteral("</ul>\n</section>\n");
        }
        body += QStringLiteral("<section>\n") +
                CalendarLink(QStringLiteral("calendar.ics"),
                             LangText(5954, "Every fixture in your calendar")) +
                QStringLiteral("</section>\n");
        return body;
    }

    // A link to subscribe to a calendar, with a word on what it is for.
    static QString CalendarLink(const QString& file, const QString& text) {
        return QStringLiteral("<p class=\"calendar\"><a href=\"%1\" type=\"text/calendar\">%2</a> "
                              "<small>%3</small></p>\n")
            .arg(file, E(text),
                 E(LangText(5955, "(iCalendar: a phone or web calendar can subscribe to it)")));
    }

    QString MatchRows(const std::vector<const TMatch*>& matches, int forTeam) const {
        QString html;
        for (const TMatch* m : matches) {
            html += QStringLiteral("<tr><td>%1</td>").arg(E(WhenOf(*m)));
            if (forTeam >= 0) {
                const bool home = m->HomeTeamId == forTeam;
                const int other = home ? m->VisitorTeamId : m->HomeTeamId;
                QString outcome;
                if (m->Played) {
                    const int code = m->GetOutcome(home) % 128;
                    outcome = code == 0 || code == 3 || code == 6 ? QStringLiteral("W")
                              : code == 1 || code == 4            ? QStringLiteral("D")
                                                                  : QStringLiteral("L");
                }
                html += QStringLiteral("<td>%1</td><td class=\"team\">%2</td><td "
                                       "class=\"score\">%3</td><td>%4</td></tr>\n")
                            .arg(home ? QStringLiteral("H") : QStringLiteral("A"), TeamLink(other),
                                 m->Played ? E(m->GetScoreText(home, true, texts_))
                                           : QStringLiteral("&ndash;"),
                                 outcome);
            } else {
                html += QStringLiteral("<td class=\"team\">%1</td><td class=\"score\">%2</td><td "
                                       "class=\"team\">%3</td></tr>\n")
                            .arg(TeamLink(m->HomeTeamId), ScoreOf(*m), TeamLink(m->VisitorTeamId));
            }
        }
        return html;
    }

    QString RoundBody(size_t index) const {
        const TRound& round = rounds_[index];
        QString body;
        body.reserve(roundHead_.size() + 320 * static_cast<qsizetype>(round.Matches.size()) + 400);
        body += QStringLiteral("<section>\n<h2>");
        body += E(round.Title);
        body += QStringLiteral("</h2>\n");
        body += roundHead_;
        body += MatchRows(round.Matches, -1);
        body += QStringLiteral("</tbody>\n</table></div>\n");
        // The neighbouring rounds.
        body += QStringLiteral("<p>");
        if (index > 0)
            body += QStringLiteral("<a href=\"%1\">&larr; %2</a> ")
                        .arg(rounds_[index - 1].File, E(rounds_[index - 1].Title));
        if (index + 1 < rounds_.size())
            body += QStringLiteral("<a href=\"%1\">%2 &rarr;</a>")
                        .arg(rounds_[index + 1].File, E(rounds_[index + 1].Title));
        body += QStringLiteral("</p>\n</section>\n");
        return body;
    }

    QString TeamBody(const TTeam& team) const {
        QString body = QStringLiteral("<section>\n<h2>%1</h2>\n").arg(E(team.DisplayName()));
        const TGroup* group = t_.GroupById(team.GroupId);
        if (group) body += QStringLiteral("<p>%1</p>\n").arg(E(group->Name));
        // What the season can still bring the team in its own table.
        const QString outlook = OutlookWords(OutlookIn(team, group ? KindGroup : KindJoint));
        if (!outlook.isEmpty())
            body += QStringLiteral("<p class=\"outlook\">%1</p>\n").arg(E(outlook));
        body += QStringLiteral("<ul class=\"figures\">\n");
        for (int id : columns_)
            body +=
                QStringLiteral("<li><span>%1</span><strong>%2</strong></li>\n")
                    .arg(E(ColumnFullName(id, t_.Sport, t_.HasConferences(), !t_.Groups().empty())),
                         E(ColumnText(t_, team, id, ScopeOverall)));
        body += QStringLiteral("</ul>\n</section>\n");
        std::vector<const TMatch*> matches =
            byTeam_.count(team.Id) ? byTeam_.at(team.Id) : std::vector<const TMatch*>{};
        std::stable_sort(matches.begin(), matches.end(), [](const TMatch* a, const TMatch* b) {
            const double da = a->HasDate ? a->Date : 1e9;
            const double db = b->HasDate ? b->Date : 1e9;
            return da != db
                       ? da < db
                       : (a->Matchday != b->Matchday ? a->Matchday < b->Matchday : a->Id < b->Id);
        });
        body += QStringLiteral("<section>\n<h2>%1</h2>\n<div class=\"scroll\"><table>\n"
                               "<thead><tr><th>%2</th><th>%3</th><th>%4</th><th>%5</th><th>%6</"
                               "th></tr></thead>\n<tbody>\n")
                    .arg(E(LangText(5951, "Fixtures and results")), E(LangText(5604, "Date")),
                         E(LangText(5948, "Venue")), E(LangText(5949, "Opponent")),
                         E(LangText(5608, "Score")), E(LangText(5950, "Result")));
        body += MatchRows(matches, team.Id) + QStringLiteral("</tbody>\n</table></div>\n");
        body += CalendarLink(TeamCalendar(team.Id),
                             Fmt(LangText(5956, "The fixtures of %s in your calendar"), team.Name));
        return body + QStringLiteral("</section>\n");
    }

    const TTournament& t_;
    // Read once: every score of the site is written with the same texts.
    const TScoreTexts texts_;
    std::vector<int> columns_;
    std::vector<TRound> rounds_;
    std::map<int, std::vector<const TMatch*>> byTeam_;
    std::map<int, QString> links_;
    QByteArray top_;
    QString roundHead_;
    QByteArray bottom_;
};

} // namespace

std::map<QString, QByteArray> SitePages(const TTournament& t) {
    return TSiteWriter(t).Pages();
}

bool IsSiteFile(const QString& name) {
    static const QRegularExpression own(
        QStringLiteral("^(index\\.html|style\\.css|tournament\\.json|calendar\\.ics|"
                       "unscheduled\\.html|team-\\d+\\.(html|ics)|matchday-\\d+\\.html|"
                       "date-\\d{4}-\\d{2}-\\d{2}\\.html)$"));
    return own.match(name).hasMatch();
}

bool HoldsOtherFiles(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists() || QFileInfo::exists(dir.filePath(QLatin1String(kSiteManifest))))
        return false;
    return !dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty();
}

TIoResult PublishSite(const TTournament& t, const QString& folder, int* filesWritten) {
    if (!QDir().mkpath(folder))
        return TIoResult::Failure(Fmt(LangText(5953, "Cannot create the folder %s"), folder));
    const QDir dir(folder);
    const std::map<QString, QByteArray> pages = SitePages(t);
    // What an earlier publication wrote.
    QStringList before;
    QByteArray manifest;
    if (ReadFileBytes(dir.filePath(QLatin1String(kSiteManifest)), manifest).Ok)
        before = QString::fromUtf8(manifest).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList written;
    const auto keepList = [&](const QStringList& names) {
        return WriteFileAtomic(dir.filePath(QLatin1String(kSiteManifest)),
                               names.join(QLatin1Char('\n')).toUtf8());
    };
    for (const auto& [name, bytes] : pages) {
        if (const TIoResult r = WriteFileAtomic(dir.filePath(name), bytes); !r) {
            // What was written stays listed, so that the next publication tidies it up.
            QStringList known = before;
            for (const QString& w : written)
                if (!known.contains(w)) known << w;
            keepList(known);
            return TIoResult::Failure(QStringLiteral("%1: %2").arg(dir.filePath(name), r.Message));
        }
        written << name;
    }
    // Only names of the site's own kinds are ever removed.
    for (const QString& old : before)
        if (IsSiteFile(old) && !written.contains(old)) QFile::remove(dir.filePath(old));
    if (const TIoResult r = keepList(written); !r) return r;
    if (filesWritten) *filesWritten = static_cast<int>(written.size());
    return TIoResult::Success();
}

} // namespace kv
