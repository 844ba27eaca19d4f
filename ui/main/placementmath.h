#pragma once
// Where a dialog goes over the main window: centred on it, then pushed back
// onto the screen on the right and bottom. All values in twips.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zentak {

struct PlacementInput {
    double parentLeft = 0;
    double parentTop = 0;
    double parentWidth = 0;
    double parentHeight = 0;
    double dialogWidth = 0;
    double dialogHeight = 0;
    double screenWidth = 0;
    double screenHeight = 0;
};

struct PlacementResult {
    int left = 0;
    int top = 0;
};

PlacementResult centerPosition(const PlacementInput &in);

// Where the main window opens (pixels, its frame's top-left corner), given
// where it was saved. A window that can be seen and reached there stays
// exactly there; one off every screen (a position saved on a screen since
// removed, or edited by hand) is moved fully onto the screen that holds
// most of it (the first, primary screen when none does), as near as it can
// to the saved place.
QPoint reachablePosition(QPoint saved, QSize window, const QList<QRect> &screens);

} // namespace zentak
