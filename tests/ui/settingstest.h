#pragma once
// The settings dialog opened from the real main window, and how its tests
// read it: every setting in one text, what the controls show in one text.

#include "programtest.h"

#include <QCheckBox>
#include <QPointer>
#include <QRadioButton>

namespace zentak::story {

inline QString joined(const Settings &s)
{
    return QStringList{s.usualStart, s.regularHours, s.leaveBalance, s.lunchBreak == LunchBreak::Minutes60 ? "T6" : "-",
                       s.lunchBreak == LunchBreak::Minutes45 ? "T4" : "-", s.defaultNote, QString::number(s.shiftWork),
                       QString::number(s.tenDayTally)}
        .join(u'|');
}

inline QString shown(SettingsDialog *d)
{
    return QStringList{d->usualStartBox()->text(), d->regularHoursBox()->text(), d->leaveBalanceBox()->text(),
                       d->lunchBreak60Option()->isChecked() ? "60" : "-",
                       d->lunchBreak45Option()->isChecked() ? "45" : "-", d->defaultNoteBox()->storedText(),
                       d->shiftWorkBox()->isChecked() ? "shift" : "-", d->tenDayTallyBox()->isChecked() ? "ten" : "-"}
        .join(u'|');
}

class SettingsTest : public ProgramTest {
protected:
    SettingsDialog *openSettings() { return dlg_ = activated(program_->openSettings()); }
    QPushButton *button(const char *name) const
    {
        return dlg_ ? dlg_->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
    }
    bool dialogGone() { return program_->backAtMainWindow() && dlg_.isNull(); }

    QPointer<SettingsDialog> dlg_;
};

} // namespace zentak::story
