#include "limitlook.h"

#include <QWidget>

namespace zentak {

void colourByLimitState(QWidget *figure, LimitState state)
{
    // The parent's colours within the limit.
    QPalette p = figure->parentWidget() ? figure->parentWidget()->palette() : QPalette();
    figure->setAutoFillBackground(state != LimitState::Within);
    if (state == LimitState::Near) {
        p.setColor(QPalette::Window, QColor(0xFF, 0xC8, 0x40));
        p.setColor(QPalette::WindowText, Qt::black);
    } else if (state == LimitState::Over) {
        p.setColor(QPalette::Window, QColor(0xC8, 0x00, 0x00));
        p.setColor(QPalette::WindowText, Qt::white);
    }
    figure->setPalette(p);
}

} // namespace zentak
