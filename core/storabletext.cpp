#include "storabletext.h"

#include "codepage.h"
#include "fixedtext.h"

namespace zentak {

QString unstorableCharacters(QStringView text)
{
    if (!text.contains(QLatin1Char('"')) && encodableInCodePage(text))
        return {};
    QString refused;
    for (qsizetype i = 0; i < text.size(); i += characterLength(text, i)) {
        const QStringView piece = text.mid(i, characterLength(text, i));
        if ((piece == QLatin1String("\"") || !encodableInCodePage(piece)) && !refused.contains(piece))
            refused.append(piece);
    }
    return refused;
}

QString withoutCharacters(QStringView text, QStringView refused)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); i += characterLength(text, i)) {
        const QStringView piece = text.mid(i, characterLength(text, i));
        if (!refused.contains(piece))
            out.append(piece);
    }
    return out;
}

QString withPlainLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QString fittedToNote(QStringView plain, int room)
{
    qsizetype end = 0;
    while (end < plain.size()) {
        const int cost = plain[end] == QLatin1Char('\n') ? 2 : 1;
        if (cost > room)
            break;
        room -= cost;
        end += characterLength(plain, end);
    }
    return plain.left(end).toString();
}

AdmittedNote admitNote(const QString &stored)
{
    const QString plain = withPlainLineBreaks(stored);
    AdmittedNote out;
    out.refused = unstorableCharacters(plain);
    const QString kept = out.refused.isEmpty() ? plain : withoutCharacters(plain, out.refused);
    out.text = fittedToNote(kept, kNoteLength);
    out.text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

} // namespace zentak
