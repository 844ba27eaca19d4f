#include "monthsummary.h"

#include "attendancebook.h"
#include "busypointer.h"
#include "fixedtext.h"
#include "formlayout.h"
#include "grantmessages.h"
#include "numberformat.h"

#include <QLabel>

#include <optional>

namespace zentak {

MonthSummary::MonthSummary(const AttendanceBook &book, const TwipScale &scale, QWidget *client)
    : QObject(client), book_(book)
{
    setObjectName(QStringLiteral("monthSummary"));
    using K = ControlKind;
    // Each caption stands above its figure and names it.
    const BuiltControls built = buildControls(
        client,
        {
            {"Line1", K::Frame, "", 0, 0, 690, scale.y},
            labelOf({"msum"}, {"Label3", K::Label, "稼動時間", 150, 75, 720, 195}),
            labelOf({"kensu"}, {"Label4", K::Label, "日数", 1080, 75, 360, 195, 0, Tinted}),
            labelOf({"zan"}, {"Label6", K::Label, "有給", 1635, 75, 360, 195, 0, Tinted}),
            {"msum", K::Label, "", 165, 300, 720, 240, 0, Boxed | RightAligned | Larger},
            {"kensu", K::Label, "", 960, 300, 495, 240, 0, Boxed | RightAligned | Larger},
            {"zan", K::Label, "", 1530, 300, 495, 240, 0, Boxed | RightAligned | Larger},
            // Beside the 有給 caption, in the room before the 退社 button.
            {"zanmark", K::Label, kFiveDaysMark, 1995, 75, 150, 195, 0, Bold | Centered},
        },
        scale);
    setBackground(built.get<QFrame>("Line1"), Qt::white);
    hours_ = built.get<QLabel>("msum");
    days_ = built.get<QLabel>("kensu");
    balance_ = built.get<QLabel>("zan");
    fiveDaysMark_ = built.get<QLabel>("zanmark");
    QPalette markColours = fiveDaysMark_->palette();
    markColours.setColor(QPalette::WindowText, Qt::red);
    fiveDaysMark_->setPalette(markColours);
    fiveDaysMark_->hide();

    connect(&book_, &AttendanceBook::dayChanged, this, &MonthSummary::refresh);
    connect(&book_, &AttendanceBook::recordsChanged, this, &MonthSummary::refresh);
    connect(&book_, &AttendanceBook::settingsChanged, this, &MonthSummary::refresh);
}

void MonthSummary::showMonth(int year, int month)
{
    shown_ = {year, month};
    refresh();
}

void MonthSummary::refresh()
{
    std::optional<BusyPointer> busy;
    if (started_)
        busy.emplace();
    const MonthTotals totals = book_.monthTotals(shown_.year, shown_.month);
    busy.reset();
    showFigure(hours_, formatNumber(totals.hours, u"##0.00"));
    // The balance as stored, not reformatted; a blank one leaves the strip
    // as it was.
    const QString &balance = book_.settings().leaveBalance;
    if (!isBlank(balance))
        showFigure(balance_, balance);
    showFigure(days_, formatNumber(totals.days, u"0.0"));
    showFiveDays();
}

void MonthSummary::showFiveDays()
{
    const std::optional<FiveDays> five = book_.fiveDays();
    balance_->setAccessibleDescription(five ? fiveDaysDescription(*five) : QString());
    const bool falling = five && five->falling;
    fiveDaysMark_->setAccessibleName(falling ? fiveDaysMarkWords(*five) : QString());
    fiveDaysMark_->setVisible(falling);
}

} // namespace zentak
