#pragma once
// Fixed-width texts. Widths count characters (code points), so a kanji is
// one, and a cut never separates the halves of a surrogate pair. "Blanks"
// are U+0020 only.

#include <QString>
#include <QStringView>

namespace zentak {

// The length in UTF-16 units of the character (code point) that starts at
// `at`: 2 for a surrogate pair, else 1. Every walk over characters steps
// with it.
qsizetype characterLength(QStringView text, qsizetype at);

// Pads with blanks on the right or cuts to `width` characters.
QString fixedWidth(QStringView text, int width);
// Number of characters (code points) of the text.
int characterCount(QStringView text);
// The first `count` characters.
QString leftChars(QStringView text, int count);
QStringView leftCharsView(QStringView text, int count);
QString trimBlanks(QStringView text);
QString trimTrailingBlanks(QStringView text);
QStringView trimmedTrailingBlanks(QStringView text);
bool isBlank(QStringView text);

} // namespace zentak
