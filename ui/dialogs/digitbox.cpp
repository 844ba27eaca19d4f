#include "digitbox.h"

#include <QScopedValueRollback>
#include <QValidator>

namespace zentak {

QString withAsciiDigits(QString text, DigitsFor kind)
{
    constexpr char16_t fullWidthZero = 0xFF10;  // "０"
    constexpr char16_t fullWidthColon = 0xFF1A; // "："
    constexpr char16_t fullWidthPoint = 0xFF0E; // "．"
    constexpr char16_t fullStop = 0x3002;       // "。"
    constexpr char16_t fullWidthSlash = 0xFF0F; // "／"
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u >= fullWidthZero && u < fullWidthZero + 10)
            c = QChar(u'0' + (u - fullWidthZero));
        else if (kind == DigitsFor::Time && u == fullWidthColon)
            c = QLatin1Char(':');
        else if (kind == DigitsFor::Decimal && (u == fullWidthPoint || u == fullStop))
            c = QLatin1Char('.');
        else if (kind == DigitsFor::Date && u == fullWidthSlash)
            c = QLatin1Char('/');
    }
    return text;
}

// A line edit runs its validator on each change of its text, after the
// maximum length has cut what came in and before textEdited, and holds what
// the validator gives back: every way in (keys, a paste by key, mouse or
// menu, a drop, an input method's commit) passes here. The text set by the
// program passes too, which is why only the user's input is converted.
class DigitBox::Conversion : public QValidator {
public:
    explicit Conversion(DigitBox *box) : QValidator(box), box_(*box) {}

    State validate(QString &input, int &) const override
    {
        if (box_.handlingUserInput_)
            input = withAsciiDigits(input, box_.kind_);
        return Acceptable; // the dialogs' checks judge the text, as before
    }

private:
    const DigitBox &box_;
};

DigitBox::DigitBox(DigitsFor kind, QWidget *parent) : QLineEdit(parent), kind_(kind)
{
    // Asks an input method that reads hints for plain digits. Qt 6.4's ibus
    // context passes no hints on; the conversion covers it.
    setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    setValidator(new Conversion(this));
}

bool DigitBox::event(QEvent *event)
{
    // A change of the text while the box handles an event of its own comes
    // from the user; the program's setText comes from elsewhere.
    const QScopedValueRollback inUserInput(handlingUserInput_, true);
    return QLineEdit::event(event);
}

} // namespace zentak
