#include "datafile.h"

#include "atomicfile.h"
#include "codepage.h"
#include "fieldreader.h"
#include "fixedtext.h"
#include "storabletext.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <bitset>
#include <optional>

namespace zentak {

namespace {

struct DateCell {
    int slot;
    int month;
    int day;
};

// "YYYY/MM/DD" with a month of 1-12 and a day of 1-31, blank fill allowed.
std::optional<DateCell> cellOfDate(QStringView field)
{
    const QStringView date = trimmedTrailingBlanks(field);
    if (date.size() != 10 || date[4] != QLatin1Char('/') || date[7] != QLatin1Char('/'))
        return std::nullopt;
    int digits[10] = {};
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        const char16_t c = date[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits[i] = c - u'0';
    }
    const int year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const int month = digits[5] * 10 + digits[6];
    const int day = digits[8] * 10 + digits[9];
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return DateCell{yearSlot(year), month, day};
}

// Appends the text of one field to `out`. A field is read only when its
// bytes decode completely and its text is one a record may hold; anything
// else would be lost or block the next save.
//
// Whatever the code page decodes it can also encode (a test walks the whole
// code page to keep this so), so the one character left to refuse is the
// double quote, which only a field without quotes can hold.
bool decodeField(QByteArrayView raw, QString &out)
{
    return !raw.contains(kQuote) && decodeCodePage(raw, out);
}

// A field wider than its width would be cut when stored. (A text has no
// more characters than UTF-16 units: most fields need no count.)
bool fitsWidth(QStringView text, Field f)
{
    const QStringView kept = trimmedTrailingBlanks(text);
    return kept.size() <= fieldWidth(f) || characterCount(kept) <= fieldWidth(f);
}

constexpr std::array<Field, kFieldCount> kFileOrder = {
    Field::Date, Field::Week, Field::Start, Field::End, Field::Worked, Field::Attendance, Field::Note};

// Appends one record as its line of the file (CR LF included); false when a
// character has no code in the code page.
bool appendRecord(QByteArray &out, const AttendanceTable &table, const TableCell &cell)
{
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = kFileOrder[i];
        // The stored text is the field without its blank fill: the note is
        // written so, the other fields at their full width.
        const QStringView text = table.stored(cell.slot, cell.month, cell.day, f);
        if (i > 0)
            out += ',';
        out += '"';
        // A character with two codes (the NEC-selected IBM extensions, lead
        // bytes 0xED and 0xEE, read as the same characters as the IBM
        // extensions 0xFA-0xFC) is written with the one code the encoder
        // has for it: the text is kept, the bytes may change. Left so on
        // purpose: the text is what the file holds for the program.
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

QString dataFilePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(kDataFileName);
}

ParseResult parseRecords(const QByteArray &bytes, AttendanceTable &table,
                         std::vector<TableCell> *touched)
{
    ParseResult result;
    FieldReader reader(bytes);
    // The texts of one record's fields one after another, reused.
    QString text;
    // The cells this file has filled: a record for one of them again
    // replaces one read before.
    std::bitset<AttendanceTable::kSlots * AttendanceTable::kMonths * AttendanceTable::kDays> filled;
    while (true) {
        reader.skipLineEnds();
        if (reader.atEnd())
            break;
        text.resize(0);
        std::array<qsizetype, kFieldCount + 1> bounds{};
        bool complete = true;
        bool readable = true;
        bool cutShort = false;
        for (int i = 0; i < kFieldCount; ++i) {
            const std::optional<FieldReader::Raw> raw = reader.next();
            if (!raw) {
                complete = false;
                break;
            }
            if (readable)
                readable = raw->whole && decodeField(raw->bytes, text)
                           && fitsWidth(QStringView(text).sliced(bounds[i]), kFileOrder[i]);
            bounds[i + 1] = text.size();
            // A record may go on over the next line, but a line that starts
            // with a date starts the next record: this one was cut short.
            if (i + 1 < kFieldCount && reader.lastEnd() == FieldReader::End::LineEnd
                && reader.atDateField()) {
                cutShort = true;
                break;
            }
        }
        if (!complete) {
            ++result.skipped;
            break;
        }
        if (cutShort) {
            ++result.skipped;
            continue;
        }
        if (reader.lastEnd() == FieldReader::End::Comma) {
            // More than seven fields: the rest of the line belongs to this
            // record, which cannot be read as it stands.
            while (reader.lastEnd() == FieldReader::End::Comma && reader.next()) {
            }
            ++result.skipped;
            continue;
        }
        if (!readable) {
            ++result.skipped;
            continue;
        }
        std::array<QStringView, kFieldCount> fields;
        for (int i = 0; i < kFieldCount; ++i)
            fields[i] = QStringView(text).sliced(bounds[i], bounds[i + 1] - bounds[i]);
        const std::optional<DateCell> cell = cellOfDate(fields[0]);
        if (!cell) {
            ++result.skipped;
            continue;
        }
        const size_t at = (size_t(cell->slot) * AttendanceTable::kMonths + size_t(cell->month))
                              * AttendanceTable::kDays
                          + size_t(cell->day);
        if (filled.test(at))
            ++result.replaced;
        filled.set(at);
        // The file's order is the order of Field.
        table.setRecord(cell->slot, cell->month, cell->day, fields);
        if (touched)
            touched->push_back({cell->slot, cell->month, cell->day});
        ++result.records;
    }
    return result;
}

std::optional<QByteArray> serializeRecord(const AttendanceTable &table, const TableCell &cell)
{
    QByteArray line;
    if (!appendRecord(line, table, cell))
        return std::nullopt;
    return line;
}

SerializeResult serializeTable(const AttendanceTable &table)
{
    SerializeResult result;
    QByteArray bytes;
    for (int s = 1; s <= 3; ++s) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 31; ++d) {
                if (!table.inUse(s, m, d))
                    continue;
                if (bytes.capacity() - bytes.size() < 1024)
                    bytes.reserve(bytes.capacity() + 64 * 1024);
                if (!appendRecord(bytes, table, {s, m, d})) {
                    result.error = QStringLiteral("%1 の記録に Shift_JIS で書けない文字があります。")
                                       .arg(trimBlanks(table.field(s, m, d, Field::Date)));
                    return result;
                }
            }
        }
    }

    // Read what would be written and make sure it gives the same table. The
    // first record that comes back otherwise (or not at all: the reader
    // refuses what it cannot read whole) is named.
    AttendanceTable check;
    const ParseResult back = parseRecords(bytes, check);
    bool same = true;
    for (int s = 1; same && s <= 3; ++s)
        for (int m = 1; same && m <= 12; ++m)
            for (int d = 1; same && d <= 31; ++d)
                if (!table.sameCell(check, s, m, d)) {
                    same = false;
                    result.error = QStringLiteral("%1 の記録を正しく書けません。")
                                       .arg(trimBlanks(table.field(s, m, d, Field::Date)));
                }
    if (!same || back.skipped != 0) {
        if (result.error.isEmpty())
            result.error = QStringLiteral("記録を正しく書けません。");
        return result;
    }
    result.bytes = std::move(bytes);
    result.ok = true;
    return result;
}

ReadResult readDataFile(const QString &path, AttendanceTable &table)
{
    ReadResult result;
    table.clear();
    if (!QFileInfo::exists(path)) {
        result.status = ReadStatus::Missing;
        return result;
    }
    if (!readWholeFile(path, &result.bytes, &result.error)) {
        result.status = ReadStatus::Unreadable;
        return result;
    }
    result.parsed = parseRecords(result.bytes, table);
    result.status = ReadStatus::Read;
    return result;
}

bool writeDataFile(const QString &path, const AttendanceTable &table, QString *error)
{
    const SerializeResult serialized = serializeTable(table);
    if (!serialized.ok) {
        if (error)
            *error = serialized.error;
        return false;
    }
    return replaceFile(path, serialized.bytes, error);
}

} // namespace zentak
