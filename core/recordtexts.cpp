#include "recordtexts.h"

#include "fixedtext.h"

#include <algorithm>

namespace zentak {

namespace {

// The stored form of a field: cut to its width, trailing blanks removed.
QStringView storedForm(QStringView text, Field f)
{
    return trimmedTrailingBlanks(leftCharsView(text, fieldWidth(f)));
}

} // namespace

void RecordTexts::clear()
{
    text_ = QString();
    unused_ = 0;
}

RecordSpan RecordTexts::add(const std::array<QStringView, kFieldCount> &fields)
{
    std::array<QStringView, kFieldCount> parts;
    qsizetype total = 0;
    for (int i = 1; i < kFieldCount; ++i) {
        parts[size_t(i)] = storedForm(fields[size_t(i)], static_cast<Field>(i));
        total += parts[size_t(i)].size();
    }
    RecordSpan span;
    span.offset = std::uint32_t(text_.size());
    span.size = std::uint16_t(total);
    for (int i = 0; i < RecordSpan::kLengths; ++i)
        span.length[size_t(i)] = std::uint8_t(parts[size_t(i) + 1].size());
    // Fields that are views into the text itself (a record of this table
    // stored again) would move when it grows: they are copied first.
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
        return span;
    }
    if (text_.capacity() - text_.size() < total)
        text_.reserve(std::max(text_.size() + total, text_.capacity() * 2));
    for (int i = 1; i < kFieldCount; ++i)
        text_.append(parts[size_t(i)]);
    return span;
}

QStringView RecordTexts::field(const RecordSpan &span, Field f) const
{
    if (f == Field::Date)
        return {};
    qsizetype offset = span.offset;
    const int index = static_cast<int>(f) - 1;
    for (int i = 0; i < index; ++i)
        offset += span.length[size_t(i)];
    const qsizetype end = span.offset + span.size;
    const qsizetype length = index < RecordSpan::kLengths ? span.length[size_t(index)] : end - offset;
    return QStringView(text_).sliced(offset, length);
}

bool RecordTexts::same(const RecordSpan &mine, const RecordTexts &other, const RecordSpan &theirs) const
{
    return mine.length == theirs.length
           && QStringView(text_).sliced(mine.offset, mine.size)
                  == QStringView(other.text_).sliced(theirs.offset, theirs.size);
}

} // namespace zentak
