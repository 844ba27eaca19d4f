#include "endofdayreminder.h"

#include "attendancebook.h"
#include "messages.h"
#include "platform.h"

#include <QPointer>

#include <algorithm>
#include <climits>
#include <utility>

namespace zentak {

EndOfDayReminder::EndOfDayReminder(const AttendanceBook &book, Platform &platform, QObject *parent)
    : QObject(parent), book_(book), platform_(platform)
{
    timer_.setSingleShot(true);
    // To the millisecond: a coarse timer may come early by 5% of hours.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &EndOfDayReminder::lookNow);
}

void EndOfDayReminder::start()
{
    if (std::exchange(started_, true))
        return;
    connect(&book_, &AttendanceBook::dayChanged, this, &EndOfDayReminder::lookNow);
    connect(&book_, &AttendanceBook::recordsChanged, this, &EndOfDayReminder::lookNow);
    connect(&book_, &AttendanceBook::settingsChanged, this, &EndOfDayReminder::lookNow);
    lookNow();
}

std::optional<QDateTime> EndOfDayReminder::nextLook() const
{
    if (!timer_.isActive())
        return std::nullopt;
    return timerFor_;
}

void EndOfDayReminder::lookNow()
{
    // The clock, read afresh each time: the timer counts the time that has
    // passed while the program ran, and a suspended computer's sleep is not
    // counted. A timer that comes late or early only makes this look again.
    const QDateTime now = platform_.now();
    ReminderStep step = book_.reminderStep(now, lastReminded_);
    while (step.remindOf) {
        lastReminded_ = *step.remindOf;
        remind();
        step = book_.reminderStep(now, lastReminded_);
    }
    timer_.stop();
    if (!step.lookAgainAt)
        return;
    timerFor_ = *step.lookAgainAt;
    const qint64 wait = std::clamp<qint64>(now.msecsTo(timerFor_), 0, INT_MAX);
    timer_.start(int(wait));
}

void EndOfDayReminder::remind()
{
    const QPointer<EndOfDayReminder> self(this);
    platform_.notifier().notify(endOfDayNotification(), [self] {
        if (self)
            emit self->clockOutChosen();
    });
}

} // namespace zentak
