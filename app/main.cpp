// Zentak: a personal attendance recorder.

#include "afterfirstframe.h"
#include "appsetup.h"
#include "attendancebook.h"
#include "interruptedwrites.h"
#include "mainwindow.h"
#include "realplatform.h"
#include "messages.h"
#include "singleinstance.h"
#include "windowtexts.h"

#include <QApplication>

using namespace zentak;

namespace {

// Files left by writes a kill cut short, never read again. Only this
// instance writes them, and it writes none while this runs, so none of these
// is in use. One that cannot be removed costs only its space and is tried
// again at the next start: it is logged, not put before the user.
void removeLeftovers(RealPlatform &platform)
{
    const QStringList stay = removeInterruptedWrites(platform.programFolder()).failed
                             + platform.removeInterruptedSettingsWrites(kStoreApp).failed;
    for (const QString &file : stay)
        qWarning("zentak: an interrupted write's file stays: %s", qUtf8Printable(file));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("ZENTAK"));
    // The program ends through the main window's shutdown, not when the
    // last window happens to be hidden behind a dialog.
    app.setQuitOnLastWindowClosed(false);

    setUpApplication(app);

    RealPlatform platform;

    // A second start brings the first forward and ends here.
    SingleInstance instance;
    switch (instance.claim()) {
    case SingleInstance::Claim::Claimed:
        break;
    case SingleInstance::Claim::Forwarded:
        return 0;
    case SingleInstance::Claim::Failed:
        tell(platform, singleInstanceFailureText(instance.failure()), MsgIcon::Exclamation);
        return 1;
    }

    AttendanceBook book(bookPortsOf(platform));
    MainWindow window(book, platform);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &MainWindow::bringForward);
    QObject::connect(&window, &MainWindow::ended, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.startUp();
    window.show();
    // What the first frame does not need, after the window's own.
    afterFirstFrame(&window, [&platform] {
        removeLeftovers(platform);
        platform.useJapaneseQtTextsWhenReadAloud();
    });
    return app.exec();
}
