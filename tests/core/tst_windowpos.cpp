// The saved window position: the token reader, reading "ppos" back and
// building it at exit.

#include "numbers.h"
#include "windowpos.h"

#include <QTest>

using namespace zentak;

class TestWindowPos : public QObject {
    Q_OBJECT
private slots:
    void tokenAt_data();
    void tokenAt();
    void parsePos_data();
    void parsePos();
    void formatPos_data();
    void formatPos();
};

void TestWindowPos::tokenAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QString>("token");
    QTest::addColumn<int>("posAfter");
    QTest::newRow("first token") << "6105 1935" << 1 << " " << "6105" << 1;
    QTest::newRow("second token") << "6105 1935" << 6 << " " << "1935" << 6;
    QTest::newRow("position 0 is set to 1") << "ab cd" << 0 << " " << "ab" << 1;
    QTest::newRow("negative position is set to 1") << "ab cd" << -5 << " " << "ab" << 1;
    QTest::newRow("beyond the end") << "ab" << 3 << " " << "" << 3;
    QTest::newRow("delimiter at the position") << "a  b" << 2 << " " << "" << 2;
    QTest::newRow("delimiter ignores case") << "12x34" << 1 << "X" << "12" << 1;
    QTest::newRow("no delimiter: rest of the text") << "abc" << 2 << "," << "bc" << 2;
}

void TestWindowPos::tokenAt()
{
    QFETCH(QString, text);
    QFETCH(int, pos);
    QFETCH(QString, delimiter);
    QFETCH(QString, token);
    QFETCH(int, posAfter);
    QCOMPARE(zentak::tokenAt(text, pos, delimiter), token);
    QCOMPARE(pos, posAfter);
}

void TestWindowPos::parsePos_data()
{
    QTest::addColumn<QString>("ppos");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("default") << kDefaultPos << 6105 << 1935;
    QTest::newRow("left 120 top 240") << "120 240 99999 1" << 120 << 240;
    QTest::newRow("not numbers give 0") << "abc xyz" << 0 << 0;
    QTest::newRow("leading number of a token") << "120px 24.9" << 120 << 25;
    QTest::newRow("halves go to even") << "120.5 241.5" << 120 << 242;
    QTest::newRow("negative halves go to even") << "-2.5 -3.5" << -2 << -4;
    QTest::newRow("just under a half goes down") << "0.49999999999999994 2.4999999999999996" << 0 << 2;
    QTest::newRow("empty text") << "" << 0 << 0;
    QTest::newRow("one token") << "300" << 300 << 0;
    QTest::newRow("leading blank makes an empty first token") << " 120 240" << 0 << 120;
    QTest::newRow("more than five tokens") << "1 2 3 4 5 6 7 8" << 1 << 2;
    QTest::newRow("beyond 16 bits is clamped") << "99999 -99999" << 32767 << -32768;
    QTest::newRow("negative values") << "-15 -30" << -15 << -30;
}

void TestWindowPos::parsePos()
{
    QFETCH(QString, ppos);
    QFETCH(int, left);
    QFETCH(int, top);
    const SavedPos p = zentak::parsePos(ppos);
    QCOMPARE(p.left, left);
    QCOMPARE(p.top, top);
}

void TestWindowPos::formatPos_data()
{
    QTest::addColumn<qlonglong>("left");
    QTest::addColumn<qlonglong>("top");
    QTest::addColumn<qlonglong>("width");
    QTest::addColumn<qlonglong>("height");
    QTest::addColumn<QString>("text");
    QTest::newRow("default") << 6105LL << 1935LL << 3855LL << 4980LL << "6105 1935 3855 4980";
    QTest::newRow("off the left edge keeps the width") << -300LL << 15LL << 2900LL << 4050LL << "0 15 2900 4050";
    QTest::newRow("off the top edge") << 45LL << -60LL << 2900LL << 4050LL << "45 0 2900 4050";
    QTest::newRow("negative width shows its sign") << 0LL << 0LL << -15LL << 30LL << "0 0-15 30";
    QTest::newRow("beyond 16 bits is clamped") << 40000LL << 0LL << 70000LL << 4050LL << "32767 0 32767 4050";
}

void TestWindowPos::formatPos()
{
    QFETCH(qlonglong, left);
    QFETCH(qlonglong, top);
    QFETCH(qlonglong, width);
    QFETCH(qlonglong, height);
    QFETCH(QString, text);
    const QString built = zentak::formatPos(left, top, width, height);
    QCOMPARE(built, text);
    // What is written is read back without failing.
    const SavedPos back = zentak::parsePos(built);
    QCOMPARE(back.left, qMax(0, toInt16(left)));
}

QTEST_APPLESS_MAIN(TestWindowPos)
#include "tst_windowpos.moc"
