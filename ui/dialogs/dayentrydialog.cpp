#include "dayentrydialog.h"

#include "appstate.h"
#include "cellpainter.h"
#include "dayentryrules.h"
#include "fixedtext.h"
#include "noteedit.h"
#include "platform.h"
#include "recordstore.h"
#include "workedtime.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zentak {

DayEntryDialog::DayEntryDialog(AppState &state, Platform &platform, RecordStore &store,
                               CellPainter &painter, QWidget *mainWindow, QWidget *parent)
    : FormDialog(platform, mainWindow, parent), state_(state), store_(store), painter_(painter)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zentakの作業内容"));
    setClientTwips(4455, 2790);
    build();
}

QLineEdit *DayEntryDialog::timeBox(const char *name, double left)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(5);
    placeTwips(box, left, 510, 550, 270);
    return box;
}

QPushButton *DayEntryDialog::button(const char *name, const QString &text, double left, double top)
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    placeTwips(b, left, top, 600, 375);
    return b;
}

void DayEntryDialog::build()
{
    auto caption = [this](const char *name, const QString &text, double left, double top) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        moveTwips(label, left, top);
    };
    caption("Label1", QStringLiteral("日付"), 135, 150);
    tday_ = new QLabel(this);
    tday_->setObjectName(QStringLiteral("tday"));
    placeTwips(tday_, 570, 135, 2145, 255);

    QPushButton *command1 = button("Command1", QStringLiteral("保存"), 2985, 75);
    QPushButton *command2 = button("Command2", QStringLiteral("戻る"), 3705, 75);

    caption("Label2", QStringLiteral("出社"), 135, 525);
    tstim_ = timeBox("tstim", 570);
    caption("Label4", QStringLiteral("退社"), 1185, 525);
    tetim_ = timeBox("tetim", 1650);
    caption("Label6", QStringLiteral("稼動"), 2295, 525);
    tptim_ = timeBox("tptim", 2730);
    caption("Label8", QStringLiteral("勤怠"), 3345, 525);
    tktim_ = timeBox("tktim", 3810);

    caption("Label10", QStringLiteral("作業内容（連続200文字まで）"), 135, 870);
    tmsg_ = new NoteEdit(this);
    tmsg_->setObjectName(QStringLiteral("tmsg"));
    placeTwips(tmsg_, 120, 1155, 4245, 1065);
    tmsg_->setRefusalHandler([this](const QString &refused) { tellRefused(refused); });

    QPushButton *command3 = button("Command3", QStringLiteral("計算"), 105, 2325);
    QPushButton *command40 = button("Command4_0", QStringLiteral("有給"), 825, 2325);
    QPushButton *command41 = button("Command4_1", QStringLiteral("半給"), 1545, 2325);
    QPushButton *command7 = button("Command7", QStringLiteral("代休"), 2265, 2325);
    QPushButton *command5 = button("Command5", QStringLiteral("休日"), 2985, 2325);
    QPushButton *command6 = button("Command6", QStringLiteral("取消"), 3705, 2325);

    connect(command1, &QPushButton::clicked, this, &DayEntryDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &DayEntryDialog::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &DayEntryDialog::Command3_Click);
    connect(command40, &QPushButton::clicked, this, [this] { Command4_Click(0); });
    connect(command41, &QPushButton::clicked, this, [this] { Command4_Click(1); });
    connect(command5, &QPushButton::clicked, this, &DayEntryDialog::Command5_Click);
    connect(command6, &QPushButton::clicked, this, &DayEntryDialog::Command6_Click);
    connect(command7, &QPushButton::clicked, this, &DayEntryDialog::Command7_Click);

    QWidget *order[] = {tmsg_,    tstim_,   tetim_,    tptim_,    tktim_,   command1, command2,
                        command3, command5, command40, command41, command7, command6};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    tmsg_->setFocus();
}

void DayEntryDialog::fillControls()
{
    tday_->setText(formatTday(state_.editDay));
    const DayRecord &record = state_.table.record(state_.cursor.slot, state_.cursor.month,
                                                  state_.cursor.day);
    DayBoxes boxes = boxesForRecord(record, state_.settings);
    if (state_.clockOutMode) {
        tstim_->setText(state_.settings.IniTM);
        tetim_->setText(platform_.now().toString(QStringLiteral("HH:mm")));
        // The dialog is not shown yet: a usual start that is not a time
        // leaves the results empty instead of asking the user.
        const WorkedTime computed =
            computeWorkedTime(tstim_->text(), tetim_->text(), breakRules(state_.settings));
        if (computed.failure == WorkedTime::Failure::None) {
            tptim_->setText(computed.worked);
            tktim_->setText(computed.kintai);
        }
        state_.clockOutMode = false;
        tstim_->setText(usualStart(tstim_->text(), state_.settings));
    } else {
        tstim_->setText(boxes.start);
        tetim_->setText(boxes.end);
        tptim_->setText(boxes.worked);
        tktim_->setText(boxes.kintai);
    }
    tmsg_->setStoredText(boxes.note);
    tmsg_->setFocus();
    if (!boxes.refusedFromDefault.isEmpty() && !state_.defaultNoteTold) {
        state_.defaultNoteTold = true;
        tellRefused(boxes.refusedFromDefault);
    }
}

void DayEntryDialog::tellRefused(const QString &refused)
{
    platform_.messageBox(noteRefusalMessage(refused), state_.messageTitle, MsgButtons::Ok,
                         MsgIcon::Information);
}

void DayEntryDialog::message(const QString &text)
{
    platform_.messageBox(text, state_.messageTitle, MsgButtons::Ok, MsgIcon::Stop);
}

void DayEntryDialog::Command1_Click()
{
    if (const std::optional<DayBox> bad = firstBadBox(tstim_->text(), tetim_->text(), tptim_->text(),
                                                      tktim_->text())) {
        QLineEdit *boxes[] = {tstim_, tetim_, tptim_, tktim_};
        boxes[static_cast<int>(*bad)]->setFocus();
        message(badBoxMessage(*bad));
        return;
    }
    AttendanceTable &t = state_.table;
    const CellCursor &c = state_.cursor;
    t.setField(c, Field::Date, state_.editDay.date);
    t.setField(c, Field::Week, state_.editDay.week);
    t.setField(c, Field::Start, tstim_->text());
    t.setField(c, Field::End, tetim_->text());
    t.setField(c, Field::Worked, tptim_->text());
    t.setField(c, Field::Kintai, tktim_->text());
    t.setField(c, Field::Note, tmsg_->storedText());
    painter_.paintCell(state_.editLabelIndex, CellFill::Worked);
    store_.tableChanged();
    accept();
}

void DayEntryDialog::Command2_Click()
{
    reject();
}

void DayEntryDialog::Command3_Click()
{
    const WorkedTime computed =
        computeWorkedTime(tstim_->text(), tetim_->text(), breakRules(state_.settings));
    if (computed.failure != WorkedTime::Failure::None) {
        const bool badStart = computed.failure == WorkedTime::Failure::Start;
        (badStart ? tstim_ : tetim_)->setFocus();
        message(badBoxMessage(badStart ? DayBox::Start : DayBox::End));
        return;
    }
    tptim_->setText(computed.worked);
    tktim_->setText(computed.kintai);
}

void DayEntryDialog::iniset()
{
    zentak::iniset(state_.table, state_.cursor, state_.editDay);
}

void DayEntryDialog::markDay(const QString &marker, CellFill fill)
{
    iniset();
    state_.table.setField(state_.cursor, Field::Note, marker);
    store_.tableChanged();
    painter_.paintCell(state_.editLabelIndex, fill);
    accept();
}

void DayEntryDialog::Command4_Click(int index)
{
    if (const std::optional<QString> refusal = paidLeaveRefusal(state_.settings.Yukyu, index)) {
        platform_.messageBox(*refusal, state_.messageTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    state_.settings.Yukyu = balanceAfterLeave(state_.settings.Yukyu, index);
    markDay(index == 0 ? kMarkWholeDay : kMarkHalfDay, CellFill::PaidLeave);
}

void DayEntryDialog::Command5_Click()
{
    markDay(kMarkHoliday, CellFill::Holiday);
}

void DayEntryDialog::Command7_Click()
{
    markDay(kMarkCompensatory, CellFill::Compensatory);
}

void DayEntryDialog::Command6_Click()
{
    if (platform_.messageBox(QStringLiteral("作業内容を取消しますか？"), state_.messageTitle,
                             MsgButtons::YesNo, MsgIcon::Question)
        != MsgAnswer::Yes)
        return;
    state_.settings.Yukyu = balanceAfterCancel(state_.settings.Yukyu, tmsg_->storedText());
    markDay(kMarkCancelled, CellFill::None);
}

} // namespace zentak
