#pragma once
// Files as the tests write and read them: text in the data file's code page,
// and a file's bytes.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringEncoder>

namespace zentak::test {

inline QByteArray sjis(const QString &s)
{
    QStringEncoder e("windows-31j");
    return e.encode(s);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace zentak::test
