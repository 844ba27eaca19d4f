#pragma once
// The date, followed while the program runs: one single-shot timer set for
// the next midnight by the platform's clock, read again when it fires (a
// timer counts the time the program ran, not the time a computer slept).

#include <QDate>
#include <QObject>
#include <QTimer>

namespace zentak {

class Platform;

class DayWatch : public QObject {
    Q_OBJECT
public:
    explicit DayWatch(Platform &platform, QObject *parent = nullptr);

    // From now on: after the first frame.
    void start();
    // Looks at the clock: signals a new date, and sets the timer again.
    void lookNow();

signals:
    void dateChanged(QDate today);

private:
    Platform &platform_;
    QTimer timer_;
    QDate today_;
};

} // namespace zentak
