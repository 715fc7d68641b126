#include "ui/shell/instance_channel.h"

#include "base/programfolder.h"
#include "base/runtime_folder.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace kv {

namespace {

// Files travel as UTF-8 lines; the list ends with an empty line.
constexpr qint64 kMaxMessage = 1 << 20;

} // namespace

QString InstanceChannelName() {
    // One channel per user and program folder, in a folder no other user may enter.
    const QByteArray folder =
        QCryptographicHash::hash(ProgramFolder().toUtf8(), QCryptographicHash::Sha1).toHex();
    return PrivateRuntimeFolder() + QStringLiteral("kelvorandine-%1-%2")
                                        .arg(::getuid())
                                        .arg(QString::fromLatin1(folder.left(12)));
}

THandOver SendToRunningInstance(const QStringList& files, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(InstanceChannelName());
    if (!socket.waitForConnected(timeoutMs)) return THandOver::NoneRunning;
    QByteArray message;
    for (const QString& f : files)
        message += f.toUtf8() + '\n';
    message += '\n';
    socket.write(message);
    // The running program says it has them.
    if (!socket.waitForBytesWritten(timeoutMs) || !socket.waitForReadyRead(timeoutMs))
        return THandOver::NoAnswer;
    return socket.readAll().startsWith("ok") ? THandOver::Delivered : THandOver::NoAnswer;
}

TInstanceServer::TInstanceServer(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                const QByteArray data = socket->peek(kMaxMessage);
                if (!data.endsWith("\n\n") && data.size() < kMaxMessage) return; // more to come
                socket->readAll();
                QStringList files;
                for (const QByteArray& line : data.split('\n'))
                    if (!line.isEmpty()) files << QString::fromUtf8(line);
                socket->write("ok\n");
                socket->flush();
                // Opening files may show boxes with event loops of their own, in which this
                // socket goes away: they are opened after this handler has returned.
                QMetaObject::invokeMethod(
                    this, [this, files] { emit FilesReceived(files); }, Qt::QueuedConnection);
            });
        }
    });
}

bool TInstanceServer::Listen() {
    const QString name = InstanceChannelName();
    if (server_->listen(name)) return true;
    // A program that answers keeps its socket; what nobody answers on is a crashed one's.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) return false;
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

} // namespace kv
