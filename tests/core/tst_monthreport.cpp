// The month totals, the report lines and file, and opening the report.

#include "messages.h"
#include "monthreport.h"
#include "reportfile.h"
#include "scriptedplatform.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

// "date|week|start|end|worked|kintai|note" into the cell of its date.
void put(AttendanceTable &t, const QString &row)
{
    const QStringList f = row.split(QLatin1Char('|'));
    Q_ASSERT(f.size() == 7);
    const int slot = yearSlot(f[0].left(4).toInt());
    const int month = f[0].mid(5, 2).toInt();
    const int day = f[0].mid(8, 2).toInt();
    for (int i = 0; i < kFieldCount; ++i)
        t.setField(slot, month, day, Field(i), f[i]);
}

QString worked(int day, const QString &kintai = QStringLiteral("08.00"),
               const QString &workedTime = QStringLiteral("08:00"))
{
    return QStringLiteral("2024/05/%1|水|09:00|18:00|%2|%3|作業")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(workedTime, kintai);
}

QByteArray sjis(const QString &s)
{
    QStringEncoder e("windows-31j");
    return e.encode(s);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QString kHeader = QStringLiteral(
    "\"   日付   \",\"曜\",\" 出社\",\" 退社\",\" 稼動\",\" 勤怠\",\" 集計 \",\"残業\",\" 残計\",\"作業内容\"");

} // namespace

class TestMonthReport : public QObject {
    Q_OBJECT
private slots:
    void init();

    void mayExampleIsByteExact();
    void emptyMonthHasTheHeaderAlone();
    void fileNames_data();
    void fileNames();
    void reportColumns_data();
    void reportColumns();
    void totals_data();
    void totals();
    void slotOfAnotherYearIsReportedWithItsDates();
    void secondWriteReplacesTheFirst();
    void failedWriteIsToldAndNothingIsLeft();
    void textTheFileCannotHoldIsRefused_data();
    void textTheFileCannotHoldIsRefused();

    void openingTheReport_data();
    void openingTheReport();

private:
    ReportWrite write(int year = 2024, int month = 5)
    {
        return writeMonthReport(p_.folder, t_, year, month, s_);
    }
    QStringList lines() const { return monthReportLines(t_, 2024, 5, s_); }

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedPlatform p_;
    AttendanceTable t_;
    Settings s_;
};

void TestMonthReport::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    p_ = ScriptedPlatform();
    p_.folder = dir_->path();
    t_.clear();
    s_ = Settings();
}

void TestMonthReport::mayExampleIsByteExact()
{
    put(t_, QStringLiteral("2024/05/01|水|09:00|18:00|08:00|08.00|○○○作業"));
    put(t_, QStringLiteral("2024/05/02|木|09:00|19:30|09:30|09.50|○○○作業"));
    QCOMPARE(write().name, QStringLiteral("202405.txt"));
    const QByteArray expected = sjis(
        kHeader + QStringLiteral("\r\n")
        + QStringLiteral("\"2024/05/01\",\"水\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"008.00\",\"0.00\",\"00.00\",\"○○○作業\"\r\n"
                         "\"2024/05/02\",\"木\",\"09:00\",\"19:30\",\"09:30\",\"09.50\",\"017.50\",\"1.50\",\"01.50\",\"○○○作業\"\r\n"));
    QCOMPARE(readFile(dir_->filePath(QStringLiteral("202405.txt"))), expected);
    QVERIFY(p_.boxes.isEmpty());
}

void TestMonthReport::emptyMonthHasTheHeaderAlone()
{
    put(t_, worked(3).replace(QStringLiteral("2024/05"), QStringLiteral("2024/06")));
    QCOMPARE(monthTotals(t_, 2024, 5).hours, 0.0f);
    QVERIFY(write().written);
    QCOMPARE(readFile(dir_->filePath(QStringLiteral("202405.txt"))), sjis(kHeader + QStringLiteral("\r\n")));
}

void TestMonthReport::fileNames_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("May 2024") << 2024 << 5 << "202405.txt";
    QTest::newRow("December 2024") << 2024 << 12 << "202412.txt";
    QTest::newRow("January 1990") << 1990 << 1 << "199001.txt";
}

void TestMonthReport::fileNames()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(reportFileName(year, month), name);
    QCOMPARE(write(year, month).name, name);
    QVERIFY(QFile::exists(dir_->filePath(name)));
}

// Columns 7 to 10 of each day line: running hours, overtime, running
// overtime and the note.
void TestMonthReport::reportColumns_data()
{
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<int>("ktsw");
    QTest::addColumn<QStringList>("expected");

    const QStringList tenDays = {worked(3), worked(12), worked(25)};
    QTest::newRow("ten-day tally off runs on") << tenDays << 0
        << QStringList{"008.00|0.00|00.00|作業", "016.00|0.00|00.00|作業", "024.00|0.00|00.00|作業"};
    QTest::newRow("ten-day tally on restarts on the 12th and the 25th") << tenDays << 1
        << QStringList{"008.00|0.00|00.00|作業", "008.00|0.00|00.00|作業", "008.00|0.00|00.00|作業"};
    QTest::newRow("both restarts on the 22nd, none after")
        << QStringList{worked(3, "09.50", "09:30"), worked(22, "09.50", "09:30"), worked(25, "09.50", "09:30")} << 1
        << QStringList{"009.50|1.50|01.50|作業", "009.50|1.50|01.50|作業", "019.00|1.50|03.00|作業"};
    QTest::newRow("first day from the 11th is the 11th") << QStringList{worked(10), worked(11)} << 1
        << QStringList{"008.00|0.00|00.00|作業", "008.00|0.00|00.00|作業"};

    QTest::newRow("overtime: worked 08:00 is not later") << QStringList{worked(1, "08.00", "08:00")} << 0
        << QStringList{"008.00|0.00|00.00|作業"};
    QTest::newRow("overtime: worked 08:10 counts its quarter hours only")
        << QStringList{worked(1, "08.00", "08:10")} << 0 << QStringList{"008.00|0.00|00.00|作業"};
    QTest::newRow("overtime: worked 09:30") << QStringList{worked(1, "09.50", "09:30")} << 0
        << QStringList{"009.50|1.50|01.50|作業"};
    QTest::newRow("overtime: more hours than worked time says are not overtime")
        << QStringList{worked(1, "10.00", "07:00")} << 0 << QStringList{"010.00|0.00|00.00|作業"};

    QTest::newRow("leave days add nothing")
        << QStringList{worked(1), "2024/05/02|木|00:00|00:00|00:00|00.00|有給休暇（１日）",
                       "2024/05/03|金|00:00|00:00|00:00|00.00|休日"} << 0
        << QStringList{"008.00|0.00|00.00|作業", "008.00|0.00|00.00|有給休暇（１日）",
                       "008.00|0.00|00.00|休日"};
    QTest::newRow("note with CR, LF and tab on one line")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|a\r\nb\tc\rd"} << 0
        << QStringList{"008.00|0.00|00.00|a  b c d"};
    QTest::newRow("line break in the week, tab in the start")
        << QStringList{"2024/05/01|\n|09\t00|18:00|08:00|08.00|作業"} << 0 << QStringList{"008.00|0.00|00.00|作業"};
    QTest::newRow("note ending in a line break leaves no blank")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|done\r\n"} << 0
        << QStringList{"008.00|0.00|00.00|done"};
    QTest::newRow("ideographic space at the end is kept")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|作業\u3000"} << 0
        << QStringList{"008.00|0.00|00.00|作業\u3000"};
    QTest::newRow("note of 200 blanks is empty")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|" + QString(200, ' ')} << 0
        << QStringList{"008.00|0.00|00.00|"};
    QTest::newRow("note with commas stays one field")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|08.00|a,b, c"} << 0
        << QStringList{"008.00|0.00|00.00|a,b, c"};
}

void TestMonthReport::reportColumns()
{
    QFETCH(QStringList, days);
    QFETCH(int, ktsw);
    QFETCH(QStringList, expected);
    for (const QString &d : days)
        put(t_, d);
    s_.tenDayTally = ktsw;
    const QStringList report = lines();
    QCOMPARE(report.size(), expected.size() + 1);
    QCOMPARE(report.first(), kHeader);
    for (int i = 0; i < expected.size(); ++i) {
        const std::optional<QStringList> fields = splitReportLine(report[i + 1]);
        QVERIFY2(fields, qPrintable(report[i + 1]));
        QCOMPARE(fields->mid(6).join(QLatin1Char('|')), expected[i]);
        // The first six columns keep their widths, and the line is one line.
        QCOMPARE(fields->at(0).size(), 10);
        QCOMPARE(fields->at(1).size(), 1);
        QCOMPARE(fields->at(2).size(), 5);
        for (const char c : {'\t', '\r', '\n'})
            QVERIFY(!report[i + 1].contains(QLatin1Char(c)));
    }
}

void TestMonthReport::totals_data()
{
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<int>("ktsw");
    QTest::addColumn<float>("days_");
    QTest::addColumn<float>("hours");

    QStringList twenty;
    for (int d = 1; d <= 20; ++d)
        twenty << worked(d);
    QTest::newRow("twenty 8-hour days and a half day of leave")
        << (twenty << "2024/05/21|火|00:00|00:00|00:00|00.00|有給休暇（半日）") << 0
        << 20.5f << 160.0f;
    QTest::newRow("half day of leave with hours counts 1.5")
        << QStringList{"2024/05/21|火|09:00|13:00|04:00|04.00|有給休暇（半日）"} << 0 << 1.5f << 4.0f;
    QTest::newRow("half day marker after leading blanks")
        << QStringList{"2024/05/21|火|00:00|00:00|00:00|00.00|  有給休暇（半日）"} << 0 << 0.5f << 0.0f;
    QTest::newRow("whole day of leave, holiday, day off count nothing")
        << QStringList{"2024/05/01|水|00:00|00:00|00:00|00.00|有給休暇（１日）",
                       "2024/05/02|木|00:00|00:00|00:00|00.00|休日",
                       "2024/05/03|金|00:00|00:00|00:00|00.00|代休"} << 0 << 0.0f << 0.0f;
    QTest::newRow("attendance that is not a number counts nothing")
        << QStringList{"2024/05/01|水|09:00|18:00|08:00|ab.cd|作業"} << 0 << 0.0f << 0.0f;
    QTest::newRow("blank date is skipped even with a note")
        << QStringList{"          |水|09:00|18:00|08:00|08.00|作業"} << 0 << 0.0f << 0.0f;
    const QStringList tenDays = {worked(3), worked(12), worked(25)};
    QTest::newRow("ten-day tally: totals ignore it") << tenDays << 1 << 3.0f << 24.0f;
}

void TestMonthReport::totals()
{
    QFETCH(QStringList, days);
    QFETCH(int, ktsw);
    QFETCH(float, days_);
    QFETCH(float, hours);
    for (const QString &d : days) {
        if (d.startsWith(QLatin1Char(' '))) {
            // A cell whose date is blank: only the other fields are set.
            const QStringList f = d.split(QLatin1Char('|'));
            for (int i = 1; i < kFieldCount; ++i)
                t_.setField(yearSlot(2024), 5, 9, Field(i), f[i]);
            continue;
        }
        put(t_, d);
    }
    s_.tenDayTally = ktsw;
    const MonthTotals totals = monthTotals(t_, 2024, 5);
    QCOMPARE(totals.days, days_);
    QCOMPARE(totals.hours, hours);
}

void TestMonthReport::slotOfAnotherYearIsReportedWithItsDates()
{
    put(t_, QStringLiteral("2021/05/03|月|09:00|18:00|08:00|08.00|三年前"));
    QVERIFY(write().written);
    const QByteArray file = readFile(dir_->filePath(QStringLiteral("202405.txt")));
    QVERIFY(file.contains("\"2021/05/03\""));
    QCOMPARE(monthTotals(t_, 2024, 5).hours, 8.0f);
}

void TestMonthReport::secondWriteReplacesTheFirst()
{
    put(t_, worked(1));
    put(t_, worked(2));
    QVERIFY(write().written);
    t_.setField(yearSlot(2024), 5, 2, Field::Date, QString());
    QVERIFY(write().written);
    const QByteArray file = readFile(dir_->filePath(QStringLiteral("202405.txt")));
    QCOMPARE(file.count("\r\n"), 2);
    QVERIFY(!file.contains("2024/05/02"));
}

void TestMonthReport::failedWriteIsToldAndNothingIsLeft()
{
    // The report's name is taken by a folder.
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("202405.txt")));
    put(t_, worked(1));
    const ReportWrite written = write();
    QVERIFY(!written.written);
    tellReportWrite(p_, written);
    QCOMPARE(p_.boxes.size(), 1);
    QVERIFY(p_.boxes[0].text.startsWith(QStringLiteral("月報を書き込めませんでした。")));
    QVERIFY(p_.boxes[0].text.contains(QStringLiteral("202405.txt")));
    QCOMPARE(p_.boxes[0].title, kMessageTitle);
    QCOMPARE(p_.boxes[0].icon, MsgIcon::Exclamation);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
}

void TestMonthReport::textTheFileCannotHoldIsRefused_data()
{
    QTest::addColumn<QString>("note");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
    QTest::newRow("character outside the code page") << QStringLiteral("caf\u00e9");
}

void TestMonthReport::textTheFileCannotHoldIsRefused()
{
    QFETCH(QString, note);
    put(t_, worked(1));
    t_.setField(yearSlot(2024), 5, 1, Field::Note, note);
    const ReportWrite written = write();
    QVERIFY(!written.written);
    QVERIFY(!written.error.isEmpty());
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("202405.txt"))));
}

void TestMonthReport::openingTheReport_data()
{
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("program"); // the associated program, or none
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("told");    // the message, or none
    QTest::addColumn<int>("icon");
    const QString editor = QStringLiteral("/usr/bin/editor");
    QTest::newRow("no such file") << false << editor << true
                                  << "ｶﾚﾝﾄﾌｫﾙﾀﾞｰにﾃｷｽﾄ(202405.txt)が存在しません。" << int(MsgIcon::Exclamation);
    QTest::newRow("no program for it") << true << "" << true
                                       << "指定されたファイル名に関連付けられている\r実行可能プログラムが存在しません。"
                                       << int(MsgIcon::Stop);
    QTest::newRow("the program does not start") << true << editor << false
                                                 << "関連付けられているプログラムを起動できませんでした。\n/usr/bin/editor"
                                                 << int(MsgIcon::Exclamation);
    QTest::newRow("opened") << true << editor << true << "" << 0;
}

void TestMonthReport::openingTheReport()
{
    QFETCH(bool, written);
    QFETCH(QString, program);
    QFETCH(bool, starts);
    QFETCH(QString, told);
    QFETCH(int, icon);
    // A folder name a shell would take apart.
    const QString folder = dir_->filePath(QStringLiteral("my \"records\" $HOME; x"));
    QVERIFY(QDir().mkpath(folder));
    p_.folder = folder;
    if (!program.isEmpty())
        p_.associations.insert(QStringLiteral("txt"), program);
    p_.startSucceeds = starts;
    if (written)
        QVERIFY(write().written);
    tellReportOpening(p_, QStringLiteral("202405.txt"), openReport(p_, folder, QStringLiteral("202405.txt")));
    QCOMPARE(p_.boxes.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty()) {
        QCOMPARE(p_.boxes[0].text, told);
        QCOMPARE(int(p_.boxes[0].icon), icon);
        QCOMPARE(p_.boxes[0].title, kMessageTitle);
    }
    QCOMPARE(p_.started.size(), written && !program.isEmpty() ? 1 : 0);
    if (!p_.started.isEmpty())
        QCOMPARE(p_.started[0].arguments, QStringList{folder + QStringLiteral("/202405.txt")});
    QCOMPARE(QFile::exists(folder + QStringLiteral("/202405.txt")), written);
}

QTEST_GUILESS_MAIN(TestMonthReport)
#include "tst_monthreport.moc"
