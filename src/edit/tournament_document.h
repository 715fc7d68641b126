#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QObject>
#include <QTimer>
#include <QUndoStack>

#include <memory>
#include <vector>

// One open tournament: it owns the tournament and its undo stack, and says what each edit, undo
// and redo changed so that the window's pages rebuild only what is stale. The edits themselves
// are the functions of edit/edits.h.
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

// What one edit, undo or redo changed.
struct TChange {
    TChange() = default;
    explicit TChange(unsigned what, std::vector<int> teams = {}, bool replaced = false)
        : What(what), Teams(std::move(teams)), Replaced(replaced) {}

    unsigned What = 0;      // TDocumentChange flags
    std::vector<int> Teams; // one match changed: its two teams, whose tables alone are stale
    bool Replaced = false;  // the tournament object was rebuilt: nothing held from it is valid

    bool Has(unsigned flags) const { return (What & flags) != 0; }
    bool operator==(const TChange&) const = default;
};

class TEditor;

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

        bool operator==(const TSnapshot&) const = default;
    };
    TSnapshot Snapshot() const;

signals:
    // An undo or redo is about to replace the tournament object: whatever points into it must
    // let go now. `Changed` with `Replaced` follows.
    void AboutToRestore();
    // After an edit, an undo or a redo.
    void Changed(const kv::TChange& change);
    void ModifiedChanged(bool modified);

private:
    // The edits and their steps reach the tournament through the editor alone.
    friend class TEditor;
    TTournament& Edited() { return *tournament_; }
    void Restore(const TSnapshot& s, unsigned changes);
    void Announce(TChange change);
    void SetModified(bool modified);

    std::unique_ptr<TTournament> tournament_;
    QUndoStack undo_;
    QString columnSet_;
    QTimer recovery_;
};

} // namespace kv
