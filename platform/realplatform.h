#pragma once
// The Platform of a real desktop session.

#include "interruptedwrites.h"
#include "platform.h"

#include <QAccessible>

#include <memory>
#include <random>

class QTranslator;

namespace zentak {

class DesktopNotifier;

class RealPlatform : public Platform {
public:
    RealPlatform();
    ~RealPlatform() override;

    QString readSetting(const QString &app, const QString &section, const QString &key,
                        const QString &defaultValue) override;
    bool hasSetting(const QString &app, const QString &section, const QString &key) override;
    bool writeSettings(const QString &app, const QString &section,
                       const QList<QPair<QString, QString>> &values) override;
    bool writeSetting(const QString &app, const QString &section, const QString &key,
                      const QString &value) override;
    MsgAnswer messageBox(const QString &text, const QString &title, MsgButtons buttons,
                         MsgIcon icon) override;
    void useJapaneseQtTexts() override;
    QString programFolder() override;
    bool fileExists(const QString &path) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    QString associatedProgram(const QString &filePath) override;
    QString systemDirectory() override;
    VersionInfo version() override;
    QDate today() override;
    QDateTime now() override;
    void sleepMs(int ms) override;
    double random() override;
    QSize screenSize() override;
    QList<QRect> screens() override;
    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    // Made at the first use: the start never reaches the bus for it.
    Notifier &notifier() override;

    // At start, before anything is read: the settings store's files left by
    // writes a kill cut short.
    RemovedFiles removeInterruptedSettingsWrites(const QString &app);

    // Qt's Japanese texts as soon as assistive technology listens (now or
    // later): the main window shows none of them, but a screen reader
    // reads the names of its actions. Otherwise they wait for the first
    // message box or dialog.
    void useJapaneseQtTextsWhenReadAloud();

private:
    std::mt19937 generator_; // default seed: the same sequence at every start
    std::unique_ptr<QTranslator> qtTexts_;
    std::unique_ptr<QAccessible::ActivationObserver> readAloud_;
    std::unique_ptr<DesktopNotifier> notifier_;
};

} // namespace zentak
