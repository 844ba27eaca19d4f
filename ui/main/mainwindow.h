#pragma once
// The main window (Form1): the calendar, the month summary above it, the
// clock-out button and the menu; the start-up and the shutdown. A plain
// window with its menu bar on top, not a QMainWindow: the docks and tool
// bars that one lays out are not used, and its code costs the start-up
// some 400 KiB.

#include "dayentrydialog.h"
#include "twips.h"
#include "windowpos.h"

#include <QWidget>

class QMenuBar;
class QPushButton;

namespace zentak {

class AttendanceBook;
class CalendarPanel;
class DayWatch;
class EndOfDayReminder;
class KeyActions;
struct UndoReport;
class MenuCommands;
class MonthSummary;
class OvertimeFigure;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(AttendanceBook &book, Platform &platform);

    // The start: the caption, the settings and this month's records, the
    // window at its saved place, and the current month; the rest of the
    // records and the journal once the first frame is drawn.
    void startUp();
    // That rest, and what the start found told to the user: the first time
    // only, whether after the first frame or sooner.
    void finishStartUp();
    // The shutdown: the window's place saved, and the records when anything
    // changed. Runs once, whichever way the program is left.
    void shutDown();

    QMenuBar *menuBar() const { return menuBar_; }
    CalendarPanel *calendar() const { return calendar_; }
    QPushButton *clockOutButton() const { return clockOutButton_; }
    OvertimeFigure *overtimeFigure() const { return overtime_; }
    KeyActions *keyActions() const { return keys_; }

public slots:
    // The day entry dialog for a day of the calendar.
    void openDay(QDate day);
    // "退社": today in the day entry dialog, with the clock-out proposal.
    void clockOut();
    // "出力": the report of the shown month, written and opened.
    void writeShownMonthReport();
    // "CSV(&C)" and "勤務表(&P)": the shown month's timesheet written as a
    // CSV, or as a PDF and opened.
    void writeShownMonthCsv();
    void writeShownMonthTimesheet();
    // Undo (Ctrl+Z): the last change to the records taken back (an erasure
    // after a question); Redo (Ctrl+Shift+Z) or Ctrl+Y: done again. The
    // calendar shows the month of the change.
    void takeBackLastChange();
    void doAgain();
    // A second start asked this instance to come forward.
    void bringForward();
    // The reminder's 退社 was chosen: the window forward, and today's day
    // dialog as the 退社 button opens it (an open dialog only comes forward).
    void clockOutFromReminder();
    // The yearly paid-leave grants that have come and are not handled yet,
    // offered in turn, one question each; the 有給 figure told of today.
    // Run at the start and whenever the date changes.
    void offerDueGrants();

signals:
    // The shutdown has finished; the program ends.
    void ended();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showChangedMonth(const UndoReport &report);
    void restorePosition();
    void openDayEntry(QDate day, DayEntryDialog::Opening opening);
    QRect restoredFrameRect() const;

    AttendanceBook &book_;
    Platform &platform_;
    ToldOnce told_;
    TwipScale scale_;
    QMenuBar *menuBar_ = nullptr;
    CalendarPanel *calendar_ = nullptr;
    MonthSummary *summary_ = nullptr;
    OvertimeFigure *overtime_ = nullptr;
    MenuCommands *menu_ = nullptr;
    KeyActions *keys_ = nullptr;
    QPushButton *clockOutButton_ = nullptr;
    DayWatch *dayWatch_ = nullptr;
    EndOfDayReminder *reminder_ = nullptr;
    bool shutDown_ = false;
    bool offeringGrants_ = false;
    bool grantsWaiting_ = false; // due while a dialog was open
};

} // namespace zentak
