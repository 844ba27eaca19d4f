#include "activationsocket.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zentak {

namespace {

const QByteArray kActivate = "activate\n";
const QByteArray kAcknowledge = "ok\n";
// What a peer may send before it has said what it wants.
constexpr qsizetype kMaxRequest = 64;

// The address of a socket path; false when the path is too long for one.
bool socketAddress(const QString &path, sockaddr_un *address)
{
    const QByteArray encoded = QFile::encodeName(path);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (encoded.isEmpty() || size_t(encoded.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, encoded.constData(), size_t(encoded.size()));
    return true;
}

// Writes all of it, waiting up to timeoutMs for room.
bool writeAll(int fd, const QByteArray &bytes, int timeoutMs)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                 MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, timeoutMs) <= 0)
                return false;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

ActivationListener::ActivationListener(QObject *parent) : QObject(parent) {}

ActivationListener::~ActivationListener()
{
    for (auto &[fd, peer] : peers_) {
        delete peer.notifier;
        ::close(fd);
    }
    peers_.clear();
    if (listenFd_ >= 0) {
        delete listenNotifier_;
        ::close(listenFd_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
}

bool ActivationListener::listen(const QString &socketPath)
{
    socketPath_ = socketPath;
    sockaddr_un address;
    if (!socketAddress(socketPath_, &address))
        return false;
    // A socket left by a crashed instance; the lock says that one is gone.
    ::unlink(address.sun_path);

    // Bound in a folder of its own first and moved into place once it is
    // the owner's only, so no other user can connect in between.
    QByteArray privateDir = QFile::encodeName(
        QFileInfo(socketPath_).absoluteDir().filePath(QStringLiteral(".zentak-XXXXXX")));
    if (!::mkdtemp(privateDir.data()))
        return false;
    sockaddr_un bound;
    const bool fits = socketAddress(QFile::decodeName(privateDir) + QStringLiteral("/s"), &bound);
    const int fd = fits ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) : -1;
    const bool ok = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&bound), sizeof bound) == 0
                    && ::chmod(bound.sun_path, S_IRUSR | S_IWUSR) == 0
                    && ::listen(fd, 8) == 0 && ::rename(bound.sun_path, address.sun_path) == 0;
    if (!ok) {
        if (fits)
            ::unlink(bound.sun_path);
        if (fd >= 0)
            ::close(fd);
    }
    ::rmdir(privateDir.constData());
    if (!ok)
        return false;
    listenFd_ = fd;
    listenNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(listenNotifier_, &QSocketNotifier::activated, this, &ActivationListener::acceptPeers);
    return true;
}

void ActivationListener::acceptPeers()
{
    while (true) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return; // EAGAIN: none left; anything else: try at the next one
        }
        Peer &peer = peers_[fd];
        peer.notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(peer.notifier, &QSocketNotifier::activated, this, [this, fd] { readPeer(fd); });
    }
}

void ActivationListener::readPeer(int fd)
{
    const auto it = peers_.find(fd);
    if (it == peers_.end())
        return;
    Peer &peer = it->second;
    char buffer[256];
    while (true) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            peer.received.append(buffer, n);
            if (peer.received.contains("activate")) {
                writeAll(fd, kAcknowledge, 1000);
                dropPeer(fd);
                emit activationRequested();
                return;
            }
            if (peer.received.size() > kMaxRequest) {
                dropPeer(fd);
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // the rest comes later
        dropPeer(fd); // the peer is gone
        return;
    }
}

void ActivationListener::dropPeer(int fd)
{
    const auto it = peers_.find(fd);
    if (it == peers_.end())
        return;
    it->second.notifier->setEnabled(false);
    it->second.notifier->deleteLater();
    ::close(fd);
    peers_.erase(it);
}

bool askToComeForward(const QString &socketPath)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, &address))
        return false;
    // The first instance may still be starting: try for about two seconds.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
            bool acknowledged = false;
            if (writeAll(fd, kActivate, 1000)) {
                QByteArray answer;
                char buffer[64];
                pollfd p{fd, POLLIN, 0};
                while (!answer.contains("ok") && ::poll(&p, 1, 2000) > 0) {
                    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
                    if (n <= 0)
                        break;
                    answer.append(buffer, n);
                }
                acknowledged = answer.contains("ok");
            }
            ::close(fd);
            return acknowledged;
        }
        ::close(fd);
        ::usleep(100 * 1000);
    }
    return false;
}

} // namespace zentak
