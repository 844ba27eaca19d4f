#pragma once
// The fortune of the day: a weighted draw from ten entries.

namespace zentak {

// r in single precision from a draw of the generator in [0, 1): a double
// just below 1 can round up to 1 when narrowed, so it is held at the
// largest single below 1.
float fortuneDraw(double random);
// v = the integer part of r × 15, the product taken exactly: 0 to 14.
int fortuneValue(float r);
// The entry of the table for v: its last decimal digit; its words are
// fortuneText (windowtexts.h).
int fortuneIndex(int v);

} // namespace zentak
