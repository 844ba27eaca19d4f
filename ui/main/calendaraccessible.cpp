#include "calendaraccessible.h"

#include "daylabel.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QWidget>

namespace zentak {

namespace {

// The panel's cells in the order they were made: the headers, then the
// days.
QList<CellLabel *> cellsOf(const QWidget *panel)
{
    return panel->findChildren<CellLabel *>(QString(), Qt::FindDirectChildrenOnly);
}

// A weekday header: a static text, a child of the panel at its place on
// the screen.
class CellAccessible : public QAccessibleObject {
public:
    explicit CellAccessible(CellLabel *cell) : QAccessibleObject(cell) {}

    QWindow *window() const override { return panel()->window()->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(panel()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QRect rect() const override
    {
        if (!panel()->isVisible())
            return {};
        const QRect place = cell()->geometry();
        return QRect(panel()->mapToGlobal(place.topLeft()), place.size());
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? cell()->text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !panel()->isVisible();
        return s;
    }

protected:
    CellLabel *cell() const { return static_cast<CellLabel *>(object()); }
    QWidget *panel() const { return cell()->panel(); }
};

// A day's cell: a button that can be pressed, with the focus while it is
// framed. The keyboard focus itself stays with the calendar panel, which
// moves the frame.
class DayCellAccessible : public CellAccessible, public QAccessibleActionInterface {
public:
    explicit DayCellAccessible(DayLabel *cell) : CellAccessible(cell) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return day()->accessibleName();
        case QAccessible::Description: return day()->accessibleDescription();
        default: return QString();
        }
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s = CellAccessible::state();
        s.focusable = showsDay();
        s.focused = day()->focusFrame();
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return showsDay() ? QStringList{pressAction()} : QStringList(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            day()->press();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    DayLabel *day() const { return static_cast<DayLabel *>(object()); }
    // An empty cell outside the month is nothing to act on.
    bool showsDay() const { return day()->date().isValid(); }
};

// The panel: a group of days named by its month (as a frame it would be
// taken for a window); its controls, then its cells.
class CalendarAccessible : public QAccessibleWidget {
public:
    explicit CalendarAccessible(QWidget *panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    int childCount() const override { return QAccessibleWidget::childCount() + int(cellsOf(widget()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        const int controls = QAccessibleWidget::childCount();
        if (index < controls)
            return QAccessibleWidget::child(index);
        const QList<CellLabel *> cells = cellsOf(widget());
        return index - controls < cells.size() ? QAccessible::queryAccessibleInterface(cells[index - controls])
                                               : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        const qsizetype cell = cellsOf(widget()).indexOf(qobject_cast<CellLabel *>(child->object()));
        return cell >= 0 ? QAccessibleWidget::childCount() + int(cell) : QAccessibleWidget::indexOfChild(child);
    }
    // The framed day has the focus while the panel has it.
    QAccessibleInterface *focusChild() const override
    {
        for (CellLabel *cell : cellsOf(widget()))
            if (auto *day = qobject_cast<DayLabel *>(cell); day && day->focusFrame())
                return QAccessible::queryAccessibleInterface(day);
        return QAccessibleWidget::focusChild();
    }
};

QAccessibleInterface *calendarInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("zentak::DayLabel"))
        if (auto *day = qobject_cast<DayLabel *>(object))
            return new DayCellAccessible(day);
    if (className == QLatin1String("zentak::CellLabel"))
        if (auto *cell = qobject_cast<CellLabel *>(object))
            return new CellAccessible(cell);
    if (className == QLatin1String("zentak::CalendarPanel") && object->isWidgetType())
        return new CalendarAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installCalendarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(calendarInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zentak
