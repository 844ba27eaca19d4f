#include "daylabel.h"

#include "windowtexts.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStringBuilder>

namespace zentak {

namespace {

const QColor kFocusFrame(0x00, 0x00, 0xFF);
const QColor kMissingMark(0x80, 0x80, 0x80);

// A day's cell to assistive technology: a button that can be pressed, with
// the focus while it is framed. The keyboard focus itself stays with the
// calendar panel, which moves the frame.
class DayCellAccessible : public QAccessibleWidget {
public:
    explicit DayCellAccessible(DayLabel *cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = showsDay();
        s.focused = cell()->focusFrame();
        return s;
    }
    QStringList actionNames() const override
    {
        return showsDay() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && showsDay())
            cell()->press();
    }

private:
    DayLabel *cell() const { return static_cast<DayLabel *>(widget()); }
    // An empty cell outside the month is nothing to act on.
    bool showsDay() const { return cell()->date().isValid(); }
};

QAccessibleInterface *calendarInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("zentak::DayLabel"))
        if (auto *cell = qobject_cast<DayLabel *>(object))
            return new DayCellAccessible(cell);
    // The panel is a group of days named by its month (as a frame it would
    // be taken for a window).
    if (className == QLatin1String("zentak::CalendarPanel") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

QColor fillOf(DayKind kind)
{
    switch (kind) {
    case DayKind::Worked: return QColor(0x00, 0xFF, 0xFF);
    case DayKind::PaidLeave: return QColor(0xFF, 0x00, 0xFF);
    case DayKind::Holiday: return QColor(0xFF, 0x00, 0x00);
    case DayKind::Compensatory: return QColor(0x00, 0xFF, 0x00);
    case DayKind::Cancelled: break;
    }
    return {};
}

void installCalendarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(calendarInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

DayLabel::DayLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMargin(0);
    textColor_ = palette().color(QPalette::WindowText);
}

void DayLabel::setFill(const QColor &color)
{
    fill_ = color;
    update();
}

void DayLabel::setBorder(bool on)
{
    border_ = on;
    update();
}

void DayLabel::setMissing(bool on)
{
    if (missing_ == on)
        return;
    missing_ = on;
    update();
}

void DayLabel::setFocusFrame(bool on, bool visible)
{
    visible = on && visible;
    if (focusFrame_ == on && frameVisible_ == visible)
        return;
    focusFrame_ = on;
    frameVisible_ = visible;
    update();
}

void DayLabel::setTextColor(const QColor &color)
{
    // Set at every step for the holidays: most steps change none.
    if (textColor_ == color)
        return;
    textColor_ = color;
    update();
}

void DayLabel::setSpoken(const QString &name, const QString &description)
{
    if (accessibleName() != name)
        setAccessibleName(name);
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void DayLabel::setHolidayName(const QString &name)
{
    if (toolTip() != name)
        setToolTip(name);
}

void DayLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (fill_.isValid())
        p.fillRect(r, fill_);
    if (border_) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (missing_) {
        // Grey dots along the foot, inside today's border and the frame:
        // no fill, so it is never taken for a day's kind.
        p.setPen(QPen(kMissingMark, 2, Qt::DotLine));
        p.drawLine(QPointF(r.left() + 4, r.bottom() - 3), QPointF(r.right() - 4, r.bottom() - 3));
    }
    if (frameVisible_) {
        // Pixels 1 and 2 from each edge: today's border (pixel 0) stays
        // visible around it.
        p.setPen(QPen(kFocusFrame, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(2, 2, -2, -2));
    }
    p.setPen(textColor_);
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter, text());
}

void DayLabel::press()
{
    if (date_.isValid())
        emit clicked(date_);
}

void DayLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        press();
    QLabel::mouseReleaseEvent(event);
}

} // namespace zentak
