// The yearly paid-leave grant through the real windows: offered at the
// start, taken, shown in the 有給 figure, taken back with Ctrl+Z and done
// again with Ctrl+Y; not offered again at the next start, where the five
// days a year near their deadline are marked.

#include "program.h"

using namespace zentak;
using namespace zentak::story;

class TestYearlyGrant : public QObject {
    Q_OBJECT
private slots:
    void grantTakenBackAndDoneAgain();
};

void TestYearlyGrant::grantTakenBackAndDoneAgain()
{
    Program program; // today 2026/12/07
    const auto setKey = [](const char *key) { return ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QLatin1String(key)); };
    program.platform.store.insert(setKey("Hired"), QStringLiteral("2020/04/01"));
    program.platform.store.insert(setKey("Granted"), QStringLiteral("2025/10/01"));
    program.platform.store.insert(setKey("Yukyu"), QStringLiteral("19.5"));
    program.platform.answers << MsgAnswer::Yes;
    MainWindow &window = program.start();

    // Six and a half years: 20 days; of the 19.5 left, what is beyond the
    // last grant's 18 days expires.
    QCOMPARE(program.platform.boxes.size(), 1);
    QCOMPARE(program.platform.boxes[0].buttons, MsgButtons::YesNo);
    QCOMPARE(program.platform.boxes[0].text, QStringLiteral("2026/10/01 の有給休暇の付与です。\n付与: 20日\n失効: 1.5日\n"
                                                            "有給休暇残: 19.5日 → 38.0日\n\n有給休暇残を更新しますか？"));
    auto *zan = window.findChild<QLabel *>(QStringLiteral("zan"));
    auto *mark = window.findChild<QLabel *>(QStringLiteral("zanmark"));
    QCOMPARE(zan->text(), QStringLiteral("38.0"));
    QCOMPARE(zan->accessibleDescription(), QStringLiteral("取得 0日 期限 2027/09/30"));
    QVERIFY(!mark->isVisible());
    QCOMPARE(program.platform.store.value(setKey("Yukyu")), QStringLiteral("38.0"));
    QCOMPARE(program.platform.store.value(setKey("Granted")), QStringLiteral("2026/10/01"));
    QVERIFY(readFile(program.path(QStringLiteral("Zentak.journal"))).contains(sjis(QStringLiteral("\"付与\",\"\",\"19.5\",\"38.0\"\r\n"))));
    QVERIFY(!QFile::exists(program.dataPath())); // no day changed

    window.calendar()->showNextMonth();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(zan->text(), QStringLiteral("19.5"));
    QCOMPARE(program.platform.store.value(setKey("Yukyu")), QStringLiteral("19.5"));
    QCOMPARE(window.calendar()->shownMonth().month, 1); // no day to show
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(zan->text(), QStringLiteral("38.0"));
    QCOMPARE(program.platform.boxes.size(), 1);
    program.exit();
    program.stop();

    // July: nothing more to grant; no day taken with the deadline three
    // months away, so the figure is marked; a day taken counts.
    program.platform.clock = QDateTime(QDate(2027, 7, 1), QTime(9, 0));
    program.start();
    QCOMPARE(program.platform.boxes.size(), 1);
    QVERIFY(program.markDay(1, "Command4_0"));
    zan = program.window->findChild<QLabel *>(QStringLiteral("zan"));
    mark = program.window->findChild<QLabel *>(QStringLiteral("zanmark"));
    QCOMPARE(zan->text(), QStringLiteral("37.0"));
    QVERIFY(mark->isVisible());
    const QString words = QStringLiteral("注意 年5日の有給休暇の取得が期限までに あと 4日 足りません");
    QCOMPARE(mark->accessibleName(), words);
    QCOMPARE(zan->accessibleDescription(), QStringLiteral("取得 1日 期限 2027/09/30 ") + words);
}

QTEST_MAIN(TestYearlyGrant)
#include "tst_yearlygrant.moc"
