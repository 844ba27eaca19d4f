// The month's timesheet against the records: a CSV row for every kind of
// day, a national holiday, a note a spreadsheet must read back whole, and
// the month's figures, each worked out by hand. November 2026 begins on a
// Sunday; the 3rd is 文化の日.

#include "monthfixture.h"
#include "timesheet.h"

#include <QTest>

using namespace zentak;
using namespace zentak::test;

class TestTimesheet : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void totals_data();
    void totals();
};

void TestTimesheet::rows_data()
{
    QTest::addColumn<QString>("record"); // "date|week|start|end|worked|kintai|note", or none
    QTest::addColumn<QString>("row");    // as the file holds it, without its line end
    QTest::newRow("a long day") << "2026/11/02|月|09:00|19:30|10:30|10.50|設計"
                                << "2026/11/02,月,,出勤,09:00,19:30,10:30,10.50,2:30,0:00,設計";
    QTest::newRow("a national holiday worked") << "2026/11/03|火|09:00|18:00|08:00|08.00|作業"
                                               << "2026/11/03,火,文化の日,出勤,09:00,18:00,08:00,08.00,0:00,0:00,作業";
    QTest::newRow("the rest day worked") << "2026/11/01|日|09:00|19:00|09:00|09.00|障害対応"
                                         << "2026/11/01,日,,出勤,09:00,19:00,09:00,09.00,0:00,9:00,障害対応";
    QTest::newRow("paid leave") << "2026/11/04|水|00:00|00:00|00:00|00.00|有給休暇（１日）"
                                << "2026/11/04,水,,有給,00:00,00:00,00:00,00.00,0:00,0:00,有給休暇（１日）";
    QTest::newRow("half a day") << "2026/11/05|木|09:00|13:00|04:00|04.00|有給休暇（半日）"
                                << "2026/11/05,木,,半給,09:00,13:00,04:00,04.00,0:00,0:00,有給休暇（半日）";
    QTest::newRow("a holiday") << "2026/11/06|金|00:00|00:00|00:00|00.00|休日"
                               << "2026/11/06,金,,休日,00:00,00:00,00:00,00.00,0:00,0:00,休日";
    QTest::newRow("a day off in lieu") << "2026/11/07|土|00:00|00:00|00:00|00.00|代休"
                                       << "2026/11/07,土,,代休,00:00,00:00,00:00,00.00,0:00,0:00,代休";
    QTest::newRow("cancelled") << "2026/11/09|月|     |     |     |     |取消"
                               << "2026/11/09,月,,取消,,,,,0:00,0:00,取消";
    QTest::newRow("a note with a comma, quotes and a line break")
        << "2026/11/10|火|09:00|18:00|08:00|08.00|会議, \"A\"案\r\n資料"
        << "2026/11/10,火,,出勤,09:00,18:00,08:00,08.00,0:00,0:00,\"会議, \"\"A\"\"案\r\n資料\"";
    QTest::newRow("no record") << "" << "2026/11/23,月,勤労感謝の日,,,,,,,,";
}

void TestTimesheet::rows()
{
    QFETCH(QString, record);
    QFETCH(QString, row);
    AttendanceTable t;
    if (!record.isEmpty())
        put(t, record);
    // Records of the months either side stay out.
    put(t, QStringLiteral("2026/10/31|土|09:00|18:00|08:00|08.00|前月"));
    put(t, QStringLiteral("2026/12/01|火|09:00|18:00|08:00|08.00|翌月"));
    const QByteArray bytes = timesheetCsv(timesheetOf(t, 2026, 11, Settings()));
    const QString csv = QString::fromUtf8(bytes.mid(3));
    QVERIFY2(csv.contains(QStringLiteral("\r\n") + row + QStringLiteral("\r\n")), qPrintable(csv));
    // The byte order mark and the header, then the thirty days in order,
    // and nothing after the last.
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(csv.startsWith(QStringLiteral("日付,曜日,祝日,区分,出社,退社,稼動,勤怠,時間外,休日労働,作業内容\r\n"
                                          "2026/11/01,日,")));
    QCOMPARE(csv.count(QStringLiteral("\r\n2026/")), 30);
    QVERIFY(csv.endsWith(QStringLiteral("\r\n2026/11/30,月,,,,,,,,,\r\n")));
    QCOMPARE(csv.count(u'\n'), 31 + row.count(u'\n'));
}

void TestTimesheet::totals_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("totals"); // 稼動時間|日数|時間外|休日労働|有給取得|有給残
    QTest::newRow("no records, a blank balance") << QStringList{} << "    " << "0.00|0.0|0:00|0:00|0.0|";
    // Overtime 2:30 on the 2nd, the Sunday the rest day, paid leave one and
    // a half days.
    QTest::newRow("every kind") << QStringList{"2026/11/01|日|09:00|19:00|09:00|09.00|障害対応",
                                               "2026/11/02|月|09:00|20:30|10:30|10.50|設計",
                                               "2026/11/09|月|00:00|00:00|00:00|00.00|有給休暇（１日）",
                                               "2026/11/10|火|09:00|13:00|04:00|04.00|有給休暇（半日）",
                                               "2026/11/12|木|00:00|00:00|00:00|00.00|取消"}
                                << "12.5" << "23.50|3.5|2:30|9:00|1.5|12.5";
}

void TestTimesheet::totals()
{
    QFETCH(QStringList, records);
    AttendanceTable t;
    for (const QString &r : records)
        put(t, r);
    Settings s;
    QFETCH(QString, balance);
    s.leaveBalance = balance;
    const TimesheetTotals got = timesheetOf(t, 2026, 11, s).totals;
    QTEST(QStringList({got.workedHours, got.days, got.overtime, got.holidayWork, got.paidLeaveTaken,
                       got.leaveBalance}).join(u'|'),
          "totals");
}

QTEST_GUILESS_MAIN(TestTimesheet)
#include "tst_timesheet.moc"
