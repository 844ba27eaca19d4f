#include "unrecordedfigure.h"

#include "attendancebook.h"
#include "formlayout.h"
#include "platform.h"
#include "windowtexts.h"

#include <QLabel>

namespace zentak {

UnrecordedFigure::UnrecordedFigure(const AttendanceBook &book, Platform &platform, const TwipScale &scale,
                                   QWidget *client)
    : QObject(client), book_(book), platform_(platform)
{
    setObjectName(QStringLiteral("unrecordedFigure"));
    // Right of the calendar, level with its first week; its two words on
    // two lines.
    label_ = buildControls(client, {{"lblUnrecorded", ControlKind::Label, "", 2745, 1230, 720, 480, 0, Boxed}}, scale)
                 .get<QLabel>("lblUnrecorded");
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignCenter);
    label_->hide();
    connect(&book_, &AttendanceBook::dayChanged, this, &UnrecordedFigure::refresh);
    connect(&book_, &AttendanceBook::recordsChanged, this, &UnrecordedFigure::refresh);
    connect(&book_, &AttendanceBook::settingsChanged, this, &UnrecordedFigure::refresh);
}

void UnrecordedFigure::showMonth(int year, int month)
{
    shown_ = {year, month};
    refresh();
}

void UnrecordedFigure::refresh()
{
    const qsizetype days = book_.daysNotRecorded(shown_, platform_.today()).size();
    const QString text = unrecordedDaysText(int(days));
    label_->setText(text);
    label_->setAccessibleName(text);
    label_->setVisible(days > 0);
}

} // namespace zentak
