#pragma once
// The one-line box for times and figures ("HH:MM", "HH.MM", the leave
// balance). A Japanese user keeps the input method on, and it types digits
// and the colon full width ("１８：００"): the box takes them as the ASCII
// characters as they come in, typed, pasted, dropped or committed by the
// input method, so that it shows, and its checks read, "18:00". A text the
// program sets (a record as stored) is shown as it is.

#include <QLineEdit>

namespace zentak {

// The text with the full-width digits and colon as their ASCII characters,
// every other character as it is. The length stays the same.
QString withAsciiDigits(QString text);

class DigitBox : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitBox(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    class Conversion;
    bool handlingUserInput_ = false;
};

} // namespace zentak
