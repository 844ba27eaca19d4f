#pragma once
// A Platform for tests: no real store, clock, boxes or programs. Message
// boxes are recorded and answered from a queue (Ok or the queued answer).

#include "platform.h"

#include <QList>
#include <QMap>
#include <QQueue>

namespace zentak {

struct RecordedBox {
    QString text;
    QString title;
    MsgButtons buttons;
    MsgIcon icon;
};

struct StartedProgram {
    QString program;
    QStringList arguments;
};

// Notifications kept instead of shown; the test chooses their action.
class ScriptedNotifier : public Notifier {
public:
    void notify(const Notification &notification, std::function<void()> actionChosen) override;
    // The user chooses the action of the notification sent last; false when
    // there is none to choose (none sent, or its action chosen already).
    bool chooseAction();

    QList<Notification> sent;

private:
    std::function<void()> actionChosen_;
};

class ScriptedPlatform : public Platform {
public:
    QString readSetting(const QString &app, const QString &section, const QString &key,
                        const QString &defaultValue) override;
    bool hasSetting(const QString &app, const QString &section, const QString &key) override;
    bool writeSetting(const QString &app, const QString &section, const QString &key,
                      const QString &value) override;
    MsgAnswer messageBox(const QString &text, const QString &title, MsgButtons buttons,
                         MsgIcon icon) override;
    QString programFolder() override { return folder; }
    bool fileExists(const QString &path) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    QString associatedProgram(const QString &filePath) override;
    QString systemDirectory() override { return systemDir; }
    VersionInfo version() override { return versionInfo; }
    QDate today() override { return clock.date(); }
    QDateTime now() override { return clock; }
    void sleepMs(int ms) override { sleptMs += ms; }
    double random() override;
    QSize screenSize() override { return screen; }
    // The screens given, else one screen of `screen`'s size at the origin.
    QList<QRect> screens() override
    {
        return screenRects.isEmpty() ? QList<QRect>{QRect(QPoint(0, 0), screen)} : screenRects;
    }
    double twipsPerPixelX() override { return twipsX; }
    double twipsPerPixelY() override { return twipsY; }
    Notifier &notifier() override { return notifications; }

    static QString storeKey(const QString &app, const QString &section, const QString &key);

    // Script and observations, public on purpose.
    QMap<QString, QString> store;          // "app/section/key" -> value
    QList<QString> writes;                 // keys in the order written
    bool storeWritable = true;             // false: every write fails
    QList<RecordedBox> boxes;
    QQueue<MsgAnswer> answers;             // answers for Yes/No boxes; empty -> No
    QList<StartedProgram> started;
    bool startSucceeds = true;
    QMap<QString, QString> associations;   // file suffix -> program
    QString folder;
    QString systemDir = QStringLiteral("/usr/bin");
    VersionInfo versionInfo{6, 1, 2};
    QDateTime clock{QDate(2007, 3, 5), QTime(18, 12)};
    int sleptMs = 0;
    QQueue<double> randoms;                // empty -> 0.5
    QSize screen{1024, 768};
    QList<QRect> screenRects;
    double twipsX = 15;
    double twipsY = 15;
    ScriptedNotifier notifications;
};

} // namespace zentak
