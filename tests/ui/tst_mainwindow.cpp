// The main window's start-up and shutdown, its keys, and whole flows
// through the real windows with scripted message boxes.

#include "program.h"

#include <QDir>
#include <QSignalSpy>

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kPosKey = ScriptedPlatform::storeKey(kStoreApp, kSectionForm, kKeyPos);
const QString kYukyuKey = ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu"));

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStart();
    void savedPositionIsUsedWithFixedSize_data();
    void savedPositionIsUsedWithFixedSize();
    void preparedFileIsLeftByteIdenticalByX_data();
    void preparedFileIsLeftByteIdenticalByX();
    void shutdownRunsOnce();
    void windowOffTheLeftEdgeIsSavedAtZero();
    void sKeyDoesNotExit();
    void changeThroughTheBookIsWrittenBack();
    void failedSaveAtExitIsTold();
    void emptyCellOpensNothing();
    void unreadableRecordsAreToldAtStart();
    void dayIsEnteredComputedSavedAndWritten();
    void backLeavesEverythingAsItWas();
    void clockOut_data();
    void clockOut();
    void monthSummary_data();
    void monthSummary();
    void summaryFollowsNavigation();
    void outputWritesAndOpensTheShownMonth();
    void outputThatCannotBeWrittenStartsNothing();

private:
    QString strip(const char *name) const { return program_->strip(name); }
    void writeData(const QString &lines) { QVERIFY(writeFile(dataPath(), sjis(lines))); }
    void startWindow() { w_ = &program_->start(); }
    QString dataPath() const { return program_->dataPath(); }

    std::unique_ptr<Program> program_;
    ScriptedPlatform *p_ = nullptr;
    MainWindow *w_ = nullptr;
};

void TestMainWindow::init()
{
    program_ = std::make_unique<Program>();
    p_ = &program_->platform;
}

void TestMainWindow::cleanup()
{
    program_.reset();
}

void TestMainWindow::firstStart()
{
    startWindow();
    QCOMPARE(w_->windowTitle(), QStringLiteral("Zentak  Ver1.3.0"));
    QCOMPARE(w_->savedPosition().left, 6105);
    QCOMPARE(w_->savedPosition().top, 1935);
    QCOMPARE(w_->pos(), QPoint(407, 129));
    QCOMPARE(w_->calendar()->yearLabel()->text(), QStringLiteral("2026"));
    QCOMPARE(w_->calendar()->monthLabel()->text(), QStringLiteral("12"));
    for (int i = 0; i < 42; ++i)
        QVERIFY(!w_->calendar()->dayCell(i)->opaque());
    QVERIFY(w_->calendar()->dayCell(8)->border());
    QCOMPARE(program_->book->settings().defaultNote, QStringLiteral("○○○作業"));

    w_->close();
    QVERIFY(w_->hasShutDown());
    QCOMPARE(p_->writes, QStringList{kPosKey});
    QCOMPARE(p_->sleptMs, 300);
    QVERIFY(!QFile::exists(dataPath()));
    QVERIFY(p_->boxes.isEmpty());
}

void TestMainWindow::savedPositionIsUsedWithFixedSize_data()
{
    QTest::addColumn<QString>("ppos");
    QTest::addColumn<QPoint>("expected"); // (-1, -1): at the screen's far corner
    QTest::newRow("on the screen") << "120 240 99999 3" << QPoint(8, 16);
    QTest::newRow("off above and left") << "-32768 -32768 3855 4980" << QPoint(0, 0);
    QTest::newRow("off below and right") << "30000 30000 3855 4980" << QPoint(-1, -1);
}

void TestMainWindow::savedPositionIsUsedWithFixedSize()
{
    QFETCH(QString, ppos);
    QFETCH(QPoint, expected);
    p_->store.insert(kPosKey, ppos);
    startWindow();
    const QRect screen(0, 0, 1280, 1024);
    QVERIFY(screen.contains(QRect(w_->pos(), w_->size())));
    if (expected.x() >= 0)
        QCOMPARE(w_->pos(), expected);
    else
        QVERIFY(w_->x() + w_->width() > 1240 && w_->y() + w_->height() > 970);
    const QSize size = w_->size();
    QCOMPARE(w_->minimumSize(), size);
    QCOMPARE(w_->maximumSize(), size);
    // The whole calendar fits in the client area.
    const QRect panel = w_->calendar()->geometry();
    QVERIFY(w_->centralWidget()->rect().contains(panel));
}

void TestMainWindow::preparedFileIsLeftByteIdenticalByX_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::newRow("X alone") << int(Qt::NoModifier);
    QTest::newRow("Ctrl+X") << int(Qt::ControlModifier);
    QTest::newRow("Shift+X") << int(Qt::ShiftModifier);
}

void TestMainWindow::preparedFileIsLeftByteIdenticalByX()
{
    QFETCH(int, modifiers);
    const QByteArray prepared = sjis(QStringLiteral(
        "\"2026/12/01\",\"火\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"作業,会議\"\r\n"
        "\"2026/12/02\",\"水\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"休日\"\r\n"
        "\"2024/12/03\",\"火\",\"     \",\"     \",\"     \",\"     \",\"\"\r\n"));
    QVERIFY(writeFile(dataPath(), prepared));
    startWindow();
    QVERIFY(w_->calendar()->dayCell(2)->opaque());
    QCOMPARE(w_->calendar()->dayCell(3)->fill(), QColor(0xFF, 0, 0));
    QTest::keyClick(w_->clockOutButton(), Qt::Key_X, Qt::KeyboardModifiers(modifiers));
    QVERIFY(w_->hasShutDown());
    QCOMPARE(readFile(dataPath()), prepared);
    QCOMPARE(p_->writes, QStringList{kPosKey});
    QVERIFY(p_->store.value(kPosKey).startsWith(QStringLiteral("6105 1935 ")));
}

void TestMainWindow::shutdownRunsOnce()
{
    startWindow();
    QSignalSpy ended(w_, &MainWindow::ended);
    w_->close();
    w_->shutDown();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(p_->writes.size(), 1);
}

void TestMainWindow::windowOffTheLeftEdgeIsSavedAtZero()
{
    startWindow();
    w_->move(-20, 30);
    QTRY_COMPARE(w_->pos(), QPoint(-20, 30));
    const QSize size = w_->frameGeometry().size();
    w_->close();
    QCOMPARE(p_->store.value(kPosKey), QStringLiteral("0 450 %1 %2").arg(size.width() * 15).arg(size.height() * 15));
}

void TestMainWindow::sKeyDoesNotExit()
{
    startWindow();
    QTest::keyClick(w_, Qt::Key_A);
    QVERIFY(w_->isVisible());
    // S opens the settings over the hidden main window; it never exits.
    QTest::keyClick(w_, Qt::Key_S);
    QVERIFY(!w_->hasShutDown());
    QVERIFY(!w_->isVisible());
    QVERIFY(FormDialog::openDialog());
    QCOMPARE(FormDialog::openDialog()->objectName(), QStringLiteral("Form2"));
}

void TestMainWindow::changeThroughTheBookIsWrittenBack()
{
    startWindow();
    const QByteArray expected = sjis(QStringLiteral("\"2007/03/05\",\"月\",\"9:00 \",\"     \",\"     \",\"     \",\"ﾃｽﾄ"))
                                + QByteArray("\x81\x60\"\r\n");
    QVERIFY(program_->book->storeDay(QDate(2007, 3, 5), {"9:00", "", "", "", QString::fromUtf16(u"ﾃｽﾄ\uFF5E")}).written);
    QCOMPARE(readFile(dataPath()), expected);
    w_->close();
    QCOMPARE(readFile(dataPath()), expected);
    QVERIFY(p_->writes.contains(kYukyuKey));
}

void TestMainWindow::failedSaveAtExitIsTold()
{
    p_->folder = program_->path(QStringLiteral("no/such/folder"));
    startWindow();
    press(program_->openDay(5), "Command5"); // 休日
    QCOMPARE(p_->boxes.size(), 1);
    p_->storeWritable = false;
    w_->close();
    QCOMPARE(p_->boxes.size(), 3);
    QVERIFY(p_->boxes[1].text.startsWith(QStringLiteral("設定を保存できませんでした")));
    QVERIFY(p_->boxes[2].text.contains(QStringLiteral("記録を書き込めませんでした")));
    QCOMPARE(p_->boxes[1].title, QStringLiteral("Zentak  Ver1.3.0"));
}

void TestMainWindow::emptyCellOpensNothing()
{
    startWindow();
    // December 2026 begins on a Tuesday: cells 0 and 1 are empty.
    QTest::mouseClick(w_->calendar()->dayCell(0), Qt::LeftButton);
    QTest::mouseClick(w_->calendar()->dayCell(41), Qt::LeftButton);
    QVERIFY(!FormDialog::openDialog());
    QVERIFY(w_->isVisible());
}

void TestMainWindow::unreadableRecordsAreToldAtStart()
{
    QVERIFY(writeFile(dataPath(), "\"2026/12/01\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"ok\"\r\n"
                                  "\"2026/12/40\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"bad\"\r\n"
                                  "garbage without quotes\r\n"));
    startWindow();
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("2 件")));
    QVERIFY(QFile::exists(dataPath() + QStringLiteral(".orig")));
    QVERIFY(w_->calendar()->dayCell(2)->opaque());
}

void TestMainWindow::dayIsEnteredComputedSavedAndWritten()
{
    p_->store.insert(ScriptedPlatform::storeKey(QStringLiteral("ZENTAK"), QStringLiteral("set"),
                                                QStringLiteral("T6Sw")),
                     QStringLiteral("True"));
    startWindow();
    // December 2026 begins on a Tuesday: the 3rd is cell 4.
    QTest::mouseClick(w_->calendar()->dayCell(4), Qt::LeftButton);
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
    QVERIFY(w_->hasShutDown());
    QCOMPARE(readFile(dataPath()), line);
    QVERIFY(p_->writes.contains(kYukyuKey));
}

void TestMainWindow::backLeavesEverythingAsItWas()
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

void TestMainWindow::clockOut_data()
{
    QTest::addColumn<bool>("todayShown");
    QTest::newRow("today's month shown") << true;
    QTest::newRow("another month shown") << false;
}

void TestMainWindow::clockOut()
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

void TestMainWindow::monthSummary_data()
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
    QTest::newRow("records three years back share the slot")
        << QStringLiteral("\"2023/12/01\",\"金\",\"09:00\",\"19:30\",\"09:30\",\"09.50\",\"\"\r\n")
        << "10.0" << "9.50" << "1.0" << "10.0";
    QTest::newRow("blank balance keeps the strip's text") << QString() << "    " << "0.00" << "0.0" << "";
}

void TestMainWindow::monthSummary()
{
    QFETCH(QString, data);
    QFETCH(QString, yukyu);
    QFETCH(QString, msum);
    QFETCH(QString, kensu);
    QFETCH(QString, zan);
    if (!data.isEmpty())
        writeData(data);
    if (!yukyu.isEmpty())
        p_->store.insert(kYukyuKey, yukyu);
    startWindow();
    QCOMPARE(strip("msum"), msum);
    QCOMPARE(strip("kensu"), kensu);
    QCOMPARE(strip("zan"), zan);
}

void TestMainWindow::summaryFollowsNavigation()
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

void TestMainWindow::outputWritesAndOpensTheShownMonth()
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

void TestMainWindow::outputThatCannotBeWrittenStartsNothing()
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
