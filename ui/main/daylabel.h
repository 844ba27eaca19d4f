#pragma once
// One cell of the calendar: a day number with an optional opaque fill and a
// thin border; a click reports the cell's index.

#include <QColor>
#include <QLabel>

namespace zentak {

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
