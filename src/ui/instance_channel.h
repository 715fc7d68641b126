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

// Gives the files to a program already running; false when none answers.
bool SendToRunningInstance(const QStringList& files, int timeoutMs = 1000);

class TInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit TInstanceServer(QObject* parent = nullptr);
    // Starts listening; a socket left by a program that crashed is cleared first.
    bool Listen();

signals:
    void FilesReceived(const QStringList& files);

private:
    QLocalServer* server_ = nullptr;
};

} // namespace kv
