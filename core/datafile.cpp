#include "datafile.h"

#include "atomicfile.h"
#include "codepage.h"
#include "fixedtext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <map>

namespace zentak {

namespace {

// Appends one record as its line of the file (CR LF included); false when a
// character has no code in the code page.
bool appendRecord(QByteArray &out, const AttendanceTable &table, const DayKey &day)
{
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = kFileOrder[i];
        // The stored text is the field without its blank fill: the note is
        // written so, the other fields at their full width.
        if (i > 0)
            out += ',';
        out += '"';
        if (f == Field::Date) {
            const std::array<char, 10> date = day.dateChars();
            out.append(date.data(), qsizetype(date.size()));
            out += '"';
            continue;
        }
        const QStringView text = table.stored(day, f);
        // A character with two codes (NEC-selected IBM extensions, 0xED and
        // 0xEE, the same as 0xFA-0xFC) is written with the encoder's one
        // code: the text is kept, on purpose; the bytes may change.
        if (!encodeCodePage(text, out))
            return false;
        if (f != Field::Note)
            out.append(fieldWidth(f) - characterCount(text), ' ');
        out += '"';
    }
    out += "\r\n";
    return true;
}

} // namespace

WriteFault writeFaultOf(ReadFault fault)
{
    switch (fault) {
    case ReadFault::CutShort:
        return WriteFault::CutShort;
    case ReadFault::KeepsChanging:
        return WriteFault::KeepsChanging;
    case ReadFault::None:
    case ReadFault::System:
        break;
    }
    return WriteFault::None;
}

QString dataFilePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(kDataFileName);
}

SerializeResult serializeTable(const AttendanceTable &table)
{
    SerializeResult result;
    std::vector<DayKey> order;
    order.reserve(size_t(table.size()));
    for (qsizetype i = 0; i < table.size(); ++i)
        order.push_back(table.keyAt(i));
    std::sort(order.begin(), order.end(), comesFirstInFile);
    QByteArray bytes;
    bytes.reserve(table.size() * 64);
    // Each line of a record changed since the file was last read or written
    // is read back and must give that record again; the others are lines
    // read or checked so before.
    // When most records changed (a table built anew), the whole text is read
    // back at once instead.
    const std::map<DayKey, DayRecord> &changed = table.changedSinceWritten();
    const bool whole = qsizetype(changed.size()) * 4 > table.size();
    AttendanceTable check;
    for (const DayKey &day : order) {
        const qsizetype begin = bytes.size();
        if (!appendRecord(bytes, table, day)) {
            result.fault = WriteFault::Unencodable;
            result.faultDay = day;
            return result;
        }
        if (whole || !changed.contains(day))
            continue;
        const ParseResult back = parseRecords(bytes.sliced(begin), check);
        if (back.records != 1 || back.skipped != 0 || !table.sameDay(check, day)) {
            result.fault = WriteFault::NotReadBack;
            result.faultDay = day;
            return result;
        }
    }
    if (whole && (parseRecords(bytes, check).skipped != 0 || !(check == table))) {
        const auto bad = std::find_if(order.begin(), order.end(), [&](const DayKey &d) { return !table.sameDay(check, d); });
        result.fault = WriteFault::NotReadBack;
        if (bad != order.end())
            result.faultDay = *bad;
        return result;
    }
    result.bytes = std::move(bytes);
    result.ok = true;
    return result;
}

bool writeDataFile(const QString &path, const AttendanceTable &table, QString *error, WriteFault *fault)
{
    const SerializeResult serialized = serializeTable(table);
    if (fault)
        *fault = serialized.fault;
    if (!serialized.ok)
        return false;
    return replaceFile(path, serialized.bytes, error);
}

} // namespace zentak
