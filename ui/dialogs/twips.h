#pragma once
// Geometry given in twips, placed in pixels.

#include "platform.h"
#include "numbers.h"

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

// The screen's twips per pixel, rounded to whole numbers (halves to even)
// as every window lays itself out with them; 15 where the screen gives
// nothing usable.
inline TwipScale screenScale(Platform &platform)
{
    auto whole = [](double perPixel) {
        const double rounded = static_cast<double>(roundHalfEven(perPixel));
        return rounded > 0 ? rounded : 15.0;
    };
    return TwipScale{whole(platform.twipsPerPixelX()), whole(platform.twipsPerPixelY())};
}

inline void placeTwips(QWidget *w, const TwipScale &s, double left, double top, double width,
                       double height)
{
    w->setGeometry(s.rect(left, top, width, height));
}

} // namespace zentak
