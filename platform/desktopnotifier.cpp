#include "desktopnotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <utility>

namespace zentak {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The key the service hands back when the one action is chosen.
const QString kActionKey = QStringLiteral("chosen");
// The program's desktop entry and icon, by their installed names.
const QString kDesktopEntry = QStringLiteral("zentak");
// The service answers Notify at once; a reply later than this counts as
// none. The call is asynchronous all the same: nothing waits for it.
constexpr int kReplyTimeoutMs = 5000;
// How long it stays on the screen: the service's own choice.
constexpr int kServiceTimeout = -1;

const QString kPrivateBusName = QStringLiteral("zentak-notifier");

} // namespace

DesktopNotifier::DesktopNotifier() = default;

DesktopNotifier::DesktopNotifier(const QString &busAddress)
    : busAddress_(busAddress)
{
}

DesktopNotifier::~DesktopNotifier()
{
    if (bus_ && !busAddress_.isEmpty())
        QDBusConnection::disconnectFromBus(kPrivateBusName);
}

QDBusConnection &DesktopNotifier::bus()
{
    if (bus_)
        return *bus_;
    // Connecting is a local socket and one short exchange with the bus,
    // made at the first notification, never at the start.
    bus_ = busAddress_.isEmpty() ? QDBusConnection::sessionBus()
                                 : QDBusConnection::connectToBus(busAddress_, kPrivateBusName);
    if (bus_->isConnected()) {
        // Any sender: naming the service would look up its owner, a call
        // that waits for its answer.
        const bool following =
            bus_->connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                          SLOT(onActionInvoked(uint, QString)))
            && bus_->connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                             SLOT(onNotificationClosed(uint, uint)));
        if (!following)
            qWarning("zentak: the notifications' actions cannot be followed (%s)",
                     qUtf8Printable(bus_->lastError().message()));
    }
    return *bus_;
}

void DesktopNotifier::notify(const Notification &notification, std::function<void()> actionChosen)
{
    QDBusConnection &connection = bus();
    const quint64 sending = ++sending_;
    actionChosen_ = nullptr;
    if (!connection.isConnected()) {
        logUnavailable(connection.lastError().message());
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kDesktopEntry}};
    call << QCoreApplication::applicationName() << shownId_ << kDesktopEntry << notification.title
         << notification.body << QStringList{kActionKey, notification.actionLabel} << hints
         << kServiceTimeout;
    actionChosen_ = std::move(actionChosen);
    // The id is known once the service answers; until then the previous
    // notification's id is no longer ours.
    shownId_ = 0;
    auto *watcher = new QDBusPendingCallWatcher(connection.asyncCall(call, kReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, sending](QDBusPendingCallWatcher *w) { onNotifyReply(w, sending); });
}

void DesktopNotifier::onNotifyReply(QDBusPendingCallWatcher *watcher, quint64 sending)
{
    watcher->deleteLater();
    const QDBusPendingReply<uint> reply = *watcher;
    // A later notification has taken this one's place.
    if (sending != sending_)
        return;
    if (reply.isError()) {
        actionChosen_ = nullptr;
        logUnavailable(reply.error().message());
        return;
    }
    shownId_ = reply.value();
}

void DesktopNotifier::onActionInvoked(uint id, const QString &actionKey)
{
    if (id == 0 || id != shownId_ || actionKey != kActionKey || !actionChosen_)
        return;
    // Taken first: what it does may send the next notification.
    const std::function<void()> chosen = std::exchange(actionChosen_, nullptr);
    chosen();
}

void DesktopNotifier::onNotificationClosed(uint id, uint /*reason*/)
{
    if (id == 0 || id != shownId_)
        return;
    shownId_ = 0;
    actionChosen_ = nullptr;
}

void DesktopNotifier::logUnavailable(const QString &why)
{
    if (std::exchange(loggedUnavailable_, true))
        return;
    qWarning("zentak: the desktop shows no notifications (%s); reminders are not shown",
             qUtf8Printable(why));
}

} // namespace zentak
