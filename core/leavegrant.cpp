#include "leavegrant.h"

#include "daykind.h"

#include <algorithm>
#include <cmath>

namespace zentak {

namespace {

constexpr int kFirstGrantMonths = 6;
constexpr int kMonthsBetweenGrants = 12;
constexpr int kMonthsOfWarning = 3;

// The law's table: a row for each of 1 to 5 days worked a week, a column
// for each of 0.5, 1.5, ... 6.5 years of service and more.
constexpr int kGrantTable[kMostWeekDays][7] = {
    {1, 2, 2, 2, 3, 3, 3},
    {3, 4, 4, 5, 6, 6, 7},
    {5, 6, 6, 8, 9, 10, 11},
    {7, 8, 9, 10, 12, 13, 15},
    {10, 11, 12, 14, 16, 18, 20},
};

// The balance as a number: the whole text, blanks aside; none when it is
// not one.
std::optional<double> balanceNumber(QStringView balance)
{
    bool ok = false;
    const double value = balance.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QDate countingHireDate(QDate hired, QDate today)
{
    if (!hired.isValid() || hired.year() < kFirstHireYear || hired > today)
        return {};
    return hired;
}

QDate grantDate(QDate hired, int index)
{
    // From the hire date each time, so a hire date on the 31st keeps its
    // day wherever the month has one.
    return hired.addMonths(kFirstGrantMonths + kMonthsBetweenGrants * index);
}

int grantDays(int index, int weekDays)
{
    const int row = std::clamp(weekDays, kFewestWeekDays, kMostWeekDays) - 1;
    return kGrantTable[row][std::clamp(index, 0, 6)];
}

std::optional<Grant> lastGrantBy(QDate hired, int weekDays, QDate day)
{
    if (!hired.isValid() || !day.isValid())
        return std::nullopt;
    const int months = (day.year() - hired.year()) * 12 + day.month() - hired.month();
    int index = std::max(0, (months - kFirstGrantMonths) / kMonthsBetweenGrants + 1);
    while (index >= 0 && grantDate(hired, index) > day)
        --index;
    if (index < 0)
        return std::nullopt;
    return Grant{index, grantDate(hired, index), grantDays(index, weekDays)};
}

QDate handledGrantDate(QDate hired, QDate stored, QDate today)
{
    if (stored.isValid() && stored <= today)
        return stored;
    const std::optional<Grant> last = lastGrantBy(hired, kMostWeekDays, today);
    return last ? last->date : hired;
}

QList<Grant> dueGrants(QDate hired, int weekDays, QDate handled, QDate today)
{
    QList<Grant> due;
    if (!hired.isValid())
        return due;
    const std::optional<Grant> handledOne = lastGrantBy(hired, weekDays, handled);
    for (int index = handledOne ? handledOne->index + 1 : 0; grantDate(hired, index) <= today; ++index)
        due.append({index, grantDate(hired, index), grantDays(index, weekDays)});
    return due;
}

QDate handledOnHiring(QDate hiredBefore, QDate hired, QDate handled, QDate today)
{
    const QDate counting = countingHireDate(hired, today);
    if (!counting.isValid() || counting == countingHireDate(hiredBefore, today))
        return handled;
    return handledGrantDate(counting, QDate(), today);
}

GrantOffer grantOffer(const Grant &grant, int weekDays, QStringView balance)
{
    GrantOffer offer;
    offer.grant = grant;
    const std::optional<double> number = balanceNumber(balance);
    offer.balanceIsNumber = number.has_value();
    offer.before = number.value_or(0);
    // The oldest days are used first: what is left beyond the previous
    // grant's days is of the grant before it, two years old today.
    if (grant.index > 0 && offer.balanceIsNumber)
        offer.expiring = std::max(0.0, offer.before - grantDays(grant.index - 1, weekDays));
    offer.after = offer.before - offer.expiring + grant.days;
    offer.afterText = balanceTextFor(offer.after);
    return offer;
}

double paidLeaveTaken(const AttendanceTable &table, QDate from, QDate to)
{
    if (!from.isValid() || !to.isValid() || from > to)
        return 0;
    const DayKey first = keyOf(from);
    const DayKey last = keyOf(to);
    double taken = 0;
    const qsizetype end = table.monthRange(to.year(), to.month()).second;
    for (qsizetype i = table.monthRange(from.year(), from.month()).first; i < end; ++i) {
        const DayKey day = table.keyAt(i);
        if (day >= first && day <= last)
            taken += paidLeaveDays(table.stored(day, Field::Note));
    }
    return taken;
}

std::optional<FiveDays> fiveDaysOf(const AttendanceTable &table, QDate hired, int weekDays, QDate today)
{
    const std::optional<Grant> grant = lastGrantBy(countingHireDate(hired, today), weekDays, today);
    if (!grant || grant->days < kGrantThatMustBeTaken)
        return std::nullopt;
    FiveDays five;
    five.grant = *grant;
    five.deadline = grantDate(hired, grant->index + 1).addDays(-1);
    five.taken = paidLeaveTaken(table, grant->date, five.deadline);
    five.falling = five.taken < kDaysToTake && five.deadline <= today.addMonths(kMonthsOfWarning);
    return five;
}

} // namespace zentak
