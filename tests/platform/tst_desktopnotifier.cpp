// The desktop's notifications against a notification service of the test's
// own, on the private session bus CTest starts for it (dbus-run-session).

#include "desktopnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QRegularExpression>
#include <QTest>

using namespace zentak;

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kName = QStringLiteral("org.freedesktop.Notifications");

// The service's side, on a connection of its own.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Received {
        uint replacesId;
        QString summary, body;
        QStringList actions;
    };
    QList<Received> received;
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "service");

    void emitSignal(const QString &name, uint id, const QVariant &argument)
    {
        bus.send(QDBusMessage::createSignal(kPath, kName, name) << id << argument);
    }

public slots:
    uint Notify(const QString &, uint replacesId, const QString &, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &, int)
    {
        received.append({replacesId, summary, body, actions});
        return uint(40 + received.size());
    }
};

enum class Answer { ItsAction, OtherId, OtherAction, ClosedFirst, ReplacedFirst };

} // namespace

class TestDesktopNotifier : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { service_.bus.unregisterService(kName); }
    void actionChosen_data();
    void actionChosen();
    void nothingShownWithoutService();
    void nothingShownWithoutBus();

private:
    NotificationService service_;
};

void TestDesktopNotifier::initTestCase()
{
    QVERIFY2(service_.bus.isConnected(), "run under dbus-run-session");
    QVERIFY(service_.bus.registerObject(kPath, &service_, QDBusConnection::ExportAllSlots));
}

void TestDesktopNotifier::actionChosen_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("chosen");
    QTest::newRow("its action") << Answer::ItsAction << 1;
    QTest::newRow("another notification's") << Answer::OtherId << 0;
    QTest::newRow("another action") << Answer::OtherAction << 0;
    QTest::newRow("closed before") << Answer::ClosedFirst << 0;
    QTest::newRow("replaced before") << Answer::ReplacedFirst << 0;
}

void TestDesktopNotifier::actionChosen()
{
    QFETCH(Answer, answer);
    QFETCH(int, chosen);
    QVERIFY(service_.bus.registerService(kName));
    service_.received.clear();
    DesktopNotifier notifier;
    int times = 0;
    notifier.notify({"Zentak", "退社しますか？", "退社"}, [&times] { ++times; });
    // Sent without waiting for the service, which answers on this thread.
    QVERIFY(service_.received.isEmpty());
    QTRY_COMPARE(service_.received.size(), 1);
    const NotificationService::Received sent = service_.received.first();
    QCOMPARE(sent.summary, QStringLiteral("Zentak"));
    QCOMPARE(sent.body, QStringLiteral("退社しますか？"));
    QCOMPARE(sent.actions.size(), 2);
    QCOMPARE(sent.actions.at(1), QStringLiteral("退社"));
    // The service's answer (the id) reaches the notifier before any signal
    // the service sends after it.
    uint id = 41;
    QString key = sent.actions.at(0);
    if (answer == Answer::OtherId)
        id = 40;
    if (answer == Answer::OtherAction)
        key = QStringLiteral("default");
    if (answer == Answer::ClosedFirst)
        service_.emitSignal(QStringLiteral("NotificationClosed"), id, 2u);
    if (answer == Answer::ReplacedFirst) {
        QTest::qWait(100); // the id back at the notifier, to be replaced
        notifier.notify({"Zentak", "2", "退社"}, [] {});
        QTRY_COMPARE(service_.received.size(), 2);
        QCOMPARE(service_.received.at(1).replacesId, 41u);
        id = 42;
    }
    // Chosen twice: it acts once.
    service_.emitSignal(QStringLiteral("ActionInvoked"), id, key);
    service_.emitSignal(QStringLiteral("ActionInvoked"), id, key);
    QTest::qWait(100);
    QCOMPARE(times, chosen);
}

void TestDesktopNotifier::nothingShownWithoutService()
{
    service_.received.clear();
    DesktopNotifier notifier;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("shows no notifications"));
    bool chosen = false;
    notifier.notify({"Zentak", "b", "退社"}, [&chosen] { chosen = true; });
    QTest::qWait(200);
    service_.emitSignal(QStringLiteral("ActionInvoked"), 41, QStringLiteral("chosen"));
    QTest::qWait(100);
    QVERIFY(!chosen);
    QVERIFY(service_.received.isEmpty());
}

void TestDesktopNotifier::nothingShownWithoutBus()
{
    DesktopNotifier notifier(QStringLiteral("unix:path=/nonexistent/bus"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("shows no notifications"));
    bool chosen = false;
    notifier.notify({"Zentak", "b", "退社"}, [&chosen] { chosen = true; });
    QTest::qWait(50);
    QVERIFY(!chosen);
}

QTEST_GUILESS_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
