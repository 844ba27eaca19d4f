#include "calendarpanel.h"

#include "attendancebook.h"
#include "daylabel.h"
#include "formlayout.h"
#include "platform.h"

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
    setObjectName(QStringLiteral("Picture1"));
    setBackground(this, lightYellow());
    using K = ControlKind;
    buildControls(this,
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
    yearLabel_ = findChild<QLabel *>(QStringLiteral("lblYear"));
    monthLabel_ = findChild<QLabel *>(QStringLiteral("lblMonth"));
    reportButton_ = findChild<QPushButton *>(QStringLiteral("Command3"));
    auto button = [this](const char *name, void (CalendarPanel::*step)()) {
        auto *b = findChild<QPushButton *>(QLatin1String(name));
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
        auto *d = new DayLabel(i, this);
        d->setObjectName(QStringLiteral("lblDay_%1").arg(i));
        const int row = i / 7;
        const int column = i % 7;
        placeTwips(d, scale_, (kDayWidth + 5) * column + kDayLeft, (kDayHeight + 2) * row + kDayTop,
                   kDayWidth, kDayHeight);
        if (column == 0)
            d->setTextColor(kSunday);
        else if (column == 6)
            d->setTextColor(kSaturday);
        connect(d, &DayLabel::clicked, this, [this](int index) {
            const int day = dayCells_[index]->text().toInt();
            if (day > 0)
                emit dayChosen(QDate(shown_.year, shown_.month, day));
        });
        dayCells_.append(d);
    }
}

void CalendarPanel::showMonth(YearMonth month)
{
    shown_ = month;
    yearLabel_->setText(QString::number(month.year));
    monthLabel_->setText(QString::number(month.month));
    drawMonth();
    emit monthShown(month.year, month.month);
}

void CalendarPanel::drawMonth()
{
    const MonthLayout layout = monthLayout(shown_.year, shown_.month);
    for (DayLabel *cell : dayCells_) {
        cell->setText(QString());
        cell->setFill(QColor());
        cell->setBorder(false);
    }
    const QDate today = platform_.today();
    for (int c = layout.firstCell, day = 1; c <= layout.lastCell && c < dayCells_.size(); ++c, ++day) {
        DayLabel *cell = dayCells_[c];
        const QDate date(shown_.year, shown_.month, day);
        cell->setText(QString::number(day));
        cell->setBorder(date == today);
        if (const std::optional<DayKind> kind = book_.kindOf(date))
            cell->setFill(fillOf(*kind));
    }
}

void CalendarPanel::paintDay(QDate day, DayKind shownAs)
{
    if (DayLabel *cell = cellShowing(day))
        cell->setFill(fillOf(shownAs));
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
    showMonth(previousYear(shown_));
}

void CalendarPanel::showNextYear()
{
    showMonth(nextYear(shown_));
}

void CalendarPanel::showPreviousMonth()
{
    showMonth(previousMonth(shown_));
}

void CalendarPanel::showNextMonth()
{
    showMonth(nextMonth(shown_));
}

} // namespace zentak
