#include "dayentryrules.h"

#include "fixedtext.h"
#include "numberformat.h"
#include "noteedit.h"
#include "timerules.h"
#include "windowpos.h"

#include <cmath>

namespace zentak {

QString formatTday(const EditDay &day)
{
    const QString d = day.date;
    return d.mid(2, 2) + QStringLiteral("年") + d.mid(5, 2) + QStringLiteral("月") + d.mid(8, 2)
           + QStringLiteral("日(") + day.week + QStringLiteral(")");
}

std::optional<DayBox> firstBadBox(const QString &start, const QString &end, const QString &worked,
                                  const QString &kintai)
{
    if (!timechk(start, u"0"))
        return DayBox::Start;
    if (!timechk(end, u"0"))
        return DayBox::End;
    if (!timechk(worked, u"0"))
        return DayBox::Worked;
    if (!timechk(kintai, u"1"))
        return DayBox::Kintai;
    return std::nullopt;
}

QString badBoxMessage(DayBox box)
{
    return box == DayBox::Kintai ? QStringLiteral("時間はHH.MMで入力して下さい！")
                                 : QStringLiteral("時間はHH:MMで入力して下さい！");
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

double balanceValue(const QString &yukyu)
{
    return leadingNumber(yukyu);
}

std::optional<QString> paidLeaveRefusal(const QString &yukyu, int index)
{
    const double balance = balanceValue(yukyu);
    if (balance < 0.5)
        return QStringLiteral("有給休暇残は０日です！");
    if (balance < 1.0 && index == 0)
        return QStringLiteral("有給休暇残は０．５日です！");
    return std::nullopt;
}

QString balanceAfterLeave(const QString &yukyu, int index)
{
    return formatBalance(balanceValue(yukyu) - (index == 0 ? 1.0 : 0.5));
}

QString balanceAfterCancel(const QString &yukyu, const QString &noteText)
{
    const QString head = leftChars(trimBlanks(noteText), 8);
    if (head == kMarkWholeDay)
        return formatBalance(balanceValue(yukyu) + 1.0);
    if (head == kMarkHalfDay)
        return formatBalance(balanceValue(yukyu) + 0.5);
    return yukyu;
}

void iniset(AttendanceTable &table, const CellCursor &cursor, const EditDay &day)
{
    table.setField(cursor, Field::Date, day.date);
    table.setField(cursor, Field::Week, day.week);
    table.setField(cursor, Field::Start, u"00:00");
    table.setField(cursor, Field::End, u"00:00");
    table.setField(cursor, Field::Worked, u"00:00");
    table.setField(cursor, Field::Kintai, u"00.00");
}

BreakRules breakRules(const Settings &settings)
{
    return BreakRules{settings.T6Sw, settings.T4Sw, settings.Sift, settings.DayTM};
}

QString usualStart(const QString &start, const Settings &settings)
{
    if (!isBlank(start))
        return start;
    return isBlank(settings.IniTM) ? QStringLiteral("09:00") : settings.IniTM;
}

DayBoxes boxesForRecord(const DayRecord &record, const Settings &settings)
{
    DayBoxes b;
    b.start = usualStart(record.start, settings);
    b.end = trimBlanks(record.end);
    b.worked = trimBlanks(record.worked);
    b.kintai = trimBlanks(record.kintai);
    b.note = trimTrailingBlanks(record.note);
    if (b.note.isEmpty()) {
        // The default note comes from the settings store, which may have
        // been edited by hand: it enters the day only as the note box
        // would take it.
        const AdmittedNote fromDefault = admitNote(trimTrailingBlanks(settings.Sagyo));
        b.note = fromDefault.text;
        b.refusedFromDefault = fromDefault.refused;
    }
    return b;
}

} // namespace zentak
