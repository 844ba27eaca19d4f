#pragma once
// The settings dialog (Form2): the user's eight settings shown, checked and
// saved, in memory and in the per-user store. It hides the main window
// while it is open.

#include "formdialog.h"
#include "settingsrules.h"

class QCheckBox;
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

    QLineEdit *usualStartBox() const;
    QLineEdit *regularHoursBox() const;
    QLineEdit *leaveBalanceBox() const;
    NoteEdit *defaultNoteBox() const;
    QRadioButton *lunchBreak60Option() const;
    QRadioButton *lunchBreak45Option() const;
    QCheckBox *shiftWorkBox() const;
    QCheckBox *tenDayTallyBox() const;

public slots:
    // "保存": the three typed values checked, then every setting saved.
    void saveSettings();

protected:
    void fillControls() override;

private:
    SettingsForm shownForm() const;
    void tellRefused(const QString &refused);

    AttendanceBook &book_;
};

} // namespace zentak
