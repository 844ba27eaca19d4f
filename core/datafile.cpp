#include "datafile.h"

#include "atomicfile.h"
#include "codepage.h"
#include "fixedtext.h"
#include "storabletext.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <bitset>
#include <optional>

namespace zentak {

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kCR = '\r';
constexpr char kLF = '\n';

// In code page 932 the quote, the comma and the line-end bytes are never the
// second byte of a double-byte character, so fields are found on the bytes
// and each field is decoded by itself.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : b_(bytes) {}

    bool atEnd() const { return pos_ >= b_.size(); }

    // Line ends between records are passed over.
    void skipLineEnds()
    {
        while (pos_ < b_.size() && (b_[pos_] == kCR || b_[pos_] == kLF))
            ++pos_;
    }

    enum class End { Comma, LineEnd, Data };
    // How the field last read ended.
    End lastEnd() const { return lastEnd_; }

    // True when the next field has the shape of a date ("YYYY/MM/DD",
    // quoted or not): the start of a record.
    bool atDateField() const
    {
        qsizetype i = pos_;
        while (i < b_.size() && (b_[i] == ' ' || b_[i] == '\t'))
            ++i;
        if (i < b_.size() && b_[i] == kQuote)
            ++i;
        static constexpr char shape[] = "dddd/dd/dd";
        for (int k = 0; k < 10; ++k, ++i) {
            if (i >= b_.size())
                return false;
            const char c = b_[i];
            if (shape[k] == 'd' ? (c < '0' || c > '9') : c != shape[k])
                return false;
        }
        return true;
    }

    // One field, as a view into the bytes; nullopt when the bytes end before
    // the field is complete.
    std::optional<QByteArrayView> next()
    {
        while (pos_ < b_.size() && (b_[pos_] == ' ' || b_[pos_] == '\t'))
            ++pos_;
        if (pos_ >= b_.size())
            return std::nullopt;
        QByteArrayView field;
        if (b_[pos_] == kQuote) {
            const qsizetype close = b_.indexOf(kQuote, pos_ + 1);
            if (close < 0) {
                pos_ = b_.size();
                return std::nullopt;
            }
            field = b_.sliced(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            while (pos_ < b_.size() && !isDelimiter(b_[pos_]))
                ++pos_;
        } else {
            const qsizetype begin = pos_;
            while (pos_ < b_.size() && !isDelimiter(b_[pos_]))
                ++pos_;
            field = b_.sliced(begin, pos_ - begin).trimmed();
        }
        consumeDelimiter();
        return field;
    }

private:
    static bool isDelimiter(char c) { return c == kComma || c == kCR || c == kLF; }

    void consumeDelimiter()
    {
        if (pos_ >= b_.size()) {
            lastEnd_ = End::Data;
            return;
        }
        lastEnd_ = b_[pos_] == kComma ? End::Comma : End::LineEnd;
        if (b_[pos_] == kCR) {
            ++pos_;
            if (pos_ < b_.size() && b_[pos_] == kLF)
                ++pos_;
        } else {
            ++pos_; // a comma or a lone LF
        }
    }

    QByteArrayView b_;
    qsizetype pos_ = 0;
    End lastEnd_ = End::Data;
};

struct DateCell {
    int slot;
    int month;
    int day;
};

// "YYYY/MM/DD" with a month of 1-12 and a day of 1-31, in the date field
// cut to its width.
std::optional<DateCell> cellOfDate(QStringView field)
{
    const QStringView date = leftCharsView(field, fieldWidth(Field::Date));
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
        bool decoded = true;
        bool cutShort = false;
        for (int i = 0; i < kFieldCount; ++i) {
            const std::optional<QByteArrayView> raw = reader.next();
            if (!raw) {
                complete = false;
                break;
            }
            if (decoded && !decodeField(*raw, text))
                decoded = false;
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
        if (!decoded) {
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

    // Read what would be written and make sure it gives the same table.
    AttendanceTable check;
    const ParseResult back = parseRecords(bytes, check);
    bool same = back.skipped == 0;
    for (int s = 1; same && s <= 3; ++s)
        for (int m = 1; same && m <= 12; ++m)
            for (int d = 1; same && d <= 31; ++d)
                if (!table.sameCell(check, s, m, d)) {
                    same = false;
                    result.error = QStringLiteral("%1 の記録を正しく書けません。")
                                       .arg(trimBlanks(table.field(s, m, d, Field::Date)));
                }
    if (!same) {
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
