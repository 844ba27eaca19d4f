#pragma once
// The main window's menu bar and the commands it gives: the settings
// dialog, the month's timesheet, the fortune of the day, the version
// message, the exit, the maintenance dialog, the two desk accessories and
// the window of the overtime as the law counts it.

#include "accessories.h"
#include "toldonce.h"

#include <QObject>

class QMenuBar;
class QWidget;

namespace zentak {

class AttendanceBook;
class Platform;

class MenuCommands : public QObject {
    Q_OBJECT
public:
    // Builds the menu tree on the main window's menu bar.
    MenuCommands(AttendanceBook &book, Platform &platform, ToldOnce &told, QWidget *mainWindow, QMenuBar *bar);

public slots:
    void openSettings();
    void openMaintenance();
    // "時間外(&O)": the window 時間外労働の状況.
    void openOvertime();
    void showFortune();
    void showVersion();
    void startCalculator();
    void startTextEditor();

signals:
    // "終了(&X)  Ctrl+X" was chosen; the main window ends the program.
    void exitChosen();
    // "CSV(&C)" or "勤務表(&P)" was chosen: the timesheet of the month the
    // main window shows, written as a CSV or as a PDF.
    void csvChosen();
    void timesheetChosen();

private:
    void buildMenu(QMenuBar *bar);
    void startAccessory(Accessory which);

    AttendanceBook &book_;
    Platform &platform_;
    ToldOnce &told_;
    QWidget *mainWindow_;
};

} // namespace zentak
