#include "daylabel.h"

#include <QAccessible>
#include <QPainter>
#include <QWidget>

namespace zentak {

namespace {

const QColor kFocusFrame(0x00, 0x00, 0xFF);
const QColor kMissingMark(0x80, 0x80, 0x80);

// A change told to assistive technology, only while one listens: the
// event would build the cell's accessible interface even with none.
void tellAssistive(QObject *cell, QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(cell, what);
    QAccessible::updateAccessibility(&event);
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

CellLabel::CellLabel(QWidget *panel, const QRect &place, const QString &text)
    : QObject(panel), panel_(panel), place_(place), text_(text),
      textColor_(panel->palette().color(QPalette::WindowText))
{
}

void CellLabel::setText(const QString &text)
{
    if (text_ == text)
        return;
    text_ = text;
    update();
}

void CellLabel::setTextColor(const QColor &color)
{
    // Set at every step for the holidays: most steps change none.
    if (textColor_ == color)
        return;
    textColor_ = color;
    update();
}

QPalette CellLabel::palette() const
{
    return panel_->palette();
}

void CellLabel::update() const
{
    panel_->update(place_);
}

void CellLabel::paint(QPainter &p) const
{
    p.save();
    p.translate(place_.topLeft());
    const QRect r(QPoint(0, 0), place_.size());
    p.setClipRect(r);
    draw(p, r);
    p.restore();
}

void CellLabel::draw(QPainter &p, const QRect &r) const
{
    p.setPen(textColor_);
    p.drawText(r, Qt::AlignCenter, text_);
}

DayLabel::DayLabel(QWidget *panel, const QRect &place) : CellLabel(panel, place) {}

void DayLabel::setFill(const QColor &color)
{
    if (fill_ == color)
        return;
    fill_ = color;
    update();
}

void DayLabel::setBorder(bool on)
{
    if (border_ == on)
        return;
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

void DayLabel::setSpoken(const QString &name, const QString &description)
{
    if (name_ != name) {
        name_ = name;
        tellAssistive(this, QAccessible::NameChanged);
    }
    if (description_ != description) {
        description_ = description;
        tellAssistive(this, QAccessible::DescriptionChanged);
    }
}

void DayLabel::draw(QPainter &p, const QRect &r) const
{
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
    CellLabel::draw(p, r);
}

void DayLabel::press()
{
    if (date_.isValid())
        emit clicked(date_);
}

} // namespace zentak
