// The data file reader: whatever it accepts is written back and read again
// unchanged, and every field it stores has its fixed width. When it reads
// every record and replaces none, the written records hold every character
// of the input except the format's own: nothing is changed without a word.
// Only the records the input touched are written and compared, so each input
// costs what its own records cost.

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static AttendanceTable table;
    static AttendanceTable again;

    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    std::vector<TableCell> touched;
    const ParseResult parsed = parseRecords(bytes, table, &touched);
    FUZZ_CHECK(parsed.records == int(touched.size()));

    std::set<std::tuple<int, int, int>> cells;
    for (const TableCell &c : touched) {
        FUZZ_CHECK(AttendanceTable::validIndex(c.slot, c.month, c.day));
        cells.insert({c.slot, c.month, c.day});
    }

    QByteArray written;
    for (const auto &[s, m, d] : cells) {
        for (int f = 0; f < kFieldCount; ++f)
            FUZZ_CHECK(characterCount(table.field(s, m, d, Field(f))) == fieldWidth(Field(f)));
        FUZZ_CHECK(table.inUse(s, m, d));
        // Every record read can be written.
        const std::optional<QByteArray> line = serializeRecord(table, {s, m, d});
        FUZZ_CHECK(line.has_value());
        written += *line;
    }
    if (parsed.skipped == 0 && parsed.replaced == 0)
        FUZZ_CHECK(contentOf(bytes) == contentOf(written));

    std::vector<TableCell> back;
    const ParseResult reparsed = parseRecords(written, again, &back);
    FUZZ_CHECK(reparsed.skipped == 0);
    FUZZ_CHECK(reparsed.records == int(cells.size()));
    for (const auto &[s, m, d] : cells)
        for (int f = 0; f < kFieldCount; ++f)
            FUZZ_CHECK(table.field(s, m, d, Field(f)) == again.field(s, m, d, Field(f)));

    // Leave both tables blank for the next input, touching only these cells.
    for (const auto &[s, m, d] : cells)
        for (int f = 0; f < kFieldCount; ++f) {
            table.setField(s, m, d, Field(f), QString());
            again.setField(s, m, d, Field(f), QString());
        }
    return 0;
}
