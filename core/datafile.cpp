#include "datafile.h"

#include "fixedtext.h"
#include "storabletext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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
    explicit FieldReader(const QByteArray &bytes) : b_(bytes) {}

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

    // One field; nullopt when the bytes end before the field is complete.
    std::optional<QByteArray> next()
    {
        while (pos_ < b_.size() && (b_[pos_] == ' ' || b_[pos_] == '\t'))
            ++pos_;
        if (pos_ >= b_.size())
            return std::nullopt;
        QByteArray field;
        if (b_[pos_] == kQuote) {
            const qsizetype close = b_.indexOf(kQuote, pos_ + 1);
            if (close < 0) {
                pos_ = b_.size();
                return std::nullopt;
            }
            field = b_.mid(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            while (pos_ < b_.size() && !isDelimiter(b_[pos_]))
                ++pos_;
        } else {
            const qsizetype begin = pos_;
            while (pos_ < b_.size() && !isDelimiter(b_[pos_]))
                ++pos_;
            field = b_.mid(begin, pos_ - begin).trimmed();
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

    const QByteArray &b_;
    qsizetype pos_ = 0;
    End lastEnd_ = End::Data;
};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

struct DateCell {
    int slot;
    int month;
    int day;
};

// "YYYY/MM/DD" with a month of 1-12 and a day of 1-31.
std::optional<DateCell> cellOfDate(const QString &date)
{
    if (date.size() != 10 || date[4] != QLatin1Char('/') || date[7] != QLatin1Char('/'))
        return std::nullopt;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isAsciiDigit(date[i]))
            return std::nullopt;
    const int year = date.left(4).toInt();
    const int month = date.mid(5, 2).toInt();
    const int day = date.mid(8, 2).toInt();
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return DateCell{yearSlot(year), month, day};
}

// A field is read only when its bytes decode completely and its text is
// one a record may hold; anything else would be lost or block the next save.
bool decodeField(QStringDecoder &decoder, const QByteArray &raw, QString *text)
{
    *text = decoder.decode(raw);
    if (!decoder.isValid())
        return false;
    if (decoder.hasError()) {
        // The error count stays with the converter, so the next field gets
        // a fresh one.
        decoder = QStringDecoder(kCodePageName, QStringDecoder::Flag::Stateless);
        return false;
    }
    return isStorable(*text);
}

constexpr std::array<Field, kFieldCount> kFileOrder = {
    Field::Date, Field::Week, Field::Start, Field::End, Field::Worked, Field::Kintai, Field::Note};

} // namespace

QString dataFilePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(kDataFileName);
}

ParseResult parseRecords(const QByteArray &bytes, AttendanceTable &table,
                         std::vector<CellCursor> *touched)
{
    ParseResult result;
    FieldReader reader(bytes);
    // Stateless: a double-byte character cut short at the end of a field is
    // an error, not state held back for a next call that never comes.
    QStringDecoder decoder(kCodePageName, QStringDecoder::Flag::Stateless);
    std::bitset<AttendanceTable::kSlots * AttendanceTable::kMonths * AttendanceTable::kDays> filled;
    while (true) {
        reader.skipLineEnds();
        if (reader.atEnd())
            break;
        std::array<QString, kFieldCount> fields;
        bool complete = true;
        bool decoded = true;
        bool cutShort = false;
        for (int i = 0; i < kFieldCount; ++i) {
            const std::optional<QByteArray> raw = reader.next();
            if (!raw) {
                complete = false;
                break;
            }
            if (!decodeField(decoder, *raw, &fields[i]))
                decoded = false;
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
        const QString date = fixedWidth(fields[0], fieldWidth(Field::Date));
        const std::optional<DateCell> cell = decoded ? cellOfDate(date) : std::nullopt;
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
        for (int i = 0; i < kFieldCount; ++i)
            table.setField(cell->slot, cell->month, cell->day, kFileOrder[i], fields[i]);
        if (touched)
            touched->push_back({cell->slot, cell->month, cell->day});
        ++result.records;
    }
    return result;
}

std::optional<QByteArray> serializeRecord(const AttendanceTable &table, const CellCursor &cell,
                                          QStringEncoder &encoder)
{
    QString line;
    for (int i = 0; i < kFieldCount; ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        const QString text = table.field(cell, kFileOrder[i]);
        line += QLatin1Char('"');
        line += kFileOrder[i] == Field::Note ? trimTrailingBlanks(text) : text;
        line += QLatin1Char('"');
    }
    line += QLatin1String("\r\n");
    QByteArray bytes = encoder.encode(line);
    if (encoder.hasError()) {
        encoder = QStringEncoder(kCodePageName);
        return std::nullopt;
    }
    return bytes;
}

SerializeResult serializeTable(const AttendanceTable &table)
{
    SerializeResult result;
    QStringEncoder encoder(kCodePageName);
    if (!encoder.isValid()) {
        result.error = QStringLiteral("文字コード(Shift_JIS)の変換が使えません。");
        return result;
    }
    for (int s = 1; s <= 3; ++s) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 31; ++d) {
                if (!table.inUse(s, m, d))
                    continue;
                const std::optional<QByteArray> line = serializeRecord(table, {s, m, d}, encoder);
                if (!line) {
                    result.error = QStringLiteral("%1 の記録に Shift_JIS で書けない文字があります。")
                                       .arg(trimBlanks(table.field(s, m, d, Field::Date)));
                    return result;
                }
                result.bytes += *line;
            }
        }
    }

    // Read what would be written and make sure it gives the same table.
    AttendanceTable check;
    const ParseResult back = parseRecords(result.bytes, check);
    bool same = back.skipped == 0;
    for (int s = 1; same && s <= 3; ++s)
        for (int m = 1; same && m <= 12; ++m)
            for (int d = 1; same && d <= 31; ++d)
                for (int i = 0; same && i < kFieldCount; ++i) {
                    const Field f = static_cast<Field>(i);
                    if (table.field(s, m, d, f) != check.field(s, m, d, f)) {
                        same = false;
                        result.error = QStringLiteral("%1 の記録を正しく書けません。")
                                           .arg(trimBlanks(table.field(s, m, d, Field::Date)));
                    }
                }
    if (!same) {
        if (result.error.isEmpty())
            result.error = QStringLiteral("記録を正しく書けません。");
        result.bytes.clear();
        return result;
    }
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
    if (!QStringDecoder(kCodePageName).isValid()) {
        result.status = ReadStatus::NoCodePage;
        result.error = QStringLiteral("文字コード(Shift_JIS)の変換が使えません。");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::Unreadable;
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        table.clear();
        result.status = ReadStatus::Unreadable;
        result.error = file.errorString();
        return result;
    }
    result.parsed = parseRecords(bytes, table);
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
    QSaveFile file(path);
    // Unbuffered: every write reports its own failure. A buffered write that
    // fails only when the file is closed (a full disk) goes unnoticed by
    // commit(), which would then replace the file with a cut one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(serialized.bytes) != serialized.bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zentak
