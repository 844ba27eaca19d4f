#pragma once
// The maintenance dialog (Form4): the twelve month totals of a chosen year,
// the report of any month that has hours, and the deletion of the year. It
// hides the main window while it is open.

#include "formdialog.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace zentak {

struct AppState;
class RecordStore;

class MaintenanceDialog : public FormDialog {
    Q_OBJECT
public:
    MaintenanceDialog(AppState &state, Platform &platform, RecordStore &store, QWidget *mainWindow,
                      QWidget *parent = nullptr);

    QComboBox *Tyear() const { return tyear_; }
    QLabel *tmonth(int month) const { return tmonth_[month]; }
    QPushButton *prtcmd(int month) const { return prtcmd_[month]; }

    // The chosen year: the text of the year list.
    int chosenYear() const;

public slots:
    // The twelve totals and the output buttons for the chosen year.
    void Tukis();
    void prtcmd_Click(int month);
    void delcmd_Click();
    void Command2_Click(); // 戻る

protected:
    void fillControls() override;

private:
    void build();

    AppState &state_;
    RecordStore &store_;
    QComboBox *tyear_ = nullptr;
    std::array<QLabel *, 13> tmonth_{};      // 1 to 12
    std::array<QPushButton *, 13> prtcmd_{}; // 1 to 12
};

} // namespace zentak
