#include "attendancetable.h"

#include "fixedtext.h"

#include <algorithm>

namespace zentak {

void AttendanceTable::clear()
{
    days_ = {};
    earlier_.clear();
    texts_.clear();
}

void AttendanceTable::reserve(qsizetype records, qsizetype characters)
{
    days_.reserve(size_t(records));
    texts_.reserve(characters);
}

qsizetype AttendanceTable::lowerBound(std::uint32_t key, qsizetype from) const
{
    return std::lower_bound(days_.begin() + from, days_.end(), key, [](const Day &d, std::uint32_t k) { return d.key < k; })
           - days_.begin();
}

qsizetype AttendanceTable::find(DayKey day) const
{
    if (!day.valid())
        return -1;
    const std::uint32_t key = pack(day);
    const qsizetype i = lowerBound(key);
    return i < size() && days_[size_t(i)].key == key ? i : -1;
}

QStringView AttendanceTable::stored(DayKey day, Field f) const
{
    const qsizetype i = find(day);
    return i < 0 ? QStringView() : texts_.field(days_[size_t(i)].span, f);
}

DayRecord AttendanceTable::record(DayKey day) const
{
    const qsizetype i = find(day);
    if (i < 0)
        return DayRecord::blank();
    DayRecord r;
    r.date = day.dateText();
    for (int f = 1; f < kFieldCount; ++f)
        r.ref(Field(f)) = fullWidthField(texts_.field(days_[size_t(i)].span, Field(f)), Field(f));
    return r;
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
    const auto it = days_.begin() + lowerBound(key);
    const bool present = it != days_.end() && it->key == key;
    if (present)
        texts_.release(it->span);
    if (blank) {
        if (present)
            days_.erase(it);
    } else {
        const Day next{key, texts_.add(fields)};
        if (present)
            *it = next;
        else
            days_.insert(it, next);
    }
    texts_.compactIfWasteful(days_);
    return true;
}

bool AttendanceTable::setRecord(DayKey day, const DayRecord &r)
{
    return setRecord(day, std::array<QStringView, kFieldCount>{r.date, r.week, r.start, r.end, r.worked, r.attendance, r.note});
}

bool AttendanceTable::addForLoad(DayKey day, const std::array<QStringView, kFieldCount> &fields)
{
    if (!day.valid() || isBlank(fields[0]))
        return false;
    days_.push_back({pack(day), texts_.add(fields)});
    return true;
}

std::vector<DayKey> AttendanceTable::finishLoad()
{
    // The file's order is by year slot: one sort puts the days in date
    // order, keeping the file's order among records of one day.
    std::stable_sort(days_.begin(), days_.end(), [](const Day &a, const Day &b) { return a.key < b.key; });
    std::vector<DayKey> replaced;
    size_t kept = 0;
    for (size_t i = 0; i < days_.size(); ++i) {
        if (kept > 0 && days_[kept - 1].key == days_[i].key) {
            texts_.release(days_[kept - 1].span);
            days_[kept - 1] = days_[i];
            replaced.push_back(unpack(days_[i].key));
            continue;
        }
        days_[kept++] = days_[i];
    }
    days_.resize(kept);
    texts_.compactIfWasteful(days_);
    return replaced;
}

std::vector<DayKey> AttendanceTable::eraseYear(int year)
{
    const auto first = days_.begin() + lowerBound(pack({year, 1, 1}));
    const auto last = days_.begin() + lowerBound(pack({year + 1, 1, 1}));
    std::vector<DayKey> erased;
    for (auto it = first; it != last; ++it) {
        erased.push_back(unpack(it->key));
        noteChange(erased.back());
        texts_.release(it->span);
    }
    days_.erase(first, last);
    texts_.compactIfWasteful(days_);
    return erased;
}

std::pair<qsizetype, qsizetype> AttendanceTable::monthRange(int year, int month) const
{
    if (year < 0 || year > 9999 || month < 1 || month > 12)
        return {0, 0};
    const qsizetype first = lowerBound(pack({year, month, 0}));
    return {first, lowerBound(pack({year, month + 1, 0}), first)};
}

bool AttendanceTable::sameDay(const AttendanceTable &other, DayKey day) const
{
    const qsizetype a = find(day);
    const qsizetype b = other.find(day);
    if (a < 0 || b < 0)
        return a == b;
    return texts_.same(days_[size_t(a)].span, other.texts_, other.days_[size_t(b)].span);
}

bool AttendanceTable::operator==(const AttendanceTable &other) const
{
    if (days_.size() != other.days_.size())
        return false;
    for (size_t i = 0; i < days_.size(); ++i)
        if (days_[i].key != other.days_[i].key || !texts_.same(days_[i].span, other.texts_, other.days_[i].span))
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
        const bool same = mine == theirs && texts_.same(days_[i].span, written.texts_, written.days_[k].span);
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

} // namespace zentak
