#include "messages.h"

#include <QDir>

namespace zentak {

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A file that ended before its own size while it was read; one another
// program kept writing while it was read, try after try.
const QString kCutShort = QStringLiteral("ファイルを最後まで読めませんでした");
const QString kKeepsChanging = QStringLiteral("読み込む間にファイルが書き換えられ続けています");

// Why a file could not be read, in words.
QString readReason(ReadFault fault, const QString &system)
{
    switch (fault) {
    case ReadFault::CutShort:
        return kCutShort;
    case ReadFault::KeepsChanging:
        return kKeepsChanging;
    case ReadFault::None:
    case ReadFault::System:
        break;
    }
    return system;
}

QString outsideChangesText(const OutsideChanges &changes, const QString &copy)
{
    QString text = QStringLiteral("記録ファイルが、このプログラムの外で変更されていました。");
    if (changes.takenOver > 0)
        text += QStringLiteral("\n外で変更された %1 日分の記録を取り込みました。").arg(changes.takenOver);
    if (changes.changedBoth > 0)
        text += QStringLiteral("\n%1 日分は両方で変更されていたため、こちらの記録を残しました。").arg(changes.changedBoth);
    if (changes.removedOutside > 0)
        text += QStringLiteral("\n外のファイルになかった %1 日分の記録は残しました。").arg(changes.removedOutside);
    if (changes.unreadable > 0)
        text += QStringLiteral("\n外のファイルの %1 件の記録は読み込めませんでした。").arg(changes.unreadable);
    if (!copy.isEmpty())
        text += QStringLiteral("\n外のファイルを次の名前で残しました。\n%1").arg(native(copy));
    return text;
}

// Why the records were not written, in words: what the program refused,
// or the system's reason.
QString writeReason(const WriteReport &report)
{
    const QString day = report.faultDay ? report.faultDay->dateText() : QString();
    switch (report.fault) {
    case WriteFault::FileNotRead:
        return QStringLiteral("読み込めなかったファイルは上書きしません");
    case WriteFault::Unencodable:
        return QStringLiteral("%1 の記録に Shift_JIS で書けない文字があります。").arg(day);
    case WriteFault::NotReadBack:
        return day.isEmpty() ? QStringLiteral("記録を正しく書けません。")
                             : QStringLiteral("%1 の記録を正しく書けません。").arg(day);
    case WriteFault::CutShort:
        return kCutShort;
    case WriteFault::KeepsChanging:
        return kKeepsChanging;
    case WriteFault::None:
        break;
    }
    return report.error;
}

// Why the journal could not be read (reading) or written, in words.
QString journalReason(const JournalError &error, bool reading)
{
    switch (error.kind) {
    case JournalError::Kind::Link:
        return reading ? QStringLiteral("シンボリックリンクのため、読み書きしません")
                       : QStringLiteral("シンボリックリンクのため、書き込みません");
    case JournalError::Kind::Unrecordable:
        return QStringLiteral("記録できない文字があります");
    case JournalError::Kind::CutShort:
        return kCutShort;
    case JournalError::Kind::KeepsChanging:
        return kKeepsChanging;
    case JournalError::Kind::System:
    case JournalError::Kind::None:
        break;
    }
    return error.system;
}

} // namespace

void tell(Platform &platform, const QString &text, MsgIcon icon)
{
    platform.messageBox(text, kMessageTitle, MsgButtons::Ok, icon);
}

bool ask(Platform &platform, const QString &question)
{
    return platform.messageBox(question, kMessageTitle, MsgButtons::YesNo, MsgIcon::Question)
           == MsgAnswer::Yes;
}

void tellLoad(Platform &platform, const StartReport &start)
{
    const JournalLoad &journal = start.journal;
    if (!journal.error.isEmpty() && journal.keptCopy.isEmpty() && journal.unreadable == 0)
        tell(platform, QStringLiteral("変更の履歴を読み込めませんでした。\n%1\n(%2)\n元に戻せるのは、これからの変更だけです。")
                           .arg(native(start.journalPath), journalReason(journal.error, true)),
             MsgIcon::Exclamation);
    else if (journal.unreadable > 0)
        tell(platform, QStringLiteral("変更の履歴の %1 行を読み込めませんでした。\n元に戻せるのは、それより後の変更だけです。\n%2")
                           .arg(journal.unreadable)
                           .arg(journal.keptCopy.isEmpty()
                                    ? QStringLiteral("(%1)").arg(journalReason(journal.error, true))
                                    : QStringLiteral("元のファイルを次の名前で残しました。\n%1").arg(native(journal.keptCopy))),
             MsgIcon::Exclamation);
    const LoadReport &report = start.records;
    if (report.status == LoadReport::Status::Unreadable) {
        tell(platform,
             QStringLiteral("記録ファイルを読み込めませんでした。\n%1\n(%2)\n\nこのファイルは上書きしません。")
                 .arg(native(report.path), readReason(report.fault, report.error)),
             MsgIcon::Exclamation);
        return;
    }
    if (report.unreadable == 0 && report.replaced == 0)
        return;
    QString text;
    if (report.unreadable > 0)
        text += QStringLiteral("記録ファイルの %1 件の記録を読み込めませんでした。\n").arg(report.unreadable);
    if (report.replaced > 0)
        text += QStringLiteral("記録ファイルの %1 件の記録は、同じ日付の後の記録に置き換えました。\n")
                    .arg(report.replaced);
    if (!report.keptOriginal.isEmpty())
        text += QStringLiteral("元のファイルを次の名前で残しました。\n%1").arg(native(report.keptOriginal));
    else
        text += QStringLiteral("元のファイルを残せないため、このファイルは上書きしません。\n%1")
                    .arg(native(report.path));
    tell(platform, text, MsgIcon::Exclamation);
}

namespace {

// As tellWrite; a failed write is told only when `failureToTell`.
void tellWriteOf(Platform &platform, const WriteReport &report, ToldOnce &told, bool failureToTell)
{
    using Matter = ToldOnce::Matter;
    if (!report.settingsSaved && told.first(Matter::SettingsFailure))
        tell(platform, kSettingsNotSaved, MsgIcon::Exclamation);
    if (report.outside)
        tell(platform, outsideChangesText(*report.outside, report.outsideCopy), MsgIcon::Exclamation);
    const bool journalToTell = !report.journaled && told.first(Matter::JournalFailure);
    if (failureToTell) {
        QString text = QStringLiteral("記録を書き込めませんでした。\n%1").arg(native(report.path));
        if (const QString reason = writeReason(report); !reason.isEmpty())
            text += QStringLiteral("\n(%1)").arg(reason);
        // The same fault stops the journal: one message for both.
        if (journalToTell)
            text += QStringLiteral("\n変更の履歴も書き込めませんでした。");
        tell(platform, text, MsgIcon::Exclamation);
    } else if (journalToTell) {
        QString where = native(report.journalPath);
        if (const QString reason = journalReason(report.journalError, false); !reason.isEmpty())
            where += QStringLiteral("\n(%1)").arg(reason);
        tell(platform, QStringLiteral("変更の履歴を書き込めませんでした。\n%1").arg(where), MsgIcon::Exclamation);
    }
}

} // namespace

void tellWrite(Platform &platform, const WriteReport &report, ToldOnce &told, WriteMoment moment)
{
    const bool failed = !report.written;
    const bool firstFailure = failed && told.first(ToldOnce::Matter::WriteFailure);
    tellWriteOf(platform, report, told, moment == WriteMoment::AtExit ? failed : firstFailure);
}

void tellUndo(Platform &platform, const UndoReport &report, ToldOnce &told)
{
    if (report.outcome == UndoReport::Outcome::Stale)
        tell(platform,
             report.back ? QStringLiteral("この変更は、その後に記録が変わったため元に戻せません。")
                         : QStringLiteral("この変更は、その後に記録が変わったためやり直せません。"),
             MsgIcon::Information);
    if (report.outcome == UndoReport::Outcome::BalanceOutOfRange)
        tell(platform,
             QStringLiteral("有給休暇残が %1 日になり、4桁に収まらないため、この変更を%2。")
                 .arg(report.balance, 0, 'f', 1)
                 .arg(report.back ? QStringLiteral("元に戻せません") : QStringLiteral("やり直せません")),
             MsgIcon::Exclamation);
    tellWrite(platform, report.write, told);
}

void tellErasure(Platform &platform, const ErasureReport &report, ToldOnce &told)
{
    // A write that failed is told as the refusal below.
    tellWriteOf(platform, report.write, told, false);
    const QString path = native(report.write.path);
    switch (report.refusal) {
    case ErasureReport::Refusal::None: {
        QString done = QStringLiteral("削除完了！");
        if (!report.keptCopy.isEmpty())
            done += QStringLiteral("\n（削除前の記録: %1）").arg(native(report.keptCopy));
        tell(platform, done, MsgIcon::Information);
        return;
    }
    case ErasureReport::Refusal::FileUnreadable:
        tell(platform, QStringLiteral("記録ファイルを確かめられないため、削除しませんでした。\n%1\n(%2)")
                           .arg(path, writeReason(report.write)), MsgIcon::Exclamation);
        return;
    case ErasureReport::Refusal::CopyNotMade:
        tell(platform, QStringLiteral("削除前の記録ファイルを残せないため、削除しませんでした。\n%1\n(%2)")
                           .arg(path + QStringLiteral(".bak"), writeReason(report.write)), MsgIcon::Exclamation);
        return;
    case ErasureReport::Refusal::NotWritten:
        tell(platform, QStringLiteral("記録ファイルに書き込めないため、削除しませんでした。\n%1\n(%2)")
                           .arg(path, writeReason(report.write)), MsgIcon::Exclamation);
        return;
    }
}

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

} // namespace zentak
