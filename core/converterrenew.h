#pragma once
// Code page converters made anew after an error. A converter keeps its
// error count for good, and (Qt 6.4, converters that work through ICU) one
// that is moved into another object no longer counts errors at all. So a
// converter is never assigned a new one: it is destroyed and built again
// where it stands.

#include "datafile.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <new>

namespace zentak {

// Stateless: a double-byte character cut short at the end of a text is an
// error, not state held back for a next call.
inline void renewDecoder(QStringDecoder &decoder)
{
    decoder.~QStringDecoder();
    new (&decoder) QStringDecoder(kCodePageName, QStringDecoder::Flag::Stateless);
}

inline void renewEncoder(QStringEncoder &encoder)
{
    encoder.~QStringEncoder();
    new (&encoder) QStringEncoder(kCodePageName);
}

} // namespace zentak
