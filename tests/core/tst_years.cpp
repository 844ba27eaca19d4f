// Ten years of records, several of them three and six years apart on the
// same dates: every day, month, report and erasure is of its own year, and
// every other year's lines stay byte for byte.

#include "attendancebook.h"
#include "filetexts.h"
#include "scriptedplatform.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace zentak;
using namespace zentak::test;

namespace {

// The file's order: (year mod 3) + 1, month, day, the older year first.
using Lines = std::map<std::tuple<int, int, int, int>, QString>;
Lines::key_type at(QDate d) { return {d.year() % 3, d.month(), d.day(), d.year()}; }
QString line(QDate d, const QString &rest)
{
    return u'"' + d.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral("\",\"%1\",").arg(QChar(u"日月火水木金土"[d.dayOfWeek() % 7])) + rest + QStringLiteral("\r\n");
}

// 12/08 of every year 2017-2026 (paid leave in 2023, worked for (year -
// 2010) hours in the others) and 12/11 of 2023 alone.
Lines tenYears()
{
    Lines lines;
    for (int year = 2017; year <= 2026; ++year)
        lines[at(QDate(year, 12, 8))] = line(QDate(year, 12, 8), year == 2023 ? QStringLiteral("\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"有給休暇（１日）\"")
                                                                             : QStringLiteral("\"09:00\",\"18:00\",\"08:00\",\"%1.00\",\"作業\"").arg(year - 2010, 2, 10, QLatin1Char('0')));
    lines[at(QDate(2023, 12, 11))] = line(QDate(2023, 12, 11), QStringLiteral("\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"\""));
    return lines;
}

QByteArray fileOf(const Lines &lines)
{
    QString text;
    for (const auto &entry : lines)
        text += entry.second;
    return sjis(text);
}

} // namespace

class TestYears : public QObject {
    Q_OBJECT
private slots:
    void everyYearIsItsOwn_data();
    void everyYearIsItsOwn();
};

void TestYears::everyYearIsItsOwn_data()
{
    QTest::addColumn<QString>("act");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("expected");
    // The day's kind, then its month's hours and days.
    QTest::newRow("paid day of its year") << "month" << QDate(2023, 12, 8) << "paid 8.00 1.0";
    QTest::newRow("three years on: its own record") << "month" << QDate(2026, 12, 8) << "worked 16.00 1.0";
    QTest::newRow("three years on: no record") << "month" << QDate(2026, 12, 11) << "none 16.00 1.0";
    QTest::newRow("three years back: no record") << "month" << QDate(2020, 12, 11) << "none 10.00 1.0";
    QTest::newRow("a year without records") << "month" << QDate(2029, 12, 8) << "none 0.00 0.0";
    QTest::newRow("report of 2020") << "report" << QDate(2020, 12, 1) << "2020/12/08";
    QTest::newRow("report of 2023") << "report" << QDate(2023, 12, 1) << "2023/12/08 2023/12/11";
    QTest::newRow("store 2029/12/08, six years after 2023") << "store" << QDate(2029, 12, 8) << "";
    QTest::newRow("store 2026/12/11 beside 2023's") << "store" << QDate(2026, 12, 11) << "";
    QTest::newRow("store over 2020/12/08") << "store" << QDate(2020, 12, 8) << "";
    QTest::newRow("erase 2023") << "erase" << QDate(2023, 1, 1) << "";
    QTest::newRow("erase 2026") << "erase" << QDate(2026, 1, 1) << "";
    // Only the shown month read before the first frame: it shows as the
    // whole file has it; a change after the whole start loses nothing.
    QTest::newRow("month read ahead") << "ahead month" << QDate(2026, 12, 8) << "worked 16.00 1.0";
    QTest::newRow("store once the rest is read") << "ahead store" << QDate(2026, 12, 11) << "";
    QTest::newRow("erase once the rest is read") << "ahead erase" << QDate(2023, 1, 1) << "";
}

void TestYears::everyYearIsItsOwn()
{
    QFETCH(QString, act);
    QFETCH(QDate, day);
    QFETCH(QString, expected);
    const bool ahead = act.startsWith(QLatin1String("ahead "));
    act.remove(QLatin1String("ahead "));
    QTemporaryDir dir;
    ScriptedPlatform platform;
    platform.folder = dir.path();
    Lines lines = tenYears();
    const QString path = dir.filePath(QStringLiteral("Zentak.txt"));
    QVERIFY(writeFile(path, fileOf(lines)));
    AttendanceBook book(bookPortsOf(platform));
    if (ahead) {
        book.readAhead(yearMonthOf(day));
    } else {
        const StartReport start = book.load();
        QVERIFY(start.records.replaced == 0 && start.records.unreadable == 0);
    }
    // The start is finished before any verb, as the window finishes it.
    if (ahead && act != QLatin1String("month"))
        book.load();

    if (act == QLatin1String("month")) {
        const std::optional<DayKind> kind = book.kindOf(day);
        const MonthTotals t = book.monthTotals(day.year(), day.month());
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(!kind ? "none" : *kind == DayKind::PaidLeave ? "paid" : "worked")
                     .arg(t.hours, 0, 'f', 2).arg(t.days, 0, 'f', 1), expected);
    } else if (act == QLatin1String("report")) {
        QVERIFY(book.writeMonthReport(day.year(), day.month()).written);
        const QString report = QString::fromUtf8(readFile(dir.filePath(day.toString(QStringLiteral("yyyyMM'.txt'")))));
        QStringList dates;
        for (const QString &line : report.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1))
            dates << line.mid(1, 10);
        QCOMPARE(dates.join(u' '), expected);
    } else if (act == QLatin1String("store")) {
        QVERIFY(book.storeDay(day, {"10:00", "19:00", "08:00", "08.00", QStringLiteral("新")}).written);
        lines[at(day)] = line(day, QStringLiteral("\"10:00\",\"19:00\",\"08:00\",\"08.00\",\"新\""));
        QCOMPARE(readFile(path), fileOf(lines));
    } else {
        QVERIFY(book.eraseYear(day.year()).erased());
        std::erase_if(lines, [&](const auto &entry) { return std::get<3>(entry.first) == day.year(); });
        QCOMPARE(readFile(path), fileOf(lines));
        QCOMPARE(readFile(path + QStringLiteral(".bak")), fileOf(tenYears()));
    }
}

QTEST_GUILESS_MAIN(TestYears)
#include "tst_years.moc"
