#include "mainwindow.h"

#include "appstate.h"
#include "busypointer.h"
#include "calendarmath.h"
#include "calendarpanel.h"
#include "centerform.h"
#include "dayentrydialog.h"
#include "daylabel.h"
#include "fixedtext.h"
#include "formdialog.h"
#include "menucommands.h"
#include "monthoutput.h"
#include "monthreport.h"
#include "numberformat.h"
#include "placementmath.h"
#include "platform.h"
#include "recordstore.h"
#include "settings.h"
#include "windowpos.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>

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

MainWindow::MainWindow(AppState &state, Platform &platform, RecordStore &store)
    : state_(state), platform_(platform), store_(store)
{
    setObjectName(QStringLiteral("Form1"));
    scale_ = screenScale(platform_);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    auto *line1 = new QFrame(client);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setAutoFillBackground(true);
    QPalette white = line1->palette();
    white.setColor(QPalette::Window, Qt::white);
    line1->setPalette(white);
    line1->setGeometry(0, 0, scale_.px(690), 1);

    buildSummaryStrip(client);

    command2_ = new QPushButton(QStringLiteral("退社"), client);
    command2_->setObjectName(QStringLiteral("Command2"));
    placeTwips(command2_, scale_, 2160, 120, 520, 350);
    connect(command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);

    calendar_ = new CalendarPanel(state_, platform_, scale_, client);
    placeTwips(calendar_, scale_, 150, 615, 2535, 2655);
    calendar_->setAfterNavigation([this] { Monthsum(); });
    connect(calendar_, &CalendarPanel::dayClicked, this, &MainWindow::lblDay_Click);
    connect(calendar_->command3(), &QPushButton::clicked, this, &MainWindow::Command3_Click);

    buildMenu();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::buildMenu()
{
    menu_ = new MenuCommands(state_, platform_, store_, this);
    connect(menu_, &MenuCommands::exitChosen, this, &MainWindow::MNUFILEEXIT_Click);
}

void MainWindow::buildSummaryStrip(QWidget *client)
{
    const QColor yellow(0xFF, 0xFF, 0xC0);
    auto caption = [&](const char *name, const QString &text, bool tinted, double l, double w) {
        auto *label = new QLabel(text, client);
        label->setObjectName(QLatin1String(name));
        if (tinted) {
            label->setAutoFillBackground(true);
            QPalette p = label->palette();
            p.setColor(QPalette::Window, yellow);
            label->setPalette(p);
        }
        placeTwips(label, scale_, l, 75, w, 195);
    };
    caption("Label3", QStringLiteral("稼動時間"), false, 150, 720);
    caption("Label4", QStringLiteral("日数"), true, 1080, 360);
    caption("Label6", QStringLiteral("有給"), true, 1635, 360);

    QFont valueFont = font();
    valueFont.setPointSizeF(9.75);
    auto value = [&](const char *name, double l, double w) {
        auto *label = new QLabel(client);
        label->setObjectName(QLatin1String(name));
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFont(valueFont);
        label->setAutoFillBackground(true);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Base));
        label->setPalette(p);
        placeTwips(label, scale_, l, 300, w, 240);
        return label;
    };
    msum_ = value("msum", 165, 720);
    kensu_ = value("kensu", 960, 495);
    zan_ = value("zan", 1530, 495);
}

void MainWindow::Form_Load()
{
    state_.dataChanged = false;
    state_.clockOutMode = false;
    state_.summaryStale = false;
    state_.calendarStale = false;

    state_.messageTitle = kProductTitle + kVersionText;
    setWindowTitle(state_.messageTitle);

    state_.settings = iniload(platform_);

    posload();

    const int clientWidth = qMax(scale_.px(kWindowWidth) - kFrameWidth, scale_.px(2700));
    const int clientHeight = qMax(scale_.py(kWindowHeight) - kFrameHeight,
                                  menuBar()->sizeHint().height() + scale_.py(3270) + 2);
    setFixedSize(clientWidth, clientHeight);
    const QSize outer(clientWidth + kFrameWidth, clientHeight + kFrameHeight);
    move(reachablePosition(QPoint(scale_.px(startLeft_), scale_.py(startTop_)), outer,
                           platform_.screens()));

    allread();

    const QDate today = platform_.today();
    calendar_->setDisplayedMonth(today.year(), today.month());
    calendar_->Calinit();
    calendar_->Caldraw(calendar_->displayedYear(), calendar_->displayedMonth());
    Monthsum();
}

void MainWindow::posload()
{
    const QString ppos = platform_.readSetting(kStoreApp, kSectionForm, kKeyPos, kDefaultPos);
    const SavedPos pos = parsePos(ppos);
    startLeft_ = pos.left;
    startTop_ = pos.top;
}

void MainWindow::allread()
{
    store_.load();
}

void MainWindow::Monthsum()
{
    MonthResult totals;
    {
        BusyPointer busy;
        totals = Monthout(state_.table, calendar_->displayedYear(), calendar_->displayedMonth(),
                          u"0", state_.settings);
    }
    msum_->setText(formatNumber(totals.MonthHours, u"##0.00"));
    if (!isBlank(state_.settings.Yukyu))
        zan_->setText(state_.settings.Yukyu);
    kensu_->setText(formatNumber(totals.MonthDays, u"0.0"));
    emit summaryComputed();
}

void MainWindow::Command3_Click()
{
    runMonthOutput(state_, platform_, calendar_->displayedYear(), calendar_->displayedMonth());
}

void MainWindow::Form_Activate()
{
    if (state_.summaryStale) {
        Monthsum();
        state_.summaryStale = false;
    }
    if (state_.calendarStale) {
        calendar_->redrawDisplayed();
        state_.calendarStale = false;
    }
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Shown again by a dialog that closed; a restore by the window system
    // is spontaneous and does not count.
    if (!event->spontaneous())
        Form_Activate();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this && isVisible() && !shutDown_) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_X) {
            MNUFILEEXIT_Click();
            return true;
        }
        if (key == Qt::Key_S) {
            MNUFILESET_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::MNUFILEEXIT_Click()
{
    close();
}

void MainWindow::MNUFILESET_Click()
{
    menu_->MNUFILESET_Click();
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

void MainWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

QRect MainWindow::restoredFrameRect() const
{
    const QRect client = (isMinimized() || isMaximized() || isFullScreen()) ? normalGeometry()
                                                                           : geometry();
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const int left = inner.x() - frame.x();
    const int top = inner.y() - frame.y();
    const int right = frame.right() - inner.right();
    const int bottom = frame.bottom() - inner.bottom();
    return client.adjusted(-left, -top, right, bottom);
}

void MainWindow::Form_Unload()
{
    if (shutDown_)
        return;
    shutDown_ = true;

    const QRect r = restoredFrameRect();
    const long long left = static_cast<long long>(r.x() * scale_.x);
    const long long top = static_cast<long long>(r.y() * scale_.y);
    const long long width = static_cast<long long>(r.width() * scale_.x);
    const long long height = static_cast<long long>(r.height() * scale_.y);
    if (!platform_.writeSetting(kStoreApp, kSectionForm, kKeyPos, formatPos(left, top, width, height)))
        store_.tellSettingsNotSaved();

    platform_.sleepMs(300);

    store_.saveAtExit();
    emit ended();
}

void MainWindow::lblDay_Click(int index)
{
    DayLabel *cell = calendar_->dayLabel(index);
    if (!cell || cell->text().isEmpty())
        return;
    const int year = calendar_->displayedYear();
    const int month = calendar_->displayedMonth();
    const int day = cell->text().toInt();
    state_.editDay.date = QStringLiteral("%1/%2/%3")
                              .arg(year)
                              .arg(month, 2, 10, QLatin1Char('0'))
                              .arg(day, 2, 10, QLatin1Char('0'));
    state_.editDay.week = weekdayKanji(weekdayOf(year, month, day));
    state_.cursor = {yearSlot(year), month, day};
    state_.editLabelIndex = index;
    openDayEntry();
}

void MainWindow::Command2_Click()
{
    const QDate today = platform_.today();
    state_.editDay.date = today.toString(QStringLiteral("yyyy/MM/dd"));
    state_.editDay.week = weekdayKanji(today.dayOfWeek() % 7);
    state_.cursor = {yearSlot(today.year()), today.month(), today.day()};
    // The cell that shows today, or none when another month is shown: the
    // label of that month must not take today's colour.
    const bool todayShown = calendar_->displayedYear() == today.year()
                            && calendar_->displayedMonth() == today.month();
    state_.editLabelIndex = todayShown ? state_.todayLabelIndex : -1;
    state_.clockOutMode = true;
    openDayEntry();
}

void MainWindow::openDayEntry()
{
    auto *dialog = new DayEntryDialog(state_, platform_, store_, *calendar_, this);
    openForm(dialog, this, platform_);
    emit dayEntryOpened(dialog);
}

} // namespace zentak
