#include "fortune.h"

#include <cmath>

namespace zentak {

float fortuneDraw(double random)
{
    if (!(random >= 0.0)) // below 0 or not a number
        return 0.0f;
    const float r = static_cast<float>(random);
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

int fortuneValue(float r)
{
    // A single has 24 significant bits and 15 needs 4: the product is exact
    // in double precision.
    return static_cast<int>(std::floor(static_cast<double>(r) * 15.0));
}

int fortuneIndex(int v)
{
    return v % 10;
}

} // namespace zentak
