#pragma once
// Splits the bytes of the data file into fields: quoted or not, separated
// by commas, records ended by CR LF, CR or LF. Used by the data file reader
// alone, which hands it the file a piece at a time: the reader tells when it
// looked for a byte beyond the piece, so that what it found there is looked
// at again with the next piece.

#include <QByteArrayView>

#include <optional>

namespace zentak {

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

    bool atEnd() const { return !has(pos_); }
    qsizetype position() const { return pos_; }
    // True when a byte beyond the end was looked for since the reader was
    // made: what was read depends on where the bytes end.
    bool ranIntoEnd() const { return ranIntoEnd_; }

    // A field as the bytes hold it. Not whole when the reader would see only
    // a part of what is written there, so that a save would lose the rest.
    struct Raw {
        QByteArrayView bytes;
        bool whole = true;
    };

    // Line ends between records are passed over.
    void skipLineEnds()
    {
        while (has(pos_) && (b_[pos_] == kCR || b_[pos_] == kLF))
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
        while (has(i) && isPadding(b_[i]))
            ++i;
        if (has(i) && b_[i] == kQuote)
            ++i;
        return hasShape(i, "dddd/dd/dd");
    }

    // One field; nullopt when the bytes end before the field is complete.
    std::optional<Raw> next()
    {
        skipPadding();
        if (!has(pos_))
            return std::nullopt;
        Raw field;
        if (b_[pos_] == kQuote) {
            const qsizetype found = b_.indexOf(kQuote, pos_ + 1);
            const qsizetype close = found < 0 ? b_.size() : found;
            // A line that begins as a record does starts a record: a field
            // left open before it ends with its own line, which alone is
            // lost. (A record never holds a quote, so a note's own line
            // breaks never meet such a line.)
            if (const qsizetype lineEnd = lineEndBeforeRecord(pos_ + 1, close); lineEnd >= 0) {
                field.bytes = b_.sliced(pos_ + 1, lineEnd - pos_ - 1);
                field.whole = false;
                pos_ = lineEnd;
                consumeDelimiter();
                return field;
            }
            if (found < 0) {
                ranIntoEnd_ = true;
                pos_ = b_.size();
                return std::nullopt;
            }
            field.bytes = b_.sliced(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            skipPadding();
            // Text between the closing quote and the delimiter is in no field.
            field.whole = !has(pos_) || isDelimiter(b_[pos_]);
            while (has(pos_) && !isDelimiter(b_[pos_]))
                ++pos_;
        } else {
            const qsizetype begin = pos_;
            while (has(pos_) && !isDelimiter(b_[pos_]))
                ++pos_;
            qsizetype end = pos_;
            while (end > begin && isPadding(b_[end - 1]))
                --end;
            field.bytes = b_.sliced(begin, end - begin);
            // Only blanks and tabs pad a field. Whether a vertical tab or a
            // form feed at its edge is padding or text cannot be told.
            field.whole = field.bytes.isEmpty()
                          || !(isOddSpace(field.bytes.front()) || isOddSpace(field.bytes.back()));
        }
        consumeDelimiter();
        return field;
    }

private:
    // The first line end in [from, to) after which a line begins as a
    // record does: a quote, a date "YYYY/MM/DD", a quote and a comma; -1
    // when there is none.
    qsizetype lineEndBeforeRecord(qsizetype from, qsizetype to) const
    {
        for (qsizetype i = from; i < to; ++i) {
            if (b_[i] != kCR && b_[i] != kLF)
                continue;
            qsizetype line = i + 1;
            if (b_[i] == kCR && has(line) && b_[line] == kLF)
                ++line;
            if (beginsRecord(line))
                return i;
        }
        return -1;
    }

    bool beginsRecord(qsizetype i) const { return hasShape(i, "\"dddd/dd/dd\","); }

    // The bytes from `i` on are `shape`, a 'd' standing for any digit.
    bool hasShape(qsizetype i, const char *shape) const
    {
        for (; *shape; ++shape, ++i) {
            if (!has(i))
                return false;
            const char c = b_[i];
            if (*shape == 'd' ? (c < '0' || c > '9') : c != *shape)
                return false;
        }
        return true;
    }

    static bool isDelimiter(char c) { return c == kComma || c == kCR || c == kLF; }
    static bool isPadding(char c) { return c == ' ' || c == '\t'; }
    static bool isOddSpace(char c) { return c == '\v' || c == '\f'; }

    void skipPadding()
    {
        while (has(pos_) && isPadding(b_[pos_]))
            ++pos_;
    }

    void consumeDelimiter()
    {
        if (!has(pos_)) {
            lastEnd_ = End::Data;
            return;
        }
        lastEnd_ = b_[pos_] == kComma ? End::Comma : End::LineEnd;
        if (b_[pos_] == kCR) {
            ++pos_;
            if (has(pos_) && b_[pos_] == kLF)
                ++pos_;
        } else {
            ++pos_; // a comma or a lone LF
        }
    }

    bool has(qsizetype i) const
    {
        if (i < b_.size())
            return true;
        ranIntoEnd_ = true;
        return false;
    }

    QByteArrayView b_;
    qsizetype pos_ = 0;
    mutable bool ranIntoEnd_ = false;
    End lastEnd_ = End::Data;
};

} // namespace zentak
