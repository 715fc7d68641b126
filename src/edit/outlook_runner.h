#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

// Works out the places still possible of an open tournament away from the user-interface
// thread. The races are taken from the tournament here, solved on a thread of their own that
// sees nothing but them, and the answer is written into the tournament back here, when no
// edit has come since. An edit starts the work again; a new start or a cancel stops the
// work under way.
namespace kv {

class TTournamentDocument;

class TOutlookRunner : public QObject {
    Q_OBJECT
public:
    explicit TOutlookRunner(TTournamentDocument& doc, QObject* parent = nullptr);
    ~TOutlookRunner() override;

    // Starts again from the tournament as it is now (after every edit that can move a table).
    // The places found before stay until the new ones are in, unless the work takes longer
    // than kStaleAfterMs: then they are taken away, as they may no longer hold.
    void Restart();
    static constexpr int kStaleAfterMs = 400;
    void SetStaleAfter(int milliseconds) { stale_.setInterval(milliseconds); }
    // Stops the work under way; the places it has not found stay unknown until the next edit.
    void Cancel();
    bool Running() const;
    // Waits for the work under way and takes its answer in (tests, benchmarks, closing).
    void Finish();

signals:
    // A start with work to do.
    void Started();
    // Teams done out of all the teams of the work under way.
    void Progress(int done, int total);
    // The work takes long: the places found before are gone, the new ones are on their way.
    void Stale();
    // The places are in the tournament: tables, hints and pages show them now.
    void Updated();

private:
    struct TRun;
    void Take(const std::shared_ptr<TRun>& run);

    TTournamentDocument& doc_;
    std::shared_ptr<TRun> run_;
    quint64 generation_ = 0;
    QTimer stale_;
};

} // namespace kv
