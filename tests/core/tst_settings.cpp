// The settings store: defaults, fixed widths, conversions of hand-edited
// texts and the round trip of every key.

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
    void choices_data();
    void choices();
    void saveWritesEveryKey();
    void savedValuesLoadBack();
};

void TestSettings::firstStartGivesDefaults()
{
    ScriptedPlatform p;
    const Settings s = loadSettings(p);
    QCOMPARE(s.usualStart, QStringLiteral("09:00"));
    QCOMPARE(s.regularHours, QStringLiteral("08:00"));
    QCOMPARE(s.leaveBalance, QStringLiteral("00.0"));
    QCOMPARE(s.lunchBreak, LunchBreak::None);
    QCOMPARE(s.defaultNote, QStringLiteral("○○○作業"));
    QCOMPARE(s.shiftWork, 0);
    QCOMPARE(s.tenDayTally, 0);
    QCOMPARE(s.name, QString());
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
    // The name is cut, never filled; a pair of surrogates is one character.
    QTest::newRow("Name of 21 cut to 20")
        << "Name" << QString(18, u'名') + "\U00020BB7野家" << QString(18, u'名') + "\U00020BB7野";
}

void TestSettings::fixedWidthFields()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    ScriptedPlatform p;
    p.store.insert(key(name.toLatin1().constData()), stored);
    const Settings s = loadSettings(p);
    const QString got = name == QLatin1String("IniTM") ? s.usualStart
                        : name == QLatin1String("DayTM") ? s.regularHours
                        : name == QLatin1String("Name")  ? s.name
                                                         : s.leaveBalance;
    QCOMPARE(got, loaded);
    saveSettings(p, s);
    QCOMPARE(p.store.value(key(name.toLatin1().constData())), loaded);
}

void TestSettings::emptySagyoGivesDefault()
{
    ScriptedPlatform p;
    p.store.insert(key("Sagyo"), QString());
    QCOMPARE(loadSettings(p).defaultNote, QStringLiteral("○○○作業"));
    p.store.insert(key("Sagyo"), QStringLiteral("  会議, 資料  "));
    QCOMPARE(loadSettings(p).defaultNote, QStringLiteral("  会議, 資料  "));
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
    // Each key alone, then both: a store with both (a hand edit) has 45
    // minutes, as the dialog shows it, never the two deducted together.
    for (const char *on : {"T6Sw", "T4Sw", "both"}) {
        ScriptedPlatform p;
        if (qstrcmp(on, "T4Sw") != 0)
            p.store.insert(key("T6Sw"), stored);
        if (qstrcmp(on, "T6Sw") != 0)
            p.store.insert(key("T4Sw"), stored);
        const LunchBreak expected = !value ? LunchBreak::None
                                    : qstrcmp(on, "T6Sw") == 0 ? LunchBreak::Minutes60
                                                               : LunchBreak::Minutes45;
        QCOMPARE(loadSettings(p).lunchBreak, expected);
    }
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
    const Settings s = loadSettings(p);
    QCOMPARE(s.shiftWork, value);
    QCOMPARE(s.tenDayTally, value);
}

void TestSettings::choices_data()
{
    QTest::addColumn<QString>("restDay");
    QTest::addColumn<QString>("agreementStart");
    QTest::addColumn<int>("weekday"); // Qt::DayOfWeek
    QTest::addColumn<int>("month");
    QTest::newRow("absent: Sunday and April") << QString() << QString() << 7 << 4;
    QTest::newRow("0 is Sunday, 1 January") << "0" << "1" << 7 << 1;
    QTest::newRow("6 is Saturday, 12 December") << "6" << "12" << 6 << 12;
    QTest::newRow("past the ends") << "7" << "13" << 7 << 4;
    QTest::newRow("below the ends") << "-1" << "0" << 7 << 4;
    QTest::newRow("not whole numbers") << "3.0" << "April" << 7 << 4;
}

void TestSettings::choices()
{
    QFETCH(QString, restDay);
    QFETCH(QString, agreementStart);
    QFETCH(int, weekday);
    QFETCH(int, month);
    ScriptedPlatform p;
    if (!restDay.isNull())
        p.store.insert(key("RestDay"), restDay);
    if (!agreementStart.isNull())
        p.store.insert(key("AgreementStart"), agreementStart);
    const Settings s = loadSettings(p);
    QCOMPARE(int(s.restDay), weekday);
    QCOMPARE(s.agreementStartMonth, month);
    QVERIFY(p.writes.isEmpty() && p.boxes.isEmpty());
    saveSettings(p, s);
    QCOMPARE(loadSettings(p).restDay, s.restDay);
    QCOMPARE(p.store.value(key("AgreementStart")), QString::number(month));
}

void TestSettings::saveWritesEveryKey()
{
    ScriptedPlatform p;
    Settings s;
    s.lunchBreak = LunchBreak::Minutes45;
    s.shiftWork = 1;
    QVERIFY(saveSettings(p, s));
    QStringList stored;
    for (auto it = p.store.cbegin(); it != p.store.cend(); ++it)
        stored << it.key().section(QLatin1Char('/'), 2) + QLatin1Char('=') + it.value();
    QCOMPARE(stored, QStringList({"AgreementStart=4", "DayTM=08:00", "Granted=", "Hired=", "IniTM=09:00", "Ktsw=0", "Name=",
                                  "Remind=1", "RestDay=0", "Sagyo=○○○作業", "Sift=1", "T4Sw=True", "T6Sw=False",
                                  "WeekDays=5", "Yukyu=00.0"}));
}

void TestSettings::savedValuesLoadBack()
{
    ScriptedPlatform p;
    Settings s;
    s.usualStart = QStringLiteral("08:30");
    s.regularHours = QStringLiteral("07:45");
    s.leaveBalance = QStringLiteral("12.5");
    s.lunchBreak = LunchBreak::Minutes60;
    s.defaultNote = QStringLiteral(" 開発、試験 ");
    s.tenDayTally = 1;
    saveSettings(p, s);
    const Settings back = loadSettings(p);
    QCOMPARE(back.usualStart, s.usualStart);
    QCOMPARE(back.regularHours, s.regularHours);
    QCOMPARE(back.leaveBalance, s.leaveBalance);
    QCOMPARE(back.lunchBreak, LunchBreak::Minutes60);
    QCOMPARE(back.defaultNote, s.defaultNote);
    QCOMPARE(back.tenDayTally, 1);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
