// Shape checks of time and decimal-hours texts, and the quarter-hour value.

#include "timerules.h"

#include <QTest>

using namespace zentak;

class TestTimeRules : public QObject {
    Q_OBJECT
private slots:
    void timeTextAccepted_data();
    void timeTextAccepted();
    void timeTextRejected_data();
    void timeTextRejected();
    void decimalTextAccepted_data();
    void decimalTextAccepted();
    void decimalTextRejected_data();
    void decimalTextRejected();
    void quarterHours_data();
    void quarterHours();
    void hoursMinutes_data();
    void hoursMinutes();
};

void TestTimeRules::timeTextAccepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("half past nine") << "09:30";
    QTest::newRow("midnight") << "00:00";
    QTest::newRow("last minute of the day") << "23:59";
    QTest::newRow("with seconds, no length check") << "09:30:00";
    QTest::newRow("hour 23 minute 00") << "23:00";
    QTest::newRow("hour 00 minute 59") << "00:59";
    // A blank after the hour digit orders below any digit, so "1 " lies
    // between "00" and "23".
    QTest::newRow("digit then blank as hours") << "1 :30";
    QTest::newRow("digit then blank as minutes") << "12:5 ";
    QTest::newRow("digit then point as hours") << "2.:00";
}

void TestTimeRules::timeTextAccepted()
{
    QFETCH(QString, text);
    QVERIFY(isTimeText(text));
}

void TestTimeRules::timeTextRejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("hour 24") << "24:00";
    QTest::newRow("minute 60") << "12:60";
    QTest::newRow("single hour digit") << "9:30";
    QTest::newRow("point instead of colon") << "09.30";
    QTest::newRow("empty") << "";
    QTest::newRow("two characters") << "09";
    QTest::newRow("colon at end of three") << "09:";
    QTest::newRow("one minute digit") << "09:3";
    QTest::newRow("hour 30") << "30:00";
    QTest::newRow("minute 99") << "12:99";
    // Blank and sign order below "0", so they fail the range of the hours.
    QTest::newRow("leading blank hour") << " 9:30";
    QTest::newRow("leading minus hour") << "-9:30";
    QTest::newRow("leading blank minute") << "09: 5";
    QTest::newRow("digit then minus below 00") << "0-:00";
    QTest::newRow("minute 6 and blank above 59") << "12:6 ";
    QTest::newRow("letters as hours") << "ab:30";
    QTest::newRow("letters as minutes") << "09:ab";
    QTest::newRow("blanks") << "     ";
    QTest::newRow("full-width digits") << QString::fromUtf8("０９:３０");
    QTest::newRow("seconds out of range") << "09:30:60";
}

void TestTimeRules::timeTextRejected()
{
    QFETCH(QString, text);
    QVERIFY(!isTimeText(text));
}

void TestTimeRules::decimalTextAccepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("seven and three quarters") << "07.75";
    QTest::newRow("no range 99.99") << "99.99";
    QTest::newRow("no range 07.80") << "07.80";
    QTest::newRow("zero") << "00.00";
    QTest::newRow("blank then 7.75") << " 7.75";
    QTest::newRow("signs next to digits") << "+7.5-";
    QTest::newRow("point then one digit as last pair") << "07.5";
    QTest::newRow("digit and blank before point") << "7 .75";
}

void TestTimeRules::decimalTextAccepted()
{
    QFETCH(QString, text);
    QVERIFY(isDecimalHoursText(text));
}

void TestTimeRules::decimalTextRejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("colon instead of point") << "07:75";
    QTest::newRow("single hour digit") << "7.75";
    QTest::newRow("empty") << "";
    QTest::newRow("letter in fraction") << "07.7a";
    QTest::newRow("letters") << "ab.cd";
    QTest::newRow("blank in third place") << "07 75";
}

void TestTimeRules::decimalTextRejected()
{
    QFETCH(QString, text);
    QVERIFY(!isDecimalHoursText(text));
}

void TestTimeRules::quarterHours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("08:00") << "08:00" << "08.00";
    QTest::newRow("08:14") << "08:14" << "08.00";
    QTest::newRow("08:15") << "08:15" << "08.25";
    QTest::newRow("08:29") << "08:29" << "08.25";
    QTest::newRow("08:30") << "08:30" << "08.50";
    QTest::newRow("08:44") << "08:44" << "08.50";
    QTest::newRow("08:45") << "08:45" << "08.75";
    QTest::newRow("08:59") << "08:59" << "08.75";
    QTest::newRow("07:14 rounds down") << "07:14" << "07.00";
    QTest::newRow("07:44 rounds down") << "07:44" << "07.50";
    QTest::newRow("minute 60 no suffix") << "08:60" << "08";
    QTest::newRow("minute 99 no suffix") << "08:99" << "08";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("hours copied as text") << "23:59" << "23.75";
    QTest::newRow("digit and blank minutes") << "07:5 " << "07.75";
    QTest::newRow("letters as minutes") << "07:ab" << "07";
    QTest::newRow("blank-led minutes below 00") << "07: 5" << "07";
}

void TestTimeRules::quarterHours()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(zentak::quarterHours(text), expected);
}

void TestTimeRules::hoursMinutes_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << "0:00";
    QTest::newRow("under an hour") << 45 << "0:45";
    QTest::newRow("whole hours") << 69 * 60 << "69:00";
    QTest::newRow("three-digit hours") << 123 * 60 + 5 << "123:05";
    QTest::newRow("negative counts none") << -5 << "0:00";
}

void TestTimeRules::hoursMinutes()
{
    QFETCH(int, minutes);
    QFETCH(QString, text);
    QCOMPARE(hoursMinutesText(minutes), text);
}

QTEST_APPLESS_MAIN(TestTimeRules)
#include "tst_timerules.moc"
