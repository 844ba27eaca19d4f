#include "formlayout.h"

#include "digitbox.h"
#include "noteedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zentak {

namespace {

// A button that Enter presses when it has the focus, as Space does. It is
// never a default button: Enter in a box presses no button behind the
// user's back.
class FormButton : public QPushButton {
public:
    FormButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
    {
        setAutoDefault(false);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (!event->isAutoRepeat())
                click();
            event->accept();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

QWidget *create(const ControlSpec &entry, QWidget *parent)
{
    const QString &caption = entry.caption;
    switch (entry.kind) {
    case ControlKind::Label: return new QLabel(caption, parent);
    case ControlKind::Button: return new FormButton(caption, parent);
    case ControlKind::LineEdit:
    case ControlKind::TimeBox:
    case ControlKind::DecimalBox:
    case ControlKind::DateBox: {
        auto *box = entry.kind == ControlKind::TimeBox      ? new DigitBox(DigitsFor::Time, parent)
                    : entry.kind == ControlKind::DecimalBox ? new DigitBox(DigitsFor::Decimal, parent)
                    : entry.kind == ControlKind::DateBox    ? new DigitBox(DigitsFor::Date, parent)
                                                            : new QLineEdit(parent);
        if (entry.maxLength > 0)
            box->setMaxLength(entry.maxLength);
        return box;
    }
    case ControlKind::NoteEdit: return new NoteEdit(parent);
    case ControlKind::CheckBox: return new QCheckBox(caption, parent);
    case ControlKind::RadioButton: return new QRadioButton(caption, parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::Frame: return new QFrame(parent);
    }
    return nullptr;
}

void applyLook(QWidget *w, unsigned look)
{
    if (look & (Bold | Larger)) {
        QFont font = w->font();
        font.setPointSizeF(9.75);
        font.setBold(look & Bold);
        w->setFont(font);
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (look & Centered)
            label->setAlignment(Qt::AlignCenter);
        if (look & RightAligned)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (look & Boxed) {
            label->setFrameShape(QFrame::Box);
            label->setLineWidth(1);
            setBackground(label, label->palette().color(QPalette::Base));
        }
    }
    if (look & Tinted)
        setBackground(w, lightYellow());
}

// The labels' names given to the controls they name, once all are built.
void nameLabelled(const QHash<QString, QWidget *> &byName, const std::vector<ControlSpec> &controls)
{
    for (const ControlSpec &entry : controls) {
        if (entry.labels.isEmpty())
            continue;
        auto *label = qobject_cast<QLabel *>(byName.value(entry.name));
        for (const QString &name : entry.labels) {
            QWidget *named = byName.value(name);
            if (!label || !named) {
                qWarning("zentak: %s names %s, which the window does not have", qPrintable(entry.name),
                         qPrintable(name));
                continue;
            }
            if (!label->buddy())
                label->setBuddy(named);
            // A figure's name follows what it shows (showFigure).
            if (qobject_cast<QLabel *>(named))
                continue;
            const QString before = named->accessibleName();
            named->setAccessibleName(before.isEmpty() ? label->text() : before + u' ' + label->text());
        }
    }
}

} // namespace

ControlSpec labelOf(const QStringList &controls, ControlSpec label)
{
    label.labels = controls;
    return label;
}

void showFigure(QLabel *figure, const QString &text)
{
    figure->setText(text);
    QStringList name;
    const QList<QLabel *> labels =
        figure->parentWidget()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QLabel *label : labels)
        if (label->buddy() == figure)
            name << label->text();
    name << text;
    figure->setAccessibleName(name.join(u' '));
}

QColor lightYellow()
{
    return QColor(0xFF, 0xFF, 0xC0);
}

void setBackground(QWidget *w, const QColor &color)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
}

BuiltControls buildControls(QWidget *parent, const std::vector<ControlSpec> &controls, const TwipScale &scale)
{
    BuiltControls built;
    for (const ControlSpec &entry : controls) {
        QWidget *w = create(entry, parent);
        w->setObjectName(entry.name);
        built.byName_.insert(entry.name, w);
        applyLook(w, entry.look);
        if (entry.width > 0)
            placeTwips(w, scale, entry.left, entry.top, entry.width, entry.height);
        else {
            w->adjustSize();
            w->move(scale.px(entry.left), scale.py(entry.top));
        }
    }
    nameLabelled(built.byName_, controls);
    return built;
}

} // namespace zentak
