#pragma once
// What a record field may hold. The data file quotes every field and escapes
// nothing, and it is written in code page 932: a double quote would end the
// field early, and a character the code page has no code for would be lost.
// Such characters are refused where the user types them; they never enter
// the table.

#include <QString>
#include <QStringView>

namespace zentak {

// The distinct characters of text that a record cannot hold, in the order
// they first occur; empty when the whole text can be stored.
QString unstorableCharacters(QStringView text);
inline bool isStorable(QStringView text) { return unstorableCharacters(text).isEmpty(); }

// Text with the characters of `refused` removed.
QString withoutCharacters(QStringView text, QStringView refused);


} // namespace zentak
