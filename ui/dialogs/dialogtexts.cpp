// The words of the dialogs and of the files they write: their questions and
// refusals, a report written or not, and the reminder's notification.

#include "messages.h"

namespace zentak {

void tellReportWrite(Platform &platform, const ReportWrite &report)
{
    if (report.written)
        return;
    QString reason = report.error;
    if (report.fault.kind == ReportFault::Kind::QuoteInLine)
        reason = QStringLiteral("%1 の行にダブルクォーテーションがあります。").arg(report.fault.line);
    if (report.fault.kind == ReportFault::Kind::Unencodable)
        reason = QStringLiteral("%1 の行に Shift_JIS で書けない文字があります。").arg(report.fault.line);
    tell(platform, QStringLiteral("月報を書き込めませんでした。\n%1\n(%2)").arg(native(report.path), reason),
         MsgIcon::Exclamation);
}

void tellReportOpening(Platform &platform, const QString &folder, const QString &name, const ReportOpening &opening)
{
    switch (opening.result) {
    case ReportOpening::Result::Opened: return;
    case ReportOpening::Result::Missing:
        tell(platform, QStringLiteral("ｶﾚﾝﾄﾌｫﾙﾀﾞｰにﾃｷｽﾄ(") + name + QStringLiteral(")が存在しません。"),
             MsgIcon::Exclamation);
        return;
    case ReportOpening::Result::NoProgram:
        tell(platform,
             QStringLiteral("指定されたファイル名に関連付けられている\r実行可能プログラムが存在しません。"
                            "\n\n%1 は書き込みました。\n場所: %2")
                 .arg(name, native(folder)),
             MsgIcon::Stop);
        return;
    case ReportOpening::Result::NotStarted:
        tell(platform, QStringLiteral("関連付けられているプログラムを起動できませんでした。\n%1").arg(native(opening.program)),
             MsgIcon::Exclamation);
        return;
    }
}

QString cancelDayQuestion()
{
    return QStringLiteral("作業内容を取消しますか？");
}

QString eraseYearQuestion(int year)
{
    return QStringLiteral("%1年の勤怠を削除しますか？").arg(year);
}

QString badSettingMessage(SettingsBox box)
{
    switch (box) {
    case SettingsBox::UsualStart: return QStringLiteral("出社時間はHH:MMで入力して下さい！");
    case SettingsBox::RegularHours: return QStringLiteral("就業時間はHH:MMで入力して下さい！");
    case SettingsBox::HireDate: return QStringLiteral("入社日はYYYY/MM/DDで、1900年から今日までの日付を入力して下さい！");
    case SettingsBox::LeaveBalance: break;
    }
    return QStringLiteral("有給残は00.0で入力して下さい！");
}

QString noteRefusalMessage(const QString &refused)
{
    return QStringLiteral("作業内容に使えない文字があります：「%1」\n"
                          "（ダブルクォーテーションや Shift_JIS にない文字は記録できません）")
        .arg(refused);
}

QString badBoxMessage(DayBox box)
{
    return box == DayBox::Attendance ? QStringLiteral("時間はHH.MMで入力して下さい！")
                                     : QStringLiteral("時間はHH:MMで入力して下さい！");
}

QString leaveShortfallMessage(LeaveShortfall shortfall)
{
    return shortfall == LeaveShortfall::NoneLeft ? QStringLiteral("有給休暇残は０日です！")
                                                 : QStringLiteral("有給休暇残は０．５日です！");
}

Notification endOfDayNotification()
{
    return {QStringLiteral("Zentak"), QStringLiteral("今日の勤務がまだ記録されていません。退社を記録しますか？"),
            QStringLiteral("退社")};
}

} // namespace zentak
