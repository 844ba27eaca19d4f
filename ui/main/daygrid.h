#pragma once
// The calendar's weekday header and its 42 day cells in six weeks (Sunday
// first), built on the calendar panel and drawn from the attendance book:
// every recorded day filled by its kind, a national holiday's number in
// Sunday's red, today bordered, and each cell given the day it shows.

#include "calendarmath.h"
#include "daykind.h"
#include "twips.h"

#include <QDate>
#include <QVector>

#include <optional>

class QLabel;
class QWidget;

namespace zentak {

class AttendanceBook;
class DayLabel;
class Platform;

class DayGrid {
public:
    DayGrid(const AttendanceBook &book, Platform &platform, const TwipScale &scale, QWidget *panel);

    // The month drawn anew.
    void draw(YearMonth month);
    // A changed day's fill and what its cell says, until the month is drawn
    // again.
    void paintDay(QDate day, DayKind shownAs);

    const QVector<DayLabel *> &cells() const { return cells_; }
    DayLabel *cell(int index) const;
    // The cell that shows the day, or null when its month is not drawn.
    DayLabel *cellShowing(QDate day) const;
    QLabel *weekLabel(int index) const;

private:
    void speakCell(DayLabel *cell, QDate day, std::optional<DayKind> shownAs);

    const AttendanceBook &book_;
    Platform &platform_;
    QVector<QLabel *> weekLabels_;
    QVector<DayLabel *> cells_;
};

} // namespace zentak
