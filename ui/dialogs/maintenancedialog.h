#pragma once
// The maintenance dialog (Form4): the twelve month totals of a chosen year,
// the report of any month that has hours, and the erasure of the year. It
// hides the main window while it is open.

#include "formdialog.h"
#include "toldonce.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace zentak {

class AttendanceBook;

class MaintenanceDialog : public FormDialog {
    Q_OBJECT
public:
    MaintenanceDialog(AttendanceBook &book, Platform &platform, ToldOnce &told, QWidget *mainWindow,
                      QWidget *parent = nullptr);

    QComboBox *yearList() const { return yearList_; }
    // month: 1 to 12.
    QLabel *monthTotalLabel(int month) const { return monthTotals_[month - 1]; }
    QPushButton *monthReportButton(int month) const { return monthReportButtons_[month - 1]; }
    // The chosen year: the text of the year list.
    int chosenYear() const;

public slots:
    // The twelve totals and the output buttons for the chosen year.
    void showYearTotals();
    void writeMonthReport(int month);
    // "削除", after a question.
    void eraseChosenYear();

protected:
    void fillControls() override;

private:
    AttendanceBook &book_;
    ToldOnce &told_;
    QComboBox *yearList_ = nullptr;
    std::array<QLabel *, 12> monthTotals_{};
    std::array<QPushButton *, 12> monthReportButtons_{};
};

} // namespace zentak
