#include "formlayout.h"

#include "noteedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zentak {

namespace {

QWidget *create(const ControlSpec &spec, QWidget *parent)
{
    const QString &caption = spec.caption;
    switch (spec.kind) {
    case ControlKind::Label: return new QLabel(caption, parent);
    case ControlKind::Button: {
        auto *button = new QPushButton(caption, parent);
        // Enter in a box does not press a button behind the user's back.
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::LineEdit: {
        auto *box = new QLineEdit(parent);
        if (spec.maxLength > 0)
            box->setMaxLength(spec.maxLength);
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

} // namespace

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

void buildControls(QWidget *parent, const std::vector<ControlSpec> &controls, const TwipScale &scale)
{
    for (const ControlSpec &spec : controls) {
        QWidget *w = create(spec, parent);
        w->setObjectName(spec.name);
        applyLook(w, spec.look);
        if (spec.width > 0)
            placeTwips(w, scale, spec.left, spec.top, spec.width, spec.height);
        else {
            w->adjustSize();
            w->move(scale.px(spec.left), scale.py(spec.top));
        }
    }
}

} // namespace zentak
