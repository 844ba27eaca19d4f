// The month totals and the report's lines.

#include "monthfixture.h"

#include <QTest>

using namespace zentak;
using namespace zentak::test;

class TestMonthReport : public QObject, MonthFixture {
    Q_OBJECT
private slots:
    void init();

    void reportColumns_data();
    void reportColumns();
    void totals_data();
    void totals();

};

void TestMonthReport::init()
{
    reset();
}

// Columns 7 to 10 of each day line: running hours, overtime, running
// overtime and the note.
void TestMonthReport::reportColumns_data()
{
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<int>("ktsw");
    QTest::addColumn<QStringList>("expected");

    const QStringList tenDays = {worked(3), worked(12), worked(25)};
    QTest::newRow("ten-day tally off runs on") << tenDays << 0
        << QStringList{"008.00|0.00|00.00|作業", "016.00|0.00|00.00|作業", "024.00|0.00|00.00|作業"};
    QTest::newRow("ten-day tally on restarts on the 12th and the 25th") << tenDays << 1
        << QStringList{"008.00|0.00|00.00|作業", "008.00|0.00|00.00|作業", "008.00|0.00|00.00|作業"};
    QTest::newRow("both restarts on the 22nd, none after")
        << QStringList{worked(3, "09.50", "09:30"), worked(22, "09.50", "09:30"), worked(25, "09.50", "09:30")} << 1
        << QStringList{"009.50|1.50|01.50|作業", "009.50|1.50|01.50|作業", "019.00|1.50|03.00|作業"};
    QTest::newRow("first day from the 11th is the 11th") << QStringList{worked(10), worked(11)} << 1
        << QStringList{"008.00|0.00|00.00|作業", "008.00|0.00|00.00|作業"};

    QTest::newRow("overtime: worked 08:00 is not later") << QStringList{worked(1, "08.00", "08:00")} << 0
        << QStringList{"008.00|0.00|00.00|作業"};
    QTest::newRow("overtime: worked 08:10 counts its quarter hours only")
        << QStringList{worked(1, "08.00", "08:10")} << 0 << QStringList{"008.00|0.00|00.00|作業"};
    QTest::newRow("overtime: worked 09:30") << QStringList{worked(1, "09.50", "09:30")} << 0
        << QStringList{"009.50|1.50|01.50|作業"};
    QTest::newRow("overtime: more hours than worked time says are not overtime")
        << QStringList{worked(1, "10.00", "07:00")} << 0 << QStringList{"010.00|0.00|00.00|作業"};

    QTest::newRow("leave days add nothing")
        << QStringList{worked(1), "2024/05/02|木|00:00|00:00|00:00|00.00|有給休暇（１日）",
                       "2024/05/03|金|00:00|00:00|00:00|00.00|休日"} << 0
        << QStringList{"008.00|0.00|00.00|作業", "008.00|0.00|00.00|有給休暇（１日）",
                       "008.00|0.00|00.00|休日"};
    QTest::newRow("note with CR, LF and tab on one line")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|a\r\nb\tc\rd"} << 0
        << QStringList{"008.00|0.00|00.00|a  b c d"};
    QTest::newRow("line break in the week, tab in the start")
        << QStringList{"2024/05/01|\n|09\t00|18:00|08:00|08.00|作業"} << 0 << QStringList{"008.00|0.00|00.00|作業"};
    QTest::newRow("note ending in a line break leaves no blank")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|done\r\n"} << 0
        << QStringList{"008.00|0.00|00.00|done"};
    QTest::newRow("ideographic space at the end is kept")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|作業\u3000"} << 0
        << QStringList{"008.00|0.00|00.00|作業\u3000"};
    QTest::newRow("note of 200 blanks is empty")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|" + QString(200, ' ')} << 0
        << QStringList{"008.00|0.00|00.00|"};
    QTest::newRow("note with commas stays one field")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|a,b, c"} << 0
        << QStringList{"008.00|0.00|00.00|a,b, c"};
}

void TestMonthReport::reportColumns()
{
    QFETCH(QStringList, days);
    QFETCH(int, ktsw);
    QFETCH(QStringList, expected);
    for (const QString &d : days)
        put(t_, d);
    s_.tenDayTally = ktsw;
    const QStringList report = lines();
    QCOMPARE(report.size(), expected.size() + 1);
    QCOMPARE(report.first(), kHeader);
    for (int i = 0; i < expected.size(); ++i) {
        const std::optional<QStringList> fields = splitReportLine(report[i + 1]);
        QVERIFY2(fields, qPrintable(report[i + 1]));
        QCOMPARE(fields->mid(6).join(QLatin1Char('|')), expected[i]);
        // The first six columns keep their widths, and the line is one line.
        QCOMPARE(fields->at(0).size(), 10);
        QCOMPARE(fields->at(1).size(), 1);
        QCOMPARE(fields->at(2).size(), 5);
        for (const char c : {'\t', '\r', '\n'})
            QVERIFY(!report[i + 1].contains(QLatin1Char(c)));
    }
}

void TestMonthReport::totals_data()
{
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<int>("ktsw");
    QTest::addColumn<float>("days_");
    QTest::addColumn<float>("hours");

    QStringList twenty;
    for (int d = 1; d <= 20; ++d)
        twenty << worked(d);
    QTest::newRow("twenty 8-hour days and a half day of leave")
        << (twenty << "2024/05/21|火|00:00|00:00|00:00|00.00|有給休暇（半日）") << 0
        << 20.5f << 160.0f;
    QTest::newRow("half day of leave with hours counts 1.5")
        << QStringList{"2024/05/21|火|09:00|13:00|04:00|04.00|有給休暇（半日）"} << 0 << 1.5f << 4.0f;
    QTest::newRow("half day marker after leading blanks")
        << QStringList{"2024/05/21|火|00:00|00:00|00:00|00.00|  有給休暇（半日）"} << 0 << 0.5f << 0.0f;
    QTest::newRow("whole day of leave, holiday, day off count nothing")
        << QStringList{"2024/05/01|水|00:00|00:00|00:00|00.00|有給休暇（１日）",
                       "2024/05/02|木|00:00|00:00|00:00|00.00|休日",
                       "2024/05/03|金|00:00|00:00|00:00|00.00|代休"} << 0 << 0.0f << 0.0f;
    QTest::newRow("attendance that is not a number counts nothing")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|ab.cd|作業"} << 0 << 0.0f << 0.0f;
    QTest::newRow("blank date is skipped even with a note")
        << QStringList{"          |水|09:00|18:00|08:00|08.00|作業"} << 0 << 0.0f << 0.0f;
    const QStringList tenDays = {worked(3), worked(12), worked(25)};
    QTest::newRow("ten-day tally: totals ignore it") << tenDays << 1 << 3.0f << 24.0f;
}

void TestMonthReport::totals()
{
    QFETCH(QStringList, days);
    QFETCH(int, ktsw);
    QFETCH(float, days_);
    QFETCH(float, hours);
    for (const QString &d : days) {
        if (d.startsWith(QLatin1Char(' '))) {
            // A record whose date is blank is no record.
            const QStringList f = d.split(QLatin1Char('|'));
            t_.setRecord(DayKey{2024, 5, 9}, std::array<QStringView, kFieldCount>{f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
            continue;
        }
        put(t_, d);
    }
    s_.tenDayTally = ktsw;
    const MonthTotals totals = monthTotals(t_, 2024, 5);
    QCOMPARE(totals.days, days_);
    QCOMPARE(totals.hours, hours);
}

QTEST_GUILESS_MAIN(TestMonthReport)
#include "tst_monthreport.moc"
