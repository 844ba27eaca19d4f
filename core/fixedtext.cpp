#include "fixedtext.h"

namespace zentak {

namespace {

// Length in UTF-16 units of the first `count` code points of text.
qsizetype unitsOf(QStringView text, int count)
{
    qsizetype i = 0;
    for (int n = 0; n < count && i < text.size(); ++n) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            i += 2;
        else
            i += 1;
    }
    return i;
}

} // namespace

int characterCount(QStringView text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++n)
        i += unitsOf(text.mid(i), 1);
    return n;
}

QString leftChars(QStringView text, int count)
{
    if (count <= 0)
        return {};
    return text.left(unitsOf(text, count)).toString();
}

QString fixedWidth(QStringView text, int width)
{
    QString out = leftChars(text, width);
    const int have = characterCount(out);
    if (have < width)
        out.append(QString(width - have, QLatin1Char(' ')));
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
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end).toString();
}

bool isBlank(QStringView text)
{
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

} // namespace zentak
