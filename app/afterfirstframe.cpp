#include "afterfirstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zentak {

namespace {

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget *window, std::function<void()> act)
        : QObject(window), act_(std::move(act))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !posted_) {
            posted_ = true;
            watched->removeEventFilter(this);
            // After the paint that is under way, once its frame is out.
            QTimer::singleShot(0, this, [this] {
                act_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> act_;
    bool posted_ = false;
};

} // namespace

void afterFirstFrame(QWidget *window, std::function<void()> act)
{
    new FirstFrameWatch(window, std::move(act));
}

} // namespace zentak
