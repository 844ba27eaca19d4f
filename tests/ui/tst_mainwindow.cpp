// The main window's start-up and shutdown, its keys, and whole flows
// through the real windows with scripted message boxes.

#include "appstate.h"
#include "calendarpanel.h"
#include "dayentrydialog.h"
#include "daylabel.h"
#include "formdialog.h"
#include "noteedit.h"
#include "mainwindow.h"
#include "recordstore.h"
#include "scriptedplatform.h"
#include "windows.h"

#include <QApplication>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray sjis(const QString &s)
{
    QStringEncoder e("windows-31j");
    return e.encode(s);
}

const QString kPosKey = ScriptedPlatform::storeKey(QStringLiteral("ZENTAK"), QStringLiteral("pform"),
                                                   QStringLiteral("ppos"));
const QString kYukyuKey = ScriptedPlatform::storeKey(QStringLiteral("ZENTAK"), QStringLiteral("set"),
                                                     QStringLiteral("Yukyu"));

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
    void changeThroughSharedStateIsWrittenBack();
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
    QString strip(const char *name) const { return w_->findChild<QLabel *>(QLatin1String(name))->text(); }
    void writeData(const QString &lines);
    void startWindow();
    DayEntryDialog *openedBy(const std::function<void()> &click);
    QString dataPath() const { return dir_->filePath(QStringLiteral("Zentak.txt")); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedPlatform> p_;
    std::unique_ptr<AppState> s_;
    std::unique_ptr<RecordStore> store_;
    std::unique_ptr<MainWindow> w_;
};

void TestMainWindow::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    p_ = std::make_unique<ScriptedPlatform>();
    p_->folder = dir_->path();
    p_->clock = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
    p_->screen = QSize(1280, 1024);
    s_ = std::make_unique<AppState>();
    store_ = std::make_unique<RecordStore>(*s_, *p_);
}

void TestMainWindow::cleanup()
{
    w_.reset();
    test::deleteWindows();
}

void TestMainWindow::startWindow()
{
    w_ = std::make_unique<MainWindow>(*s_, *p_, *store_);
    w_->Form_Load();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
}

void TestMainWindow::firstStart()
{
    s_->dataChanged = true; // left over: start-up clears every flag
    s_->summaryStale = true;
    startWindow();
    QCOMPARE(w_->windowTitle(), QStringLiteral("Zentak  Ver1.3.0"));
    QCOMPARE(s_->messageTitle, QStringLiteral("Zentak  Ver1.3.0"));
    QVERIFY(!s_->dataChanged);
    QCOMPARE(w_->startLeft(), 6105);
    QCOMPARE(w_->startTop(), 1935);
    QCOMPARE(w_->pos(), QPoint(407, 129));
    QCOMPARE(w_->calendar()->lblYear()->text(), QStringLiteral("2026"));
    QCOMPARE(w_->calendar()->lblMonth()->text(), QStringLiteral("12"));
    for (int i = 0; i < 42; ++i)
        QVERIFY(!w_->calendar()->dayLabel(i)->opaque());
    QVERIFY(w_->calendar()->dayLabel(8)->border());
    QCOMPARE(s_->settings.Sagyo, QStringLiteral("○○○作業"));

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
    {
        QFile f(dataPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(prepared);
    }
    startWindow();
    QVERIFY(w_->calendar()->dayLabel(2)->opaque());
    QCOMPARE(w_->calendar()->dayLabel(3)->fill(), QColor(0xFF, 0, 0));
    QTest::keyClick(w_->command2(), Qt::Key_X, Qt::KeyboardModifiers(modifiers));
    QVERIFY(w_->hasShutDown());
    QCOMPARE(readFile(dataPath()), prepared);
    QCOMPARE(p_->writes, QStringList{kPosKey});
    QVERIFY(p_->store.value(kPosKey).startsWith(QStringLiteral("6105 1935 ")));
}

void TestMainWindow::shutdownRunsOnce()
{
    startWindow();
    QSignalSpy ended(w_.get(), &MainWindow::ended);
    w_->MNUFILEEXIT_Click();
    w_->Form_Unload();
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
    QTest::keyClick(w_.get(), Qt::Key_A);
    QVERIFY(w_->isVisible());
    // S opens the settings over the hidden main window; it never exits.
    QTest::keyClick(w_.get(), Qt::Key_S);
    QVERIFY(!w_->hasShutDown());
    QVERIFY(!w_->isVisible());
    QVERIFY(FormDialog::openDialog());
    QCOMPARE(FormDialog::openDialog()->objectName(), QStringLiteral("Form2"));
}

void TestMainWindow::changeThroughSharedStateIsWrittenBack()
{
    startWindow();
    s_->table.setField(1, 3, 5, Field::Date, QStringLiteral("2007/03/05"));
    s_->table.setField(1, 3, 5, Field::Week, QStringLiteral("月"));
    s_->table.setField(1, 3, 5, Field::Start, QStringLiteral("9:00"));
    const QByteArray expected = sjis(QStringLiteral("\"2007/03/05\",\"月\",\"9:00 \",\"     \",\"     \",\"     \",\"ﾃｽﾄ"))
                                + QByteArray("\x81\x60\"\r\n");
    s_->table.setField(1, 3, 5, Field::Note, QString::fromUtf16(u"ﾃｽﾄ\uFF5E"));
    store_->tableChanged();
    QVERIFY(p_->boxes.isEmpty());
    QCOMPARE(readFile(dataPath()), expected);
    w_->close();
    QCOMPARE(readFile(dataPath()), expected);
    QVERIFY(p_->writes.contains(kYukyuKey));
}

void TestMainWindow::failedSaveAtExitIsTold()
{
    p_->folder = dir_->filePath(QStringLiteral("no/such/folder"));
    startWindow();
    s_->table.setField(1, 3, 5, Field::Date, QStringLiteral("2007/03/05"));
    store_->tableChanged();
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
    QSignalSpy opened(w_.get(), &MainWindow::dayEntryOpened);
    // December 2026 begins on a Tuesday: cells 0 and 1 are empty.
    QTest::mouseClick(w_->calendar()->dayLabel(0), Qt::LeftButton);
    QTest::mouseClick(w_->calendar()->dayLabel(41), Qt::LeftButton);
    QCOMPARE(opened.count(), 0);
    QVERIFY(w_->isVisible());
    QCOMPARE(s_->cursor.day, 0);
}

void TestMainWindow::unreadableRecordsAreToldAtStart()
{
    {
        QFile f(dataPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\"2026/12/01\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"ok\"\r\n"
                "\"2026/12/40\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"bad\"\r\n"
                "garbage without quotes\r\n");
    }
    startWindow();
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("2 件")));
    QVERIFY(QFile::exists(dataPath() + QStringLiteral(".orig")));
    QVERIFY(w_->calendar()->dayLabel(2)->opaque());
}

DayEntryDialog *TestMainWindow::openedBy(const std::function<void()> &click)
{
    QSignalSpy opened(w_.get(), &MainWindow::dayEntryOpened);
    click();
    if (opened.count() != 1)
        return nullptr;
    return qobject_cast<DayEntryDialog *>(opened.at(0).at(0).value<QWidget *>());
}

void TestMainWindow::dayIsEnteredComputedSavedAndWritten()
{
    p_->store.insert(ScriptedPlatform::storeKey(QStringLiteral("ZENTAK"), QStringLiteral("set"),
                                                QStringLiteral("T6Sw")),
                     QStringLiteral("True"));
    startWindow();
    QSignalSpy summaries(w_.get(), &MainWindow::summaryComputed);
    // December 2026 begins on a Tuesday: the 3rd is cell 4.
    DayEntryDialog *dialog = openedBy([&] { QTest::mouseClick(w_->calendar()->dayLabel(4), Qt::LeftButton); });
    QVERIFY(dialog);
    QVERIFY(!w_->isVisible());
    QCOMPARE(dialog->tday()->text(), QStringLiteral("26年12月03日(木)"));
    QCOMPARE(dialog->tstim()->text(), QStringLiteral("09:00"));
    QCOMPARE(dialog->tmsg()->toPlainText(), QStringLiteral("○○○作業"));

    dialog->tetim()->clear();
    QTest::keyClicks(dialog->tetim(), QStringLiteral("18:15"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(dialog->tptim()->text(), QStringLiteral("08:00"));
    QCOMPARE(dialog->tktim()->text(), QStringLiteral("08.00"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);

    QVERIFY(p_->boxes.isEmpty());
    QVERIFY(w_->isVisible());
    QCOMPARE(w_->calendar()->dayLabel(4)->fill(), QColor(0x00, 0xFF, 0xFF));
    QVERIFY(summaries.count() >= 1);
    QVERIFY(!s_->summaryStale);
    QCOMPARE(strip("msum"), QStringLiteral("8.00"));
    QCOMPARE(strip("kensu"), QStringLiteral("1.0"));
    const QByteArray line = sjis(QStringLiteral(
        "\"2026/12/03\",\"木\",\"09:00\",\"18:15\",\"08:00\",\"08.00\",\"○○○作業\"\r\n"));
    // Written through at once, and again at exit.
    QCOMPARE(readFile(dataPath()), line);
    QTest::keyClick(w_.get(), Qt::Key_X);
    QVERIFY(w_->hasShutDown());
    QCOMPARE(readFile(dataPath()), line);
    QVERIFY(p_->writes.contains(kYukyuKey));
}

void TestMainWindow::backLeavesEverythingAsItWas()
{
    startWindow();
    DayEntryDialog *dialog = openedBy([&] { w_->lblDay_Click(10); });
    QVERIFY(dialog);
    QTest::keyClicks(dialog->tetim(), QStringLiteral("18:00"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    QVERIFY(!dialog->tktim()->text().isEmpty());
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(w_->isVisible());
    QCOMPARE(strip("msum"), QStringLiteral("0.00"));
    QCOMPARE(strip("kensu"), QStringLiteral("0.0"));
    QVERIFY(!s_->dataChanged);
    QVERIFY(!w_->calendar()->dayLabel(10)->opaque());
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
    {
        QFile f(dataPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(sjis(QStringLiteral("\"2007/03/05\",\"月\",\"08:00\",\"     \",\"     \",\"     \",\"会議\"\r\n")));
    }
    startWindow();
    // March 2007 begins on a Thursday: the 5th is cell 8. In February 2007
    // cell 8 is the 5th too, a day without a record.
    QCOMPARE(s_->todayLabelIndex, 8);
    if (!todayShown)
        QTest::mouseClick(w_->calendar()->findChild<QPushButton *>(QStringLiteral("cmdPrevMonth")), Qt::LeftButton);
    DayEntryDialog *dialog = openedBy([&] { QTest::mouseClick(w_->command2(), Qt::LeftButton); });
    QVERIFY(dialog);
    QVERIFY(!s_->clockOutMode);
    QCOMPARE(dialog->tday()->text(), QStringLiteral("07年03月05日(月)"));
    QCOMPARE(dialog->tstim()->text(), QStringLiteral("09:00"));
    QCOMPARE(dialog->tetim()->text(), QStringLiteral("18:12"));
    // 552 minutes, no lunch break chosen, less the 15 minutes past 8:15.
    QCOMPARE(dialog->tptim()->text(), QStringLiteral("08:57"));
    QCOMPARE(dialog->tktim()->text(), QStringLiteral("08.75"));
    QCOMPARE(dialog->tmsg()->toPlainText(), QStringLiteral("会議"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);

    QCOMPARE(s_->table.field(1, 3, 5, Field::Start), QStringLiteral("09:00"));
    QCOMPARE(s_->table.field(1, 3, 5, Field::End), QStringLiteral("18:12"));
    QCOMPARE(w_->calendar()->lblMonth()->text(), todayShown ? QStringLiteral("3") : QStringLiteral("2"));
    QCOMPARE(w_->calendar()->dayLabel(8)->opaque(), todayShown);
    if (!todayShown) {
        for (int i = 0; i < 42; ++i)
            QVERIFY(!w_->calendar()->dayLabel(i)->opaque());
        QTest::mouseClick(w_->calendar()->findChild<QPushButton *>(QStringLiteral("cmdNextMonth")), Qt::LeftButton);
        QCOMPARE(w_->calendar()->dayLabel(8)->fill(), QColor(0x00, 0xFF, 0xFF));
    }
    QVERIFY(readFile(dataPath()).contains("\"09:00\",\"18:12\",\"08:57\",\"08.75\""));
}

void TestMainWindow::writeData(const QString &lines)
{
    QFile f(dataPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(sjis(lines));
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
    QTest::mouseClick(w_->calendar()->command3(), Qt::LeftButton);
    const QString report = dir_->filePath(QStringLiteral("202611.txt"));
    QVERIFY(readFile(report).contains(sjis(QStringLiteral(
        "\"2026/11/30\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"008.00\",\"0.00\",\"00.00\",\"作業\"\r\n"))));
    QVERIFY(p_->boxes.isEmpty());
    QCOMPARE(p_->started.size(), 1);
    QCOMPARE(p_->started[0].program, QStringLiteral("/usr/bin/editor"));
    QCOMPARE(p_->started[0].arguments, QStringList{report});
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!s_->dataChanged);
}

void TestMainWindow::outputThatCannotBeWrittenStartsNothing()
{
    p_->associations.insert(QStringLiteral("txt"), QStringLiteral("/usr/bin/editor"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("202612.txt")));
    startWindow();
    QTest::mouseClick(w_->calendar()->command3(), Qt::LeftButton);
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("202612.txt")));
    QVERIFY(p_->started.isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
