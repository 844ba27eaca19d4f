#include "recordreader.h"

#include "atomicfile.h"
#include "codepage.h"
#include "fieldreader.h"
#include "fixedtext.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <set>

namespace zentak {

namespace {

constexpr size_t kStampSeed = 0x5a656e74616bULL;

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

// The bytes of a device a piece at a time: what is left of the piece before,
// then the next piece.
class Pieces {
public:
    Pieces(QIODevice &device, qsizetype piece) : device_(device), piece_(std::max<qsizetype>(piece, 1)) {}

    QByteArrayView bytes() const { return bytes_; }
    bool atEnd() const { return atEnd_; }
    bool failed() const { return failed_; }
    const FileStamp &stamp() const { return stamp_; }

    // Drops the bytes before `from` and appends the next piece.
    void more(qsizetype from)
    {
        bytes_.remove(0, from);
        const qsizetype had = bytes_.size();
        bytes_.resize(had + piece_);
        qsizetype got = 0;
        while (got < piece_) {
            const qint64 n = device_.read(bytes_.data() + had + got, piece_ - got);
            failed_ = failed_ || n < 0;
            if (n <= 0)
                break;
            got += n;
        }
        bytes_.resize(had + got);
        atEnd_ = got < piece_;
        if (got > 0)
            stamp_.hash = qHash(QByteArrayView(bytes_).sliced(had), stamp_.hash);
        stamp_.size += got;
    }

private:
    QIODevice &device_;
    const qsizetype piece_;
    QByteArray bytes_;
    bool atEnd_ = false;
    bool failed_ = false;
    FileStamp stamp_{0, kStampSeed};
};

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

FileStamp stampOf(QByteArrayView bytes)
{
    FileStamp stamp{bytes.size(), kStampSeed};
    for (qsizetype at = 0; at < bytes.size(); at += kReadPiece)
        stamp.hash = qHash(bytes.sliced(at, std::min(kReadPiece, bytes.size() - at)), stamp.hash);
    return stamp;
}

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

QByteArray linesOfMonthInFile(const QString &path, int year, int month)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Pieces pieces(file, kReadPiece);
    QByteArray lines;
    pieces.more(0);
    while (true) {
        // The lines whole so far; the rest waits for the next piece.
        const QByteArrayView bytes = pieces.bytes();
        const qsizetype whole = pieces.atEnd() ? bytes.size() : bytes.lastIndexOf('\n') + 1;
        lines += linesOfMonth(bytes.first(whole), year, month);
        if (pieces.atEnd() || pieces.failed())
            break;
        pieces.more(whole);
    }
    return pieces.failed() ? QByteArray() : lines;
}

ReadResult readDataFile(const QString &path, AttendanceTable &table)
{
    ReadResult result;
    table.clear();
    if (!QFileInfo::exists(path)) {
        result.status = ReadStatus::Missing;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::Unreadable;
        result.error = file.errorString();
        return result;
    }
    std::vector<DayKey> replaced;
    const Pieces pieces = parseDevice(file, kReadPiece, table, result.parsed, replaced);
    // A read error, or a file that ends before its own size (cut while it
    // was read), gives no records at all rather than some.
    if (pieces.failed() || pieces.stamp().size < file.size()) {
        table.clear();
        result.parsed = {};
        result.status = ReadStatus::Unreadable;
        result.error = pieces.failed() ? file.errorString() : QStringLiteral("ファイルを最後まで読めませんでした");
        return result;
    }
    result.status = ReadStatus::Read;
    result.stamp = pieces.stamp();
    if (result.parsed.lost.isEmpty() && result.parsed.replaced == 0)
        return result;
    // Records that are not in the table: the file is kept as it was read,
    // so it is read whole.
    result.parsed = {};
    if (!readWholeFile(path, &result.bytes, &result.error)) {
        table.clear();
        result.status = ReadStatus::Unreadable;
        return result;
    }
    result.parsed = parseRecords(result.bytes, table);
    result.stamp = stampOf(result.bytes);
    return result;
}

} // namespace zentak
