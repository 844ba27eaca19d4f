#include "daygrid.h"

#include "attendancebook.h"
#include "daylabel.h"
#include "nationalholidays.h"
#include "platform.h"
#include "windowtexts.h"

#include <QPainter>

namespace zentak {

namespace {

const QColor kSunday(0xFF, 0x00, 0x00);
const QColor kSaturday(0x00, 0x00, 0xFF);

// Geometry of the first weekday label and the first day cell, in twips;
// the others follow them 5 twips apart across and 2 down.
constexpr float kWeekLeft = 45, kWeekTop = 360, kWeekWidth = 270, kWeekHeight = 225;
constexpr float kDayLeft = 60, kDayTop = 630, kDayWidth = 270, kDayHeight = 225;

// A day number's or a weekday's colour by its column, Sunday 0.
QColor dayNumberColor(const CellLabel *cell, int column)
{
    return column == 0 ? kSunday : column == 6 ? kSaturday : cell->palette().color(QPalette::WindowText);
}

} // namespace

DayGrid::DayGrid(const AttendanceBook &book, Platform &platform, const TwipScale &scale, QWidget *panel)
    : book_(book), platform_(platform)
{
    for (int i = 0; i < 7; ++i) {
        auto *w = new CellLabel(panel, scale.rect((kWeekWidth + 5) * i + kWeekLeft, kWeekTop, kWeekWidth, kWeekHeight),
                                weekdayKanji(i));
        w->setObjectName(QStringLiteral("lblWeek_%1").arg(i));
        w->setTextColor(dayNumberColor(w, i));
        weekLabels_.append(w);
    }

    for (int i = 0; i < 42; ++i) {
        const int row = i / 7;
        const int column = i % 7;
        auto *d = new DayLabel(panel, scale.rect((kDayWidth + 5) * column + kDayLeft,
                                                 (kDayHeight + 2) * row + kDayTop, kDayWidth, kDayHeight));
        d->setObjectName(QStringLiteral("lblDay_%1").arg(i));
        d->setTextColor(dayNumberColor(d, column));
        cells_.append(d);
    }
}

void DayGrid::draw(YearMonth month)
{
    const MonthLayout layout = monthLayout(month.year, month.month);
    const QDate today = platform_.today();
    // The days left without a record: in the first frame from the month
    // read ahead, which holds every record the month has.
    const QList<QDate> missing = book_.daysNotRecorded(month, today);
    for (int c = 0; c < cells_.size(); ++c) {
        DayLabel *cell = cells_[c];
        if (c < layout.firstCell || c > layout.lastCell) {
            cell->setDate(QDate());
            cell->setText(QString());
            cell->setFill(QColor());
            cell->setBorder(false);
            cell->setMissing(false);
            cell->setSpoken(QString(), QString());
            cell->setHolidayName(QString());
            continue;
        }
        const QDate date(month.year, month.month, c - layout.firstCell + 1);
        const std::optional<DayKind> kind = book_.kindOf(date);
        const std::optional<QString> holiday = nationalHolidayName(date);
        cell->setDate(date);
        cell->setText(QString::number(date.day()));
        // Marked as a Sunday is, as on every calendar in Japan.
        cell->setTextColor(holiday ? kSunday : dayNumberColor(cell, c % 7));
        cell->setHolidayName(holiday.value_or(QString()));
        cell->setFill(kind ? fillOf(*kind) : QColor());
        cell->setBorder(date == today);
        cell->setMissing(missing.contains(date));
        speakCell(cell, date, kind);
    }
}

void DayGrid::speakCell(DayLabel *cell, QDate day, std::optional<DayKind> shownAs)
{
    // The holiday's name is the one the cell was given as it was drawn.
    cell->setSpoken(spokenDayName(day),
                    spokenDayDescription(shownAs, book_.storedField(day, Field::Attendance),
                                         book_.storedField(day, Field::Note), day == platform_.today(),
                                         cell->holidayName(), cell->missing()));
}

void DayGrid::paintDay(QDate day, DayKind shownAs)
{
    if (DayLabel *cell = cellShowing(day)) {
        cell->setFill(fillOf(shownAs));
        cell->setMissing(false);
        speakCell(cell, day, shownAs);
    }
}

void DayGrid::paint(QPainter &p, const QRect &area) const
{
    // In the order the labels were stacked: a cell drawn over its
    // neighbour where the two meet.
    for (const CellLabel *w : weekLabels_)
        if (area.intersects(w->geometry()))
            w->paint(p);
    for (const DayLabel *d : cells_)
        if (area.intersects(d->geometry()))
            d->paint(p);
}

DayLabel *DayGrid::cell(int index) const
{
    return index >= 0 && index < cells_.size() ? cells_[index] : nullptr;
}

DayLabel *DayGrid::cellShowing(QDate day) const
{
    // An empty cell's date is invalid too: an invalid day is shown by none.
    if (!day.isValid())
        return nullptr;
    for (DayLabel *cell : cells_)
        if (cell->date() == day)
            return cell;
    return nullptr;
}

DayLabel *DayGrid::cellAt(const QPoint &point) const
{
    // The one drawn last where two meet.
    for (auto cell = cells_.crbegin(); cell != cells_.crend(); ++cell)
        if ((*cell)->geometry().contains(point))
            return *cell;
    return nullptr;
}

CellLabel *DayGrid::weekLabel(int index) const
{
    return index >= 0 && index < weekLabels_.size() ? weekLabels_[index] : nullptr;
}

} // namespace zentak
