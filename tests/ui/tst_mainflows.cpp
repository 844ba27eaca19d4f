// Whole flows through the main window: a day entered and written, left
// without a change, clocked out; the month summary; the month report.

#include "programtest.h"

#include <QDir>

using namespace zentak;
using namespace zentak::story;

class TestMainFlows : public ProgramTest {
    Q_OBJECT
private slots:
    void dayIsEnteredComputedSavedAndWritten();
    void backLeavesEverythingAsItWas();
    void clockOut_data();
    void clockOut();
    void monthSummary_data();
    void monthSummary();
    void summaryFollowsNavigation();
    void outputWritesAndOpensTheShownMonth();
    void outputThatCannotBeWrittenStartsNothing();
};

void TestMainFlows::dayIsEnteredComputedSavedAndWritten()
{
    p_->store.insert(ScriptedPlatform::storeKey(QStringLiteral("ZENTAK"), QStringLiteral("set"),
                                                QStringLiteral("T6Sw")),
                     QStringLiteral("True"));
    startWindow();
    // December 2026 begins on a Tuesday: the 3rd is cell 4.
    clickCell(w_->calendar()->dayCell(4));
    DayEntryDialog *dialog = Program::openDialog<DayEntryDialog>();
    QVERIFY(dialog);
    QVERIFY(!w_->isVisible());
    QCOMPARE(dialog->dateLabel()->text(), QStringLiteral("26年12月03日(木)"));
    QCOMPARE(dialog->startTimeBox()->text(), QStringLiteral("09:00"));
    QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("○○○作業"));

    dialog->endTimeBox()->clear();
    QTest::keyClicks(dialog->endTimeBox(), QStringLiteral("18:15"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(dialog->workedTimeBox()->text(), QStringLiteral("08:00"));
    QCOMPARE(dialog->attendanceBox()->text(), QStringLiteral("08.00"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);

    QVERIFY(p_->boxes.isEmpty());
    QVERIFY(w_->isVisible());
    QCOMPARE(w_->calendar()->dayCell(4)->fill(), QColor(0x00, 0xFF, 0xFF));
    QCOMPARE(strip("msum"), QStringLiteral("8.00"));
    QCOMPARE(strip("kensu"), QStringLiteral("1.0"));
    const QByteArray line = sjis(QStringLiteral(
        "\"2026/12/03\",\"木\",\"09:00\",\"18:15\",\"08:00\",\"08.00\",\"○○○作業\"\r\n"));
    // Written through at once, and again at exit.
    QCOMPARE(readFile(dataPath()), line);
    QTest::keyClick(w_, Qt::Key_X);
    QVERIFY(p_->writes.contains(ScriptedPlatform::storeKey(kStoreApp, kSectionForm, kKeyPos))); // the shutdown saved the position
    QCOMPARE(readFile(dataPath()), line);
    QVERIFY(p_->writes.contains(setKey("Yukyu")));
}

void TestMainFlows::backLeavesEverythingAsItWas()
{
    startWindow();
    DayEntryDialog *dialog = program_->openDay(9); // cell 10
    QVERIFY(dialog);
    QTest::keyClicks(dialog->endTimeBox(), QStringLiteral("18:00"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    QVERIFY(!dialog->attendanceBox()->text().isEmpty());
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(w_->isVisible());
    QCOMPARE(strip("msum"), QStringLiteral("0.00"));
    QCOMPARE(strip("kensu"), QStringLiteral("0.0"));
    QVERIFY(!w_->calendar()->dayCell(10)->opaque());
    w_->close();
    QVERIFY(!QFile::exists(dataPath()));
}

void TestMainFlows::clockOut_data()
{
    QTest::addColumn<bool>("todayShown");
    QTest::newRow("today's month shown") << true;
    QTest::newRow("another month shown") << false;
}

void TestMainFlows::clockOut()
{
    QFETCH(bool, todayShown);
    p_->clock = QDateTime(QDate(2007, 3, 5), QTime(18, 12));
    writeData(QStringLiteral("\"2007/03/05\",\"月\",\"08:00\",\"     \",\"     \",\"     \",\"会議\"\r\n"));
    startWindow();
    // March 2007 begins on a Thursday: the 5th is cell 8. In February 2007
    // cell 8 is the 5th too, a day without a record.
    if (!todayShown)
        QTest::mouseClick(w_->calendar()->findChild<QPushButton *>(QStringLiteral("cmdPrevMonth")), Qt::LeftButton);
    QTest::mouseClick(w_->clockOutButton(), Qt::LeftButton);
    DayEntryDialog *dialog = Program::openDialog<DayEntryDialog>();
    QVERIFY(dialog);
    QCOMPARE(dialog->dateLabel()->text(), QStringLiteral("07年03月05日(月)"));
    QCOMPARE(dialog->startTimeBox()->text(), QStringLiteral("09:00"));
    QCOMPARE(dialog->endTimeBox()->text(), QStringLiteral("18:12"));
    // 552 minutes, no lunch break chosen, less the 15 minutes past 8:15.
    QCOMPARE(dialog->workedTimeBox()->text(), QStringLiteral("08:57"));
    QCOMPARE(dialog->attendanceBox()->text(), QStringLiteral("08.75"));
    QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("会議"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);

    QCOMPARE(program_->book->record(QDate(2007, 3, 5)).start, QStringLiteral("09:00"));
    QCOMPARE(program_->book->record(QDate(2007, 3, 5)).end, QStringLiteral("18:12"));
    QCOMPARE(w_->calendar()->monthLabel()->text(), todayShown ? QStringLiteral("3") : QStringLiteral("2"));
    QCOMPARE(w_->calendar()->dayCell(8)->opaque(), todayShown);
    if (!todayShown) {
        for (int i = 0; i < 42; ++i)
            QVERIFY(!w_->calendar()->dayCell(i)->opaque());
        QTest::mouseClick(w_->calendar()->findChild<QPushButton *>(QStringLiteral("cmdNextMonth")), Qt::LeftButton);
        QCOMPARE(w_->calendar()->dayCell(8)->fill(), QColor(0x00, 0xFF, 0xFF));
    }
    QVERIFY(readFile(dataPath()).contains("\"09:00\",\"18:12\",\"08:57\",\"08.75\""));
}

void TestMainFlows::monthSummary_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("yukyu");
    QTest::addColumn<QString>("msum");
    QTest::addColumn<QString>("kensu");
    QTest::addColumn<QString>("zan");

    QTest::newRow("no records") << QString() << QString() << "0.00" << "0.0" << "00.0";
    QString month;
    for (int d = 1; d <= 20; ++d)
        month += QStringLiteral("\"2026/12/%1\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"作業\"\r\n")
                     .arg(d, 2, 10, QLatin1Char('0'));
    month += QStringLiteral("\"2026/12/21\",\"月\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"有給休暇（半日）\"\r\n");
    QTest::newRow("twenty 8-hour days and a half day of leave") << month << "12.5" << "160.00" << "20.5" << "12.5";
    QTest::newRow("records three years back are of their own year")
        << QStringLiteral("\"2023/12/01\",\"金\",\"09:00\",\"19:30\",\"09:30\",\"09.50\",\"\"\r\n")
        << "10.0" << "0.00" << "0.0" << "10.0";
    QTest::newRow("blank balance keeps the strip's text") << QString() << "    " << "0.00" << "0.0" << "";
}

void TestMainFlows::monthSummary()
{
    QFETCH(QString, data);
    QFETCH(QString, yukyu);
    QFETCH(QString, msum);
    QFETCH(QString, kensu);
    QFETCH(QString, zan);
    if (!data.isEmpty())
        writeData(data);
    if (!yukyu.isEmpty())
        p_->store.insert(setKey("Yukyu"), yukyu);
    startWindow();
    QCOMPARE(strip("msum"), msum);
    QCOMPARE(strip("kensu"), kensu);
    QCOMPARE(strip("zan"), zan);
}

void TestMainFlows::summaryFollowsNavigation()
{
    writeData(QStringLiteral("\"2026/11/30\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"作業\"\r\n"));
    startWindow();
    QCOMPARE(strip("msum"), QStringLiteral("0.00"));
    QTest::mouseClick(w_->findChild<QPushButton *>(QStringLiteral("cmdPrevMonth")), Qt::LeftButton);
    QCOMPARE(strip("msum"), QStringLiteral("8.00"));
    QCOMPARE(strip("kensu"), QStringLiteral("1.0"));
    QTest::mouseClick(w_->findChild<QPushButton *>(QStringLiteral("cmdNextYear")), Qt::LeftButton);
    QCOMPARE(strip("msum"), QStringLiteral("0.00"));
}

void TestMainFlows::outputWritesAndOpensTheShownMonth()
{
    writeData(QStringLiteral("\"2026/11/30\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"作業\"\r\n"));
    p_->associations.insert(QStringLiteral("txt"), QStringLiteral("/usr/bin/editor"));
    startWindow();
    QTest::mouseClick(w_->findChild<QPushButton *>(QStringLiteral("cmdPrevMonth")), Qt::LeftButton);
    QTest::mouseClick(w_->calendar()->reportButton(), Qt::LeftButton);
    const QString report = program_->path(QStringLiteral("202611.txt"));
    QVERIFY(readFile(report).contains(sjis(QStringLiteral(
        "\"2026/11/30\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"008.00\",\"0.00\",\"00.00\",\"作業\"\r\n"))));
    QVERIFY(p_->boxes.isEmpty());
    QCOMPARE(p_->started.size(), 1);
    QCOMPARE(p_->started[0].program, QStringLiteral("/usr/bin/editor"));
    QCOMPARE(p_->started[0].arguments, QStringList{report});
    QVERIFY(!QApplication::overrideCursor());
}

void TestMainFlows::outputThatCannotBeWrittenStartsNothing()
{
    p_->associations.insert(QStringLiteral("txt"), QStringLiteral("/usr/bin/editor"));
    QVERIFY(QDir(program_->dir.path()).mkdir(QStringLiteral("202612.txt")));
    startWindow();
    QTest::mouseClick(w_->calendar()->reportButton(), Qt::LeftButton);
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("202612.txt")));
    QVERIFY(p_->started.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestMainFlows)
#include "tst_mainflows.moc"
