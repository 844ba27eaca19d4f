#include "digitbox.h"

#include <QScopedValueRollback>
#include <QValidator>

namespace zentak {

QString withAsciiDigits(QString text)
{
    constexpr char16_t fullWidthZero = 0xFF10; // "０"
    constexpr char16_t fullWidthColon = 0xFF1A; // "："
    for (QChar &c : text) {
        if (c.unicode() >= fullWidthZero && c.unicode() < fullWidthZero + 10)
            c = QChar(u'0' + (c.unicode() - fullWidthZero));
        else if (c.unicode() == fullWidthColon)
            c = QLatin1Char(':');
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
            input = withAsciiDigits(input);
        return Acceptable; // the dialogs' checks judge the text, as before
    }

private:
    const DigitBox &box_;
};

DigitBox::DigitBox(QWidget *parent) : QLineEdit(parent)
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
