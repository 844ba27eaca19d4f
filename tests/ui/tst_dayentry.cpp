// The day entry dialog: what it shows on opening, the checks and the store
// of "保存", the calculation, the leave-kind buttons with the balance, the
// way back to the main window, and the guarded note box.

#include "appstate.h"
#include "cellpainter.h"
#include "datafile.h"
#include "dayentrydialog.h"
#include "dayentryrules.h"
#include "fixedtext.h"
#include "noteedit.h"
#include "recordstore.h"
#include "scriptedplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

const QString kHHMM = QStringLiteral("時間はHH:MMで入力して下さい！");
const QString kHHdotMM = QStringLiteral("時間はHH.MMで入力して下さい！");

// Remembers which widget had the focus when each box came up.
class FocusPlatform : public ScriptedPlatform {
public:
    QStringList focusAtBox;
    MsgAnswer messageBox(const QString &text, const QString &title, MsgButtons buttons,
                         MsgIcon icon) override
    {
        QWidget *f = QApplication::focusWidget();
        focusAtBox << (f ? f->objectName() : QString());
        return ScriptedPlatform::messageBox(text, title, buttons, icon);
    }
};

struct Painter : CellPainter {
    QList<QPair<int, CellFill>> calls;
    void paintCell(int index, CellFill fill) override { calls.append({index, fill}); }
};

// Counts the times it was brought back from hidden.
class MainWindow : public QWidget {
public:
    int shown = 0;
    void setVisible(bool visible) override
    {
        if (visible && !isVisible())
            ++shown;
        QWidget::setVisible(visible);
    }
};

// Types text as key presses carrying it, one character at a time (QTest's
// own keyClicks knows Latin-1 only).
void typeText(QWidget *w, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text.mid(i, len), Qt::NoModifier);
        i += len - 1;
    }
}

// A column of the current data row, where a value is wanted in an expression.
template <class T> T fetch(const char *name)
{
    return *static_cast<T *>(QTest::qData(name, qMetaTypeId<T>()));
}

struct Rig {
    QTemporaryDir dir;
    FocusPlatform platform;
    AppState state;
    RecordStore store{state, platform};
    Painter painter;
    MainWindow mainWindow;
    QPointer<DayEntryDialog> dialog;

    Rig(const QString &date = QStringLiteral("2024/01/15"), const QString &week = QStringLiteral("月"))
    {
        platform.folder = dir.path();
        state.editDay = {date, week};
        state.cursor = {yearSlot(date.left(4).toInt()), date.mid(5, 2).toInt(), date.mid(8, 2).toInt()};
        state.editLabelIndex = 17;
        mainWindow.show();
        mainWindow.shown = 0;
    }
    ~Rig() { delete dialog.data(); }

    void setRecord(const QString &start, const QString &end, const QString &worked,
                   const QString &kintai, const QString &note)
    {
        const QString values[] = {state.editDay.date, state.editDay.week, start, end, worked, kintai, note};
        for (int f = 0; f < kFieldCount; ++f)
            state.table.setField(state.cursor, static_cast<Field>(f), values[f]);
    }
    DayRecord record() const
    {
        return state.table.record(state.cursor.slot, state.cursor.month, state.cursor.day);
    }
    bool open()
    {
        dialog = new DayEntryDialog(state, platform, store, painter, &mainWindow);
        dialog->formLoad();
        dialog->show();
        QApplication::setActiveWindow(dialog);
        return QTest::qWaitForWindowActive(dialog);
    }
    template <class T = QLineEdit> T *w(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    QString text(const char *name) const { return w(name)->text(); }
    void type(const char *name, const QString &value)
    {
        w(name)->clear();
        QTest::keyClicks(w(name), value);
    }
    void click(const char *name) { QTest::mouseClick(w<QPushButton>(name), Qt::LeftButton); }
    QString dataFile() const
    {
        QFile f(QDir(dir.path()).filePath(kDataFileName));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QStringDecoder(kCodePageName).decode(f.readAll());
    }
};

} // namespace

class TestDayEntry : public QObject {
    Q_OBJECT
private slots:
    void formatTday_data();
    void formatTday();
    void formatBalance_data();
    void formatBalance();
    void isetKeepsNote();
    void layout_data();
    void layout();
    void tabOrder();
    void opening_data();
    void opening();
    void saveRefused_data();
    void saveRefused();
    void saveStoresAsTyped();
    void saveLeaveDayPaintsWorked();
    void leavingWithoutStore_data();
    void leavingWithoutStore();
    void calculation_data();
    void calculation();
    void calculationRefused_data();
    void calculationRefused();
    void clockOut_data();
    void clockOut();
    void leaveButtons_data();
    void leaveButtons();
    void cancel_data();
    void cancel();
    void noteRefusesTyped_data();
    void noteRefusesTyped();
    void noteRefusesPastedAndCommitted();
    void noteLimit_data();
    void noteLimit();
    void noteStoredTextKeptAsIs();
};

void TestDayEntry::formatTday_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2024/01/15") << "2024/01/15" << "月" << "24年01月15日(月)";
    QTest::newRow("turn of the century") << "2000/12/31" << "日" << "00年12月31日(日)";
}

void TestDayEntry::formatTday()
{
    QFETCH(QString, date);
    QFETCH(QString, week);
    QCOMPARE(zentak::formatTday(EditDay{date, week}), fetch<QString>("expected"));
}

void TestDayEntry::formatBalance_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "00.0";
    QTest::newRow("half") << 0.5 << "00.5";
    QTest::newRow("nine and a half") << 9.5 << "09.5";
    QTest::newRow("ten") << 10.0 << "10.0";
    QTest::newRow("negative whole") << -1.0 << "-1.0";
    QTest::newRow("negative half") << -0.5 << "-0.5";
    QTest::newRow("three digits cut") << 100.5 << "100.";
    QTest::newRow("negative two digits cut") << -10.0 << "-10.";
}

void TestDayEntry::formatBalance()
{
    QFETCH(double, days);
    QCOMPARE(zentak::formatBalance(days), fetch<QString>("expected"));
}

void TestDayEntry::isetKeepsNote()
{
    AttendanceTable t;
    const CellCursor c{yearSlot(2024), 2, 29};
    t.setField(c, Field::Start, u"08:15");
    t.setField(c, Field::Note, u"打合せ");
    zentak::iniset(t, c, EditDay{QStringLiteral("2024/02/29"), QStringLiteral("木")});
    const DayRecord &r = t.record(c.slot, c.month, c.day);
    QCOMPARE(r.date, QStringLiteral("2024/02/29"));
    QCOMPARE(r.week, QStringLiteral("木"));
    QCOMPARE(r.start + r.end + r.worked + r.kintai, QStringLiteral("00:0000:0000:0000.00"));
    QCOMPARE(r.note, fixedWidth(u"打合せ", 200));
}

void TestDayEntry::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    QTest::newRow("tday") << "tday" << QRect(38, 9, 143, 17) << "";
    QTest::newRow("Command1") << "Command1" << QRect(199, 5, 40, 25) << "保存";
    QTest::newRow("tstim") << "tstim" << QRect(38, 34, 37, 18) << "";
    QTest::newRow("tktim") << "tktim" << QRect(254, 34, 37, 18) << "";
    QTest::newRow("tmsg") << "tmsg" << QRect(8, 77, 283, 71) << "";
    QTest::newRow("Command3") << "Command3" << QRect(7, 155, 40, 25) << "計算";
    QTest::newRow("Command4_1") << "Command4_1" << QRect(103, 155, 40, 25) << "半給";
    QTest::newRow("Command6") << "Command6" << QRect(247, 155, 40, 25) << "取消";
    QTest::newRow("Label1") << "Label1" << QRect(9, 10, -1, -1) << "日付";
    QTest::newRow("Label10") << "Label10" << QRect(9, 58, -1, -1) << "作業内容（連続200文字まで）";
}

void TestDayEntry::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    Rig rig;
    QVERIFY(rig.open());
    QCOMPARE(rig.dialog->windowTitle(), QStringLiteral("Zentakの作業内容"));
    QCOMPARE(rig.dialog->size(), QSize(297, 186));
    QCOMPARE(rig.dialog->minimumSize(), rig.dialog->maximumSize());
    QWidget *w = rig.dialog->findChild<QWidget *>(name);
    QVERIFY(w);
    if (rect.width() < 0)
        QCOMPARE(w->pos(), rect.topLeft());
    else
        QCOMPARE(w->geometry(), rect);
    if (auto *b = qobject_cast<QPushButton *>(w))
        QCOMPARE(b->text(), caption);
    else if (auto *l = qobject_cast<QLabel *>(w); l && !caption.isEmpty())
        QCOMPARE(l->text(), caption);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        QCOMPARE(e->maxLength(), 5);
}

void TestDayEntry::tabOrder()
{
    Rig rig;
    QVERIFY(rig.open());
    QCOMPARE(QApplication::focusWidget(), rig.w<NoteEdit>("tmsg"));
    QStringList seen;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, QStringList({"tstim", "tetim", "tptim", "tktim", "Command1", "Command2",
                                "Command3", "Command5", "Command4_0", "Command4_1", "Command7",
                                "Command6", "tmsg"}));
    for (const char *name : {"tstim", "tetim", "tptim", "tktim"})
        QCOMPARE(rig.w(name)->maxLength(), 5);
}

void TestDayEntry::opening_data()
{
    QTest::addColumn<bool>("hasRecord");
    QTest::addColumn<QStringList>("fields"); // start, end, worked, kintai, note
    QTest::addColumn<QString>("iniTM");
    QTest::addColumn<QString>("sagyo");
    QTest::addColumn<QStringList>("boxes"); // tstim, tetim, tptim, tktim, tmsg
    const QStringList none;
    QTest::newRow("record") << true << QStringList{"08:45", "17:30", "07:45", "07.75", "会議"}
                            << "09:00" << "既定" << QStringList{"08:45", "17:30", "07:45", "07.75", "会議"};
    QTest::newRow("start keeps its blanks, others trimmed")
        << true << QStringList{"9:00", " 8:00", " 7:0", " 7.5", "  字下げ"} << "09:00" << "既定"
        << QStringList{"9:00 ", "8:00", "7:0", "7.5", "  字下げ"};
    QTest::newRow("no record") << false << none << "08:30" << "○○○作業"
                               << QStringList{"08:30", "", "", "", "○○○作業"};
    QTest::newRow("no record, IniTM blank") << false << none << "     " << "○○○作業"
                                            << QStringList{"09:00", "", "", "", "○○○作業"};
    QTest::newRow("Sagyo without trailing blanks") << false << none << "08:30" << "定例作業   "
                                                   << QStringList{"08:30", "", "", "", "定例作業"};
    QTest::newRow("start 00:00 stays") << true << QStringList{"00:00", "09:00", "09:00", "09.00", "夜勤"}
                                       << "08:30" << "既定" << QStringList{"00:00", "09:00", "09:00", "09.00", "夜勤"};
    QTest::newRow("leave day") << true << QStringList{"00:00", "00:00", "00:00", "00.00", "休日"} << "08:30"
                               << "既定" << QStringList{"00:00", "00:00", "00:00", "00.00", "休日"};
    QTest::newRow("blank start and note of a record") << true << QStringList{"", "18:00", "", "", ""}
                                                      << "10:00" << "既定" << QStringList{"10:00", "18:00", "", "", "既定"};
    QTest::newRow("note over two lines") << true << QStringList{"09:00", "", "", "", "一行目\r\n二行目"}
                                         << "09:00" << "既定" << QStringList{"09:00", "", "", "", "一行目\n二行目"};
}

void TestDayEntry::opening()
{
    QFETCH(bool, hasRecord);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, boxes);
    Rig rig;
    rig.state.settings.IniTM = fetch<QString>("iniTM");
    rig.state.settings.Sagyo = fetch<QString>("sagyo");
    if (hasRecord)
        rig.setRecord(fields[0], fields[1], fields[2], fields[3], fields[4]);
    QVERIFY(rig.open());
    QVERIFY(!rig.mainWindow.isVisible());
    QCOMPARE(rig.w<QLabel>("tday")->text(), QStringLiteral("24年01月15日(月)"));
    const QStringList shown{rig.text("tstim"), rig.text("tetim"), rig.text("tptim"), rig.text("tktim"),
                            rig.w<NoteEdit>("tmsg")->toPlainText()};
    QCOMPARE(shown, boxes);
    QCOMPARE(QApplication::focusWidget(), rig.w<NoteEdit>("tmsg"));
    QVERIFY(rig.platform.boxes.isEmpty());
    QVERIFY(!rig.state.dataChanged);
}

void TestDayEntry::saveRefused_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty end") << QStringList{"09:00", "", "08:00", "08.00"} << "tetim" << kHHMM;
    QTest::newRow("one hour digit start") << QStringList{"9:00", "18:00", "08:00", "08.00"} << "tstim" << kHHMM;
    QTest::newRow("start 24:00") << QStringList{"24:00", "18:00", "08:00", "08.00"} << "tstim" << kHHMM;
    QTest::newRow("end minutes 60") << QStringList{"09:00", "12:60", "08:00", "08.00"} << "tetim" << kHHMM;
    QTest::newRow("worked with a point") << QStringList{"09:00", "18:00", "08.00", "08.00"} << "tptim" << kHHMM;
    QTest::newRow("worked empty") << QStringList{"09:00", "18:00", "", "08.00"} << "tptim" << kHHMM;
    QTest::newRow("attendance with a colon") << QStringList{"09:00", "18:00", "08:00", "07:45"} << "tktim" << kHHdotMM;
    QTest::newRow("attendance one digit") << QStringList{"09:00", "18:00", "08:00", "7.75"} << "tktim" << kHHdotMM;
    QTest::newRow("all bad, start first") << QStringList{"x", "y", "z", "w"} << "tstim" << kHHMM;
}

void TestDayEntry::saveRefused()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, box);
    Rig rig;
    QVERIFY(rig.open());
    const char *names[] = {"tstim", "tetim", "tptim", "tktim"};
    for (int i = 0; i < 4; ++i)
        rig.type(names[i], typed[i]);
    rig.click("Command1");
    QCOMPARE(rig.platform.boxes.size(), 1);
    QCOMPARE(rig.platform.boxes[0].text, fetch<QString>("message"));
    QCOMPARE(rig.platform.boxes[0].title, rig.state.messageTitle);
    QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Stop);
    QCOMPARE(rig.platform.boxes[0].buttons, MsgButtons::Ok);
    QCOMPARE(rig.platform.focusAtBox, QStringList{box}); // focus moved before the box
    QVERIFY(!rig.record().inUse());
    QVERIFY(!rig.state.dataChanged && !rig.state.summaryStale);
    QVERIFY(rig.painter.calls.isEmpty());
    QVERIFY(rig.dialog && rig.dialog->isVisible());
    QVERIFY(!rig.mainWindow.isVisible());
}

void TestDayEntry::saveStoresAsTyped()
{
    Rig rig;
    QVERIFY(rig.open());
    rig.type("tstim", QStringLiteral("08:30"));
    rig.type("tetim", QStringLiteral("17:45"));
    rig.type("tptim", QStringLiteral("07:45"));
    rig.type("tktim", QStringLiteral(" 7.75")); // passes the shape check, stored untrimmed
    auto *note = rig.w<NoteEdit>("tmsg");
    note->selectAll();
    typeText(note, QStringLiteral("作業A"));
    QTest::keyClick(note, Qt::Key_Return);
    typeText(note, QStringLiteral("作業B"));
    rig.click("Command1");

    QVERIFY(rig.platform.boxes.isEmpty());
    const DayRecord r = rig.record();
    QCOMPARE(r.date, QStringLiteral("2024/01/15"));
    QCOMPARE(r.week, QStringLiteral("月"));
    QCOMPARE(r.start, QStringLiteral("08:30"));
    QCOMPARE(r.end, QStringLiteral("17:45"));
    QCOMPARE(r.worked, QStringLiteral("07:45"));
    QCOMPARE(r.kintai, QStringLiteral(" 7.75"));
    QCOMPARE(r.note, fixedWidth(u"作業A\r\n作業B", 200));
    QCOMPARE(rig.painter.calls, (QList<QPair<int, CellFill>>{{17, CellFill::Worked}}));
    QVERIFY(rig.state.dataChanged && rig.state.summaryStale);
    QTRY_VERIFY(rig.dialog.isNull());
    QVERIFY(rig.mainWindow.isVisible());
    QCOMPARE(rig.mainWindow.shown, 1);
    QVERIFY(rig.dataFile().startsWith(
        QStringLiteral("\"2024/01/15\",\"月\",\"08:30\",\"17:45\",\"07:45\",\" 7.75\",\"作業A\r\n作業B")));
    AttendanceTable reread;
    QCOMPARE(readDataFile(rig.store.dataFilePath(), reread).status, ReadStatus::Read);
    QCOMPARE(reread.record(rig.state.cursor.slot, 1, 15).note, r.note);
}

void TestDayEntry::saveLeaveDayPaintsWorked()
{
    Rig rig;
    rig.setRecord(QStringLiteral("00:00"), QStringLiteral("00:00"), QStringLiteral("00:00"), QStringLiteral("00.00"), kMarkHoliday);
    QVERIFY(rig.open());
    rig.click("Command1");
    QCOMPARE(rig.painter.calls, (QList<QPair<int, CellFill>>{{17, CellFill::Worked}}));
    QCOMPARE(rig.record().note, fixedWidth(kMarkHoliday, 200));
    QCOMPARE(rig.state.settings.Yukyu, QStringLiteral("00.0"));
}

void TestDayEntry::leavingWithoutStore_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("戻る") << 0;
    QTest::newRow("Escape in the note") << 1;
    QTest::newRow("window closed") << 2;
}

void TestDayEntry::leavingWithoutStore()
{
    QFETCH(int, way);
    Rig rig;
    rig.setRecord(QStringLiteral("08:00"), QStringLiteral("17:00"), QStringLiteral("08:00"), QStringLiteral("08.00"), QStringLiteral("元のメモ"));
    const DayRecord before = rig.record();
    QVERIFY(rig.open());
    rig.type("tstim", QStringLiteral("10:00"));
    rig.type("tetim", QStringLiteral("11:00"));
    if (way == 0)
        rig.click("Command2");
    else if (way == 1)
        QTest::keyClick(rig.w<NoteEdit>("tmsg"), Qt::Key_Escape);
    else
        rig.dialog->close();
    QTRY_VERIFY(rig.dialog.isNull());
    QVERIFY(rig.mainWindow.isVisible());
    QCOMPARE(rig.mainWindow.shown, 1);
    QCOMPARE(rig.record().start, before.start);
    QCOMPARE(rig.record().note, before.note);
    QVERIFY(!rig.state.dataChanged && !rig.state.summaryStale);
    QVERIFY(rig.painter.calls.isEmpty());
    QVERIFY(rig.platform.boxes.isEmpty());
    QVERIFY(!QFile::exists(rig.store.dataFilePath()));
}

void TestDayEntry::calculation_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("t6");
    QTest::addColumn<bool>("t4");
    QTest::addColumn<int>("sift");
    QTest::addColumn<QString>("worked");
    QTest::addColumn<QString>("kintai");
    QTest::newRow("09:00-18:00") << "09:00" << "18:00" << true << false << 0 << "08:00" << "08.00";
    QTest::newRow("09:00-18:15 back to the regular hours") << "09:00" << "18:15" << true << false << 0 << "08:00" << "08.00";
    QTest::newRow("22:00-07:00 shift") << "22:00" << "07:00" << true << false << 1 << "08:00" << "08.00";
    QTest::newRow("end before start") << "09:30" << "09:00" << true << false << 0 << "23:15" << "23.25";
}

void TestDayEntry::calculation()
{
    Rig rig;
    rig.state.settings.T6Sw = fetch<bool>("t6");
    rig.state.settings.T4Sw = fetch<bool>("t4");
    rig.state.settings.Sift = fetch<int>("sift");
    QVERIFY(rig.open());
    rig.type("tstim", fetch<QString>("start"));
    rig.type("tetim", fetch<QString>("end"));
    rig.click("Command3");
    QCOMPARE(rig.text("tptim"), fetch<QString>("worked"));
    QCOMPARE(rig.text("tktim"), fetch<QString>("kintai"));
    QVERIFY(rig.platform.boxes.isEmpty());
    QVERIFY(!rig.record().inUse()); // only the boxes change
    QVERIFY(rig.dialog && rig.dialog->isVisible());
}

void TestDayEntry::calculationRefused_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("box");
    QTest::newRow("start with one hour digit") << "9:00" << "18:00" << "tstim";
    QTest::newRow("end empty") << "09:00" << "" << "tetim";
    QTest::newRow("both bad, start first") << "" << "25:00" << "tstim";
}

void TestDayEntry::calculationRefused()
{
    Rig rig;
    QVERIFY(rig.open());
    rig.type("tstim", fetch<QString>("start"));
    rig.type("tetim", fetch<QString>("end"));
    rig.type("tptim", QStringLiteral("01:23"));
    rig.type("tktim", QStringLiteral("01.25"));
    rig.click("Command3");
    QCOMPARE(rig.platform.boxes.size(), 1);
    QCOMPARE(rig.platform.boxes[0].text, kHHMM);
    QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Stop);
    QCOMPARE(rig.platform.focusAtBox, QStringList{fetch<QString>("box")});
    QCOMPARE(rig.text("tptim"), QStringLiteral("01:23"));
    QCOMPARE(rig.text("tktim"), QStringLiteral("01.25"));
}

void TestDayEntry::clockOut_data()
{
    QTest::addColumn<QString>("iniTM");
    QTest::addColumn<bool>("t6");
    QTest::addColumn<QStringList>("boxes"); // tstim, tptim, tktim
    // 09:00 to 18:12 is 552 minutes; past 08:00 + 15 the 15 minutes go.
    QTest::newRow("no lunch break") << "09:00" << false << QStringList{"09:00", "08:57", "08.75"};
    // 552 - 60 = 492, under 495: no further deduction.
    QTest::newRow("lunch break 60") << "09:00" << true << QStringList{"09:00", "08:12", "08.00"};
    QTest::newRow("IniTM not a time") << "9:00 " << false << QStringList{"9:00 ", "", ""};
    QTest::newRow("IniTM blank") << "     " << false << QStringList{"09:00", "", ""};
}

void TestDayEntry::clockOut()
{
    QFETCH(QStringList, boxes);
    Rig rig(QStringLiteral("2007/03/05"), QStringLiteral("月"));
    rig.platform.clock = QDateTime(QDate(2007, 3, 5), QTime(18, 12, 40));
    rig.state.settings.IniTM = fetch<QString>("iniTM");
    rig.state.settings.T6Sw = fetch<bool>("t6");
    rig.setRecord(QStringLiteral("10:00"), QStringLiteral("19:00"), QStringLiteral("08:00"), QStringLiteral("08.00"), QStringLiteral("メモ"));
    rig.state.clockOutMode = true;
    QVERIFY(rig.open());
    QVERIFY(!rig.state.clockOutMode);
    QCOMPARE(rig.w<QLabel>("tday")->text(), QStringLiteral("07年03月05日(月)"));
    QCOMPARE(QStringList({rig.text("tstim"), rig.text("tptim"), rig.text("tktim")}), boxes);
    QCOMPARE(rig.text("tetim"), QStringLiteral("18:12"));
    QCOMPARE(rig.w<NoteEdit>("tmsg")->toPlainText(), QStringLiteral("メモ"));
    QVERIFY(rig.platform.boxes.isEmpty());
    rig.click("Command2");
    QCOMPARE(rig.record().start, QStringLiteral("10:00"));
    QVERIFY(!rig.state.dataChanged);
}

void TestDayEntry::leaveButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("yukyu");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("fill");
    const int paid = int(CellFill::PaidLeave);
    const QString zero = QStringLiteral("有給休暇残は０日です！");
    QTest::newRow("有給 at 00.0") << "Command4_0" << "00.0" << zero << "00.0" << "" << 0;
    QTest::newRow("半給 at 00.0") << "Command4_1" << "00.0" << zero << "00.0" << "" << 0;
    QTest::newRow("有給 at 00.5") << "Command4_0" << "00.5" << "有給休暇残は０．５日です！" << "00.5" << "" << 0;
    QTest::newRow("半給 at 00.5") << "Command4_1" << "00.5" << "" << "00.0" << kMarkHalfDay << paid;
    QTest::newRow("有給 at 10.0") << "Command4_0" << "10.0" << "" << "09.0" << kMarkWholeDay << paid;
    QTest::newRow("半給 at 10.0") << "Command4_1" << "10.0" << "" << "09.5" << kMarkHalfDay << paid;
    QTest::newRow("有給 at 01.0") << "Command4_0" << "01.0" << "" << "00.0" << kMarkWholeDay << paid;
    QTest::newRow("休日") << "Command5" << "05.5" << "" << "05.5" << kMarkHoliday << int(CellFill::Holiday);
    QTest::newRow("代休") << "Command7" << "05.5" << "" << "05.5" << kMarkCompensatory << int(CellFill::Compensatory);
}

void TestDayEntry::leaveButtons()
{
    QFETCH(QString, refusal);
    QFETCH(QString, after);
    QFETCH(QString, marker);
    Rig rig;
    rig.state.settings.Yukyu = fetch<QString>("yukyu");
    rig.setRecord(QStringLiteral("08:00"), QStringLiteral("17:00"), QStringLiteral("08:00"), QStringLiteral("08.00"), kMarkWholeDay);
    QVERIFY(rig.open());
    rig.click(fetch<QString>("button").toLatin1().constData());
    QCOMPARE(rig.state.settings.Yukyu, after);
    if (!refusal.isEmpty()) {
        QCOMPARE(rig.platform.boxes.size(), 1);
        QCOMPARE(rig.platform.boxes[0].text, refusal);
        QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Information);
        QCOMPARE(rig.platform.boxes[0].buttons, MsgButtons::Ok);
        QCOMPARE(rig.record().start, QStringLiteral("08:00"));
        QVERIFY(!rig.state.dataChanged && rig.painter.calls.isEmpty());
        QVERIFY(rig.dialog && rig.dialog->isVisible());
        return;
    }
    QVERIFY(rig.platform.boxes.isEmpty());
    const DayRecord r = rig.record();
    QCOMPARE(r.date + r.week, QStringLiteral("2024/01/15月"));
    QCOMPARE(r.start + r.end + r.worked + r.kintai, QStringLiteral("00:0000:0000:0000.00"));
    QCOMPARE(r.note, fixedWidth(marker, 200));
    QCOMPARE(rig.painter.calls, (QList<QPair<int, CellFill>>{{17, CellFill(fetch<int>("fill"))}}));
    QVERIFY(rig.state.dataChanged && rig.state.summaryStale);
    QCOMPARE(rig.platform.store.value(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu"))), after);
    QVERIFY(rig.dataFile().contains(QStringLiteral("\"00:00\",\"00.00\",\"") + marker));
    QTRY_VERIFY(rig.dialog.isNull());
    QCOMPARE(rig.mainWindow.shown, 1);
}

void TestDayEntry::cancel_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("typed"); // replaces the note box when not empty
    QTest::addColumn<QString>("yukyu");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("after");
    QTest::newRow("whole day back") << kMarkWholeDay << "" << "09.0" << true << "10.0";
    QTest::newRow("half day back") << kMarkHalfDay << "" << "09.5" << true << "10.0";
    QTest::newRow("worked day, nothing back") << "作業" << "" << "09.5" << true << "09.5";
    QTest::newRow("leading blanks trimmed") << "  " + kMarkWholeDay << "" << "00.0" << true << "01.0";
    QTest::newRow("marker followed by more") << kMarkHalfDay + "午後" << "" << "00.0" << true << "00.5";
    QTest::newRow("edited box decides") << "作業" << kMarkHalfDay << "01.0" << true << "01.5";
    QTest::newRow("edited away") << kMarkWholeDay << "作業" << "01.0" << true << "01.0";
    QTest::newRow("cut to four characters") << kMarkWholeDay << "" << "99.5" << true << "100.";
    QTest::newRow("answered No") << kMarkWholeDay << "" << "09.0" << false << "09.0";
}

void TestDayEntry::cancel()
{
    QFETCH(QString, note);
    QFETCH(QString, typed);
    QFETCH(bool, yes);
    Rig rig;
    rig.state.settings.Yukyu = fetch<QString>("yukyu");
    rig.setRecord(QStringLiteral("00:00"), QStringLiteral("00:00"), QStringLiteral("00:00"), QStringLiteral("00.00"), note);
    rig.state.table.setField(rig.state.cursor, Field::Start, u"08:00");
    rig.platform.answers.enqueue(yes ? MsgAnswer::Yes : MsgAnswer::No);
    QVERIFY(rig.open());
    if (!typed.isEmpty()) {
        rig.w<NoteEdit>("tmsg")->selectAll();
        typeText(rig.w<NoteEdit>("tmsg"), typed);
    }
    rig.click("Command6");
    QCOMPARE(rig.platform.boxes.size(), 1);
    QCOMPARE(rig.platform.boxes[0].text, QStringLiteral("作業内容を取消しますか？"));
    QCOMPARE(rig.platform.boxes[0].buttons, MsgButtons::YesNo);
    QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Question);
    QCOMPARE(rig.platform.boxes[0].title, rig.state.messageTitle);
    QCOMPARE(rig.state.settings.Yukyu, fetch<QString>("after"));
    if (!yes) {
        QCOMPARE(rig.record().start, QStringLiteral("08:00"));
        QCOMPARE(rig.record().note, fixedWidth(note, 200));
        QVERIFY(!rig.state.dataChanged && rig.painter.calls.isEmpty());
        QVERIFY(rig.dialog && rig.dialog->isVisible());
        return;
    }
    QCOMPARE(rig.record().start, QStringLiteral("00:00"));
    QCOMPARE(rig.record().note, fixedWidth(kMarkCancelled, 200));
    QVERIFY(rig.record().inUse());
    QCOMPARE(rig.painter.calls, (QList<QPair<int, CellFill>>{{17, CellFill::None}}));
    QVERIFY(rig.state.dataChanged && rig.state.summaryStale);
    QTRY_VERIFY(rig.dialog.isNull());
    QCOMPARE(rig.mainWindow.shown, 1);
}

void TestDayEntry::noteRefusesTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("refused"); // one box per refused key
    QTest::newRow("double quote") << "ab\"cd" << "abcd" << QStringList{"\""};
    QTest::newRow("e acute") << "caf\u00e9!" << "caf!" << QStringList{"\u00e9"};
    QTest::newRow("emoji") << "笑\U0001F600顔" << "笑顔" << QStringList{"\U0001F600"};
    QTest::newRow("two refusals") << "\"x\"" << "x" << QStringList{"\"", "\""};
    QTest::newRow("all storable") << "全角ｶﾅ①" << "全角ｶﾅ①" << QStringList{};
}

void TestDayEntry::noteRefusesTyped()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, refused);
    Rig rig;
    QVERIFY(rig.open());
    auto *note = rig.w<NoteEdit>("tmsg");
    note->selectAll();
    typeText(note, typed);
    QCOMPARE(note->toPlainText(), fetch<QString>("kept"));
    QCOMPARE(rig.platform.boxes.size(), refused.size());
    for (int i = 0; i < refused.size(); ++i) {
        QCOMPARE(rig.platform.boxes[i].icon, MsgIcon::Information);
        QCOMPARE(rig.platform.boxes[i].text,
                 QStringLiteral("作業内容に使えない文字があります：「%1」\n"
                                "（ダブルクォーテーションや Shift_JIS にない文字は記録できません）")
                     .arg(refused[i]));
    }
}

void TestDayEntry::noteRefusesPastedAndCommitted()
{
    NoteEdit note;
    QStringList told;
    note.setRefusalHandler([&told](const QString &r) { told << r; });
    QGuiApplication::clipboard()->setText(QStringLiteral("前\"後\u00e9\U0001F600末\""));
    note.paste();
    QCOMPARE(note.toPlainText(), QStringLiteral("前後末"));
    QCOMPARE(told, QStringList{QStringLiteral("\"\u00e9\U0001F600")});

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("漢\"字"));
    QApplication::sendEvent(&note, &commit);
    QCOMPARE(note.toPlainText(), QStringLiteral("前後末漢字"));
    QCOMPARE(told.size(), 2);
    QCOMPARE(told[1], QStringLiteral("\""));
}

void TestDayEntry::noteLimit_data()
{
    QTest::addColumn<int>("filled");  // characters already in the box
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<int>("how"); // 0 typed, 1 pasted, 2 Return key
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("added"); // what went in, at the end
    QTest::newRow("typed past the limit") << 198 << false << 0 << "bcd" << "bc";
    QTest::newRow("typed into a full box") << 200 << false << 0 << "b" << "";
    QTest::newRow("line break needs two") << 199 << false << 2 << "" << "";
    QTest::newRow("line break fits") << 198 << false << 2 << "" << "\n";
    QTest::newRow("paste cut to the room") << 195 << false << 1 << "0123456789" << "01234";
    QTest::newRow("paste with a break") << 197 << false << 1 << "b\r\nc" << "b\n";
    QTest::newRow("paste over a full selection") << 200 << true << 1 << "xyz" << "xyz";
}

void TestDayEntry::noteLimit()
{
    QFETCH(int, filled);
    QFETCH(int, how);
    QFETCH(QString, input);
    QFETCH(QString, added);
    NoteEdit note;
    int told = 0;
    note.setRefusalHandler([&told](const QString &) { ++told; });
    const QString before(filled, QLatin1Char('a'));
    note.setStoredText(before);
    QFETCH(bool, selectAll);
    if (selectAll)
        note.selectAll();
    if (how == 0)
        QTest::keyClicks(&note, input);
    else if (how == 1) {
        QGuiApplication::clipboard()->setText(input);
        note.paste();
    } else
        QTest::keyClick(&note, Qt::Key_Return);
    const QString expected = selectAll ? added : before + added;
    QCOMPARE(note.toPlainText(), expected);
    QVERIFY(NoteEdit::storedLength(note.toPlainText()) <= 200);
    QCOMPARE(characterCount(note.storedText()), NoteEdit::storedLength(note.toPlainText()));
    QCOMPARE(told, 0); // too long is not a refused character
}

void TestDayEntry::noteStoredTextKeptAsIs()
{
    NoteEdit note;
    int told = 0;
    note.setRefusalHandler([&told](const QString &) { ++told; });
    const QString stored = QStringLiteral("引用\"そのまま\"\r\n") + QString(190, QChar(u'字'));
    note.setStoredText(stored);
    QCOMPARE(note.storedText(), stored);
    QCOMPARE(note.toPlainText(), QString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(told, 0);
    QVERIFY(note.tabChangesFocus());
}

QTEST_MAIN(TestDayEntry)
#include "tst_dayentry.moc"
