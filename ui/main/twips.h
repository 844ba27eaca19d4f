#pragma once
// Geometry given in twips, placed in pixels.

#include <QRect>
#include <QWidget>

#include <cmath>

namespace zentak {

struct TwipScale {
    double x = 15;
    double y = 15;

    int px(double twips) const { return static_cast<int>(std::lround(twips / x)); }
    int py(double twips) const { return static_cast<int>(std::lround(twips / y)); }
    QRect rect(double left, double top, double width, double height) const
    {
        return QRect(px(left), py(top), px(width), py(height));
    }
};

inline void placeTwips(QWidget *w, const TwipScale &s, double left, double top, double width,
                       double height)
{
    w->setGeometry(s.rect(left, top, width, height));
}

} // namespace zentak
