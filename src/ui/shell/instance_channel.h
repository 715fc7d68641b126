#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// One running program per program folder: a second start hands its files to the first one
// over a local socket and ends; the first one opens them and comes to the front.
namespace kv {

// The socket's name: the user's and the program folder's, so that separate program folders
// (a test's, an installed and a built program) keep to themselves.
QString InstanceChannelName();

enum class THandOver {
    Delivered, // the running program has the files
    NoneRunning,
    NoAnswer, // a program listens but did not answer in time
};

// Gives the files to a program already running, waiting at most `timeoutMs` for each step.
THandOver SendToRunningInstance(const QStringList& files, int timeoutMs = 3000);

class TInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit TInstanceServer(QObject* parent = nullptr);
    // Starts listening. A socket left by a program that crashed is cleared first; one that a
    // running program answers on is left alone (false).
    bool Listen();

signals:
    // Emitted once the request is answered and its handler has returned, so that a receiver
    // may show windows and boxes of its own.
    void FilesReceived(const QStringList& files);

private:
    QLocalServer* server_ = nullptr;
};

} // namespace kv
