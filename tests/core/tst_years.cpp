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

// The records by date: 12/08 of every year 2017-2026 (paid leave in 2023,
// worked for (year - 2010) hours in the others) and 12/11 of 2023 alone.
std::map<QDate, QString> tenYears()
{
    std::map<QDate, QString> lines;
    for (int year = 2017; year <= 2026; ++year) {
        const bool paid = year == 2023;
        lines[QDate(year, 12, 8)] = QStringLiteral("\"%1/12/08\",\"火\",\"%2\",\"%3\",\"%2\",\"%4\",\"%5\"\r\n")
                                        .arg(year)
                                        .arg(paid ? "00:00" : "09:00", paid ? "00:00" : "18:00")
                                        .arg(paid ? QStringLiteral("00.00") : QStringLiteral("%1.00").arg(year - 2010, 2, 10, QLatin1Char('0')))
                                        .arg(paid ? QStringLiteral("有給休暇（１日）") : QStringLiteral("作業%1").arg(year));
    }
    lines[QDate(2023, 12, 11)] = QStringLiteral("\"2023/12/11\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"\"\r\n");
    return lines;
}

// The file's order: (year mod 3) + 1, month, day, the older year first.
QByteArray fileOf(const std::map<QDate, QString> &lines)
{
    std::vector<std::pair<std::tuple<int, int, int, int>, QString>> ordered;
    for (const auto &[d, line] : lines)
        ordered.push_back({{d.year() % 3, d.month(), d.day(), d.year()}, line});
    std::sort(ordered.begin(), ordered.end());
    QString text;
    for (const auto &entry : ordered)
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
    QTest::newRow("paid day of its year") << "kind" << QDate(2023, 12, 8) << "paid";
    QTest::newRow("three years on: its own record") << "kind" << QDate(2026, 12, 8) << "worked";
    QTest::newRow("three years on: no record") << "kind" << QDate(2026, 12, 11) << "none";
    QTest::newRow("three years back: no record") << "kind" << QDate(2020, 12, 11) << "none";
    QTest::newRow("a year without records") << "kind" << QDate(2027, 12, 8) << "none";
    QTest::newRow("totals of 2026") << "totals" << QDate(2026, 12, 1) << "16.00 1.0";
    QTest::newRow("totals of 2023") << "totals" << QDate(2023, 12, 1) << "8.00 1.0";
    QTest::newRow("totals of 2029") << "totals" << QDate(2029, 12, 1) << "0.00 0.0";
    QTest::newRow("report of 2020") << "report" << QDate(2020, 12, 1) << "2020/12/08";
    QTest::newRow("report of 2023") << "report" << QDate(2023, 12, 1) << "2023/12/08 2023/12/11";
    QTest::newRow("report of 2029") << "report" << QDate(2029, 12, 1) << "";
    QTest::newRow("store 2029/12/08, six years after 2023") << "store" << QDate(2029, 12, 8) << "";
    QTest::newRow("store 2026/12/11 beside 2023's") << "store" << QDate(2026, 12, 11) << "";
    QTest::newRow("store over 2020/12/08") << "store" << QDate(2020, 12, 8) << "";
    QTest::newRow("erase 2023") << "erase" << QDate(2023, 1, 1) << "";
    QTest::newRow("erase 2026") << "erase" << QDate(2026, 1, 1) << "";
    QTest::newRow("erase a year without records") << "erase" << QDate(2030, 1, 1) << "";
}

void TestYears::everyYearIsItsOwn()
{
    QFETCH(QString, act);
    QFETCH(QDate, day);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    ScriptedPlatform platform;
    platform.folder = dir.path();
    platform.clock = QDateTime(QDate(2026, 12, 7), QTime(18, 0));
    platform.associations.insert(QStringLiteral("txt"), QStringLiteral("/usr/bin/editor"));
    std::map<QDate, QString> lines = tenYears();
    const QString path = dir.filePath(QStringLiteral("Zentak.txt"));
    QVERIFY(writeFile(path, fileOf(lines)));
    AttendanceBook book(platform);
    const StartReport start = book.load();
    QCOMPARE(start.records.replaced, 0);
    QCOMPARE(start.records.unreadable, 0);

    if (act == QLatin1String("kind")) {
        const std::optional<DayKind> kind = book.kindOf(day);
        QCOMPARE(QString::fromLatin1(!kind ? "none" : *kind == DayKind::PaidLeave ? "paid" : "worked"), expected);
    } else if (act == QLatin1String("totals")) {
        const MonthTotals t = book.monthTotals(day.year(), day.month());
        QCOMPARE(QStringLiteral("%1 %2").arg(t.hours, 0, 'f', 2).arg(t.days, 0, 'f', 1), expected);
    } else if (act == QLatin1String("report")) {
        QVERIFY(book.writeMonthReport(day.year(), day.month()).written);
        const QString report = QString::fromUtf8(readFile(dir.filePath(day.toString(QStringLiteral("yyyyMM'.txt'")))));
        QStringList dates;
        for (const QString &line : report.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1))
            dates << line.mid(1, 10);
        QCOMPARE(dates.join(u' '), expected);
    } else if (act == QLatin1String("store")) {
        QVERIFY(book.storeDay(day, {QStringLiteral("10:00"), QStringLiteral("19:00"), QStringLiteral("08:00"),
                                    QStringLiteral("08.00"), QStringLiteral("新")})
                    .written);
        lines[day] = QStringLiteral("\"%1\",\"%2\",\"10:00\",\"19:00\",\"08:00\",\"08.00\",\"新\"\r\n")
                         .arg(day.toString(QStringLiteral("yyyy/MM/dd")), QString(u"日月火水木金土"[day.dayOfWeek() % 7]));
        QCOMPARE(readFile(path), fileOf(lines));
    } else {
        QVERIFY(book.eraseYear(day.year()).erased());
        std::erase_if(lines, [&](const auto &entry) { return entry.first.year() == day.year(); });
        QCOMPARE(readFile(path), fileOf(lines));
        QCOMPARE(readFile(path + QStringLiteral(".bak")), fileOf(tenYears()));
    }
}

QTEST_GUILESS_MAIN(TestYears)
#include "tst_years.moc"
