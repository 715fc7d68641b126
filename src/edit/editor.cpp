#include "edit/editor.h"

#include "edit/match_edit.h"
#include "standings/tournament_setup.h"

#include <climits>

namespace kv {

namespace {

// One edit: the states before and after it. The edit has been carried out when the step is
// pushed, so the first redo does nothing.
class TSnapshotStep : public QUndoCommand {
public:
    TSnapshotStep(TTournamentDocument& doc, const QString& name,
                  TTournamentDocument::TSnapshot before, TTournamentDocument::TSnapshot after,
                  unsigned changes)
        : QUndoCommand(name), doc_(doc), before_(std::move(before)), after_(std::move(after)),
          changes_(changes) {}

    void undo() override { TEditor(doc_).Restore(before_, changes_); }
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        TEditor(doc_).Restore(after_, changes_);
    }

private:
    TTournamentDocument& doc_;
    TTournamentDocument::TSnapshot before_;
    TTournamentDocument::TSnapshot after_;
    unsigned changes_;
    bool first_ = true;
};

// One match stored: its values before and after, or its adding (undone by taking it out again
// and giving back the match number the tournament had).
class TMatchStep : public QUndoCommand {
public:
    TMatchStep(TTournamentDocument& doc, const QString& name, unsigned changes,
               std::unique_ptr<TMatch> before, std::unique_ptr<TMatch> after, int lastMatchIdBefore)
        : QUndoCommand(name), doc_(doc), changes_(changes), before_(std::move(before)),
          after_(std::move(after)), lastMatchIdBefore_(lastMatchIdBefore) {}

    void redo() override {
        TEditor editor(doc_);
        TTournament& t = editor.Edited();
        if (!before_) {
            auto added = CreateMatch(t.Sport, *after_);
            t.AddMatch(added);
        } else if (TMatch* m = t.MatchById(after_->Id)) {
            m->Assign(*after_);
        }
        editor.MatchChanged(changes_, after_->HomeTeamId, after_->VisitorTeamId);
    }
    void undo() override {
        TEditor editor(doc_);
        TTournament& t = editor.Edited();
        if (!before_) {
            t.RemoveMatchById(after_->Id);
            t.LastMatchId = lastMatchIdBefore_;
        } else if (TMatch* m = t.MatchById(before_->Id)) {
            m->Assign(*before_);
        }
        editor.MatchChanged(changes_, after_->HomeTeamId, after_->VisitorTeamId);
    }

private:
    TTournamentDocument& doc_;
    unsigned changes_;
    std::unique_ptr<TMatch> before_; // null for a match added
    std::unique_ptr<TMatch> after_;
    int lastMatchIdBefore_;
};

} // namespace

void TEditor::Edit(const QString& name, unsigned changes,
                   const std::function<void(TTournament&)>& apply) {
    TTournament& t = Edited();
    TTournamentDocument::TSnapshot before = doc_.Snapshot();
    apply(t);
    // A table is ordered from its teams' figures, which every table shares: ordering them all
    // again means counting them all again, each just before its order is made.
    if (changes & (ChangeTables | ChangeStructure | ChangeOrder)) RecomputeAll(t);
    // Taken once the tables are in order again: the file lists the teams in the joint
    // table's order, so this is the state a redo comes back to.
    TTournamentDocument::TSnapshot after = doc_.Snapshot();
    if (before == after) return;
    Push(new TSnapshotStep(doc_, name, std::move(before), std::move(after), changes));
    doc_.Announce(TChange(changes));
}

bool TEditor::EditMatch(const QString& name, unsigned changes, const TMatch& match) {
    TTournament& t = Edited();
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
    Push(new TMatchStep(doc_, name, changes, std::move(before), std::move(after), lastBefore));
    return true;
}

void TEditor::ValueChanged(unsigned changes) {
    if (changes & (ChangeTables | ChangeStructure | ChangeOrder)) RecomputeAll(Edited());
    doc_.Announce(TChange(changes));
}

void TEditor::MatchChanged(unsigned changes, int homeTeamId, int visitorTeamId) {
    if (changes & (ChangeTables | ChangeOrder))
        RecomputeAfterMatchChange(Edited(), homeTeamId, visitorTeamId);
    doc_.Announce(TChange(changes, {homeTeamId, visitorTeamId}));
}

void TEditor::Push(QUndoCommand* step) {
    doc_.undo_.push(step); // carries the value over at once
    doc_.SetModified(!doc_.undo_.isClean());
}

} // namespace kv
