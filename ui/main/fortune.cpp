#include "fortune.h"

#include <cmath>

namespace zentak {

float fortuneDraw(double random)
{
    if (!(random >= 0.0)) // below 0 or not a number
        return 0.0f;
    const float r = static_cast<float>(random);
    return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

int fortuneValue(float r)
{
    // A single has 24 significant bits and 15 needs 4: the product is exact
    // in double precision.
    return static_cast<int>(std::floor(static_cast<double>(r) * 15.0));
}

int fortuneIndex(int v)
{
    return v % 10;
}

QString fortuneText(int index)
{
    static const char16_t *const words[10] = {u"吉",   u"吉",   u"吉",   u"吉",   u"末吉",
                                              u"末吉", u"小吉", u"中吉", u"大吉", u"大凶"};
    if (index < 0 || index > 9)
        index = 0;
    QString text = QStringLiteral("今日は「") + QString::fromUtf16(words[index])
                   + QStringLiteral("」です。  ");
    if (index == 8)
        text += QStringLiteral("(*^o^*)");
    else if (index == 9)
        text += QStringLiteral("σ(^_^;)?");
    return text;
}

} // namespace zentak
