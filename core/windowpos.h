#pragma once
// The saved main-window position ("ppos": left, top, width, height in twips,
// separated by blanks) and the token reader it is split with.

#include <QString>
#include <QStringView>

namespace zentak {

inline const QString kDefaultPos = QStringLiteral("6105 1935 3855 4980");

// Text from pos (1-based) up to the delimiter or the end. A pos of 0 or less
// is set to 1 in the caller's variable; pos is not advanced.
QString gettoken(QStringView text, int &pos, QStringView delimiter);

// The leading number of a text (blanks and tabs skipped, an optional sign,
// digits and a fraction); 0 when it does not begin with a number.
double leadingNumber(QStringView text);
// Nearest integer, halves to even.
long long roundHalfEven(double value);
// Clamped into a signed 16-bit integer.
int toInt16(long long value);

struct SavedPos {
    int left = 0;
    int top = 0;
};

// Left and top of a "ppos" text (at most five tokens are looked at).
SavedPos parsePos(const QString &ppos);
// "left top width height", with the negative left or top set to 0.
QString formatPos(long long left, long long top, long long width, long long height);

} // namespace zentak
