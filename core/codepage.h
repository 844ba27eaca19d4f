#pragma once
// Code page 932 (Shift_JIS as Windows has it, "windows-31j"): the code page
// of the data file and the reports. The tables are generated at build time
// from Qt's converter, so the text is exactly what that converter gives,
// without loading it: the start-up needs no converter library.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace zentak {

// Appends the text of the bytes to `out`; false when they are not all
// characters of the code page (a byte that is neither a character nor the
// start of one, or a pair cut short), and `out` then holds a part of them.
bool decodeCodePage(QByteArrayView bytes, QString &out);

// Appends the bytes of the text to `out`; false when a character has no
// code (`out` then holds a part of them). A surrogate, paired or not, has
// none.
bool encodeCodePage(QStringView text, QByteArray &out);

// True when every character of the text has a code.
bool encodableInCodePage(QStringView text);

} // namespace zentak
