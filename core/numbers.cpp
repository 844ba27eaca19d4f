#include "numbers.h"

#include <QString>

#include <cmath>
#include <limits>

namespace zentak {

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype begin = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < text.size() && isAsciiDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double value = text.mid(begin, i - begin).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

int leadingDigits(QStringView text)
{
    constexpr int kStopGrowing = 1440 * 100;
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    int value = 0;
    for (; i < text.size() && isAsciiDigit(text[i]) && value < kStopGrowing; ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    return value;
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 9.0e15;
    if (value > limit)
        value = limit;
    if (value < -limit)
        value = -limit;
    return static_cast<long long>(nearestEven(value));
}

double nearestEven(double value)
{
    // Adding and taking away 2^52 leaves no bits below the point, rounded
    // to even.
    constexpr double kNoFraction = 4503599627370496.0;
    if (!(std::fabs(value) < kNoFraction))
        return value;
    const double rounded = value < 0 ? (value - kNoFraction) + kNoFraction : (value + kNoFraction) - kNoFraction;
    return std::copysign(rounded, value);
}

double truncatedHalf(double value)
{
    const double half = value / 2.0;
    constexpr double kNoFraction = 4503599627370496.0;
    if (!(std::fabs(half) < kNoFraction))
        return half;
    return std::copysign(static_cast<double>(static_cast<long long>(half)), half);
}

int toInt16(long long value)
{
    if (value < std::numeric_limits<short>::min())
        return std::numeric_limits<short>::min();
    if (value > std::numeric_limits<short>::max())
        return std::numeric_limits<short>::max();
    return static_cast<int>(value);
}

} // namespace zentak
