#include "daylabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace zentak {

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

DayLabel::DayLabel(int index, QWidget *parent) : QLabel(parent), index_(index)
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

void DayLabel::setTextColor(const QColor &color)
{
    textColor_ = color;
    update();
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
    p.setPen(textColor_);
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter, text());
}

void DayLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(index_);
    QLabel::mouseReleaseEvent(event);
}

} // namespace zentak
