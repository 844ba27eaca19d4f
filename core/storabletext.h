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

// A note holds at most this many characters as stored, a line break being
// stored as CR LF (two characters).
inline constexpr int kNoteLength = 200;

// Every kind of line break as a plain one ("\n").
QString withPlainLineBreaks(QString text);
// The longest start of a plain text that stores in `room` characters, by
// whole characters, a line break costing two.
QString fittedToNote(QStringView plain, int room);

// What a note box shows and stores of a text that did not come through the
// box (the default note of the settings): the characters a record cannot
// hold taken out, then cut to the note's length as stored.
struct AdmittedNote {
    QString text;    // as stored, line breaks CR LF
    QString refused; // the distinct characters taken out
};
AdmittedNote admitNote(const QString &stored);

} // namespace zentak
