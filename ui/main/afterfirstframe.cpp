#include "afterfirstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zentak {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget *window, std::function<void()> act)
        : QObject(window), window_(window), act_(std::move(act))
    {
        window->installEventFilter(this);
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == window_ && !posted_) {
            posted_ = true;
            window_->removeEventFilter(this);
            // After the paint that is under way, once its frame is out.
            QTimer::singleShot(0, this, [this] { run(); });
        } else if (isUserInput(event->type())) {
            run();
        }
        return false;
    }

private:
    void run()
    {
        if (done_)
            return;
        done_ = true;
        window_->removeEventFilter(this);
        QCoreApplication::instance()->removeEventFilter(this);
        act_();
        deleteLater();
    }

    QWidget *window_;
    std::function<void()> act_;
    bool posted_ = false;
    bool done_ = false;
};

} // namespace

void afterFirstFrame(QWidget *window, std::function<void()> act)
{
    new FirstFrameWatch(window, std::move(act));
}

} // namespace zentak
