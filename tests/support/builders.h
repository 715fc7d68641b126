#pragma once

// Small builders of tournaments for the tests of the model and the layers above it.
#include "model/tournament.h"

#include <QStringList>

#include <memory>

namespace kvtest {

struct TGroupSpec {
    QString Name;
    QStringList Teams;
    int ConferenceId = -1;
};

// A tournament of the given sport with the given groups; team ids count from 0 in order.
inline std::unique_ptr<kv::TTournament> MakeTournament(int sport, int legs,
                                                       const std::vector<TGroupSpec>& groups,
                                                       int conferenceLegs = -1,
                                                       int interLegs = -1) {
    auto t = std::make_unique<kv::TTournament>(kv::TTournamentDefaults::FromSettings());
    t->Name = QStringLiteral("Test");
    t->Sport = sport;
    t->GroupLegs = legs;
    t->ConferenceLegs = conferenceLegs < 0 ? legs : conferenceLegs;
    t->InterConferenceLegs = interLegs < 0 ? legs : interLegs;
    t->JointTable().Legs = legs;
    t->WinPoints = 3;
    t->DrawPoints = 1;
    t->LossPoints = 0;
    t->WinOTPoints = 3;
    t->LossOTPoints = 0;
    t->WinSOPoints = 3;
    t->LossSOPoints = 0;
    t->SortCriteria.push_back(
        {kv::kColumnPoints, kv::ScopeOverall, QStringLiteral("Points Obtained"), true});
    int groupId = 0;
    int teamId = 0;
    for (const TGroupSpec& g : groups) {
        if (g.ConferenceId >= 0 && !t->ConferenceById(g.ConferenceId))
            t->AddConference(g.ConferenceId,
                             QStringLiteral("Conference %1").arg(g.ConferenceId + 1),
                             t->JointTable().Style);
        t->AddGroup(g.Name, legs, g.ConferenceId, groupId, t->JointTable().Style);
        for (const QString& name : g.Teams) {
            t->AddTeam(name, teamId, groupId, teamId, true);
            ++teamId;
        }
        ++groupId;
    }
    return t;
}

// Adds a match between two teams named by name; a non-empty score is parsed home first.
inline kv::TMatch* AddResult(kv::TTournament& t, const QString& home, const QString& visitor,
                             const QString& score, int leg = 1) {
    kv::TTeam* h = t.JointTable().TeamByName(home);
    kv::TTeam* v = t.JointTable().TeamByName(visitor);
    if (!h || !v) return nullptr;
    auto m = kv::CreateMatch(t.Sport, -1, h->Id, v->Id, leg);
    m->GridPosition = t.JointTable().ProposedGridPosition(h->Id, v->Id, leg, -1);
    if (!score.isEmpty() && !m->SetScoreText(score, false).Ok) return nullptr;
    kv::TMatch* raw = m.get();
    if (!t.AddMatch(m)) return nullptr;
    return raw;
}

inline int TeamId(const kv::TTournament& t, const QString& name) {
    const kv::TTeam* team = t.JointTable().TeamByName(name);
    return team ? team->Id : -1;
}

} // namespace kvtest
