#pragma once
// The local (Unix-domain) socket through which a later start asks the
// running instance to come forward. Plain POSIX with a QSocketNotifier, so
// the start-up loads no network library.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>

class QSocketNotifier;

namespace zentak {

// The running instance's end: listens at a path and says when a peer asks
// it to come forward.
class ActivationListener : public QObject {
    Q_OBJECT
public:
    explicit ActivationListener(QObject *parent = nullptr);
    // Closes the socket and removes it from its folder.
    ~ActivationListener() override;

    // Listens at the path, in place of a socket a crashed instance left
    // there; false when it cannot.
    bool listen(const QString &socketPath);

signals:
    void activationRequested();

private:
    void acceptPeers();
    void readPeer(int fd);
    void dropPeer(int fd);

    QString socketPath_;
    int listenFd_ = -1;
    QSocketNotifier *listenNotifier_ = nullptr;
    struct Peer {
        QSocketNotifier *notifier = nullptr;
        QByteArray received;
    };
    std::map<int, Peer> peers_;
};

// A later start's end: asks the instance listening at the path to come
// forward; true when it answered that it does.
bool askToComeForward(const QString &socketPath);

} // namespace zentak
