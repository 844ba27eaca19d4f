// National holidays on the dates where their rules are easiest to get wrong.

#include "nationalholidays.h"

#include <QTest>

using namespace zentak;

class TestNationalHolidays : public QObject {
    Q_OBJECT
private slots:
    void holidayName_data();
    void holidayName();
};

void TestNationalHolidays::holidayName_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("name"); // empty: no holiday
    auto row = [](const char *day, const char *name) {
        QTest::newRow(day) << QDate::fromString(QLatin1String(day), Qt::ISODate) << QString::fromUtf8(name);
    };
    // The special laws, and the holidays moved for the Olympic Games.
    row("1959-04-10", "皇太子・明仁親王の結婚の儀"), row("1989-02-24", "昭和天皇の大喪の礼");
    row("1990-11-12", "即位礼正殿の儀"), row("1993-06-09", "皇太子・徳仁親王の結婚の儀");
    row("2019-04-30", "国民の休日"), row("2019-05-01", "天皇の即位の日"), row("2019-05-02", "国民の休日");
    row("2019-10-22", "即位礼正殿の儀"), row("2020-07-23", "海の日"), row("2020-07-24", "スポーツの日");
    row("2020-08-10", "山の日"), row("2020-07-20", ""), row("2020-10-12", ""), row("2020-08-11", "");
    row("2021-07-22", "海の日"), row("2021-07-23", "スポーツの日"), row("2021-08-08", "山の日");
    row("2021-08-09", "振替休日"), row("2021-07-19", ""), row("2021-08-11", "");
    // Substitute days: none before 1973-04-12, then the Monday, from 2007 the first day that is no holiday.
    row("1973-02-12", ""), row("1973-04-30", "振替休日"), row("2008-05-06", "振替休日"), row("2009-05-06", "振替休日");
    row("2026-05-06", "振替休日");
    // Days between two holidays, but not a Sunday before 2007.
    row("1972-05-04", ""), row("1988-05-04", "国民の休日"), row("2003-05-04", ""), row("2007-05-04", "みどりの日");
    row("2009-09-22", "国民の休日"), row("2015-09-22", "国民の休日"), row("2026-09-22", "国民の休日");
    row("2032-09-21", "国民の休日");
    // The equinoxes, and the days that changed their names or dates.
    row("1960-03-20", "春分の日"), row("1979-09-24", "秋分の日"), row("2012-09-22", "秋分の日");
    row("2025-03-20", "春分の日"), row("2032-09-22", "秋分の日"), row("2099-03-20", "春分の日");
    row("1999-01-15", "成人の日"), row("2000-01-10", "成人の日"), row("2000-01-15", "");
    row("1966-02-11", ""), row("1967-02-11", "建国記念の日"), row("2002-09-15", "敬老の日");
    row("2002-07-20", "海の日"), row("2003-07-21", "海の日"), row("2004-09-15", ""), row("2019-10-14", "体育の日");
    row("1988-04-29", "天皇誕生日"), row("1989-04-29", "みどりの日"), row("2007-04-29", "昭和の日");
    row("1988-12-23", ""), row("2018-12-23", "天皇誕生日"), row("2019-02-23", ""), row("2019-12-23", "");
}

void TestNationalHolidays::holidayName()
{
    QFETCH(QDate, day);
    QFETCH(QString, name);
    QCOMPARE(nationalHolidayName(day).value_or(QString()), name);
}

QTEST_MAIN(TestNationalHolidays)
#include "tst_nationalholidays.moc"
