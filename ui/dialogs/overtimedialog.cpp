#include "overtimedialog.h"

#include "attendancebook.h"
#include "calendarmath.h"
#include "limitlook.h"
#include "overtimechart.h"

#include <QLabel>
#include <QPushButton>

namespace zentak {

namespace {

// The month rows, 270 twips apart under their heading at 480; the chart
// beside them, a band for each.
constexpr double kRowsTop = 480;
constexpr double kRowPitch = 270;
constexpr double kRowsWidth = 2070;
// The figures below them, 300 twips apart.
constexpr double kFiguresTop = kRowsTop + kRowPitch * OvertimeChart::kBands + 120;
constexpr double kFigurePitch = 300;
constexpr int kFigureRows = 6;

struct FigureSpec {
    const char *name;
    QString caption;
    LimitUnit unit;
    std::vector<Limit> limits; // a row each
};

const std::array<FigureSpec, 5> &figureSpecs()
{
    static const std::array<FigureSpec, 5> specs{{
        {"yearot", kYearOvertimeCaption, LimitUnit::Hours, {kYearOvertimeLimit, kYearOvertimeSpecialLimit}},
        {"over45", kMonthsOverCaption, LimitUnit::Months, {kMonthsOverLimit}},
        {"maxavg", kHighestAverageCaption, LimitUnit::Hours, {kAverageLimit}},
        {"maxmonth", kHighestMonthCaption, LimitUnit::Hours, {kMonthTotalLimit}},
        {"projection", kProjectionCaption, LimitUnit::Hours, {kMonthOvertimeLimit}},
    }};
    return specs;
}

// The labels of a figure's limit and its state there: "yearotlim",
// "yearotst", then "yearotlim2", "yearotst2".
QString rowName(const FigureSpec &f, const char *what, size_t limit)
{
    return QLatin1String(f.name) + QLatin1String(what) + (limit > 0 ? QString::number(limit + 1) : QString());
}

std::vector<ControlSpec> controlTable()
{
    using K = ControlKind;
    std::vector<ControlSpec> table = {
        {"cmdPrevYear", K::Button, "<", 90, 60, 435, 330},
        {"lblYear", K::Label, "", 600, 105, 3300, 255, 0, Centered},
        {"cmdNextYear", K::Button, ">", 3975, 60, 435, 330},
        {"Command2", K::Button, "戻る", 4530, 60, 780, 330},
        {"rowhead", K::Label, "", 90, kRowsTop, kRowsWidth, kRowPitch},
    };
    for (int i = 1; i <= 12; ++i)
        table.push_back({QStringLiteral("otrow_%1").arg(i), K::Label, "", 90, kRowsTop + kRowPitch * i, kRowsWidth,
                         kRowPitch});
    double top = kFiguresTop;
    for (const FigureSpec &f : figureSpecs()) {
        const QString name = QLatin1String(f.name);
        table.push_back(labelOf({name}, {name + "cap", K::Label, f.caption, 90, top + 30}));
        table.push_back({name, K::Label, "", 1950, top, 750, 255, 0, Boxed | RightAligned});
        for (size_t l = 0; l < f.limits.size(); ++l, top += kFigurePitch) {
            table.push_back({rowName(f, "lim", l), K::Label, limitText(f.limits[l], f.unit), 2820, top + 30});
            table.push_back({rowName(f, "st", l), K::Label, "", 3960, top, 1350, 255, 0, Centered});
        }
    }
    return table;
}

// One row of the month table: the month and its two figures in columns
// (the widths in pixels), for the heading too.
QString rowCells(const TwipScale &scale, const QString &month, const QString &overtime, const QString &holidayWork)
{
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"%1\">%2</td>"
                          "<td width=\"%3\" align=\"right\">%4</td><td width=\"%5\" align=\"right\">%6</td>"
                          "</tr></table>")
        .arg(scale.px(450))
        .arg(month.toHtmlEscaped())
        .arg(scale.px(750))
        .arg(overtime.toHtmlEscaped())
        .arg(scale.px(810))
        .arg(holidayWork.toHtmlEscaped());
}

} // namespace

OvertimeDialog::OvertimeDialog(const AttendanceBook &book, Platform &platform, QWidget *mainWindow,
                               QWidget *parent)
    : FormDialog(platform, mainWindow, parent), book_(book)
{
    setObjectName(QStringLiteral("FormOvertime"));
    setWindowTitle(kOvertimeWindowTitle);
    setClientTwips(5400, kFiguresTop + kFigurePitch * kFigureRows + 90);
    const BuiltControls built = buildForm(controlTable());
    title_ = built.get<QLabel>("lblYear");
    auto *previous = built.get<QPushButton>("cmdPrevYear");
    auto *next = built.get<QPushButton>("cmdNextYear");
    previous->setAccessibleName(kPreviousYearName);
    next->setAccessibleName(kNextYearName);
    connect(previous, &QPushButton::clicked, this, &OvertimeDialog::showPreviousYear);
    connect(next, &QPushButton::clicked, this, &OvertimeDialog::showNextYear);
    connect(built.get<QPushButton>("Command2"), &QPushButton::clicked, this, &OvertimeDialog::reject);
    auto *heading = built.get<QLabel>("rowhead");
    heading->setText(rowCells(scale_, kMonthColumn, kOvertimeColumn, kHolidayWorkColumn));
    heading->setAccessibleName(kMonthColumn + u' ' + kOvertimeColumn + u' ' + kHolidayWorkColumn);
    for (int i = 0; i < 12; ++i)
        rows_[size_t(i)] = built.get<QLabel>(QStringLiteral("otrow_%1").arg(i + 1));
    for (size_t i = 0; i < figures_.size(); ++i) {
        const FigureSpec &f = figureSpecs()[i];
        Figure &figure = figures_[i];
        figure = {built.get<QLabel>(QLatin1String(f.name)), f.caption, f.unit, {}};
        for (size_t l = 0; l < f.limits.size(); ++l)
            figure.limits.push_back({built.get<QLabel>(rowName(f, "st", l)), f.limits[l]});
    }
    chart_ = new OvertimeChart(this);
    placeTwips(chart_, scale_, 2220, kRowsTop, 3090, kRowPitch * OvertimeChart::kBands);
}

void OvertimeDialog::fillControls()
{
    today_ = platform_.today();
    projection_ = book_.projectedOvertime(today_);
    showYear(book_.agreementYearHolding(today_));
}

void OvertimeDialog::showPreviousYear()
{
    showYear(previousYear(shown_.first).year);
}

void OvertimeDialog::showNextYear()
{
    showYear(nextYear(shown_.first).year);
}

void OvertimeDialog::showYear(int firstYear)
{
    shown_ = book_.agreementYear(firstYear, today_);
    title_->setText(agreementYearTitle(shown_));
    QStringList rowTexts;
    for (int i = 0; i < 12; ++i) {
        const DayLaw &law = shown_.months[size_t(i)];
        const int month = shown_.monthAt(i).month;
        rows_[size_t(i)]->setText(
            rowCells(scale_, monthName(month), hoursMinutesText(law.overtime), hoursMinutesText(law.holidayWork)));
        rowTexts << monthRowText(month, law);
        rows_[size_t(i)]->setAccessibleName(rowTexts.back());
    }
    chart_->showMonths(shown_.months, rowTexts);

    const std::array<int, 5> values{shown_.overtime, shown_.monthsOverLimit, shown_.highestAverage,
                                    shown_.highestMonth, projection_};
    for (size_t i = 0; i < figures_.size(); ++i)
        showFigureOfYear(figures_[i], values[i]);
}

void OvertimeDialog::showFigureOfYear(const Figure &figure, int value) const
{
    showFigure(figure.value, figure.unit == LimitUnit::Months ? monthCountText(value) : hoursMinutesText(value));
    QStringList description;
    for (const Against &against : figure.limits) {
        const LimitState state = limitState(value, against.limit);
        const QString word = limitStateWord(state, against.limit.kind);
        against.state->setText(word);
        against.state->setAccessibleName(figure.caption + u' ' + limitText(against.limit, figure.unit) + u' ' + word);
        colourByLimitState(against.state, state);
        description << limitDescription(value, against.limit, figure.unit);
    }
    figure.value->setAccessibleDescription(description.join(QStringLiteral("、")));
}

} // namespace zentak
