#include "messages.h"

#include <QDir>

namespace zentak {

namespace {

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
enum class JournalUse { Reading, Writing };
QString journalReason(const JournalError &error, JournalUse use)
{
    switch (error.kind) {
    case JournalError::Kind::Link:
        return use == JournalUse::Reading ? QStringLiteral("シンボリックリンクのため、読み書きしません")
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
                           .arg(native(start.journalPath), journalReason(journal.error, JournalUse::Reading)),
             MsgIcon::Exclamation);
    else if (journal.unreadable > 0)
        tell(platform, QStringLiteral("変更の履歴の %1 行を読み込めませんでした。\n元に戻せるのは、それより後の変更だけです。\n%2")
                           .arg(journal.unreadable)
                           .arg(journal.keptCopy.isEmpty()
                                    ? QStringLiteral("(%1)").arg(journalReason(journal.error, JournalUse::Reading))
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

void tellWrite(Platform &platform, const WriteReport &report, ToldOnce &told, WriteMoment moment)
{
    using Matter = ToldOnce::Matter;
    // A failed write is told the first time, and always at the exit.
    const bool failed = !report.written;
    const bool failureToTell = failed && (told.first(Matter::WriteFailure) || moment == WriteMoment::AtExit);
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
        if (const QString reason = journalReason(report.journalError, JournalUse::Writing); !reason.isEmpty())
            where += QStringLiteral("\n(%1)").arg(reason);
        tell(platform, QStringLiteral("変更の履歴を書き込めませんでした。\n%1").arg(where), MsgIcon::Exclamation);
    }
}

void tellUndo(Platform &platform, const UndoReport &report, ToldOnce &told)
{
    if (report.outcome == UndoReport::Outcome::Stale)
        tell(platform,
             report.direction == UndoDirection::Back ? QStringLiteral("この変更は、その後に記録が変わったため元に戻せません。")
                         : QStringLiteral("この変更は、その後に記録が変わったためやり直せません。"),
             MsgIcon::Information);
    if (report.outcome == UndoReport::Outcome::BalanceOutOfRange)
        tell(platform,
             QStringLiteral("有給休暇残が %1 日になり、4桁に収まらないため、この変更を%2。")
                 .arg(report.balance, 0, 'f', 1)
                 .arg(report.direction == UndoDirection::Back ? QStringLiteral("元に戻せません") : QStringLiteral("やり直せません")),
             MsgIcon::Exclamation);
    tellWrite(platform, report.write, told);
}

void tellErasure(Platform &platform, const ErasureReport &report, ToldOnce &told)
{
    if (report.erased()) {
        QString done = QStringLiteral("削除完了！");
        if (!report.keptCopy.isEmpty())
            done += QStringLiteral("\n（削除前の記録: %1）").arg(native(report.keptCopy));
        tell(platform, done, MsgIcon::Information);
        // When the data file could not take it now, it is written with the
        // next change or at the exit, as any change is.
        tellWrite(platform, report.write, told);
        return;
    }
    // What changed outside before the refusal, and the settings.
    tellWrite(platform, report.write, told);
    const QString path = native(report.write.path);
    if (report.refusal == ErasureReport::Refusal::FileUnreadable)
        tell(platform, QStringLiteral("記録ファイルを確かめられないため、削除しませんでした。\n%1\n(%2)")
                           .arg(path, writeReason(report.write)), MsgIcon::Exclamation);
    else
        tell(platform, QStringLiteral("削除前の記録ファイルを残せないため、削除しませんでした。\n%1\n(%2)")
                           .arg(path + QStringLiteral(".bak"), writeReason(report.write)), MsgIcon::Exclamation);
}

} // namespace zentak
