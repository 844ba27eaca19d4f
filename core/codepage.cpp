#include "codepage.h"

#include "cp932tables.h"

namespace zentak {

namespace {

constexpr char16_t kNone = 0xFFFF;

// The code of a character; 0xFFFF for none.
std::uint16_t codeOf(char16_t c)
{
    if (c >= 0xD800 && c < 0xE000)
        return 0xFFFF;
    return cp932::kCode[cp932::kBlockOf[c >> 8]][c & 0xFF];
}

} // namespace

bool decodeCodePage(QByteArrayView bytes, QString &out)
{
    const qsizetype before = out.size();
    // Never more characters than bytes.
    out.resize(before + bytes.size());
    QChar *to = out.data() + before;
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    bool ok = true;
    for (qsizetype i = 0; i < n;) {
        const char16_t single = cp932::kSingle[b[i]];
        if (single != kNone) {
            *to++ = QChar(single);
            ++i;
            continue;
        }
        const int row = cp932::kLeadRow[b[i]];
        if (row == 0 || i + 1 >= n || b[i + 1] < cp932::kTrailFirst
            || b[i + 1] >= cp932::kTrailFirst + cp932::kTrailCount) {
            ok = false;
            break;
        }
        const char16_t c = cp932::kPair[row - 1][b[i + 1] - cp932::kTrailFirst];
        if (c == kNone) {
            ok = false;
            break;
        }
        *to++ = QChar(c);
        i += 2;
    }
    out.resize(to - out.constData());
    return ok;
}

bool encodeCodePage(QStringView text, QByteArray &out)
{
    const qsizetype before = out.size();
    // Never more than two bytes a character.
    out.resize(before + 2 * text.size());
    char *to = out.data() + before;
    bool ok = true;
    for (QChar ch : text) {
        const std::uint16_t code = codeOf(ch.unicode());
        if (code == 0xFFFF) {
            ok = false;
            break;
        }
        if (code > 0xFF)
            *to++ = char(code >> 8);
        *to++ = char(code & 0xFF);
    }
    out.resize(to - out.constData());
    return ok;
}

bool encodableInCodePage(QStringView text)
{
    for (QChar ch : text)
        if (codeOf(ch.unicode()) == 0xFFFF)
            return false;
    return true;
}

} // namespace zentak
