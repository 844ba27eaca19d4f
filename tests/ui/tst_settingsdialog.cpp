// The settings dialog opened from the real main window: what it shows, its
// three checks, the save into memory and the store, leaving it without
// saving, a store that cannot be written.

#include "messages.h"
#include "settingstest.h"

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kTitle = QStringLiteral("Zentak  Ver1.3.0");
const QString kStartMsg = QStringLiteral("出社時間はHH:MMで入力して下さい！");
const QString kHoursMsg = QStringLiteral("就業時間はHH:MMで入力して下さい！");
const QString kLeaveMsg = QStringLiteral("有給残は00.0で入力して下さい！");

} // namespace

class TestSettingsDialog : public SettingsTest {
    Q_OBJECT
private slots:
    void firstRunBySKey();
    void opening_data();
    void opening();
    void checks_data();
    void checks();
    void saveStoresAndGovernsTheNextCalculation_data();
    void saveStoresAndGovernsTheNextCalculation();
    void leavingChangesNothing_data();
    void leavingChangesNothing();
    void storeThatCannotBeWrittenIsTold();
};

void TestSettingsDialog::firstRunBySKey()
{
    startWindow();
    QTest::keyClick(w_->clockOutButton(), Qt::Key_S);
    dlg_ = Program::openDialog<SettingsDialog>();
    QVERIFY(dlg_);
    QVERIFY(dlg_->isVisible());
    QVERIFY(!w_->isVisible());
    QCOMPARE(dlg_->objectName(), QStringLiteral("Form2"));
    QCOMPARE(dlg_->windowTitle(), QStringLiteral("Zentakの設定"));
    QCOMPARE(dlg_->size(), QSize(296, 254)); // 4440 × 3810 twips
    QCOMPARE(shown(dlg_), QStringLiteral("09:00|08:00|00.0|-|-|○○○作業|-|-"));
    QCOMPARE(dlg_->usualStartBox()->maxLength(), 5);
    QCOMPARE(dlg_->regularHoursBox()->maxLength(), 5);
    QCOMPARE(dlg_->leaveBalanceBox()->maxLength(), 4);

    // The tab order, from the start-time box round to it again.
    QStringList order;
    QWidget *at = dlg_->usualStartBox();
    for (int i = 0; i < 11; ++i) {
        order << at->objectName();
        at = at->nextInFocusChain();
        while (at && !(at->focusPolicy() & Qt::TabFocus))
            at = at->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"initim", "daytim", "Option1", "Option2", "yukyuz", "simei", "Text1", "Command1",
                                 "Command2", "Check1", "Check2"}));

    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    QVERIFY(dialogGone());
    QVERIFY(p_->writes.isEmpty());
    QVERIFY(p_->boxes.isEmpty());
}

void TestSettingsDialog::opening_data()
{
    QTest::addColumn<QStringList>("stored"); // "key=value" in section "set"
    QTest::addColumn<QString>("shown");
    QTest::newRow("every setting") << QStringList{"IniTM=08:45", "DayTM=07:30", "Yukyu=12.5", "T6Sw=True",
                                                  "T4Sw=False", "Sagyo=設計\r\nレビュー", "Sift=1", "Ktsw=1"}
                                   << "08:45|07:30|12.5|60|-|設計\r\nレビュー|shift|ten";
    QTest::newRow("blank times and balance leave their boxes empty")
        << QStringList{"IniTM=", "DayTM=     ", "Yukyu="} << "|||-|-|○○○作業|-|-";
    QTest::newRow("four-character start shown with its blank") << QStringList{"IniTM=8:30"}
                                                               << "8:30 |08:00|00.0|-|-|○○○作業|-|-";
    QTest::newRow("both options stored, the 45-minute one chosen")
        << QStringList{"T6Sw=True", "T4Sw=True"} << "09:00|08:00|00.0|-|45|○○○作業|-|-";
}

void TestSettingsDialog::opening()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, shown);
    for (const QString &kv : stored)
        p_->store.insert(setKey(qPrintable(kv.section(u'=', 0, 0))), kv.section(u'=', 1));
    startWindow();
    // Filled from memory, never from the store.
    p_->store.clear();
    QVERIFY(openSettings());
    QCOMPARE(::shown(dlg_), shown);
    QVERIFY(p_->boxes.isEmpty());
}

void TestSettingsDialog::checks_data()
{
    QTest::addColumn<QString>("initim");
    QTest::addColumn<QString>("daytim");
    QTest::addColumn<QString>("yukyuz");
    QTest::addColumn<QString>("box"); // the box refused, empty when saved
    QTest::newRow("10.5 passes") << "09:00" << "08:00" << "10.5" << "";
    QTest::newRow("00.0 passes") << "09:00" << "08:00" << "00.0" << "";
    QTest::newRow("1.5") << "09:00" << "08:00" << "1.5" << "yukyuz";
    QTest::newRow("10.2") << "09:00" << "08:00" << "10.2" << "yukyuz";
    QTest::newRow("10. with the point last") << "09:00" << "08:00" << "10." << "yukyuz";
    QTest::newRow("-1.5") << "09:00" << "08:00" << "-1.5" << "yukyuz";
    QTest::newRow("blank before 0.5") << "09:00" << "08:00" << " 0.5" << "yukyuz";
    QTest::newRow("balance empty") << "09:00" << "08:00" << "" << "yukyuz";
    // A bad start stops the checks: the bad hours are not examined.
    QTest::newRow("start 9:00") << "9:00" << "8:00" << "x" << "initim";
    QTest::newRow("start 24:00") << "24:00" << "8:00" << "x" << "initim";
    QTest::newRow("start with a blank for its zero") << " 8:30" << "08:00" << "00.0" << "initim";
    QTest::newRow("hours 8:00") << "09:00" << "8:00" << "x" << "daytim";
    QTest::newRow("hours 08:60") << "09:00" << "08:60" << "00.0" << "daytim";
    QTest::newRow("times typed full width pass") << "０８：３０" << "０７：４５" << "10.5" << "";
    QTest::newRow("balance with the ideographic full stop") << "09:00" << "08:00" << "09。0" << "";
    QTest::newRow("balance full width") << "09:00" << "08:00" << "０９．５" << "";
}

void TestSettingsDialog::checks()
{
    QFETCH(QString, initim);
    QFETCH(QString, daytim);
    QFETCH(QString, yukyuz);
    QFETCH(QString, box);
    startWindow();
    const QString before = joined(program_->book->settings());
    QVERIFY(openSettings());
    FocusAtBoxes focus(*p_);
    typeOver(dlg_->usualStartBox(), initim);
    typeOver(dlg_->regularHoursBox(), daytim);
    typeOver(dlg_->leaveBalanceBox(), yukyuz);
    dlg_->defaultNoteBox()->setFocus(); // the focus is elsewhere when "保存" is pressed
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    if (box.isEmpty()) {
        QVERIFY(p_->boxes.isEmpty());
        QVERIFY(dialogGone());
        // As the input method typed it, in ASCII.
        QString stored = yukyuz;
        for (QChar &c : stored)
            c = c == u'。' ? QChar(u'.') : c.unicode() >= 0xFF0E && c.unicode() <= 0xFF19 ? QChar(c.unicode() - 0xFEE0) : c;
        QCOMPARE(program_->book->settings().leaveBalance, stored);
        QCOMPARE(p_->store.value(setKey("Yukyu")), stored);
        return;
    }
    const QString message = box == QLatin1String("initim") ? kStartMsg
                            : box == QLatin1String("daytim") ? kHoursMsg
                                                             : kLeaveMsg;
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(p_->boxes[0].text, message);
    QCOMPARE(p_->boxes[0].title, kTitle);
    QCOMPARE(p_->boxes[0].icon, MsgIcon::Stop);
    QCOMPARE(p_->boxes[0].buttons, MsgButtons::Ok);
    QCOMPARE(focus.names(), QStringList{box}); // moved before the message
    QVERIFY(dlg_ && dlg_->isVisible());
    QVERIFY(!w_->isVisible());
    QCOMPARE(dlg_->usualStartBox()->text(), initim); // entries kept as they were
    QCOMPARE(dlg_->leaveBalanceBox()->text(), yukyuz);
    QCOMPARE(joined(program_->book->settings()), before);
    QVERIFY(p_->writes.isEmpty());
}

void TestSettingsDialog::saveStoresAndGovernsTheNextCalculation_data()
{
    QTest::addColumn<QString>("option"); // the lunch option chosen
    QTest::addColumn<QString>("t6");
    QTest::addColumn<QString>("t4");
    QTest::addColumn<QString>("worked"); // 09:00 to 18:00 with regular hours 07:30
    QTest::addColumn<QString>("kintai");
    QTest::addColumn<QString>("remind"); // stored before, kept by the save
    QTest::newRow("60 minutes") << "Option1" << "True" << "False" << "07:45" << "07.75" << "1";
    QTest::newRow("45 minutes") << "Option2" << "False" << "True" << "08:00" << "08.00" << "1";
    QTest::newRow("neither, no reminder") << "" << "False" << "False" << "08:45" << "08.75" << "0";
}

void TestSettingsDialog::saveStoresAndGovernsTheNextCalculation()
{
    QFETCH(QString, option);
    QFETCH(QString, t6);
    QFETCH(QString, t4);
    QFETCH(QString, worked);
    QFETCH(QString, kintai);
    QFETCH(QString, remind);
    p_->store.insert(setKey("Remind"), remind);
    startWindow();
    QVERIFY(openSettings());
    if (!option.isEmpty())
        QTest::mouseClick(dlg_->findChild<QRadioButton *>(option), Qt::LeftButton, {}, QPoint(4, 4));
    typeOver(dlg_->usualStartBox(), QStringLiteral("08:45"));
    typeOver(dlg_->regularHoursBox(), QStringLiteral("07:30"));
    typeOver(dlg_->leaveBalanceBox(), QStringLiteral("10.5"));
    dlg_->defaultNoteBox()->selectAll();
    typeText(dlg_->defaultNoteBox(), QStringLiteral("定例"));
    QTest::keyClick(dlg_->defaultNoteBox(), Qt::Key_Return);
    typeText(dlg_->defaultNoteBox(), QStringLiteral("会議"));
    dlg_->shiftWorkBox()->setChecked(true);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QVERIFY(p_->boxes.isEmpty());
    QVERIFY(dialogGone());
    QCOMPARE(storeSection(*p_, kSectionSet), QStringList({"AgreementStart=4", "DayTM=07:30", "Granted=", "Hired=", "IniTM=08:45",
                                                         "Ktsw=0", "Name=", "Remind=" + remind, "RestDay=0", "Sagyo=定例\r\n会議",
                                                         "Sift=1", "T4Sw=" + t4, "T6Sw=" + t6, "WeekDays=5", "Yukyu=10.5"}));
    // The main window came back and recomputed its summary.
    QCOMPARE(w_->findChild<QLabel *>(QStringLiteral("zan"))->text(), QStringLiteral("10.5"));

    // The next day entered takes the new settings.
    DayEntryDialog *day = program_->openDay(9);
    QVERIFY(day);
    QCOMPARE(day->startTimeBox()->text(), QStringLiteral("08:45"));
    QCOMPARE(day->noteBox()->toPlainText(), QStringLiteral("定例\n会議"));
    typeOver(day->startTimeBox(), QStringLiteral("09:00"));
    typeOver(day->endTimeBox(), QStringLiteral("18:00"));
    QTest::mouseClick(day->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(day->workedTimeBox()->text(), worked);
    QCOMPARE(day->attendanceBox()->text(), kintai);
}

void TestSettingsDialog::leavingChangesNothing_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("戻る") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("the window's close button") << "close";
}

void TestSettingsDialog::leavingChangesNothing()
{
    QFETCH(QString, way);
    p_->store.insert(setKey("T6Sw"), QStringLiteral("True"));
    p_->store.insert(setKey("Yukyu"), QStringLiteral("05.5"));
    startWindow();
    const QString before = joined(program_->book->settings());
    const auto storeBefore = p_->store;
    QVERIFY(openSettings());
    typeOver(dlg_->usualStartBox(), QStringLiteral("07:00"));
    typeOver(dlg_->regularHoursBox(), QStringLiteral("07:00"));
    typeOver(dlg_->leaveBalanceBox(), QStringLiteral("20.0"));
    QTest::mouseClick(dlg_->lunchBreak45Option(), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(!dlg_->lunchBreak60Option()->isChecked()); // one group
    dlg_->defaultNoteBox()->selectAll();
    typeText(dlg_->defaultNoteBox(), QStringLiteral("別の作業"));
    dlg_->shiftWorkBox()->setChecked(true);
    dlg_->tenDayTallyBox()->setChecked(true);
    if (way == QLatin1String("button"))
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
    else if (way == QLatin1String("escape"))
        QTest::keyClick(dlg_, Qt::Key_Escape);
    else
        dlg_->close();
    QVERIFY(dialogGone());
    QCOMPARE(joined(program_->book->settings()), before);
    QCOMPARE(p_->store, storeBefore);
    QVERIFY(p_->writes.isEmpty());
    QVERIFY(p_->boxes.isEmpty());
}

void TestSettingsDialog::storeThatCannotBeWrittenIsTold()
{
    startWindow();
    p_->storeWritable = false;
    QVERIFY(openSettings());
    typeOver(dlg_->regularHoursBox(), QStringLiteral("07:30"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QVERIFY(dialogGone());
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(p_->boxes[0].text, kSettingsNotSaved);
    // The run goes on with what the user chose.
    QCOMPARE(program_->book->settings().regularHours, QStringLiteral("07:30"));
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
