#include "overtimefigure.h"

#include "attendancebook.h"
#include "formlayout.h"
#include "limitlook.h"
#include "overtimemessages.h"

#include <QLabel>

namespace zentak {

OvertimeFigure::OvertimeFigure(const AttendanceBook &book, const TwipScale &scale, QWidget *panel)
    : QObject(panel), book_(book)
{
    setObjectName(QStringLiteral("overtimeFigure"));
    // Right of the month, to the panel's edge.
    label_ = buildControls(panel, {{"lblOvertime", ControlKind::Label, "", 1440, 45, 1080, 255, 0, RightAligned}},
                           scale)
                 .get<QLabel>("lblOvertime");
    connect(&book_, &AttendanceBook::dayChanged, this, &OvertimeFigure::refresh);
    connect(&book_, &AttendanceBook::recordsChanged, this, &OvertimeFigure::refresh);
    connect(&book_, &AttendanceBook::settingsChanged, this, &OvertimeFigure::refresh);
}

void OvertimeFigure::showMonth(int year, int month)
{
    shown_ = {year, month};
    refresh();
}

void OvertimeFigure::refresh()
{
    const int overtime = book_.monthLaw(shown_.year, shown_.month).overtime;
    const QString text = overtimeFigureText(overtime);
    // Three-digit hours fit without the blank.
    const bool fits = label_->fontMetrics().horizontalAdvance(text) <= label_->contentsRect().width();
    label_->setText(fits ? text : overtimeFigureText(overtime, FigureSpacing::Tight));
    label_->setAccessibleName(text);
    label_->setAccessibleDescription(limitDescription(overtime, kMonthOvertimeLimit, LimitUnit::Hours));
    colourByLimitState(label_, limitState(overtime, kMonthOvertimeLimit));
}

} // namespace zentak
