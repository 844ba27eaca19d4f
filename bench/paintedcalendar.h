#pragma once
// An experiment of the start-up benchmark: the calendar's 7 weekday
// headers and 42 day cells drawn by one widget instead of 49 labels, in the
// same places, colours and font, to measure what the labels cost before
// the first frame. It has no accessible children, focus frame or clicks:
// it draws and nothing else.

#include <QColor>
#include <QDate>
#include <QRect>
#include <QString>
#include <QWidget>

namespace zentak::bench {

class PaintedCalendar : public QWidget {
public:
    // Placed on the calendar panel, showing the month of `today`, today
    // bordered.
    PaintedCalendar(QWidget *panel, QDate today);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Cell {
        QRect rect;
        QString text;
        QColor textColor;
        QColor fill; // invalid: none
        bool border = false;
    };
    Cell cells_[49];
};

} // namespace zentak::bench
