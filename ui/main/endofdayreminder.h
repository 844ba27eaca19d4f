#pragma once
// The reminder at the end of a working day whose record is still missing:
// one desktop notification a day, whose action is the clock-out. One
// single-shot timer, set for the one moment the reminder next has to look
// at the clock, the usual end of a day to be reminded of; none while there
// is nothing to remind of until the date changes (the day watch then calls
// lookNow), and none while reminders are off.

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <optional>

namespace zentak {

class AttendanceBook;
class Platform;

class EndOfDayReminder : public QObject {
    Q_OBJECT
public:
    // Nothing is looked at until start().
    EndOfDayReminder(const AttendanceBook &book, Platform &platform, QObject *parent = nullptr);

    // Follows the records, the settings and the clock from now on: after
    // the first frame.
    void start();
    // The moment the timer is set for; none while it is not set.
    std::optional<QDateTime> nextLook() const;

public slots:
    // Reminds of a day whose usual end has come, if not done already, and
    // sets the timer for the next moment. What the timer and every change of
    // the records and the settings call.
    void lookNow();

signals:
    // The user chose the notification's action, 退社.
    void clockOutChosen();

private:
    void remind();

    const AttendanceBook &book_;
    Platform &platform_;
    QTimer timer_;
    QDateTime timerFor_;
    // The last day reminded of, this run.
    QDate lastReminded_;
    bool started_ = false;
};

} // namespace zentak
