#pragma once
// A window's controls as data: the kind of each, its name (which tests and
// screen readers know it by, and the window takes its typed pointer by,
// once), its caption, and where it stands in twips. A window's file then
// reads as its table of controls plus its behaviour.

#include "twips.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;

namespace zentak {

// TimeBox, DecimalBox and DateBox: line edits for times, decimal figures
// and dates (digitbox.h).
enum class ControlKind { Label, Button, LineEdit, TimeBox, DecimalBox, DateBox, NoteEdit, CheckBox, RadioButton, ComboBox,
                         Frame };

// How a control looks beyond its kind.
enum ControlLook : unsigned {
    Plain = 0,
    Bold = 1 << 0,         // bold, at 9.75 points
    Larger = 1 << 1,       // 9.75 points
    Centered = 1 << 2,
    RightAligned = 1 << 3,
    Boxed = 1 << 4,        // a thin single-line border, on the window's base colour
    Tinted = 1 << 5,       // on light yellow (#FFFFC0)
};

struct ControlSpec {
    QString name;
    ControlKind kind;
    QString caption; // "" for none
    double left;
    double top;
    double width = 0;  // 0: the control keeps its own size
    double height = 0;
    int maxLength = 0; // for text boxes
    unsigned look = Plain;
    // For a label: the controls it names (see labelOf).
    QStringList labels = {};
};

// A label that names the controls beside it for assistive technology. A
// box is named by the texts of its labels, in the order of the table
// (so "お昼休み" and "６０分" name one option); a figure (a label) is named
// by its caption when it is shown (showFigure). The label's buddy is the
// first of the controls.
ControlSpec labelOf(const QStringList &controls, ControlSpec label);

// The controls just built from a table, by their names: the window takes
// its typed pointers from it once, as it is built, and keeps them.
class BuiltControls {
public:
    // A name not in the table, or a control of another kind, stops the
    // program here, where every window's first build (and so every test
    // of it) finds it, rather than as a null pointer at some later use.
    template <typename T>
    T *get(const QString &name) const
    {
        T *control = qobject_cast<T *>(byName_.value(name));
        if (!control)
            qFatal("zentak: the window has no %s of the kind asked for", qPrintable(name));
        return control;
    }

private:
    friend BuiltControls buildControls(QWidget *, const std::vector<ControlSpec> &, const TwipScale &);
    QHash<QString, QWidget *> byName_;
};

// Creates the controls on `parent`, placed by `scale`, in the order given,
// which is also their order for the Tab key. A focused button is pressed by
// Enter as by Space; Enter in a box presses none.
BuiltControls buildControls(QWidget *parent, const std::vector<ControlSpec> &controls, const TwipScale &scale);

// Shows the figure's text, and names it for assistive technology by its
// caption (the label whose buddy it is) and the text: "稼動時間 56.00".
void showFigure(QLabel *figure, const QString &text);

// The light yellow of the calendar and the summary's captions.
QColor lightYellow();
// Fills the widget's background with the colour.
void setBackground(QWidget *w, const QColor &color);

} // namespace zentak
