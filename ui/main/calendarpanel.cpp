#include "calendarpanel.h"

#include "attendancebook.h"
#include "daylabel.h"
#include "formlayout.h"
#include "nationalholidays.h"
#include "platform.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zentak {

namespace {

const QColor kSunday(0xFF, 0x00, 0x00);
const QColor kSaturday(0x00, 0x00, 0xFF);

// Geometry of the first weekday label and the first day cell, in twips;
// the others follow them 5 twips apart across and 2 down.
constexpr float kWeekLeft = 45, kWeekTop = 360, kWeekWidth = 270, kWeekHeight = 225;
constexpr float kDayLeft = 60, kDayTop = 630, kDayWidth = 270, kDayHeight = 225;

// A day number's colour by its weekday column, Sunday 0.
QColor dayNumberColor(const DayLabel *cell, int column)
{
    return column == 0 ? kSunday : column == 6 ? kSaturday : cell->palette().color(QPalette::WindowText);
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
}

} // namespace

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
    buildGrid();

    connect(&book_, &AttendanceBook::dayChanged, this, &CalendarPanel::paintDay);
    connect(&book_, &AttendanceBook::recordsChanged, this, &CalendarPanel::drawMonth);
}

void CalendarPanel::buildGrid()
{
    for (int i = 0; i < 7; ++i) {
        auto *w = new QLabel(weekdayKanji(i), this);
        w->setObjectName(QStringLiteral("lblWeek_%1").arg(i));
        w->setAlignment(Qt::AlignCenter);
        placeTwips(w, scale_, (kWeekWidth + 5) * i + kWeekLeft, kWeekTop, kWeekWidth, kWeekHeight);
        weekLabels_.append(w);
    }
    setTextColor(weekLabels_[0], kSunday);
    setTextColor(weekLabels_[6], kSaturday);

    for (int i = 0; i < 42; ++i) {
        auto *d = new DayLabel(this);
        d->setObjectName(QStringLiteral("lblDay_%1").arg(i));
        const int row = i / 7;
        const int column = i % 7;
        placeTwips(d, scale_, (kDayWidth + 5) * column + kDayLeft, (kDayHeight + 2) * row + kDayTop,
                   kDayWidth, kDayHeight);
        d->setTextColor(dayNumberColor(d, column));
        connect(d, &DayLabel::clicked, this, [this](QDate chosen) {
            // The frame is the keyboard's: a mouse user does not see it.
            keyboardUsed_ = false;
            frameDay(chosen);
            emit dayChosen(chosen);
        });
        dayCells_.append(d);
    }
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
    setAccessibleName(QStringLiteral("%1年%2月").arg(month.year).arg(month.month));
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
    const MonthLayout layout = monthLayout(shown_.year, shown_.month);
    const QDate today = platform_.today();
    for (int c = 0; c < dayCells_.size(); ++c) {
        DayLabel *cell = dayCells_[c];
        if (c < layout.firstCell || c > layout.lastCell) {
            cell->setDate(QDate());
            cell->setText(QString());
            cell->setFill(QColor());
            cell->setBorder(false);
            cell->setSpoken(QString(), QString());
            cell->setHolidayName(QString());
            continue;
        }
        const QDate date(shown_.year, shown_.month, c - layout.firstCell + 1);
        const std::optional<DayKind> kind = book_.kindOf(date);
        const std::optional<QString> holiday = nationalHolidayName(date);
        cell->setDate(date);
        cell->setText(QString::number(date.day()));
        // Marked as a Sunday is, as on every calendar in Japan.
        cell->setTextColor(holiday ? kSunday : dayNumberColor(cell, c % 7));
        cell->setHolidayName(holiday.value_or(QString()));
        cell->setFill(kind ? fillOf(*kind) : QColor());
        cell->setBorder(date == today);
        speakCell(cell, date, kind);
    }
    placeFrame();
}

void CalendarPanel::speakCell(DayLabel *cell, QDate day, std::optional<DayKind> shownAs)
{
    // The holiday's name is the one the cell was given as it was drawn.
    cell->setSpoken(spokenDayName(day),
                    spokenDayDescription(shownAs, book_.storedField(day, Field::Attendance),
                                         book_.storedField(day, Field::Note), day == platform_.today(),
                                         cell->holidayName()));
}

void CalendarPanel::paintDay(QDate day, DayKind shownAs)
{
    if (DayLabel *cell = cellShowing(day)) {
        cell->setFill(fillOf(shownAs));
        speakCell(cell, day, shownAs);
    }
}

void CalendarPanel::placeFrame()
{
    DayLabel *framed = hasFocus() ? cellShowing(framed_) : nullptr;
    for (DayLabel *cell : std::as_const(dayCells_))
        cell->setFocusFrame(cell == framed, keyboardUsed_);
}

void CalendarPanel::announceFrame()
{
    DayLabel *cell = hasFocus() ? cellShowing(framed_) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
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

DayLabel *CalendarPanel::dayCell(int index) const
{
    return index >= 0 && index < dayCells_.size() ? dayCells_[index] : nullptr;
}

DayLabel *CalendarPanel::cellShowing(QDate day) const
{
    if (!shown_.holds(day))
        return nullptr;
    return dayCell(monthLayout(shown_.year, shown_.month).firstCell + day.day() - 1);
}

QLabel *CalendarPanel::weekLabel(int index) const
{
    return index >= 0 && index < weekLabels_.size() ? weekLabels_[index] : nullptr;
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
