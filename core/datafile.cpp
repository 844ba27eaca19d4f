#include "datafile.h"

#include "atomicfile.h"
#include "codepage.h"
#include "fieldreader.h"
#include "fixedtext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <map>

namespace zentak {

namespace {

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

QString dataFilePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(kDataFileName);
}

ParseResult parseRecords(const QByteArray &bytes, AttendanceTable &table)
{
    ParseResult result;
    table.clear();
    // About one record in 60 bytes; the texts take at most a character a
    // byte.
    table.reserve(bytes.size() / 60 + 1, bytes.size() / 2);
    FieldReader reader(bytes);
    // Where each record read stands in the bytes, in the order read.
    std::vector<std::pair<DayKey, std::pair<qsizetype, qsizetype>>> read;
    // The texts of one record's fields one after another, reused.
    QString text;
    while (true) {
        reader.skipLineEnds();
        if (reader.atEnd())
            break;
        const qsizetype begin = reader.position();
        auto skip = [&] {
            ++result.skipped;
            result.lost.append(bytes.sliced(begin, reader.position() - begin));
        };
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
            skip();
            break;
        }
        if (cutShort) {
            skip();
            continue;
        }
        if (reader.lastEnd() == FieldReader::End::Comma) {
            // More than seven fields: the rest of the line belongs to this
            // record, which cannot be read as it stands.
            while (reader.lastEnd() == FieldReader::End::Comma && reader.next()) {
            }
            skip();
            continue;
        }
        if (!readable) {
            skip();
            continue;
        }
        std::array<QStringView, kFieldCount> fields;
        for (int i = 0; i < kFieldCount; ++i)
            fields[i] = QStringView(text).sliced(bounds[i], bounds[i + 1] - bounds[i]);
        // The file's order is the order of Field.
        const std::optional<DayKey> day = keyOfDateText(fields[0]);
        if (!day || !table.addForLoad(*day, fields)) {
            skip();
            continue;
        }
        read.push_back({*day, {begin, reader.position()}});
        ++result.records;
    }
    result.replaced = table.finishLoad();
    if (result.replaced > 0) {
        // Of the records of one date, all but the last read are lost.
        std::stable_sort(read.begin(), read.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (size_t i = 0; i + 1 < read.size(); ++i)
            if (read[i].first == read[i + 1].first)
                result.lost.append(bytes.sliced(read[i].second.first, read[i].second.second - read[i].second.first));
    }
    return result;
}

QByteArray linesOfMonth(QByteArrayView bytes, int year, int month)
{
    const std::array<char, 10> date = DayKey{year, month, 1}.dateChars();
    // The quote and "YYYY/MM/".
    char head[9] = {'"'};
    std::copy(date.begin(), date.begin() + 8, head + 1);
    const QByteArrayView prefix(head, 9);
    QByteArray lines;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', at);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line = bytes.sliced(at, end - at);
        if (line.startsWith(prefix))
            lines += line;
        at = end;
    }
    return lines;
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
            result.error = QStringLiteral("%1 の記録に Shift_JIS で書けない文字があります。").arg(day.dateText());
            return result;
        }
        if (whole || !changed.contains(day))
            continue;
        const ParseResult back = parseRecords(bytes.sliced(begin), check);
        if (back.records != 1 || back.skipped != 0 || !table.sameDay(check, day)) {
            result.error = QStringLiteral("%1 の記録を正しく書けません。").arg(day.dateText());
            return result;
        }
    }
    if (whole && (parseRecords(bytes, check).skipped != 0 || !(check == table))) {
        const auto bad = std::find_if(order.begin(), order.end(), [&](const DayKey &d) { return !table.sameDay(check, d); });
        result.error = bad == order.end() ? QStringLiteral("記録を正しく書けません。")
                                          : QStringLiteral("%1 の記録を正しく書けません。").arg(bad->dateText());
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
