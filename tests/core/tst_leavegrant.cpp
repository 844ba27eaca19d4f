// The yearly paid-leave grant: the dates and the law's table through grants
// missed while the program was not used, the days that expire, and the
// five days a year counted from the records.

#include "daykind.h"
#include "leavegrant.h"

#include <QTest>

using namespace zentak;

class TestLeaveGrant : public QObject {
    Q_OBJECT
private slots:
    void grantsDue_data();
    void grantsDue();
    void expiry_data();
    void expiry();
    void fiveDays_data();
    void fiveDays();
};

void TestLeaveGrant::grantsDue_data()
{
    QTest::addColumn<QDate>("hired");
    QTest::addColumn<int>("weekDays");
    QTest::addColumn<QDate>("stored"); // the last grant handled, as stored
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("due"); // the days by the Labour Standards Act's table
    const QDate april(2020, 4, 1);
    QTest::newRow("5 days, three missed") << april << 5 << QDate(2023, 10, 1) << QDate(2026, 12, 7) << "2024/10/01 16, 2025/10/01 18, 2026/10/01 20";
    QTest::newRow("4 days, three missed") << april << 4 << QDate(2023, 10, 1) << QDate(2026, 12, 7) << "2024/10/01 12, 2025/10/01 13, 2026/10/01 15";
    QTest::newRow("3 days, none handled yet") << april << 3 << april << QDate(2023, 10, 1) << "2020/10/01 5, 2021/10/01 6, 2022/10/01 6, 2023/10/01 8";
    QTest::newRow("2 days, on the grant's day") << april << 2 << QDate(2024, 10, 1) << QDate(2025, 10, 1) << "2025/10/01 6";
    QTest::newRow("1 day, years on") << april << 1 << QDate(2028, 10, 1) << QDate(2029, 10, 1) << "2029/10/01 3";
    QTest::newRow("the day before it") << april << 5 << QDate(2025, 10, 1) << QDate(2026, 9, 30) << "";
    QTest::newRow("after today: the last grant come") << april << 5 << QDate(2030, 1, 1) << QDate(2026, 12, 7) << "";
    QTest::newRow("none stored: the last grant come") << april << 5 << QDate() << QDate(2026, 12, 7) << "";
    QTest::newRow("hired on the 31st") << QDate(2023, 8, 31) << 5 << QDate(2023, 8, 31) << QDate(2025, 2, 28) << "2024/02/29 10, 2025/02/28 11";
    QTest::newRow("on the 31st, the day where it is") << QDate(2023, 1, 31) << 5 << QDate(2023, 1, 31) << QDate(2024, 7, 31) << "2023/07/31 10, 2024/07/31 11";
    QTest::newRow("hired on 29 February") << QDate(2024, 2, 29) << 5 << QDate(2024, 8, 28) << QDate(2025, 8, 29) << "2024/08/29 10, 2025/08/29 11";
    QTest::newRow("on the 29th, February each year") << QDate(2023, 8, 29) << 5 << QDate(2025, 2, 28) << QDate(2028, 2, 29) << "2026/02/28 12, 2027/02/28 14, 2028/02/29 16";
}

void TestLeaveGrant::grantsDue()
{
    QFETCH(QDate, hired);
    QFETCH(int, weekDays);
    QFETCH(QDate, stored);
    QFETCH(QDate, today);
    QFETCH(QString, due);
    QStringList got;
    for (const Grant &g : dueGrants(hired, weekDays, handledGrantDate(hired, stored, today), today))
        got << dateField(g.date) + QStringLiteral(" %1").arg(g.days);
    QCOMPARE(got.join(QStringLiteral(", ")), due);
    // A hire date newly given takes what has come as handled.
    QVERIFY(dueGrants(hired, 5, handledOnHiring(QDate(), hired, stored, today), today).isEmpty());
}

void TestLeaveGrant::expiry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<double>("expiring");
    QTest::addColumn<QString>("after"); // empty: does not fit
    // Five days a week: 10, 11 and 12 days for the first three grants.
    QTest::newRow("first grant: none expires") << 0 << "25.0" << 0.0 << "35.0";
    QTest::newRow("within the last grant: none") << 1 << "08.5" << 0.0 << "19.5";
    QTest::newRow("part of the grant before last") << 2 << "15.5" << 4.5 << "23.0";
    QTest::newRow("all of it, nothing taken in two years") << 2 << "21.0" << 10.0 << "23.0";
    QTest::newRow("not a number: added to zero") << 2 << "ab.c" << 0.0 << "12.0";
    QTest::newRow("blank: added to zero") << 1 << "    " << 0.0 << "11.0";
    QTest::newRow("too large for four characters") << 0 << "95.0" << 0.0 << "";
}

void TestLeaveGrant::expiry()
{
    QFETCH(int, index);
    QFETCH(QString, balance);
    QFETCH(double, expiring);
    QFETCH(QString, after);
    const GrantOffer offer = grantOffer({index, QDate(2026, 10, 1), grantDays(index, 5)}, 5, balance);
    QCOMPARE(offer.expiring, expiring);
    QCOMPARE(offer.afterText.value_or(QString()), after);
    QCOMPARE(offer.balanceIsNumber, balance[0].isDigit());
}

void TestLeaveGrant::fiveDays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("weekDays");
    QTest::addColumn<QString>("shown"); // "taken deadline falling", empty for none
    // The grant of 2026/10/01 (20 days, or 7 at two days a week).
    QTest::newRow("half days across the grant date") << QDate(2027, 1, 15) << 5 << "1.5 2027/09/30 no";
    QTest::newRow("three months before the deadline") << QDate(2027, 6, 30) << 5 << "1.5 2027/09/30 falling";
    QTest::newRow("a day more than three months") << QDate(2027, 6, 29) << 5 << "1.5 2027/09/30 no";
    QTest::newRow("grant under ten days") << QDate(2027, 6, 30) << 2 << "";
    QTest::newRow("the next grant's day starts anew") << QDate(2027, 10, 1) << 5 << "1 2028/09/30 no";
}

void TestLeaveGrant::fiveDays()
{
    QFETCH(QDate, today);
    QFETCH(int, weekDays);
    QFETCH(QString, shown);
    AttendanceTable table;
    // Half a day the day before the grant and half on it, a holiday, a
    // whole day on the deadline and one the day after.
    for (const auto &[day, kind] : {std::pair(QDate(2026, 9, 30), LeaveKind::HalfDayPaid),
                                    {QDate(2026, 10, 1), LeaveKind::HalfDayPaid}, {QDate(2027, 3, 1), LeaveKind::Holiday},
                                    {QDate(2027, 9, 30), LeaveKind::WholeDayPaid}, {QDate(2027, 10, 1), LeaveKind::WholeDayPaid}})
        QVERIFY(table.setRecord(keyOf(day), markedDay(day, kind)));
    const std::optional<FiveDays> five = fiveDaysOf(table, QDate(2020, 4, 1), weekDays, today);
    const QString got = five ? QStringLiteral("%1 %2 %3").arg(five->taken).arg(dateField(five->deadline),
                                                                            five->falling ? "falling" : "no")
                             : QString();
    QCOMPARE(got, shown);
}

QTEST_GUILESS_MAIN(TestLeaveGrant)
#include "tst_leavegrant.moc"
