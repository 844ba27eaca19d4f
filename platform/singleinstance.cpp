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
    const QString dir = instanceFolder(folder_);
    if (const QString why = makePrivateFolder(dir); !why.isEmpty())
        return fail(QStringLiteral("Zentak の起動を確かめるフォルダーを使えません。\n%1\n(%2)")
                        .arg(QDir::toNativeSeparators(dir), why));
    const QString lockPath = QDir(dir).filePath(QStringLiteral("zentak-%1.lock").arg(::getuid()));
    const QString socketPath = QDir(dir).filePath(QStringLiteral("zentak-%1.sock").arg(::getuid()));

    lock_ = std::make_unique<QLockFile>(lockPath);
    // 0: a lock is stale only when the process that holds it is gone.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        if (lock_->error() != QLockFile::LockFailedError) {
            QString text = QStringLiteral("Zentak の起動を確かめるファイルを作れません。\n%1")
                               .arg(QDir::toNativeSeparators(lockPath));
            if (lock_->error() == QLockFile::PermissionError)
                text += QStringLiteral("\n(書き込みが許されていません)");
            return fail(text);
        }
        if (askToComeForward(socketPath))
            return Claim::Forwarded;
        return fail(QStringLiteral("Zentak はすでに起動していますが、応答がありません。"));
    }
    // Without the socket this instance still runs; a later start then
    // finds no one to ask and says so.
    listener_ = std::make_unique<ActivationListener>();
    connect(listener_.get(), &ActivationListener::activationRequested, this,
            &SingleInstance::activationRequested);
    listener_->listen(socketPath);
    return Claim::Claimed;
}

SingleInstance::Claim SingleInstance::fail(const QString &text)
{
    failure_ = text;
    return Claim::Failed;
}

} // namespace zentak
