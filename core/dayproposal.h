#pragma once
// What the day dialog shows when it opens on a day, and the checks of its
// four time boxes.

#include "attendancetable.h"
#include "settings.h"
#include "workedtime.h"

#include <QString>
#include <QTime>

#include <optional>

namespace zentak {

// The dialog's boxes as texts: start, end, worked time, attendance value,
// note (as stored, line breaks CR LF).
struct DayBoxes {
    QString start;
    QString end;
    QString worked;
    QString attendance;
    QString note;
};

struct DayProposal {
    DayBoxes boxes;
    // Characters of the default note kept out of the note box, to be told;
    // empty when there is nothing to tell.
    QString refusedFromDefault;
};

// A day as its record has it; a day without a start gets the usual one, a
// day without a note the default note (as the note box would take it).
DayProposal proposalForRecord(const DayRecord &record, const Settings &settings);
// Clocking out at `now`: the usual start, now as the end, and the worked
// time and attendance value computed from them (left empty when the usual
// start is no time); the note as for the record.
DayProposal clockOutProposal(const DayRecord &record, const Settings &settings, QTime now);

// The day's record as the boxes give it.
DayRecord storedDay(QDate day, const DayBoxes &boxes);

// The break rules of the calculation as the settings hold them now.
BreakRules breakRules(const Settings &settings);

enum class DayBox { Start, End, Worked, Attendance };
// The first of the four time boxes whose text has the wrong shape, in the
// order start, end, worked time, attendance value.
std::optional<DayBox> firstBadBox(const DayBoxes &boxes);

} // namespace zentak
