#include "edit/outlook_runner.h"

#include "edit/tournament_document.h"
#include "standings/outlook.h"

#include <QThread>

#include <atomic>

namespace kv {

// One start: the races it was given, what it found, and the thread it runs on. The thread
// owns a share of it, so it outlives the runner if need be.
struct TOutlookRunner::TRun {
    quint64 Generation = 0;
    std::vector<TOutlookJob> Jobs;
    std::vector<std::vector<TPlaceRange>> Ranges;
    std::atomic<bool> Cancel{false};
    std::atomic<bool> Done{false};
    bool Taken = false;
    QThread* Thread = nullptr;
};

TOutlookRunner::TOutlookRunner(TTournamentDocument& doc, QObject* parent)
    : QObject(parent), doc_(doc) {
    stale_.setSingleShot(true);
    stale_.setInterval(kStaleAfterMs);
    connect(&stale_, &QTimer::timeout, this, [this] {
        if (!Running()) return;
        ClearOutlook(doc_.Tournament());
        emit Stale();
    });
}

TOutlookRunner::~TOutlookRunner() {
    Cancel();
}

bool TOutlookRunner::Running() const {
    return run_ && !run_->Done.load();
}

void TOutlookRunner::Cancel() {
    stale_.stop();
    if (!run_) return;
    run_->Cancel = true;
    if (run_->Thread) run_->Thread->wait();
    run_.reset();
}

void TOutlookRunner::Restart() {
    Cancel();
    const TTournament& t = doc_.Tournament();
    auto run = std::make_shared<TRun>();
    run->Generation = ++generation_;
    run->Jobs = OutlookJobs(t);
    if (run->Jobs.empty()) {
        // Nothing to foresee (not ranked by points, or no teams): every place unknown.
        ClearOutlook(t);
        emit Updated();
        return;
    }
    run_ = run;
    run->Thread = QThread::create([this, run] {
        run->Ranges = SolveOutlook(run->Jobs, &run->Cancel, [this, run](int done, int total) {
            // Now and then, not for every team: a hundredth at a time.
            if (total < 100 || done % (total / 100) == 0 || done == total)
                QMetaObject::invokeMethod(
                    this, [this, done, total] { emit Progress(done, total); },
                    Qt::QueuedConnection);
        });
        run->Done = true;
        QMetaObject::invokeMethod(
            this, [this, run] { Take(run); }, Qt::QueuedConnection);
    });
    connect(run->Thread, &QThread::finished, run->Thread, &QObject::deleteLater);
    run->Thread->start(QThread::LowPriority);
    stale_.start();
    emit Started();
}

void TOutlookRunner::Take(const std::shared_ptr<TRun>& run) {
    // An answer to a tournament that has changed since, or cancelled, is dropped.
    if (run != run_ || run->Generation != generation_ || run->Cancel.load() || run->Taken) return;
    if (run->Thread) run->Thread->wait();
    run->Thread = nullptr; // on its way out (deleted once finished)
    run->Taken = true;
    stale_.stop();
    StoreOutlook(doc_.Tournament(), run->Jobs, run->Ranges);
    emit Updated();
}

void TOutlookRunner::Finish() {
    if (!run_) return;
    const std::shared_ptr<TRun> run = run_;
    if (run->Thread) run->Thread->wait();
    Take(run);
}

} // namespace kv
