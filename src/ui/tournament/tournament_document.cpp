#include "ui/tournament/tournament_document.h"

#include "base/preferences.h"
#include "standings/match_edit.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/recovery.h"
#include "storage/tournament_file.h"

#include <QUndoCommand>

#include <climits>
#include <cstdlib>

namespace kv {

namespace {

bool SameSnapshot(const TTournamentDocument::TSnapshot& a,
                  const TTournamentDocument::TSnapshot& b) {
    return a.File == b.File && a.Sort.Column == b.Sort.Column && a.Sort.Venue == b.Sort.Venue &&
           a.Sort.Descending == b.Sort.Descending && a.Filter.LegFrom == b.Filter.LegFrom &&
           a.Filter.LegTo == b.Filter.LegTo && a.Filter.DateFrom == b.Filter.DateFrom &&
           a.Filter.DateTo == b.Filter.DateTo && a.Filter.MatchdayFrom == b.Filter.MatchdayFrom &&
           a.Filter.MatchdayTo == b.Filter.MatchdayTo &&
           a.FixtureSort.Column == b.FixtureSort.Column &&
           a.FixtureSort.Descending == b.FixtureSort.Descending &&
           a.SelectedGroups == b.SelectedGroups;
}

// One edit: the states before and after it. The edit has been carried out when the step is
// pushed, so the first redo does nothing.
class TSnapshotStep : public QUndoCommand {
public:
    TSnapshotStep(TTournamentDocument& doc, const QString& name,
                  TTournamentDocument::TSnapshot before, TTournamentDocument::TSnapshot after,
                  unsigned changes)
        : QUndoCommand(name), doc_(doc), before_(std::move(before)), after_(std::move(after)),
          changes_(changes) {}

    void undo() override { doc_.Restore(before_, changes_); }
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        doc_.Restore(after_, changes_);
    }

private:
    TTournamentDocument& doc_;
    TTournamentDocument::TSnapshot before_;
    TTournamentDocument::TSnapshot after_;
    unsigned changes_;
    bool first_ = true;
};

} // namespace

// One match stored: its values before and after, or its adding (undone by taking it out again
// and giving back the match number the tournament had).
class TMatchStep : public QUndoCommand {
public:
    TMatchStep(TTournamentDocument& doc, const QString& name, unsigned changes,
               std::unique_ptr<TMatch> before, std::unique_ptr<TMatch> after, int lastMatchIdBefore)
        : QUndoCommand(name), doc_(doc), changes_(changes), before_(std::move(before)),
          after_(std::move(after)), lastMatchIdBefore_(lastMatchIdBefore) {}

    void redo() override {
        TTournament& t = doc_.Edited();
        if (!before_) {
            auto added = CreateMatch(t.Sport, *after_);
            t.AddMatch(added);
        } else if (TMatch* m = t.MatchById(after_->Id)) {
            m->Assign(*after_);
        }
        doc_.MatchChanged(changes_, after_->HomeTeamId, after_->VisitorTeamId);
    }
    void undo() override {
        TTournament& t = doc_.Edited();
        if (!before_) {
            t.RemoveMatchById(after_->Id);
            t.LastMatchId = lastMatchIdBefore_;
        } else if (TMatch* m = t.MatchById(before_->Id)) {
            m->Assign(*before_);
        }
        doc_.MatchChanged(changes_, after_->HomeTeamId, after_->VisitorTeamId);
    }

private:
    TTournamentDocument& doc_;
    unsigned changes_;
    std::unique_ptr<TMatch> before_; // null for a match added
    std::unique_ptr<TMatch> after_;
    int lastMatchIdBefore_;
};

TTournamentDocument::TTournamentDocument(std::unique_ptr<TTournament> tournament, QObject* parent)
    : QObject(parent), tournament_(std::move(tournament)) {
    undo_.setUndoLimit(200);
    undo_.setClean();
    // A tournament restored from a recovery copy stays modified whatever is undone.
    if (tournament_->IsModified) undo_.resetClean();
    connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { SetModified(!clean); });
    // The copy is written a moment after the edits stop, not while they are typed.
    recovery_.setSingleShot(true);
    recovery_.setInterval(2000);
    connect(&recovery_, &QTimer::timeout, this, &TTournamentDocument::WriteRecoveryNow);
    connect(this, &TTournamentDocument::Changed, this, [this] {
        if (IsModified()) recovery_.start();
    });
    // The first edit after a save tells of the change before the tournament counts as modified.
    connect(this, &TTournamentDocument::ModifiedChanged, this, [this](bool modified) {
        if (modified)
            recovery_.start();
        else
            DiscardRecovery();
    });
}

void TTournamentDocument::WriteRecoveryNow() {
    recovery_.stop();
    if (!IsModified() || tournament_->FileName.isEmpty()) return;
    const int edits = undo_.cleanIndex() >= 0 ? std::abs(undo_.index() - undo_.cleanIndex()) : -1;
    WriteRecovery(*tournament_, edits);
}

void TTournamentDocument::DiscardRecovery() {
    recovery_.stop();
    if (!tournament_->FileName.isEmpty()) RemoveRecovery(tournament_->FileName);
}

void TTournamentDocument::SetFileName(const QString& path) {
    DiscardRecovery();
    tournament_->FileName = path;
    if (IsModified()) recovery_.start();
}

TTournamentDocument::~TTournamentDocument() {
    // The steps refer to this document: they go before it does, and quietly.
    blockSignals(true);
    undo_.blockSignals(true);
    undo_.clear();
}

TTournamentDocument::TSnapshot TTournamentDocument::Snapshot() const {
    const TTournament& t = *tournament_;
    return {TournamentBytes(t), t.SortState, t.MatchFilter, t.FixtureSort, t.SelectedGroups};
}

void TTournamentDocument::Restore(const TSnapshot& s, unsigned changes) {
    auto t = std::make_unique<TTournament>();
    if (!ReadTournamentBytes(*t, s.File, tournament_->FileName))
        return; // the bytes were written by this program a moment ago; nothing else to do
    t->FileName = tournament_->FileName;
    t->SavedAt = tournament_->SavedAt;
    t->SortState = s.Sort;
    t->MatchFilter = s.Filter;
    t->FixtureSort = s.FixtureSort;
    t->SelectedGroups = s.SelectedGroups;
    t->IsModified = tournament_->IsModified;
    tournament_ = std::move(t);
    RecomputeAll(*tournament_);
    // Restoring rebuilds the tournament object: pages must let go of what they held.
    emit Changed(changes | ChangeTables | ChangeLayout | ChangeStructure);
}

void TTournamentDocument::Edit(const QString& name, unsigned changes,
                               const std::function<void(TTournament&)>& apply) {
    TSnapshot before = Snapshot();
    apply(*tournament_);
    // A table is ordered from its teams' figures, which every table shares: ordering them all
    // again means counting them all again, each just before its order is made.
    if (changes & (ChangeTables | ChangeStructure | ChangeOrder)) RecomputeAll(*tournament_);
    // Taken once the tables are in order again: the file lists the teams in the joint
    // table's order, so this is the state a redo comes back to.
    TSnapshot after = Snapshot();
    if (SameSnapshot(before, after)) return;
    undo_.push(new TSnapshotStep(*this, name, std::move(before), std::move(after), changes));
    SetModified(!undo_.isClean());
    emit Changed(changes);
}

bool TTournamentDocument::EditMatch(const QString& name, unsigned changes, const TMatch& match) {
    TTournament& t = *tournament_;
    std::unique_ptr<TMatch> before;
    auto after = CreateMatch(t.Sport, match);
    const int lastBefore = t.LastMatchId;
    if (match.Id >= 0) {
        const TMatch* stored = t.MatchById(match.Id);
        if (!stored) return false;
        if (SameMatch(*stored, match)) return true; // nothing changed: no step
        before = CreateMatch(t.Sport, *stored);
    } else {
        // The number the match will have, so that undoing and redoing give it back.
        if (t.LastMatchId == INT_MAX) return false;
        after->Id = t.LastMatchId + 1;
        if (t.JointTable().MatchOfPairInLeg(after->HomeTeamId, after->VisitorTeamId, after->Leg))
            return false;
    }
    PushStep(new TMatchStep(*this, name, changes, std::move(before), std::move(after), lastBefore));
    return true;
}

void TTournamentDocument::ValueChanged(unsigned changes) {
    if (changes & (ChangeTables | ChangeStructure | ChangeOrder)) RecomputeAll(*tournament_);
    emit Changed(changes);
}

void TTournamentDocument::MatchChanged(unsigned changes, int homeTeamId, int visitorTeamId) {
    if (changes & (ChangeTables | ChangeOrder))
        RecomputeAfterMatchChange(*tournament_, homeTeamId, visitorTeamId);
    touched_ = {homeTeamId, visitorTeamId};
    emit Changed(changes);
    touched_.clear();
}

void TTournamentDocument::PushStep(QUndoCommand* step) {
    undo_.push(step); // carries the value over at once
    SetModified(!undo_.isClean());
}

TIoResult TTournamentDocument::Save() {
    const TIoResult r = SaveTournament(*tournament_, tournament_->FileName, PrefBackup());
    if (r) {
        undo_.setClean();
        SetModified(false);
        DiscardRecovery();
    }
    return r;
}

void TTournamentDocument::SetModified(bool modified) {
    if (tournament_->IsModified == modified) return;
    tournament_->IsModified = modified;
    emit ModifiedChanged(modified);
}

} // namespace kv
