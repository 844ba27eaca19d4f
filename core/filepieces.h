#pragma once
// A file read a piece at a time, so that a file of many years is never held
// whole: the pieces, the stamp of what was read, and the lines of one month
// picked out of them.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

namespace zentak {

// How much of the file is read at a time.
inline constexpr qsizetype kReadPiece = 16 * 1024;

// A file's contents told from another's: its size and a hash of its bytes.
// Not a safeguard against anyone, so Qt's own hash will do (MD5 took a tenth
// of a write-through of thirty years).
struct FileStamp {
    qsizetype size = 0;
    size_t hash = 0;
    bool operator==(const FileStamp &) const = default;
};
FileStamp stampOf(QByteArrayView bytes);
// The stamp of what is left of the device, read a piece at a time; none
// when it cannot be read.
std::optional<FileStamp> stampOfDevice(QIODevice &device);

// The bytes of a device a piece at a time: what is left of the piece before,
// then the next piece. The stamp is that of the bytes read so far.
class Pieces {
public:
    Pieces(QIODevice &device, qsizetype piece);

    QByteArrayView bytes() const { return bytes_; }
    bool atEnd() const { return atEnd_; }
    bool failed() const { return failed_; }
    const FileStamp &stamp() const { return stamp_; }

    // Drops the bytes before `from` and appends the next piece.
    void more(qsizetype from);

private:
    QIODevice &device_;
    const qsizetype piece_;
    QByteArray bytes_;
    bool atEnd_ = false;
    bool failed_ = false;
    FileStamp stamp_;
};

// The lines of the bytes that begin with a date of the month, as
// "YYYY/MM/DD" in quotes: the records the first look at one month needs, out
// of a file of many years. (A record that goes on over the next line is cut
// short here; only the whole file's read is to be trusted.)
QByteArray linesOfMonth(QByteArrayView bytes, int year, int month);
// The same, read from the file a piece at a time; empty when it cannot be
// read.
QByteArray linesOfMonthInFile(const QString &path, int year, int month);

} // namespace zentak
