// The real settings store keeps texts exactly, in a store of its own per
// user (here a temporary folder, never the user's).

#include "realplatform.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/utsname.h>

#include <cstdio>

using namespace zentak;

class TestRealPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textsReadBackExactly_data();
    void textsReadBackExactly();
    void absentKeyGivesDefault();
    void handEditedListReadsAsText();
    void randomSequenceIsTheSameEachStart();
    void versionIsTheKernelRelease();

private:
    QTemporaryDir dir_;
};

void TestRealPlatform::initTestCase()
{
    QVERIFY(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
}

void TestRealPlatform::textsReadBackExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("leading and trailing blanks") << "  8:30  ";
    QTest::newRow("five blanks") << "     ";
    QTest::newRow("empty") << "";
    QTest::newRow("commas") << "会議, 資料,作成";
    QTest::newRow("kanji") << "○○○作業";
    QTest::newRow("looks like a variant") << "@Variant(x)";
    QTest::newRow("quotes and backslashes") << "a\"b\\c;d=e#f";
    QTest::newRow("True word") << "True";
}

void TestRealPlatform::textsReadBackExactly()
{
    QFETCH(QString, value);
    RealPlatform p;
    p.writeSetting(QStringLiteral("ZENTAK"), QStringLiteral("set"), QStringLiteral("Sagyo"), value);
    QVERIFY(p.hasSetting(QStringLiteral("ZENTAK"), QStringLiteral("set"), QStringLiteral("Sagyo")));
    RealPlatform again;
    QCOMPARE(again.readSetting(QStringLiteral("ZENTAK"), QStringLiteral("set"), QStringLiteral("Sagyo"),
                               QStringLiteral("default")),
             value);
}

void TestRealPlatform::absentKeyGivesDefault()
{
    RealPlatform p;
    QVERIFY(!p.hasSetting(QStringLiteral("ZENTAK"), QStringLiteral("pform"), QStringLiteral("nothing")));
    QCOMPARE(p.readSetting(QStringLiteral("ZENTAK"), QStringLiteral("pform"), QStringLiteral("nothing"),
                           QStringLiteral("6105 1935 3855 4980")),
             QStringLiteral("6105 1935 3855 4980"));
}

void TestRealPlatform::handEditedListReadsAsText()
{
    {
        QFile f(dir_.filePath(QStringLiteral("HANDEDIT.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[set]\nSagyo=a,b,c\n");
    }
    RealPlatform p;
    QCOMPARE(p.readSetting(QStringLiteral("HANDEDIT"), QStringLiteral("set"), QStringLiteral("Sagyo"), {}),
             QStringLiteral("a,b,c"));
}

void TestRealPlatform::randomSequenceIsTheSameEachStart()
{
    RealPlatform a;
    RealPlatform b;
    for (int i = 0; i < 20; ++i) {
        const double x = a.random();
        QVERIFY(x >= 0.0 && x < 1.0);
        QCOMPARE(b.random(), x);
    }
}

void TestRealPlatform::versionIsTheKernelRelease()
{
    utsname names{};
    QCOMPARE(uname(&names), 0);
    int major = -1;
    int minor = -1;
    QCOMPARE(std::sscanf(names.release, "%d.%d", &major, &minor), 2);
    const VersionInfo v = RealPlatform().version();
    QCOMPARE(v.major, major);
    QCOMPARE(v.minor, minor);
    QCOMPARE(v.platformId, kPlatformLinux);
}

QTEST_MAIN(TestRealPlatform)
#include "tst_realplatform.moc"
