#include "keyactions.h"

#include "attendancebook.h"

#include <QAction>
#include <QWidget>

namespace zentak {

namespace {

// The key alone and with Shift, Ctrl and Alt in every combination.
QList<QKeySequence> withAnyModifiers(Qt::Key key)
{
    QList<QKeySequence> keys;
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::ControlModifier,
          Qt::ShiftModifier | Qt::AltModifier, Qt::ControlModifier | Qt::AltModifier,
          Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier})
        keys << QKeySequence(QKeyCombination(held, key));
    return keys;
}

// The platform's Redo keys, and Ctrl+Shift+Z and Ctrl+Y whichever the
// platform's are. Each only once: a key given twice to one action is
// ambiguous, and Qt then triggers nothing.
QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &also : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!keys.contains(also))
            keys << also;
    return keys;
}

} // namespace

KeyActions::KeyActions(const AttendanceBook &book, QWidget *window)
    : QObject(window), book_(book), window_(window)
{
    setObjectName(QStringLiteral("keyActions"));
    exit_ = add(withAnyModifiers(Qt::Key_X));
    settings_ = add(withAnyModifiers(Qt::Key_S));
    undo_ = add(QKeySequence::keyBindings(QKeySequence::Undo));
    redo_ = add(redoKeys());
    connect(&book_, &AttendanceBook::historyChanged, this, &KeyActions::followHistory);
    followHistory();
}

QAction *KeyActions::add(const QList<QKeySequence> &keys)
{
    auto *action = new QAction(window_);
    action->setShortcuts(keys);
    window_->addAction(action);
    return action;
}

void KeyActions::followHistory()
{
    undo_->setEnabled(book_.changeToTakeBack());
    redo_->setEnabled(book_.changeToDoAgain());
}

} // namespace zentak
