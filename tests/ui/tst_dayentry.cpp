#include <QTest>
class TestDayEntry : public QObject { Q_OBJECT };
QTEST_MAIN(TestDayEntry)
#include "tst_dayentry.moc"
