// The settings dialog's default-note box, its placement over the main
// window and its coming forward at a second start.

#include "placementmath.h"
#include "settingstest.h"

#include <cmath>

using namespace zentak;
using namespace zentak::story;

class TestSettingsPlacement : public SettingsTest {
    Q_OBJECT
private slots:
    void defaultNoteBoxRefusesAsTheDayNoteDoes();
    void handEditedDefaultNoteIsCleanedAndTold();
    void placedByItsOuterSize_data();
    void placedByItsOuterSize();
    void secondStartBringsTheDialogForward();
};

void TestSettingsPlacement::defaultNoteBoxRefusesAsTheDayNoteDoes()
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

void TestSettingsPlacement::handEditedDefaultNoteIsCleanedAndTold()
{
    p_->store.insert(setKey("Sagyo"), QStringLiteral("\"試験\"\U0001F600作業"));
    startWindow();
    QVERIFY(openSettings());
    QCOMPARE(dlg_->defaultNoteBox()->toPlainText(), QStringLiteral("試験作業"));
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("\"\U0001F600")));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QVERIFY(dialogGone());
    QCOMPARE(p_->store.value(setKey("Sagyo")), QStringLiteral("試験作業"));
}

void TestSettingsPlacement::placedByItsOuterSize_data()
{
    QTest::addColumn<QString>("ppos");
    QTest::newRow("centred over the main window") << "6105 1935";
    QTest::newRow("main window at the screen's right edge") << "17000 1935";
    QTest::newRow("main window at the screen's bottom edge") << "6105 14000";
}

void TestSettingsPlacement::placedByItsOuterSize()
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

void TestSettingsPlacement::secondStartBringsTheDialogForward()
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

QTEST_MAIN(TestSettingsPlacement)
#include "tst_settingsplacement.moc"
