// The day entry dialog driven as the user drives it: what it shows on
// opening, the checks and the store of "保存", "戻る", the calculation, the
// clock-out proposal, the leave-kind buttons with the paid-leave balance,
// and the guarded note box.

#include "fixedtext.h"
#include "messages.h"
#include "program.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QPointer>
#include <QStringDecoder>

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kHHMM = QStringLiteral("時間はHH:MMで入力して下さい！");
const QString kHHdotMM = QStringLiteral("時間はHH.MMで入力して下さい！");
const QString kNoLeave = QStringLiteral("有給休暇残は０日です！");
const QString kHalfLeft = QStringLiteral("有給休暇残は０．５日です！");
const QString kAskCancel = QStringLiteral("作業内容を取消しますか？");
const QString kWhole = QStringLiteral("有給休暇（１日）");
const QString kHalf = QStringLiteral("有給休暇（半日）");
const QColor kCyan(0x00, 0xFF, 0xFF);
const QColor kMagenta(0xFF, 0x00, 0xFF);

// The i-th message box shown, compared whole: text, title, buttons, icon.
QString boxAt(const ScriptedPlatform &p, int i)
{
    if (i >= p.boxes.size())
        return QStringLiteral("<no box>");
    const RecordedBox &b = p.boxes[i];
    return QStringLiteral("%1|%2|%3|%4").arg(b.text, b.title).arg(int(b.buttons)).arg(int(b.icon));
}
QString expectedBox(const QString &text, MsgButtons buttons, MsgIcon icon)
{
    return QStringLiteral("%1|%2|%3|%4").arg(text, kMessageTitle).arg(int(buttons)).arg(int(icon));
}

QString joined(const DayRecord &r)
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

    void setting(const char *key, const QString &value)
    {
        platform.store.insert(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QLatin1String(key)), value);
    }
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
    void type(QLineEdit *box, const QString &text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    QColor fill() const { return window->calendar()->cellShowing(day)->fill(); }
    QString dataFile() const
    {
        QStringDecoder decoder("windows-31j");
        const QString text = decoder.decode(readFile(dataPath()));
        return decoder.hasError() ? QStringLiteral("<bad bytes>") : text;
    }
    bool fileUntouched() const { return readFile(dataPath()) == prepared; }
    QString storedYukyu() const
    {
        return platform.store.value(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu")));
    }

    QDate day;
    QByteArray prepared = "<unreadable>"; // readFile's word for a missing file
    QString before;
    QPointer<DayEntryDialog> dlg;
};

} // namespace

class TestDayEntry : public QObject {
    Q_OBJECT
private slots:
    void opening_data()
    {
        QTest::addColumn<QStringList>("record"); // empty: no record
        QTest::addColumn<QString>("iniTM");
        QTest::addColumn<QString>("sagyo");
        QTest::addColumn<QStringList>("boxes"); // tstim, tetim, tptim, tktim, tmsg
        const QString d = QStringLiteral("2024/01/15");
        const QString w = QStringLiteral("月");
        QTest::newRow("worked day") << QStringList{d, w, "08:45", "17:30", "07:45", "07.75", "会議"} << "09:00"
                                    << "既定" << QStringList{"08:45", "17:30", "07:45", "07.75", "会議"};
        QTest::newRow("start as stored, others trimmed")
            << QStringList{d, w, "9:00", " 8:00", " 7:0", " 7.5", "  字下げ  "} << "09:00" << "既定"
            << QStringList{"9:00 ", "8:00", "7:0", "7.5", "  字下げ"};
        QTest::newRow("no record") << QStringList{} << "08:30" << "○○○作業"
                                   << QStringList{"08:30", "", "", "", "○○○作業"};
        QTest::newRow("no record, IniTM blank") << QStringList{} << "     " << "○○○作業"
                                                << QStringList{"09:00", "", "", "", "○○○作業"};
        QTest::newRow("Sagyo without trailing blanks") << QStringList{} << "08:30" << "定例作業   "
                                                       << QStringList{"08:30", "", "", "", "定例作業"};
        QTest::newRow("start 00:00 stays") << QStringList{d, w, "00:00", "09:00", "08:00", "08.00", "夜勤"}
                                           << "08:30" << "既定" << QStringList{"00:00", "09:00", "08:00", "08.00", "夜勤"};
        QTest::newRow("leave day") << QStringList{d, w, "00:00", "00:00", "00:00", "00.00", kHalf} << "08:30"
                                   << "既定" << QStringList{"00:00", "00:00", "00:00", "00.00", kHalf};
        QTest::newRow("record with blank start and note") << QStringList{d, w, "", "18:00", "", "", ""} << "10:00"
                                                          << "既定" << QStringList{"10:00", "18:00", "", "", "既定"};
        QTest::newRow("note over two lines") << QStringList{d, w, "09:00", "", "", "", "一行目\r\n二行目"} << "09:00"
                                             << "既定" << QStringList{"09:00", "", "", "", "一行目\n二行目"};
    }

    void opening()
    {
        QFETCH(QStringList, record);
        QFETCH(QStringList, boxes);
        Rig rig;
        QFETCH(QString, iniTM);
        QFETCH(QString, sagyo);
        rig.setting("IniTM", iniTM);
        rig.setting("Sagyo", sagyo);
        if (!record.isEmpty())
            rig.setRecord(record);
        QVERIFY(rig.open());
        DayEntryDialog *d = rig.dlg;
        QCOMPARE(QStringList({d->startTimeBox()->text(), d->endTimeBox()->text(), d->workedTimeBox()->text(),
                              d->attendanceBox()->text(), d->noteBox()->toPlainText()}),
                 boxes);
        QCOMPARE(d->dateLabel()->text(), QStringLiteral("24年01月15日(月)"));
        QCOMPARE(QApplication::focusWidget(), d->noteBox()); // the focus starts in the note
        QCOMPARE(joined(rig.record()), rig.before);          // opening changes nothing
        QVERIFY(rig.platform.boxes.isEmpty());
    }

    void saveRefused_data()
    {
        QTest::addColumn<QStringList>("typed"); // tstim, tetim, tptim, tktim
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty end") << QStringList{"09:00", "", "08:00", "08.00"} << "tetim" << kHHMM;
        QTest::newRow("start 9:00") << QStringList{"9:00", "18:00", "08:00", "08.00"} << "tstim" << kHHMM;
        QTest::newRow("worked 8:00x") << QStringList{"09:00", "18:00", "8:00x", "08.00"} << "tptim" << kHHMM;
        QTest::newRow("worked bad") << QStringList{"09:00", "18:00", "bad", "08.00"} << "tptim" << kHHMM;
        QTest::newRow("attendance 07:45") << QStringList{"09:00", "18:00", "08:00", "07:45"} << "tktim" << kHHdotMM;
        QTest::newRow("attendance 7.75") << QStringList{"09:00", "18:00", "08:00", "7.75"} << "tktim" << kHHdotMM;
        QTest::newRow("start 24:00") << QStringList{"24:00", "18:00", "08:00", "08.00"} << "tstim" << kHHMM;
        QTest::newRow("end 12:60") << QStringList{"09:00", "12:60", "08:00", "08.00"} << "tetim" << kHHMM;
        QTest::newRow("end with a point") << QStringList{"09:00", "18.00", "08:00", "08.00"} << "tetim" << kHHMM;
        QTest::newRow("all four bad, start first") << QStringList{"x", "y", "z", "w"} << "tstim" << kHHMM;
        QTest::newRow("end and attendance bad, end first") << QStringList{"09:00", "", "08:00", ""} << "tetim" << kHHMM;
    }

    void saveRefused()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, box);
        QFETCH(QString, message);
        Rig rig;
        rig.setRecord({"2024/01/15", "月", "08:00", "17:00", "08:00", "08.00", "元のメモ"});
        QVERIFY(rig.open());
        FocusAtBoxes focus(rig.platform);
        DayEntryDialog *d = rig.dlg;
        QLineEdit *boxes[] = {d->startTimeBox(), d->endTimeBox(), d->workedTimeBox(), d->attendanceBox()};
        for (int i = 0; i < 4; ++i)
            rig.type(boxes[i], typed[i]);
        rig.dlg->noteBox()->setFocus(); // the focus is elsewhere when "保存" is pressed
        press(rig.dlg, "Command1");

        QCOMPARE(rig.platform.boxes.size(), 1);
        QCOMPARE(boxAt(rig.platform, 0), expectedBox(message, MsgButtons::Ok, MsgIcon::Stop));
        QCOMPARE(focus.names(), QStringList{box}); // moved before the message
        QCOMPARE(QApplication::focusWidget()->objectName(), box);
        QCOMPARE(joined(rig.record()), rig.before);
        QCOMPARE(rig.fill(), kCyan); // as drawn for the worked day
        QVERIFY(rig.fileUntouched());
        QVERIFY(rig.stillOpen());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(boxes[i]->text(), typed[i]); // the typing is kept for correcting
    }

    void saveStoresAsTyped()
    {
        Rig rig;
        // An older year's record in the same cell is replaced as a whole.
        rig.setRecord({"2021/01/15", "金", "07:00", "16:00", "08:00", "08.00", QString(150, u'旧')});
        QVERIFY(rig.open());
        DayEntryDialog *d = rig.dlg;
        rig.type(d->startTimeBox(), QStringLiteral("08:300")); // at most five characters go in
        QCOMPARE(d->startTimeBox()->text(), QStringLiteral("08:30"));
        rig.type(d->endTimeBox(), QStringLiteral("17:45"));
        rig.type(d->workedTimeBox(), QStringLiteral("09:59")); // not what start and end give: kept
        rig.type(d->attendanceBox(), QStringLiteral(" 7.75")); // passes the shape check, kept untrimmed
        d->noteBox()->selectAll();
        typeText(d->noteBox(), QStringLiteral("作業A"));
        QTest::keyClick(d->noteBox(), Qt::Key_Return);
        typeText(d->noteBox(), QStringLiteral("作業B "));
        press(rig.dlg, "Command1");

        QVERIFY(rig.platform.boxes.isEmpty());
        const DayRecord r = rig.record();
        QCOMPARE(r.date, QStringLiteral("2024/01/15"));
        QCOMPARE(r.week, QStringLiteral("月"));
        QCOMPARE(r.start, QStringLiteral("08:30"));
        QCOMPARE(r.end, QStringLiteral("17:45"));
        QCOMPARE(r.worked, QStringLiteral("09:59"));
        QCOMPARE(r.attendance, QStringLiteral(" 7.75"));
        QCOMPARE(r.note, QStringLiteral("作業A\r\n作業B ") + QString(191, u' '));
        QCOMPARE(rig.fill(), kCyan);
        QCOMPARE(rig.book->settings().leaveBalance, QStringLiteral("00.0"));
        QVERIFY(rig.closed());
        QCOMPARE(rig.dataFile(), QStringLiteral("\"2024/01/15\",\"月\",\"08:30\",\"17:45\",\"09:59\",\" 7.75\","
                                                "\"作業A\r\n作業B\"\r\n"));
    }

    void saveMarkedDayStillWorked()
    {
        // The cell takes the worked-day fill whatever the note says.
        Rig rig;
        rig.setRecord({"2024/01/15", "月", "00:00", "00:00", "00:00", "00.00", QStringLiteral("休日")});
        QVERIFY(rig.open());
        QCOMPARE(rig.fill(), QColor(0xFF, 0x00, 0x00));
        press(rig.dlg, "Command1");
        QCOMPARE(rig.fill(), kCyan);
        QCOMPARE(rig.record().note, fixedWidth(u"休日", 200));
        QCOMPARE(rig.record().start, QStringLiteral("00:00"));
        QVERIFY(rig.closed());
    }

    void leavingStoresNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("戻る") << "button";
        QTest::newRow("close()") << "close";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close() before shown") << "unshown";
    }

    void leavingStoresNothing()
    {
        QFETCH(QString, way);
        Rig rig;
        rig.setRecord({"2024/01/15", "月", "08:00", "17:00", "08:00", "08.00", "元のメモ"});
        if (way == QLatin1String("unshown")) {
            rig.begin();
            rig.dlg = new DayEntryDialog(*rig.book, rig.platform, rig.day, DayEntryDialog::Opening::Day,
                                         rig.window.get());
            rig.dlg->load();
            QVERIFY(!rig.window->isVisible());
            rig.dlg->close();
        } else {
            QVERIFY(rig.open());
            rig.type(rig.dlg->startTimeBox(), QStringLiteral("10:00"));
            rig.type(rig.dlg->endTimeBox(), QStringLiteral("11:00"));
            rig.dlg->noteBox()->selectAll();
            typeText(rig.dlg->noteBox(), QStringLiteral("変更"));
            if (way == QLatin1String("button"))
                press(rig.dlg, "Command2");
            else if (way == QLatin1String("close"))
                rig.dlg->close();
            else
                QTest::keyClick(rig.dlg->startTimeBox(), Qt::Key_Escape);
        }
        QVERIFY(rig.closed());
        QCOMPARE(joined(rig.record()), rig.before);
        QCOMPARE(rig.fill(), kCyan); // as drawn for the worked day
        QVERIFY(rig.platform.boxes.isEmpty());
        QVERIFY(rig.fileUntouched());
    }

    void calculation_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("rules"); // lunch break "60", "45" or "none"; "shift" for shift work
        QTest::addColumn<QString>("worked");
        QTest::addColumn<QString>("kintai");
        QTest::addColumn<QString>("refusedAt"); // the box focused for the message, or empty
        QTest::newRow("09:00-18:00") << "09:00" << "18:00" << "60" << "08:00" << "08.00" << "";
        QTest::newRow("09:00-18:14") << "09:00" << "18:14" << "60" << "08:14" << "08.00" << "";
        QTest::newRow("09:00-18:15") << "09:00" << "18:15" << "60" << "08:00" << "08.00" << "";
        QTest::newRow("09:00-19:00") << "09:00" << "19:00" << "60" << "08:45" << "08.75" << "";
        QTest::newRow("09:00-13:00 no break") << "09:00" << "13:00" << "60" << "04:00" << "04.00" << "";
        QTest::newRow("09:00-13:01") << "09:00" << "13:01" << "60" << "03:01" << "03.00" << "";
        QTest::newRow("13:00-22:00") << "13:00" << "22:00" << "60" << "08:45" << "08.75" << "";
        QTest::newRow("22:00-07:00 shift") << "22:00" << "07:00" << "60 shift" << "08:00" << "08.00" << "";
        QTest::newRow("22:00-08:00 shift") << "22:00" << "08:00" << "60 shift" << "09:45" << "09.75" << "";
        QTest::newRow("45 minutes") << "09:00" << "18:00" << "45" << "08:00" << "08.00" << "";
        QTest::newRow("no break") << "09:00" << "18:00" << "none" << "08:45" << "08.75" << "";
        QTest::newRow("09:00-09:00") << "09:00" << "09:00" << "60" << "00:00" << "00.00" << "";
        QTest::newRow("09:30-09:00") << "09:30" << "09:00" << "60" << "23:15" << "23.25" << "";
        // A bad start or end leaves the two boxes as they were.
        QTest::newRow("start 9:00") << "9:00" << "18:00" << "60" << "01:23" << "01.25" << "tstim";
        QTest::newRow("start empty") << "" << "18:00" << "60" << "01:23" << "01.25" << "tstim";
        QTest::newRow("end empty") << "09:00" << "" << "60" << "01:23" << "01.25" << "tetim";
        QTest::newRow("end 18:60") << "09:00" << "18:60" << "60" << "01:23" << "01.25" << "tetim";
        QTest::newRow("both bad, start first") << "ab:cd" << "25:00" << "60" << "01:23" << "01.25" << "tstim";
    }

    void calculation()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, rules);
        QFETCH(QString, refusedAt);
        Rig rig;
        QVERIFY(rig.open());
        FocusAtBoxes focus(rig.platform);
        // The settings are read at the click, not when the dialog opened.
        Settings settings = rig.book->settings();
        settings.lunchBreak60 = rules.contains(QLatin1String("60"));
        settings.lunchBreak45 = rules.contains(QLatin1String("45"));
        settings.shiftWork = rules.contains(QLatin1String("shift")) ? 1 : 0;
        rig.book->saveSettings(settings);
        rig.type(rig.dlg->startTimeBox(), start);
        rig.type(rig.dlg->endTimeBox(), end);
        rig.type(rig.dlg->workedTimeBox(), QStringLiteral("01:23"));
        rig.type(rig.dlg->attendanceBox(), QStringLiteral("01.25"));
        rig.dlg->noteBox()->setFocus();
        press(rig.dlg, "Command3");
        QTEST(rig.dlg->workedTimeBox()->text(), "worked");
        QTEST(rig.dlg->attendanceBox()->text(), "kintai");
        QCOMPARE(rig.dlg->startTimeBox()->text(), start);
        if (refusedAt.isEmpty()) {
            QVERIFY(rig.platform.boxes.isEmpty());
        } else {
            QCOMPARE(rig.platform.boxes.size(), 1);
            QCOMPARE(boxAt(rig.platform, 0), expectedBox(kHHMM, MsgButtons::Ok, MsgIcon::Stop));
            QCOMPARE(focus.names(), QStringList{refusedAt});
        }
        QVERIFY(!rig.record().inUse()); // only the boxes change
        QVERIFY(rig.fileUntouched());
        QVERIFY(rig.stillOpen());
    }

    void clockOut_data()
    {
        QTest::addColumn<QString>("iniTM");
        QTest::addColumn<bool>("hasRecord");
        QTest::addColumn<QStringList>("boxes"); // tstim, tptim, tktim, tmsg
        // 09:00 to 18:12 is 552 minutes, less the lunch hour 492: under
        // 08:00 + 15 minutes, so 08:12 stays, 08.00 in quarter hours.
        QTest::newRow("day with a record") << "09:00" << true << QStringList{"09:00", "08:12", "08.00", "メモ"};
        QTest::newRow("day without a record") << "09:00" << false << QStringList{"09:00", "08:12", "08.00", "○○○作業"};
        QTest::newRow("IniTM not a time") << "ab:cd" << true << QStringList{"ab:cd", "", "", "メモ"};
    }

    void clockOut()
    {
        QFETCH(QString, iniTM);
        QFETCH(bool, hasRecord);
        QFETCH(QStringList, boxes);
        Rig rig(QDate(2007, 3, 5));
        rig.platform.clock = QDateTime(QDate(2007, 3, 5), QTime(18, 12, 40));
        rig.setting("IniTM", iniTM);
        if (hasRecord)
            rig.setRecord({"2007/03/05", "月", "10:00", "19:00", "08:00", "08.00", "メモ"});
        QVERIFY(rig.open(true));
        DayEntryDialog *d = rig.dlg;
        QCOMPARE(d->dateLabel()->text(), QStringLiteral("07年03月05日(月)"));
        QCOMPARE(d->endTimeBox()->text(), QStringLiteral("18:12"));
        QCOMPARE(QStringList({d->startTimeBox()->text(), d->workedTimeBox()->text(), d->attendanceBox()->text(),
                              d->noteBox()->toPlainText()}),
                 boxes);
        QVERIFY(rig.platform.boxes.isEmpty()); // not even for a usual start that is not a time
        QCOMPARE(joined(rig.record()), rig.before); // nothing stored until "保存"
        QVERIFY(rig.fileUntouched());
        if (boxes[1].isEmpty())
            return;
        press(rig.dlg, "Command1");
        QVERIFY(rig.closed());
        QCOMPARE(joined(rig.record()),
                 QStringList({"2007/03/05", "月", "09:00", "18:12", "08:12", "08.00", fixedWidth(boxes[3], 200)}).join(u'|'));
    }

    void leaveButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("yukyu");
        QTest::addColumn<QString>("refusal"); // empty: the day is marked
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QColor>("fill"); // the cell's afterwards
        const QColor kept = kMagenta;      // as drawn for the paid day of 2021
        QTest::newRow("有給 at 00.0") << "Command4_0" << "00.0" << kNoLeave << "00.0" << "" << kept;
        QTest::newRow("半給 at 00.0") << "Command4_1" << "00.0" << kNoLeave << "00.0" << "" << kept;
        QTest::newRow("有給 at 00.5") << "Command4_0" << "00.5" << kHalfLeft << "00.5" << "" << kept;
        QTest::newRow("半給 at 00.5") << "Command4_1" << "00.5" << "" << "00.0" << kHalf << kMagenta;
        QTest::newRow("有給 at 10.0") << "Command4_0" << "10.0" << "" << "09.0" << kWhole << kMagenta;
        QTest::newRow("半給 at 10.0") << "Command4_1" << "10.0" << "" << "09.5" << kHalf << kMagenta;
        QTest::newRow("有給 at 01.0") << "Command4_0" << "01.0" << "" << "00.0" << kWhole << kMagenta;
        QTest::newRow("半給 at 09.5") << "Command4_1" << "09.5" << "" << "09.0" << kHalf << kMagenta;
        // A balance out of its form (edited by hand into the store) is
        // judged by its value and never driven below zero.
        QTest::newRow("有給 at -1.5") << "Command4_0" << "-1.5" << kNoLeave << "-1.5" << "" << kept;
        QTest::newRow("半給 at -1.5") << "Command4_1" << "-1.5" << kNoLeave << "-1.5" << "" << kept;
        QTest::newRow("有給 at blanks") << "Command4_0" << "    " << kNoLeave << "    " << "" << kept;
        QTest::newRow("半給 at blanks") << "Command4_1" << "    " << kNoLeave << "    " << "" << kept;
        QTest::newRow("有給 at \" 0.5\"") << "Command4_0" << " 0.5" << kHalfLeft << " 0.5" << "" << kept;
        QTest::newRow("半給 at \" 0.5\"") << "Command4_1" << " 0.5" << "" << "00.0" << kHalf << kMagenta;
        QTest::newRow("有給 at \"0.5 \"") << "Command4_0" << "0.5 " << kHalfLeft << "0.5 " << "" << kept;
        QTest::newRow("有給 at \" 1.0\"") << "Command4_0" << " 1.0" << "" << "00.0" << kWhole << kMagenta;
        // The day was paid leave already: 休日 gives nothing back.
        QTest::newRow("休日") << "Command5" << "05.5" << "" << "05.5" << "休日" << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("代休") << "Command7" << "05.5" << "" << "05.5" << "代休" << QColor(0x00, 0xFF, 0x00);
    }

    void leaveButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, yukyu);
        QFETCH(QString, refusal);
        QFETCH(QString, after);
        QFETCH(QString, marker);
        QFETCH(QColor, fill);
        Rig rig;
        rig.setting("Yukyu", yukyu);
        // A record of three years before in the same cell, itself paid leave.
        rig.setRecord({"2021/01/15", "金", "08:00", "17:00", "08:00", "08.00", kWhole});
        QVERIFY(rig.open());
        press(rig.dlg, qPrintable(button));
        QCOMPARE(rig.book->settings().leaveBalance, after);
        QCOMPARE(rig.fill(), fill);
        if (!refusal.isEmpty()) {
            QCOMPARE(rig.platform.boxes.size(), 1);
            QCOMPARE(boxAt(rig.platform, 0), expectedBox(refusal, MsgButtons::Ok, MsgIcon::Information));
            QCOMPARE(joined(rig.record()), rig.before);
            QVERIFY(rig.platform.writes.isEmpty());
            QVERIFY(rig.stillOpen());
            return;
        }
        QVERIFY(rig.platform.boxes.isEmpty());
        QCOMPARE(joined(rig.record()),
                 QStringList({"2024/01/15", "月", "00:00", "00:00", "00:00", "00.00", fixedWidth(marker, 200)}).join(u'|'));
        QCOMPARE(rig.storedYukyu(), after);
        QCOMPARE(rig.dataFile(), QStringLiteral("\"2024/01/15\",\"月\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"")
                                     + marker + QStringLiteral("\"\r\n"));
        QVERIFY(rig.closed());
    }

    void cancel_data()
    {
        QTest::addColumn<QString>("note");   // of the record
        QTest::addColumn<QString>("edited"); // typed over the note box when not empty
        QTest::addColumn<QString>("yukyu");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("after");
        QTest::newRow("whole day back") << kWhole << "" << "09.0" << true << "10.0";
        QTest::newRow("half day back") << kHalf << "" << "09.5" << true << "10.0";
        QTest::newRow("half day back from 00.0") << kHalf << "" << "00.0" << true << "00.5";
        QTest::newRow("worked day, nothing back") << "打合せ" << "" << "09.5" << true << "09.5";
        QTest::newRow("holiday, nothing back") << "休日" << "" << "09.5" << true << "09.5";
        QTest::newRow("marker after blanks") << "  " + kWhole << "" << "00.0" << true << "01.0";
        QTest::newRow("marker with more after it") << kHalf + "午後" << "" << "01.0" << true << "01.5";
        QTest::newRow("edited box decides, given back") << "打合せ" << kHalf << "01.0" << true << "01.5";
        QTest::newRow("edited box decides, nothing back") << kWhole << "打合せ" << "01.0" << true << "01.0";
        QTest::newRow("answered No") << kWhole << "" << "09.0" << false << "09.0";
    }

    void cancel()
    {
        QFETCH(QString, note);
        QFETCH(QString, edited);
        QFETCH(QString, yukyu);
        QFETCH(bool, yes);
        QFETCH(QString, after);
        Rig rig;
        rig.setting("Yukyu", yukyu);
        rig.setRecord({"2024/01/15", "月", "08:00", "17:00", "08:00", "08.00", note});
        if (yes)
            rig.platform.answers.enqueue(MsgAnswer::Yes);
        QVERIFY(rig.open());
        if (!edited.isEmpty()) {
            rig.dlg->noteBox()->selectAll();
            typeText(rig.dlg->noteBox(), edited);
        }
        press(rig.dlg, "Command6");
        QCOMPARE(rig.platform.boxes.size(), 1);
        QCOMPARE(boxAt(rig.platform, 0), expectedBox(kAskCancel, MsgButtons::YesNo, MsgIcon::Question));
        QCOMPARE(rig.book->settings().leaveBalance, after);
        if (!yes) {
            QCOMPARE(joined(rig.record()), rig.before);
            QCOMPARE(rig.fill(), kMagenta); // as drawn for the paid day
            QVERIFY(rig.fileUntouched());
            QVERIFY(rig.stillOpen());
            return;
        }
        QCOMPARE(joined(rig.record()),
                 QStringList({"2024/01/15", "月", "00:00", "00:00", "00:00", "00.00", fixedWidth(u"取消", 200)}).join(u'|'));
        QCOMPARE(rig.fill(), QColor()); // no fill
        QCOMPARE(rig.storedYukyu(), after);
        QVERIFY(rig.closed());
    }

    void defaultNoteEntersTheDayStorable()
    {
        // A default note edited by hand into the store, with characters a
        // record cannot hold.
        Rig rig;
        rig.setting("Sagyo", QStringLiteral("\"定例\"作業\U0001F600"));
        QVERIFY(rig.open());
        QCOMPARE(rig.dlg->noteBox()->toPlainText(), QStringLiteral("定例作業"));
        QCOMPARE(rig.platform.boxes.size(), 1);
        QVERIFY(rig.platform.boxes[0].text.contains(QStringLiteral("\"\U0001F600")));
        QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Information);
        rig.type(rig.dlg->endTimeBox(), QStringLiteral("18:00"));
        press(rig.dlg, "Command3");
        press(rig.dlg, "Command1");
        QVERIFY(rig.closed());
        QCOMPARE(rig.record().note, fixedWidth(u"定例作業", 200));
        QVERIFY(!rig.book->hasUnwrittenChanges());
        QVERIFY(rig.dataFile().endsWith(QStringLiteral(",\"定例作業\"\r\n")));

        // The next new day shows the same, without telling again.
        rig.dlg = rig.openDay(16);
        QVERIFY(rig.dlg);
        QCOMPARE(rig.dlg->noteBox()->toPlainText(), QStringLiteral("定例作業"));
        QCOMPARE(rig.platform.boxes.size(), 1);
    }

    void noteRefusesTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("kept");
        QTest::newRow("double quote") << "ab\"cd" << "\"" << "abcd";
        QTest::newRow("e acute") << "caf\u00e9s" << "\u00e9" << "cafs";
        QTest::newRow("emoji") << "笑\U0001F600顔" << "\U0001F600" << "笑顔";
    }

    void noteRefusesTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refused);
        QFETCH(QString, kept);
        Rig rig;
        QVERIFY(rig.open());
        NoteEdit *note = rig.dlg->noteBox();
        note->selectAll();
        typeText(note, typed);
        QCOMPARE(note->toPlainText(), kept);
        QCOMPARE(rig.platform.boxes.size(), 1);
        const RecordedBox &shown = rig.platform.boxes[0];
        QVERIFY2(shown.text.contains(refused), qPrintable(shown.text)); // names what was kept out
        QCOMPARE(boxAt(rig.platform, 0), expectedBox(shown.text, MsgButtons::Ok, MsgIcon::Information));
        QVERIFY(rig.stillOpen());
    }

    void noteRefusesPastedAndCommitted()
    {
        Rig rig;
        QVERIFY(rig.open());
        NoteEdit *note = rig.dlg->noteBox();
        note->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("前\"後\u00e9\U0001F600末\""));
        note->paste();
        QCOMPARE(note->toPlainText(), QStringLiteral("前後末"));
        QCOMPARE(rig.platform.boxes.size(), 1); // one message for the whole paste
        for (const QString &c : {QStringLiteral("\""), QStringLiteral("\u00e9"), QStringLiteral("\U0001F600")})
            QVERIFY2(rig.platform.boxes[0].text.contains(c), qPrintable(c));
        QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Information);

        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("漢\"字"));
        QApplication::sendEvent(note, &commit);
        QCOMPARE(note->toPlainText(), QStringLiteral("前後末漢字"));
        QCOMPARE(rig.platform.boxes.size(), 2);
        QVERIFY(rig.platform.boxes[1].text.contains(u'"'));
        QCOMPARE(rig.platform.boxes[1].icon, MsgIcon::Information);
    }

    void noteLimit_data()
    {
        QTest::addColumn<QString>("before"); // in the box beforehand
        QTest::addColumn<bool>("replaceAll");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("added");
        const auto a = [](int n) { return QString(n, u'a'); };
        QTest::newRow("typed up to the limit") << a(198) << false << "type" << "bcd" << "bc";
        QTest::newRow("typed into a full box") << a(200) << false << "type" << "b" << "";
        QTest::newRow("breaks in the box count two") << a(97) + "\n" + a(97) + "\n" << false << "type" << "bcd" << "bc";
        QTest::newRow("line break needs two, one left") << a(199) << false << "return" << "" << "";
        QTest::newRow("line break in the last two") << a(198) << false << "return" << "" << "\n";
        QTest::newRow("paste cut to the room") << a(195) << false << "paste" << "0123456789" << "01234";
        QTest::newRow("paste with a break counting two") << a(197) << false << "paste" << "b\r\nc" << "b\n";
        QTest::newRow("paste break that does not fit") << a(198) << false << "paste" << "b\nc" << "b";
        QTest::newRow("paste over a full selection") << a(200) << true << "paste" << "xyz" << "xyz";
        QTest::newRow("typed over a full selection") << a(99) + "\n" + a(99) << true << "type" << "q" << "q";
    }

    void noteLimit()
    {
        QFETCH(QString, before);
        QFETCH(bool, replaceAll);
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, added);
        Rig rig;
        QVERIFY(rig.open());
        NoteEdit *note = rig.dlg->noteBox();
        note->setStoredText(QString(before).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        if (replaceAll)
            note->selectAll();
        if (how == QLatin1String("type")) {
            QTest::keyClicks(note, input);
        } else if (how == QLatin1String("paste")) {
            QApplication::clipboard()->setText(input);
            note->paste();
        } else {
            QTest::keyClick(note, Qt::Key_Return);
        }
        const QString expected = replaceAll ? added : before + added;
        QCOMPARE(note->toPlainText(), expected);
        QCOMPARE(note->storedText(), QString(expected).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        QVERIFY(rig.platform.boxes.isEmpty()); // too long is not a refused character
    }
};

QTEST_MAIN(TestDayEntry)
#include "tst_dayentry.moc"
