#pragma once
// Paid leave as the Labour Standards Act (article 39) grants it, from the
// hire date the user gives: a grant six months after hiring and every year
// after, its days by the years of service and the days worked in a week;
// the days of a grant expire two years after it, the oldest used first; and
// of every grant of ten days or more, five must be taken before the next.
// Without a hire date none of this applies.

#include "attendancetable.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace zentak {

// The days worked in a week the law's table has rows for.
inline constexpr int kFewestWeekDays = 1;
inline constexpr int kMostWeekDays = 5;

// The first year a hire date may have.
inline constexpr int kFirstHireYear = 1900;

struct Grant {
    int index = 0; // 0 for the first, six months after hiring
    QDate date;
    int days = 0;
};

// The hire date as it counts on `today`: none when it is not given, before
// 1900 or after today.
QDate countingHireDate(QDate hired, QDate today);

// The grant's date: the hire date plus 6, 18, 30 ... months, the last day
// of the month when the hire date's day does not exist in it.
QDate grantDate(QDate hired, int index);
// The days of the grant by the law's table: the years of service (0.5,
// 1.5, ... 6.5 and more) and the days worked in a week (1 to 5).
int grantDays(int index, int weekDays);
// The last grant on or before `day`; none before the first.
std::optional<Grant> lastGrantBy(QDate hired, int weekDays, QDate day);

// The date of the last grant handled, as it counts on `today`: the stored
// one when it is a date not after today; otherwise (none, or after today)
// the last grant that has come, or the hire date before the first.
QDate handledGrantDate(QDate hired, QDate stored, QDate today);
// The grants after `handled` that have come by `today`, oldest first.
QList<Grant> dueGrants(QDate hired, int weekDays, QDate handled, QDate today);
// The date of the last grant handled once the settings are saved with the
// hire date `hired` (it was `hiredBefore`): a hire date newly given takes
// the grants already come as handled.
QDate handledOnHiring(QDate hiredBefore, QDate hired, QDate handled, QDate today);

// What a grant does to the balance, as its question tells it.
struct GrantOffer {
    Grant grant;
    bool balanceIsNumber = true; // false: the grant is added to zero
    double before = 0;           // the balance, 0 when it is not a number
    double expiring = 0;         // what is left of the grant before last
    double after = 0;            // before, less what expires, plus the grant
    // The balance text after it; none when its four characters cannot hold it.
    std::optional<QString> afterText;
};
// The days that expire are the balance beyond the previous grant's days
// (none at the first grant).
GrantOffer grantOffer(const Grant &grant, int weekDays, QStringView balance);

// Paid leave taken from `from` to `to`, both included: a whole day 1, a
// half day 0.5, by the records' markers.
double paidLeaveTaken(const AttendanceTable &table, QDate from, QDate to);

// The five days a year of the grant in force on `today`, when it is of ten
// days or more: the days taken of it and by when five must be.
struct FiveDays {
    Grant grant;
    QDate deadline; // the day before the next grant
    double taken = 0;
    // Fewer than five taken with the deadline three months away or less.
    bool falling = false;
};
inline constexpr int kDaysToTake = 5;
inline constexpr int kGrantThatMustBeTaken = 10;
std::optional<FiveDays> fiveDaysOf(const AttendanceTable &table, QDate hired, int weekDays, QDate today);

} // namespace zentak
