#pragma once
// One running instance per user. The first start holds a lock file and
// listens on a local socket (activationsocket.h); a later start finds the
// lock held, asks the first one through the socket to come forward, and
// gives up. A lock left by a crashed instance is recognised as stale and
// taken over.
//
// Both live only in a folder this user owns and no one else may open
// (privatefolder.h).

#include "privatefolder.h"

#include <QLockFile>
#include <QObject>

#include <memory>

namespace zentak {

class ActivationListener;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Claimed,   // this process is the instance
        Forwarded, // another one runs and answered that it comes forward
        Failed,    // neither: failure() says why, for the user
    };
    Q_ENUM(Claim)

    // Why neither: the folder cannot hold the lock and the socket; the lock
    // file cannot be made (its path, and whether for want of permission);
    // the running one does not answer.
    struct Failure {
        enum class Kind { None, FolderUnusable, LockNotMade, NotAnswering };
        Kind kind = Kind::None;
        QString path;
        FolderFault folder;
        bool permissionDenied = false;
    };

    // folder: where the lock and the socket live (made when missing, and
    // held to the same rules); empty for the user's own folder.
    explicit SingleInstance(const QString &folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    Claim claim();
    const Failure &failure() const { return failure_; }

signals:
    void activationRequested();

private:
    Claim fail(Failure failure);

    QString folder_;
    Failure failure_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<ActivationListener> listener_;
};

} // namespace zentak
