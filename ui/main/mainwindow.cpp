#include "mainwindow.h"

#include "afterfirstframe.h"
#include "attendancebook.h"
#include "calendarpanel.h"
#include "centerform.h"
#include "daywatch.h"
#include "endofdayreminder.h"
#include "grantmessages.h"
#include "keyactions.h"
#include "menucommands.h"
#include "messages.h"
#include "monthoutput.h"
#include "monthsummary.h"
#include "overtimefigure.h"
#include "placementmath.h"
#include "timesheetoutput.h"
#include "unrecordedfigure.h"
#include "windowtexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace zentak {

namespace {

// The window is always this size, whatever position was saved (twips).
constexpr double kWindowWidth = 2900;
constexpr double kWindowHeight = 4050;
// What the window system adds around the client area, as a first guess
// before the window is shown (pixels).
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 31;

} // namespace

MainWindow::MainWindow(AttendanceBook &book, Platform &platform)
    : book_(book), platform_(platform), scale_(screenScale(platform))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kMessageTitle);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    menuBar_ = new QMenuBar(this);
    // The menu bar is laid out as a main window lays out its own: across
    // the top, as tall as it needs at the window's width.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(client);

    summary_ = new MonthSummary(book_, scale_, client);
    clockOutButton_ = buildControls(client, {{"Command2", ControlKind::Button, "退社", 2160, 120, 520, 350}}, scale_)
                          .get<QPushButton>("Command2");
    connect(clockOutButton_, &QPushButton::clicked, this, &MainWindow::clockOut);

    calendar_ = new CalendarPanel(book_, platform_, scale_, client);
    placeTwips(calendar_, scale_, 150, 615, 2535, 2655);
    connect(calendar_, &CalendarPanel::dayChosen, this, &MainWindow::openDay);
    connect(calendar_, &CalendarPanel::monthShown, summary_, &MonthSummary::showMonth);
    overtime_ = new OvertimeFigure(book_, scale_, calendar_);
    connect(calendar_, &CalendarPanel::monthShown, overtime_, &OvertimeFigure::showMonth);
    auto *unrecorded = new UnrecordedFigure(book_, platform_, scale_, client);
    connect(calendar_, &CalendarPanel::monthShown, unrecorded, &UnrecordedFigure::showMonth);
    connect(calendar_->reportButton(), &QPushButton::clicked, this, &MainWindow::writeShownMonthReport);
    // The calendar's keys work from the start.
    calendar_->setFocus();

    menu_ = new MenuCommands(book_, platform_, told_, this, menuBar_);
    connect(menu_, &MenuCommands::exitChosen, this, &MainWindow::close);
    connect(menu_, &MenuCommands::csvChosen, this, &MainWindow::writeShownMonthCsv);
    connect(menu_, &MenuCommands::timesheetChosen, this, &MainWindow::writeShownMonthTimesheet);
    keys_ = new KeyActions(book_, this);
    connect(keys_->exit(), &QAction::triggered, this, &MainWindow::close);
    connect(keys_->settings(), &QAction::triggered, menu_, &MenuCommands::openSettings);
    connect(keys_->undo(), &QAction::triggered, this, &MainWindow::takeBackLastChange);
    connect(keys_->redo(), &QAction::triggered, this, &MainWindow::doAgain);

    // The date and the end of the working day, followed once the start is
    // finished.
    dayWatch_ = new DayWatch(platform_, this);
    reminder_ = new EndOfDayReminder(book_, platform_, this);
    connect(dayWatch_, &DayWatch::dateChanged, calendar_, &CalendarPanel::drawMonth);
    connect(dayWatch_, &DayWatch::dateChanged, unrecorded, &UnrecordedFigure::refresh);
    connect(dayWatch_, &DayWatch::dateChanged, reminder_, &EndOfDayReminder::lookNow);
    connect(dayWatch_, &DayWatch::dateChanged, this, &MainWindow::offerDueGrants);
    connect(reminder_, &EndOfDayReminder::clockOutChosen, this, &MainWindow::clockOutFromReminder);
}

void MainWindow::takeBackLastChange()
{
    const Change *next = book_.changeToTakeBack();
    if (next && next->kind == ChangeKind::YearErased
        && !ask(platform_, undoErasureQuestion(next->year)))
        return;
    showChangedMonth(book_.takeBackLastChange());
}

void MainWindow::doAgain()
{
    showChangedMonth(book_.doAgain());
}

void MainWindow::showChangedMonth(const UndoReport &report)
{
    // The user sees what came back (or went again), framed.
    if (report.outcome == UndoReport::Outcome::Done && report.day.isValid())
        calendar_->frameDay(report.day);
    tellUndo(platform_, report, told_);
}

void MainWindow::startUp()
{
    const YearMonth thisMonth = yearMonthOf(platform_.today());
    book_.readAhead(thisMonth);
    restorePosition();
    calendar_->showMonth(thisMonth);
    afterFirstFrame(this, [this] { finishStartUp(); });
}

void MainWindow::finishStartUp()
{
    const StartReport found = book_.load();
    summary_->startFinished();
    tellLoad(platform_, found);
    dayWatch_->start();
    reminder_->start();
    offerDueGrants();
}

void MainWindow::clockOutFromReminder()
{
    // An open dialog comes forward as it is; else the day of the clock-out.
    const bool dialogOpen = FormDialog::openDialog();
    bringForward();
    if (!dialogOpen)
        clockOut();
}

void MainWindow::offerDueGrants()
{
    // A question waits for its answer in an event loop of its own: a date
    // change meanwhile is taken by the offers under way.
    if (offeringGrants_)
        return;
    // Not over an open dialog, whose 保存 would then overwrite what the
    // answer gave: once the window is back.
    grantsWaiting_ = FormDialog::openDialog() != nullptr;
    if (grantsWaiting_)
        return;
    const QScopedValueRollback offering(offeringGrants_, true);
    WriteReport settled;
    settled.settingsSaved = book_.settleGrantHandled();
    tellWrite(platform_, settled, told_);
    while (const std::optional<GrantOffer> offer = book_.dueGrant()) {
        if (!ask(platform_, grantQuestion(*offer))) {
            tellWrite(platform_, book_.declineDueGrant(), told_);
            continue;
        }
        const std::variant<GrantTooLarge, WriteReport> taken = book_.takeDueGrant();
        if (const auto *tooLarge = std::get_if<GrantTooLarge>(&taken)) {
            // Nothing changed: the grant is offered again the next time.
            tell(platform_, grantTooLargeMessage(tooLarge->balance), MsgIcon::Exclamation);
            break;
        }
        tellWrite(platform_, std::get<WriteReport>(taken), told_);
    }
    // The grant in force may have moved with the date; the month's totals
    // have not (and totalling them would show the busy pointer, whose
    // animated image costs memory at every start).
    summary_->showFiveDays();
}

void MainWindow::restorePosition()
{
    const SavedPos saved = parsePos(book_.savedWindowPosition());
    // Wide enough for the menu bar's commands in one row; the controls keep
    // their places.
    const int clientWidth =
        std::max({scale_.px(kWindowWidth) - kFrameWidth, scale_.px(2700), menuBar()->sizeHint().width()});
    const int clientHeight = qMax(scale_.py(kWindowHeight) - kFrameHeight,
                                  menuBar()->sizeHint().height() + scale_.py(3270) + 2);
    setFixedSize(clientWidth, clientHeight);
    const QSize outer(clientWidth + kFrameWidth, clientHeight + kFrameHeight);
    move(reachablePosition(QPoint(scale_.px(saved.left), scale_.py(saved.top)), outer,
                           platform_.screens()));
}

void MainWindow::writeShownMonthReport()
{
    const YearMonth shown = calendar_->shownMonth();
    writeAndOpenMonthReport(book_, platform_, shown.year, shown.month);
}

void MainWindow::writeShownMonthCsv()
{
    const YearMonth shown = calendar_->shownMonth();
    writeTimesheetCsv(book_, platform_, shown.year, shown.month);
}

void MainWindow::writeShownMonthTimesheet()
{
    const YearMonth shown = calendar_->shownMonth();
    writeAndOpenTimesheetPdf(book_, platform_, shown.year, shown.month);
}

void MainWindow::bringForward()
{
    // While a dialog is open the main window is hidden: the dialog is what
    // comes forward.
    QWidget *front = FormDialog::openDialog();
    if (!front)
        front = this;
    if (front->isMinimized())
        front->showNormal();
    front->raise();
    front->activateWindow();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (grantsWaiting_)
        QTimer::singleShot(0, this, &MainWindow::offerDueGrants);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    shutDown();
    event->accept();
}

QRect MainWindow::restoredFrameRect() const
{
    const QRect client = (isMinimized() || isMaximized() || isFullScreen()) ? normalGeometry()
                                                                           : geometry();
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    return client.adjusted(frame.x() - inner.x(), frame.y() - inner.y(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
}

void MainWindow::shutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;

    const QRect r = restoredFrameRect();
    tellWrite(platform_, book_.saveWindowPosition(formatPos(
                             static_cast<long long>(r.x() * scale_.x), static_cast<long long>(r.y() * scale_.y),
                             static_cast<long long>(r.width() * scale_.x),
                             static_cast<long long>(r.height() * scale_.y))),
              told_);
    platform_.sleepMs(300);
    tellWrite(platform_, book_.saveAtExit(), told_, WriteMoment::AtExit);
    emit ended();
}

void MainWindow::openDay(QDate day)
{
    openDayEntry(day, DayEntryDialog::Opening::Day);
}

void MainWindow::clockOut()
{
    openDayEntry(platform_.today(), DayEntryDialog::Opening::ClockOut);
}

void MainWindow::openDayEntry(QDate day, DayEntryDialog::Opening opening)
{
    openForm(new DayEntryDialog(book_, platform_, told_, day, opening, this), this, platform_);
}

} // namespace zentak
