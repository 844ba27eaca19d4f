#pragma once
// The busy mouse pointer for the length of a scope: shown on creation, the
// default pointer restored however the scope is left.

#include <QApplication>
#include <QCursor>

namespace zentak {

class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

} // namespace zentak
