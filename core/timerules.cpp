#include "timerules.h"

#include "numbers.h"

namespace zentak {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Characters that may stand next to a single digit in a number pair.
bool isNumberMark(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('+') || c == QLatin1Char('-')
        || c == QLatin1Char('.');
}

// The numeric check of a character pair:
// - two ASCII decimal digits pass;
// - one ASCII digit next to a blank, '+', '-' or '.' (in either order) passes;
// - everything else fails: a pair without a digit, a digit next to any other
//   character (letters, ':', full-width digits, ...).
// A text shorter than two characters is checked as it is: a lone digit
// passes, a lone other character and the empty text fail.
bool isNumericPair(QStringView pair)
{
    if (pair.size() == 1)
        return isDigit(pair[0]);
    if (pair.size() != 2)
        return false;
    const QChar a = pair[0];
    const QChar b = pair[1];
    if (isDigit(a) && isDigit(b))
        return true;
    return (isDigit(a) && isNumberMark(b)) || (isNumberMark(a) && isDigit(b));
}

// Text comparison of the rules. It ignores letter case and otherwise compares
// character codes, so a non-digit orders against the digits by its code:
// a blank, '+', '-' and '.' come before '0', a colon and letters after '9'.
// For two decimal digits this is the numeric order.
bool inRange(QStringView text, QStringView low, QStringView high)
{
    return text.compare(low, Qt::CaseInsensitive) >= 0
        && text.compare(high, Qt::CaseInsensitive) <= 0;
}

// The first two characters (the whole text if shorter).
QStringView firstTwo(QStringView text)
{
    return text.left(2);
}

// The last two characters (the whole text if shorter).
QStringView lastTwo(QStringView text)
{
    return text.size() < 2 ? text : text.right(2);
}

// The third character, or nothing for a text shorter than three characters.
// Indices count UTF-16 units: a character outside the Basic Multilingual
// Plane fails every check below in either counting, so the answers are the
// same as when counting code points.
bool thirdCharIs(QStringView text, QLatin1Char expected)
{
    return text.size() >= 3 && text[2] == expected;
}

enum class Shape { Clock, DecimalHours };

bool hasShape(QStringView text, Shape shape)
{
    const QLatin1Char separator(shape == Shape::Clock ? ':' : '.');
    if (!thirdCharIs(text, separator))
        return false;
    if (!isNumericPair(firstTwo(text)) || !isNumericPair(lastTwo(text)))
        return false;
    if (shape == Shape::Clock)
        return inRange(firstTwo(text), u"00", u"23") && inRange(lastTwo(text), u"00", u"59");
    return true;
}

} // namespace

bool isTimeText(QStringView text)
{
    return hasShape(text, Shape::Clock);
}

bool isDecimalHoursText(QStringView text)
{
    return hasShape(text, Shape::DecimalHours);
}

QString quarterHours(QStringView text)
{
    const QStringView minutes = lastTwo(text);
    QStringView suffix;
    if (inRange(minutes, u"00", u"14"))
        suffix = u".00";
    else if (inRange(minutes, u"15", u"29"))
        suffix = u".25";
    else if (inRange(minutes, u"30", u"44"))
        suffix = u".50";
    else if (inRange(minutes, u"45", u"59"))
        suffix = u".75";
    return firstTwo(text).toString().append(suffix);
}

int minutesOfTime(QStringView time)
{
    return leadingDigits(time.left(2)) * 60 + leadingDigits(time.mid(3, 2));
}

QString hoursMinutesText(int minutes)
{
    const int m = qMax(minutes, 0);
    return QStringLiteral("%1:%2").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

} // namespace zentak
