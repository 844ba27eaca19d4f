#pragma once
// Where a dialog goes over the main window: centred on it, then pushed back
// onto the screen on the right and bottom. All values in twips.

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

} // namespace zentak
