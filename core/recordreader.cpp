#include "recordreader.h"

#include "atomicfile.h"
#include "codepage.h"
#include "fieldreader.h"
#include "fixedtext.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <set>

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

enum class Scan { Record, Unreadable, CutOff };

// Reads the record that starts at the reader's position. A record's fields
// are views into `text`.
Scan scanRecord(FieldReader &reader, QString &text, DayKey &day, std::array<QStringView, kFieldCount> &fields)
{
    text.resize(0);
    std::array<qsizetype, kFieldCount + 1> bounds{};
    bool readable = true;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::optional<FieldReader::Raw> raw = reader.next();
        if (!raw)
            return Scan::CutOff;
        if (readable)
            readable = raw->whole && decodeField(raw->bytes, text)
                       && fitsWidth(QStringView(text).sliced(bounds[i]), kFileOrder[i]);
        bounds[i + 1] = text.size();
        // A record may go on over the next line, but a line that starts
        // with a date starts the next record: this one was cut short.
        if (i + 1 < kFieldCount && reader.lastEnd() == FieldReader::End::LineEnd && reader.atDateField())
            return Scan::Unreadable;
    }
    if (reader.lastEnd() == FieldReader::End::Comma) {
        // More than seven fields: the rest of the line belongs to this
        // record, which cannot be read as it stands.
        while (reader.lastEnd() == FieldReader::End::Comma && reader.next()) {
        }
        return Scan::Unreadable;
    }
    if (!readable)
        return Scan::Unreadable;
    for (int i = 0; i < kFieldCount; ++i)
        fields[i] = QStringView(text).sliced(bounds[i], bounds[i + 1] - bounds[i]);
    // The file's order is the order of Field.
    const std::optional<DayKey> key = keyOfDateText(fields[0]);
    if (!key || !key->valid())
        return Scan::Unreadable;
    day = *key;
    return Scan::Record;
}

// Calls `found(scan, day, fields, bytes of the record)` for every record of
// the device, read a piece at a time. A record is read again with the next
// piece when its piece ended before the reader could tell where it ends, so
// that pieces read what the whole would.
template <typename Found>
Pieces scanDevice(QIODevice &device, qsizetype piece, Found found)
{
    Pieces pieces(device, piece);
    pieces.more(0);
    FieldReader reader(pieces.bytes());
    QString text;
    DayKey day;
    std::array<QStringView, kFieldCount> fields;
    const auto readAgainFrom = [&](qsizetype from) {
        if (!reader.ranIntoEnd() || pieces.atEnd())
            return false;
        pieces.more(from);
        reader = FieldReader(pieces.bytes());
        return true;
    };
    while (true) {
        reader.skipLineEnds();
        if (readAgainFrom(reader.position()))
            continue;
        if (reader.atEnd())
            break;
        const qsizetype begin = reader.position();
        const Scan scan = scanRecord(reader, text, day, fields);
        if (readAgainFrom(begin))
            continue;
        found(scan, day, fields, pieces.bytes().sliced(begin, reader.position() - begin));
        if (scan == Scan::CutOff)
            break;
    }
    return pieces;
}

// The first pass of a read: every record into the table, the days of the
// records replaced by a later one for the same date.
Pieces parseDevice(QIODevice &device, qsizetype piece, AttendanceTable &table, ParseResult &result,
                   std::vector<DayKey> &replaced)
{
    table.clear();
    // About one record in 60 bytes; the texts take at most a character a
    // byte. (Room reserved and not used takes no memory.)
    const qsizetype size = device.size();
    table.reserve(size / 60 + 1, size / 2);
    Pieces pieces = scanDevice(device, piece, [&](Scan scan, DayKey day, const auto &fields, QByteArrayView bytes) {
        if (scan != Scan::Record || !table.addForLoad(day, fields)) {
            ++result.skipped;
            result.lost.append(bytes.toByteArray());
            return;
        }
        ++result.records;
    });
    replaced = table.finishLoad();
    result.replaced = int(replaced.size());
    return pieces;
}

} // namespace

ParseResult parseRecords(const QByteArray &bytes, AttendanceTable &table, qsizetype piece)
{
    ParseResult result;
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    std::vector<DayKey> replaced;
    parseDevice(device, piece, table, result, replaced);
    if (replaced.empty())
        return result;
    // Of the records of one date, all but the last read are lost: a second
    // pass finds their bytes, so that the first keeps no note of where each
    // record stood.
    const std::set<DayKey> days(replaced.begin(), replaced.end());
    std::vector<std::pair<DayKey, QByteArray>> read;
    device.seek(0);
    scanDevice(device, piece, [&](Scan scan, DayKey day, const auto &, QByteArrayView record) {
        if (scan == Scan::Record && days.contains(day))
            read.emplace_back(day, record.toByteArray());
    });
    std::stable_sort(read.begin(), read.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 0; i + 1 < read.size(); ++i)
        if (read[i].first == read[i + 1].first)
            result.lost.append(read[i].second);
    return result;
}

namespace {

enum class Try { Done, ChangedUnderIt };

// One read of the file from its start; ChangedUnderIt when another program
// wrote it in the meantime.
Try readOnce(QFile &file, AttendanceTable &table, ReadResult &result)
{
    result = {};
    table.clear();
    file.close();
    const auto failed = [&](ReadFault fault) {
        table.clear();
        result = {};
        result.status = ReadStatus::Unreadable;
        result.fault = fault;
        if (fault == ReadFault::System)
            result.error = file.errorString();
        return Try::Done;
    };
    // Read in whole pieces: QFile's own buffer would be one more.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failed(ReadFault::System);
    const std::optional<FileState> before = fileStateOf(file);
    std::vector<DayKey> replaced;
    // Only the stamp is kept: the pieces' buffer is gone before the second
    // pass takes one of its own.
    const std::optional<FileStamp> read = [&]() -> std::optional<FileStamp> {
        const Pieces pieces = parseDevice(file, kReadPiece, table, result.parsed, replaced);
        return pieces.failed() ? std::nullopt : std::optional(pieces.stamp());
    }();
    if (!read)
        return failed(ReadFault::System);
    // The bytes read, gone through once more: a file written in place since
    // the read began shows other bytes, or another state, whatever the
    // granularity of its times.
    const std::optional<FileStamp> again = file.seek(0) ? stampOfDevice(file) : std::nullopt;
    if (!again)
        return failed(ReadFault::System);
    if (before != fileStateOf(file) || *again != *read)
        return Try::ChangedUnderIt;
    // A file that ends before its own size, which the system does not call
    // an error, gives no records at all rather than some.
    if (read->size < file.size())
        return failed(ReadFault::CutShort);
    result.status = ReadStatus::Read;
    result.stamp = *read;
    if (result.parsed.lost.isEmpty() && result.parsed.replaced == 0)
        return Try::Done;
    // Records that are not in the table: the file is kept as it was read,
    // so it is read whole.
    result.parsed = {};
    ReadFault fault = ReadFault::None;
    if (!readWholeFile(file.fileName(), &result.bytes, &result.error, &fault))
        return fault == ReadFault::KeepsChanging ? Try::ChangedUnderIt : failed(fault);
    if (stampOf(result.bytes) != result.stamp)
        return Try::ChangedUnderIt;
    result.parsed = parseRecords(result.bytes, table);
    return Try::Done;
}

} // namespace

ReadResult readDataFile(const QString &path, AttendanceTable &table)
{
    QFile file(path);
    return readDataFile(file, table);
}

ReadResult readDataFile(QFile &file, AttendanceTable &table)
{
    ReadResult result;
    table.clear();
    if (!file.exists())
        return result;
    for (int tries = 0; tries < kReadTries; ++tries)
        if (readOnce(file, table, result) == Try::Done)
            return result;
    table.clear();
    result = {};
    result.status = ReadStatus::Unreadable;
    result.fault = ReadFault::KeepsChanging;
    return result;
}

} // namespace zentak
