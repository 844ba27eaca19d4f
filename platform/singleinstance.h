#pragma once
// One running instance per user. The first start holds a lock file and
// listens on a local (Unix-domain) socket; a later start finds the lock held,
// asks the first one through the socket to come forward, and gives up. A
// lock left by a crashed instance is recognised as stale and taken over.
//
// Both live only in a folder this user owns and no one else may open: the
// runtime folder, else zentak-<uid> in the temporary folder. A start that
// finds no such folder refuses to run rather than trust one another user
// could have prepared (and so keep this user from ever starting).
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
    enum class Claim {
        Claimed,   // this process is the instance
        Forwarded, // another one runs and answered that it comes forward
        Failed,    // neither: failure() says why, for the user
    };
    Q_ENUM(Claim)

    // folder: where the lock and the socket live (made when missing, and
    // held to the same rules); empty for the user's own folder.
    explicit SingleInstance(const QString &folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    Claim claim();
    QString failure() const { return failure_; }

signals:
    void activationRequested();

private:
    Claim fail(const QString &text);
    bool listen();
    void acceptPeers();
    void readPeer(int fd);
    void dropPeer(int fd);
    bool askRunningInstance();

    QString folder_;
    QString failure_;
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
