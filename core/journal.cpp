#include "journal.h"

#include "codepage.h"
#include "fixedtext.h"

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

DayRecord recordOf(const QStringList &fields, qsizetype from)
{
    DayRecord r;
    for (int f = 0; f < kFieldCount; ++f)
        r.ref(Field(f)) = fixedWidth(fields[from + f], fieldWidth(Field(f)));
    return r;
}

// "YYYY/MM/DD" with a month of 1-12 and a day of 1-31: the cell it names.
std::optional<TableCell> cellOfDateText(QStringView text)
{
    static const QLatin1String shape("dddd/dd/dd");
    if (text.size() != shape.size())
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (shape[i] == QLatin1Char('d') ? !text[i].isDigit() || text[i].unicode() > 127 : text[i] != shape[i])
            return std::nullopt;
    const TableCell cell{yearSlot(text.left(4).toInt()), text.mid(5, 2).toInt(), text.mid(8, 2).toInt()};
    if (!AttendanceTable::validIndex(cell.slot, cell.month, cell.day))
        return std::nullopt;
    return cell;
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
    if (cells.isEmpty())
        return {};
    const CellChange &first = cells.first();
    const QString date = trimBlanks(first.after.date).isEmpty() ? first.before.date : first.after.date;
    return QDate::fromString(date.left(10), QStringLiteral("yyyy/MM/dd"));
}

std::optional<QByteArray> journalLine(const Change &change)
{
    QStringList fields{change.when.toString(kTimeFormat), QString(), change.year ? QString::number(change.year) : QString(),
                       change.balanceBefore, change.balanceAfter};
    for (const KindName &k : kKindNames)
        if (k.kind == change.kind)
            fields[1] = QString::fromUtf16(k.name);
    for (const CellChange &c : change.cells) {
        const DayRecord &dated = isBlank(c.after.date) ? c.before : c.after;
        fields << dated.date << recordFields(c.before) << recordFields(c.after);
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
    bool yearOk = true;
    change.year = fields[2].isEmpty() ? 0 : fields[2].toInt(&yearOk);
    change.balanceBefore = fixedWidth(fields[3], 4);
    change.balanceAfter = fixedWidth(fields[4], 4);
    if (!yearOk)
        return std::nullopt;
    for (qsizetype i = kHeadFields; i < fields.size(); i += kCellFields) {
        const std::optional<TableCell> cell = cellOfDateText(fields[i]);
        if (!cell)
            return std::nullopt;
        change.cells.append({*cell, recordOf(fields, i + 1), recordOf(fields, i + 1 + kFieldCount)});
    }
    return change;
}

} // namespace zentak
