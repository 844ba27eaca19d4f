#include "maintenancedialog.h"

#include "attendancebook.h"
#include "busypointer.h"
#include "maintenancerules.h"
#include "messages.h"
#include "monthoutput.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace zentak {

namespace {

// The twelve month rows, 300 twips apart from the first at 480: the month's
// name (which names its total), its total, its output button.
std::vector<ControlSpec> controlTable()
{
    static const char *const monthLabels[13] = {nullptr,  "Label1",  "Label11", "Label10", "Label9",
                                                "Label8", "Label7",  "Label3",  "Label4",  "Label5",
                                                "Label6", "Label12", "Label13"};
    using K = ControlKind;
    std::vector<ControlSpec> table = {
        {"Tyear", K::ComboBox, "", 75, 45, 705, 330},
        labelOf({"Tyear"}, {"Label2", K::Label, "年", 795, 105}),
        {"Command2", K::Button, "戻る", 1005, 45, 510, 330},
        {"delcmd", K::Button, "削除", 1590, 45, 510, 330},
    };
    for (int m = 1; m <= 12; ++m) {
        const double top = 480 + 300 * (m - 1);
        table.push_back(labelOf({QStringLiteral("tmonth_%1").arg(m)},
                                {monthLabels[m], K::Label, QStringLiteral("%1月").arg(m), 90, top, 420, 255}));
        table.push_back({QStringLiteral("tmonth_%1").arg(m), K::Label, "", m == 1 ? 585.0 : 570.0, top,
                         540, 255, 0, RightAligned});
        table.push_back({QStringLiteral("prtcmd_%1").arg(m), K::Button, QStringLiteral("%1月出力").arg(m),
                         1215, top - 45, 870, 300});
    }
    return table;
}

} // namespace

MaintenanceDialog::MaintenanceDialog(AttendanceBook &book, Platform &platform, ToldOnce &told,
                                     QWidget *mainWindow, QWidget *parent)
    : FormDialog(platform, mainWindow, parent), book_(book), told_(told)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Zentakの整備"));
    setBackground(this, QColor(0xC0, 0xFF, 0xC0));
    setClientTwips(2160, 4125);
    const BuiltControls built = buildForm(controlTable());
    yearList_ = built.get<QComboBox>("Tyear");
    // A narrow arrow, so that the four digits of the year fit in the box.
    yearList_->setStyleSheet(QStringLiteral("QComboBox { padding-left: 3px; padding-right: 0px; }"
                                            "QComboBox::drop-down { width: 13px; }"));
    connect(built.get<QPushButton>("Command2"), &QPushButton::clicked, this, &MaintenanceDialog::reject);
    connect(built.get<QPushButton>("delcmd"), &QPushButton::clicked, this, &MaintenanceDialog::eraseChosenYear);
    for (int m = 1; m <= 12; ++m) {
        monthTotals_[m - 1] = built.get<QLabel>(QStringLiteral("tmonth_%1").arg(m));
        monthReportButtons_[m - 1] = built.get<QPushButton>(QStringLiteral("prtcmd_%1").arg(m));
        connect(monthReportButtons_[m - 1], &QPushButton::clicked, this, [this, m] { writeMonthReport(m); });
    }
}

void MaintenanceDialog::fillControls()
{
    const int thisYear = platform_.today().year();
    const QStringList years = yearChoices(thisYear, book_.recordedYears());
    yearList_->addItems(years);
    // Choosing a year shows its totals; the first choice is made here, so
    // the totals are there before the dialog shows.
    connect(yearList_, &QComboBox::currentIndexChanged, this, &MaintenanceDialog::showYearTotals);
    yearList_->setCurrentIndex(-1);
    yearList_->setCurrentIndex(int(years.indexOf(QString::number(thisYear))));
}

int MaintenanceDialog::chosenYear() const
{
    return yearList_->currentText().toInt();
}

void MaintenanceDialog::showYearTotals()
{
    BusyPointer busy;
    const int year = chosenYear();
    for (int m = 1; m <= 12; ++m) {
        showFigure(monthTotalLabel(m), monthTotalText(book_.monthTotals(year, m).hours));
        monthReportButton(m)->setEnabled(outputEnabled(monthTotalLabel(m)->text()));
    }
}

void MaintenanceDialog::writeMonthReport(int month)
{
    writeAndOpenMonthReport(book_, platform_, chosenYear(), month);
}

void MaintenanceDialog::eraseChosenYear()
{
    if (!ask(platform_, eraseYearQuestion(chosenYear())))
        return;
    ErasureReport erasure;
    {
        BusyPointer busy;
        // The file as it was is kept beside it, and the erasure has reached
        // the file, before the user is told it is done.
        erasure = book_.eraseYear(chosenYear());
    }
    showYearTotals();
    tellErasure(platform_, erasure, told_);
}

} // namespace zentak
