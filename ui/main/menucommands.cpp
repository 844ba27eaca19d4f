#include "menucommands.h"

#include "appstate.h"
#include "centerform.h"
#include "fortune.h"
#include "maintenancedialog.h"
#include "platform.h"
#include "settingsdialog.h"
#include "versionmessage.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace zentak {

MenuCommands::MenuCommands(AppState &state, Platform &platform, RecordStore &store,
                           QMainWindow *mainWindow)
    : QObject(mainWindow), state_(state), platform_(platform), store_(store), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("menuCommands"));
    buildMenu();
}

void MenuCommands::buildMenu()
{
    QMenuBar *bar = mainWindow_->menuBar();
    auto item = [this](QMenu *menu, const char *name, const QString &caption, void (MenuCommands::*slot)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu *file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("MNUFILE"));
    file->menuAction()->setObjectName(QStringLiteral("MNUFILE"));
    item(file, "MNUFILESET", QStringLiteral("設定(&S)  Ctrl+S"), &MenuCommands::MNUFILESET_Click);
    file->addSeparator()->setObjectName(QStringLiteral("MNUSEPERATOR"));
    item(file, "MNUFILEUN", QStringLiteral("今日 の運勢(&T)"), &MenuCommands::MNUFILEUN_Click);
    item(file, "MNUFILEABOUT", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), &MenuCommands::MNUFILEABOUT_Click);
    file->addSeparator()->setObjectName(QStringLiteral("MNUSEPERATOR1"));
    QAction *exit = file->addAction(QStringLiteral("終了(&X)  Ctrl+X"));
    exit->setObjectName(QStringLiteral("MNUFILEEXIT"));
    connect(exit, &QAction::triggered, this, &MenuCommands::exitChosen);

    // A command on the bar itself: it acts at once, with no submenu.
    QAction *edit = bar->addAction(QStringLiteral("整備(&E)"));
    edit->setObjectName(QStringLiteral("MNUFILEDIT"));
    connect(edit, &QAction::triggered, this, &MenuCommands::MNUFILEDIT_Click);

    QMenu *tools = bar->addMenu(QStringLiteral("文具(&B)"));
    tools->setObjectName(QStringLiteral("MNUFILBUN"));
    tools->menuAction()->setObjectName(QStringLiteral("MNUFILBUN"));
    item(tools, "MNUFILCALC", QStringLiteral("電卓(&C)"), &MenuCommands::MNUFILCALC_Click);
    item(tools, "MNUFILNOTE", QStringLiteral("メモ帳(&N)"), &MenuCommands::MNUFILNOTE_Click);
}

void MenuCommands::inform(const QString &text)
{
    platform_.messageBox(text, state_.messageTitle, MsgButtons::Ok, MsgIcon::Information);
}

void MenuCommands::MNUFILESET_Click()
{
    auto *dialog = new SettingsDialog(state_, platform_, mainWindow_);
    openForm(dialog, mainWindow_, platform_);
    emit dialogOpened(dialog);
}

void MenuCommands::MNUFILEDIT_Click()
{
    auto *dialog = new MaintenanceDialog(state_, platform_, store_, mainWindow_);
    openForm(dialog, mainWindow_, platform_);
    emit dialogOpened(dialog);
}

void MenuCommands::MNUFILEUN_Click()
{
    const float r = fortuneDraw(platform_.random());
    inform(fortuneText(fortuneIndex(fortuneValue(r))));
}

void MenuCommands::MNUFILEABOUT_Click()
{
    showver(QStringLiteral("1"));
}

void MenuCommands::showver(const QString &mode)
{
    const VersionInfo version = platform_.version();
    if (mode.compare(QLatin1String("1"), Qt::CaseInsensitive) != 0)
        return;
    inform(versionMessage(state_.messageTitle, version));
}

void MenuCommands::MNUFILCALC_Click()
{
    startAccessory(Accessory::Calculator);
}

void MenuCommands::MNUFILNOTE_Click()
{
    startAccessory(Accessory::TextEditor);
}

void MenuCommands::startAccessory(Accessory which)
{
    const QString dir = platform_.systemDirectory();
    const QStringList present = presentAccessories(platform_, dir, which);
    if (present.isEmpty()) {
        inform(accessoryMissingMessage(dir, which));
        return;
    }
    // One that is present but cannot be started gives way to the next.
    for (const QString &path : present) {
        if (platform_.startProgram(path, {}))
            return;
    }
    inform(accessoryNotStartedMessage(present.first()));
}

} // namespace zentak
