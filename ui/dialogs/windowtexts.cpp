#include "windowtexts.h"

#include <QDir>
#include <QStringBuilder>

namespace zentak {

namespace {

const QString kComment = QStringLiteral("カレンダー付きZentak");
const QString kRightsHolder = QStringLiteral("Copyright (C) Zentak の開発者");

QString folderFaultText(const FolderFault &fault)
{
    switch (fault.kind) {
    case FolderFault::Kind::Link: return QStringLiteral("シンボリックリンクです");
    case FolderFault::Kind::NotAFolder: return QStringLiteral("フォルダーではありません");
    case FolderFault::Kind::OtherUsers: return QStringLiteral("ほかのユーザーのフォルダーです");
    case FolderFault::Kind::OpenToOthers: return QStringLiteral("ほかのユーザーも開けるフォルダーです");
    case FolderFault::Kind::System:
    case FolderFault::Kind::None:
        break;
    }
    return fault.system;
}

} // namespace

QString spokenDayName(QDate day)
{
    // Built in one go: every cell of a month is named anew at each step.
    return QString::number(day.month()) % u"月" % QString::number(day.day()) % u"日 " % weekdayKanji(day)
           % u"曜日";
}

QString spokenDayDescription(std::optional<DayKind> shownAs, QStringView attendance, QStringView note,
                             bool today, QStringView holiday, bool missing)
{
    QString said;
    if (!shownAs) {
        said = missing ? QStringLiteral("未入力") : QStringLiteral("記録なし");
    } else if (*shownAs == DayKind::Worked) {
        // The attendance value as the day dialog shows it, without the
        // zeros that pad it ("08.00" is said "8.00").
        QStringView hours = attendance.trimmed();
        while (hours.size() > 1 && hours[0] == u'0' && hours[1].isDigit())
            hours = hours.mid(1);
        said = QStringLiteral("勤務");
        if (!hours.isEmpty())
            said += u' ' % hours % u"時間";
        if (!note.trimmed().isEmpty())
            said += u' ' % note.trimmed();
    } else {
        // The other kinds are told by their note, which begins with the kind.
        said = note.trimmed().toString();
    }
    if (today)
        said = u"今日 " % said;
    if (!holiday.isEmpty())
        said = u"祝日 " % holiday % u' ' % said;
    return said;
}

QString calendarName(YearMonth month)
{
    return QStringLiteral("%1年%2月").arg(month.year).arg(month.month);
}

QString unrecordedDaysText(int days)
{
    return QStringLiteral("未入力 %1日").arg(days);
}

QString undoErasureQuestion(int year)
{
    return QStringLiteral("%1年の勤怠の削除を取り消しますか？").arg(year);
}

QString fortuneText(int index)
{
    static const char16_t *const words[10] = {u"吉",   u"吉",   u"吉",   u"吉",   u"末吉",
                                              u"末吉", u"小吉", u"中吉", u"大吉", u"大凶"};
    if (index < 0 || index > 9)
        index = 0;
    QString text = QStringLiteral("今日は「") + QString::fromUtf16(words[index]) + QStringLiteral("」です。  ");
    if (index == 8)
        text += QStringLiteral("(*^o^*)");
    else if (index == 9)
        text += QStringLiteral("σ(^_^;)?");
    return text;
}

QString platformName(int platformId)
{
    return platformId == kPlatformLinux ? QStringLiteral("Linux") : QString();
}

QString versionMessage(const QString &messageTitle, const VersionInfo &version)
{
    return messageTitle + QLatin1Char('\n') + kComment + QStringLiteral("\n\r\n") + kRightsHolder
           + QLatin1Char('\n') + QStringLiteral("Windows Version : ") + QString::number(version.major)
           + QLatin1Char('.') + QString::number(version.minor) + QStringLiteral(" Platform : ")
           + platformName(version.platformId);
}

QString accessoryMissingMessage(const QString &dir, bool calculator)
{
    return dir + (calculator ? QStringLiteral("に電卓は存在しません。") : QStringLiteral("にメモ帳は存在しません。"));
}

QString accessoryNotStartedMessage(const QString &path)
{
    return path + QStringLiteral("を起動できませんでした。");
}

QString singleInstanceFailureText(const SingleInstance::Failure &failure)
{
    const QString path = QDir::toNativeSeparators(failure.path);
    switch (failure.kind) {
    case SingleInstance::Failure::Kind::FolderUnusable:
        return QStringLiteral("Zentak の起動を確かめるフォルダーを使えません。\n%1\n(%2)")
            .arg(path, folderFaultText(failure.folder));
    case SingleInstance::Failure::Kind::LockNotMade: {
        QString text = QStringLiteral("Zentak の起動を確かめるファイルを作れません。\n%1").arg(path);
        if (failure.permissionDenied)
            text += QStringLiteral("\n(書き込みが許されていません)");
        return text;
    }
    case SingleInstance::Failure::Kind::NotAnswering:
    case SingleInstance::Failure::Kind::None:
        break;
    }
    return QStringLiteral("Zentak はすでに起動していますが、応答がありません。");
}

} // namespace zentak
