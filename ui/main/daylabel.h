#pragma once
// One cell of the calendar: a day number with an optional opaque fill, a
// thin border (today) and a focus frame (the day the keys act on). It knows
// the day it shows, set as its month is drawn, and a click reports that
// day. For assistive technology a cell that shows a day is a button named
// by its date and described by its record.

#include "daykind.h"

#include <QColor>
#include <QDate>
#include <QLabel>

#include <optional>

namespace zentak {

// The fill of a recorded day's cell by its kind: worked cyan, paid leave
// magenta, holiday red, compensatory day off green; a cancelled day none
// (an invalid colour).
QColor fillOf(DayKind kind);

// Assistive technology's view of the calendar: the day cells as above,
// the panel a group named by its month. Installed by the panel, before any
// of it is asked for.
void installCalendarAccessibility();

class DayLabel : public QLabel {
    Q_OBJECT
public:
    explicit DayLabel(QWidget *parent = nullptr);

    // The day shown; invalid for a cell outside the month.
    void setDate(QDate day) { date_ = day; }
    QDate date() const { return date_; }

    void setFill(const QColor &color); // an invalid colour: transparent
    QColor fill() const { return fill_; }
    bool opaque() const { return fill_.isValid(); }

    void setBorder(bool on);
    bool border() const { return border_; }

    // A working day before today left without a record: a quiet mark of its
    // own, a dotted line along the foot of the cell.
    void setMissing(bool on);
    bool missing() const { return missing_; }

    // The focus frame: two pixels of blue inside the cell, within today's
    // border. The cell so framed has the accessible focus.
    // The cell under the calendar's focus frame (it has the focus for
    // assistive technology); `visible`: the frame is drawn.
    void setFocusFrame(bool on, bool visible);
    bool focusFrame() const { return focusFrame_; }

    void setTextColor(const QColor &color);
    QColor textColor() const { return textColor_; }

    // The accessible name and description, set only when they change (each
    // change is an event to the screen reader).
    void setSpoken(const QString &name, const QString &description);
    // The tooltip: the name of the day's national holiday, empty on other
    // days (set only when it changes, as the cells are drawn at every step).
    void setHolidayName(const QString &name);
    QString holidayName() const { return toolTip(); }

    // What a click does, for assistive technology's press action: an
    // empty cell reports nothing.
    void press();

signals:
    void clicked(QDate day);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QDate date_;
    QColor fill_;
    QColor textColor_;
    bool border_ = false;
    bool missing_ = false;
    bool focusFrame_ = false;
    bool frameVisible_ = false;
};

} // namespace zentak
