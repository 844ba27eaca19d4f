#pragma once
// The day entry dialog (Form3): one day of the table shown, computed,
// edited, stored, or marked with a leave kind. It works on the record at the
// shared cursor and hides the main window while it is open.

#include "formdialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zentak {

struct AppState;
class Platform;
class RecordStore;
class CellPainter;
class NoteEdit;
enum class CellFill;

class DayEntryDialog : public FormDialog {
    Q_OBJECT
public:
    DayEntryDialog(AppState &state, Platform &platform, RecordStore &store, CellPainter &painter,
                   QWidget *mainWindow, QWidget *parent = nullptr);

    QLineEdit *tstim() const { return tstim_; }
    QLineEdit *tetim() const { return tetim_; }
    QLineEdit *tptim() const { return tptim_; }
    QLineEdit *tktim() const { return tktim_; }
    NoteEdit *tmsg() const { return tmsg_; }
    QLabel *tday() const { return tday_; }

public slots:
    void Command1_Click(); // 保存
    void Command2_Click(); // 戻る
    void Command3_Click(); // 計算
    void Command4_Click(int index); // 有給 (0), 半給 (1)
    void Command5_Click(); // 休日
    void Command6_Click(); // 取消
    void Command7_Click(); // 代休
    void iniset();

protected:
    // Fills the boxes from the day being edited (or the clock-out proposal).
    void fillControls() override;

private:
    void build();
    void message(const QString &text);
    void tellRefused(const QString &refused);
    // A day without working times, marked with its leave kind, then closed.
    void markDay(const QString &marker, CellFill fill);
    QLineEdit *timeBox(const char *name, double left);
    QPushButton *button(const char *name, const QString &text, double left, double top);

    AppState &state_;
    RecordStore &store_;
    CellPainter &painter_;

    QLabel *tday_ = nullptr;
    QLineEdit *tstim_ = nullptr;
    QLineEdit *tetim_ = nullptr;
    QLineEdit *tptim_ = nullptr;
    QLineEdit *tktim_ = nullptr;
    NoteEdit *tmsg_ = nullptr;
};

} // namespace zentak
