// The yearly paid-leave grant: the law's table, the grant dates, the days
// that expire, grants missed while the program was not used, and the five
// days a year counted from the records.

#include "daykind.h"
#include "leavegrant.h"

#include <QTest>

using namespace zentak;

namespace {

QDate date(const char *text)
{
    return QDate::fromString(QLatin1String(text), QStringLiteral("yyyy/MM/dd"));
}

} // namespace

class TestLeaveGrant : public QObject {
    Q_OBJECT
private slots:
    void grantTable_data();
    void grantTable();
    void grantDates_data();
    void grantDates();
    void expiry_data();
    void expiry();
    void grantsDue_data();
    void grantsDue();
    void fiveDays_data();
    void fiveDays();
};

void TestLeaveGrant::grantTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("weekDays");
    QTest::addColumn<int>("days");
    // The Labour Standards Act's table, article 39 and its ordinance.
    QTest::newRow("5 days, half a year") << 0 << 5 << 10;
    QTest::newRow("5 days, 3.5 years") << 3 << 5 << 14;
    QTest::newRow("5 days, 6.5 years") << 6 << 5 << 20;
    QTest::newRow("5 days, 20.5 years stays") << 20 << 5 << 20;
    QTest::newRow("4 days, 4.5 years") << 4 << 4 << 12;
    QTest::newRow("3 days, 2.5 years") << 2 << 3 << 6;
    QTest::newRow("2 days, 5.5 years") << 5 << 2 << 6;
    QTest::newRow("1 day, 6.5 years") << 6 << 1 << 3;
}

void TestLeaveGrant::grantTable()
{
    QFETCH(int, index);
    QFETCH(int, weekDays);
    QFETCH(int, days);
    QCOMPARE(grantDays(index, weekDays), days);
}

void TestLeaveGrant::grantDates_data()
{
    QTest::addColumn<QDate>("hired");
    QTest::addColumn<int>("index");
    QTest::addColumn<QDate>("granted");
    QTest::newRow("1 April, six months") << date("2020/04/01") << 0 << date("2020/10/01");
    QTest::newRow("31st into a leap February") << date("2023/08/31") << 0 << date("2024/02/29");
    QTest::newRow("31st, a year on") << date("2023/08/31") << 1 << date("2025/02/28");
    QTest::newRow("31st keeps its day where it can") << date("2024/03/31") << 1 << date("2025/09/30");
    QTest::newRow("31st in a month that has one") << date("2023/01/31") << 1 << date("2024/07/31");
    QTest::newRow("29 February hired") << date("2024/02/29") << 0 << date("2024/08/29");
    QTest::newRow("29th, four years on") << date("2023/08/29") << 4 << date("2028/02/29");
    QTest::newRow("29th, a common year") << date("2023/08/29") << 1 << date("2025/02/28");
}

void TestLeaveGrant::grantDates()
{
    QFETCH(QDate, hired);
    QFETCH(int, index);
    QFETCH(QDate, granted);
    QCOMPARE(grantDate(hired, index), granted);
    // The day of the grant and the day before it.
    QCOMPARE(lastGrantBy(hired, 5, granted)->index, index);
    QCOMPARE(lastGrantBy(hired, 5, granted.addDays(-1)).has_value(), index > 0);
}

void TestLeaveGrant::expiry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<double>("expiring");
    QTest::addColumn<QString>("after"); // empty: does not fit
    QTest::addColumn<bool>("number");
    QTest::newRow("first grant: none expires") << 0 << "25.0" << 0.0 << "35.0" << true;
    QTest::newRow("within the last grant: none") << 1 << "08.5" << 0.0 << "19.5" << true;
    QTest::newRow("part of the grant before last") << 2 << "15.5" << 4.5 << "23.0" << true;
    QTest::newRow("all of it, nothing taken in two years") << 2 << "21.0" << 10.0 << "23.0" << true;
    QTest::newRow("not a number: added to zero") << 2 << "ab.c" << 0.0 << "12.0" << false;
    QTest::newRow("blank: added to zero") << 1 << "    " << 0.0 << "11.0" << false;
    QTest::newRow("too large for four characters") << 0 << "95.0" << 0.0 << "" << true;
}

void TestLeaveGrant::expiry()
{
    QFETCH(int, index);
    QFETCH(QString, balance);
    QFETCH(double, expiring);
    QFETCH(QString, after);
    QFETCH(bool, number);
    // Five days a week: 10, 11 and 12 days for the first three grants.
    const GrantOffer offer = grantOffer({index, date("2026/10/01"), grantDays(index, 5)}, 5, balance);
    QCOMPARE(offer.expiring, expiring);
    QCOMPARE(offer.afterText.value_or(QString()), after);
    QCOMPARE(offer.balanceIsNumber, number);
}

void TestLeaveGrant::grantsDue_data()
{
    QTest::addColumn<QDate>("stored"); // the last grant handled, as stored
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("due");
    // Hired 2020/04/01: grants every 1 October from 2020.
    QTest::newRow("three missed") << date("2023/10/01") << date("2026/12/07") << "2024/10/01 16, 2025/10/01 18, 2026/10/01 20";
    QTest::newRow("the grant's own day") << date("2025/10/01") << date("2026/10/01") << "2026/10/01 20";
    QTest::newRow("the day before it") << date("2025/10/01") << date("2026/09/30") << "";
    QTest::newRow("none handled yet") << date("2020/04/01") << date("2021/10/01") << "2020/10/01 10, 2021/10/01 11";
    QTest::newRow("after today: the last grant come") << date("2030/01/01") << date("2026/12/07") << "";
    QTest::newRow("none stored: the last grant come") << QDate() << date("2026/12/07") << "";
}

void TestLeaveGrant::grantsDue()
{
    QFETCH(QDate, stored);
    QFETCH(QDate, today);
    QFETCH(QString, due);
    const QDate hired = date("2020/04/01");
    QStringList got;
    for (const Grant &g : dueGrants(hired, 5, handledGrantDate(hired, stored, today), today))
        got << dateField(g.date) + QStringLiteral(" %1").arg(g.days);
    QCOMPARE(got.join(QStringLiteral(", ")), due);
    // A hire date newly given takes what has come as handled.
    QVERIFY(dueGrants(hired, 5, handledOnHiring(QDate(), hired, stored, today), today).isEmpty());
}

void TestLeaveGrant::fiveDays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("weekDays");
    QTest::addColumn<QString>("extra"); // one more day of leave, on 2027/03/01
    QTest::addColumn<QString>("shown"); // "taken deadline falling", empty for none
    // Grant of 2026/10/01; half a day the day before, half a day on it,
    // a whole day on the deadline and one the day after.
    QTest::newRow("half days across the grant date") << date("2027/01/15") << 5 << "" << "1.5 2027/09/30 no";
    QTest::newRow("three months before the deadline") << date("2027/06/30") << 5 << "" << "1.5 2027/09/30 falling";
    QTest::newRow("a day more than three months") << date("2027/06/29") << 5 << "" << "1.5 2027/09/30 no";
    QTest::newRow("a holiday counts nothing") << date("2027/06/30") << 5 << "休日" << "1.5 2027/09/30 falling";
    QTest::newRow("a whole day more counts one") << date("2027/06/30") << 5 << "有給休暇（１日）" << "2.5 2027/09/30 falling";
    QTest::newRow("grant under ten days") << date("2027/06/30") << 2 << "" << "";
    QTest::newRow("the next grant's day starts anew") << date("2027/10/01") << 5 << "" << "1 2028/09/30 no";
}

void TestLeaveGrant::fiveDays()
{
    QFETCH(QDate, today);
    QFETCH(int, weekDays);
    QFETCH(QString, extra);
    QFETCH(QString, shown);
    AttendanceTable table;
    const auto mark = [&](const char *day, LeaveKind kind) {
        QVERIFY(table.setRecord(keyOf(date(day)), markedDay(date(day), kind)));
    };
    mark("2026/09/30", LeaveKind::HalfDayPaid);
    mark("2026/10/01", LeaveKind::HalfDayPaid);
    mark("2027/09/30", LeaveKind::WholeDayPaid);
    mark("2027/10/01", LeaveKind::WholeDayPaid);
    if (!extra.isEmpty()) {
        DayRecord r = markedDay(date("2027/03/01"), LeaveKind::Holiday);
        r.note = extra;
        QVERIFY(table.setRecord(keyOf(date("2027/03/01")), r));
    }
    const std::optional<FiveDays> five = fiveDaysOf(table, date("2020/04/01"), weekDays, today);
    const QString got = five ? QStringLiteral("%1 %2 %3").arg(five->taken).arg(dateField(five->deadline),
                                                                            five->falling ? "falling" : "no")
                             : QString();
    QCOMPARE(got, shown);
}

QTEST_GUILESS_MAIN(TestLeaveGrant)
#include "tst_leavegrant.moc"
