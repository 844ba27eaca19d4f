#include "attendancetable.h"

#include "fixedtext.h"

#include <algorithm>

namespace zentak {

int fieldWidth(Field f)
{
    switch (f) {
    case Field::Date: return 10;
    case Field::Week: return 1;
    case Field::Start:
    case Field::End:
    case Field::Worked:
    case Field::Attendance: return 5;
    case Field::Note: return 200;
    }
    return 0;
}

const QString &DayRecord::get(Field f) const
{
    switch (f) {
    case Field::Date: return date;
    case Field::Week: return week;
    case Field::Start: return start;
    case Field::End: return end;
    case Field::Worked: return worked;
    case Field::Attendance: return attendance;
    case Field::Note: return note;
    }
    return note;
}

QString &DayRecord::ref(Field f)
{
    return const_cast<QString &>(static_cast<const DayRecord *>(this)->get(f));
}

DayRecord DayRecord::blank()
{
    DayRecord r;
    for (int f = 0; f < kFieldCount; ++f)
        r.ref(Field(f)) = QString(fieldWidth(Field(f)), QLatin1Char(' '));
    return r;
}

bool DayRecord::inUse() const
{
    return !isBlank(date);
}

bool DayKey::valid() const
{
    return year >= 0 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::array<char, 10> DayKey::dateChars() const
{
    // Written for every record of every save: by hand, as QString::arg
    // took most of the time of a save.
    return {char('0' + year / 1000 % 10), char('0' + year / 100 % 10), char('0' + year / 10 % 10),
            char('0' + year % 10),        '/',
            char('0' + month / 10 % 10),  char('0' + month % 10),      '/',
            char('0' + day / 10 % 10),    char('0' + day % 10)};
}

QString DayKey::dateText() const
{
    const std::array<char, 10> chars = dateChars();
    return QString::fromLatin1(chars.data(), qsizetype(chars.size()));
}

DayKey keyOf(QDate day)
{
    return {day.year(), day.month(), day.day()};
}

std::optional<DayKey> keyOfDateText(QStringView text)
{
    const QStringView date = trimmedTrailingBlanks(text);
    if (date.size() != 10 || date[4] != QLatin1Char('/') || date[7] != QLatin1Char('/'))
        return std::nullopt;
    int digits[10] = {};
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        const char16_t c = date[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits[i] = c - u'0';
    }
    const DayKey key{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[5] * 10 + digits[6],
                     digits[8] * 10 + digits[9]};
    if (!key.valid())
        return std::nullopt;
    return key;
}

int yearSlot(int year)
{
    // The remainder of a negative year would be negative; keep 1..3.
    const int r = ((year % 3) + 3) % 3;
    return r + 1;
}

bool comesFirstInFile(const DayKey &a, const DayKey &b)
{
    const int sa = yearSlot(a.year);
    const int sb = yearSlot(b.year);
    if (sa != sb)
        return sa < sb;
    if (a.month != b.month)
        return a.month < b.month;
    if (a.day != b.day)
        return a.day < b.day;
    return a.year < b.year;
}

namespace {

// The stored form of a field: cut to its width, trailing blanks removed.
QStringView storedForm(QStringView text, Field f)
{
    return trimmedTrailingBlanks(leftCharsView(text, fieldWidth(f)));
}

// The full-width text of a stored field.
QString padded(QStringView stored, Field f)
{
    // One blank text per field, shared by every read of a blank field.
    static const std::array<QString, kFieldCount> blanks = [] {
        std::array<QString, kFieldCount> b;
        for (int i = 0; i < kFieldCount; ++i)
            b[i] = QString(fieldWidth(static_cast<Field>(i)), QLatin1Char(' '));
        return b;
    }();
    if (stored.isEmpty())
        return blanks[static_cast<int>(f)];
    return fixedWidth(stored, fieldWidth(f));
}

} // namespace

void AttendanceTable::clear()
{
    days_ = {};
    earlier_.clear();
    text_ = QString();
    unused_ = 0;
}

void AttendanceTable::reserve(qsizetype records, qsizetype characters)
{
    days_.reserve(size_t(records));
    text_.reserve(characters);
}

qsizetype AttendanceTable::find(DayKey day) const
{
    if (!day.valid())
        return -1;
    const std::uint32_t key = pack(day);
    const auto it = std::lower_bound(days_.begin(), days_.end(), key,
                                     [](const Day &d, std::uint32_t k) { return d.key < k; });
    return it != days_.end() && it->key == key ? it - days_.begin() : -1;
}

QStringView AttendanceTable::part(const Day &d, Field f) const
{
    if (f == Field::Date)
        return {};
    qsizetype offset = d.offset;
    const int index = static_cast<int>(f) - 1;
    for (int i = 0; i < index; ++i)
        offset += d.length[size_t(i)];
    const qsizetype end = d.offset + d.size;
    const qsizetype length = index < kLengths ? d.length[size_t(index)] : end - offset;
    return QStringView(text_).sliced(offset, length);
}

QStringView AttendanceTable::stored(DayKey day, Field f) const
{
    const qsizetype i = find(day);
    return i < 0 ? QStringView() : part(days_[size_t(i)], f);
}

QString AttendanceTable::field(DayKey day, Field f) const
{
    if (f == Field::Date)
        return inUse(day) ? day.dateText() : padded({}, f);
    return padded(stored(day, f), f);
}

DayRecord AttendanceTable::record(DayKey day) const
{
    const qsizetype i = find(day);
    if (i < 0)
        return DayRecord::blank();
    DayRecord r;
    r.date = day.dateText();
    for (int f = 1; f < kFieldCount; ++f)
        r.ref(static_cast<Field>(f)) = padded(part(days_[size_t(i)], static_cast<Field>(f)), static_cast<Field>(f));
    return r;
}

bool AttendanceTable::append(DayKey day, const std::array<QStringView, kFieldCount> &fields, Day &out)
{
    if (isBlank(fields[0]))
        return false;
    std::array<QStringView, kFieldCount> parts;
    qsizetype total = 0;
    for (int i = 1; i < kFieldCount; ++i) {
        parts[size_t(i)] = storedForm(fields[size_t(i)], static_cast<Field>(i));
        total += parts[size_t(i)].size();
    }
    out.key = pack(day);
    out.offset = std::uint32_t(text_.size());
    out.size = std::uint16_t(total);
    for (int i = 0; i < kLengths; ++i)
        out.length[size_t(i)] = std::uint8_t(parts[size_t(i) + 1].size());
    // The fields may be views into text_ itself (a record of this table
    // stored again), which growing it would move: then they are copied
    // first.
    const QChar *begin = text_.constData();
    const QChar *end = begin + text_.capacity();
    bool inside = false;
    for (int i = 1; i < kFieldCount; ++i)
        inside = inside || (parts[size_t(i)].data() >= begin && parts[size_t(i)].data() < end);
    if (inside) {
        QString joined;
        joined.reserve(total);
        for (int i = 1; i < kFieldCount; ++i)
            joined.append(parts[size_t(i)]);
        text_.append(joined);
        return true;
    }
    if (text_.capacity() - text_.size() < total)
        text_.reserve(std::max(text_.size() + total, text_.capacity() * 2));
    for (int i = 1; i < kFieldCount; ++i)
        text_.append(parts[size_t(i)]);
    return true;
}

bool AttendanceTable::setRecord(DayKey day, const std::array<QStringView, kFieldCount> &fields)
{
    if (!day.valid())
        return false;
    const bool blank = isBlank(fields[0]);
    if (!blank) {
        const std::optional<DayKey> named = keyOfDateText(leftCharsView(fields[0], fieldWidth(Field::Date)));
        if (!named || *named != day)
            return false;
    }
    noteChange(day);
    const std::uint32_t key = pack(day);
    auto it = std::lower_bound(days_.begin(), days_.end(), key,
                               [](const Day &d, std::uint32_t k) { return d.key < k; });
    const bool present = it != days_.end() && it->key == key;
    if (present)
        unused_ += it->size;
    if (blank) {
        if (present)
            days_.erase(it);
    } else {
        const qsizetype at = it - days_.begin();
        Day next;
        append(day, fields, next);
        if (present)
            days_[size_t(at)] = next;
        else
            days_.insert(days_.begin() + at, next);
    }
    compactIfWasteful();
    return true;
}

bool AttendanceTable::setRecord(DayKey day, const DayRecord &r)
{
    return setRecord(day, std::array<QStringView, kFieldCount>{r.date, r.week, r.start, r.end, r.worked, r.attendance, r.note});
}

bool AttendanceTable::addForLoad(DayKey day, const std::array<QStringView, kFieldCount> &fields)
{
    Day next;
    if (!day.valid() || !append(day, fields, next))
        return false;
    days_.push_back(next);
    return true;
}

int AttendanceTable::finishLoad()
{
    // The file's order is by year slot: one sort puts the days in date
    // order, keeping the file's order among records of one day.
    std::stable_sort(days_.begin(), days_.end(), [](const Day &a, const Day &b) { return a.key < b.key; });
    int replaced = 0;
    size_t kept = 0;
    for (size_t i = 0; i < days_.size(); ++i) {
        if (kept > 0 && days_[kept - 1].key == days_[i].key) {
            unused_ += days_[kept - 1].size;
            days_[kept - 1] = days_[i];
            ++replaced;
            continue;
        }
        days_[kept++] = days_[i];
    }
    days_.resize(kept);
    compactIfWasteful();
    return replaced;
}

std::vector<DayKey> AttendanceTable::eraseYear(int year)
{
    const auto [first, last] = std::pair(
        std::lower_bound(days_.begin(), days_.end(), pack({year, 1, 1}),
                         [](const Day &d, std::uint32_t k) { return d.key < k; }),
        std::lower_bound(days_.begin(), days_.end(), pack({year + 1, 1, 1}),
                         [](const Day &d, std::uint32_t k) { return d.key < k; }));
    std::vector<DayKey> erased;
    for (auto it = first; it != last; ++it) {
        erased.push_back(unpack(it->key));
        noteChange(erased.back());
        unused_ += it->size;
    }
    days_.erase(first, last);
    compactIfWasteful();
    return erased;
}

std::pair<qsizetype, qsizetype> AttendanceTable::monthRange(int year, int month) const
{
    if (year < 0 || year > 9999 || month < 1 || month > 12)
        return {0, 0};
    const auto below = [](const Day &d, std::uint32_t k) { return d.key < k; };
    const auto first = std::lower_bound(days_.begin(), days_.end(), pack({year, month, 0}), below);
    const auto last = std::lower_bound(first, days_.end(), pack({year, month + 1, 0}), below);
    return {first - days_.begin(), last - days_.begin()};
}

bool AttendanceTable::sameDay(const AttendanceTable &other, DayKey day) const
{
    const qsizetype a = find(day);
    const qsizetype b = other.find(day);
    if (a < 0 || b < 0)
        return a == b;
    return sameText(days_[size_t(a)], other, other.days_[size_t(b)]);
}

bool AttendanceTable::sameText(const Day &mine, const AttendanceTable &other, const Day &theirs) const
{
    return mine.length == theirs.length
           && QStringView(text_).sliced(mine.offset, mine.size)
                  == QStringView(other.text_).sliced(theirs.offset, theirs.size);
}

bool AttendanceTable::operator==(const AttendanceTable &other) const
{
    if (days_.size() != other.days_.size())
        return false;
    for (size_t i = 0; i < days_.size(); ++i)
        if (days_[i].key != other.days_[i].key || !sameText(days_[i], other, other.days_[i]))
            return false;
    return true;
}

void AttendanceTable::noteChange(DayKey day)
{
    if (!earlier_.contains(day))
        earlier_.emplace(day, record(day));
}

void AttendanceTable::markWritten(const AttendanceTable &written)
{
    earlier_.clear();
    // The two in date order, side by side.
    size_t i = 0;
    size_t k = 0;
    while (i < days_.size() || k < written.days_.size()) {
        const std::uint32_t mine = i < days_.size() ? days_[i].key : UINT32_MAX;
        const std::uint32_t theirs = k < written.days_.size() ? written.days_[k].key : UINT32_MAX;
        const std::uint32_t key = std::min(mine, theirs);
        const bool same = mine == theirs && sameText(days_[i], written, written.days_[k]);
        if (!same)
            earlier_.emplace(unpack(key), written.record(unpack(key)));
        i += mine == key;
        k += theirs == key;
    }
}

AttendanceTable AttendanceTable::asWritten() const
{
    AttendanceTable was = *this;
    for (const auto &[day, record] : earlier_)
        was.setRecord(day, record);
    was.earlier_.clear();
    return was;
}

void AttendanceTable::compactIfWasteful()
{
    // Changes leave the texts they replaced behind; a few are no matter,
    // but a year erased or a long run would keep them all.
    if (unused_ < 4096 || unused_ * 2 < text_.size())
        return;
    QString kept;
    kept.reserve(text_.size() - unused_);
    for (Day &d : days_) {
        const QStringView was = QStringView(text_).sliced(d.offset, d.size);
        d.offset = std::uint32_t(kept.size());
        kept.append(was);
    }
    text_ = std::move(kept);
    unused_ = 0;
}

} // namespace zentak
