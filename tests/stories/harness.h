#pragma once
// A program folder of the test's own, a scripted desktop, and the real main
// window started in it, as often as a story needs (a restart keeps the
// folder and the settings store, as a second start of the program would).

#include "appstate.h"
#include "calendarpanel.h"
#include "daylabel.h"
#include "mainwindow.h"
#include "recordstore.h"
#include "scriptedplatform.h"
#include "windows.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zentak::story {

inline QByteArray sjis(const QString &s)
{
    QStringEncoder e("windows-31j");
    return e.encode(s);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
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

    // Starts the program as main does: state, records, window, shown.
    MainWindow &start()
    {
        state = std::make_unique<AppState>();
        store = std::make_unique<RecordStore>(*state, platform);
        window = std::make_unique<MainWindow>(*state, platform, *store);
        window->Form_Load();
        window->show();
        QApplication::setActiveWindow(window.get());
        QTest::qWaitForWindowActive(window.get());
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
        store.reset();
        state.reset();
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString dataPath() const { return path(QStringLiteral("Zentak.txt")); }

    // The cell that shows the day in the month on screen (none: nullptr).
    DayLabel *cell(int day) const
    {
        for (int i = 0; i < 42; ++i)
            if (window->calendar()->dayLabel(i)->text() == QString::number(day))
                return window->calendar()->dayLabel(i);
        return nullptr;
    }
    QString strip(const char *name) const
    {
        return window->findChild<QLabel *>(QLatin1String(name))->text();
    }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<AppState> state;
    std::unique_ptr<RecordStore> store;
    std::unique_ptr<MainWindow> window;
};

} // namespace zentak::story
