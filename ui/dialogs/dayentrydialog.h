#pragma once
// The day entry dialog (Form3): one day shown, its worked time computed,
// stored, or marked with a leave kind. It hides the main window while it is
// open.

#include "daykind.h"
#include "dayproposal.h"
#include "formdialog.h"
#include "toldonce.h"

#include <QDate>

class QLabel;
class QLineEdit;

namespace zentak {

class AttendanceBook;
class NoteEdit;

class DayEntryDialog : public FormDialog {
    Q_OBJECT
public:
    // For clocking out, the dialog proposes the usual start, the time now as
    // the end, and the worked time computed from them.
    enum class Opening { Day, ClockOut };

    DayEntryDialog(AttendanceBook &book, Platform &platform, ToldOnce &told, QDate day, Opening opening,
                   QWidget *mainWindow, QWidget *parent = nullptr);

    QDate day() const { return day_; }
    QLabel *dateLabel() const { return dateLabel_; }
    QLineEdit *startTimeBox() const { return startTimeBox_; }
    QLineEdit *endTimeBox() const { return endTimeBox_; }
    QLineEdit *workedTimeBox() const { return workedTimeBox_; }
    QLineEdit *attendanceBox() const { return attendanceBox_; }
    NoteEdit *noteBox() const { return noteBox_; }

public slots:
    // "保存": the four time boxes checked, then the day stored as typed.
    void saveDay();
    // "計算": the worked time and attendance value from start and end.
    void computeWorkedTime();
    // "有給", "半給", "休日", "代休", "取消" (after a question).
    void markDay(zentak::LeaveKind kind);

protected:
    void fillControls() override;

private:
    DayBoxes shownBoxes() const;
    QLineEdit *box(DayBox which) const;
    void refuse(DayBox which, const QString &message);

    AttendanceBook &book_;
    ToldOnce &told_;
    QDate day_;
    Opening opening_;
    QLabel *dateLabel_ = nullptr;
    QLineEdit *startTimeBox_ = nullptr;
    QLineEdit *endTimeBox_ = nullptr;
    QLineEdit *workedTimeBox_ = nullptr;
    QLineEdit *attendanceBox_ = nullptr;
    NoteEdit *noteBox_ = nullptr;
};

} // namespace zentak
