// Overtime and holiday work as the law counts them, each figure worked out
// by hand: a day's and a week's overtime, the legal rest day, leave days,
// the agreement year's limits and the month's projection.

#include "daykind.h"
#include "overtime.h"

#include <QTest>

using namespace zentak;

namespace {

// "2026-06-02=10:30" a worked day from 09:00; a note after a blank, then
// start and end ("=00:00 有給休暇（１日）", "=11:00 夜勤|20:00|08:00").
AttendanceTable tableOf(const QStringList &days)
{
    AttendanceTable t;
    for (const QString &entry : days) {
        const QDate d = QDate::fromString(entry.left(10), Qt::ISODate);
        const QStringList rest = (entry.mid(17) + "||").split(u'|');
        t.setRecord(keyOf(d), DayRecord{dateField(d), weekdayKanji(d), rest[1].isEmpty() ? "09:00" : rest[1],
                                        rest[2], entry.mid(11, 5), "", rest[0].isEmpty() ? "作業" : rest[0]});
    }
    return t;
}

// "2026-02=10+2": ten weekdays of 18:00 (10:00 overtime each, 40 hours a
// week at most) and two Sundays of 10:00, from the month's start.
QStringList monthsOf(const QStringList &months)
{
    QStringList days;
    for (const QString &entry : months) {
        int weekdays = entry.section(u'=', 1).section(u'+', 0, 0).toInt();
        int sundays = entry.section(u'=', 1).section(u'+', 1).toInt();
        for (QDate d = QDate::fromString(entry.left(7) + "-01", Qt::ISODate); weekdays + sundays > 0; d = d.addDays(1))
            if (d.dayOfWeek() <= Qt::Friday && weekdays > 0 && weekdays--)
                days << d.toString(Qt::ISODate) + "=18:00";
            else if (d.dayOfWeek() == Qt::Sunday && sundays > 0 && sundays--)
                days << d.toString(Qt::ISODate) + "=10:00";
    }
    return days;
}

} // namespace

class TestOvertime : public QObject {
    Q_OBJECT
private slots:
    void days_data();
    void days();
    void agreementYear_data();
    void agreementYear();
    void projection_data();
    void projection();
    void limits_data();
    void limits();
};

void TestOvertime::days_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("restDay");
    QTest::addColumn<int>("month"); // of 2026
    QTest::addColumn<QString>("figures"); // "day:overtime/holiday work" of the days that have any
    // 2026-06-01 is a Monday, 2026-07-01 a Wednesday.
    QTest::newRow("a long day") << QStringList{"2026-06-02=11:30"} << 7 << 6 << "2:3:30/0:00";
    QTest::newRow("a Saturday after forty regular hours")
        << QStringList{"2026-06-01=09:00", "2026-06-02=08:00", "2026-06-03=08:00", "2026-06-04=08:00",
                       "2026-06-05=06:00", "2026-06-06=05:00"}
        << 7 << 6 << "1:1:00/0:00, 6:3:00/0:00";
    const QStringList crossing{"2026-06-29=08:00", "2026-06-30=08:00", "2026-07-01=08:00",
                               "2026-07-02=08:00", "2026-07-03=08:00", "2026-07-04=04:00"};
    QTest::newRow("a week crossing the month's start") << crossing << 7 << 7 << "4:4:00/0:00";
    QTest::newRow("the same week from the month before") << crossing << 7 << 6 << "";
    QTest::newRow("a Sunday worked is holiday work, beyond 8:00 too")
        << QStringList{"2026-06-01=08:00", "2026-06-02=08:00", "2026-06-03=08:00", "2026-06-04=08:00",
                       "2026-06-05=08:00", "2026-06-07=10:00"}
        << 7 << 6 << "7:0:00/10:00";
    QTest::newRow("the rest day chosen as Saturday")
        << QStringList{"2026-06-01=08:00", "2026-06-02=08:00", "2026-06-03=08:00", "2026-06-04=08:00",
                       "2026-06-05=08:00", "2026-06-06=05:00", "2026-06-07=06:00", "2026-06-08=08:00",
                       "2026-06-09=08:00", "2026-06-10=08:00", "2026-06-11=08:00", "2026-06-12=08:00"}
        << 6 << 6 << "6:0:00/5:00, 12:6:00/0:00";
    QTest::newRow("a night shift across midnight counts on its first day")
        << QStringList{"2026-06-05=11:00 夜勤|20:00|08:00"} << 7 << 6 << "5:3:00/0:00";
    QTest::newRow("leave days, a cancelled day and a worked field not a time count nothing")
        << QStringList{"2026-06-01=08:00 有給休暇（１日）", "2026-06-02=09:00 取消", "2026-06-03=25:00",
                       "2026-06-04=08:00", "2026-06-05=08:00", "2026-06-06=10:00"}
        << 7 << 6 << "6:2:00/0:00";
}

void TestOvertime::days()
{
    QFETCH(QStringList, records);
    QFETCH(int, restDay);
    QFETCH(int, month);
    QFETCH(QString, figures);
    const AttendanceTable t = tableOf(records);
    const QList<DayLaw> days = lawOfMonthDays(t, 2026, month, Qt::DayOfWeek(restDay));
    QCOMPARE(days.size(), QDate(2026, month, 1).daysInMonth());
    QStringList got;
    DayLaw sum;
    for (int i = 0; i < days.size(); ++i) {
        sum += days[i];
        if (days[i].total() > 0)
            got << QStringLiteral("%1:%2/%3").arg(i + 1).arg(hoursMinutesText(days[i].overtime),
                                                           hoursMinutesText(days[i].holidayWork));
    }
    QCOMPARE(got.join(", "), figures);
    QCOMPARE(lawOfMonth(t, 2026, month, Qt::DayOfWeek(restDay)), sum);
}

void TestOvertime::agreementYear_data()
{
    QTest::addColumn<QStringList>("months");
    QTest::addColumn<int>("startMonth");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("figures"); // year's overtime | months over 45:00 | highest average | highest month
    // Feb-Mar averages 90:00 but ends before the year; May's 2-month
    // average (85:00) ends after today.
    QTest::newRow("2-6 month averages across the year's start")
        << QStringList{"2026-02=10", "2026-03=8", "2026-04=5+2", "2026-05=12"} << 4 << QDate(2026, 4, 30)
        << "170:00|2|83:20|120:00";
    QTest::newRow("a year from January reaches back into December")
        << QStringList{"2025-12=10", "2026-01=6"} << 1 << QDate(2026, 1, 31) << "60:00|1|80:00|60:00";
    QTest::newRow("a year after today has no averages") << QStringList{"2026-04=5"} << 4 << QDate(2026, 3, 1)
                                                        << "50:00|1|0:00|50:00";
}

void TestOvertime::agreementYear()
{
    QFETCH(QStringList, months);
    QFETCH(int, startMonth);
    QFETCH(QDate, today);
    QFETCH(QString, figures);
    const AttendanceTable t = tableOf(monthsOf(months));
    // The day before the next year's start is still in this one.
    QCOMPARE(agreementYearHolding(QDate(2027, startMonth, 1).addDays(-1), startMonth), 2026);
    const AgreementYear y = zentak::agreementYear(t, 2026, startMonth, Qt::Sunday, today);
    QCOMPARE(QStringLiteral("%1|%2|%3|%4")
                 .arg(hoursMinutesText(y.overtime))
                 .arg(y.monthsOverLimit)
                 .arg(hoursMinutesText(y.highestAverage), hoursMinutesText(y.highestMonth)),
             figures);
    QCOMPARE(y.monthAt(11).month, (startMonth + 10) % 12 + 1);
}

void TestOvertime::projection_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("projected");
    // July 2026: the 1st a Wednesday, Marine Day on Monday the 20th; after
    // the 10th, 14 working days are left.
    const QStringList eight{"2026-07-01=10:00", "2026-07-02=10:00", "2026-07-03=10:00", "2026-07-06=10:00",
                            "2026-07-07=08:00", "2026-07-08=08:00", "2026-07-09=08:00"};
    QTest::newRow("a national holiday left in the month") << eight + QStringList{"2026-07-10=08:00"}
                                                          << QDate(2026, 7, 10) << "22:00";
    QTest::newRow("a leave day recorded counts in the average")
        << eight + QStringList{"2026-07-10=00:00 有給休暇（１日）"} << QDate(2026, 7, 10) << "22:00";
    QTest::newRow("a day without a record does not, rounded down")
        << eight << QDate(2026, 7, 10) << "23:52"; // 8:00 / 7 days = 1:08
    QTest::newRow("after the month: its overtime") << eight << QDate(2026, 8, 1) << "8:00";
}

void TestOvertime::projection()
{
    QFETCH(QStringList, records);
    QFETCH(QDate, today);
    QFETCH(QString, projected);
    QCOMPARE(hoursMinutesText(projectedOvertime(tableOf(records), 2026, 7, Qt::Sunday, today)), projected);
}

void TestOvertime::limits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("under"); // the figure must stay below the limit
    QTest::addColumn<int>("state"); // LimitState
    QTest::newRow("35:59 of 45:00") << 2159 << 2700 << false << int(LimitState::Within);
    QTest::newRow("36:00 of 45:00 is near") << 2160 << 2700 << false << int(LimitState::Near);
    QTest::newRow("45:00 of 45:00") << 2700 << 2700 << false << int(LimitState::Near);
    QTest::newRow("45:01 of 45:00") << 2701 << 2700 << false << int(LimitState::Over);
    QTest::newRow("99:59 under 100:00") << 5999 << 6000 << true << int(LimitState::Near);
    QTest::newRow("100:00 under 100:00") << 6000 << 6000 << true << int(LimitState::Over);
    QTest::newRow("4 of 6 months") << 4 << 6 << false << int(LimitState::Within);
    QTest::newRow("5 of 6 months") << 5 << 6 << false << int(LimitState::Near);
}

void TestOvertime::limits()
{
    QFETCH(int, value);
    QFETCH(int, limit);
    QFETCH(bool, under);
    QFETCH(int, state);
    QCOMPARE(int(limitState(value, {limit, under ? LimitKind::Under : LimitKind::AtMost})), state);
}

QTEST_GUILESS_MAIN(TestOvertime)
#include "tst_overtime.moc"
