// The settings store: defaults, fixed widths, conversions of hand-edited
// texts and the round trip of all eight keys.

#include "scriptedplatform.h"
#include "settings.h"

#include <QTest>

using namespace zentak;

namespace {
QString key(const char *k)
{
    return ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QLatin1String(k));
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void firstStartGivesDefaults();
    void fixedWidthFields_data();
    void fixedWidthFields();
    void emptySagyoGivesDefault();
    void booleans_data();
    void booleans();
    void integers_data();
    void integers();
    void saveWritesAllEightKeysInOrder();
    void savedValuesLoadBack();
};

void TestSettings::firstStartGivesDefaults()
{
    ScriptedPlatform p;
    const Settings s = iniload(p);
    QCOMPARE(s.IniTM, QStringLiteral("09:00"));
    QCOMPARE(s.DayTM, QStringLiteral("08:00"));
    QCOMPARE(s.Yukyu, QStringLiteral("00.0"));
    QCOMPARE(s.T6Sw, false);
    QCOMPARE(s.T4Sw, false);
    QCOMPARE(s.Sagyo, QStringLiteral("○○○作業"));
    QCOMPARE(s.Sift, 0);
    QCOMPARE(s.Ktsw, 0);
    QVERIFY(p.writes.isEmpty());
}

void TestSettings::fixedWidthFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("IniTM of four gets a blank") << "IniTM" << "8:30" << "8:30 ";
    QTest::newRow("IniTM empty is blanks, not the default") << "IniTM" << "" << "     ";
    QTest::newRow("DayTM too long is cut") << "DayTM" << "07:45:00" << "07:45";
    QTest::newRow("Yukyu of three gets a blank") << "Yukyu" << "9.5" << "9.5 ";
    QTest::newRow("Yukyu with leading blanks kept") << "Yukyu" << " 9.5" << " 9.5";
}

void TestSettings::fixedWidthFields()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    ScriptedPlatform p;
    p.store.insert(key(name.toLatin1().constData()), stored);
    const Settings s = iniload(p);
    const QString got = name == QLatin1String("IniTM") ? s.IniTM
                        : name == QLatin1String("DayTM") ? s.DayTM
                                                         : s.Yukyu;
    QCOMPARE(got, loaded);
    rinisave(p, s);
    QCOMPARE(p.store.value(key(name.toLatin1().constData())), loaded);
}

void TestSettings::emptySagyoGivesDefault()
{
    ScriptedPlatform p;
    p.store.insert(key("Sagyo"), QString());
    QCOMPARE(iniload(p).Sagyo, QStringLiteral("○○○作業"));
    p.store.insert(key("Sagyo"), QStringLiteral("  会議, 資料  "));
    QCOMPARE(iniload(p).Sagyo, QStringLiteral("  会議, 資料  "));
}

void TestSettings::booleans_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("value");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("lower case true") << "true" << true;
    QTest::newRow("non-zero number") << "-1" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("hand-edited word falls back") << "yes please" << false;
    QTest::newRow("empty falls back") << "" << false;
}

void TestSettings::booleans()
{
    QFETCH(QString, stored);
    QFETCH(bool, value);
    ScriptedPlatform p;
    p.store.insert(key("T6Sw"), stored);
    p.store.insert(key("T4Sw"), stored);
    const Settings s = iniload(p);
    QCOMPARE(s.T6Sw, value);
    QCOMPARE(s.T4Sw, value);
}

void TestSettings::integers_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("blanks around") << " 1 " << 1;
    QTest::newRow("not a number falls back") << "abc" << 0;
    QTest::newRow("beyond 16 bits falls back") << "99999" << 0;
    QTest::newRow("empty falls back") << "" << 0;
}

void TestSettings::integers()
{
    QFETCH(QString, stored);
    QFETCH(int, value);
    ScriptedPlatform p;
    p.store.insert(key("Sift"), stored);
    p.store.insert(key("Ktsw"), stored);
    const Settings s = iniload(p);
    QCOMPARE(s.Sift, value);
    QCOMPARE(s.Ktsw, value);
}

void TestSettings::saveWritesAllEightKeysInOrder()
{
    ScriptedPlatform p;
    Settings s;
    s.T6Sw = false;
    s.T4Sw = true;
    s.Sift = 1;
    rinisave(p, s);
    QStringList expected;
    for (const char *k : {"IniTM", "DayTM", "Yukyu", "T6Sw", "T4Sw", "Sagyo", "Sift", "Ktsw"})
        expected << key(k);
    QCOMPARE(p.writes, expected);
    QCOMPARE(p.store.value(key("T6Sw")), QStringLiteral("False"));
    QCOMPARE(p.store.value(key("T4Sw")), QStringLiteral("True"));
    QCOMPARE(p.store.value(key("Sift")), QStringLiteral("1"));
    QCOMPARE(p.store.value(key("Ktsw")), QStringLiteral("0"));
}

void TestSettings::savedValuesLoadBack()
{
    ScriptedPlatform p;
    Settings s;
    s.IniTM = QStringLiteral("08:30");
    s.DayTM = QStringLiteral("07:45");
    s.Yukyu = QStringLiteral("12.5");
    s.T6Sw = true;
    s.Sagyo = QStringLiteral(" 開発、試験 ");
    s.Ktsw = 1;
    rinisave(p, s);
    const Settings back = iniload(p);
    QCOMPARE(back.IniTM, s.IniTM);
    QCOMPARE(back.DayTM, s.DayTM);
    QCOMPARE(back.Yukyu, s.Yukyu);
    QCOMPARE(back.T6Sw, true);
    QCOMPARE(back.T4Sw, false);
    QCOMPARE(back.Sagyo, s.Sagyo);
    QCOMPARE(back.Ktsw, 1);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
