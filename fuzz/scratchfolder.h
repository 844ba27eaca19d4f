#pragma once
// What the targets that write files share: a file written whole, and one
// folder for every input, emptied before each (in memory when it can be,
// since the program syncs what it writes).

#include "check.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

inline void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size());
}

// The folder of this target (`name` in its path), empty.
inline QDir &scratchFolder(const char *name)
{
    static std::unique_ptr<QTemporaryDir> dir = [name] {
        auto d = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/zentak-fuzz-%1-XXXXXX").arg(QLatin1String(name)));
        if (!d->isValid())
            d = std::make_unique<QTemporaryDir>();
        return d;
    }();
    FUZZ_CHECK(dir->isValid());
    static QDir at(dir->path());
    for (const QString &file : at.entryList(QDir::Files | QDir::Hidden | QDir::System))
        FUZZ_CHECK(at.remove(file));
    return at;
}
