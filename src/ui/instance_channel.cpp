#include "ui/instance_channel.h"

#include "base/programfolder.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace kv {

namespace {

// Files travel as UTF-8 lines; the list ends with an empty line.
constexpr qint64 kMaxMessage = 1 << 20;

} // namespace

QString InstanceChannelName() {
    const QByteArray folder = QCryptographicHash::hash(ProgramFolder().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("kelvorandine-%1-%2").arg(qEnvironmentVariable("USER"), QString::fromLatin1(folder.left(12)));
}

bool SendToRunningInstance(const QStringList& files, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(InstanceChannelName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message;
    for (const QString& f : files)
        message += f.toUtf8() + '\n';
    message += '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running program says it has them.
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.readAll().startsWith("ok");
}

TInstanceServer::TInstanceServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                const QByteArray data = socket->peek(kMaxMessage);
                if (!data.endsWith("\n\n") && data.size() < kMaxMessage)
                    return; // more to come
                socket->readAll();
                QStringList files;
                for (const QByteArray& line : data.split('\n'))
                    if (!line.isEmpty())
                        files << QString::fromUtf8(line);
                socket->write("ok\n");
                socket->flush();
                emit FilesReceived(files);
            });
        }
    });
}

bool TInstanceServer::Listen() {
    const QString name = InstanceChannelName();
    if (server_->listen(name))
        return true;
    // Nobody answers on it: what is left is a crashed program's socket.
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

} // namespace kv
