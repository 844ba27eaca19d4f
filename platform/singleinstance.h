#pragma once
// One running instance per user. The first start holds a lock file and
// listens on a local (Unix-domain) socket; a later start finds the lock held,
// asks the first one through the socket to come forward, and gives up. A
// lock left by a crashed instance is recognised as stale and taken over.
//
// The socket is plain POSIX with a QSocketNotifier, so the start-up loads no
// network library.

#include <QByteArray>
#include <QLockFile>
#include <QObject>

#include <map>
#include <memory>

class QSocketNotifier;

namespace zentak {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live; empty for the user's
    // runtime folder.
    explicit SingleInstance(const QString &folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the only instance; false when another one
    // runs (it has then been asked to come forward).
    bool claim();

signals:
    void activationRequested();

private:
    bool listen();
    void acceptPeers();
    void readPeer(int fd);
    void dropPeer(int fd);
    bool askRunningInstance();

    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    int listenFd_ = -1;
    QSocketNotifier *listenNotifier_ = nullptr;
    struct Peer {
        QSocketNotifier *notifier = nullptr;
        QByteArray received;
    };
    std::map<int, Peer> peers_;
};

} // namespace zentak
