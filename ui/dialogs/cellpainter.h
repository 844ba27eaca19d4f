#pragma once
// How a dialog recolours the calendar cell of the day it changed, without
// knowing the calendar itself.

#include <QColor>

namespace zentak {

enum class CellFill { None, Worked, PaidLeave, Holiday, Compensatory };

inline QColor fillColor(CellFill fill)
{
    switch (fill) {
    case CellFill::Worked: return QColor(0x00, 0xFF, 0xFF);       // cyan
    case CellFill::PaidLeave: return QColor(0xFF, 0x00, 0xFF);    // magenta
    case CellFill::Holiday: return QColor(0xFF, 0x00, 0x00);      // red
    case CellFill::Compensatory: return QColor(0x00, 0xFF, 0x00); // green
    case CellFill::None: break;
    }
    return {};
}

class CellPainter {
public:
    virtual ~CellPainter() = default;
    // index: a cell of the day-label array; out of range is ignored.
    virtual void paintCell(int index, CellFill fill) = 0;
};

} // namespace zentak
