#pragma once
// What the window tests share: their fixture (a program of its own for
// every test function, started when the test says) and the small readers
// and doers they all use.

#include "noteedit.h"
#include "program.h"

#include <memory>

namespace zentak::story {

// The store's key of a setting of section "set".
inline QString setKey(const char *key)
{
    return ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QLatin1String(key));
}

// A line of the data file: the seven fields quoted, CR LF at the end.
inline QString recordLine(const QStringList &fields)
{
    return QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\"\r\n");
}

// The dialog made the active window, as the user's click makes it; null
// when it did not become active.
template <typename Dialog>
Dialog *activated(Dialog *dialog)
{
    if (dialog)
        QApplication::setActiveWindow(dialog);
    return dialog && QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

// Who held the keyboard focus as each message box came up (its object
// name): every change of the focus is noted with the number of boxes shown
// before it.
class FocusAtBoxes : public QObject {
public:
    explicit FocusAtBoxes(const ScriptedPlatform &platform)
        : platform_(platform), changes_{{0, name(QApplication::focusWidget())}}
    {
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget *, QWidget *now) { changes_.append({platform_.boxes.size(), name(now)}); });
    }
    QStringList names() const
    {
        QStringList out;
        for (qsizetype box = 0; box < platform_.boxes.size(); ++box) {
            QString at;
            for (const auto &[shownBefore, who] : changes_)
                at = shownBefore <= box ? who : at;
            out << at;
        }
        return out;
    }

private:
    static QString name(QWidget *w) { return w ? w->objectName() : QStringLiteral("<none>"); }
    const ScriptedPlatform &platform_;
    QList<std::pair<qsizetype, QString>> changes_;
};

class ProgramTest : public QObject {
    Q_OBJECT
protected slots:
    void init()
    {
        program_ = std::make_unique<Program>();
        p_ = &program_->platform;
    }
    void cleanup() { program_.reset(); }

protected:
    void startWindow() { w_ = &program_->start(); }
    QString path(const QString &name) const { return program_->path(name); }
    QString dataPath() const { return program_->dataPath(); }
    void writeData(const QString &lines) { QVERIFY(writeFile(dataPath(), sjis(lines))); }
    QString strip(const char *name) const { return program_->strip(name); }

    std::unique_ptr<Program> program_;
    ScriptedPlatform *p_ = nullptr;
    MainWindow *w_ = nullptr;
};

} // namespace zentak::story
