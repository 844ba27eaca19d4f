#include "settingsdialog.h"

#include "attendancebook.h"
#include "grantmessages.h"
#include "messages.h"
#include "noteedit.h"
#include "overtimemessages.h"
#include "storabletext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zentak {

SettingsDialog::SettingsDialog(AttendanceBook &book, Platform &platform, QWidget *mainWindow,
                               QWidget *parent)
    : FormDialog(platform, mainWindow, parent), book_(book)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Zentakの設定"));
    setClientTwips(4440, 3810);
    using K = ControlKind;
    // In the order of the Tab key. Option1 and Option2 share the dialog as
    // their parent: one group, choosing one clears the other. The labels
    // name the controls beside them (the options and check boxes have no
    // caption of their own).
    const BuiltControls built = buildForm({
        labelOf({"initim"}, {"Label3", K::Label, "出社時間", 120, 165}),
        {"initim", K::TimeBox, "", 900, 135, 550, 270, 5},
        labelOf({"daytim"}, {"Label5", K::Label, "就業時間", 1605, 165}),
        {"daytim", K::TimeBox, "", 2400, 135, 550, 270, 5},
        labelOf({"Option1", "Option2"}, {"Label4", K::Label, "お昼休み", 120, 495}),
        {"Option1", K::RadioButton, "", 960, 420},
        labelOf({"Option1"}, {"Label9", K::Label, "６０分", 1200, 495}),
        {"Option2", K::RadioButton, "", 1815, 420},
        labelOf({"Option2"}, {"Label10", K::Label, "４５分", 2085, 495}),
        labelOf({"yukyuz"}, {"Label6", K::Label, "有給休暇残", 2730, 495}),
        {"yukyuz", K::DecimalBox, "", 3735, 450, 495, 270, 4},
        labelOf({"simei"}, {"Label13", K::Label, "氏名", 2265, 810}),
        {"simei", K::LineEdit, "", 2700, 765, 1665, 270, kNameLength},
        labelOf({"Text1"}, {"Label1", K::Label, "作業内容の初期値", 120, 810}),
        {"Text1", K::NoteEdit, "", 120, 1065, 4245, 1065},
        {"Command1", K::Button, "保存", 120, 2220, 750, 375},
        {"Command2", K::Button, "戻る", 1080, 2220, 750, 375},
        {"Check1", K::CheckBox, "", 3165, 180},
        labelOf({"Check1"}, {"Label7", K::Label, "シフト勤務", 3420, 195}),
        {"Check2", K::CheckBox, "", 2175, 2310},
        labelOf({"Check2"}, {"Label8", K::Label, "勤怠を１０日毎に集計", 2430, 2325}),
        // The law's overtime: the legal rest day and the agreement year's
        // first month, in a row below.
        labelOf({"restday"}, {"Label11", K::Label, kRestDayCaption, 120, 2775}),
        {"restday", K::ComboBox, "", 900, 2715, 1000, 300},
        labelOf({"agreestart"}, {"Label12", K::Label, kAgreementStartCaption, 2175, 2775}),
        {"agreestart", K::ComboBox, "", 3465, 2715, 900, 300},
        // The reminder at the end of a working day left without a record.
        {"Check3", K::CheckBox, "", 120, 3090},
        labelOf({"Check3"}, {"Label14", K::Label, "終業時刻に未入力の日を知らせる", 375, 3105}),
        // The yearly paid-leave grant: the hire date and the days worked a
        // week, in a row below.
        labelOf({"hired"}, {"Label15", K::Label, kHireDateCaption, 120, 3480}),
        {"hired", K::DateBox, "", 900, 3420, 1000, 300, 10},
        labelOf({"weekdays"}, {"Label16", K::Label, kWeekDaysCaption, 2175, 3480}),
        {"weekdays", K::ComboBox, "", 3465, 3420, 900, 300},
    });
    usualStartBox_ = built.get<QLineEdit>("initim");
    regularHoursBox_ = built.get<QLineEdit>("daytim");
    leaveBalanceBox_ = built.get<QLineEdit>("yukyuz");
    defaultNoteBox_ = built.get<NoteEdit>("Text1");
    lunchBreak60Option_ = built.get<QRadioButton>("Option1");
    lunchBreak45Option_ = built.get<QRadioButton>("Option2");
    shiftWorkBox_ = built.get<QCheckBox>("Check1");
    tenDayTallyBox_ = built.get<QCheckBox>("Check2");
    remindBox_ = built.get<QCheckBox>("Check3");
    restDayBox_ = built.get<QComboBox>("restday");
    agreementStartBox_ = built.get<QComboBox>("agreestart");
    hireDateBox_ = built.get<QLineEdit>("hired");
    weekDaysBox_ = built.get<QComboBox>("weekdays");
    // The weekdays Sunday 0 to Saturday 6 as stored, the months 1 to 12,
    // the days a week 1 to 5.
    for (int weekday = 0; weekday < 7; ++weekday)
        restDayBox_->addItem(weekdayName(weekday));
    for (int month = 1; month <= 12; ++month)
        agreementStartBox_->addItem(monthName(month));
    for (int days = kFewestWeekDays; days <= kMostWeekDays; ++days)
        weekDaysBox_->addItem(weekDaysName(days));
    nameBox_ = built.get<QLineEdit>("simei");
    defaultNoteBox_->setRefusalHandler([this](const QString &refused) { tellRefused(refused); });
    connect(built.get<QPushButton>("Command1"), &QPushButton::clicked, this, &SettingsDialog::saveSettings);
    connect(built.get<QPushButton>("Command2"), &QPushButton::clicked, this, &SettingsDialog::reject);
}

void SettingsDialog::tellRefused(const QString &refused)
{
    tell(platform_, noteRefusalMessage(refused), MsgIcon::Information);
}

void SettingsDialog::fillControls()
{
    const SettingsForm f = settingsForm(book_.settings());
    lunchBreak60Option_->setChecked(f.lunchBreak == LunchBreak::Minutes60);
    lunchBreak45Option_->setChecked(f.lunchBreak == LunchBreak::Minutes45);
    // A default note edited by hand into the store is shown as the box
    // would take it, and saved so.
    const AdmittedNote note = admitNote(f.defaultNote);
    defaultNoteBox_->setStoredText(note.text);
    leaveBalanceBox_->setText(f.leaveBalance);
    usualStartBox_->setText(f.usualStart);
    regularHoursBox_->setText(f.regularHours);
    nameBox_->setText(f.name);
    shiftWorkBox_->setChecked(f.shiftWork);
    tenDayTallyBox_->setChecked(f.tenDayTally);
    remindBox_->setChecked(f.remind);
    restDayBox_->setCurrentIndex(storedWeekday(f.restDay));
    agreementStartBox_->setCurrentIndex(f.agreementStartMonth - 1);
    hireDateBox_->setText(f.hired);
    weekDaysBox_->setCurrentIndex(f.weekDays - kFewestWeekDays);
    usualStartBox_->setFocus();
    if (!note.refused.isEmpty())
        tellRefused(note.refused);
}

SettingsForm SettingsDialog::shownForm() const
{
    SettingsForm f;
    f.usualStart = usualStartBox_->text();
    f.regularHours = regularHoursBox_->text();
    f.leaveBalance = leaveBalanceBox_->text();
    f.defaultNote = defaultNoteBox_->storedText();
    f.lunchBreak = lunchBreak60Option_->isChecked()   ? LunchBreak::Minutes60
                   : lunchBreak45Option_->isChecked() ? LunchBreak::Minutes45
                                                      : LunchBreak::None;
    f.shiftWork = shiftWorkBox_->isChecked();
    f.tenDayTally = tenDayTallyBox_->isChecked();
    f.restDay = weekdayOfStored(restDayBox_->currentIndex());
    f.agreementStartMonth = agreementStartBox_->currentIndex() + 1;
    f.remind = remindBox_->isChecked();
    f.name = nameBox_->text();
    f.hired = hireDateBox_->text();
    f.weekDays = weekDaysBox_->currentIndex() + kFewestWeekDays;
    return f;
}

void SettingsDialog::saveSettings()
{
    const SettingsForm form = shownForm();
    if (const std::optional<SettingsBox> bad = firstBadSetting(form, platform_.today())) {
        QLineEdit *boxes[] = {usualStartBox_, regularHoursBox_, leaveBalanceBox_, hireDateBox_};
        boxes[static_cast<int>(*bad)]->setFocus();
        tell(platform_, badSettingMessage(*bad), MsgIcon::Stop);
        return;
    }
    // The settings hold for this run either way; the user learns they will
    // not be there at the next start.
    if (!book_.saveSettings(settingsFromForm(form)))
        tell(platform_, kSettingsNotSaved, MsgIcon::Exclamation);
    accept();
}

} // namespace zentak
