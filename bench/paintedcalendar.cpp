#include "paintedcalendar.h"

#include "calendarlook.h"

#include <QPaintEvent>
#include <QPainter>

namespace zentak::bench {

PaintedCalendar::PaintedCalendar(QWidget *panel, QDate today) : QWidget(panel)
{
    // From the first header's corner to the last cell's.
    const QRect area = pixels(weekdayPlace(0)).united(pixels(dayPlace(41)));
    setGeometry(area);
    const QColor text = palette().color(QPalette::WindowText);
    auto color = [&](int column) {
        const QColor c = columnColor(column);
        return c.isValid() ? c : text;
    };
    for (int i = 0; i < 7; ++i)
        cells_[i] = {pixels(weekdayPlace(i)).translated(-area.topLeft()), weekdayName(i), color(i), QColor(),
                     false};
    const QDate first(today.year(), today.month(), 1);
    const int firstCell = first.dayOfWeek() % 7;
    for (int i = 0; i < 42; ++i) {
        Cell &c = cells_[7 + i];
        c.rect = pixels(dayPlace(i)).translated(-area.topLeft());
        c.textColor = color(i % 7);
        const int day = i - firstCell + 1;
        if (day < 1 || day > first.daysInMonth())
            continue;
        c.text = QString::number(day);
        c.fill = dayFill(i % 7);
        c.border = day == today.day();
    }
}

void PaintedCalendar::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    for (const Cell &c : cells_) {
        if (!event->rect().intersects(c.rect))
            continue;
        if (c.fill.isValid())
            p.fillRect(c.rect, c.fill);
        if (c.border) {
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(c.rect.adjusted(0, 0, -1, -1));
        }
        p.setPen(c.textColor);
        p.drawText(c.rect, Qt::AlignCenter, c.text);
    }
}

} // namespace zentak::bench
