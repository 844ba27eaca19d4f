#pragma once
// A bar chart of the agreement year's months: each month a row, its
// overtime and holiday work as one bar in two colours, against the 45-hour
// line. The rows are drawn beside the window's month rows, one band each,
// with a band above for the line's label and one below for the legend.
// Screen readers read the rows' texts as its description.

#include "overtime.h"

#include <QStringList>
#include <QWidget>

#include <array>

namespace zentak {

class OvertimeChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBands = 14;

    explicit OvertimeChart(QWidget *parent = nullptr);

    // The twelve months and their rows as the window names them.
    void showMonths(const std::array<DayLaw, 12> &months, const QStringList &rowTexts);
    // The longest bar the chart holds (minutes): 60 hours, or more.
    int scaleMinutes() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<DayLaw, 12> months_{};
};

} // namespace zentak
