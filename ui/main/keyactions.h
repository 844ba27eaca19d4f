#pragma once
// The main window's keys, one action each on the window. X ends the
// program and S opens the settings, with any modifier held (the menu
// advertises Ctrl+X and Ctrl+S), whichever control has the focus. The
// standard Undo and Redo keys, and Ctrl+Y for redo, take back and do again
// the last change to the records; each is enabled while there is a change
// to take back or to do again. The menu's own items carry no keys: Qt would
// show them beside the captions, which name their keys themselves.

#include <QObject>

class QAction;
class QKeySequence;
class QWidget;

namespace zentak {

class AttendanceBook;

class KeyActions : public QObject {
    Q_OBJECT
public:
    KeyActions(const AttendanceBook &book, QWidget *window);

    QAction *exit() const { return exit_; }
    QAction *settings() const { return settings_; }
    QAction *undo() const { return undo_; }
    QAction *redo() const { return redo_; }

private:
    // Undo and redo enabled as the book's history stands.
    void followHistory();
    QAction *add(const QList<QKeySequence> &keys);

    const AttendanceBook &book_;
    QWidget *window_;
    QAction *exit_ = nullptr;
    QAction *settings_ = nullptr;
    QAction *undo_ = nullptr;
    QAction *redo_ = nullptr;
};

} // namespace zentak
