// The settings dialog opened from the real main window: what it shows, its
// three checks, the save into memory and the store, leaving it without
// saving, its default-note box, its placement and its coming forward.

#include "messages.h"
#include "placementmath.h"
#include "program.h"

#include <QCheckBox>
#include <QPointer>
#include <QRadioButton>

#include <cmath>

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kTitle = QStringLiteral("Zentak  Ver1.3.0");
const QString kStartMsg = QStringLiteral("出社時間はHH:MMで入力して下さい！");
const QString kHoursMsg = QStringLiteral("就業時間はHH:MMで入力して下さい！");
const QString kLeaveMsg = QStringLiteral("有給残は00.0で入力して下さい！");

QString key(const char *k)
{
    return ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QLatin1String(k));
}

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    box->del();
    QTest::keyClicks(box, text);
}

// Every setting in one text, to compare whole.
QString joined(const Settings &s)
{
    return QStringList{s.usualStart, s.regularHours, s.leaveBalance, s.lunchBreak60 ? "T6" : "-",
                       s.lunchBreak45 ? "T4" : "-", s.defaultNote, QString::number(s.shiftWork),
                       QString::number(s.tenDayTally)}
        .join(u'|');
}

// What the controls show, in one text.
QString shown(SettingsDialog *d)
{
    return QStringList{d->usualStartBox()->text(), d->regularHoursBox()->text(), d->leaveBalanceBox()->text(),
                       d->lunchBreak60Option()->isChecked() ? "60" : "-",
                       d->lunchBreak45Option()->isChecked() ? "45" : "-", d->defaultNoteBox()->storedText(),
                       d->shiftWorkBox()->isChecked() ? "shift" : "-", d->tenDayTallyBox()->isChecked() ? "ten" : "-"}
        .join(u'|');
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstRunBySKey();
    void opening_data();
    void opening();
    void checks_data();
    void checks();
    void saveStoresAndGovernsTheNextCalculation_data();
    void saveStoresAndGovernsTheNextCalculation();
    void leavingChangesNothing_data();
    void leavingChangesNothing();
    void defaultNoteBoxRefusesAsTheDayNoteDoes();
    void handEditedDefaultNoteIsCleanedAndTold();
    void placedByItsOuterSize_data();
    void placedByItsOuterSize();
    void secondStartBringsTheDialogForward();
    void storeThatCannotBeWrittenIsTold();

private:
    void startWindow() { w_ = &program_->start(); }
    SettingsDialog *openSettings() { return dlg_ = Program::activated(program_->openSettings()); }
    QPushButton *button(const char *name) const
    {
        return dlg_ ? dlg_->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
    }
    bool dialogGone() { return program_->backAtMainWindow() && dlg_.isNull(); }

    std::unique_ptr<Program> program_;
    ScriptedPlatform *p_ = nullptr;
    MainWindow *w_ = nullptr;
    QPointer<SettingsDialog> dlg_;
};

void TestSettingsDialog::init()
{
    program_ = std::make_unique<Program>();
    p_ = &program_->platform;
}

void TestSettingsDialog::cleanup()
{
    program_.reset();
}

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
    QCOMPARE(dlg_->size(), QSize(296, 177)); // 4440 × 2655 twips
    QCOMPARE(shown(dlg_), QStringLiteral("09:00|08:00|00.0|-|-|○○○作業|-|-"));
    QCOMPARE(dlg_->usualStartBox()->maxLength(), 5);
    QCOMPARE(dlg_->regularHoursBox()->maxLength(), 5);
    QCOMPARE(dlg_->leaveBalanceBox()->maxLength(), 4);

    // The tab order, from the start-time box round to it again.
    QStringList order;
    QWidget *at = dlg_->usualStartBox();
    for (int i = 0; i < 10; ++i) {
        order << at->objectName();
        at = at->nextInFocusChain();
        while (at && !(at->focusPolicy() & Qt::TabFocus))
            at = at->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"initim", "daytim", "Option1", "Option2", "yukyuz", "Text1", "Command1",
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
        p_->store.insert(key(qPrintable(kv.section(u'=', 0, 0))), kv.section(u'=', 1));
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
    retype(dlg_->usualStartBox(), initim);
    retype(dlg_->regularHoursBox(), daytim);
    retype(dlg_->leaveBalanceBox(), yukyuz);
    dlg_->defaultNoteBox()->setFocus(); // the focus is elsewhere when "保存" is pressed
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    if (box.isEmpty()) {
        QVERIFY(p_->boxes.isEmpty());
        QVERIFY(dialogGone());
        QCOMPARE(program_->book->settings().leaveBalance, yukyuz);
        QCOMPARE(p_->store.value(key("Yukyu")), yukyuz);
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
    QTest::newRow("60 minutes") << "Option1" << "True" << "False" << "07:45" << "07.75";
    QTest::newRow("45 minutes") << "Option2" << "False" << "True" << "08:00" << "08.00";
    QTest::newRow("neither") << "" << "False" << "False" << "08:45" << "08.75";
}

void TestSettingsDialog::saveStoresAndGovernsTheNextCalculation()
{
    QFETCH(QString, option);
    QFETCH(QString, t6);
    QFETCH(QString, t4);
    QFETCH(QString, worked);
    QFETCH(QString, kintai);
    startWindow();
    QVERIFY(openSettings());
    if (!option.isEmpty())
        QTest::mouseClick(dlg_->findChild<QRadioButton *>(option), Qt::LeftButton, {}, QPoint(4, 4));
    retype(dlg_->usualStartBox(), QStringLiteral("08:45"));
    retype(dlg_->regularHoursBox(), QStringLiteral("07:30"));
    retype(dlg_->leaveBalanceBox(), QStringLiteral("10.5"));
    dlg_->defaultNoteBox()->selectAll();
    typeText(dlg_->defaultNoteBox(), QStringLiteral("定例"));
    QTest::keyClick(dlg_->defaultNoteBox(), Qt::Key_Return);
    typeText(dlg_->defaultNoteBox(), QStringLiteral("会議"));
    dlg_->shiftWorkBox()->setChecked(true);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);

    QVERIFY(p_->boxes.isEmpty());
    QVERIFY(dialogGone());
    QCOMPARE(storeSection(*p_, kSectionSet), QStringList({"DayTM=07:30", "IniTM=08:45", "Ktsw=0", "Sagyo=定例\r\n会議",
                                                         "Sift=1", "T4Sw=" + t4, "T6Sw=" + t6, "Yukyu=10.5"}));
    // The main window came back and recomputed its summary.
    QCOMPARE(w_->findChild<QLabel *>(QStringLiteral("zan"))->text(), QStringLiteral("10.5"));

    // The next day entered takes the new settings.
    DayEntryDialog *day = program_->openDay(9);
    QVERIFY(day);
    QCOMPARE(day->startTimeBox()->text(), QStringLiteral("08:45"));
    QCOMPARE(day->noteBox()->toPlainText(), QStringLiteral("定例\n会議"));
    retype(day->startTimeBox(), QStringLiteral("09:00"));
    retype(day->endTimeBox(), QStringLiteral("18:00"));
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
    p_->store.insert(key("T6Sw"), QStringLiteral("True"));
    p_->store.insert(key("Yukyu"), QStringLiteral("05.5"));
    startWindow();
    const QString before = joined(program_->book->settings());
    const auto storeBefore = p_->store;
    QVERIFY(openSettings());
    retype(dlg_->usualStartBox(), QStringLiteral("07:00"));
    retype(dlg_->regularHoursBox(), QStringLiteral("07:00"));
    retype(dlg_->leaveBalanceBox(), QStringLiteral("20.0"));
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

void TestSettingsDialog::defaultNoteBoxRefusesAsTheDayNoteDoes()
{
    startWindow();
    QVERIFY(openSettings());
    NoteEdit *text1 = dlg_->defaultNoteBox();
    text1->selectAll();
    typeText(text1, QStringLiteral("設\"計\u00e9"));
    QCOMPARE(text1->toPlainText(), QStringLiteral("設計"));
    QCOMPARE(p_->boxes.size(), 2);
    QTest::keyClicks(text1, QString(300, u'x'));
    QCOMPARE(NoteEdit::storedLength(text1->toPlainText()), 200);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QVERIFY(dialogGone());
    QCOMPARE(program_->book->settings().defaultNote, QStringLiteral("設計") + QString(198, u'x'));

    // The day's note box tells the same refusal in the same words.
    DayEntryDialog *day = program_->openDay(9);
    QVERIFY(day);
    day->noteBox()->selectAll();
    typeText(day->noteBox(), QStringLiteral("\"\u00e9"));
    QCOMPARE(p_->boxes.size(), 4);
    for (int i : {0, 1})
        QCOMPARE(p_->boxes[i + 2].text, p_->boxes[i].text);
    QVERIFY(p_->boxes[0].text.contains(u'"'));
    QCOMPARE(p_->boxes[0].icon, MsgIcon::Information);
}

void TestSettingsDialog::handEditedDefaultNoteIsCleanedAndTold()
{
    p_->store.insert(key("Sagyo"), QStringLiteral("\"試験\"\U0001F600作業"));
    startWindow();
    QVERIFY(openSettings());
    QCOMPARE(dlg_->defaultNoteBox()->toPlainText(), QStringLiteral("試験作業"));
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("\"\U0001F600")));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QVERIFY(dialogGone());
    QCOMPARE(p_->store.value(key("Sagyo")), QStringLiteral("試験作業"));
}

void TestSettingsDialog::placedByItsOuterSize_data()
{
    QTest::addColumn<QString>("ppos");
    QTest::newRow("centred over the main window") << "6105 1935";
    QTest::newRow("main window at the screen's right edge") << "17000 1935";
    QTest::newRow("main window at the screen's bottom edge") << "6105 14000";
}

void TestSettingsDialog::placedByItsOuterSize()
{
    QFETCH(QString, ppos);
    p_->store.insert(ScriptedPlatform::storeKey(kStoreApp, kSectionForm, kKeyPos), ppos);
    startWindow();
    const QRect main = w_->frameGeometry();
    QVERIFY(main.size() != w_->size()); // the window system gave it a frame
    QVERIFY(openSettings());
    const QRect frame = dlg_->frameGeometry();
    QCOMPARE(frame.size(), dlg_->size() + (main.size() - w_->size()));
    PlacementInput in;
    in.parentLeft = main.x() * 15.0;
    in.parentTop = main.y() * 15.0;
    in.parentWidth = main.width() * 15.0;
    in.parentHeight = main.height() * 15.0;
    in.dialogWidth = frame.width() * 15.0;
    in.dialogHeight = frame.height() * 15.0;
    in.screenWidth = 1280 * 15.0;
    in.screenHeight = 1024 * 15.0;
    const PlacementResult at = centerPosition(in);
    QCOMPARE(frame.topLeft(), QPoint(int(std::lround(at.left / 15.0)), int(std::lround(at.top / 15.0))));
    // Never past the screen's right or bottom edge.
    QVERIFY(frame.right() < 1280);
    QVERIFY(frame.bottom() < 1024);
    if (ppos.startsWith(QLatin1String("17000")))
        QCOMPARE(frame.right(), 1279);
    if (ppos.endsWith(QLatin1String("14000")))
        QCOMPARE(frame.bottom(), 1023);
}

void TestSettingsDialog::secondStartBringsTheDialogForward()
{
    startWindow();
    QVERIFY(openSettings());
    dlg_->showMinimized();
    QTRY_VERIFY(dlg_->isMinimized());
    w_->bringForward();
    QTRY_VERIFY(!dlg_->isMinimized());
    QVERIFY(dlg_->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), dlg_.data());
    QVERIFY(!w_->isVisible()); // the main window stays hidden behind it
}

void TestSettingsDialog::storeThatCannotBeWrittenIsTold()
{
    startWindow();
    p_->storeWritable = false;
    QVERIFY(openSettings());
    retype(dlg_->regularHoursBox(), QStringLiteral("07:30"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QVERIFY(dialogGone());
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(p_->boxes[0].text, kSettingsNotSaved);
    // The run goes on with what the user chose.
    QCOMPARE(program_->book->settings().regularHours, QStringLiteral("07:30"));
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
