// The main window's start-up and shutdown, its position, its keys, and the
// writes of the records with scripted message boxes.

#include "programtest.h"

#include <QSignalSpy>

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kPosKey = ScriptedPlatform::storeKey(kStoreApp, kSectionForm, kKeyPos);

} // namespace

class TestMainWindow : public ProgramTest {
    Q_OBJECT
private slots:
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
};

void TestMainWindow::firstStart()
{
    startWindow();
    QCOMPARE(w_->windowTitle(), QStringLiteral("Zentak  Ver1.3.0"));
    QCOMPARE(w_->pos(), QPoint(407, 129)); // 6105 and 1935 twips
    QCOMPARE(w_->calendar()->yearLabel()->text(), QStringLiteral("2026"));
    QCOMPARE(w_->calendar()->monthLabel()->text(), QStringLiteral("12"));
    for (int i = 0; i < 42; ++i)
        QVERIFY(!w_->calendar()->dayCell(i)->opaque());
    QVERIFY(w_->calendar()->dayCell(8)->border());
    QCOMPARE(program_->book->settings().defaultNote, QStringLiteral("○○○作業"));

    w_->close();
    QVERIFY(p_->writes.contains(kPosKey));
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
    QVERIFY(w_->calendar()->parentWidget()->rect().contains(panel));
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
    QVERIFY(p_->writes.contains(kPosKey));
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
    QVERIFY(!p_->writes.contains(kPosKey));
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
    QVERIFY(p_->writes.contains(setKey("Yukyu")));
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
    clickCell(w_->calendar()->dayCell(0));
    clickCell(w_->calendar()->dayCell(41));
    // Nor does a press on the 3rd let go over the 4th.
    const DayLabel *third = w_->calendar()->dayCell(4);
    QTest::mousePress(third->panel(), Qt::LeftButton, {}, third->geometry().center());
    QTest::mouseRelease(third->panel(), Qt::LeftButton, {}, w_->calendar()->dayCell(5)->geometry().center());
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
