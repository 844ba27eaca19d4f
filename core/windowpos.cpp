#include "windowpos.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace zentak {

QString gettoken(QStringView text, int &pos, QStringView delimiter)
{
    if (pos <= 0)
        pos = 1;
    if (pos > text.size())
        return {};
    const QStringView rest = text.mid(pos - 1);
    const qsizetype at = delimiter.isEmpty() ? -1 : rest.indexOf(delimiter, 0, Qt::CaseInsensitive);
    return (at < 0 ? rest : rest.left(at)).toString();
}

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype begin = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < text.size() && text[i].unicode() < 128 && text[i].isDigit()) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && text[i].unicode() < 128 && text[i].isDigit()) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double value = text.mid(begin, i - begin).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 9.0e15;
    if (value > limit)
        value = limit;
    if (value < -limit)
        value = -limit;
    return static_cast<long long>(std::nearbyint(value));
}

int toInt16(long long value)
{
    if (value < std::numeric_limits<short>::min())
        return std::numeric_limits<short>::min();
    if (value > std::numeric_limits<short>::max())
        return std::numeric_limits<short>::max();
    return static_cast<int>(value);
}

SavedPos parsePos(const QString &ppos)
{
    QStringList tokens;
    int pos = 1;
    const QString blank = QStringLiteral(" ");
    while (pos <= ppos.size() && tokens.size() < 5) {
        const QString token = gettoken(ppos, pos, blank);
        tokens.append(token);
        pos += token.size() + 1;
    }
    SavedPos result;
    result.left = toInt16(roundHalfEven(leadingNumber(tokens.value(0))));
    result.top = toInt16(roundHalfEven(leadingNumber(tokens.value(1))));
    return result;
}

QString formatPos(long long left, long long top, long long width, long long height)
{
    int l = toInt16(left);
    int t = toInt16(top);
    const int w = toInt16(width);
    const int h = toInt16(height);
    if (l < 0)
        l = 0;
    if (t < 0)
        t = 0;
    auto piece = [](int v) {
        return v < 0 ? QString::number(v) : QLatin1Char(' ') + QString::number(v);
    };
    return QString::number(l) + piece(t) + piece(w) + piece(h);
}

} // namespace zentak
