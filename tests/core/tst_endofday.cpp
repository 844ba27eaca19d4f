// The working days left without a record and the end-of-day reminder, worked
// out by hand from the calendar (1 December 2026 is a Tuesday).

#include "daykind.h"
#include "endofday.h"

#include <QTest>

using namespace zentak;

// Days of the month: "03" a holiday marked, "03取消" cancelled.
static AttendanceTable tableOf(QDate month, const QString &days)
{
    AttendanceTable t;
    for (const QString &entry : days.split(u' ', Qt::SkipEmptyParts)) {
        const QDate d(month.year(), month.month(), entry.left(2).toInt());
        t.setRecord(keyOf(d), markedDay(d, entry.size() > 2 ? LeaveKind::Cancelled : LeaveKind::Holiday));
    }
    return t;
}

class TestEndOfDay : public QObject {
    Q_OBJECT
private slots:
    void daysNotRecorded_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("restDay");
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<QString>("days");
        const QDate dec(2026, 12, 1);
        QTest::newRow("holidays, a substitute day") << QDate(2026, 5, 1) << QDate(2026, 5, 8) << 7 << "01" << "7";
        QTest::newRow("today itself not yet") << dec << QDate(2026, 12, 8) << 7 << "" << "1 2 3 4 7";
        QTest::newRow("rest day Saturday") << dec << QDate(2026, 12, 10) << 6 << "01" << "2 3 4 7 8 9";
        QTest::newRow("a cancelled day is recorded") << dec << QDate(2026, 12, 5) << 7 << "01取消 03" << "2 4";
        QTest::newRow("a month in the future") << QDate(2027, 1, 1) << QDate(2026, 12, 8) << 7 << "" << "";
        QTest::newRow("a past month to its end") << QDate(2026, 11, 1) << dec << 7 << ""
                                                 << "2 4 5 6 9 10 11 12 13 16 17 18 19 20 24 25 26 27 30";
    }
    void daysNotRecorded()
    {
        QFETCH(QDate, month);
        QFETCH(QDate, today);
        QFETCH(int, restDay);
        QFETCH(QString, recorded);
        QStringList days;
        for (const QDate d : zentak::daysNotRecorded(tableOf(month, recorded), yearMonthOf(month), today,
                                                     Qt::DayOfWeek(restDay)))
            days << QString::number(d.day());
        QTEST(days.join(u' '), "days");
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("start"); // usual start+lunch break; regular hours 08:00
        QTest::addColumn<int>("told");      // the day reminded of last
        QTest::addColumn<QString>("now");   // December 2026
        QTest::addColumn<QString>("step");
        QTest::newRow("no lunch break chosen") << "09:00+0" << 0 << "8 16:00" << "look 8 17:00";
        QTest::newRow("45 minutes") << "08:30+45" << 0 << "8 12:00" << "look 8 17:15";
        QTest::newRow("60 minutes, later that day") << "09:00+60" << 0 << "8 23:59" << "remind 8";
        QTest::newRow("the next morning: past") << "09:00+60" << 0 << "9 08:00" << "look 9 18:00";
        QTest::newRow("night shift: its end tomorrow") << "22:00+60" << 7 << "8 23:00" << "look 9 07:00";
        QTest::newRow("reminded: nothing until the date changes") << "09:00+60" << 8 << "8 19:00" << "none";
        QTest::newRow("night shift: its end") << "22:00+60" << 7 << "9 07:00" << "remind 8";
    }
    void reminder()
    {
        QFETCH(QString, start);
        QFETCH(int, told);
        QFETCH(QString, now);
        Settings s;
        s.usualStart = start.left(5);
        s.lunchBreak = start.endsWith(u"+60")   ? LunchBreak::Minutes60
                       : start.endsWith(u"+45") ? LunchBreak::Minutes45
                                                : LunchBreak::None;
        const QDateTime at = QDateTime::fromString("2026-12-" + now, u"yyyy-MM-d HH:mm");
        const ReminderStep got = reminderStep(AttendanceTable(), s, at, told ? QDate(2026, 12, told) : QDate());
        QTEST(got.remindOf ? QStringLiteral("remind %1").arg(got.remindOf->day())
              : got.lookAgainAt ? got.lookAgainAt->toString(u"'look' d HH:mm") : QStringLiteral("none"), "step");
    }
};

QTEST_GUILESS_MAIN(TestEndOfDay)
#include "tst_endofday.moc"
