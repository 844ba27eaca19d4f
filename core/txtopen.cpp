#include "txtopen.h"

#include "platform.h"

#include <QDir>

namespace zentak {

namespace {

// The size of the buffer the association is looked up into.
constexpr int kBufferSize = 516;

} // namespace

void Nulspace(QString &text)
{
    for (QChar &c : text)
        if (c == QChar(0))
            c = QLatin1Char(' ');
}

void Txtopen(Platform &platform, const QString &messageTitle, const QString &name)
{
    const QString folder = platform.programFolder();
    const QString path = QDir(folder).filePath(name);
    if (!platform.fileExists(path)) {
        platform.messageBox(QStringLiteral("ｶﾚﾝﾄﾌｫﾙﾀﾞｰにﾃｷｽﾄ(") + name + QStringLiteral(")が存在しません。"),
                            messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }

    // The executable of the associated program, or nothing; it stands at the
    // start of the buffer and the rest of the buffer is blank.
    const QString executable = platform.associatedProgram(path);
    QString buffer = executable;
    if (buffer.size() < kBufferSize)
        buffer.append(QString(kBufferSize - buffer.size(), QChar(0)));
    Nulspace(buffer);
    if (executable.isEmpty() || buffer.at(0) == QLatin1Char(' ')) {
        platform.messageBox(QStringLiteral("指定されたファイル名に関連付けられている\r"
                                           "実行可能プログラムが存在しません。"),
                            messageTitle, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }

    if (!platform.startProgram(executable, {QDir::toNativeSeparators(path)})) {
        platform.messageBox(QStringLiteral("関連付けられているプログラムを起動できませんでした。\n%1")
                                .arg(QDir::toNativeSeparators(executable)),
                            messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

} // namespace zentak
