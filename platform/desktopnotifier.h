#pragma once
// Notifications through the desktop's notification service: the freedesktop
// interface org.freedesktop.Notifications on the session bus. Nothing
// reaches the bus until the first notification; every call to the service
// is asynchronous, so neither a slow service nor a missing one holds the
// user interface up. Without a bus or a service nothing is shown, and why
// is logged once.

#include "platform.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

class QDBusPendingCallWatcher;

namespace zentak {

class DesktopNotifier : public QObject, public Notifier {
    Q_OBJECT
public:
    // On the session bus.
    DesktopNotifier();
    // On the bus at `busAddress` ("unix:path=..."), for tests.
    explicit DesktopNotifier(const QString &busAddress);
    ~DesktopNotifier() override;

    void notify(const Notification &notification, std::function<void()> actionChosen) override;

private slots:
    void onActionInvoked(uint id, const QString &actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    // The bus, connected at the first use; follows the service's signals
    // from then on.
    QDBusConnection &bus();
    void onNotifyReply(QDBusPendingCallWatcher *watcher, quint64 sending);
    // Why nothing was shown, in the log the first time.
    void logUnavailable(const QString &why);

    QString busAddress_;
    std::optional<QDBusConnection> bus_;
    quint64 sending_ = 0;  // counts the notifications sent
    uint shownId_ = 0;     // the service's id of the one sent last; 0 until known
    std::function<void()> actionChosen_;
    bool loggedUnavailable_ = false;
};

} // namespace zentak
