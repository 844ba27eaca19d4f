#include "nationalholidays.h"

#include <array>
#include <mutex>

namespace zentak {

namespace {

constexpr int kFirstYear = 1955;
constexpr int kLastYear = 2099;

enum Holiday : quint8 {
    NoHoliday,
    NewYearsDay,
    ComingOfAgeDay,
    FoundationDay,
    EmperorsBirthday,
    VernalEquinoxDay,
    ShowaDay,
    ConstitutionDay,
    GreeneryDay,
    ChildrensDay,
    MarineDay,
    MountainDay,
    RespectForTheAgedDay,
    AutumnalEquinoxDay,
    HealthAndSportsDay,
    SportsDay,
    CultureDay,
    LaborThanksgivingDay,
    SubstituteHoliday, // the day off for a holiday on a Sunday
    CitizensHoliday,   // a day between two holidays
    AkihitoWedding,
    ShowaFuneral,
    EnthronementCeremony,
    NaruhitoWedding,
    Enthronement,
};

const QString &nameOf(Holiday holiday)
{
    static const QString names[] = {
        QString(),
        QStringLiteral("元日"),
        QStringLiteral("成人の日"),
        QStringLiteral("建国記念の日"),
        QStringLiteral("天皇誕生日"),
        QStringLiteral("春分の日"),
        QStringLiteral("昭和の日"),
        QStringLiteral("憲法記念日"),
        QStringLiteral("みどりの日"),
        QStringLiteral("こどもの日"),
        QStringLiteral("海の日"),
        QStringLiteral("山の日"),
        QStringLiteral("敬老の日"),
        QStringLiteral("秋分の日"),
        QStringLiteral("体育の日"),
        QStringLiteral("スポーツの日"),
        QStringLiteral("文化の日"),
        QStringLiteral("勤労感謝の日"),
        QStringLiteral("振替休日"),
        QStringLiteral("国民の休日"),
        QStringLiteral("皇太子・明仁親王の結婚の儀"),
        QStringLiteral("昭和天皇の大喪の礼"),
        QStringLiteral("即位礼正殿の儀"),
        QStringLiteral("皇太子・徳仁親王の結婚の儀"),
        QStringLiteral("天皇の即位の日"),
    };
    return names[holiday];
}

struct SpecialDay {
    int year, month, day;
    Holiday holiday;
};
// The days of the special laws. 2019-04-30 and 05-02 follow from the rule of
// the day between two holidays: the law counts 05-01 as a holiday for it.
constexpr SpecialDay kSpecialDays[] = {
    {1959, 4, 10, AkihitoWedding},  {1989, 2, 24, ShowaFuneral}, {1990, 11, 12, EnthronementCeremony},
    {1993, 6, 9, NaruhitoWedding}, {2019, 5, 1, Enthronement},  {2019, 10, 22, EnthronementCeremony},
};

// A year's holidays by QDate::dayOfYear() (index 0 unused).
using YearHolidays = std::array<Holiday, 367>;

// QDate::dayOfYear() from the parts of a date already read.
int dayOfYear(int year, int month, int day)
{
    static constexpr int kDaysBefore[] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return kDaysBefore[month] + day + (month > 2 && QDate::isLeapYear(year) ? 1 : 0);
}

bool isNamedHoliday(Holiday holiday)
{
    return holiday != NoHoliday && holiday != SubstituteHoliday && holiday != CitizensHoliday;
}

int nthMonday(int year, int month, int nth)
{
    const int firstWeekday = QDate(year, month, 1).dayOfWeek();
    return 1 + (8 - firstWeekday) % 7 + 7 * (nth - 1);
}

// The equinox's day of March or September by the formula, in millionths of
// a day so that no rounding moves it. Before 1980 the formula counts leap
// years from 1983, truncating toward zero as C++ division does.
int equinoxDay(int year, int millionthsFrom1980, int millionthsBefore1980)
{
    if (year >= 1980)
        return (millionthsFrom1980 + 242194 * (year - 1980)) / 1000000 - (year - 1980) / 4;
    return (millionthsBefore1980 + 242194 * (year - 1980)) / 1000000 - (year - 1983) / 4;
}

// The substitute days and the days between two holidays, added to the
// year's named holidays.
void addDaysOff(int year, YearHolidays &days)
{
    const QDate newYearsDay(year, 1, 1);
    const int count = newYearsDay.daysInYear();
    auto isSunday = [firstWeekday = newYearsDay.dayOfWeek()](int d) {
        return (firstWeekday + d - 2) % 7 + 1 == Qt::Sunday;
    };
    // From 1973-04-12 a holiday on a Sunday makes the Monday a day off; from
    // 2007 the first day after it that is no holiday.
    const int firstSubstituted = year < 1973 ? count + 1 : year == 1973 ? dayOfYear(1973, 4, 12) : 1;
    for (int d = firstSubstituted; d <= count; ++d) {
        if (!isNamedHoliday(days[d]) || !isSunday(d))
            continue;
        int next = d + 1;
        while (year >= 2007 && next <= count && isNamedHoliday(days[next]))
            ++next;
        if (next <= count && days[next] == NoHoliday)
            days[next] = SubstituteHoliday;
    }
    // From the law of December 1985 a day between two holidays is a day off;
    // until 2006 not when it is a Sunday (nor a substitute day, which it
    // already is).
    if (year < 1986)
        return;
    for (int d = 2; d < count; ++d)
        if (days[d] == NoHoliday && isNamedHoliday(days[d - 1]) && isNamedHoliday(days[d + 1])
            && (year >= 2007 || !isSunday(d)))
            days[d] = CitizensHoliday;
}

YearHolidays holidaysOf(int year)
{
    YearHolidays days{};
    auto set = [&days, year](int month, int day, Holiday holiday) {
        days[dayOfYear(year, month, day)] = holiday;
    };
    set(1, 1, NewYearsDay);
    set(1, year < 2000 ? 15 : nthMonday(year, 1, 2), ComingOfAgeDay);
    if (year >= 1967)
        set(2, 11, FoundationDay);
    // The new emperor's birthday from 2020: 2019 had none.
    if (year >= 2020)
        set(2, 23, EmperorsBirthday);
    set(3, equinoxDay(year, 20843100, 20835700), VernalEquinoxDay);
    set(4, 29, year < 1989 ? EmperorsBirthday : year < 2007 ? GreeneryDay : ShowaDay);
    set(5, 3, ConstitutionDay);
    if (year >= 2007)
        set(5, 4, GreeneryDay);
    set(5, 5, ChildrensDay);
    // The Olympic Games of Tokyo moved three holidays in 2020 and in 2021.
    if (year == 2020) {
        set(7, 23, MarineDay);
        set(7, 24, SportsDay);
        set(8, 10, MountainDay);
    } else if (year == 2021) {
        set(7, 22, MarineDay);
        set(7, 23, SportsDay);
        set(8, 8, MountainDay);
    } else {
        if (year >= 1996)
            set(7, year < 2003 ? 20 : nthMonday(year, 7, 3), MarineDay);
        if (year >= 2016)
            set(8, 11, MountainDay);
        if (year >= 1966)
            set(10, year < 2000 ? 10 : nthMonday(year, 10, 2), year < 2020 ? HealthAndSportsDay : SportsDay);
    }
    if (year >= 1966)
        set(9, year < 2003 ? 15 : nthMonday(year, 9, 3), RespectForTheAgedDay);
    set(9, equinoxDay(year, 23248800, 23258800), AutumnalEquinoxDay);
    set(11, 3, CultureDay);
    set(11, 23, LaborThanksgivingDay);
    if (year >= 1989 && year <= 2018)
        set(12, 23, EmperorsBirthday);
    for (const SpecialDay &special : kSpecialDays)
        if (special.year == year)
            set(special.month, special.day, special.holiday);
    addDaysOff(year, days);
    return days;
}

// Each year is worked out once, when first asked for: the calendar asks for
// a month's days at every step.
const YearHolidays &holidaysOfYear(int year)
{
    constexpr int kYears = kLastYear - kFirstYear + 1;
    static std::array<YearHolidays, kYears> years;
    static std::array<std::once_flag, kYears> worked;
    const int index = year - kFirstYear;
    std::call_once(worked[index], [index, year] { years[index] = holidaysOf(year); });
    return years[index];
}

} // namespace

std::optional<QString> nationalHolidayName(QDate day)
{
    // One reading of the date: the calendar asks for every day it draws.
    int year = 0, month = 0, dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth); // year 0 for an invalid date
    if (year < kFirstYear || year > kLastYear)
        return std::nullopt;
    const Holiday holiday = holidaysOfYear(year)[dayOfYear(year, month, dayOfMonth)];
    if (holiday == NoHoliday)
        return std::nullopt;
    return nameOf(holiday);
}

} // namespace zentak
