// What an input method types where a figure is asked for: the full-width
// digits and point, and the ideographic full stop, taken as ASCII.

#include "dayrig.h"

using namespace zentak;
using namespace zentak::story;

class TestInputMethod : public QObject {
    Q_OBJECT
private slots:
    void attendanceTypedWithTheInputMethod_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("ideographic full stop") << "07。75" << "07.75";
        QTest::newRow("full-width digits and point") << "０７．７５" << "07.75";
        QTest::newRow("full-width colon stays a colon") << "０７：７５" << "";
    }

    void attendanceTypedWithTheInputMethod()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Rig rig;
        QVERIFY(rig.open());
        typeOver(rig.dlg->startTimeBox(), QStringLiteral("09:00"));
        typeOver(rig.dlg->endTimeBox(), QStringLiteral("18:00"));
        typeOver(rig.dlg->workedTimeBox(), QStringLiteral("07:45"));
        typeOver(rig.dlg->attendanceBox(), typed);
        press(rig.dlg, "Command1");
        if (stored.isEmpty()) {
            QCOMPARE(boxAt(rig.platform, 0), expectedBox(kHHdotMM, MsgButtons::Ok, MsgIcon::Stop));
            QVERIFY(rig.stillOpen());
            return;
        }
        QVERIFY(rig.platform.boxes.isEmpty());
        QCOMPARE(rig.record().attendance, stored);
    }

};

QTEST_MAIN(TestInputMethod)
#include "tst_inputmethod.moc"
