#include "daywatch.h"

#include "platform.h"

#include <QDateTime>

#include <algorithm>

namespace zentak {

namespace {

// A look an hour at the latest: a computer woken from sleep after midnight
// sees the new date within the hour, without a timer of the system's.
constexpr qint64 kLongestWait = 60 * 60 * 1000;

} // namespace

DayWatch::DayWatch(Platform &platform, QObject *parent) : QObject(parent), platform_(platform)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &DayWatch::lookNow);
}

void DayWatch::start()
{
    today_ = platform_.today();
    lookNow();
}

void DayWatch::lookNow()
{
    const QDateTime now = platform_.now();
    if (now.date() != today_) {
        today_ = now.date();
        emit dateChanged(today_);
    }
    const qint64 untilMidnight = now.msecsTo(QDateTime(today_.addDays(1), QTime(0, 0)));
    timer_.start(int(std::clamp<qint64>(untilMidnight, 0, kLongestWait)));
}

} // namespace zentak
