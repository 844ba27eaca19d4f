#pragma once
// How the main window's calendar looks, for the benchmark's windows that
// draw it without the program: the weekday headers' and day cells' places
// on the calendar panel (twips, 15 to the pixel on the benchmark's
// screen), their colours, and the fills the benchmark's records give.

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QString>

#include <cmath>

namespace zentak::bench {

// The main window lays itself out in twips; the benchmark's screen has 15
// to the pixel (96 dots per inch).
inline int px(double twips)
{
    return int(std::lround(twips / 15));
}

inline QRect pixels(const QRectF &twips)
{
    return QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()));
}

inline const QColor kSunday(0xFF, 0x00, 0x00);
inline const QColor kSaturday(0x00, 0x00, 0xFF);

inline QString weekdayName(int column)
{
    static const char16_t names[] = u"日月火水木金土";
    return QString(QChar(names[column]));
}

// Column 0 is Sunday.
inline QRectF weekdayPlace(int column)
{
    return QRectF(275 * column + 45, 360, 270, 225);
}

// Cell 0 is the first week's Sunday; six weeks of seven.
inline QRectF dayPlace(int cell)
{
    return QRectF(275 * (cell % 7) + 60, 227 * (cell / 7) + 630, 270, 225);
}

// The text colour of a column; invalid on weekdays (the palette's).
inline QColor columnColor(int column)
{
    return column == 0 ? kSunday : column == 6 ? kSaturday : QColor();
}

// A day's fill as the benchmark's records give it: weekdays worked (cyan),
// weekends holidays (red).
inline QColor dayFill(int column)
{
    return column == 0 || column == 6 ? QColor(0xFF, 0x00, 0x00) : QColor(0x00, 0xFF, 0xFF);
}

} // namespace zentak::bench
