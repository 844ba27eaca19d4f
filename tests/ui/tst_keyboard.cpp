// The program without a mouse, through the real main window: the calendar's keys, the
// dialogs finished by keys alone, and what a screen reader is told of each control.

#include "program.h"

#include <QAccessible>
#include <QMetaEnum>

using namespace zentak;
using namespace zentak::story;

namespace {

// Keys pressed on the window in front, by the names QKeySequence reads, or
// 'text' typed.
void pressKeys(const QString &script)
{
    for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
        QCoreApplication::processEvents();
        const QKeyCombination key = QKeySequence(token)[0];
        if (token.startsWith(u'\''))
            typeText(QApplication::focusWidget(), token.mid(1, token.size() - 2));
        else
            QTest::keyClick(QGuiApplication::focusWindow(), key.key(), key.keyboardModifiers());
    }
    QCoreApplication::processEvents();
}

// What the user finds: "calendar" (the month shown, the framed day, the day the frame is
// drawn on, the day whose dialog is open), "file NAME", or a control as a screen reader
// has it ("day N" or its name: role, name, description, state).
QString found(Program &program, const QString &look)
{
    const QStringList words = look.split(u' ');
    const CalendarPanel *calendar = program.window->calendar();
    if (look == u"calendar") {
        QString drawn = QStringLiteral("-");
        for (int i = 0; i < 42; ++i)
            if (calendar->dayCell(i)->focusFrame())
                drawn = calendar->dayCell(i)->text();
        const auto *dialog = Program::openDialog<DayEntryDialog>();
        return QStringLiteral("%1 %2 %3 %4")
            .arg(calendar->shownMonth().first().toString(u"yyyy-MM"), calendar->framedDay().toString(Qt::ISODate),
                 drawn, dialog ? dialog->day().toString(Qt::ISODate) : QStringLiteral("-"));
    }
    if (words[0] == u"file")
        return QFile::exists(program.path(words[1])) ? QStringLiteral("written") : QStringLiteral("none");
    QWidget *front = FormDialog::openDialog() ? FormDialog::openDialog() : static_cast<QWidget *>(program.window.get());
    QObject *w = words[0] == u"day" ? program.cell(words[1].toInt()) : front->findChild<QObject *>(look);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return QStringLiteral("no control");
    // A reader says the label before a name that does not hold it (on
    // Linux a combo box's name is its current text).
    QString name = a->text(QAccessible::Name);
    for (const auto &[label, relation] : a->relations(QAccessible::Label))
        if (!name.contains(label->text(QAccessible::Name)))
            name = label->text(QAccessible::Name) + u' ' + name;
    const QAccessible::State s = a->state();
    return QStringList{QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role()), name,
                       a->text(QAccessible::Description), s.focused ? "focused" : s.focusable ? "focusable" : "-"}
        .join(u'|');
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void withoutMouse_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("look");
        QTest::addColumn<QString>("found");
        auto row = [](const char *tag, const char *keys, const char *look, const char *found) {
            QTest::newRow(tag) << QString(keys) << QString(look) << QString(found);
        };
        row("the frame starts on today", "", "calendar", "2026-12 2026-12-07 7 -");
        row("Down into the next year", "Down Down Down Down", "calendar", "2027-01 2027-01-04 4 -");
        row("Up into the last year", "PgDown Up", "calendar", "2026-12 2026-12-31 31 -");
        row("Page Up from the 31st", "Down Down Down Right Right Right PgUp", "calendar", "2026-11 2026-11-30 30 -");
        row("Ctrl+Page Up", "Ctrl+PgUp", "calendar", "2025-12 2025-12-07 7 -");
        row("Ctrl+Page Down from 29 February", "Ctrl+PgDown PgDown PgDown Down Down Down Right Ctrl+PgDown",
            "calendar", "2029-02 2029-02-28 28 -");
        row("Home", "PgDown PgDown Left Home", "calendar", "2026-12 2026-12-07 7 -");
        row("Return opens the framed day", "Right Return", "calendar", "2026-12 2026-12-08 - 2026-12-08");
        row("Space", "Space", "calendar", "2026-12 2026-12-07 - 2026-12-07");
        row("keypad Enter", "Up Enter", "calendar", "2026-11 2026-11-30 - 2026-11-30");
        row("Escape, back to the frame", "Right Return Escape", "calendar", "2026-12 2026-12-08 8 -");
        row("maintenance left by Escape", "Alt+E Escape", "calendar", "2026-12 2026-12-07 7 -");
        row("a day computed and stored",
            "Home Return Tab '09:00' Tab '18:00' Tab Tab Tab Tab Tab Return Shift+Tab Shift+Tab Return", "day 7",
            "Button|12月7日 月曜日|今日 勤務 8.75時間 ○○○作業|focused");
        row("settings saved", "S Tab Tab Tab '12.5' Tab Tab Tab Return", "zan", "StaticText|有給 12.5||-");
        row("a month's report", "Alt+E Up Down Tab Tab Tab Return", "file 202612.txt", "written");
        row("worked", "", "day 8", "Button|12月8日 火曜日|勤務 8.00時間 設計レビュー|focusable");
        row("paid leave", "", "day 9", "Button|12月9日 水曜日|有給休暇（１日）|focusable");
        row("a record three years away", "", "day 10", "Button|12月10日 木曜日|記録なし|focusable");
        row("today", "", "day 7", "Button|12月7日 月曜日|今日 記録なし|focused");
        row("a working day left empty", "", "day 4", "Button|12月4日 金曜日|未入力|focusable");
        row("a Sunday left empty", "", "day 6", "Button|12月6日 日曜日|記録なし|focusable");
        row("the days left empty", "", "lblUnrecorded", "StaticText|未入力 4日||-");
        row("today unframed", "Right", "day 7", "Button|12月7日 月曜日|今日 記録なし|focusable");
        row("outside the month", "", "lblDay_0", "Button|||-");
        row("marked by keys", "Right Right Right Right Return Tab Tab Tab Tab Tab Tab Tab Tab Return", "day 11",
            "Button|12月11日 金曜日|休日|focused");
        row("the calendar", "", "Picture1", "Grouping|2026年12月||focused");
        row("hours", "", "msum", "StaticText|稼動時間 8.00||-");
        row("hours of the next month", "PgDown", "msum", "StaticText|稼動時間 0.00||-");
        row("day dialog's date", "Right Return", "tday", "StaticText|日付 26年12月08日(火)||-");
        row("note", "Right Return", "tmsg", "EditableText|作業内容（連続200文字まで）||focused");
        row("save", "Right Return", "Command1", "Button|保存||focusable");
        row("usual start", "S", "initim", "EditableText|出社時間||focused");
        row("45 minutes", "S", "Option2", "RadioButton|お昼休み ４５分||focusable");
        row("year", "Alt+E", "Tyear", "ComboBox|年 2026||focused");
        row("December's total", "Alt+E", "tmonth_12", "StaticText|12月 8.00||-");
    }
    void withoutMouse()
    {
        QFETCH(QString, keys);
        QFETCH(QString, look);
        QFETCH(QString, found);
        // Today is 2026/12/07. A worked day, a day of paid leave, and a
        // holiday of 2023/12/10, three years away, which 2026/12/10 does not show.
        Program program;
        QVERIFY(writeFile(program.dataPath(),
                          sjis(QStringLiteral("\"2026/12/08\",\"火\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"設計レビュー\"\r\n"
                                              "\"2026/12/09\",\"水\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"有給休暇（１日）\"\r\n"
                                              "\"2023/12/10\",\"日\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"休日\"\r\n"))));
        program.start();
        pressKeys(keys);
        QCOMPARE(::found(program, look), found);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
