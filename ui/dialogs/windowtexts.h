#pragma once
// The main window's words: what its calendar says to a screen reader, the
// question before an erasure is taken back, the menu's messages (the
// fortune, the version, the desk accessories), and why a start could not
// run. The records' failures are told in messages.h.

#include "calendarmath.h"
#include "daykind.h"
#include "platform.h"
#include "singleinstance.h"

#include <QDate>
#include <QString>

#include <optional>

namespace zentak {

// What a day's cell says to a screen reader: its name, "12月8日 火曜日",
// and its description, the record (its attendance value and note) as the
// cell shows its kind: "勤務 8.00時間 設計レビュー" for a worked day, the note
// of any other kind ("有給休暇（１日）"), "記録なし" without a record.
// Today's begins "今日"; a national holiday's begins with its name before
// that ("祝日 建国記念の日 記録なし"). A working day before today left
// without a record (`missing`) is "未入力".
QString spokenDayName(QDate day);
QString spokenDayDescription(std::optional<DayKind> shownAs, QStringView attendance, QStringView note,
                             bool today, QStringView holiday = {}, bool missing = false);
// The calendar's name for a screen reader: "2026年12月".
QString calendarName(YearMonth month);

// The main window's count of the shown month's working days left without
// a record: "未入力 3日".
QString unrecordedDaysText(int days);

// Before a year's erasure is taken back.
QString undoErasureQuestion(int year);

// "今日は「…」です。  " with the face of entries 8 and 9.
QString fortuneText(int index);

// The name of the platform by the version query's identifier; empty for
// one the program does not know.
QString platformName(int platformId);
// The whole version message: the title, the comment, an empty line, the
// rights holder, and the platform's version and name.
QString versionMessage(const QString &messageTitle, const VersionInfo &version);

// No desk accessory of the kind in the folder: the folder, then at once the
// text; or the ones present could not be started.
QString accessoryMissingMessage(const QString &dir, bool calculator);
QString accessoryNotStartedMessage(const QString &path);

// Why the start could not run.
QString singleInstanceFailureText(const SingleInstance::Failure &failure);

} // namespace zentak
