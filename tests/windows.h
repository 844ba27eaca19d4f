#pragma once
// Test teardown: every window of its own is deleted (a combo box's popup is
// a top-level widget too, but belongs to its box and goes with it).

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace zentak::test {

inline void deleteWindows()
{
    QList<QPointer<QWidget>> tops;
    for (QWidget *w : QApplication::topLevelWidgets())
        tops << w;
    for (const QPointer<QWidget> &w : tops)
        if (w && !w->parentWidget())
            delete w;
}

} // namespace zentak::test
