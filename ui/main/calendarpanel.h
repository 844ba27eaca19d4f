#pragma once
// The calendar panel (Picture1): the shown year and month, the weekday
// header, 42 day cells and the navigation buttons.

#include "cellpainter.h"
#include "twips.h"

#include <QFrame>
#include <QVector>

#include <functional>

class QLabel;
class QPushButton;

namespace zentak {

struct AppState;
class Platform;
class DayLabel;

class CalendarPanel : public QFrame, public CellPainter {
    Q_OBJECT
public:
    CalendarPanel(AppState &state, Platform &platform, const TwipScale &scale,
                  QWidget *parent = nullptr);

    // Called after every navigation (the month summary).
    void setAfterNavigation(std::function<void()> hook) { afterNavigation_ = std::move(hook); }

    void Calinit();
    void Caldraw(int year, int month);

    // DisplayedMonth, held as the texts of lblYear and lblMonth.
    int displayedYear() const;
    int displayedMonth() const;
    void setDisplayedMonth(int year, int month);
    void redrawDisplayed();

    void paintCell(int index, CellFill fill) override;

    DayLabel *dayLabel(int index) const;
    QLabel *weekLabel(int index) const;
    QLabel *lblYear() const { return lblYear_; }
    QLabel *lblMonth() const { return lblMonth_; }
    QPushButton *command3() const { return command3_; }

public slots:
    void cmdPrevYear_Click();
    void cmdNextYear_Click();
    void cmdPrevMonth_Click();
    void cmdNextMonth_Click();

signals:
    void dayClicked(int index);

private:
    void navigate(int year, int month);

    AppState &state_;
    Platform &platform_;
    TwipScale scale_;
    std::function<void()> afterNavigation_;

    QLabel *lblYear_;
    QLabel *lblMonth_;
    QVector<QLabel *> lblWeek_;
    QVector<DayLabel *> lblDay_;
    QPushButton *command3_;
};

} // namespace zentak
