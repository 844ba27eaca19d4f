#pragma once
// The count of the shown month's working days left without a record,
// "未入力 3日", beside the calendar, shown while there is at least one. It
// follows the month shown, every change of the records and the settings,
// and the date.

#include "calendarmath.h"
#include "twips.h"

#include <QObject>

class QLabel;
class QWidget;

namespace zentak {

class AttendanceBook;
class Platform;

class UnrecordedFigure : public QObject {
    Q_OBJECT
public:
    // Builds its label on the main window's client area.
    UnrecordedFigure(const AttendanceBook &book, Platform &platform, const TwipScale &scale, QWidget *client);

    QLabel *label() const { return label_; }

public slots:
    void showMonth(int year, int month);
    void refresh();

private:
    const AttendanceBook &book_;
    Platform &platform_;
    YearMonth shown_;
    QLabel *label_ = nullptr;
};

} // namespace zentak
