#pragma once

// Random use of the windows, driven by a seed: commands of the main and the tournament
// windows, clicks on the table pictures, fixture edits, undo and redo, saving, closing and
// reopening; every dialog that comes up is filled with random and hostile text, then
// confirmed or cancelled. After every action the open tournaments must be sound; after every
// save the file must read back to the same tournament; at the end, undoing everything must
// give back each tournament as it was opened.
#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <random>

namespace kv {
class TMainForm;
class TTournamentForm;
} // namespace kv
class QWidget;

namespace kvtest {

class TScriptedDialogs;

struct TMonkeyResult {
    int Actions = 0;
    QStringList Log; // what was done, one line an action
    QString Failure; // empty when every check held
};

class TMonkey {
public:
    TMonkey(kv::TMainForm& main, quint32 seed);
    // Runs `actions` actions (or until `seconds` pass, when that is not 0), stopping at the
    // first broken check.
    TMonkeyResult Run(int actions, int seconds = 0);
    // Opens only the listed tournament of that file name ("soccer.kvd"); all of them when empty.
    void OpenOnly(const QString& fileName) { only_ = fileName; }

    // The hostile texts typed into fields.
    static QStringList HostileTexts();

private:
    void Act(TMonkeyResult& r);
    QString Check(const char* after);
    QString CheckSaved(kv::TTournamentForm& form);
    QString UndoEverything();
    void HandleModals();
    void FillAndClose(QWidget& dialog);
    int Pick(int count) {
        return count <= 0 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(rng_);
    }
    bool Chance(int percent) { return Pick(100) < percent; }
    QString RandomText();

    kv::TMainForm& main_;
    std::mt19937 rng_;
    // What each open window held when it was opened, for the final undo.
    QHash<const kv::TTournamentForm*, QByteArray> openedAs_;
    QHash<QWidget*, int> seen_; // how often each dialog came round unclosed
    QString only_;
    QPointer<kv::TTournamentForm> onlyForm_; // its window, while open
};

} // namespace kvtest
