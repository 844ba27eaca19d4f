#include "calendarpanel.h"

#include "appstate.h"
#include "calendarmath.h"
#include "daylabel.h"
#include "platform.h"

#include <QLabel>
#include <QPushButton>

namespace zentak {

namespace {

const QColor kSunday(0xFF, 0x00, 0x00);
const QColor kSaturday(0x00, 0x00, 0xFF);
const QColor kPanel(0xFF, 0xFF, 0xC0);

// Geometry of element 0 of the two arrays, in twips.
constexpr double kWeekLeft = 45, kWeekTop = 360, kWeekWidth = 270, kWeekHeight = 225;
constexpr double kDayLeft = 60, kDayTop = 630, kDayWidth = 270, kDayHeight = 225;

CellFill fillOfKind(DayKind kind)
{
    switch (kind) {
    case DayKind::Worked: return CellFill::Worked;
    case DayKind::PaidLeave: return CellFill::PaidLeave;
    case DayKind::Holiday: return CellFill::Holiday;
    case DayKind::Compensatory: return CellFill::Compensatory;
    case DayKind::Cancelled: return CellFill::None;
    }
    return CellFill::None;
}

} // namespace

CalendarPanel::CalendarPanel(AppState &state, Platform &platform, const TwipScale &scale,
                             QWidget *parent)
    : QFrame(parent), state_(state), platform_(platform), scale_(scale)
{
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPanel);
    setPalette(pal);

    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(9.75);

    lblYear_ = new QLabel(QStringLiteral("1995"), this);
    lblYear_->setObjectName(QStringLiteral("lblYear"));
    lblYear_->setFont(bold);
    placeTwips(lblYear_, scale_, 75, 45, 525, 255);

    lblMonth_ = new QLabel(QStringLiteral("12"), this);
    lblMonth_->setObjectName(QStringLiteral("lblMonth"));
    lblMonth_->setFont(bold);
    lblMonth_->setAlignment(Qt::AlignCenter);
    placeTwips(lblMonth_, scale_, 1020, 45, 405, 255);

    auto *week0 = new QLabel(QStringLiteral("日"), this);
    week0->setObjectName(QStringLiteral("lblWeek_0"));
    week0->setAlignment(Qt::AlignCenter);
    placeTwips(week0, scale_, kWeekLeft, kWeekTop, kWeekWidth, kWeekHeight);
    lblWeek_.append(week0);

    auto *day0 = new DayLabel(0, this);
    day0->setObjectName(QStringLiteral("lblDay_0"));
    day0->setText(QStringLiteral("31"));
    placeTwips(day0, scale_, kDayLeft, kDayTop, kDayWidth, kDayHeight);
    connect(day0, &DayLabel::clicked, this, &CalendarPanel::dayClicked);
    lblDay_.append(day0);

    struct ButtonSpec {
        const char *name;
        const char *text;
        double left;
        double width;
    };
    const ButtonSpec specs[] = {{"cmdPrevYear", "<<", 30, 435},
                                {"cmdNextYear", ">>", 465, 435},
                                {"cmdPrevMonth", "<", 945, 435},
                                {"cmdNextMonth", ">", 1380, 435},
                                {"Command3", "出力", 1890, 540}};
    QPushButton *buttons[5] = {};
    for (int i = 0; i < 5; ++i) {
        buttons[i] = new QPushButton(QString::fromUtf8(specs[i].text), this);
        buttons[i]->setObjectName(QLatin1String(specs[i].name));
        buttons[i]->setFocusPolicy(Qt::TabFocus);
        placeTwips(buttons[i], scale_, specs[i].left, 2190, specs[i].width, 330);
    }
    connect(buttons[0], &QPushButton::clicked, this, &CalendarPanel::cmdPrevYear_Click);
    connect(buttons[1], &QPushButton::clicked, this, &CalendarPanel::cmdNextYear_Click);
    connect(buttons[2], &QPushButton::clicked, this, &CalendarPanel::cmdPrevMonth_Click);
    connect(buttons[3], &QPushButton::clicked, this, &CalendarPanel::cmdNextMonth_Click);
    command3_ = buttons[4];
}

void CalendarPanel::Calinit()
{
    // Positions follow the geometry of element 0 (twips), in single precision.
    const float weekLeft = kWeekLeft, weekTop = kWeekTop;
    const float weekWidth = kWeekWidth, weekHeight = kWeekHeight;
    static const char *const names[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int i = 1; i <= 6; ++i) {
        auto *w = new QLabel(QString::fromUtf8(names[i]), this);
        w->setObjectName(QStringLiteral("lblWeek_%1").arg(i));
        w->setAlignment(Qt::AlignCenter);
        w->setFont(lblWeek_[0]->font());
        placeTwips(w, scale_, (weekWidth + 5) * i + weekLeft, weekTop, weekWidth, weekHeight);
        w->setVisible(true);
        lblWeek_.append(w);
    }
    auto colour = [](QLabel *l, const QColor &c) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, c);
        l->setPalette(p);
    };
    colour(lblWeek_[0], kSunday);
    colour(lblWeek_[6], kSaturday);

    const float dayLeft = kDayLeft, dayTop = kDayTop;
    const float dayWidth = kDayWidth, dayHeight = kDayHeight;
    for (int i = 1; i <= 41; ++i) {
        auto *d = new DayLabel(i, this);
        d->setObjectName(QStringLiteral("lblDay_%1").arg(i));
        d->setFont(lblDay_[0]->font());
        connect(d, &DayLabel::clicked, this, &CalendarPanel::dayClicked);
        d->setVisible(true);
        lblDay_.append(d);
    }
    for (int row = 0; row <= 5; ++row)
        for (int col = 0; col <= 6; ++col)
            placeTwips(lblDay_[7 * row + col], scale_, (dayWidth + 5) * col + dayLeft,
                       (dayHeight + 2) * row + dayTop, dayWidth, dayHeight);
    for (int row = 0; row <= 5; ++row) {
        lblDay_[7 * row]->setTextColor(kSunday);
        lblDay_[7 * row + 6]->setTextColor(kSaturday);
    }
}

void CalendarPanel::Caldraw(int year, int month)
{
    const MonthLayout layout = calpos(year, month);
    for (DayLabel *cell : lblDay_) {
        cell->setText(QString());
        cell->setFill(QColor());
        cell->setBorder(false);
    }
    const int slot = yearSlot(year);
    const QDate today = platform_.today();
    int day = 1;
    for (int c = layout.firstCell; c <= layout.lastCell && c < lblDay_.size(); ++c, ++day) {
        DayLabel *cell = lblDay_[c];
        cell->setText(QString::number(day));
        if (today.year() == year && today.month() == month && today.day() == day) {
            cell->setBorder(true);
            state_.todayLabelIndex = c;
        }
        if (state_.table.inUse(slot, month, day)) {
            const CellFill fill =
                fillOfKind(classifyNote(state_.table.field(slot, month, day, Field::Note)));
            if (fill != CellFill::None)
                cell->setFill(fillColor(fill));
        }
    }
}

int CalendarPanel::displayedYear() const
{
    return lblYear_->text().toInt();
}

int CalendarPanel::displayedMonth() const
{
    return lblMonth_->text().toInt();
}

void CalendarPanel::setDisplayedMonth(int year, int month)
{
    lblYear_->setText(QString::number(year));
    lblMonth_->setText(QString::number(month));
}

void CalendarPanel::redrawDisplayed()
{
    Caldraw(displayedYear(), displayedMonth());
}

void CalendarPanel::paintCell(int index, CellFill fill)
{
    if (index < 0 || index >= lblDay_.size())
        return;
    lblDay_[index]->setFill(fill == CellFill::None ? QColor() : fillColor(fill));
}

DayLabel *CalendarPanel::dayLabel(int index) const
{
    return index >= 0 && index < lblDay_.size() ? lblDay_[index] : nullptr;
}

QLabel *CalendarPanel::weekLabel(int index) const
{
    return index >= 0 && index < lblWeek_.size() ? lblWeek_[index] : nullptr;
}

void CalendarPanel::navigate(int year, int month)
{
    setDisplayedMonth(year, month);
    Caldraw(displayedYear(), displayedMonth());
    if (afterNavigation_)
        afterNavigation_();
}

void CalendarPanel::cmdPrevYear_Click()
{
    const YearMonth ym = prevYear({displayedYear(), displayedMonth()});
    navigate(ym.year, ym.month);
}

void CalendarPanel::cmdNextYear_Click()
{
    const YearMonth ym = nextYear({displayedYear(), displayedMonth()});
    navigate(ym.year, ym.month);
}

void CalendarPanel::cmdPrevMonth_Click()
{
    const YearMonth ym = prevMonth({displayedYear(), displayedMonth()});
    navigate(ym.year, ym.month);
}

void CalendarPanel::cmdNextMonth_Click()
{
    const YearMonth ym = nextMonth({displayedYear(), displayedMonth()});
    navigate(ym.year, ym.month);
}

} // namespace zentak
