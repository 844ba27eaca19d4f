#pragma once
// The main window (Form1): start-up and shutdown, the calendar, the month
// summary strip, the clock-out button and the menu.

#include "twips.h"

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace zentak {

struct AppState;
class Platform;
class RecordStore;
class CalendarPanel;
class MenuCommands;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState &state, Platform &platform, RecordStore &store);
    ~MainWindow() override;

    // The start-up after the single-instance check: flags, caption, settings,
    // position, records, the shown month, the calendar and the summary.
    void Form_Load();
    void posload();
    void allread();
    void Monthsum();
    void Form_Activate();
    // The shutdown; runs once, whichever way the program is left.
    void Form_Unload();

    CalendarPanel *calendar() const { return calendar_; }
    QPushButton *command2() const { return command2_; }
    MenuCommands *menu() const { return menu_; }
    const TwipScale &scale() const { return scale_; }
    // Left and top in twips that the start-up moved the window to.
    int startLeft() const { return startLeft_; }
    int startTop() const { return startTop_; }
    bool hasShutDown() const { return shutDown_; }

public slots:
    void lblDay_Click(int index);
    void Command2_Click();
    // "出力": the report of the shown month, written and opened.
    void Command3_Click();
    void MNUFILEEXIT_Click();
    void MNUFILESET_Click();
    // A second start asked this instance to come forward.
    void bringForward();

signals:
    // Monthsum ran (the strip is refreshed from the table).
    void summaryComputed();
    // The day entry dialog was opened (for tests and the shell).
    void dayEntryOpened(QWidget *dialog);
    // The shutdown has finished; the program ends.
    void ended();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();
    void buildSummaryStrip(QWidget *client);
    void openDayEntry();
    QRect restoredFrameRect() const;

    AppState &state_;
    Platform &platform_;
    RecordStore &store_;
    TwipScale scale_;
    CalendarPanel *calendar_ = nullptr;
    MenuCommands *menu_ = nullptr;
    QPushButton *command2_ = nullptr;
    QLabel *msum_ = nullptr;
    QLabel *kensu_ = nullptr;
    QLabel *zan_ = nullptr;
    int startLeft_ = 0;
    int startTop_ = 0;
    bool shutDown_ = false;
};

} // namespace zentak
