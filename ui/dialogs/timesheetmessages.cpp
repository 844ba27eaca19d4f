#include "timesheetmessages.h"

#include "messages.h"

#include <QDir>
#include <QFileInfo>

namespace zentak {

TimesheetPageTexts timesheetPageTexts(int year, int month)
{
    TimesheetPageTexts texts;
    texts.title = QStringLiteral("勤務表");
    texts.month = QStringLiteral("%1年%2月").arg(year).arg(month);
    texts.nameLabel = QStringLiteral("氏名");
    texts.columns = QStringList{QStringLiteral("日付"), QStringLiteral("曜"),     QStringLiteral("祝日"),
                                QStringLiteral("区分"), QStringLiteral("出社"),   QStringLiteral("退社"),
                                QStringLiteral("稼動"), QStringLiteral("勤怠"),   QStringLiteral("時間外"),
                                QStringLiteral("休日労働"), QStringLiteral("作業内容")};
    texts.totals = QStringList{QStringLiteral("稼動時間"), QStringLiteral("日数"),     QStringLiteral("時間外"),
                               QStringLiteral("休日労働"), QStringLiteral("有給取得"), QStringLiteral("有給残")};
    texts.stamps = QStringList{QStringLiteral("承認"), QStringLiteral("本人")};
    texts.documentTitle = texts.title + u' ' + texts.month;
    texts.creator = kMessageTitle;
    return texts;
}

QString timesheetDayText(QDate day)
{
    return day.toString(QStringLiteral("MM/dd"));
}

void tellTimesheetWrite(Platform &platform, const TimesheetWrite &write)
{
    const bool csv = write.format == TimesheetFormat::Csv;
    const QString path = QDir::toNativeSeparators(write.path);
    if (write.written) {
        if (csv)
            tell(platform,
                 QStringLiteral("%1 を書き込みました。\n場所: %2")
                     .arg(write.name, QDir::toNativeSeparators(QFileInfo(write.path).path())),
                 MsgIcon::Information);
        return;
    }
    const QString what = csv ? QStringLiteral("CSVファイル") : QStringLiteral("勤務表");
    const QString reason = write.error.isEmpty() ? QStringLiteral("勤務表のページを作れませんでした") : write.error;
    tell(platform, QStringLiteral("%1を書き込めませんでした。\n%2\n(%3)").arg(what, path, reason),
         MsgIcon::Exclamation);
}

} // namespace zentak
