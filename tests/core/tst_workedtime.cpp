// Worked time and attendance value of a day from its start and end, with the
// lunch break and the regular-hours deduction.

#include "workedtime.h"

#include <QTest>

using namespace zentak;

Q_DECLARE_METATYPE(WorkedTime::Failure)

namespace {

BreakRules rulesOf(bool t6, bool t4, int sift, const QString &dayTM)
{
    Q_ASSERT(!(t6 && t4)); // one break or none
    return BreakRules{t6 ? LunchBreak::Minutes60 : t4 ? LunchBreak::Minutes45 : LunchBreak::None, sift, dayTM};
}

// Rules that deduct nothing, so the worked time is the raw difference.
BreakRules noDeductions()
{
    return rulesOf(false, false, 0, QString());
}

} // namespace

class TestWorkedTime : public QObject {
    Q_OBJECT
private slots:
    void computes_data();
    void computes();
    void failures_data();
    void failures();
};

void TestWorkedTime::computes_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("t6");
    QTest::addColumn<bool>("t4");
    QTest::addColumn<int>("sift");
    QTest::addColumn<QString>("dayTM");
    QTest::addColumn<QString>("raw");    // D before any deduction, as hh:mm
    QTest::addColumn<QString>("worked");
    QTest::addColumn<QString>("attendance");

    const QString eight = QStringLiteral("08:00");
    // The worked examples: 60-minute break, no shift, regular hours 08:00.
    QTest::newRow("09:00-18:00") << "09:00" << "18:00" << true << false << 0 << eight << "09:00" << "08:00" << "08.00";
    QTest::newRow("09:00-18:14") << "09:00" << "18:14" << true << false << 0 << eight << "09:14" << "08:14" << "08.00";
    QTest::newRow("09:00-18:15 deduction") << "09:00" << "18:15" << true << false << 0 << eight << "09:15" << "08:00" << "08.00";
    QTest::newRow("09:00-19:00") << "09:00" << "19:00" << true << false << 0 << eight << "10:00" << "08:45" << "08.75";
    QTest::newRow("09:00-12:30 no lunch") << "09:00" << "12:30" << true << false << 0 << eight << "03:30" << "03:30" << "03.50";
    QTest::newRow("end exactly 13:00") << "09:00" << "13:00" << true << false << 0 << eight << "04:00" << "04:00" << "04.00";
    QTest::newRow("end 13:01") << "09:00" << "13:01" << true << false << 0 << eight << "04:01" << "03:01" << "03.00";
    QTest::newRow("start exactly 13:00") << "13:00" << "22:00" << true << false << 0 << eight << "09:00" << "08:45" << "08.75";
    QTest::newRow("night no shift") << "22:00" << "07:00" << true << false << 0 << eight << "09:00" << "08:45" << "08.75";
    QTest::newRow("night shift to 07:00") << "22:00" << "07:00" << true << false << 1 << eight << "09:00" << "08:00" << "08.00";
    QTest::newRow("night shift to 08:00") << "22:00" << "08:00" << true << false << 1 << eight << "10:00" << "09:45" << "09.75";
    QTest::newRow("45-minute break") << "09:00" << "18:00" << false << true << 0 << eight << "09:00" << "08:00" << "08.00";
    QTest::newRow("no break") << "09:00" << "18:00" << false << false << 0 << eight << "09:00" << "08:45" << "08.75";
    QTest::newRow("equal texts") << "09:00" << "09:00" << true << false << 0 << eight << "00:00" << "00:00" << "00.00";
    QTest::newRow("across midnight") << "09:30" << "09:00" << true << false << 0 << eight << "23:30" << "23:15" << "23.25";

    QTest::newRow("60 exactly") << "12:30" << "13:30" << true << false << 0 << eight << "01:00" << "00:00" << "00.00";
    QTest::newRow("59 below long break") << "12:31" << "13:30" << true << false << 0 << eight << "00:59" << "00:59" << "00.75";
    QTest::newRow("59 takes short break") << "12:31" << "13:30" << false << true << 0 << eight << "00:59" << "00:14" << "00.00";
    QTest::newRow("44 below short break") << "12:46" << "13:30" << false << true << 0 << eight << "00:44" << "00:44" << "00.50";

    // Shift work and the end boundaries.
    QTest::newRow("shift start 13:00") << "13:00" << "22:00" << true << false << 1 << eight << "09:00" << "08:00" << "08.00";
    QTest::newRow("to midnight no shift") << "22:00" << "00:00" << true << false << 0 << eight << "02:00" << "02:00" << "02.00";
    QTest::newRow("to midnight shift") << "22:00" << "00:00" << true << false << 1 << eight << "02:00" << "01:00" << "01.00";
    QTest::newRow("shift to 07:01") << "22:00" << "07:01" << true << false << 1 << eight << "09:01" << "08:46" << "08.75";
    QTest::newRow("morning end before 07:00") << "05:00" << "06:30" << true << false << 0 << eight << "01:30" << "00:30" << "00.50";

    // Regular hours.
    QTest::newRow("empty regular hours") << "09:00" << "19:00" << true << false << 0 << QString() << "10:00" << "09:00" << "09.00";
    QTest::newRow("regular 07:30") << "09:00" << "18:00" << true << false << 0 << "07:30" << "09:00" << "07:45" << "07.75";
    QTest::newRow("regular 07:30 one below") << "09:00" << "17:44" << true << false << 0 << "07:30" << "08:44" << "07:44" << "07.50";
    QTest::newRow("regular with leading blank") << "09:00" << "18:00" << true << false << 0 << " 7:30" << "09:00" << "07:45" << "07.75";
    QTest::newRow("regular blanks read as 0") << "09:00" << "09:20" << false << false << 0 << "     " << "00:20" << "00:05" << "00.00";
    QTest::newRow("regular 09:00 no deduction") << "09:00" << "19:00" << true << false << 0 << "09:00" << "10:00" << "09:00" << "09.00";

    // Longer texts that pass the check: hours and minutes around the colon.
    QTest::newRow("start with seconds") << "09:30:00" << "18:00" << true << false << 0 << eight << "08:30" << "07:30" << "07.50";
    QTest::newRow("hours digit and blank") << "1 :30" << "10:00" << true << false << 0 << eight << "08:30" << "08:15" << "08.25";
}

void TestWorkedTime::computes()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(bool, t6);
    QFETCH(bool, t4);
    QFETCH(int, sift);
    QFETCH(QString, dayTM);
    QFETCH(QString, raw);
    QFETCH(QString, worked);
    QFETCH(QString, attendance);

    const WorkedTime plain = computeWorkedTime(start, end, noDeductions());
    QCOMPARE(plain.failure, WorkedTime::Failure::None);
    QCOMPARE(plain.worked, raw);

    const WorkedTime got = computeWorkedTime(start, end, rulesOf(t6, t4, sift, dayTM));
    QCOMPARE(got.failure, WorkedTime::Failure::None);
    QCOMPARE(got.worked, worked);
    QCOMPARE(got.attendance, attendance);
}

void TestWorkedTime::failures_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<WorkedTime::Failure>("failure");
    QTest::newRow("empty start") << "" << "18:00" << WorkedTime::Failure::Start;
    QTest::newRow("single hour digit start") << "9:00" << "18:00" << WorkedTime::Failure::Start;
    QTest::newRow("start hour 24") << "24:00" << "18:00" << WorkedTime::Failure::Start;
    QTest::newRow("start minute 60") << "09:60" << "18:00" << WorkedTime::Failure::Start;
    QTest::newRow("start with point") << "09.00" << "18:00" << WorkedTime::Failure::Start;
    QTest::newRow("blank start") << "     " << "18:00" << WorkedTime::Failure::Start;
    QTest::newRow("empty end") << "09:00" << "" << WorkedTime::Failure::End;
    QTest::newRow("end hour 24") << "09:00" << "24:00" << WorkedTime::Failure::End;
    QTest::newRow("end minute 60") << "09:00" << "12:60" << WorkedTime::Failure::End;
    QTest::newRow("end with point") << "09:00" << "18.00" << WorkedTime::Failure::End;
    QTest::newRow("end letters") << "09:00" << "ab:cd" << WorkedTime::Failure::End;
    QTest::newRow("both bad, start first") << "9:00" << "" << WorkedTime::Failure::Start;
}

void TestWorkedTime::failures()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(WorkedTime::Failure, failure);
    const WorkedTime got = computeWorkedTime(start, end, rulesOf(true, true, 1, QStringLiteral("08:00")));
    QCOMPARE(got.failure, failure);
    QVERIFY(got.worked.isEmpty());
    QVERIFY(got.attendance.isEmpty());
}

QTEST_APPLESS_MAIN(TestWorkedTime)
#include "tst_workedtime.moc"
