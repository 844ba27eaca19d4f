#include "filepieces.h"

#include "daykey.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace zentak {

namespace {

constexpr size_t kStampSeed = 0x5a656e74616bULL;

} // namespace

// Room for the part of a record carried into the next piece; a longer one
// makes the buffer grow.
constexpr qsizetype kCarried = 4 * 1024;

Pieces::Pieces(QIODevice &device, qsizetype piece)
    : device_(device), piece_(std::max<qsizetype>(piece, 1)), stamp_{0, kStampSeed}
{
    bytes_.reserve(piece_ + kCarried);
}

void Pieces::more(qsizetype from)
{
    // The bytes kept go to the front of the same buffer: QByteArray's
    // remove(0, n) leaves its room at the front, and the next piece then
    // took a buffer twice as large.
    from = std::min(from, bytes_.size());
    const qsizetype had = bytes_.size() - from;
    if (from > 0 && had > 0)
        std::memmove(bytes_.data(), bytes_.constData() + from, size_t(had));
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

FileStamp stampOf(QByteArrayView bytes)
{
    FileStamp stamp{bytes.size(), kStampSeed};
    for (qsizetype at = 0; at < bytes.size(); at += kReadPiece)
        stamp.hash = qHash(bytes.sliced(at, std::min(kReadPiece, bytes.size() - at)), stamp.hash);
    return stamp;
}

std::optional<FileStamp> stampOfDevice(QIODevice &device)
{
    Pieces pieces(device, kReadPiece);
    do
        pieces.more(pieces.bytes().size());
    while (!pieces.atEnd() && !pieces.failed());
    if (pieces.failed())
        return std::nullopt;
    return pieces.stamp();
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
    // Read in whole pieces: QFile's own buffer would be one more.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
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

} // namespace zentak
