#pragma once
// The settings dialog (Form2): the user's settings shown, checked and
// saved, in memory and in the per-user store. It hides the main window
// while it is open.

#include "formdialog.h"
#include "settingsrules.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zentak {

class AttendanceBook;
class NoteEdit;

class SettingsDialog : public FormDialog {
    Q_OBJECT
public:
    SettingsDialog(AttendanceBook &book, Platform &platform, QWidget *mainWindow,
                   QWidget *parent = nullptr);

    QLineEdit *usualStartBox() const { return usualStartBox_; }
    QLineEdit *regularHoursBox() const { return regularHoursBox_; }
    QLineEdit *leaveBalanceBox() const { return leaveBalanceBox_; }
    NoteEdit *defaultNoteBox() const { return defaultNoteBox_; }
    QRadioButton *lunchBreak60Option() const { return lunchBreak60Option_; }
    QRadioButton *lunchBreak45Option() const { return lunchBreak45Option_; }
    QCheckBox *shiftWorkBox() const { return shiftWorkBox_; }
    QCheckBox *tenDayTallyBox() const { return tenDayTallyBox_; }
    QCheckBox *remindBox() const { return remindBox_; }
    QComboBox *restDayBox() const { return restDayBox_; }
    QComboBox *agreementStartBox() const { return agreementStartBox_; }
    QLineEdit *nameBox() const { return nameBox_; }
    QLineEdit *hireDateBox() const { return hireDateBox_; }
    QComboBox *weekDaysBox() const { return weekDaysBox_; }

public slots:
    // "保存": the typed values checked, then every setting saved.
    void saveSettings();

protected:
    void fillControls() override;

private:
    SettingsForm shownForm() const;
    void tellRefused(const QString &refused);

    AttendanceBook &book_;
    QLineEdit *usualStartBox_ = nullptr;
    QLineEdit *regularHoursBox_ = nullptr;
    QLineEdit *leaveBalanceBox_ = nullptr;
    NoteEdit *defaultNoteBox_ = nullptr;
    QRadioButton *lunchBreak60Option_ = nullptr;
    QRadioButton *lunchBreak45Option_ = nullptr;
    QCheckBox *shiftWorkBox_ = nullptr;
    QCheckBox *tenDayTallyBox_ = nullptr;
    QCheckBox *remindBox_ = nullptr;
    QComboBox *restDayBox_ = nullptr;
    QComboBox *agreementStartBox_ = nullptr;
    QLineEdit *nameBox_ = nullptr;
    QLineEdit *hireDateBox_ = nullptr;
    QComboBox *weekDaysBox_ = nullptr;
};

} // namespace zentak
