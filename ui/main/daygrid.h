#pragma once
// The calendar's weekday header and its 42 day cells in six weeks (Sunday
// first), built on the calendar panel and drawn from the attendance book:
// every recorded day filled by its kind, a national holiday's number in
// Sunday's red, today bordered, and each cell given the day it shows. The
// panel paints them all (one widget rather than 49 labels).

#include "calendarmath.h"
#include "daykind.h"
#include "twips.h"

#include <QDate>
#include <QVector>

#include <optional>

class QPainter;
class QPoint;
class QRect;
class QWidget;

namespace zentak {

class AttendanceBook;
class CellLabel;
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

    // The cells within the area of the panel, painted on it: the headers,
    // then the days.
    void paint(QPainter &p, const QRect &area) const;

    const QVector<DayLabel *> &cells() const { return cells_; }
    DayLabel *cell(int index) const;
    // The cell that shows the day, or null when its month is not drawn.
    DayLabel *cellShowing(QDate day) const;
    // The day cell at a point of the panel, or null.
    DayLabel *cellAt(const QPoint &point) const;
    CellLabel *weekLabel(int index) const;

private:
    void speakCell(DayLabel *cell, QDate day, std::optional<DayKind> shownAs);

    const AttendanceBook &book_;
    Platform &platform_;
    QVector<CellLabel *> weekLabels_;
    QVector<DayLabel *> cells_;
};

} // namespace zentak
