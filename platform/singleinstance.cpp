#include "singleinstance.h"

#include "activationsocket.h"
#include "privatefolder.h"

#include <QDir>

#include <unistd.h>

namespace zentak {

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent), folder_(folder)
{
}

SingleInstance::~SingleInstance()
{
    // The socket goes before the lock: once the lock is free, a new start
    // may put its own socket in place, which this one must not remove.
    listener_.reset();
    if (lock_)
        lock_->unlock();
}

SingleInstance::Claim SingleInstance::claim()
{
    using Kind = Failure::Kind;
    const QString dir = instanceFolder(folder_);
    if (const FolderFault why = makePrivateFolder(dir); !why.isEmpty())
        return fail({Kind::FolderUnusable, dir, why, false});
    const QString lockPath = QDir(dir).filePath(QStringLiteral("zentak-%1.lock").arg(::getuid()));
    const QString socketPath = QDir(dir).filePath(QStringLiteral("zentak-%1.sock").arg(::getuid()));

    lock_ = std::make_unique<QLockFile>(lockPath);
    // 0: a lock is stale only when the process that holds it is gone.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        if (lock_->error() != QLockFile::LockFailedError)
            return fail({Kind::LockNotMade, lockPath, {}, lock_->error() == QLockFile::PermissionError});
        if (askToComeForward(socketPath))
            return Claim::Forwarded;
        return fail({Kind::NotAnswering, {}, {}, false});
    }
    // Without the socket this instance still runs; a later start then
    // finds no one to ask and says so.
    listener_ = std::make_unique<ActivationListener>();
    connect(listener_.get(), &ActivationListener::activationRequested, this,
            &SingleInstance::activationRequested);
    listener_->listen(socketPath);
    return Claim::Claimed;
}

SingleInstance::Claim SingleInstance::fail(Failure failure)
{
    failure_ = std::move(failure);
    return Claim::Failed;
}

} // namespace zentak
