// The month report's file, written and replaced whole, and opened in the
// program the desktop associates with it.

#include "messages.h"
#include "monthfixture.h"

#include <QDir>
#include <QTest>

using namespace zentak;
using namespace zentak::test;

class TestReportFile : public QObject, MonthFixture {
    Q_OBJECT
private slots:
    void init() { reset(); }
    void mayExampleIsByteExact();
    void emptyMonthHasTheHeaderAlone();
    void fileNames_data();
    void fileNames();
    void secondWriteReplacesTheFirst();
    void failedWriteIsToldAndNothingIsLeft();
    void textTheFileCannotHoldIsRefused_data();
    void textTheFileCannotHoldIsRefused();
    void openingTheReport_data();
    void openingTheReport();
};

void TestReportFile::mayExampleIsByteExact()
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

void TestReportFile::emptyMonthHasTheHeaderAlone()
{
    put(t_, worked(3).replace(QStringLiteral("2024/05"), QStringLiteral("2024/06")));
    QCOMPARE(monthTotals(t_, 2024, 5).hours, 0.0f);
    QVERIFY(write().written);
    QCOMPARE(readFile(dir_->filePath(QStringLiteral("202405.txt"))), sjis(kHeader + QStringLiteral("\r\n")));
}

void TestReportFile::fileNames_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("May 2024") << 2024 << 5 << "202405.txt";
    QTest::newRow("December 2024") << 2024 << 12 << "202412.txt";
    QTest::newRow("January 1990") << 1990 << 1 << "199001.txt";
}

void TestReportFile::fileNames()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(reportFileName(year, month), name);
    QCOMPARE(write(year, month).name, name);
    QVERIFY(QFile::exists(dir_->filePath(name)));
}

void TestReportFile::secondWriteReplacesTheFirst()
{
    put(t_, worked(1));
    put(t_, worked(2));
    QVERIFY(write().written);
    t_.setRecord(DayKey{2024, 5, 2}, DayRecord::blank());
    QVERIFY(write().written);
    const QByteArray file = readFile(dir_->filePath(QStringLiteral("202405.txt")));
    QCOMPARE(file.count("\r\n"), 2);
    QVERIFY(!file.contains("2024/05/02"));
}

void TestReportFile::failedWriteIsToldAndNothingIsLeft()
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

void TestReportFile::textTheFileCannotHoldIsRefused_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("reason");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"")
                                  << QStringLiteral("(2024/05/01 の行にダブルクォーテーションがあります。)");
    QTest::newRow("character outside the code page")
        << QStringLiteral("caf\u00e9") << QStringLiteral("(2024/05/01 の行に Shift_JIS で書けない文字があります。)");
}

void TestReportFile::textTheFileCannotHoldIsRefused()
{
    QFETCH(QString, note);
    QFETCH(QString, reason);
    put(t_, worked(1));
    setField(t_, {2024, 5, 1}, Field::Note, note);
    const ReportWrite written = write();
    QVERIFY(!written.written);
    tellReportWrite(p_, written);
    QCOMPARE(p_.boxes.size(), 1);
    QVERIFY2(p_.boxes[0].text.endsWith(reason), qPrintable(p_.boxes[0].text));
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("202405.txt"))));
}

void TestReportFile::openingTheReport_data()
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
                                          "\n\n202405.txt は書き込みました。\n場所: %1"
                                       << int(MsgIcon::Stop);
    QTest::newRow("the program does not start") << true << editor << false
                                                 << "関連付けられているプログラムを起動できませんでした。\n/usr/bin/editor"
                                                 << int(MsgIcon::Exclamation);
    QTest::newRow("opened") << true << editor << true << "" << 0;
}

void TestReportFile::openingTheReport()
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
    tellReportOpening(p_, folder, QStringLiteral("202405.txt"), openReport(p_, folder, QStringLiteral("202405.txt")));
    QCOMPARE(p_.boxes.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty()) {
        QCOMPARE(p_.boxes[0].text, told.contains(u"%1") ? told.arg(folder) : told);
        QCOMPARE(int(p_.boxes[0].icon), icon);
        QCOMPARE(p_.boxes[0].title, kMessageTitle);
    }
    QCOMPARE(p_.started.size(), written && !program.isEmpty() ? 1 : 0);
    if (!p_.started.isEmpty())
        QCOMPARE(p_.started[0].arguments, QStringList{folder + QStringLiteral("/202405.txt")});
    QCOMPARE(QFile::exists(folder + QStringLiteral("/202405.txt")), written);
}

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
