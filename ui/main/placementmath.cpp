#include "placementmath.h"

#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace zentak {

namespace {

// Positions are signed 16-bit values; anything beyond is held at the limit.
int toPosition(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (v < lo)
        return static_cast<int>(lo);
    if (v > hi)
        return static_cast<int>(hi);
    return static_cast<int>(v);
}

// One axis: centred on the parent, then kept off the left (top) edge; only
// after that pushed back from the right (bottom) edge, so a dialog larger
// than the screen ends with a negative position.
int place(double parentStart, double parentSize, double dialogSize, double screenSize)
{
    double pos = nearestEven(parentStart + truncatedHalf(nearestEven(parentSize))
                             - truncatedHalf(nearestEven(dialogSize)));
    // The room is taken in single precision, both for the test and the
    // position it gives.
    const float room = static_cast<float>(screenSize - dialogSize);
    if (pos < 0)
        pos = 0;
    else if (pos > room)
        pos = nearestEven(room);
    return toPosition(pos);
}

} // namespace

PlacementResult centerPosition(const PlacementInput &in)
{
    PlacementResult out;
    out.left = place(in.parentLeft, in.parentWidth, in.dialogWidth, in.screenWidth);
    out.top = place(in.parentTop, in.parentHeight, in.dialogHeight, in.screenHeight);
    return out;
}

QPoint reachablePosition(QPoint saved, QSize window, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return saved;
    // Reachable: a piece of it this large on one screen, enough to see it
    // and to take it by its frame.
    const QSize enough(qMin(window.width(), 64), qMin(window.height(), 32));
    const QRect at(saved, window);
    const QRect *best = &screens.first();
    long long bestArea = 0;
    for (const QRect &screen : screens) {
        const QRect on = at.intersected(screen);
        if (on.width() >= enough.width() && on.height() >= enough.height())
            return saved;
        const long long area = static_cast<long long>(on.width()) * on.height();
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    // Nearest to the saved place with the whole window on that screen; a
    // window larger than the screen keeps its top-left corner on it.
    auto nearest = [](int value, int low, int high) { return qMax(low, qMin(value, high)); };
    return QPoint(nearest(saved.x(), best->left(), best->right() + 1 - window.width()),
                  nearest(saved.y(), best->top(), best->bottom() + 1 - window.height()));
}

} // namespace zentak
