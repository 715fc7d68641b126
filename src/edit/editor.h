#pragma once

#include "edit/tournament_document.h"

#include <QUndoCommand>

#include <functional>

// The edit layer's own access to a document: the edit functions carry out their changes through
// it, each as one undo step. Windows do not include this header; tests may, to set a tournament
// up.
namespace kv {

class TEditor {
public:
    explicit TEditor(TTournamentDocument& doc) : doc_(doc) {}

    const TTournament& Tournament() const { return doc_.Tournament(); }

    // Carries out an edit named `name` ("Sort by Goal Difference") as one undoable step. The
    // edit changes the tournament through `apply`; nothing is recorded when it changes nothing.
    void Edit(const QString& name, unsigned changes,
              const std::function<void(TTournament&)>& apply);

    // A small edit of one value (the view, the sort, a table's title): the step keeps the old
    // and new value only, so that it is quick however large the tournament. `field` finds the
    // value in whichever tournament object the document holds at the time.
    template <typename T>
    void EditValue(const QString& name, unsigned changes, std::function<T*(TTournament&)> field,
                   T value);

    // Stores a match as one undoable step: a new one (id -1) is added, a stored one takes the
    // values. The step keeps the match alone, so that it is quick however large the tournament.
    // False when the match cannot be stored (gone, or its pair's leg taken meanwhile).
    bool EditMatch(const QString& name, unsigned changes, const TMatch& match);

    // After a value changed: the tables put in order again when the change asks it, and the
    // pages told.
    void ValueChanged(unsigned changes);
    // After one match changed: only the tables of its two teams are counted and ordered again.
    void MatchChanged(unsigned changes, int homeTeamId, int visitorTeamId);
    void Restore(const TTournamentDocument::TSnapshot& s, unsigned changes) {
        doc_.Restore(s, changes);
    }
    TTournament& Edited() { return doc_.Edited(); }
    void Push(QUndoCommand* step);

private:
    TTournamentDocument& doc_;
};

// One value's step.
template <typename T> class TValueStep : public QUndoCommand {
public:
    TValueStep(TTournamentDocument& doc, const QString& name, unsigned changes,
               std::function<T*(TTournament&)> field, T before, T after)
        : QUndoCommand(name), doc_(doc), changes_(changes), field_(std::move(field)),
          before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { Set(before_); }
    void redo() override { Set(after_); }

private:
    void Set(const T& value) {
        TEditor editor(doc_);
        if (T* target = field_(editor.Edited())) {
            *target = value;
            editor.ValueChanged(changes_);
        }
    }
    TTournamentDocument& doc_;
    unsigned changes_;
    std::function<T*(TTournament&)> field_;
    T before_;
    T after_;
};

template <typename T>
void TEditor::EditValue(const QString& name, unsigned changes,
                        std::function<T*(TTournament&)> field, T value) {
    T* target = field(Edited());
    if (!target || *target == value) return;
    Push(new TValueStep<T>(doc_, name, changes, std::move(field), *target, std::move(value)));
}

} // namespace kv
