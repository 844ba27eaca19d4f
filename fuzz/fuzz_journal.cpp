// The journal of changes. A line the journal reader accepts keeps every
// character of its fields (as Qt's converter decodes them and this target
// splits and unescapes them), and writes back as a line that reads the same.
// Loaded as a journal file, every line is read, or kept aside with the file,
// or is the torn last one. And changes recorded on the history are taken
// back and done again to the very records they started from and ended with,
// in this run and after the journal is read anew.

#include "attendancetable.h"
#include "changehistory.h"
#include "check.h"
#include "scratchfolder.h"
#include "datafile.h"
#include "journal.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

using namespace zentak;

namespace {

// The names of the kinds as the journal's lines hold them.
struct KindText {
    ChangeKind kind;
    const char16_t *text;
};
constexpr KindText kKindTexts[] = {
    {ChangeKind::Stored, u"保存"},     {ChangeKind::WholeDayPaid, u"有給"}, {ChangeKind::HalfDayPaid, u"半給"},
    {ChangeKind::Holiday, u"休日"},    {ChangeKind::Compensatory, u"代休"}, {ChangeKind::Cancelled, u"取消"},
    {ChangeKind::YearErased, u"削除"}, {ChangeKind::TakenBack, u"元に戻す"}, {ChangeKind::DoneAgain, u"やり直し"},
    {ChangeKind::LeaveGranted, u"付与"},
};

QString kindText(ChangeKind kind)
{
    for (const KindText &k : kKindTexts)
        if (k.kind == kind)
            return QString::fromUtf16(k.text);
    return {};
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The fields of a line as Qt's converter decodes it: quoted, separated by
// commas, each unescaped (\\, \r, \n); none when the line is not so.
std::optional<QStringList> fieldsOf(QByteArrayView line)
{
    static QStringDecoder decoder(kCodePageName, QStringDecoder::Flag::Stateless);
    FUZZ_CHECK(decoder.isValid());
    decoder.resetState();
    const QString text = decoder.decode(line);
    if (decoder.hasError() || text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    if (text.size() < 2 || !text.startsWith(QLatin1Char('"')) || !text.endsWith(QLatin1Char('"')))
        return std::nullopt;
    QStringList fields;
    for (const QString &raw : text.mid(1, text.size() - 2).split(QStringLiteral("\",\""))) {
        QString field;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == QLatin1Char('"'))
                return std::nullopt;
            if (raw[i] != QLatin1Char('\\')) {
                field += raw[i];
                continue;
            }
            if (++i == raw.size())
                return std::nullopt;
            switch (raw[i].unicode()) {
            case u'\\': field += QLatin1Char('\\'); break;
            case u'r': field += QLatin1Char('\r'); break;
            case u'n': field += QLatin1Char('\n'); break;
            default: return std::nullopt;
            }
        }
        fields << field;
    }
    return fields;
}

bool sameChange(const Change &a, const Change &b)
{
    if (!(a.when == b.when) || a.kind != b.kind || a.year != b.year || a.balanceBefore != b.balanceBefore
        || a.balanceAfter != b.balanceAfter || a.cells.size() != b.cells.size())
        return false;
    for (qsizetype i = 0; i < a.cells.size(); ++i)
        if (a.cells[i].day != b.cells[i].day || a.cells[i].before != b.cells[i].before
            || a.cells[i].after != b.cells[i].after)
            return false;
    return true;
}

bool sameTop(const Change *a, const Change *b)
{
    return (!a && !b) || (a && b && sameChange(*a, *b));
}

// An accepted line: every field of it is in the change as the line has it
// (trailing blanks aside), and the change writes back as a line that reads
// the same.
void checkAccepted(QByteArrayView line, const Change &change)
{
    const std::optional<QStringList> fields = fieldsOf(line);
    FUZZ_CHECK(fields.has_value());
    FUZZ_CHECK(fields->size() == 5 + 15 * change.cells.size());
    FUZZ_CHECK(change.when.isValid());
    FUZZ_CHECK(withoutTrailingBlanks((*fields)[0]) == change.when.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
    FUZZ_CHECK((*fields)[1] == kindText(change.kind));
    FUZZ_CHECK(withoutTrailingBlanks((*fields)[2]) == (change.year ? QString::number(change.year) : QString()));
    FUZZ_CHECK(withoutTrailingBlanks((*fields)[3]) == withoutTrailingBlanks(change.balanceBefore));
    FUZZ_CHECK(withoutTrailingBlanks((*fields)[4]) == withoutTrailingBlanks(change.balanceAfter));
    for (qsizetype c = 0; c < change.cells.size(); ++c) {
        const CellChange &cell = change.cells[c];
        const qsizetype at = 5 + 15 * c;
        FUZZ_CHECK((*fields)[at] == cell.day.dateText());
        for (int f = 0; f < kFieldCount; ++f) {
            FUZZ_CHECK(withoutTrailingBlanks((*fields)[at + 1 + f]) == withoutTrailingBlanks(cell.before.get(Field(f))));
            FUZZ_CHECK(withoutTrailingBlanks((*fields)[at + 8 + f]) == withoutTrailingBlanks(cell.after.get(Field(f))));
        }
    }

    const std::optional<QByteArray> again = journalLine(change);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->endsWith("\r\n"));
    const QByteArrayView body = QByteArrayView(*again).chopped(2);
    FUZZ_CHECK(!body.contains('\r') && !body.contains('\n'));
    const std::optional<Change> reread = parseJournalLine(body);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(sameChange(change, *reread));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The input read as choices.
struct Choices {
    const uint8_t *data;
    size_t size;
    size_t at = 0;
    bool more() const { return at < size; }
    int next() { return at < size ? data[at++] : 0; }
};

const DayKey kDays[] = {{2025, 1, 5}, {2025, 3, 10}, {2025, 12, 31}, {2026, 1, 5},
                        {2026, 2, 28}, {2026, 3, 10}, {2026, 12, 8}, {2026, 12, 31}};

// A record of the day: none (0), or one of a few kinds of record.
DayRecord recordFor(DayKey day, int which)
{
    static const QString kLongNote = QString(QStringLiteral("長い備考 note\\")).repeated(20).left(200);
    static const QStringList kRecords[] = {
        {"09:00", "18:00", "08:00", "08.00", ""},
        {"09:30", "18:15", "07:45", "07.75", QStringLiteral("設計")},
        {"00:00", "00:00", "00:00", "00.00", QStringLiteral("休日")},
        {"10:00", "19:00", "08:00", "08.00", QStringLiteral("朝会\r\n設計ソ表\\n")},
        {"08:45", "17:30", "07:45", "07.75", kLongNote},
        {"", "", "", "", ""},
    };
    DayRecord r = DayRecord::blank();
    if (which == 0)
        return r;
    const QStringList &fields = kRecords[(which - 1) % std::size(kRecords)];
    r.date = day.dateText();
    r.week = QStringLiteral("月");
    r.start = fields[0];
    r.end = fields[1];
    r.worked = fields[2];
    r.attendance = fields[3];
    r.note = fields[4];
    for (int f = 0; f < kFieldCount; ++f)
        r.ref(Field(f)) = r.get(Field(f)).leftJustified(fieldWidth(Field(f)), QLatin1Char(' '));
    return r;
}

struct Target {
    DayKey day;
    DayRecord record;
};

constexpr ChangeKind kForward[] = {ChangeKind::Stored, ChangeKind::WholeDayPaid, ChangeKind::HalfDayPaid,
                                   ChangeKind::Holiday, ChangeKind::Compensatory, ChangeKind::Cancelled,
                                   ChangeKind::YearErased, ChangeKind::LeaveGranted};

// Changes recorded, taken back and done again on `history`, the table moved
// by this target from each change's records.
void undoAndRedo(ChangeHistory &history, const QString &journal, const QString &dataFile,
                 const std::vector<Target> &pool, Choices choices)
{
    AttendanceTable table;
    const AttendanceTable start = table;
    const std::optional<Change> beneath =
        history.toTakeBack() ? std::optional<Change>(*history.toTakeBack()) : std::nullopt;
    JournalError error;

    std::vector<Change> changes;
    const QDateTime first(QDate(2026, 12, 8), QTime(9, 0, 0));
    while (changes.size() < 8 && choices.more()) {
        const int head = choices.next();
        Change change;
        change.when = first.addSecs(qint64(changes.size()) * 61);
        change.kind = kForward[head % std::size(kForward)];
        change.year = change.kind == ChangeKind::YearErased ? 2026 : 0;
        change.balanceBefore = QStringLiteral("10.0");
        change.balanceAfter = head & 0x80 ? QStringLiteral("09.5") : QStringLiteral("10.0");
        // A grant changes no day, only the balance.
        const int cells = change.kind == ChangeKind::LeaveGranted ? 0 : 1 + head / 8 % 3;
        for (int c = 0; c < cells; ++c) {
            const int pick = choices.next();
            const Target target = !pool.empty() && (pick & 0x80)
                                      ? pool[size_t(pick) % pool.size()]
                                      : Target{kDays[pick % 8], recordFor(kDays[pick % 8], pick / 8 % 7)};
            bool again = false;
            for (const CellChange &cell : change.cells)
                again = again || cell.day == target.day;
            if (again)
                continue;
            const DayRecord before = table.record(target.day);
            FUZZ_CHECK(table.setRecord(target.day, target.record));
            change.cells.append({target.day, before, table.record(target.day)});
        }
        FUZZ_CHECK(history.record(change, &error));
        changes.push_back(change);
    }
    if (changes.empty())
        return;
    const AttendanceTable forward = table;
    FUZZ_CHECK(history.toDoAgain() == nullptr);
    FUZZ_CHECK(sameTop(history.toTakeBack(), &changes.back()));

    // Every change taken back, last first.
    for (size_t i = changes.size(); i-- > 0;) {
        const Change *next = history.toTakeBack();
        FUZZ_CHECK(next && sameChange(*next, changes[i]));
        Change done = reversed(*next);
        FUZZ_CHECK(done.balanceBefore == next->balanceAfter && done.balanceAfter == next->balanceBefore);
        FUZZ_CHECK(done.cells.size() == next->cells.size());
        for (qsizetype c = 0; c < done.cells.size(); ++c) {
            const CellChange &mine = changes[i].cells[c];
            FUZZ_CHECK(done.cells[c].day == mine.day);
            FUZZ_CHECK(done.cells[c].before == mine.after && done.cells[c].after == mine.before);
            FUZZ_CHECK(table.record(mine.day) == mine.after);
        }
        for (const CellChange &mine : changes[i].cells)
            FUZZ_CHECK(table.setRecord(mine.day, mine.before));
        done.kind = ChangeKind::TakenBack;
        done.when = first.addSecs(3600 + qint64(i));
        FUZZ_CHECK(history.tookBack(done, &error));
    }
    FUZZ_CHECK(table == start);
    for (const DayKey &day : kDays)
        FUZZ_CHECK(!table.inUse(day));
    FUZZ_CHECK(sameTop(history.toTakeBack(), beneath ? &*beneath : nullptr));
    FUZZ_CHECK(sameTop(history.toDoAgain(), &changes.front()));
    {
        // Read anew, the journal can do the first change again.
        ChangeHistory reread(journal, dataFile);
        const JournalLoad load = reread.load(table);
        FUZZ_CHECK(load.unreadable == 0 && load.error.isEmpty());
        FUZZ_CHECK(sameTop(reread.toDoAgain(), &changes.front()));
    }

    // Every change done again, first first.
    for (size_t i = 0; i < changes.size(); ++i) {
        const Change *next = history.toDoAgain();
        FUZZ_CHECK(next && sameChange(*next, changes[i]));
        for (const CellChange &mine : changes[i].cells)
            FUZZ_CHECK(table.record(mine.day) == mine.before);
        Change done = *next;
        for (const CellChange &mine : changes[i].cells)
            FUZZ_CHECK(table.setRecord(mine.day, mine.after));
        done.kind = ChangeKind::DoneAgain;
        done.when = first.addSecs(7200 + qint64(i));
        FUZZ_CHECK(history.didAgain(done, &error));
    }
    FUZZ_CHECK(table == forward);
    FUZZ_CHECK(history.toDoAgain() == nullptr);
    FUZZ_CHECK(sameTop(history.toTakeBack(), &changes.back()));
    {
        ChangeHistory reread(journal, dataFile);
        const JournalLoad load = reread.load(table);
        FUZZ_CHECK(load.unreadable == 0 && load.error.isEmpty());
        FUZZ_CHECK(reread.toDoAgain() == nullptr);
        FUZZ_CHECK(sameTop(reread.toTakeBack(), &changes.back()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    // The lines as this target splits them: on LF, a CR before it dropped;
    // what follows the last LF is the last line, without a line end.
    int lines = 0;
    int blank = 0;
    int read = 0;
    int unreadable = 0;
    int torn = 0;
    std::vector<Target> pool;
    for (qsizetype begin = 0; begin < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', begin);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        QByteArrayView line = QByteArrayView(bytes).sliced(begin, end - begin);
        if (!last && line.endsWith('\r'))
            line.chop(1);
        begin = end + 1;
        ++lines;
        if (line.isEmpty()) {
            ++blank;
            continue;
        }
        const std::optional<Change> change = parseJournalLine(line);
        if (!change) {
            ++(last ? torn : unreadable);
            continue;
        }
        ++read;
        checkAccepted(line, *change);
        for (const CellChange &cell : change->cells)
            for (const DayRecord *r : {&cell.after, &cell.before})
                if (pool.size() < 16)
                    pool.push_back({cell.day, *r});
    }

    // The same bytes as the journal beside a data file.
    QDir &dir = scratchFolder("journal");
    const QString journal = dir.filePath(QStringLiteral("Zentak.journal"));
    const QString dataFile = dir.filePath(kDataFileName);
    writeFile(journal, bytes);
    const AttendanceTable empty;
    ChangeHistory history(journal, dataFile);
    const JournalLoad load = history.load(empty);
    FUZZ_CHECK(load.error.isEmpty());
    FUZZ_CHECK(load.unreadable == unreadable);
    FUZZ_CHECK(read + load.unreadable + torn + blank == lines);
    const QStringList copies = dir.entryList({QStringLiteral("Zentak.journal.*")}, QDir::Files);
    if (load.unreadable > 0) {
        FUZZ_CHECK(!load.keptCopy.isEmpty());
        FUZZ_CHECK(copies == QStringList{QFileInfo(load.keptCopy).fileName()});
        FUZZ_CHECK(readFile(load.keptCopy) == bytes);
    } else {
        FUZZ_CHECK(load.keptCopy.isEmpty() && copies.isEmpty());
    }
    {
        // The journal as the load left it reads whole, to the same history.
        ChangeHistory reread(journal, dataFile);
        const JournalLoad again = reread.load(empty);
        FUZZ_CHECK(again.unreadable == 0 && again.error.isEmpty());
        FUZZ_CHECK(sameTop(reread.toTakeBack(), history.toTakeBack()));
        FUZZ_CHECK(sameTop(reread.toDoAgain(), history.toDoAgain()));
    }

    undoAndRedo(history, journal, dataFile, pool, Choices{data, size});
    return 0;
}
