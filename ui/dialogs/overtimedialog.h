#pragma once
// The window 時間外労働の状況: the agreement year's twelve months with their
// overtime and holiday work, as rows and as a chart, and the year's figures
// against the law's limits, each with its state in words and colour. The
// year shown first holds today's month; it steps back and forth. It hides
// the main window while it is open.

#include "formdialog.h"
#include "overtime.h"
#include "overtimemessages.h"

#include <array>
#include <vector>

class QLabel;
class QPushButton;

namespace zentak {

class AttendanceBook;
class OvertimeChart;

class OvertimeDialog : public FormDialog {
    Q_OBJECT
public:
    OvertimeDialog(const AttendanceBook &book, Platform &platform, QWidget *mainWindow, QWidget *parent = nullptr);

    const AgreementYear &shownYear() const { return shown_; }
    // index: 0 for the year's first month to 11.
    QLabel *monthRow(int index) const { return rows_[size_t(index)]; }
    OvertimeChart *chart() const { return chart_; }

public slots:
    void showYear(int firstYear);
    void showPreviousYear();
    void showNextYear();

protected:
    void fillControls() override;

private:
    // A figure of the year: its value box, and its state against each of
    // its limits, a row each.
    struct Against {
        QLabel *state = nullptr;
        Limit limit;
    };
    struct Figure {
        QLabel *value = nullptr;
        QString caption;
        LimitUnit unit = LimitUnit::Hours;
        std::vector<Against> limits;
    };
    void showFigureOfYear(const Figure &figure, int value) const;

    const AttendanceBook &book_;
    QDate today_;
    int projection_ = 0;
    AgreementYear shown_;
    QLabel *title_ = nullptr;
    std::array<QLabel *, 12> rows_{};
    OvertimeChart *chart_ = nullptr;
    std::array<Figure, 5> figures_;
};

} // namespace zentak
