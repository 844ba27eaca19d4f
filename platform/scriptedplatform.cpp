#include "scriptedplatform.h"

#include <QFileInfo>

#include <utility>

namespace zentak {

void ScriptedNotifier::notify(const Notification &notification, std::function<void()> actionChosen)
{
    sent.append(notification);
    actionChosen_ = std::move(actionChosen);
}

bool ScriptedNotifier::chooseAction()
{
    if (!actionChosen_)
        return false;
    // Taken first: the action may send the next notification.
    const std::function<void()> chosen = std::exchange(actionChosen_, nullptr);
    chosen();
    return true;
}

QString ScriptedPlatform::storeKey(const QString &app, const QString &section, const QString &key)
{
    return app + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

QString ScriptedPlatform::readSetting(const QString &app, const QString &section,
                                      const QString &key, const QString &defaultValue)
{
    return store.value(storeKey(app, section, key), defaultValue);
}

bool ScriptedPlatform::hasSetting(const QString &app, const QString &section, const QString &key)
{
    return store.contains(storeKey(app, section, key));
}

bool ScriptedPlatform::writeSetting(const QString &app, const QString &section,
                                    const QString &key, const QString &value)
{
    if (!storeWritable)
        return false;
    const QString k = storeKey(app, section, key);
    store.insert(k, value);
    writes.append(k);
    return true;
}

MsgAnswer ScriptedPlatform::messageBox(const QString &text, const QString &title,
                                       MsgButtons buttons, MsgIcon icon)
{
    boxes.append({text, title, buttons, icon});
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answers.isEmpty() ? MsgAnswer::No : answers.dequeue();
}

bool ScriptedPlatform::fileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool ScriptedPlatform::startProgram(const QString &program, const QStringList &arguments)
{
    started.append({program, arguments});
    return startSucceeds;
}

QString ScriptedPlatform::associatedProgram(const QString &filePath)
{
    return associations.value(QFileInfo(filePath).suffix().toLower());
}

double ScriptedPlatform::random()
{
    return randoms.isEmpty() ? 0.5 : randoms.dequeue();
}

} // namespace zentak
