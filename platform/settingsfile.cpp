#include "settingsfile.h"

#include "atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <atomic>

namespace zentak {

namespace {

// A name beside the file that no QSettings of this process has read yet:
// QSettings keeps what it read of a path, so a path read once would not be
// read from the disk again. removeInterruptedSettingsWrites knows this form.
QString freshName(const QString &path)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("%1.%2.%3.new")
        .arg(path)
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

// Writes a file without syncing it: the drafts below are read back at
// once and never kept, so only the settings file itself is synced.
bool writeDraft(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

bool storeSettings(const QString &iniPath, const QList<QPair<QString, QString>> &values)
{
    if (!QDir().mkpath(QFileInfo(iniPath).path()))
        return false;
    QByteArray before;
    if (QFileInfo::exists(iniPath) && !readWholeFile(iniPath, &before))
        return false;

    const QString draft = freshName(iniPath);
    const QString check = freshName(iniPath);
    auto removeDrafts = [&] {
        QFile::remove(draft);
        QFile::remove(check);
    };
    auto fail = [&] {
        removeDrafts();
        return false;
    };

    // The old file's keys, and the new value, into the draft.
    QStringList keysBefore;
    if (!writeDraft(draft, before))
        return fail();
    {
        QSettings settings(draft, QSettings::IniFormat);
        keysBefore = settings.allKeys();
        for (const auto &[key, value] : values)
            settings.setValue(key, value);
        settings.sync();
        if (settings.status() == QSettings::AccessError)
            return fail();
    }

    // What reached the disk, read through a path never read before.
    QByteArray written;
    if (!readWholeFile(draft, &written) || !writeDraft(check, written))
        return fail();
    {
        const QSettings back(check, QSettings::IniFormat);
        for (const auto &[key, value] : values)
            if (back.value(key).toString() != value)
                return fail();
        for (const QString &k : keysBefore)
            if (!back.contains(k))
                return fail();
    }
    // Only now the file itself, whole or not at all.
    const bool replaced = replaceFile(iniPath, written);
    removeDrafts();
    return replaced;
}

RemovedFiles removeInterruptedSettingsWrites(const QString &iniPath)
{
    const QString file = QFileInfo(iniPath).fileName();
    return removeFilesNamed(QFileInfo(iniPath).path(), [&](QStringView name) {
        // A draft, "<name>.<pid>.<n>.new"; or the file's own replacement.
        if (name.startsWith(file) && name.endsWith(u".new")) {
            const QList<QStringView> parts = name.sliced(file.size(), name.size() - file.size() - 4).split(u'.');
            if (parts.size() == 3 && parts[0].isEmpty() && isNumber(parts[1]) && isNumber(parts[2]))
                return true;
        }
        return isTemporaryNameOf(name, [&](QStringView replaced) { return replaced == file; });
    });
}

} // namespace zentak
