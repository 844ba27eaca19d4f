#pragma once
// One cell of the calendar: a day number with an optional opaque fill and a
// thin border; a click reports the cell's index.

#include "daykind.h"

#include <QColor>
#include <QLabel>

namespace zentak {

// The fill of a recorded day's cell by its kind: worked cyan, paid leave
// magenta, holiday red, compensatory day off green; a cancelled day none
// (an invalid colour).
QColor fillOf(DayKind kind);

class DayLabel : public QLabel {
    Q_OBJECT
public:
    DayLabel(int index, QWidget *parent = nullptr);

    int index() const { return index_; }

    void setFill(const QColor &color); // an invalid colour: transparent
    QColor fill() const { return fill_; }
    bool opaque() const { return fill_.isValid(); }

    void setBorder(bool on);
    bool border() const { return border_; }

    void setTextColor(const QColor &color);
    QColor textColor() const { return textColor_; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int index_;
    QColor fill_;
    QColor textColor_;
    bool border_ = false;
};

} // namespace zentak
