// Where a dialog goes over the main window: centred, kept off the left and
// top edges, pushed back from the right and bottom edges.

#include "placementmath.h"

#include <QTest>

using namespace zentak;

class TestPlacementMath : public QObject {
    Q_OBJECT
private slots:
    void horizontal_data();
    void horizontal();
    void vertical_data();
    void vertical();
    void beyondSixteenBits_data();
    void beyondSixteenBits();
    void mainWindowIsReachable_data();
    void mainWindowIsReachable();
};

namespace {

// Columns shared by both axes: the parent's start and size, the dialog's
// size, the screen's size, and the expected start of the dialog.
void addAxisColumns()
{
    QTest::addColumn<double>("parentStart");
    QTest::addColumn<double>("parentSize");
    QTest::addColumn<double>("dialogSize");
    QTest::addColumn<double>("screenSize");
    QTest::addColumn<int>("expected");
}

void addAxisRows()
{
    // parent at 0, dialog larger than the parent: 0 + 4500 - 5000 < 0 -> 0
    QTest::newRow("parent at 0, wider dialog held at 0") << 0.0 << 9000.0 << 10000.0 << 19200.0 << 0;
    // 15000 + 3000 - 2500 = 15500 > 19200 - 5000 -> 14200, right edge on 19200
    QTest::newRow("parent near far edge, touches screen edge") << 15000.0 << 6000.0 << 5000.0 << 19200.0 << 14200;
    QTest::newRow("halves truncate, 4005 and 3000") << 1000.0 << 4005.0 << 3000.0 << 19200.0 << 1502;
    // 0 + 10000 - 10000 = 0 is not below 0, but above 19200 - 20000 -> -800
    QTest::newRow("dialog larger than screen goes negative") << 0.0 << 20000.0 << 20000.0 << 19200.0 << -800;
    // Below 0 first: held at 0 even though the dialog is larger than the screen.
    QTest::newRow("left test first, not repeated") << 0.0 << 9000.0 << 20000.0 << 19200.0 << 0;
    QTest::newRow("centred, fits") << 3000.0 << 6000.0 << 4000.0 << 19200.0 << 4000;
    QTest::newRow("exactly at far edge stays") << 14200.0 << 5000.0 << 5000.0 << 19200.0 << 14200;
    QTest::newRow("negative parent start held at 0") << -3000.0 << 2000.0 << 1000.0 << 19200.0 << 0;
    // Half to even on the final sum.
    QTest::newRow("start 100.5 rounds to even 100") << 100.5 << 0.0 << 0.0 << 19200.0 << 100;
    QTest::newRow("start 101.5 rounds to even 102") << 101.5 << 0.0 << 0.0 << 19200.0 << 102;
    // Half to even on the sizes before halving: 3000.5 -> 3000, 3001.5 -> 3002.
    QTest::newRow("parent size 3000.5 halves to 1500") << 0.0 << 3000.5 << 0.0 << 19200.0 << 1500;
    QTest::newRow("parent size 3001.5 halves to 1501") << 0.0 << 3001.5 << 0.0 << 19200.0 << 1501;
    QTest::newRow("odd parent size 3001 halves to 1500") << 0.0 << 3001.0 << 0.0 << 19200.0 << 1500;
    QTest::newRow("dialog size 2000.5 halves to 1000") << 5000.0 << 4000.0 << 2000.5 << 19200.0 << 6000;
    // Room of 19200 - 5000.5 = 14199.5 rounds to even 14200.
    QTest::newRow("far edge room rounds half to even") << 15000.0 << 6000.0 << 5000.5 << 19200.0 << 14200;
    QTest::newRow("far edge room 14198.5 rounds to 14198") << 15000.0 << 6000.0 << 5001.5 << 19200.0 << 14198;
}

} // namespace

void TestPlacementMath::horizontal_data()
{
    addAxisColumns();
    addAxisRows();
}

void TestPlacementMath::horizontal()
{
    QFETCH(double, parentStart);
    QFETCH(double, parentSize);
    QFETCH(double, dialogSize);
    QFETCH(double, screenSize);
    QFETCH(int, expected);
    PlacementInput in;
    in.parentLeft = parentStart;
    in.parentWidth = parentSize;
    in.dialogWidth = dialogSize;
    in.screenWidth = screenSize;
    // The other axis is placed well inside the screen and must not interfere.
    in.parentTop = 2000;
    in.parentHeight = 4000;
    in.dialogHeight = 2000;
    in.screenHeight = 14400;
    const PlacementResult out = centerPosition(in);
    QCOMPARE(out.left, expected);
    QCOMPARE(out.top, 3000);
}

void TestPlacementMath::vertical_data()
{
    addAxisColumns();
    addAxisRows();
}

void TestPlacementMath::vertical()
{
    QFETCH(double, parentStart);
    QFETCH(double, parentSize);
    QFETCH(double, dialogSize);
    QFETCH(double, screenSize);
    QFETCH(int, expected);
    PlacementInput in;
    in.parentTop = parentStart;
    in.parentHeight = parentSize;
    in.dialogHeight = dialogSize;
    in.screenHeight = screenSize;
    in.parentLeft = 1000;
    in.parentWidth = 6000;
    in.dialogWidth = 4000;
    in.screenWidth = 19200;
    const PlacementResult out = centerPosition(in);
    QCOMPARE(out.top, expected);
    QCOMPARE(out.left, 2000);
}

void TestPlacementMath::beyondSixteenBits_data()
{
    addAxisColumns();
    QTest::newRow("far right held at 32767") << 40000.0 << 2000.0 << 1000.0 << 100000.0 << 32767;
    QTest::newRow("far negative held at -32768") << 0.0 << 40000.0 << 40000.0 << 0.0 << -32768;
    QTest::newRow("exactly 32767 kept") << 32767.0 << 0.0 << 0.0 << 100000.0 << 32767;
}

void TestPlacementMath::beyondSixteenBits()
{
    QFETCH(double, parentStart);
    QFETCH(double, parentSize);
    QFETCH(double, dialogSize);
    QFETCH(double, screenSize);
    QFETCH(int, expected);
    PlacementInput in;
    in.parentLeft = parentStart;
    in.parentWidth = parentSize;
    in.dialogWidth = dialogSize;
    in.screenWidth = screenSize;
    in.parentTop = parentStart;
    in.parentHeight = parentSize;
    in.dialogHeight = dialogSize;
    in.screenHeight = screenSize;
    const PlacementResult out = centerPosition(in);
    QCOMPARE(out.left, expected);
    QCOMPARE(out.top, expected);
}

void TestPlacementMath::mainWindowIsReachable_data()
{
    QTest::addColumn<QPoint>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("expected");
    const QList<QRect> one = {QRect(0, 0, 1280, 1024)};
    const QList<QRect> two = {QRect(0, 0, 1280, 1024), QRect(-1920, 0, 1920, 1080)};
    QTest::newRow("on the screen, kept") << QPoint(100, 100) << one << QPoint(100, 100);
    QTest::newRow("partly off the right edge, kept") << QPoint(1150, 100) << one << QPoint(1150, 100);
    QTest::newRow("far above and left") << QPoint(-2184, -2184) << one << QPoint(0, 0);
    QTest::newRow("far below and right") << QPoint(2000, 2000) << one << QPoint(1080, 724);
    QTest::newRow("a sliver on the screen") << QPoint(1270, 100) << one << QPoint(1080, 100);
    QTest::newRow("a sliver on the second screen") << QPoint(-1960, -280) << two << QPoint(-1920, 0);
    QTest::newRow("on the second screen, kept") << QPoint(-1000, 500) << two << QPoint(-1000, 500);
}

void TestPlacementMath::mainWindowIsReachable()
{
    QFETCH(QPoint, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, expected);
    QCOMPARE(reachablePosition(saved, QSize(200, 300), screens), expected);
}

QTEST_APPLESS_MAIN(TestPlacementMath)
#include "tst_placementmath.moc"
