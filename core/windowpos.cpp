#include "windowpos.h"

#include "numbers.h"

#include <QStringList>

namespace zentak {

QString tokenAt(QStringView text, int &pos, QStringView delimiter)
{
    if (pos <= 0)
        pos = 1;
    if (pos > text.size())
        return {};
    const QStringView rest = text.mid(pos - 1);
    const qsizetype at = delimiter.isEmpty() ? -1 : rest.indexOf(delimiter, 0, Qt::CaseInsensitive);
    return (at < 0 ? rest : rest.left(at)).toString();
}

SavedPos parsePos(const QString &ppos)
{
    QStringList tokens;
    int pos = 1;
    const QString blank = QStringLiteral(" ");
    while (pos <= ppos.size() && tokens.size() < 5) {
        const QString token = tokenAt(ppos, pos, blank);
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
