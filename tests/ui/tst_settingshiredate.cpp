// The settings dialog's hire date, opened from the real main window: the
// dates it refuses, and the last grant handled that a hire date newly given
// stores.

#include "settingstest.h"

#include <QComboBox>

using namespace zentak;
using namespace zentak::story;

class TestSettingsHireDate : public SettingsTest {
    Q_OBJECT
private slots:
    void hireDate_data();
    void hireDate();
};

void TestSettingsHireDate::hireDate_data()
{
    QTest::addColumn<QString>("stored"); // the store's hire date at the start
    QTest::addColumn<QString>("typed");  // null: left as the box shows it
    QTest::addColumn<QString>("hired");  // as stored after the save
    QTest::addColumn<QString>("granted"); // the last grant handled as stored; "refused" when refused
    // Today is 2026/12/07.
    QTest::newRow("not a date") << "" << "2026/02/30" << "" << "refused";
    QTest::newRow("before 1900") << "" << "1899/12/31" << "" << "refused";
    QTest::newRow("after today") << "" << "2026/12/08" << "" << "refused";
    QTest::newRow("full width: the grants come are handled") << "" << "２０２０／０４／０１" << "2020/04/01" << "2026/10/01";
    QTest::newRow("today: no grant yet") << "" << "2026/12/07" << "2026/12/07" << "2026/12/07";
    QTest::newRow("none") << "" << "" << "" << "";
    QTest::newRow("not a date in the store: none") << "2023/02/29" << QString() << "" << "";
}

void TestSettingsHireDate::hireDate()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, hired);
    QFETCH(QString, granted);
    p_->store.insert(setKey("Hired"), stored);
    startWindow();
    QVERIFY(openSettings());
    FocusAtBoxes focus(*p_);
    if (!typed.isNull())
        typeOver(dlg_->hireDateBox(), typed);
    dlg_->weekDaysBox()->setCurrentIndex(2);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    if (granted == u"refused") {
        QCOMPARE(p_->boxes.size(), 1);
        QCOMPARE(p_->boxes[0].text, QStringLiteral("入社日はYYYY/MM/DDで、1900年から今日までの日付を入力して下さい！"));
        QCOMPARE(focus.names(), QStringList{"hired"});
        QVERIFY(p_->writes.isEmpty());
        return;
    }
    QVERIFY(dialogGone());
    QVERIFY(p_->boxes.isEmpty());
    QCOMPARE(p_->store.value(setKey("Hired")), hired);
    QCOMPARE(p_->store.value(setKey("Granted")), granted);
    QCOMPARE(p_->store.value(setKey("WeekDays")), QStringLiteral("3"));
}

QTEST_MAIN(TestSettingsHireDate)
#include "tst_settingshiredate.moc"
