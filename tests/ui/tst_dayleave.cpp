// The day entry dialog's clock-out proposal and its leave-kind buttons with
// the paid-leave balance.

#include "dayrig.h"

using namespace zentak;
using namespace zentak::story;

class TestDayLeave : public QObject {
    Q_OBJECT
private slots:
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
        const QColor kept = kMagenta;      // as drawn for the paid day
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
        // The day was paid leave already.
        rig.setRecord({"2024/01/15", "月", "08:00", "17:00", "08:00", "08.00", kWhole});
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
};

QTEST_MAIN(TestDayLeave)
#include "tst_dayleave.moc"
