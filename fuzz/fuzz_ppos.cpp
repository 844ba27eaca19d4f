// The saved window position: any stored text is read without failing into
// 16-bit values, and what is written is read back as the same left and top.

#include "check.h"
#include "numbers.h"
#include "windowpos.h"

#include <QString>

#include <cstring>

using namespace zentak;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const SavedPos pos = parsePos(text);
    FUZZ_CHECK(pos.left >= -32768 && pos.left <= 32767);
    FUZZ_CHECK(pos.top >= -32768 && pos.top <= 32767);

    // Four numbers of the input's own, written and read back.
    long long v[4] = {};
    std::memcpy(v, data, std::min(size, sizeof v));
    const QString written = formatPos(v[0], v[1], v[2], v[3]);
    const SavedPos back = parsePos(written);
    FUZZ_CHECK(back.left == std::max(0, toInt16(v[0])));
    FUZZ_CHECK(back.top == std::max(0, toInt16(v[1])));
    FUZZ_CHECK(written.count(QLatin1Char(' ')) <= 3);

    int at = int(size % 7) - 2;
    const QString token = tokenAt(text, at, u" ");
    FUZZ_CHECK(at >= 1);
    FUZZ_CHECK(token.size() <= text.size());
    return 0;
}
