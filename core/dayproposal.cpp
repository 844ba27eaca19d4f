#include "dayproposal.h"

#include "daykind.h"
#include "fixedtext.h"
#include "storabletext.h"
#include "timerules.h"

namespace zentak {

namespace {

// The start box when it is blank: the usual start, or "09:00" when that is
// blank too.
QString usualStart(const QString &start, const Settings &settings)
{
    if (!isBlank(start))
        return start;
    return isBlank(settings.usualStart) ? QStringLiteral("09:00") : settings.usualStart;
}

void fillNote(DayProposal &p, const DayRecord &record, const Settings &settings)
{
    p.boxes.note = trimTrailingBlanks(record.note);
    if (!p.boxes.note.isEmpty())
        return;
    // The default note comes from the settings store, which may have been
    // edited by hand: it enters the day only as the note box would take it.
    const AdmittedNote fromDefault = admitNote(trimTrailingBlanks(settings.defaultNote));
    p.boxes.note = fromDefault.text;
    p.refusedFromDefault = fromDefault.refused;
}

} // namespace

BreakRules breakRules(const Settings &settings)
{
    return BreakRules{settings.lunchBreak, settings.shiftWork, settings.regularHours};
}

DayProposal proposalForRecord(const DayRecord &record, const Settings &settings)
{
    DayProposal p;
    p.boxes.start = usualStart(record.start, settings);
    p.boxes.end = trimBlanks(record.end);
    p.boxes.worked = trimBlanks(record.worked);
    p.boxes.attendance = trimBlanks(record.attendance);
    fillNote(p, record, settings);
    return p;
}

DayProposal clockOutProposal(const DayRecord &record, const Settings &settings, QTime now)
{
    DayProposal p;
    p.boxes.end = now.toString(QStringLiteral("HH:mm"));
    const WorkedTime computed = computeWorkedTime(settings.usualStart, p.boxes.end, breakRules(settings));
    if (computed.failure == WorkedTime::Failure::None) {
        p.boxes.worked = computed.worked;
        p.boxes.attendance = computed.attendance;
    }
    p.boxes.start = usualStart(settings.usualStart, settings);
    fillNote(p, record, settings);
    return p;
}

std::optional<DayBox> firstBadBox(const DayBoxes &b)
{
    if (!isTimeText(b.start))
        return DayBox::Start;
    if (!isTimeText(b.end))
        return DayBox::End;
    if (!isTimeText(b.worked))
        return DayBox::Worked;
    if (!isDecimalHoursText(b.attendance))
        return DayBox::Attendance;
    return std::nullopt;
}

DayRecord storedDay(QDate day, const DayBoxes &boxes)
{
    DayRecord r;
    r.date = dateField(day);
    r.week = weekdayKanji(day);
    r.start = boxes.start;
    r.end = boxes.end;
    r.worked = boxes.worked;
    r.attendance = boxes.attendance;
    r.note = boxes.note;
    return r;
}

} // namespace zentak
