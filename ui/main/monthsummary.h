#pragma once
// The strip above the calendar: the shown month's worked hours and day
// count, and the paid-leave balance with the five days a year to take. It
// is kept current on the attendance book's signals.

#include "calendarmath.h"
#include "twips.h"

#include <QObject>

class QLabel;

namespace zentak {

class AttendanceBook;

class MonthSummary : public QObject {
    Q_OBJECT
public:
    // Builds its labels on the main window's client area.
    MonthSummary(const AttendanceBook &book, const TwipScale &scale, QWidget *client);

    // The start is over: from now on the busy pointer shows while a month
    // is totalled. The start's totals (the first frame's, and the whole
    // file's right after it) take a hundredth of a millisecond under a
    // window still being shown; the desktop's animated wait pointer, loaded
    // for them, cost some 125 KiB at every start.
    void startFinished() { started_ = true; }

public slots:
    // Totals the month and shows it.
    void showMonth(int year, int month);
    // The shown month again, and the paid leave as of today.
    void refresh();
    // The five days a year of the grant in force as of today: told in the
    // 有給 figure's description, and marked when they fall short near
    // their deadline. No month is totalled.
    void showFiveDays();

private:
    const AttendanceBook &book_;
    bool started_ = false;
    YearMonth shown_;
    QLabel *hours_ = nullptr;
    QLabel *days_ = nullptr;
    QLabel *balance_ = nullptr;
    QLabel *fiveDaysMark_ = nullptr;
};

} // namespace zentak
