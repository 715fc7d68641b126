#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>

// One open tournament: it owns the tournament and its undo stack, carries out every edit, and
// says what each edit changed so that the window's pages rebuild only what is stale.
namespace kv {

// What an edit touched.
enum TDocumentChange : unsigned {
    ChangeTables = 1u << 0,     // the standings must be recomputed and redrawn
    ChangeLayout = 1u << 1,     // the pictures change size or number (view, alignment, table choice)
    ChangeFixtures = 1u << 2,   // the fixture list
    ChangeStatistics = 1u << 3, // the statistics page
    ChangeStructure = 1u << 4,  // groups, conferences or teams
    ChangeName = 1u << 5,       // the tournament's name
    ChangeOrder = 1u << 6,      // the standings order alone (sort state)
    ChangeEverything = 0xFFFFu,
};

class TTournamentDocument : public QObject {
    Q_OBJECT
public:
    explicit TTournamentDocument(std::unique_ptr<TTournament> tournament, QObject* parent = nullptr);
    ~TTournamentDocument() override;

    const TTournament& Tournament() const { return *tournament_; }
    QUndoStack& UndoStack() { return undo_; }
    bool IsModified() const { return tournament_->IsModified; }
    QString FileName() const { return tournament_->FileName; }

    // Carries out an edit named `name` ("Sort by Goal Difference") as one undoable step. The
    // edit changes the tournament through `apply`; nothing is recorded when it changes nothing.
    void Edit(const QString& name, unsigned changes, const std::function<void(TTournament&)>& apply);

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

signals:
    // After an edit, an undo or a redo.
    void Changed(unsigned changes);
    void ModifiedChanged(bool modified);

private:
    void SetModified(bool modified);

    std::unique_ptr<TTournament> tournament_;
    QUndoStack undo_;
    bool inUndo_ = false;
};

} // namespace kv
