#pragma once
// A program folder of the test's own, a scripted desktop, and the real main
// window started in it, as often as a story needs (a restart keeps the
// folder and the settings store, as a second start of the program would).

#include "attendancebook.h"
#include "calendarpanel.h"
#include "dayentrydialog.h"
#include "daylabel.h"
#include "mainwindow.h"
#include "menucommands.h"
#include "scriptedplatform.h"
#include "filetexts.h"
#include "windows.h"
#include "settingsdialog.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zentak::story {

using test::readFile;
using test::sjis;
using test::writeFile;

// What the user does in a dialog: presses a button by its name, types over
// what a box holds (as after selecting it all), types any text (QTest's
// own typing knows only Latin-1).
inline void press(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void typeText(QWidget *box, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, len), Qt::NoModifier);
        i += len - 1;
    }
}

inline void typeOver(QLineEdit *box, const QString &text)
{
    box->selectAll();
    box->del(); // typing nothing over it empties it too
    typeText(box, text);
}

// A click on a cell of the calendar, where its panel draws it.
inline void clickCell(const DayLabel *cell)
{
    QTest::mouseClick(cell->panel(), Qt::LeftButton, {}, cell->geometry().center());
}

// The settings store's values of one section, "key=value" in key order.
inline QStringList storeSection(const ScriptedPlatform &platform, const QString &section)
{
    QStringList out;
    const QString prefix = QStringLiteral("ZENTAK/") + section + QLatin1Char('/');
    for (auto it = platform.store.cbegin(); it != platform.store.cend(); ++it)
        if (it.key().startsWith(prefix))
            out << it.key().mid(prefix.size()) + QLatin1Char('=') + it.value();
    return out;
}

class Program {
public:
    Program()
    {
        platform.folder = dir.path();
        platform.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
        platform.screen = QSize(1280, 1024);
    }
    ~Program() { stop(); }

    // Starts the program as main does: the book, the window, shown.
    MainWindow &start()
    {
        book = std::make_unique<AttendanceBook>(bookPortsOf(platform));
        window = std::make_unique<MainWindow>(*book, platform);
        window->startUp();
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the main window did not become active");
        // The rest of the start, which the first frame's paint sets off.
        window->finishStartUp();
        return *window;
    }

    // Ends the program with X, as the user does.
    void exit()
    {
        QTest::keyClick(window.get(), Qt::Key_X);
    }

    void stop()
    {
        window.reset();
        test::deleteWindows();
        book.reset();
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString dataPath() const { return path(QStringLiteral("Zentak.txt")); }

    // The cell that shows the day in the month on screen (none: nullptr).
    DayLabel *cell(int day) const
    {
        for (int i = 0; i < 42; ++i)
            if (window->calendar()->dayCell(i)->text() == QString::number(day))
                return window->calendar()->dayCell(i);
        return nullptr;
    }
    QString strip(const char *name) const
    {
        return window->findChild<QLabel *>(QLatin1String(name))->text();
    }
    // The summary strip as the user reads it: msum | kensu | zan.
    QString summary() const
    {
        return strip("msum") + QStringLiteral(" | ") + strip("kensu") + QStringLiteral(" | ")
               + strip("zan");
    }
    // The filled days of the month on screen: "1 cyan, 2 magenta, ...".
    QString fills() const
    {
        QStringList out;
        for (int day = 1; day <= 31; ++day) {
            const DayLabel *c = cell(day);
            if (!c || !c->opaque())
                continue;
            const QString rgb = c->fill().name();
            const QString name = rgb == QLatin1String("#00ffff")   ? QStringLiteral("cyan")
                                 : rgb == QLatin1String("#ff00ff") ? QStringLiteral("magenta")
                                 : rgb == QLatin1String("#ff0000") ? QStringLiteral("red")
                                 : rgb == QLatin1String("#00ff00") ? QStringLiteral("green")
                                                                   : rgb;
            out << QStringLiteral("%1 %2").arg(day).arg(name);
        }
        return out.join(QStringLiteral(", "));
    }

    // The dialog of the given kind that is open on the screen, or null.
    template <typename Dialog>
    static Dialog *openDialog()
    {
        return qobject_cast<Dialog *>(FormDialog::openDialog());
    }
    // A click on the day's cell; the day entry dialog it opened, or null.
    DayEntryDialog *openDay(int day)
    {
        DayLabel *c = cell(day);
        if (!c)
            return nullptr;
        clickCell(c);
        return openDialog<DayEntryDialog>();
    }
    // The day's dialog opened from its cell and one of its leave buttons
    // pressed: true when the dialog closed and the main window is back.
    bool markDay(int day, const char *button)
    {
        DayEntryDialog *dialog = openDay(day);
        if (dialog)
            press(dialog, button);
        return dialog && backAtMainWindow();
    }
    // A menu item chosen by its name; the dialog it opened, or null.
    template <typename Dialog>
    Dialog *choose(const char *item)
    {
        window->findChild<QAction *>(QLatin1String(item))->trigger();
        return openDialog<Dialog>();
    }
    SettingsDialog *openSettings() { return choose<SettingsDialog>("MNUFILESET"); }
    // The dialog has closed and the main window is back in front.
    bool backAtMainWindow() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window->isVisible() && !FormDialog::openDialog();
    }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<AttendanceBook> book;
    std::unique_ptr<MainWindow> window;
};

} // namespace zentak::story
