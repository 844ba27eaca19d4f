#include "storabletext.h"

#include "codepage.h"

namespace zentak {

QString unstorableCharacters(QStringView text)
{
    if (!text.contains(QLatin1Char('"')) && encodableInCodePage(text))
        return {};
    QString refused;
    auto refuse = [&refused](QStringView piece) {
        if (!refused.contains(piece))
            refused.append(piece);
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            len = 2;
        const QStringView piece = text.mid(i, len);
        if (piece == QLatin1String("\"") || !encodableInCodePage(piece))
            refuse(piece);
        i += len - 1;
    }
    return refused;
}

QString withoutCharacters(QStringView text, QStringView refused)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            len = 2;
        const QStringView piece = text.mid(i, len);
        if (!refused.contains(piece))
            out.append(piece);
        i += len - 1;
    }
    return out;
}

} // namespace zentak
