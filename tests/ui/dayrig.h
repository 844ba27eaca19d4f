#pragma once
// One day of the day entry dialog's tests, the program started on it and
// the dialog opened as the user opens it; how its tests read the outcome.

#include "fixedtext.h"
#include "messages.h"
#include "programtest.h"

#include <QPointer>
#include <QStringDecoder>

namespace zentak::story {

inline const QString kHHMM = QStringLiteral("時間はHH:MMで入力して下さい！");
inline const QString kHHdotMM = QStringLiteral("時間はHH.MMで入力して下さい！");
inline const QString kNoLeave = QStringLiteral("有給休暇残は０日です！");
inline const QString kHalfLeft = QStringLiteral("有給休暇残は０．５日です！");
inline const QString kAskCancel = QStringLiteral("作業内容を取消しますか？");
inline const QString kWhole = QStringLiteral("有給休暇（１日）");
inline const QString kHalf = QStringLiteral("有給休暇（半日）");
inline const QColor kCyan(0x00, 0xFF, 0xFF);
inline const QColor kMagenta(0xFF, 0x00, 0xFF);

// The i-th message box shown, compared whole: text, title, buttons, icon.
inline QString boxAt(const ScriptedPlatform &p, int i)
{
    if (i >= p.boxes.size())
        return QStringLiteral("<no box>");
    const RecordedBox &b = p.boxes[i];
    return QStringLiteral("%1|%2|%3|%4").arg(b.text, b.title).arg(int(b.buttons)).arg(int(b.icon));
}
inline QString expectedBox(const QString &text, MsgButtons buttons, MsgIcon icon)
{
    return QStringLiteral("%1|%2|%3|%4").arg(text, kMessageTitle).arg(int(buttons)).arg(int(icon));
}

inline QString joined(const DayRecord &r)
{
    return QStringList{r.date, r.week, r.start, r.end, r.worked, r.attendance, r.note}.join(u'|');
}

// One day of January 2024, today, with the usual 60-minute lunch break: its
// record in the data file, the program started, and the dialog opened from
// the day's cell (or by "退社").
struct Rig : Program {
    explicit Rig(QDate day = QDate(2024, 1, 15)) : day(day)
    {
        platform.clock = QDateTime(day, QTime(9, 0));
        setting("T6Sw", QStringLiteral("True"));
    }

    void setting(const char *key, const QString &value) { platform.store.insert(setKey(key), value); }
    void setRecord(const QStringList &fields) // date, week, start, end, worked, attendance, note
    {
        prepared = sjis(recordLine(fields));
        QVERIFY(writeFile(dataPath(), prepared));
    }
    DayRecord record() const { return book->record(day); }
    // Started, with the day's record as loaded kept to compare with.
    void begin()
    {
        start();
        before = joined(record());
    }
    [[nodiscard]] bool open(bool clockOut = false)
    {
        if (!window)
            begin();
        if (clockOut)
            QTest::mouseClick(window->clockOutButton(), Qt::LeftButton);
        dlg = activated(clockOut ? openDialog<DayEntryDialog>() : openDay(day.day()));
        return dlg && !window->isVisible(); // the load step hides the main window
    }
    // True once the dialog has gone and the main window is back.
    [[nodiscard]] bool closed() { return backAtMainWindow() && dlg.isNull(); }
    bool stillOpen() const { return dlg && dlg->isVisible() && !window->isVisible(); }
    QColor fill() const { return window->calendar()->cellShowing(day)->fill(); }
    QString dataFile() const
    {
        QStringDecoder decoder("windows-31j");
        const QString text = decoder.decode(readFile(dataPath()));
        return decoder.hasError() ? QStringLiteral("<bad bytes>") : text;
    }
    bool fileUntouched() const { return readFile(dataPath()) == prepared; }
    QString storedYukyu() const { return platform.store.value(setKey("Yukyu")); }

    QDate day;
    QByteArray prepared = "<unreadable>"; // readFile's word for a missing file
    QString before;
    QPointer<DayEntryDialog> dlg;
};

} // namespace zentak::story
