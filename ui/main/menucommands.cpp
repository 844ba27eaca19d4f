#include "menucommands.h"

#include "centerform.h"
#include "fortune.h"
#include "maintenancedialog.h"
#include "messages.h"
#include "overtimedialog.h"
#include "settingsdialog.h"
#include "windowtexts.h"

#include <QMenu>
#include <QMenuBar>

namespace zentak {

MenuCommands::MenuCommands(AttendanceBook &book, Platform &platform, ToldOnce &told, QWidget *mainWindow,
                           QMenuBar *bar)
    : QObject(mainWindow), book_(book), platform_(platform), told_(told), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("menuCommands"));
    buildMenu(bar);
}

void MenuCommands::buildMenu(QMenuBar *bar)
{
    auto menu = [bar](const char *name, const QString &caption) {
        QMenu *m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [this](QWidget *on, const char *name, const QString &caption, auto act) {
        auto *action = new QAction(caption, on);
        action->setObjectName(QLatin1String(name));
        on->addAction(action);
        connect(action, &QAction::triggered, this, act);
    };

    QMenu *file = menu("MNUFILE", QStringLiteral("ﾌｧｲﾙ(&F)"));
    item(file, "MNUFILESET", QStringLiteral("設定(&S)  Ctrl+S"), &MenuCommands::openSettings);
    file->addSeparator()->setObjectName(QStringLiteral("MNUSEPERATOR"));
    item(file, "MNUFILECSV", QStringLiteral("CSV(&C)"), &MenuCommands::csvChosen);
    item(file, "MNUFILEPDF", QStringLiteral("勤務表(&P)"), &MenuCommands::timesheetChosen);
    file->addSeparator()->setObjectName(QStringLiteral("MNUSEPERATOR2"));
    item(file, "MNUFILEUN", QStringLiteral("今日 の運勢(&T)"), &MenuCommands::showFortune);
    item(file, "MNUFILEABOUT", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), &MenuCommands::showVersion);
    file->addSeparator()->setObjectName(QStringLiteral("MNUSEPERATOR1"));
    item(file, "MNUFILEEXIT", QStringLiteral("終了(&X)  Ctrl+X"), &MenuCommands::exitChosen);

    // A command on the bar itself: it acts at once, with no submenu.
    item(bar, "MNUFILEDIT", QStringLiteral("整備(&E)"), &MenuCommands::openMaintenance);

    QMenu *tools = menu("MNUFILBUN", QStringLiteral("文具(&B)"));
    item(tools, "MNUFILCALC", QStringLiteral("電卓(&C)"), &MenuCommands::startCalculator);
    item(tools, "MNUFILNOTE", QStringLiteral("メモ帳(&N)"), &MenuCommands::startTextEditor);

    // Like "整備(&E)", a command on the bar itself.
    item(bar, "MNUOVERTIME", QStringLiteral("時間外(&O)"), &MenuCommands::openOvertime);
}

void MenuCommands::openSettings()
{
    openForm(new SettingsDialog(book_, platform_, mainWindow_), mainWindow_, platform_);
}

void MenuCommands::openMaintenance()
{
    openForm(new MaintenanceDialog(book_, platform_, told_, mainWindow_), mainWindow_, platform_);
}

void MenuCommands::openOvertime()
{
    openForm(new OvertimeDialog(book_, platform_, mainWindow_), mainWindow_, platform_);
}

void MenuCommands::showFortune()
{
    const float r = fortuneDraw(platform_.random());
    tell(platform_, fortuneText(fortuneIndex(fortuneValue(r))), MsgIcon::Information);
}

void MenuCommands::showVersion()
{
    tell(platform_, versionMessage(kMessageTitle, platform_.version()), MsgIcon::Information);
}

void MenuCommands::startCalculator()
{
    startAccessory(Accessory::Calculator);
}

void MenuCommands::startTextEditor()
{
    startAccessory(Accessory::TextEditor);
}

void MenuCommands::startAccessory(Accessory which)
{
    const QString dir = platform_.systemDirectory();
    const QStringList present = presentAccessories(platform_, dir, which);
    if (present.isEmpty()) {
        tell(platform_, accessoryMissingMessage(dir, which == Accessory::Calculator), MsgIcon::Information);
        return;
    }
    // One that is present but cannot be started gives way to the next.
    for (const QString &path : present) {
        if (platform_.startProgram(path, {}))
            return;
    }
    tell(platform_, accessoryNotStartedMessage(present.first()), MsgIcon::Information);
}

} // namespace zentak
