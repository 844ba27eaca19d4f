#include "storabletext.h"

#include "converterrenew.h"
#include "datafile.h"

#include <QStringEncoder>

namespace zentak {

namespace {

// Printable ASCII other than the double quote: stored as it is, without
// asking the converter (which maps some control characters elsewhere).
bool plainAscii(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u > 0x7E || u == u'"')
            return false;
    }
    return true;
}

// True when the converter has a code for every character of the text (and,
// with `nonEmpty`, gives at least one byte for it). One converter per thread
// serves every call; after an error it is made anew, since the error count
// stays with it.
bool encodes(QStringView text, bool nonEmpty)
{
    thread_local QStringEncoder encoder(kCodePageName);
    if (!encoder.isValid())
        return false;
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        renewEncoder(encoder);
        return false;
    }
    return !nonEmpty || !bytes.isEmpty();
}

} // namespace

QString unstorableCharacters(QStringView text)
{
    if (plainAscii(text))
        return {};
    if (!text.contains(QLatin1Char('"')) && encodes(text, false))
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
        if (piece == QLatin1String("\"") || !encodes(piece, true))
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
