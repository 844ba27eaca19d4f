#include "dayentrydialog.h"

#include "attendancebook.h"
#include "messages.h"
#include "noteedit.h"
#include "workedtime.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zentak {

namespace {

// "yy年MM月dd日(曜)".
QString dayTitle(QDate day)
{
    const QString d = dateField(day);
    return d.mid(2, 2) + QStringLiteral("年") + d.mid(5, 2) + QStringLiteral("月") + d.mid(8, 2)
           + QStringLiteral("日(") + weekdayKanji(day) + QStringLiteral(")");
}

} // namespace

DayEntryDialog::DayEntryDialog(AttendanceBook &book, Platform &platform, ToldOnce &told, QDate day,
                               Opening opening, QWidget *mainWindow, QWidget *parent)
    : FormDialog(platform, mainWindow, parent), book_(book), told_(told), day_(day), opening_(opening)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zentakの作業内容"));
    setClientTwips(4455, 2790);
    using K = ControlKind;
    // In the order of the Tab key: the note first. Each label names the box
    // after it.
    const BuiltControls built = buildForm({
        labelOf({"tday"}, {"Label1", K::Label, "日付", 135, 150}),
        {"tday", K::Label, "", 570, 135, 2145, 255},
        labelOf({"tmsg"}, {"Label10", K::Label, "作業内容（連続200文字まで）", 135, 870}),
        {"tmsg", K::NoteEdit, "", 120, 1155, 4245, 1065},
        labelOf({"tstim"}, {"Label2", K::Label, "出社", 135, 525}),
        {"tstim", K::TimeBox, "", 570, 510, 550, 270, 5},
        labelOf({"tetim"}, {"Label4", K::Label, "退社", 1185, 525}),
        {"tetim", K::TimeBox, "", 1650, 510, 550, 270, 5},
        labelOf({"tptim"}, {"Label6", K::Label, "稼動", 2295, 525}),
        {"tptim", K::TimeBox, "", 2730, 510, 550, 270, 5},
        labelOf({"tktim"}, {"Label8", K::Label, "勤怠", 3345, 525}),
        {"tktim", K::DecimalBox, "", 3810, 510, 550, 270, 5},
        {"Command1", K::Button, "保存", 2985, 75, 600, 375},
        {"Command2", K::Button, "戻る", 3705, 75, 600, 375},
        {"Command3", K::Button, "計算", 105, 2325, 600, 375},
        {"Command5", K::Button, "休日", 2985, 2325, 600, 375},
        {"Command4_0", K::Button, "有給", 825, 2325, 600, 375},
        {"Command4_1", K::Button, "半給", 1545, 2325, 600, 375},
        {"Command7", K::Button, "代休", 2265, 2325, 600, 375},
        {"Command6", K::Button, "取消", 3705, 2325, 600, 375},
    });
    dateLabel_ = built.get<QLabel>("tday");
    startTimeBox_ = built.get<QLineEdit>("tstim");
    endTimeBox_ = built.get<QLineEdit>("tetim");
    workedTimeBox_ = built.get<QLineEdit>("tptim");
    attendanceBox_ = built.get<QLineEdit>("tktim");
    noteBox_ = built.get<NoteEdit>("tmsg");
    noteBox_->setRefusalHandler(
        [this](const QString &refused) { tell(platform_, noteRefusalMessage(refused), MsgIcon::Information); });

    auto onClick = [this, &built](const char *name, auto act) {
        connect(built.get<QPushButton>(name), &QPushButton::clicked, this, act);
    };
    onClick("Command1", &DayEntryDialog::saveDay);
    onClick("Command2", &DayEntryDialog::reject);
    onClick("Command3", &DayEntryDialog::computeWorkedTime);
    onClick("Command4_0", [this] { markDay(LeaveKind::WholeDayPaid); });
    onClick("Command4_1", [this] { markDay(LeaveKind::HalfDayPaid); });
    onClick("Command5", [this] { markDay(LeaveKind::Holiday); });
    onClick("Command7", [this] { markDay(LeaveKind::Compensatory); });
    onClick("Command6", [this] { markDay(LeaveKind::Cancelled); });
}

QLineEdit *DayEntryDialog::box(DayBox which) const
{
    switch (which) {
    case DayBox::Start: return startTimeBox_;
    case DayBox::End: return endTimeBox_;
    case DayBox::Worked: return workedTimeBox_;
    case DayBox::Attendance: break;
    }
    return attendanceBox_;
}

void DayEntryDialog::fillControls()
{
    const DayProposal proposal = opening_ == Opening::ClockOut
                                     ? book_.proposeClockOut(day_, platform_.now().time())
                                     : book_.proposeDay(day_);
    showFigure(dateLabel_, dayTitle(day_));
    startTimeBox_->setText(proposal.boxes.start);
    endTimeBox_->setText(proposal.boxes.end);
    workedTimeBox_->setText(proposal.boxes.worked);
    attendanceBox_->setText(proposal.boxes.attendance);
    noteBox_->setStoredText(proposal.boxes.note);
    noteBox_->setFocus();
    if (!proposal.refusedFromDefault.isEmpty() && told_.first(ToldOnce::Matter::DefaultNoteRefusal))
        tell(platform_, noteRefusalMessage(proposal.refusedFromDefault), MsgIcon::Information);
}

DayBoxes DayEntryDialog::shownBoxes() const
{
    return {startTimeBox_->text(), endTimeBox_->text(), workedTimeBox_->text(),
            attendanceBox_->text(), noteBox_->storedText()};
}

void DayEntryDialog::refuse(DayBox which, const QString &message)
{
    // The box first, then the message.
    box(which)->setFocus();
    tell(platform_, message, MsgIcon::Stop);
}

void DayEntryDialog::saveDay()
{
    const DayBoxes boxes = shownBoxes();
    if (const std::optional<DayBox> bad = firstBadBox(boxes)) {
        refuse(*bad, badBoxMessage(*bad));
        return;
    }
    tellWrite(platform_, book_.storeDay(day_, boxes), told_);
    accept();
}

void DayEntryDialog::computeWorkedTime()
{
    const WorkedTime computed = zentak::computeWorkedTime(startTimeBox_->text(), endTimeBox_->text(),
                                                          breakRules(book_.settings()));
    if (computed.failure != WorkedTime::Failure::None) {
        const DayBox bad = computed.failure == WorkedTime::Failure::Start ? DayBox::Start : DayBox::End;
        refuse(bad, badBoxMessage(bad));
        return;
    }
    workedTimeBox_->setText(computed.worked);
    attendanceBox_->setText(computed.attendance);
}

void DayEntryDialog::markDay(LeaveKind kind)
{
    if (kind == LeaveKind::Cancelled && !ask(platform_, cancelDayQuestion()))
        return;
    const std::variant<Refusal, WriteReport> outcome = book_.markDay(day_, kind, noteBox_->storedText());
    if (const Refusal *refusal = std::get_if<Refusal>(&outcome)) {
        tell(platform_, leaveShortfallMessage(refusal->shortfall), MsgIcon::Information);
        return;
    }
    tellWrite(platform_, std::get<WriteReport>(outcome), told_);
    accept();
}

} // namespace zentak
