// The end-of-day reminder with a scripted clock and notifier: sent at the
// usual end of a working day not recorded, once, not for a recorded day; its
// one timer set for the next moment only, and its action told.

#include "attendancebook.h"
#include "endofdayreminder.h"
#include "scriptedplatform.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zentak;

namespace {
// Tuesday 8 December 2026; the usual end 17:00 (09:00, 08:00, no break).
QDateTime at(int day, QTime time)
{
    return QDateTime(QDate(2026, 12, day), time);
}
} // namespace

class TestEndOfDayReminder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void sentAtTheEndOnce();
    void notSentWhenRecorded();
    void timerFollowsSettingsAndDate();
    void timerLooksAtTheClock();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedPlatform> p_;
    std::unique_ptr<AttendanceBook> book_;
    std::unique_ptr<EndOfDayReminder> reminder_;
};

void TestEndOfDayReminder::init()
{
    reminder_.reset();
    book_.reset();
    dir_ = std::make_unique<QTemporaryDir>();
    p_ = std::make_unique<ScriptedPlatform>();
    p_->folder = dir_->path();
    p_->clock = at(8, QTime(16, 0));
    book_ = std::make_unique<AttendanceBook>(bookPortsOf(*p_));
    book_->load();
    reminder_ = std::make_unique<EndOfDayReminder>(*book_, *p_);
}

void TestEndOfDayReminder::sentAtTheEndOnce()
{
    QSignalSpy chosen(reminder_.get(), &EndOfDayReminder::clockOutChosen);
    reminder_->start();
    QCOMPARE(reminder_->nextLook(), at(8, QTime(17, 0)));
    QVERIFY(p_->notifications.sent.isEmpty());
    p_->clock = at(8, QTime(17, 0));
    reminder_->lookNow();
    QCOMPARE(p_->notifications.sent.size(), 1);
    QCOMPARE(p_->notifications.sent[0].title, QStringLiteral("Zentak"));
    QVERIFY(p_->notifications.sent[0].body.contains(QStringLiteral("退社")));
    QCOMPARE(p_->notifications.sent[0].actionLabel, QStringLiteral("退社"));
    QCOMPARE(reminder_->nextLook(), at(9, QTime(0, 0)));
    // A change of the settings later that day sends nothing more.
    p_->clock = at(8, QTime(20, 0));
    QVERIFY(book_->saveSettings(book_->settings()));
    QCOMPARE(p_->notifications.sent.size(), 1);
    QVERIFY(p_->notifications.chooseAction());
    QCOMPARE(chosen.size(), 1);
}

void TestEndOfDayReminder::notSentWhenRecorded()
{
    reminder_->start();
    book_->markDay(QDate(2026, 12, 8), LeaveKind::Holiday, QString());
    QCOMPARE(reminder_->nextLook(), at(9, QTime(0, 0)));
    p_->clock = at(8, QTime(17, 30));
    reminder_->lookNow();
    QVERIFY(p_->notifications.sent.isEmpty());
}

void TestEndOfDayReminder::timerFollowsSettingsAndDate()
{
    reminder_->start();
    Settings off = book_->settings();
    off.remind = false;
    book_->saveSettings(off);
    QCOMPARE(reminder_->nextLook(), std::nullopt);
    off.remind = true;
    off.lunchBreak45 = true;
    book_->saveSettings(off);
    QCOMPARE(reminder_->nextLook(), at(8, QTime(17, 45)));
    // Suspended past the end until the next morning: the 8th is past, the
    // 9th's end comes.
    p_->clock = at(9, QTime(8, 0));
    reminder_->lookNow();
    QVERIFY(p_->notifications.sent.isEmpty());
    QCOMPARE(reminder_->nextLook(), at(9, QTime(17, 45)));
}

void TestEndOfDayReminder::timerLooksAtTheClock()
{
    p_->clock = at(8, QTime(16, 59, 59, 900));
    reminder_->start();
    p_->clock = at(8, QTime(17, 0));
    QTRY_COMPARE(p_->notifications.sent.size(), 1);
}

QTEST_GUILESS_MAIN(TestEndOfDayReminder)
#include "tst_endofdayreminder.moc"
