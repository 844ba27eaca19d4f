// The working days left without a record, the usual end of a day, and what
// the end-of-day reminder does when, each worked out by hand from the
// calendar.

#include "daykind.h"
#include "endofday.h"

#include <QTest>

using namespace zentak;

namespace {

// "3" a worked day, "3 取消" cancelled, "3 有給" paid leave.
AttendanceTable tableOf(YearMonth month, const QStringList &days)
{
    AttendanceTable t;
    for (const QString &spec : days) {
        const QDate d(month.year, month.month, spec.section(u' ', 0, 0).toInt());
        const QString kind = spec.section(u' ', 1);
        t.setRecord(keyOf(d), kind == u"取消"   ? markedDay(d, LeaveKind::Cancelled)
                              : kind == u"有給" ? markedDay(d, LeaveKind::WholeDayPaid)
                                                : DayRecord{dateField(d), weekdayKanji(d), "09:00", "18:00",
                                                            "08:00", "08.00", "作業"});
    }
    return t;
}

const YearMonth kDecember{2026, 12};
QDateTime at(int day, const char *time)
{
    return QDateTime(QDate(2026, 12, day), QTime::fromString(QLatin1String(time), u"HH:mm"));
}

} // namespace

class TestEndOfDay : public QObject {
    Q_OBJECT
private slots:
    void daysNotRecorded_data();
    void daysNotRecorded();
    void usualEnd_data();
    void usualEnd();
    void reminderStep_data();
    void reminderStep();
};

void TestEndOfDay::daysNotRecorded_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("restDay");
    QTest::addColumn<QStringList>("recorded");
    QTest::addColumn<QList<int>>("days");
    QTest::newRow("national holidays and their substitute day")
        << "2026-05" << QDate(2026, 5, 8) << 7 << QStringList{"1"} << QList<int>{7};
    QTest::newRow("today itself not yet")
        << "2026-12" << QDate(2026, 12, 8) << 7 << QStringList{} << QList<int>{1, 2, 3, 4, 7};
    QTest::newRow("rest day moved to Saturday: Sunday is no working day either")
        << "2026-12" << QDate(2026, 12, 10) << 6 << QStringList{"1", "3"} << QList<int>{2, 4, 7, 8, 9};
    QTest::newRow("rest day on Wednesdays") << "2026-12" << QDate(2026, 12, 10) << 3 << QStringList{"1"}
                                            << QList<int>{3, 4, 7, 8};
    QTest::newRow("a cancelled day and paid leave are recorded")
        << "2026-12" << QDate(2026, 12, 5) << 7 << QStringList{"1 取消", "2 有給"} << QList<int>{3, 4};
    QTest::newRow("a month in the future") << "2027-01" << QDate(2026, 12, 8) << 7 << QStringList{} << QList<int>{};
    QTest::newRow("a past month to its last day, two holidays")
        << "2026-11" << QDate(2026, 12, 8) << 7 << QStringList{}
        << QList<int>{2, 4, 5, 6, 9, 10, 11, 12, 13, 16, 17, 18, 19, 20, 24, 25, 26, 27, 30};
}

void TestEndOfDay::daysNotRecorded()
{
    QFETCH(QString, month);
    QFETCH(QDate, today);
    QFETCH(int, restDay);
    QFETCH(QStringList, recorded);
    QFETCH(QList<int>, days);
    const YearMonth shown{month.left(4).toInt(), month.mid(5).toInt()};
    QList<int> got;
    for (const QDate d : zentak::daysNotRecorded(tableOf(shown, recorded), shown, today, Qt::DayOfWeek(restDay)))
        got << (shown.holds(d) ? d.day() : -1);
    QCOMPARE(got, days);
}

void TestEndOfDay::usualEnd_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<int>("lunchBreak"); // 0, 60 or 45 minutes chosen
    QTest::addColumn<QDateTime>("end");
    QTest::newRow("no lunch break chosen") << "09:00" << "08:00" << 0 << at(8, "17:00");
    QTest::newRow("60 minutes") << "09:00" << "08:00" << 60 << at(8, "18:00");
    QTest::newRow("45 minutes") << "08:30" << "07:45" << 45 << at(8, "17:00");
    QTest::newRow("a night shift ends the next day") << "22:00" << "08:00" << 60 << at(9, "07:00");
    QTest::newRow("blank start") << "     " << "08:00" << 60 << QDateTime();
    QTest::newRow("hours not a time") << "09:00" << "8:00 " << 60 << QDateTime();
}

void TestEndOfDay::usualEnd()
{
    QFETCH(QString, start);
    QFETCH(QString, hours);
    QFETCH(int, lunchBreak);
    QFETCH(QDateTime, end);
    Settings s;
    s.usualStart = start;
    s.regularHours = hours;
    s.lunchBreak60 = lunchBreak == 60;
    s.lunchBreak45 = lunchBreak == 45;
    QCOMPARE(usualEndOfDay(QDate(2026, 12, 8), s).value_or(QDateTime()), end);
}

void TestEndOfDay::reminderStep_data()
{
    // Tuesday 8 December 2026, the usual end 18:00; a night shift from
    // 22:00 ends at 07:00 on the 9th.
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("remind");
    QTest::addColumn<bool>("recorded"); // the 8th
    QTest::addColumn<QDate>("lastReminded");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("remindOf");
    QTest::addColumn<QDateTime>("lookAgainAt");
    const QDate none;
    const QDate the8th(2026, 12, 8);
    QTest::newRow("before the end") << "09:00" << true << false << none << at(8, "17:00") << none << at(8, "18:00");
    QTest::newRow("at the end") << "09:00" << true << false << none << at(8, "18:00") << the8th << QDateTime();
    QTest::newRow("a start later that day") << "09:00" << true << false << none << at(8, "23:59") << the8th
                                            << QDateTime();
    QTest::newRow("reminded already") << "09:00" << true << false << the8th << at(8, "18:30") << none
                                      << at(9, "00:00");
    QTest::newRow("recorded") << "09:00" << true << true << none << at(8, "18:30") << none << at(9, "00:00");
    QTest::newRow("reminders off") << "09:00" << false << false << none << at(8, "18:30") << none << QDateTime();
    QTest::newRow("the next morning: past") << "09:00" << true << false << none << at(9, "08:00") << none
                                            << at(9, "18:00");
    QTest::newRow("a national holiday") << "09:00" << true << false << none
                                        << QDateTime(QDate(2026, 11, 3), QTime(19, 0)) << none
                                        << QDateTime(QDate(2026, 11, 4), QTime(0, 0));
    QTest::newRow("night shift: the next day first") << "22:00" << true << false << QDate(2026, 12, 7)
                                                     << at(8, "23:00") << none << at(9, "00:00");
    QTest::newRow("night shift: its end") << "22:00" << true << false << none << at(9, "07:30") << the8th
                                          << QDateTime();
}

void TestEndOfDay::reminderStep()
{
    QFETCH(QString, start);
    QFETCH(bool, remind);
    QFETCH(bool, recorded);
    QFETCH(QDate, lastReminded);
    QFETCH(QDateTime, now);
    QFETCH(QDate, remindOf);
    QFETCH(QDateTime, lookAgainAt);
    Settings s;
    s.usualStart = start;
    s.lunchBreak60 = true;
    s.remind = remind;
    const ReminderStep step =
        zentak::reminderStep(tableOf(kDecember, recorded ? QStringList{"8"} : QStringList{}), s, now, lastReminded);
    QCOMPARE(step.remindOf.value_or(QDate()), remindOf);
    QCOMPARE(step.lookAgainAt.value_or(QDateTime()), lookAgainAt);
}

QTEST_GUILESS_MAIN(TestEndOfDay)
#include "tst_endofday.moc"
