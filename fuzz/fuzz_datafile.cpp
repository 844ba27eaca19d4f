// The data file reader: whatever it accepts is written back and read again
// unchanged, and every field it stores has its fixed width. When it reads
// every record and replaces none, the written records hold every character
// of the input except the format's own: nothing is changed without a word.

#include "attendancetable.h"
#include "check.h"
#include "datafile.h"
#include "fixedtext.h"

#include <QByteArray>
#include <QStringDecoder>

#include <algorithm>
#include <set>
#include <tuple>

using namespace zentak;

namespace {

// The characters of the bytes, decoded by Qt's converter rather than the
// program's tables, without the format's own (quotes, commas, line ends,
// blank fill, padding), in sorted order.
QString contentOf(QByteArrayView bytes)
{
    static QStringDecoder decoder(kCodePageName, QStringDecoder::Flag::Stateless);
    FUZZ_CHECK(decoder.isValid());
    decoder.resetState();
    QString text = decoder.decode(bytes);
    text.removeIf([](QChar c) { return QStringView(u"\",\r\n \t").contains(c); });
    std::sort(text.begin(), text.end());
    return text;
}

// The lines that begin as a record does: a quote, a date "YYYY/MM/DD", a
// quote and a comma.
int linesBeginningAsRecords(QByteArrayView bytes)
{
    int lines = 0;
    for (qsizetype at = 0; at + 13 <= bytes.size(); ++at) {
        if (at > 0 && bytes[at - 1] != '\r' && bytes[at - 1] != '\n')
            continue;
        const QByteArrayView head = bytes.sliced(at, 13);
        bool shaped = true;
        for (int k = 0; k < 13; ++k) {
            const char c = head[k];
            const char want = "\"9999/99/99\","[k];
            shaped = shaped && (want == '9' ? c >= '0' && c <= '9' : c == want);
        }
        lines += shaped;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    AttendanceTable table;
    AttendanceTable again;

    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    const ParseResult parsed = parseRecords(bytes, table);
    FUZZ_CHECK(parsed.records - parsed.replaced == int(table.size()));
    // A file is read in pieces: wherever they end, the same records and
    // the same lost lines as the bytes read at once.
    AttendanceTable inPieces;
    const ParseResult pieces = parseRecords(bytes, inPieces, 1 + qsizetype(size % 13));
    FUZZ_CHECK(inPieces == table && pieces.lost == parsed.lost && pieces.skipped == parsed.skipped);
    // Each of those lines starts a record, read or lost: a field left open
    // before it never takes it in.
    FUZZ_CHECK(parsed.records + parsed.skipped >= linesBeginningAsRecords(bytes));

    for (qsizetype i = 0; i < table.size(); ++i) {
        const DayKey day = table.keyAt(i);
        FUZZ_CHECK(day.valid());
        FUZZ_CHECK(i == 0 || table.keyAt(i - 1) < day);
        for (int f = 0; f < kFieldCount; ++f)
            FUZZ_CHECK(characterCount(table.field(day, Field(f))) == fieldWidth(Field(f)));
    }
    // Every record read can be written, and reads back the same.
    const SerializeResult written = serializeTable(table);
    FUZZ_CHECK(written.ok);
    if (parsed.skipped == 0 && parsed.replaced == 0)
        FUZZ_CHECK(contentOf(bytes) == contentOf(written.bytes));

    const ParseResult reparsed = parseRecords(written.bytes, again);
    FUZZ_CHECK(reparsed.skipped == 0 && reparsed.replaced == 0);
    FUZZ_CHECK(again == table);
    return 0;
}
