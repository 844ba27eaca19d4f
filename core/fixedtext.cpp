#include "fixedtext.h"

namespace zentak {

namespace {

struct Span {
    qsizetype units = 0; // UTF-16 units
    int characters = 0;  // code points
};

// The first `count` code points of text (all of it when shorter).
Span spanOf(QStringView text, int count)
{
    Span s;
    const qsizetype size = text.size();
    while (s.characters < count && s.units < size) {
        s.units += characterLength(text, s.units);
        ++s.characters;
    }
    return s;
}

} // namespace

qsizetype characterLength(QStringView text, qsizetype at)
{
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
}

int characterCount(QStringView text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); i += characterLength(text, i))
        ++n;
    return n;
}

QString leftChars(QStringView text, int count)
{
    return leftCharsView(text, count).toString();
}

QStringView leftCharsView(QStringView text, int count)
{
    if (count <= 0)
        return {};
    return text.left(spanOf(text, count).units);
}

QString fixedWidth(QStringView text, int width)
{
    const Span kept = spanOf(text, width);
    const int fill = width > kept.characters ? width - kept.characters : 0;
    QString out;
    out.reserve(kept.units + fill);
    out.append(text.left(kept.units));
    out.resize(kept.units + fill, QLatin1Char(' '));
    return out;
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin).toString();
}

QString trimTrailingBlanks(QStringView text)
{
    return trimmedTrailingBlanks(text).toString();
}

QStringView trimmedTrailingBlanks(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

bool isBlank(QStringView text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

} // namespace zentak
