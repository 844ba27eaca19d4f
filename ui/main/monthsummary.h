#pragma once
// The strip above the calendar: the shown month's worked hours and day
// count, and the paid-leave balance. It is kept current on the attendance
// book's signals.

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

public slots:
    // Totals the month and shows it.
    void showMonth(int year, int month);

private:
    void refresh();

    const AttendanceBook &book_;
    YearMonth shown_;
    QLabel *hours_ = nullptr;
    QLabel *days_ = nullptr;
    QLabel *balance_ = nullptr;
};

} // namespace zentak
