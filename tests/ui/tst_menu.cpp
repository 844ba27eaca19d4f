// The menu bar of the main window: its tree, its access keys, the desk
// accessories, the version message and the fortune of the day.

#include "programtest.h"
#include "windowtexts.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

#include <cmath>

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kTitle = QStringLiteral("Zentak  Ver1.3.0");

QString boxOf(const RecordedBox &b)
{
    return QStringLiteral("%1|%2|%3|%4").arg(b.text, b.title).arg(int(b.buttons)).arg(int(b.icon));
}
QString informed(const QString &text)
{
    return QStringLiteral("%1|%2|%3|%4").arg(text, kTitle).arg(int(MsgButtons::Ok)).arg(int(MsgIcon::Information));
}

// "name caption" of each entry of a menu, a separator as "name -".
QStringList entries(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        out << a->objectName() + u' ' + (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

// Starts of the programs named in `refusing` fail.
class AccessoryPlatform : public ScriptedPlatform {
public:
    QStringList refusing;
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        ScriptedPlatform::startProgram(program, arguments);
        return !refusing.contains(program);
    }
};

} // namespace

class TestMenu : public ProgramTest {
    Q_OBJECT
private slots:
    void menuTree();
    void accessKeys();
    void accessories_data();
    void accessories();
    void platformNames_data();
    void platformNames();
    void versionMessage();
    void fortune_data();
    void fortune();

private:
    QAction *action(const char *name) const { return w_->findChild<QAction *>(QLatin1String(name)); }
};

void TestMenu::menuTree()
{
    startWindow();
    const QList<QAction *> bar = w_->menuBar()->actions();
    QCOMPARE(entries(bar), QStringList({"MNUFILE ﾌｧｲﾙ(&F)", "MNUFILEDIT 整備(&E)", "MNUFILBUN 文具(&B)",
                                        "MNUOVERTIME 時間外(&O)"}));
    QVERIFY(bar[0]->menu());
    QVERIFY(!bar[1]->menu()); // a command on the bar, no submenu
    QVERIFY(bar[2]->menu());
    QVERIFY(!bar[3]->menu());
    QCOMPARE(entries(bar[0]->menu()->actions()),
             QStringList({"MNUFILESET 設定(&S)  Ctrl+S", "MNUSEPERATOR -", "MNUFILECSV CSV(&C)", "MNUFILEPDF 勤務表(&P)",
                          "MNUSEPERATOR2 -", "MNUFILEUN 今日 の運勢(&T)",
                          "MNUFILEABOUT ﾊﾞｰｼﾞｮﾝ情報(&A)", "MNUSEPERATOR1 -", "MNUFILEEXIT 終了(&X)  Ctrl+X"}));
    QCOMPARE(entries(bar[2]->menu()->actions()), QStringList({"MNUFILCALC 電卓(&C)", "MNUFILNOTE メモ帳(&N)"}));

    // The exit item ends the program through the shutdown.
    action("MNUFILEEXIT")->trigger();
    QVERIFY(p_->writes.contains(ScriptedPlatform::storeKey(kStoreApp, kSectionForm, kKeyPos))); // the shutdown saved the position
}

void TestMenu::accessKeys()
{
    startWindow();
    QSignalSpy edit(action("MNUFILEDIT"), &QAction::triggered);
    QTest::keyClick(w_, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(edit.count(), 1);
    QVERIFY(!QApplication::activePopupWidget()); // acted at once, nothing opened
    // It opened the maintenance dialog; back to the main window.
    QVERIFY(FormDialog::openDialog());
    FormDialog::openDialog()->close();
    QVERIFY(w_->isVisible());

    QMenu *file = w_->findChild<QMenu *>(QStringLiteral("MNUFILE"));
    QTest::keyClick(w_, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(file->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), file);
    file->close();

    QMenu *tools = w_->findChild<QMenu *>(QStringLiteral("MNUFILBUN"));
    QTest::keyClick(w_, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(tools->isVisible());
    tools->close();
    QCOMPARE(edit.count(), 1);
    QVERIFY(p_->boxes.isEmpty());
    QVERIFY(p_->started.isEmpty());
}

void TestMenu::accessories_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("present");  // programs put into the system directory
    QTest::addColumn<QStringList>("refusing"); // present, but their start fails
    QTest::addColumn<QStringList>("tried");    // programs asked to start, in order
    QTest::addColumn<QString>("message");      // after the directory; empty: none
    QTest::newRow("calculator, the first present of the list")
        << "MNUFILCALC" << QStringList{"xcalc", "kcalc"} << QStringList{} << QStringList{"kcalc"} << "";
    QTest::newRow("calculator, none present")
        << "MNUFILCALC" << QStringList{"gnome-text-editor", "calc"} << QStringList{} << QStringList{}
        << "に電卓は存在しません。";
    QTest::newRow("calculator that will not start gives way")
        << "MNUFILCALC" << QStringList{"galculator", "qalculate-gtk"} << QStringList{"galculator"}
        << QStringList{"galculator", "qalculate-gtk"} << "";
    QTest::newRow("text editor, the first present of the list")
        << "MNUFILNOTE" << QStringList{"xed", "mousepad"} << QStringList{} << QStringList{"mousepad"} << "";
    QTest::newRow("text editor, none present")
        << "MNUFILNOTE" << QStringList{"gnome-calculator", "notepad"} << QStringList{} << QStringList{}
        << "にメモ帳は存在しません。";
    QTest::newRow("text editor, none will start")
        << "MNUFILNOTE" << QStringList{"gedit"} << QStringList{"gedit"} << QStringList{"gedit"}
        << "/geditを起動できませんでした。";
}

void TestMenu::accessories()
{
    QFETCH(QString, item);
    QFETCH(QStringList, present);
    QFETCH(QStringList, refusing);
    QFETCH(QStringList, tried);
    QFETCH(QString, message);
    AccessoryPlatform p;
    p.systemDir = path(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(p.systemDir));
    for (const QString &name : present)
        QVERIFY(writeFile(p.systemDir + u'/' + name, {}));
    for (const QString &name : refusing)
        p.refusing << p.systemDir + u'/' + name;
    AttendanceBook book(bookPortsOf(p));
    MainWindow window(book, p); // the menu of a main window on that platform
    window.findChild<QAction *>(item)->trigger();
    QStringList started;
    for (const StartedProgram &s : p.started) {
        QVERIFY(s.arguments.isEmpty());
        started << s.program.mid(p.systemDir.size() + 1);
    }
    QCOMPARE(started, tried);
    if (message.isEmpty()) {
        QVERIFY(p.boxes.isEmpty());
    } else {
        QCOMPARE(p.boxes.size(), 1);
        QCOMPARE(boxOf(p.boxes[0]), informed(p.systemDir + message));
    }
}

void TestMenu::platformNames_data()
{
    QTest::addColumn<int>("platformId");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("name");
    QTest::newRow("0, 10") << 0 << 10 << "";
    QTest::newRow("3, 0") << 3 << 0 << "";
    QTest::newRow("-1, 0") << -1 << 0 << "";
    QTest::newRow("Linux, 1") << kPlatformLinux << 1 << "Linux";
    QTest::newRow("Linux, 0") << kPlatformLinux << 0 << "Linux";
}

void TestMenu::platformNames()
{
    QFETCH(int, platformId);
    QFETCH(int, minor);
    QFETCH(QString, name);
    QCOMPARE(platformName(platformId), name);
    // Each row ends the message of the menu item.
    p_->versionInfo = {4, minor, platformId};
    startWindow();
    action("MNUFILEABOUT")->trigger();
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(boxOf(p_->boxes[0]).section(u'|', 1), informed({}).section(u'|', 1));
    QVERIFY(p_->boxes[0].text.endsWith(QStringLiteral("\nWindows Version : 4.%1 Platform : %2").arg(minor).arg(name)));
}

void TestMenu::versionMessage()
{
    startWindow();
    p_->versionInfo = {6, 1, kPlatformLinux};
    action("MNUFILEABOUT")->trigger();
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(boxOf(p_->boxes[0]),
             informed(QStringLiteral("Zentak  Ver1.3.0\nカレンダー付きZentak\n\r\n"
                                     "Copyright (C) Zentak の開発者\nWindows Version : 6.1 Platform : Linux")));
}

void TestMenu::fortune_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<QString>("text");
    const QString kichi = QStringLiteral("今日は「吉」です。  ");
    const QString suekichi = QStringLiteral("今日は「末吉」です。  ");
    const QString expected[15] = {kichi, kichi, kichi, kichi, suekichi, suekichi,
                                  QStringLiteral("今日は「小吉」です。  "), QStringLiteral("今日は「中吉」です。  "),
                                  QStringLiteral("今日は「大吉」です。  (*^o^*)"),
                                  QStringLiteral("今日は「大凶」です。  σ(^_^;)?"),
                                  kichi, kichi, kichi, kichi, suekichi};
    for (int v = 0; v < 15; ++v)
        QTest::addRow("v = %d", v) << (v + 0.5) / 15.0 << expected[v];
    QTest::newRow("r = 0") << 0.0 << kichi;
    // Narrowed to single precision this rounds up to 1: held just below it.
    QTest::newRow("r a double just below 1") << std::nextafter(1.0, 0.0) << suekichi;
    QTest::newRow("r the largest single below 1") << double(std::nextafter(1.0f, 0.0f)) << suekichi;
    // r is a single: a double just below 8/15 (v = 7 in double precision)
    // narrows to the single nearest 8/15, which lies above it.
    QTest::newRow("r a double just below 8/15") << std::nextafter(8.0 / 15.0, 0.0)
                                               << QStringLiteral("今日は「大吉」です。  (*^o^*)");
}

void TestMenu::fortune()
{
    QFETCH(double, random);
    QFETCH(QString, text);
    startWindow();
    p_->randoms.enqueue(random);
    action("MNUFILEUN")->trigger();
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(boxOf(p_->boxes[0]), informed(text));
    QVERIFY(p_->randoms.isEmpty()); // one draw a click
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
