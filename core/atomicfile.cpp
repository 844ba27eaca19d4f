#include "atomicfile.h"

#include <QSaveFile>

namespace zentak {

bool replaceFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // Unbuffered: every write reports its own failure. A buffered write that
    // fails only when the file is closed (a full disk) goes unnoticed by
    // commit(), which would then replace the file with a cut one.
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                    && file.write(bytes) == bytes.size() && file.commit();
    if (!ok) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
    }
    return ok;
}

} // namespace zentak
