#include "overtimechart.h"

#include "overtimemessages.h"

#include <QPainter>

#include <algorithm>

namespace zentak {

namespace {

const QColor kOvertimeColour(0x30, 0x60, 0xC0);
const QColor kHolidayWorkColour(0xF0, 0x90, 0x20);
const QColor kLineColour(0xD0, 0x00, 0x00);
constexpr int kStepMinutes = 20 * 60;

} // namespace

OvertimeChart::OvertimeChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("overtimeChart"));
    setAccessibleName(kChartName);
}

void OvertimeChart::showMonths(const std::array<DayLaw, 12> &months, const QStringList &rowTexts)
{
    months_ = months;
    setAccessibleDescription(rowTexts.join(u'\n'));
    update();
}

int OvertimeChart::scaleMinutes() const
{
    int highest = 60 * 60;
    for (const DayLaw &m : months_)
        highest = std::max(highest, m.total());
    // Whole steps of 20 hours.
    return (highest + kStepMinutes - 1) / kStepMinutes * kStepMinutes;
}

void OvertimeChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double band = double(height()) / kBands;
    const int margin = 4;
    const int scale = scaleMinutes();
    const auto xOf = [&](int minutes) { return margin + (width() - 2 * margin) * double(minutes) / scale; };
    const int barHeight = std::max(2, int(band * 0.6));

    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(QPointF(xOf(0), band), QPointF(xOf(0), band * 13));
    for (int i = 0; i < 12; ++i) {
        const double top = band * (i + 1) + (band - barHeight) / 2;
        const double end = xOf(months_[size_t(i)].overtime);
        painter.fillRect(QRectF(xOf(0), top, end - xOf(0), barHeight), kOvertimeColour);
        painter.fillRect(QRectF(end, top, xOf(months_[size_t(i)].total()) - end, barHeight), kHolidayWorkColour);
    }

    const double line = xOf(kMonthOvertimeLimit.value);
    painter.setPen(QPen(kLineColour, 1, Qt::DashLine));
    painter.drawLine(QPointF(line, band * 0.8), QPointF(line, band * 13));
    painter.setPen(kLineColour);
    painter.drawText(QRectF(line - 40, 0, 80, band * 0.8), Qt::AlignCenter, kChartLineLabel);

    // The legend: a square in each colour before its name.
    painter.setPen(palette().color(QPalette::WindowText));
    const QRectF legend(xOf(0), band * 13, width() - xOf(0), band);
    double x = legend.left();
    for (const auto &[colour, name] : {std::pair{kOvertimeColour, kOvertimeColumn}, {kHolidayWorkColour, kHolidayWorkColumn}}) {
        const double side = band * 0.5;
        painter.fillRect(QRectF(x, legend.center().y() - side / 2, side, side), colour);
        x += side + 3;
        const QRectF text = painter.boundingRect(QRectF(x, legend.top(), width(), band), Qt::AlignVCenter, name);
        painter.drawText(text, Qt::AlignVCenter, name);
        x = text.right() + 10;
    }
}

} // namespace zentak
