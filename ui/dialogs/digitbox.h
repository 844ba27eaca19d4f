#pragma once
// The one-line box for times, figures and dates ("HH:MM", "HH.MM", the
// leave balance, "YYYY/MM/DD"). A Japanese user keeps the input method on, and it types digits
// and the colon full width ("１８：００"), and for a point the full-width
// point or the ideographic full stop ("０７．７５", "07。75"): the box takes
// them as the ASCII characters as they come in, typed, pasted, dropped or
// committed by the input method, so that it shows, and its checks read,
// "18:00" and "07.75". A text the program sets (a record as stored) is shown
// as it is.

#include <QLineEdit>

namespace zentak {

// What a box is for: a time, whose colon may come full width; a decimal,
// whose point may come as the full-width point or the ideographic full
// stop; a date, whose slashes may come full width.
enum class DigitsFor { Time, Decimal, Date };

// The text with the full-width digits, and the colon, the point or the
// slash of its kind, as their ASCII characters, every other character as
// it is. The length stays the same.
QString withAsciiDigits(QString text, DigitsFor kind);

class DigitBox : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitBox(DigitsFor kind, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    class Conversion;
    const DigitsFor kind_;
    bool handlingUserInput_ = false;
};

} // namespace zentak
