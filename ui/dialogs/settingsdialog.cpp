#include "settingsdialog.h"

#include "appstate.h"
#include "noteedit.h"
#include "platform.h"
#include "settingsrules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zentak {

SettingsDialog::SettingsDialog(AppState &state, Platform &platform, QWidget *mainWindow,
                               QWidget *parent)
    : FormDialog(platform, mainWindow, parent), state_(state)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Zentakの設定"));
    setClientTwips(4440, 2655);
    build();
}

void SettingsDialog::build()
{
    auto caption = [this](const char *name, const QString &text, double left, double top) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        moveTwips(label, left, top);
    };
    auto textBox = [this](const char *name, int maxLength, double left, double top, double width) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QLatin1String(name));
        box->setMaxLength(maxLength);
        placeTwips(box, left, top, width, 270);
        return box;
    };
    auto named = [this](QWidget *w, const char *name, double left, double top) {
        w->setObjectName(QLatin1String(name));
        moveTwips(w, left, top);
    };

    caption("Label3", QStringLiteral("出社時間"), 120, 165);
    initim_ = textBox("initim", 5, 900, 135, 550);
    caption("Label5", QStringLiteral("就業時間"), 1605, 165);
    daytim_ = textBox("daytim", 5, 2400, 135, 550);
    check1_ = new QCheckBox(this);
    named(check1_, "Check1", 3165, 180);
    caption("Label7", QStringLiteral("シフト勤務"), 3420, 195);

    caption("Label4", QStringLiteral("お昼休み"), 120, 495);
    // One group: the two share this dialog as parent, so choosing one
    // clears the other.
    option1_ = new QRadioButton(this);
    named(option1_, "Option1", 960, 420);
    caption("Label9", QStringLiteral("６０分"), 1200, 495);
    option2_ = new QRadioButton(this);
    named(option2_, "Option2", 1815, 420);
    caption("Label10", QStringLiteral("４５分"), 2085, 495);
    caption("Label6", QStringLiteral("有給休暇残"), 2730, 495);
    yukyuz_ = textBox("yukyuz", 4, 3735, 450, 495);

    caption("Label1", QStringLiteral("作業内容の初期値"), 120, 810);
    text1_ = new NoteEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    placeTwips(text1_, 120, 1065, 4245, 1065);
    text1_->setRefusalHandler([this](const QString &refused) { tellRefused(refused); });

    auto button = [this](const char *name, const QString &text, double left) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        placeTwips(b, left, 2220, 750, 375);
        return b;
    };
    QPushButton *command1 = button("Command1", QStringLiteral("保存"), 120);
    QPushButton *command2 = button("Command2", QStringLiteral("戻る"), 1080);
    check2_ = new QCheckBox(this);
    named(check2_, "Check2", 2175, 2310);
    caption("Label8", QStringLiteral("勤怠を１０日毎に集計"), 2430, 2325);

    connect(command1, &QPushButton::clicked, this, &SettingsDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &SettingsDialog::Command2_Click);

    QWidget *order[] = {initim_, daytim_, option1_, option2_, yukyuz_,
                        text1_,  command1, command2, check1_, check2_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    initim_->setFocus();
}

void SettingsDialog::tellRefused(const QString &refused)
{
    platform_.messageBox(noteRefusalMessage(refused), state_.messageTitle, MsgButtons::Ok,
                         MsgIcon::Information);
}

void SettingsDialog::fillControls()
{
    const SettingsForm f = settingsForm(state_.settings);
    option1_->setChecked(f.option1);
    option2_->setChecked(f.option2);
    // A default note edited by hand into the store is shown as the box
    // would take it, and saved so.
    const AdmittedNote note = admitNote(f.text1);
    text1_->setStoredText(note.text);
    yukyuz_->setText(f.yukyuz);
    initim_->setText(f.initim);
    daytim_->setText(f.daytim);
    check1_->setChecked(f.check1);
    check2_->setChecked(f.check2);
    initim_->setFocus();
    if (!note.refused.isEmpty())
        tellRefused(note.refused);
}

SettingsForm SettingsDialog::shown() const
{
    SettingsForm f;
    f.initim = initim_->text();
    f.daytim = daytim_->text();
    f.yukyuz = yukyuz_->text();
    f.text1 = text1_->storedText();
    f.option1 = option1_->isChecked();
    f.option2 = option2_->isChecked();
    f.check1 = check1_->isChecked();
    f.check2 = check2_->isChecked();
    return f;
}

void SettingsDialog::Command1_Click()
{
    if (const std::optional<SettingsBox> bad =
            firstBadSetting(initim_->text(), daytim_->text(), yukyuz_->text())) {
        QLineEdit *boxes[] = {initim_, daytim_, yukyuz_};
        boxes[static_cast<int>(*bad)]->setFocus();
        platform_.messageBox(badSettingMessage(*bad), state_.messageTitle, MsgButtons::Ok,
                             MsgIcon::Stop);
        return;
    }
    state_.settings = settingsFromForm(shown());
    rinisave();
    state_.summaryStale = true;
    accept();
}

void SettingsDialog::Command2_Click()
{
    reject();
}

void SettingsDialog::rinisave()
{
    // The settings hold for this run either way; the user learns they will
    // not be there at the next start.
    if (!zentak::rinisave(platform_, state_.settings))
        platform_.messageBox(kSettingsNotSaved, state_.messageTitle, MsgButtons::Ok,
                             MsgIcon::Exclamation);
}

} // namespace zentak
