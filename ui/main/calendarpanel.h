#pragma once
// The calendar panel (Picture1): the shown year and month, the weekday
// header, 42 day cells in six weeks (Sunday first) and the buttons that step
// by month and year. Every recorded day is filled by its kind and today is
// framed. It draws from the attendance book and follows its signals.

#include "calendarmath.h"
#include "daykind.h"
#include "twips.h"

#include <QDate>
#include <QFrame>
#include <QVector>

class QLabel;
class QPushButton;

namespace zentak {

class AttendanceBook;
class DayLabel;

class CalendarPanel : public QFrame {
    Q_OBJECT
public:
    CalendarPanel(const AttendanceBook &book, Platform &platform, const TwipScale &scale,
                  QWidget *parent = nullptr);

    YearMonth shownMonth() const { return shown_; }
    // Shows the month, drawn anew.
    void showMonth(YearMonth month);

    DayLabel *dayCell(int index) const;
    // The cell that shows the day, or null when its month is not shown.
    DayLabel *cellShowing(QDate day) const;
    QLabel *weekLabel(int index) const;
    QLabel *yearLabel() const { return yearLabel_; }
    QLabel *monthLabel() const { return monthLabel_; }
    QPushButton *reportButton() const { return reportButton_; }

public slots:
    void showPreviousYear();
    void showNextYear();
    void showPreviousMonth();
    void showNextMonth();

signals:
    // A day of the shown month was clicked.
    void dayChosen(QDate day);
    // Another month is shown (or the same one drawn anew after a step).
    void monthShown(int year, int month);

private:
    void buildGrid();
    void drawMonth();
    void paintDay(QDate day, DayKind shownAs);

    const AttendanceBook &book_;
    Platform &platform_;
    TwipScale scale_;
    YearMonth shown_;
    QLabel *yearLabel_ = nullptr;
    QLabel *monthLabel_ = nullptr;
    QPushButton *reportButton_ = nullptr;
    QVector<QLabel *> weekLabels_;
    QVector<DayLabel *> dayCells_;
};

} // namespace zentak
