#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QObject>
#include <QTimer>
#include <QUndoStack>

#include <functional>
#include <memory>

// One open tournament: it owns the tournament and its undo stack, carries out every edit, and
// says what each edit changed so that the window's pages rebuild only what is stale.
namespace kv {

// What an edit touched.
enum TDocumentChange : unsigned {
    ChangeTables = 1u << 0,   // the standings must be recomputed and redrawn
    ChangeLayout = 1u << 1,   // the pictures change size or number (view, alignment, table choice)
    ChangeFixtures = 1u << 2, // the fixture list
    ChangeStatistics = 1u << 3, // the statistics page
    ChangeStructure = 1u << 4,  // groups, conferences or teams
    ChangeName = 1u << 5,       // the tournament's name
    ChangeOrder = 1u << 6,      // the standings order alone (sort state)
    ChangeEverything = 0xFFFFu,
};

template <typename T> class TValueStep;

class TTournamentDocument : public QObject {
    Q_OBJECT
public:
    explicit TTournamentDocument(std::unique_ptr<TTournament> tournament,
                                 QObject* parent = nullptr);
    ~TTournamentDocument() override;

    const TTournament& Tournament() const { return *tournament_; }
    QUndoStack& UndoStack() { return undo_; }
    bool IsModified() const { return tournament_->IsModified; }
    QString FileName() const { return tournament_->FileName; }

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

    // The column set last chosen for this window's tables (the tool window and the columns
    // dialog show it); not part of the tournament.
    const QString& ColumnSet() const { return columnSet_; }
    void SetColumnSet(const QString& name) { columnSet_ = name; }

    // The file was moved (the properties dialog): the tournament is saved there from now on. Not
    // an undo step, as the file on disk stays where it went.
    void SetFileName(const QString& path);

    // While the tournament is modified a recovery copy is written a moment after each edit.
    void SetRecoveryDelay(int milliseconds) { recovery_.setInterval(milliseconds); }
    bool RecoveryPending() const { return recovery_.isActive(); }
    void WriteRecoveryNow();
    // Closed without saving: the copy goes too.
    void DiscardRecovery();

    // Writes the file (with a backup when the preference asks) and marks this state clean.
    TIoResult Save();

    // The tournament's state as the undo steps keep it: the file's bytes and what the window
    // keeps beside the file (sort, filters).
    struct TSnapshot {
        QByteArray File;
        TSortState Sort;
        TMatchFilter Filter;
        TFixtureSort FixtureSort;
        std::vector<int> SelectedGroups;
    };
    TSnapshot Snapshot() const;
    void Restore(const TSnapshot& s, unsigned changes);

    // After a value changed: the tables put in order again when the change asks it, and the pages
    // told.
    void ValueChanged(unsigned changes);
    // After one match changed: only the tables of its two teams are counted and ordered again.
    void MatchChanged(unsigned changes, int homeTeamId, int visitorTeamId);
    void PushStep(QUndoCommand* step);

    // While `Changed` is being told of one match's change: its two teams, so that a page can
    // redraw only the tables holding them. Empty for every other change.
    const std::vector<int>& TouchedTeams() const { return touched_; }

signals:
    // After an edit, an undo or a redo.
    void Changed(unsigned changes);
    void ModifiedChanged(bool modified);

private:
    template <typename T> friend class TValueStep;
    friend class TMatchStep;
    TTournament& Edited() { return *tournament_; }
    void SetModified(bool modified);

    std::unique_ptr<TTournament> tournament_;
    QUndoStack undo_;
    bool inUndo_ = false;
    std::vector<int> touched_;
    QString columnSet_;
    QTimer recovery_;
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
        if (T* target = field_(doc_.Edited())) {
            *target = value;
            doc_.ValueChanged(changes_);
        }
    }
    TTournamentDocument& doc_;
    unsigned changes_;
    std::function<T*(TTournament&)> field_;
    T before_;
    T after_;
};

template <typename T>
void TTournamentDocument::EditValue(const QString& name, unsigned changes,
                                    std::function<T*(TTournament&)> field, T value) {
    T* target = field(*tournament_);
    if (!target || *target == value) return;
    PushStep(new TValueStep<T>(*this, name, changes, std::move(field), *target, std::move(value)));
}

} // namespace kv
