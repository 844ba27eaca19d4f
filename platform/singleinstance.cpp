#include "singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace zentak {

namespace {
const QByteArray kActivate = "activate\n";
const QByteArray kAcknowledge = "ok\n";
} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent) : QObject(parent)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    const QString user = qEnvironmentVariable("USER", QStringLiteral("user"));
    lockPath_ = QDir(dir).filePath(QStringLiteral("zentak-%1.lock").arg(user));
    socketPath_ = QDir(dir).filePath(QStringLiteral("zentak-%1.sock").arg(user));
}

SingleInstance::~SingleInstance()
{
    server_.close();
    if (lock_)
        lock_->unlock();
}

bool SingleInstance::claim()
{
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // 0: a lock is stale only when the process that holds it is gone.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        if (lock_->error() == QLockFile::LockFailedError) {
            askRunningInstance();
            return false;
        }
        // The lock cannot even be created (no writable folder): run anyway
        // rather than refuse to start.
        return true;
    }
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(socketPath_);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = server_.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains("activate")) {
                    peer->write(kAcknowledge);
                    peer->flush();
                    emit activationRequested();
                }
            });
        }
    });
    return true;
}

bool SingleInstance::askRunningInstance()
{
    // The first instance may still be starting: try for about two seconds.
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(100)) {
            socket.write(kActivate);
            socket.waitForBytesWritten(1000);
            const bool acknowledged = socket.waitForReadyRead(2000) && socket.readAll().contains("ok");
            socket.disconnectFromServer();
            return acknowledged;
        }
        QThread::msleep(100);
    }
    return false;
}

} // namespace zentak
