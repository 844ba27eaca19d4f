#include "daykind.h"

#include "fixedtext.h"
#include "numbers.h"
#include "numberformat.h"

namespace zentak {

namespace {

const QString kWholeDayPaid = QStringLiteral("有給休暇（１日）");
const QString kHalfDayPaid = QStringLiteral("有給休暇（半日）");

} // namespace

// The tests run in this order on the note with blanks removed at both ends;
// the first that holds decides.
DayKind kindOfNote(QStringView note)
{
    const QString text = trimBlanks(note);
    if (leftChars(text, 2) == u"休日")
        return DayKind::Holiday;
    if (leftChars(text, 2) == u"代休")
        return DayKind::Compensatory;
    if (leftChars(text, 4) == u"有給休暇")
        return DayKind::PaidLeave;
    if (leftChars(text, 2) != u"取消")
        return DayKind::Worked;
    return DayKind::Cancelled;
}

bool isHalfDayPaidNote(QStringView note)
{
    return leftChars(trimBlanks(note), 8).compare(kHalfDayPaid, Qt::CaseInsensitive) == 0;
}

double paidLeaveDays(QStringView note)
{
    if (kindOfNote(note) != DayKind::PaidLeave)
        return 0;
    return isHalfDayPaidNote(note) ? 0.5 : 1;
}

QString markerText(LeaveKind kind)
{
    switch (kind) {
    case LeaveKind::WholeDayPaid: return kWholeDayPaid;
    case LeaveKind::HalfDayPaid: return kHalfDayPaid;
    case LeaveKind::Holiday: return QStringLiteral("休日");
    case LeaveKind::Compensatory: return QStringLiteral("代休");
    case LeaveKind::Cancelled: break;
    }
    return QStringLiteral("取消");
}

DayKind dayKindOf(LeaveKind kind)
{
    switch (kind) {
    case LeaveKind::WholeDayPaid:
    case LeaveKind::HalfDayPaid: return DayKind::PaidLeave;
    case LeaveKind::Holiday: return DayKind::Holiday;
    case LeaveKind::Compensatory: return DayKind::Compensatory;
    case LeaveKind::Cancelled: break;
    }
    return DayKind::Cancelled;
}

QString weekdayKanji(int weekday)
{
    static const char16_t *const names[7] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    return weekday >= 0 && weekday < 7 ? QString::fromUtf16(names[weekday]) : QString();
}

QString weekdayKanji(QDate day)
{
    return day.isValid() ? weekdayKanji(day.dayOfWeek() % 7) : QString();
}

QString dateField(QDate day)
{
    return day.toString(QStringLiteral("yyyy/MM/dd"));
}

DayRecord markedDay(QDate day, LeaveKind kind)
{
    DayRecord r;
    r.date = dateField(day);
    r.week = weekdayKanji(day);
    r.start = r.end = r.worked = QStringLiteral("00:00");
    r.attendance = QStringLiteral("00.00");
    r.note = markerText(kind);
    return r;
}

QString formatBalance(double days)
{
    // "00.0"; a negative balance keeps its digit rather than lose it to the
    // cut ("-1.0", not "-01.").
    QString text = formatNumber(days, u"00.0");
    if (text.size() > 4 && days < 0)
        text = formatNumber(days, u"0.0");
    return fixedWidth(text, 4);
}

std::optional<QString> balanceTextFor(double days)
{
    QString text = formatNumber(days, u"00.0");
    if (text.size() > 4 && days < 0)
        text = formatNumber(days, u"0.0");
    if (text.size() > 4)
        return std::nullopt;
    return text;
}

double balanceValue(QStringView balance)
{
    return leadingNumber(balance);
}

std::optional<LeaveShortfall> paidLeaveRefusal(QStringView balance, LeaveKind kind)
{
    if (kind != LeaveKind::WholeDayPaid && kind != LeaveKind::HalfDayPaid)
        return std::nullopt;
    const double days = balanceValue(balance);
    if (days < 0.5)
        return LeaveShortfall::NoneLeft;
    if (days < 1.0 && kind == LeaveKind::WholeDayPaid)
        return LeaveShortfall::HalfDayLeft;
    return std::nullopt;
}

QString balanceAfter(QStringView balance, LeaveKind kind, QStringView noteShown)
{
    switch (kind) {
    case LeaveKind::WholeDayPaid: return formatBalance(balanceValue(balance) - 1.0);
    case LeaveKind::HalfDayPaid: return formatBalance(balanceValue(balance) - 0.5);
    case LeaveKind::Cancelled: {
        const QString head = leftChars(trimBlanks(noteShown), 8);
        if (head == kWholeDayPaid)
            return formatBalance(balanceValue(balance) + 1.0);
        if (head == kHalfDayPaid)
            return formatBalance(balanceValue(balance) + 0.5);
        break;
    }
    case LeaveKind::Holiday:
    case LeaveKind::Compensatory: break;
    }
    return balance.toString();
}

} // namespace zentak
