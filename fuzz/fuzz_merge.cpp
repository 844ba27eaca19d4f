// The data file changed by another program while this run had it open: the
// base file as this run read it, this run's changes on top, the outside
// version written over it, then the table written. No record of the three
// vanishes unless a change of its day replaced it: each is in the written
// file or in a kept copy. A day changed only outside is written as the
// outside has it (one the outside dropped is kept), a day changed by this
// run keeps this run's record, a day changed by neither stays. The files
// are built by this target, in the data file's format, and decoded by Qt's
// converter; the records expected come from the target's own model.

#include "attendancetable.h"
#include "check.h"
#include "scratchfolder.h"
#include "datafile.h"
#include "recordstore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <memory>
#include <optional>
#include <vector>

using namespace zentak;

namespace {

constexpr int kDays = 8;
const DayKey kDayKeys[kDays] = {{2025, 1, 5}, {2025, 3, 10}, {2025, 12, 31}, {2026, 1, 5},
                                {2026, 2, 30}, {2026, 3, 10}, {2026, 12, 8}, {2026, 12, 31}};

QString dateOf(const DayKey &d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(d.year, 4, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'));
}

QString weekOf(const DayKey &d)
{
    const QDate date(d.year, d.month, d.day);
    return date.isValid() ? QString(QChar(u"月火水木金土日"[date.dayOfWeek() - 1])) : QStringLiteral("？");
}

// The records a day may hold (1 .. kRecords), after the date and weekday.
constexpr int kRecords = 5;
QStringList recordTexts(int which)
{
    switch (which) {
    case 1: return {"09:00", "18:00", "08:00", "08.00", ""};
    case 2: return {"09:30", "18:15", "07:45", "07.75", QStringLiteral("設計")};
    case 3: return {"00:00", "00:00", "00:00", "00.00", QStringLiteral("休日")};
    case 4: return {"10:00", "19:00", "08:00", "08.00", QStringLiteral("朝会\r\n設計ソ表\\,打合せ")};
    default: return {"08:45", "17:30", "07:45", "07.75", QStringLiteral("備考").repeated(100)};
    }
}

// The seven fields of the record as the file holds them.
QStringList fieldsOf(int day, int which)
{
    return QStringList{dateOf(kDayKeys[day]), weekOf(kDayKeys[day])} + recordTexts(which);
}

QByteArray encoded(const QString &text)
{
    static QStringEncoder encoder(kCodePageName, QStringEncoder::Flag::Stateless);
    FUZZ_CHECK(encoder.isValid());
    encoder.resetState();
    const QByteArray bytes = encoder.encode(text);
    FUZZ_CHECK(!encoder.hasError());
    return bytes;
}

QByteArray lineOf(const QStringList &fields)
{
    return encoded(QLatin1Char('"') + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\"\r\n"));
}

// A line of the file: a record of a day, or one that cannot be read.
struct Line {
    int day = 0;
    int record = 0; // 1 .. kRecords, 0 for an unreadable line
    QByteArray bytes;
};

// choice 1 .. kRecords: that record; kRecords+1 ..: a line that cannot be read.
Line lineFor(int day, int choice)
{
    if (choice <= kRecords)
        return {day, choice, lineOf(fieldsOf(day, choice))};
    QStringList fields = fieldsOf(day, 2);
    switch (choice - kRecords) {
    case 1: // a note of 201 characters
        fields[6] = QString(201, u'あ');
        return {day, 0, lineOf(fields)};
    case 2: { // an eighth field
        fields << QStringLiteral("余分");
        return {day, 0, lineOf(fields)};
    }
    default: { // a byte that starts a character and a blank that ends none
        QByteArray bytes = lineOf(fields);
        const qsizetype at = bytes.lastIndexOf('"');
        bytes.insert(at, "\x81 ");
        return {day, 0, bytes};
    }
    }
}

// The records a file is read as: for each day the last readable line.
std::array<int, kDays> readAs(const std::vector<Line> &lines)
{
    std::array<int, kDays> read{};
    for (const Line &l : lines)
        if (l.record)
            read[size_t(l.day)] = l.record;
    return read;
}

QByteArray bytesOf(const std::vector<Line> &lines)
{
    QByteArray bytes;
    for (const Line &l : lines)
        bytes += l.bytes;
    return bytes;
}

bool holdsLine(const QByteArray &file, const QByteArray &line)
{
    return file.startsWith(line) || file.contains('\n' + line);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

bool initialized = [] {
    // The unreadable line of a bad byte is one to Qt's converter too.
    static QStringDecoder decoder(kCodePageName, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(lineFor(0, kRecords + 3).bytes);
    FUZZ_CHECK(decoder.hasError() || text.contains(QChar::ReplacementCharacter));
    return true;
}();

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    auto at = [&](size_t i) { return i < size ? int(data[i]) : 0; };
    const int flags = at(24);
    const bool outsideRemoved = flags & 1;
    const bool outsideAsBase = flags & 2;

    // The base and the outside file: each day absent, a record or a line
    // that cannot be read; then a few more lines, for days that have one.
    std::vector<Line> base;
    std::vector<Line> outside;
    for (int d = 0; d < kDays; ++d) {
        if (const int choice = at(size_t(d)) % (kRecords + 4))
            base.push_back(lineFor(d, choice));
        if (const int choice = at(size_t(16 + d)) % (kRecords + 4))
            outside.push_back(lineFor(d, choice));
    }
    if (flags & 4)
        std::reverse(base.begin(), base.end());
    if (flags & 8)
        std::reverse(outside.begin(), outside.end());
    for (size_t i = 25; i + 1 < size && i < 25 + 2 * 8; i += 2) {
        const Line extra = lineFor(at(i) / 2 % kDays, 1 + at(i + 1) % (kRecords + 3));
        (at(i) & 1 ? outside : base).push_back(extra);
    }
    if (outsideAsBase)
        outside = base;
    if (outsideRemoved)
        outside.clear();
    const bool baseMissing = base.empty() && (flags & 16);

    // This run's records: as read, none, or one of the records.
    const std::array<int, kDays> baseRead = readAs(base);
    const std::array<int, kDays> outsideRead = readAs(outside);
    std::array<int, kDays> mine = baseRead;
    std::array<bool, kDays> changed{};
    for (int d = 0; d < kDays; ++d) {
        const int choice = at(size_t(8 + d)) % (kRecords + 3);
        if (choice == 0 || choice == kRecords + 2)
            continue;
        mine[size_t(d)] = choice - 1;
        changed[size_t(d)] = true;
    }

    QDir &dir = scratchFolder("merge");
    const QString path = dir.filePath(kDataFileName);
    const QByteArray baseBytes = bytesOf(base);
    if (!baseMissing)
        writeFile(path, baseBytes);

    RecordStore store(path);
    AttendanceTable table;
    const LoadReport load = store.load(table);
    FUZZ_CHECK(load.status == (baseMissing ? LoadReport::Status::Missing : LoadReport::Status::Read));
    int unreadable = 0;
    int readable = 0;
    for (const Line &l : base)
        ++(l.record ? readable : unreadable);
    int days = 0;
    for (int r : baseRead)
        days += r != 0;
    FUZZ_CHECK(load.unreadable == unreadable);
    FUZZ_CHECK(load.replaced == readable - days);
    for (int d = 0; d < kDays; ++d) {
        if (!changed[size_t(d)])
            continue;
        DayRecord r = DayRecord::blank();
        if (mine[size_t(d)]) {
            const QStringList fields = fieldsOf(d, mine[size_t(d)]);
            for (int f = 0; f < kFieldCount; ++f)
                r.ref(Field(f)) = fields[f];
        }
        FUZZ_CHECK(table.setRecord(kDayKeys[d], r));
    }

    const QByteArray outsideBytes = bytesOf(outside);
    if (outsideRemoved)
        QFile::remove(path);
    else
        writeFile(path, outsideBytes);
    const WriteReport written = store.write(table);
    FUZZ_CHECK(written.written && written.error.isEmpty());

    // The folder: the written file and the copies kept aside, nothing else.
    const QByteArray result = readFile(path);
    std::vector<QByteArray> kept;
    bool originalKept = false;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name == kDataFileName)
            continue;
        FUZZ_CHECK(name.startsWith(kDataFileName + QStringLiteral(".orig"))
                   || name.startsWith(kDataFileName + QStringLiteral(".other")));
        kept.push_back(readFile(dir.filePath(name)));
        if (name.startsWith(kDataFileName + QStringLiteral(".orig"))) {
            FUZZ_CHECK(kept.back() == baseBytes);
            originalKept = true;
        } else {
            FUZZ_CHECK(kept.back() == outsideBytes);
        }
    }
    // The base is kept when the load did not take in all its lines.
    FUZZ_CHECK(originalKept == (unreadable > 0 || readable > days));

    // Each day as the model has it: this run's change, else the outside's
    // (a day the outside dropped is kept), else the base's.
    std::array<int, kDays> expected{};
    for (int d = 0; d < kDays; ++d) {
        const bool outsideChanged = outsideRead[size_t(d)] != baseRead[size_t(d)];
        const bool mineChanged = mine[size_t(d)] != baseRead[size_t(d)];
        expected[size_t(d)] = mineChanged ? mine[size_t(d)]
                              : outsideChanged && outsideRead[size_t(d)] ? outsideRead[size_t(d)]
                                                                         : baseRead[size_t(d)];
    }
    AttendanceTable back;
    const ParseResult parsed = parseRecords(result, back);
    FUZZ_CHECK(parsed.skipped == 0 && parsed.replaced == 0);
    int inUse = 0;
    for (int d = 0; d < kDays; ++d) {
        const DayKey day = kDayKeys[d];
        if (!expected[size_t(d)]) {
            FUZZ_CHECK(!back.inUse(day));
            continue;
        }
        ++inUse;
        FUZZ_CHECK(back.inUse(day));
        const QStringList fields = fieldsOf(d, expected[size_t(d)]);
        const DayRecord r = back.record(day);
        for (int f = 0; f < kFieldCount; ++f)
            FUZZ_CHECK(withoutTrailingBlanks(r.get(Field(f))) == fields[f]);
    }
    FUZZ_CHECK(back.size() == inUse);

    // Every line of the two files is in the written file or a copy, but for
    // a record as its file was read that a change of its day replaced: the
    // base's, by either side; the outside's, when it is the base's record
    // and this run changed it.
    auto found = [&](const QByteArray &line) {
        if (holdsLine(result, line))
            return true;
        for (const QByteArray &copy : kept)
            if (holdsLine(copy, line))
                return true;
        return false;
    };
    auto winning = [](const std::vector<Line> &lines, size_t i) {
        if (!lines[i].record)
            return false;
        for (size_t k = i + 1; k < lines.size(); ++k)
            if (lines[k].day == lines[i].day && lines[k].record)
                return false;
        return true;
    };
    for (size_t i = 0; i < base.size(); ++i) {
        const int d = base[i].day;
        if (winning(base, i) && expected[size_t(d)] != baseRead[size_t(d)])
            continue;
        FUZZ_CHECK(found(base[i].bytes));
    }
    for (size_t i = 0; i < outside.size(); ++i) {
        const int d = outside[i].day;
        if (winning(outside, i) && outsideRead[size_t(d)] == baseRead[size_t(d)]
            && expected[size_t(d)] != outsideRead[size_t(d)])
            continue;
        FUZZ_CHECK(found(outside[i].bytes));
    }
    return 0;
}
