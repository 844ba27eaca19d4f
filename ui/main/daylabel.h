#pragma once
// The calendar's cells: the 7 weekday headers (CellLabel) and the 42 day
// cells (DayLabel), all drawn by the calendar panel in its own paint. A
// cell is a small object, not a widget: it holds what it shows and its
// place on the panel, and has the panel draw that place again when it
// changes. For assistive technology each is a child of the panel
// (calendaraccessible.h).
//
// A day cell shows a day number with an optional opaque fill, a thin
// border (today) and a focus frame (the day the keys act on). It knows the
// day it shows, set as its month is drawn, and a click reports that day.
// A screen reader has it as a button named by its date and described by
// its record.

#include "daykind.h"

#include <QColor>
#include <QDate>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace zentak {

// The fill of a recorded day's cell by its kind: worked cyan, paid leave
// magenta, holiday red, compensatory day off green; a cancelled day none
// (an invalid colour).
QColor fillOf(DayKind kind);

class CellLabel : public QObject {
    Q_OBJECT
public:
    // A cell of the panel at its place in the panel's pixels, its text
    // centred in the panel's font and text colour.
    CellLabel(QWidget *panel, const QRect &place, const QString &text = {});

    QWidget *panel() const { return panel_; }
    QRect geometry() const { return place_; }

    void setText(const QString &text);
    QString text() const { return text_; }
    void setTextColor(const QColor &color);
    QColor textColor() const { return textColor_; }
    // The panel's palette: its WindowText is the colour of a cell whose
    // colour was not set.
    QPalette palette() const;

    // The cell drawn on the panel's painter, within its place alone, as a
    // label of its own would be.
    void paint(QPainter &p) const;

protected:
    // What the cell shows, in its own pixels: `r` has its corner at 0, 0.
    virtual void draw(QPainter &p, const QRect &r) const;
    // The panel draws the cell again.
    void update() const;

private:
    QWidget *panel_;
    QRect place_;
    QString text_;
    QColor textColor_;
};

class DayLabel : public CellLabel {
    Q_OBJECT
public:
    DayLabel(QWidget *panel, const QRect &place);

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

    // The cell under the calendar's focus frame (it has the focus for
    // assistive technology); `visible`: the frame is drawn, two pixels of
    // blue inside the cell, within today's border.
    void setFocusFrame(bool on, bool visible);
    bool focusFrame() const { return focusFrame_; }

    // The accessible name and description; a change is told to assistive
    // technology while one listens.
    void setSpoken(const QString &name, const QString &description);
    QString accessibleName() const { return name_; }
    QString accessibleDescription() const { return description_; }
    // The name of the day's national holiday, empty on other days: the
    // cell's tooltip.
    void setHolidayName(const QString &name) { holiday_ = name; }
    QString holidayName() const { return holiday_; }
    QString toolTip() const { return holiday_; }

    // What a click does, and assistive technology's press action: an
    // empty cell reports nothing.
    void press();

signals:
    void clicked(QDate day);

protected:
    void draw(QPainter &p, const QRect &r) const override;

private:
    QDate date_;
    QColor fill_;
    QString name_;
    QString description_;
    QString holiday_;
    bool border_ = false;
    bool missing_ = false;
    bool focusFrame_ = false;
    bool frameVisible_ = false;
};

} // namespace zentak
