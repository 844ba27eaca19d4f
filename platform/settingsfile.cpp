#include "settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <atomic>
#include <cstdio>

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

bool copyBytes(const QByteArray &bytes, const QString &to)
{
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const bool ok = out.write(bytes) == bytes.size();
    out.close();
    return ok && out.error() == QFileDevice::NoError;
}

bool readBytes(const QString &path, QByteArray *bytes)
{
    QFile in(path);
    if (!in.exists()) {
        bytes->clear();
        return true;
    }
    if (!in.open(QIODevice::ReadOnly))
        return false;
    *bytes = in.readAll();
    return in.error() == QFileDevice::NoError;
}

} // namespace

bool storeSetting(const QString &iniPath, const QString &key, const QString &value)
{
    if (!QDir().mkpath(QFileInfo(iniPath).path()))
        return false;
    QByteArray before;
    if (!readBytes(iniPath, &before))
        return false;

    const QString draft = freshName(iniPath);
    const QString check = freshName(iniPath);
    auto fail = [&] {
        QFile::remove(draft);
        QFile::remove(check);
        return false;
    };

    // The old file's keys, and the new value, into the draft.
    QStringList keysBefore;
    if (!copyBytes(before, draft))
        return fail();
    {
        QSettings settings(draft, QSettings::IniFormat);
        keysBefore = settings.allKeys();
        settings.setValue(key, value);
        settings.sync();
        if (settings.status() == QSettings::AccessError)
            return fail();
    }

    // What reached the disk, read through a path never read before.
    QByteArray written;
    if (!readBytes(draft, &written) || !copyBytes(written, check))
        return fail();
    {
        const QSettings back(check, QSettings::IniFormat);
        if (back.value(key).toString() != value)
            return fail();
        for (const QString &k : keysBefore)
            if (!back.contains(k))
                return fail();
    }
    QFile::remove(check);
    if (std::rename(QFile::encodeName(draft).constData(), QFile::encodeName(iniPath).constData()) != 0)
        return fail();
    return true;
}

RemovedFiles removeInterruptedSettingsWrites(const QString &iniPath)
{
    const QFileInfo ini(iniPath);
    const QRegularExpression name(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(ini.fileName()) + QStringLiteral(R"(\.[0-9]+\.[0-9]+\.new)")));
    return removeFilesNamed(ini.path(), {name});
}

} // namespace zentak
