#include "numberformat.h"

#include <charconv>
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

template <typename T>
Decimal toDecimal(T value)
{
    Decimal d;
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string s = ec == std::errc() ? std::string(buf, end) : std::string("0");
    if (!s.empty() && s[0] == '-') {
        d.negative = true;
        s.erase(0, 1);
    }
    const size_t point = s.find('.');
    d.integer = s.substr(0, point);
    if (point != std::string::npos)
        d.fraction = s.substr(point + 1);
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
