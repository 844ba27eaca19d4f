#pragma once
// The saved main-window position ("ppos": left, top, width, height in twips,
// separated by blanks) and the token reader it is split with.

#include <QString>
#include <QStringView>

namespace zentak {

inline const QString kDefaultPos = QStringLiteral("6105 1935 3855 4980");

// Text from pos (1-based) up to the delimiter or the end. A pos of 0 or less
// is set to 1 in the caller's variable; pos is not advanced.
QString tokenAt(QStringView text, int &pos, QStringView delimiter);

struct SavedPos {
    int left = 0;
    int top = 0;
};

// Left and top of a "ppos" text (at most five tokens are looked at), each
// the leading number of its token rounded to a 16-bit whole number.
SavedPos parsePos(const QString &ppos);
// "left top width height", with the negative left or top set to 0.
QString formatPos(long long left, long long top, long long width, long long height);

} // namespace zentak
