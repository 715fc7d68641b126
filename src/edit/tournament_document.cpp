#include "edit/tournament_document.h"

#include "base/preferences.h"
#include "standings/tournament_setup.h"
#include "storage/recovery.h"
#include "storage/tournament_file.h"

#include <cstdlib>

namespace kv {

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
    auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
    if (!ReadTournamentBytes(*t, s.File, tournament_->FileName))
        return; // the bytes were written by this program a moment ago; nothing else to do
    t->FileName = tournament_->FileName;
    t->SavedAt = tournament_->SavedAt;
    t->SortState = s.Sort;
    t->MatchFilter = s.Filter;
    t->FixtureSort = s.FixtureSort;
    t->SelectedGroups = s.SelectedGroups;
    t->IsModified = tournament_->IsModified;
    // Restoring rebuilds the tournament object: whatever points into it lets go first.
    emit AboutToRestore();
    tournament_ = std::move(t);
    RecomputeAll(*tournament_);
    Announce(TChange(changes | ChangeTables | ChangeLayout | ChangeStructure, {}, true));
}

void TTournamentDocument::Announce(TChange change) {
    emit Changed(change);
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
