#include "atomicfile.h"

#include <QFile>
#include <QSaveFile>

namespace zentak {

bool replaceFile(const QString &path, const QByteArray &bytes, QString *error,
                 std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    // Unbuffered: every write reports its own failure. A buffered write that
    // fails only when the file is closed (a full disk) goes unnoticed by
    // commit(), which would then replace the file with a cut one.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // Set on the new file while it is still empty, so a copy of a private
    // file is never readable by others, not even for a moment.
    if (ok && permissions)
        ok = file.setPermissions(*permissions);
    ok = ok && file.write(bytes) == bytes.size() && file.commit();
    if (!ok) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
    }
    return ok;
}

QFileDevice::Permissions permissionsOf(const QString &path)
{
    const QFileDevice::Permissions own = QFile::permissions(path);
    return own ? own : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

bool readWholeFile(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    // A read error, or a file that ends before its own size (cut while it
    // was read), gives no content at all rather than a short one.
    if (file.error() != QFileDevice::NoError || bytes->size() < file.size()) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString()
                                                          : QStringLiteral("ファイルを最後まで読めませんでした");
        bytes->clear();
        return false;
    }
    return true;
}

} // namespace zentak
