#pragma once
// The shown month's overtime as the law counts it, in the calendar panel's
// heading: "時間外 12:30", on amber from 80% of the month's 45-hour limit and
// on red past it, its state in words for screen readers. It follows the
// month shown and every change of the records and the settings.

#include "calendarmath.h"
#include "twips.h"

#include <QObject>

class QLabel;

namespace zentak {

class AttendanceBook;

class OvertimeFigure : public QObject {
    Q_OBJECT
public:
    // Builds its label on the calendar panel.
    OvertimeFigure(const AttendanceBook &book, const TwipScale &scale, QWidget *panel);

    QLabel *label() const { return label_; }

public slots:
    void showMonth(int year, int month);

private:
    void refresh();

    const AttendanceBook &book_;
    YearMonth shown_;
    QLabel *label_ = nullptr;
};

} // namespace zentak
