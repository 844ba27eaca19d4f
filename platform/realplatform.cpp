#include "realplatform.h"

#include "desktopnotifier.h"
#include "gioassociation.h"
#include "settingsfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTranslator>
#include <QVersionNumber>

namespace zentak {

namespace {

// The store is one INI file per user and application, e.g. ~/.config/ZENTAK.ini;
// the sections are its groups.

QString groupKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QString storePath(const QString &app)
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, app).fileName();
}

} // namespace

RealPlatform::RealPlatform() = default;

RealPlatform::~RealPlatform()
{
    if (readAloud_)
        QAccessible::removeActivationObserver(readAloud_.get());
    if (qtTexts_)
        QCoreApplication::removeTranslator(qtTexts_.get());
}

QString RealPlatform::readSetting(const QString &app, const QString &section, const QString &key,
                                  const QString &defaultValue)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, app);
    const QVariant value = store.value(groupKey(section, key));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool RealPlatform::hasSetting(const QString &app, const QString &section, const QString &key)
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, app);
    return store.contains(groupKey(section, key));
}

bool RealPlatform::writeSetting(const QString &app, const QString &section, const QString &key,
                                const QString &value)
{
    return storeSettings(storePath(app), {{groupKey(section, key), value}});
}

bool RealPlatform::writeSettings(const QString &app, const QString &section,
                                 const QList<QPair<QString, QString>> &values)
{
    QList<QPair<QString, QString>> keyed;
    for (const auto &[key, value] : values)
        keyed.append({groupKey(section, key), value});
    return storeSettings(storePath(app), keyed);
}

RemovedFiles RealPlatform::removeInterruptedSettingsWrites(const QString &app)
{
    return zentak::removeInterruptedSettingsWrites(storePath(app));
}

void RealPlatform::useJapaneseQtTexts()
{
    // Read once, and not at the start: the main window shows none of them.
    if (qtTexts_)
        return;
    qtTexts_ = std::make_unique<QTranslator>();
    if (qtTexts_->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts_.get());
    else
        qWarning("zentak: Qt's Japanese translation (qtbase_ja) was not found; "
                 "its buttons and menus read in English");
}

void RealPlatform::useJapaneseQtTextsWhenReadAloud()
{
    if (QAccessible::isActive()) {
        useJapaneseQtTexts();
        return;
    }
    if (readAloud_)
        return;
    class Listening : public QAccessible::ActivationObserver {
    public:
        explicit Listening(RealPlatform &platform) : platform_(platform) {}
        void accessibilityActiveChanged(bool active) override
        {
            if (active)
                platform_.useJapaneseQtTexts();
        }

    private:
        RealPlatform &platform_;
    };
    readAloud_ = std::make_unique<Listening>(*this);
    QAccessible::installActivationObserver(readAloud_.get());
}

MsgAnswer RealPlatform::messageBox(const QString &text, const QString &title, MsgButtons buttons,
                                   MsgIcon icon)
{
    useJapaneseQtTexts();
    QMessageBox::Icon qicon = QMessageBox::Information;
    switch (icon) {
    case MsgIcon::Stop: qicon = QMessageBox::Critical; break;
    case MsgIcon::Exclamation: qicon = QMessageBox::Warning; break;
    case MsgIcon::Information: qicon = QMessageBox::Information; break;
    case MsgIcon::Question: qicon = QMessageBox::Question; break;
    }
    const auto qbuttons = buttons == MsgButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                       : QMessageBox::StandardButtons(QMessageBox::Ok);
    // Texts break their lines with LF, CR LF or a lone CR alike.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(qicon, title, shown, qbuttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

QString RealPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool RealPlatform::fileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool RealPlatform::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString RealPlatform::associatedProgram(const QString &filePath)
{
    const std::string exe = defaultApplicationFor(QFile::encodeName(filePath).toStdString());
    if (exe.empty())
        return {};
    const QString program = QString::fromLocal8Bit(exe.c_str());
    const QString found = QStandardPaths::findExecutable(program);
    return found.isEmpty() ? program : found;
}

QString RealPlatform::systemDirectory()
{
    return QStringLiteral("/usr/bin");
}

VersionInfo RealPlatform::version()
{
    // The kernel's release, e.g. "6.1.0-18-amd64": its major and minor
    // numbers.
    const QVersionNumber kernel = QVersionNumber::fromString(QSysInfo::kernelVersion());
    return VersionInfo{kernel.majorVersion(), kernel.minorVersion(), kPlatformLinux};
}

QDate RealPlatform::today()
{
    return QDate::currentDate();
}

QDateTime RealPlatform::now()
{
    return QDateTime::currentDateTime();
}

void RealPlatform::sleepMs(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

double RealPlatform::random()
{
    return std::generate_canonical<double, 53>(generator_);
}

QSize RealPlatform::screenSize()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->size();
    return {1024, 768};
}

QList<QRect> RealPlatform::screens()
{
    QList<QRect> rects;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        rects << primary->availableGeometry();
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != primary)
            rects << screen->availableGeometry();
    if (rects.isEmpty())
        rects << QRect(QPoint(0, 0), screenSize());
    return rects;
}

double RealPlatform::twipsPerPixelX()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double RealPlatform::twipsPerPixelY()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

Notifier &RealPlatform::notifier()
{
    if (!notifier_)
        notifier_ = std::make_unique<DesktopNotifier>();
    return *notifier_;
}

} // namespace zentak
