#include "calendarpanel.h"

#include "attendancebook.h"
#include "calendaraccessible.h"
#include "daylabel.h"
#include "formlayout.h"
#include "platform.h"
#include "windowtexts.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

#include <utility>

namespace zentak {

CalendarPanel::CalendarPanel(const AttendanceBook &book, Platform &platform, const TwipScale &scale,
                             QWidget *parent)
    : QFrame(parent), book_(book), platform_(platform), scale_(scale)
{
    installCalendarAccessibility();
    setObjectName(QStringLiteral("Picture1"));
    setBackground(this, lightYellow());
    // The keys act on the calendar when it has the focus: by Tab, or by a
    // click on a day.
    setFocusPolicy(Qt::StrongFocus);
    using K = ControlKind;
    const BuiltControls built = buildControls(
        this,
        {
            {"lblYear", K::Label, "1995", 75, 45, 525, 255, 0, Bold},
            {"lblMonth", K::Label, "12", 1020, 45, 405, 255, 0, Bold | Centered},
            {"cmdPrevYear", K::Button, "<<", 30, 2190, 435, 330},
            {"cmdNextYear", K::Button, ">>", 465, 2190, 435, 330},
            {"cmdPrevMonth", K::Button, "<", 945, 2190, 435, 330},
            {"cmdNextMonth", K::Button, ">", 1380, 2190, 435, 330},
            {"Command3", K::Button, "出力", 1890, 2190, 540, 330},
        },
        scale_);
    yearLabel_ = built.get<QLabel>("lblYear");
    monthLabel_ = built.get<QLabel>("lblMonth");
    reportButton_ = built.get<QPushButton>("Command3");
    auto button = [this, &built](const char *name, void (CalendarPanel::*step)()) {
        QPushButton *b = built.get<QPushButton>(name);
        // Clicked, they leave the keyboard focus where it was.
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, step);
    };
    button("cmdPrevYear", &CalendarPanel::showPreviousYear);
    button("cmdNextYear", &CalendarPanel::showNextYear);
    button("cmdPrevMonth", &CalendarPanel::showPreviousMonth);
    button("cmdNextMonth", &CalendarPanel::showNextMonth);
    reportButton_->setFocusPolicy(Qt::TabFocus);
    grid_ = std::make_unique<DayGrid>(book_, platform_, scale_, this);
    for (DayLabel *cell : grid_->cells())
        connect(cell, &DayLabel::clicked, this, [this](QDate chosen) {
            // The frame is the keyboard's: a mouse user does not see it.
            keyboardUsed_ = false;
            frameDay(chosen);
            emit dayChosen(chosen);
        });

    connect(&book_, &AttendanceBook::dayChanged, this,
            [this](QDate day, DayKind shownAs) { grid_->paintDay(day, shownAs); });
    connect(&book_, &AttendanceBook::recordsChanged, this, &CalendarPanel::drawMonth);
}

void CalendarPanel::showMonth(YearMonth month)
{
    const QDate today = platform_.today();
    showFramed(month, month.holds(today) ? today : month.first());
}

void CalendarPanel::showFramed(YearMonth month, QDate framed)
{
    shown_ = month;
    framed_ = framed;
    yearLabel_->setText(QString::number(month.year));
    monthLabel_->setText(QString::number(month.month));
    setAccessibleName(calendarName(month));
    drawMonth();
    announceFrame();
    emit monthShown(month.year, month.month);
}

void CalendarPanel::stepTo(YearMonth month)
{
    const int days = month.first().daysInMonth();
    const int day = framed_.isValid() ? qMin(framed_.day(), days) : 1;
    showFramed(month, QDate(month.year, month.month, day));
}

void CalendarPanel::frameDay(QDate day)
{
    if (!day.isValid())
        return;
    if (!shown_.holds(day)) {
        showFramed(yearMonthOf(day), day);
        return;
    }
    framed_ = day;
    placeFrame();
    announceFrame();
}

void CalendarPanel::drawMonth()
{
    grid_->draw(shown_);
    placeFrame();
}

void CalendarPanel::placeFrame()
{
    DayLabel *framed = hasFocus() ? cellShowing(framed_) : nullptr;
    for (DayLabel *cell : grid_->cells())
        cell->setFocusFrame(cell == framed, keyboardUsed_);
}

void CalendarPanel::announceFrame()
{
    // Only while assistive technology listens: the event would build the
    // cell's accessible interface even with none.
    DayLabel *cell = hasFocus() && QAccessible::isActive() ? cellShowing(framed_) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void CalendarPanel::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    drawFrame(&p);
    grid_->paint(p, event->rect());
}

bool CalendarPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const DayLabel *cell = grid_->cellAt(help->pos());
        if (cell && !cell->toolTip().isEmpty()) {
            // Gone when the pointer leaves the cell.
            QToolTip::showText(help->globalPos(), cell->toolTip(), this, cell->geometry());
            return true;
        }
    }
    return QFrame::event(event);
}

void CalendarPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = grid_->cellAt(event->position().toPoint());
    QFrame::mousePressEvent(event);
}

void CalendarPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        DayLabel *cell = std::exchange(pressed_, nullptr);
        if (cell && cell->geometry().contains(event->position().toPoint()))
            cell->press();
    }
    QFrame::mouseReleaseEvent(event);
}

void CalendarPanel::keyPressEvent(QKeyEvent *event)
{
    // The keypad's keys act as the others.
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    auto is = [pressed](QKeyCombination key) { return pressed == key; };
    if (is(Qt::Key_Left))
        frameDay(framed_.addDays(-1));
    else if (is(Qt::Key_Right))
        frameDay(framed_.addDays(1));
    else if (is(Qt::Key_Up))
        frameDay(framed_.addDays(-7));
    else if (is(Qt::Key_Down))
        frameDay(framed_.addDays(7));
    else if (is(Qt::Key_Home))
        frameDay(platform_.today());
    else if (is(Qt::Key_Return) || is(Qt::Key_Enter) || is(Qt::Key_Space)) {
        // A held key opens the day once.
        if (!event->isAutoRepeat() && cellShowing(framed_))
            emit dayChosen(framed_);
    } else if (is(Qt::Key_PageUp))
        showPreviousMonth();
    else if (is(Qt::Key_PageDown))
        showNextMonth();
    else if (is(Qt::CTRL | Qt::Key_PageUp))
        showPreviousYear();
    else if (is(Qt::CTRL | Qt::Key_PageDown))
        showNextYear();
    else {
        QFrame::keyPressEvent(event);
        return;
    }
    if (!keyboardUsed_) {
        keyboardUsed_ = true;
        placeFrame();
    }
    event->accept();
}

void CalendarPanel::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardUsed_ = true;
    placeFrame();
    // Qt tells assistive technology that the panel has the focus once this
    // returns; the framed day is told after it.
    QMetaObject::invokeMethod(this, [this] { announceFrame(); }, Qt::QueuedConnection);
}

void CalendarPanel::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    placeFrame();
}

void CalendarPanel::showPreviousYear()
{
    stepTo(previousYear(shown_));
}

void CalendarPanel::showNextYear()
{
    stepTo(nextYear(shown_));
}

void CalendarPanel::showPreviousMonth()
{
    stepTo(previousMonth(shown_));
}

void CalendarPanel::showNextMonth()
{
    stepTo(nextMonth(shown_));
}

} // namespace zentak
