#include "storabletext.h"

#include "datafile.h"

#include <QStringEncoder>

namespace zentak {

namespace {

bool encodable(QStringView piece)
{
    QStringEncoder encoder(kCodePageName);
    if (!encoder.isValid())
        return false;
    const QByteArray bytes = encoder.encode(piece);
    return !encoder.hasError() && !bytes.isEmpty();
}

} // namespace

QString unstorableCharacters(QStringView text)
{
    {
        QStringEncoder whole(kCodePageName);
        const QByteArray bytes = whole.encode(text);
        if (whole.isValid() && !whole.hasError() && !text.contains(QLatin1Char('"')))
            return {};
    }
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
        if (piece == QLatin1String("\"") || !encodable(piece))
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

bool codePageAvailable()
{
    return QStringDecoder(kCodePageName).isValid() && QStringEncoder(kCodePageName).isValid();
}

} // namespace zentak
