#pragma once
// The calendar panel (Picture1): the shown year and month, the weekday
// header, 42 day cells in six weeks (Sunday first) and the buttons that step
// by month and year. Every recorded day is filled by its kind and today is
// framed (the cells are the DayGrid's, painted by the panel itself). It
// draws from the attendance book and follows its signals.
//
// With the keyboard focus it frames one day of the shown month, the one
// the keys act on: the arrow keys move the frame by a day or a week (into
// the month before or after, which is then shown), Home goes to today,
// Enter or Space opens the framed day as a click does, Page Up and Page Down
// step by month, Ctrl with them by year, as the buttons do.

#include "calendarmath.h"
#include "daygrid.h"
#include "twips.h"

#include <QDate>
#include <QFrame>

#include <memory>

class QLabel;
class QPushButton;

namespace zentak {

class AttendanceBook;

class CalendarPanel : public QFrame {
    Q_OBJECT
public:
    CalendarPanel(const AttendanceBook &book, Platform &platform, const TwipScale &scale,
                  QWidget *parent = nullptr);

    YearMonth shownMonth() const { return shown_; }
    // Shows the month, drawn anew, with the frame on today when the month
    // holds it, else on the 1st.
    void showMonth(YearMonth month);
    // The day the keys act on, and moving the frame to a day (its month
    // shown when it is not).
    QDate framedDay() const { return framed_; }
    void frameDay(QDate day);

    DayLabel *dayCell(int index) const { return grid_->cell(index); }
    // The cell that shows the day, or null when its month is not shown.
    DayLabel *cellShowing(QDate day) const { return grid_->cellShowing(day); }
    CellLabel *weekLabel(int index) const { return grid_->weekLabel(index); }
    QLabel *yearLabel() const { return yearLabel_; }
    QLabel *monthLabel() const { return monthLabel_; }
    QPushButton *reportButton() const { return reportButton_; }

public slots:
    // The shown month drawn again, the frame where it is: after the date
    // changed (today's border and the days left without a record move).
    void drawMonth();
    // The steps keep the framed day's number (the month's last day when
    // the month is shorter).
    void showPreviousYear();
    void showNextYear();
    void showPreviousMonth();
    void showNextMonth();

signals:
    // A day of the shown month was clicked.
    void dayChosen(QDate day);
    // Another month is shown (or the same one drawn anew after a step).
    void monthShown(int year, int month);

protected:
    // The cells painted, a day's holiday told by its tooltip, a click on a
    // day reported.
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showFramed(YearMonth month, QDate framed);
    void stepTo(YearMonth month);
    // The frame drawn on the framed day's cell while the panel has the
    // keyboard focus, and nowhere else.
    void placeFrame();
    // The framed cell announced to assistive technology as the focus.
    void announceFrame();

    const AttendanceBook &book_;
    Platform &platform_;
    TwipScale scale_;
    YearMonth shown_;
    QDate framed_;
    // The frame shows once the calendar is worked by the keyboard, and
    // goes again at a click: the mouse user sees the calendar as it was.
    bool keyboardUsed_ = false;
    QLabel *yearLabel_ = nullptr;
    QLabel *monthLabel_ = nullptr;
    QPushButton *reportButton_ = nullptr;
    std::unique_ptr<DayGrid> grid_;
    // The day cell the left button went down on: the click is its when the
    // button comes up on it too.
    DayLabel *pressed_ = nullptr;
};

} // namespace zentak
