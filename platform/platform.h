#pragma once
// The one door to the machine and the user: everything the program asks of
// the desktop, the clock, the settings store or the file system that a test
// must be able to script goes through this interface.

#include "ports.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace zentak {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { Stop, Exclamation, Information, Question };
enum class MsgAnswer { Ok, Yes, No };

// The platform identifier of the version query for Linux.
inline constexpr int kPlatformLinux = 100;

struct VersionInfo {
    int major = 0;
    int minor = 0;
    int platformId = 0;
};

// A desktop notification: its title and text, and the one action it offers.
struct Notification {
    QString title;
    QString body;
    QString actionLabel;
};

// The desktop's notifications. Sending never waits and never fails: where
// the desktop shows none, nothing is shown.
class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows the notification in place of the one sent before, if that is
    // still shown. `actionChosen` runs when the user chooses its action: at
    // most once, and never after the notification was closed or replaced.
    virtual void notify(const Notification &notification, std::function<void()> actionChosen) = 0;
};

// The per-user settings store and the clock are the records' own ports
// (ports.h); the rest is for the windows.
class Platform : public SettingsStore, public Clock {
public:

    virtual MsgAnswer messageBox(const QString &text, const QString &title, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    // Qt's own texts in Japanese from here on (the buttons of message boxes,
    // the menus of text boxes): called before a dialog opens, and by
    // messageBox itself. The desktop's are read when first needed, not at
    // the start.
    virtual void useJapaneseQtTexts() {}

    // Folder that holds the executable, without a trailing separator.
    virtual QString programFolder() = 0;
    virtual bool fileExists(const QString &path) = 0;

    // Starts a program detached, never through a shell.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    // The program the desktop opens the file with; empty when there is none.
    virtual QString associatedProgram(const QString &filePath) = 0;

    virtual QString systemDirectory() = 0;
    virtual VersionInfo version() = 0;

    virtual void sleepMs(int ms) = 0;

    // Uniform in [0, 1); the sequence is the same at every start.
    virtual double random() = 0;

    // Screen size in pixels, and twips per pixel on each axis.
    virtual QSize screenSize() = 0;
    // The part of each screen windows may use, in pixels of the virtual
    // desktop; the primary screen first.
    virtual QList<QRect> screens() = 0;
    virtual double twipsPerPixelX() = 0;
    virtual double twipsPerPixelY() = 0;

    // The desktop's notifications, the platform's for as long as it lives.
    virtual Notifier &notifier() = 0;
};

// What the attendance book is given of the platform.
inline BookPorts bookPortsOf(Platform &platform)
{
    return {platform, platform, platform.programFolder()};
}

} // namespace zentak
