// The end-of-day reminder and the desktop's notifications, against a
// notification service of the test's own on the private session bus CTest
// starts for it (dbus-run-session), with a scripted clock: Tuesday 8
// December 2026, the usual end 17:00.

#include "attendancebook.h"
#include "desktopnotifier.h"
#include "endofdayreminder.h"
#include "scriptedplatform.h"

#include <QDBusMessage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kName = QStringLiteral("org.freedesktop.Notifications");

// The service, on a connection of its own; its first notification is 41.
class Service : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<QStringList> received; // title, body, the action's key and label
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "service");
    void send(const char *signal, uint id, const QVariant &argument)
    {
        bus.send(QDBusMessage::createSignal(kPath, kName, QLatin1String(signal)) << id << argument);
    }
public slots:
    uint Notify(const QString &, uint, const QString &, const QString &title, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        received.append(QStringList{title, body} + actions);
        return uint(40 + received.size());
    }
};

struct BusPlatform : ScriptedPlatform {
    DesktopNotifier desktop;
    Notifier &notifier() override { return desktop; }
};

static QDateTime at(int day, QTime time)
{
    return QDateTime(QDate(2026, 12, day), time);
}

class TestEndOfDayReminder : public QObject {
    Q_OBJECT
    Service service_;
private slots:
    void initTestCase() { QVERIFY(service_.bus.registerObject(kPath, &service_, QDBusConnection::ExportAllSlots)); }
    void init()
    {
        service_.received.clear();
        QVERIFY(service_.bus.registerService(kName));
    }
    void cleanup() { service_.bus.unregisterService(kName); }

    void remindsOnceAtTheEnd()
    {
        QTemporaryDir dir;
        BusPlatform p;
        p.folder = dir.path();
        p.clock = at(8, QTime(16, 0));
        AttendanceBook book(bookPortsOf(p));
        book.load();
        EndOfDayReminder reminder(book, p);
        QSignalSpy chosen(&reminder, &EndOfDayReminder::clockOutChosen);
        reminder.start();
        QCOMPARE(reminder.nextLook(), at(8, QTime(17, 0)));
        p.clock = at(8, QTime(17, 0));
        reminder.lookNow(); // what the timer does then
        QVERIFY(service_.received.isEmpty()); // sent without waiting for the service, on this thread
        QTRY_COMPARE(service_.received.size(), 1);
        const QStringList sent = service_.received[0];
        QCOMPARE(sent[0] + sent[3], QStringLiteral("Zentak退社"));
        QVERIFY(sent[1].contains(QStringLiteral("退社")));
        QVERIFY(book.saveSettings(book.settings())); // looks again: nothing more today
        // Another notification's action and another action are not it; chosen twice, it acts once. The id
        // the service answered comes before its signals.
        const QList<QPair<uint, QString>> answers{{40, sent[2]}, {41, "default"}, {41, sent[2]}, {41, sent[2]}};
        for (const auto &[id, key] : answers)
            service_.send("ActionInvoked", id, key);
        QTest::qWait(100);
        QCOMPARE(chosen.size(), 1);
        // No timer while nothing is to be reminded of; the date's change
        // (the day watch) makes it look again.
        QCOMPARE(reminder.nextLook(), std::nullopt);
        p.clock = at(9, QTime(0, 0));
        reminder.lookNow();
        QCOMPARE(reminder.nextLook(), at(9, QTime(17, 0)));
        // Recorded before its end: nothing; no timer while reminders are off.
        book.markDay(QDate(2026, 12, 9), LeaveKind::Holiday, QString());
        QCOMPARE(reminder.nextLook(), std::nullopt);
        p.clock = at(9, QTime(17, 30));
        reminder.lookNow();
        Settings off = book.settings();
        off.remind = false;
        book.saveSettings(off);
        QCOMPARE(reminder.nextLook(), std::nullopt);
        QTest::qWait(100);
        QCOMPARE(service_.received.size(), 1);
    }

    void nothingShownWithoutServiceOrBus()
    {
        cleanup();
        for (auto *notifier : {new DesktopNotifier, new DesktopNotifier(QStringLiteral("unix:path=/nonexistent"))}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("shows no notifications")); // and why, once
            notifier->setParent(this);
            notifier->notify({"Zentak", "b", "退社"}, [] { QFAIL("no action to choose"); });
            notifier->notify({"Zentak", "b", "退社"}, [] { QFAIL("no action to choose"); });
        }
        QTest::qWait(200);
        QVERIFY(service_.received.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEndOfDayReminder)
#include "tst_endofdayreminder.moc"
