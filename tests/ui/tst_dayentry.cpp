// The day entry dialog driven as the user drives it: what it shows on
// opening, the checks and the store of "保存", "戻る", and the calculation.

#include "dayrig.h"

using namespace zentak;
using namespace zentak::story;

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
            typeOver(boxes[i], typed[i]);
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
        // An older year's record of the same day of the year stays as it is.
        rig.setRecord({"2021/01/15", "金", "07:00", "16:00", "08:00", "08.00", QString(150, u'旧')});
        QVERIFY(rig.open());
        DayEntryDialog *d = rig.dlg;
        typeOver(d->startTimeBox(), QStringLiteral("08:300")); // at most five characters go in
        QCOMPARE(d->startTimeBox()->text(), QStringLiteral("08:30"));
        typeOver(d->endTimeBox(), QStringLiteral("17:45"));
        typeOver(d->workedTimeBox(), QStringLiteral("09:59")); // not what start and end give: kept
        typeOver(d->attendanceBox(), QStringLiteral(" 7.75")); // passes the shape check, kept untrimmed
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
        QCOMPARE(rig.dataFile(), QStringLiteral("\"2021/01/15\",\"金\",\"07:00\",\"16:00\",\"08:00\",\"08.00\",\"")
                                     + QString(150, u'旧')
                                     + QStringLiteral("\"\r\n\"2024/01/15\",\"月\",\"08:30\",\"17:45\",\"09:59\",\" 7.75\","
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
            ToldOnce told;
            rig.dlg = new DayEntryDialog(*rig.book, rig.platform, told, rig.day, DayEntryDialog::Opening::Day,
                                         rig.window.get());
            rig.dlg->load();
            QVERIFY(!rig.window->isVisible());
            rig.dlg->close();
        } else {
            QVERIFY(rig.open());
            typeOver(rig.dlg->startTimeBox(), QStringLiteral("10:00"));
            typeOver(rig.dlg->endTimeBox(), QStringLiteral("11:00"));
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
        // Typed with the input method on: taken as ASCII as it goes in, the sixth character held off.
        QTest::newRow("end full width") << "09:00" << "１８：００" << "60" << "08:00" << "08.00" << "";
        QTest::newRow("end mixed, one too many") << "09:00" << "1８:0０0" << "60" << "08:00" << "08.00" << "";
        QTest::newRow("end committed by the input method") << "09:00" << "１９：００" << "60" << "08:45" << "08.75" << "";
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
        settings.lunchBreak = rules.contains(QLatin1String("60"))   ? LunchBreak::Minutes60
                              : rules.contains(QLatin1String("45")) ? LunchBreak::Minutes45
                                                                    : LunchBreak::None;
        settings.shiftWork = rules.contains(QLatin1String("shift")) ? 1 : 0;
        rig.book->saveSettings(settings);
        typeOver(rig.dlg->startTimeBox(), start);
        const bool committed = QByteArray(QTest::currentDataTag()).contains("committed");
        typeOver(rig.dlg->endTimeBox(), committed ? QString() : end);
        QInputMethodEvent commit; // what an input method composed, sent as one text
        commit.setCommitString(end);
        if (committed)
            QApplication::sendEvent(rig.dlg->endTimeBox(), &commit);
        typeOver(rig.dlg->workedTimeBox(), QStringLiteral("01:23"));
        typeOver(rig.dlg->attendanceBox(), QStringLiteral("01.25"));
        rig.dlg->noteBox()->setFocus();
        press(rig.dlg, "Command3");
        QTEST(rig.dlg->workedTimeBox()->text(), "worked");
        QTEST(rig.dlg->attendanceBox()->text(), "kintai");
        QCOMPARE(rig.dlg->startTimeBox()->text(), start);
        QString endInAscii = end.left(5);
        for (QChar &c : endInAscii)
            c = c.unicode() >= 0xFF10 && c.unicode() <= 0xFF1A ? QChar(c.unicode() - 0xFEE0) : c;
        QCOMPARE(rig.dlg->endTimeBox()->text(), endInAscii);
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
};

QTEST_MAIN(TestDayEntry)
#include "tst_dayentry.moc"
