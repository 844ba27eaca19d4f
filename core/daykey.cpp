#include "daykey.h"

#include "fixedtext.h"

namespace zentak {

bool DayKey::valid() const
{
    return year >= 0 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::array<char, 10> DayKey::dateChars() const
{
    // Written for every record of every save: by hand, as QString::arg
    // took most of the time of a save.
    return {char('0' + year / 1000 % 10), char('0' + year / 100 % 10), char('0' + year / 10 % 10),
            char('0' + year % 10),        '/',
            char('0' + month / 10 % 10),  char('0' + month % 10),      '/',
            char('0' + day / 10 % 10),    char('0' + day % 10)};
}

QString DayKey::dateText() const
{
    const std::array<char, 10> chars = dateChars();
    return QString::fromLatin1(chars.data(), qsizetype(chars.size()));
}

DayKey keyOf(QDate day)
{
    return {day.year(), day.month(), day.day()};
}

std::optional<DayKey> keyOfDateText(QStringView text)
{
    const QStringView date = trimmedTrailingBlanks(text);
    if (date.size() != 10 || date[4] != QLatin1Char('/') || date[7] != QLatin1Char('/'))
        return std::nullopt;
    int digits[10] = {};
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        const char16_t c = date[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits[i] = c - u'0';
    }
    const DayKey key{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[5] * 10 + digits[6],
                     digits[8] * 10 + digits[9]};
    if (!key.valid())
        return std::nullopt;
    return key;
}

QDate calendarDateOf(QStringView text)
{
    const std::optional<DayKey> key = keyOfDateText(text);
    return key ? QDate(key->year, key->month, key->day) : QDate();
}

int yearSlot(int year)
{
    // The remainder of a negative year would be negative; keep 1..3.
    const int r = ((year % 3) + 3) % 3;
    return r + 1;
}

bool comesFirstInFile(const DayKey &a, const DayKey &b)
{
    const int sa = yearSlot(a.year);
    const int sb = yearSlot(b.year);
    if (sa != sb)
        return sa < sb;
    if (a.month != b.month)
        return a.month < b.month;
    if (a.day != b.day)
        return a.day < b.day;
    return a.year < b.year;
}

} // namespace zentak
