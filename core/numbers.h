#pragma once
// Numbers read out of texts, and rounded, the one way every rule of the
// program does it.

#include <QStringView>

namespace zentak {

// One of "0" to "9": full-width and other digits are not.
constexpr bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The leading number of a text: blanks and tabs skipped, an optional sign,
// digits and a fraction; 0 when it does not begin with a number.
double leadingNumber(QStringView text);

// The leading digits of a text as a whole number: blanks skipped, then
// decimal digits up to the first other character; 0 when there are none.
// (Large values stop growing near 144,000, far beyond any time text.)
int leadingDigits(QStringView text);

// Nearest integer, halves to even.
long long roundHalfEven(double value);
// The same as a double, as std::nearbyint gives it in the default rounding
// mode (NaN, infinities and whole values past 2^52 as they are), and
// `truncatedHalf` the integer part of half the value, as std::trunc gives
// it. Done here by the processor's own rounding of a sum: libm's are on a
// page of their own that nothing else of the start touches (64 KiB
// resident).
double nearestEven(double value);
double truncatedHalf(double value);

// Clamped into a signed 16-bit integer.
int toInt16(long long value);

} // namespace zentak
