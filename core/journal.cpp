#include "journal.h"

#include "codepage.h"
#include "fixedtext.h"
#include "storabletext.h"

#include <QStringList>

#include <algorithm>

namespace zentak {

namespace {

constexpr int kHeadFields = 5;  // when, kind, year, balance before, balance after
constexpr int kCellFields = 15; // the day's date, seven fields before, seven after
const QString kTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");

struct KindName {
    ChangeKind kind;
    const char16_t *name;
};
constexpr KindName kKindNames[] = {
    {ChangeKind::Stored, u"保存"},      {ChangeKind::WholeDayPaid, u"有給"}, {ChangeKind::HalfDayPaid, u"半給"},
    {ChangeKind::Holiday, u"休日"},     {ChangeKind::Compensatory, u"代休"}, {ChangeKind::Cancelled, u"取消"},
    {ChangeKind::YearErased, u"削除"},  {ChangeKind::TakenBack, u"元に戻す"}, {ChangeKind::DoneAgain, u"やり直し"},
    {ChangeKind::LeaveGranted, u"付与"},
};

QString escaped(QStringView text)
{
    QString out;
    for (QChar c : trimmedTrailingBlanks(text)) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\')) {
            out += text[i];
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        const QChar c = text[i];
        if (c == QLatin1Char('\\'))
            out += c;
        else if (c == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (c == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else
            return std::nullopt;
    }
    return out;
}

QStringList recordFields(const DayRecord &r)
{
    QStringList fields;
    for (int f = 0; f < kFieldCount; ++f)
        fields << r.get(Field(f));
    return fields;
}

// A record of the day as the line holds it: blank, or dated the day, every
// field within its width and of text a record may hold. Anything else would
// be cut, or put under another day, or refused by the data file's writer.
std::optional<DayRecord> recordOf(const QStringList &fields, qsizetype from, DayKey day)
{
    DayRecord r;
    for (int f = 0; f < kFieldCount; ++f) {
        const QString &text = fields[from + f];
        if (characterCount(text) > fieldWidth(Field(f)) || !isStorable(text))
            return std::nullopt;
        r.ref(Field(f)) = fixedWidth(text, fieldWidth(Field(f)));
    }
    if (isBlank(r.date) ? r != DayRecord::blank() : keyOfDateText(r.date) != day)
        return std::nullopt;
    return r;
}

} // namespace

ChangeKind changeKindOf(LeaveKind kind)
{
    switch (kind) {
    case LeaveKind::WholeDayPaid: return ChangeKind::WholeDayPaid;
    case LeaveKind::HalfDayPaid: return ChangeKind::HalfDayPaid;
    case LeaveKind::Holiday: return ChangeKind::Holiday;
    case LeaveKind::Compensatory: return ChangeKind::Compensatory;
    case LeaveKind::Cancelled: break;
    }
    return ChangeKind::Cancelled;
}

Change reversed(const Change &change)
{
    Change out = change;
    std::swap(out.balanceBefore, out.balanceAfter);
    for (CellChange &c : out.cells)
        std::swap(c.before, c.after);
    return out;
}

QDate Change::day() const
{
    for (const CellChange &c : cells) {
        const QDate day(c.day.year, c.day.month, c.day.day);
        if (day.isValid())
            return day;
    }
    return {};
}

std::optional<QByteArray> journalLine(const Change &change)
{
    QStringList fields{change.when.toString(kTimeFormat), QString(), change.year ? QString::number(change.year) : QString(),
                       change.balanceBefore, change.balanceAfter};
    for (const KindName &k : kKindNames)
        if (k.kind == change.kind)
            fields[1] = QString::fromUtf16(k.name);
    for (const CellChange &c : change.cells) {
        fields << c.day.dateText() << recordFields(c.before) << recordFields(c.after);
    }
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += '"';
        if (!encodeCodePage(escaped(fields[i]), line))
            return std::nullopt;
        line += '"';
    }
    return line + "\r\n";
}

std::optional<Change> parseJournalLine(QByteArrayView line)
{
    // Quoted fields separated by commas; a record never holds a quote.
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        return std::nullopt;
    QStringList fields;
    const QByteArrayView inner = line.sliced(1, line.size() - 2);
    for (qsizetype begin = 0; begin <= inner.size();) {
        qsizetype end = inner.indexOf("\",\"", begin);
        if (end < 0)
            end = inner.size();
        const QByteArrayView raw = inner.sliced(begin, end - begin);
        begin = end + 3;
        QString text;
        if (raw.contains('"') || !decodeCodePage(raw, text))
            return std::nullopt;
        const std::optional<QString> field = unescaped(text);
        if (!field)
            return std::nullopt;
        fields << *field;
    }
    if (fields.size() < kHeadFields || (fields.size() - kHeadFields) % kCellFields != 0)
        return std::nullopt;
    Change change;
    change.when = QDateTime::fromString(fields[0], kTimeFormat);
    const auto kind = std::find_if(std::begin(kKindNames), std::end(kKindNames),
                                   [&](const KindName &k) { return fields[1] == QStringView(k.name); });
    if (!change.when.isValid() || kind == std::end(kKindNames))
        return std::nullopt;
    change.kind = kind->kind;
    // A year as the program writes it: digits, no leading zero, none for
    // no year.
    bool yearOk = true;
    change.year = fields[2].isEmpty() ? 0 : fields[2].toInt(&yearOk);
    yearOk = yearOk && (fields[2].isEmpty() || (change.year > 0 && QString::number(change.year) == fields[2]));
    change.balanceBefore = fixedWidth(fields[3], 4);
    change.balanceAfter = fixedWidth(fields[4], 4);
    if (!yearOk || fields[3].size() > 4 || fields[4].size() > 4)
        return std::nullopt;
    for (qsizetype i = kHeadFields; i < fields.size(); i += kCellFields) {
        // Exactly "YYYY/MM/DD", of any day the data file takes: a day no
        // calendar has (2024/02/30, a year 0000) is the user's record too,
        // and what is journaled is read back.
        const std::optional<DayKey> day = fields[i].size() == 10 ? keyOfDateText(fields[i]) : std::nullopt;
        if (!day)
            return std::nullopt;
        const std::optional<DayRecord> before = recordOf(fields, i + 1, *day);
        const std::optional<DayRecord> after = recordOf(fields, i + 1 + kFieldCount, *day);
        if (!before || !after)
            return std::nullopt;
        change.cells.append({*day, *before, *after});
    }
    return change;
}

} // namespace zentak
