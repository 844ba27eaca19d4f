#include "numberformat.h"

#include <QLocale>

#include <cmath>
#include <string>

namespace zentak {

namespace {

struct Pattern {
    int minIntegerDigits = 1;
    int decimals = 0;
    bool grouping = false;
};

Pattern parsePattern(QStringView pattern)
{
    Pattern p;
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView integer = point < 0 ? pattern : pattern.left(point);
    p.minIntegerDigits = int(integer.count(QLatin1Char('0')));
    p.grouping = integer.contains(QLatin1Char(','));
    if (point >= 0)
        p.decimals = int(pattern.mid(point + 1).count(QLatin1Char('0')));
    return p;
}

// Digits of the shortest decimal form, split at the point.
struct Decimal {
    bool negative = false;
    std::string integer;  // no leading zeros ("" for zero)
    std::string fraction; // no trailing zeros
};

// The value in the fewest significant digits that read back as it, as
// "d.ddde±x", by Qt's own double-conversion. The standard library's
// floating-point std::to_chars would do the same, but its code and tables
// (some 128 KiB) stayed resident at every start for the first figures.
QString shortestScientific(double value)
{
    return QString::number(value, 'e', QLocale::FloatingPointShortest);
}

// A float's: the fewest digits (at most 9) that read back as the float;
// of two as near, the one whose last digit is even.
QString shortestScientific(float value)
{
    QString s;
    for (int digits = 1; digits <= 9; ++digits) {
        s = QString::number(double(value), 'e', digits - 1);
        // Exactly halfway Qt rounds up: the even one is the one below.
        QString longer = QString::number(double(value), 'e', digits);
        const qsizetype five = longer.indexOf(QLatin1Char('e')) - 1;
        const QChar before = longer.at(five - 1) == u'.' ? longer.at(five - 2) : longer.at(five - 1);
        if (longer.at(five) == u'5' && (before.digitValue() % 2) == 0 && longer.toDouble() == double(value))
            s = longer.remove(five, 1);
        // Read as a double and rounded to a float, as the float's own
        // digits are (QString::toFloat refuses digits just past the largest).
        if (float(s.toDouble()) == value)
            break;
    }
    return s;
}

template <typename T>
Decimal toDecimal(T value)
{
    Decimal d;
    const std::string s = shortestScientific(value).toStdString();
    const size_t e = s.find('e');
    d.negative = s[0] == '-';
    std::string digits;
    for (char c : s.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    // The point sits after the first digit, moved by the exponent.
    const long point = 1 + std::stol(s.substr(e + 1));
    if (point <= 0)
        d.fraction = std::string(size_t(-point), '0') + digits;
    else if (size_t(point) > digits.size())
        // A whole number past its shortest digits: shown whole, as no
        // shorter text reads back as it either.
        d.integer = QString::number(double(value), 'f', 0).remove(QLatin1Char('-')).toStdString();
    else if (size_t(point) == digits.size())
        d.integer = digits;
    else {
        d.integer = digits.substr(0, size_t(point));
        d.fraction = digits.substr(size_t(point));
    }
    while (!d.integer.empty() && d.integer[0] == '0')
        d.integer.erase(0, 1);
    while (!d.fraction.empty() && d.fraction.back() == '0')
        d.fraction.pop_back();
    return d;
}

// Adds one to the last digit of the number integer.fraction, carrying.
void incrementLast(std::string &integer, std::string &fraction)
{
    for (size_t i = fraction.size(); i-- > 0;) {
        if (fraction[i] != '9') {
            ++fraction[i];
            return;
        }
        fraction[i] = '0';
    }
    for (size_t i = integer.size(); i-- > 0;) {
        if (integer[i] != '9') {
            ++integer[i];
            return;
        }
        integer[i] = '0';
    }
    integer.insert(integer.begin(), '1');
}

template <typename T>
QString format(T value, QStringView patternText)
{
    const Pattern p = parsePattern(patternText);
    if (!std::isfinite(value))
        value = 0;
    Decimal d = toDecimal(value);

    std::string fraction = d.fraction.substr(0, std::min<size_t>(d.fraction.size(), p.decimals));
    fraction.resize(p.decimals, '0');
    if (d.fraction.size() > size_t(p.decimals) && d.fraction[p.decimals] >= '5')
        incrementLast(d.integer, fraction);

    std::string integer = d.integer;
    if (integer.size() < size_t(p.minIntegerDigits))
        integer.insert(0, p.minIntegerDigits - integer.size(), '0');
    if (p.grouping) {
        for (int i = int(integer.size()) - 3; i > 0; i -= 3)
            integer.insert(size_t(i), 1, ',');
    }
    const bool zero = d.integer.find_first_not_of('0') == std::string::npos
                      && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !zero) ? "-" : "";
    out += integer;
    if (p.decimals > 0)
        out += '.' + fraction;
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

} // namespace

QString formatNumber(double value, QStringView pattern)
{
    return format(value, pattern);
}

QString formatNumber(float value, QStringView pattern)
{
    return format(value, pattern);
}

} // namespace zentak
