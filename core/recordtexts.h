#pragma once
// The texts of a table's records, one after another in one text: each
// record's fields after the date, cut to their widths and without trailing
// blanks. A record refers to its part by a span. One text, rather than a
// string per record, keeps a record to about a hundred bytes, which is what
// lets thirty years of records take under a megabyte.

#include "dayrecord.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace zentak {

struct RecordSpan {
    // The fields after the date; the note's length is what is left.
    static constexpr int kLengths = kFieldCount - 2;
    std::uint32_t offset = 0;
    std::uint16_t size = 0;
    std::array<std::uint8_t, kLengths> length{}; // Week .. Attendance, in UTF-16 units
};

class RecordTexts {
public:
    void clear();
    void reserve(qsizetype characters) { text_.reserve(characters); }

    // The fields after the date, stored; the fields may be views into this
    // very text.
    RecordSpan add(const std::array<QStringView, kFieldCount> &fields);
    // A field other than the date, as stored.
    QStringView field(const RecordSpan &span, Field f) const;
    bool same(const RecordSpan &mine, const RecordTexts &other, const RecordSpan &theirs) const;
    // The part is referred to no more.
    void release(const RecordSpan &span) { unused_ += span.size; }

    // Drops the parts no record refers to, once they are many: every
    // element of `days` has its span as `span`.
    template <typename Days>
    void compactIfWasteful(Days &days)
    {
        // Changes leave the texts they replaced behind; a few are no
        // matter, but a year erased or a long run would keep them all.
        if (unused_ < 4096 || unused_ * 2 < text_.size())
            return;
        QString kept;
        kept.reserve(text_.size() - unused_);
        for (auto &d : days) {
            const QStringView was = QStringView(text_).sliced(d.span.offset, d.span.size);
            d.span.offset = std::uint32_t(kept.size());
            kept.append(was);
        }
        text_ = std::move(kept);
        unused_ = 0;
    }

private:
    QString text_;
    qsizetype unused_ = 0; // characters of text_ that no record refers to
};

} // namespace zentak
