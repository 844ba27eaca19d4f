#pragma once
// What the user is told, and how: every message box of the program has the
// one title, and every failure the attendance book reports is told here in
// the same words wherever it happened.

#include "attendancebook.h"
#include "platform.h"
#include "recordstore.h"
#include "reportfile.h"
#include "reportopening.h"
#include "settingsrules.h"
#include "toldonce.h"

#include <QDir>
#include <QString>

namespace zentak {

// The main window's caption and the title of every message box: the
// product word and two blanks, then the version.
inline const QString kMessageTitle = QStringLiteral("Zentak  Ver1.3.0");

// A path as the user's system writes it.
inline QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A message with OK.
void tell(Platform &platform, const QString &text, MsgIcon icon);
// A question with Yes and No; true for Yes.
bool ask(Platform &platform, const QString &question);

inline const QString kSettingsNotSaved = QStringLiteral("設定を保存できませんでした。\n"
                                                        "（設定の保存先に書き込めません）");

// The start's reading of the data file and the journal: a file that could
// not be read, or records or changes that could not be (and where the file
// as it was is kept).
void tellLoad(Platform &platform, const StartReport &report);
// A write of the records: settings that could not be stored, changes taken
// over from outside, a failed write. At the exit a failed write is told
// whether it was told before or not.
enum class WriteMoment { DuringRun, AtExit };
void tellWrite(Platform &platform, const WriteReport &report, ToldOnce &told,
               WriteMoment moment = WriteMoment::DuringRun);
// A change taken back or done again that could not be.
void tellUndo(Platform &platform, const UndoReport &report, ToldOnce &told);
// A year's erasure: done (and where the file as it was is kept), or refused.
void tellErasure(Platform &platform, const ErasureReport &report, ToldOnce &told);
// A month report that could not be written, or opened.
void tellReportWrite(Platform &platform, const ReportWrite &report);
// The report `name`, written in `folder`, opened: or why not (and, when no
// program is there for it, where it was written).
void tellReportOpening(Platform &platform, const QString &folder, const QString &name, const ReportOpening &opening);

// The dialogs' questions: before a day is cancelled, before a year is
// erased.
QString cancelDayQuestion();
QString eraseYearQuestion(int year);
// A settings box whose text has the wrong shape.
QString badSettingMessage(SettingsBox box);

// The message that names characters a note box kept out.
QString noteRefusalMessage(const QString &refused);
// A time box whose text has the wrong shape.
QString badBoxMessage(DayBox box);
// Paid leave the balance does not allow.
QString leaveShortfallMessage(LeaveShortfall shortfall);

// The desktop notification at the end of a working day not recorded: its
// action is the clock-out.
Notification endOfDayNotification();

} // namespace zentak
