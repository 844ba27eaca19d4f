#include "maintenancedialog.h"

#include "appstate.h"
#include "busypointer.h"
#include "maintenancerules.h"
#include "monthoutput.h"
#include "monthreport.h"
#include "platform.h"
#include "recordstore.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace zentak {

namespace {

// Top of the first month row; each row is 300 twips below the one before.
constexpr double kFirstRow = 480;
constexpr double kRowStep = 300;

} // namespace

MaintenanceDialog::MaintenanceDialog(AppState &state, Platform &platform, RecordStore &store,
                                     QWidget *mainWindow, QWidget *parent)
    : FormDialog(platform, mainWindow, parent), state_(state), store_(store)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Zentakの整備"));
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0xC0, 0xFF, 0xC0));
    setPalette(green);
    setClientTwips(2160, 4125);
    build();
}

void MaintenanceDialog::build()
{
    tyear_ = new QComboBox(this);
    tyear_->setObjectName(QStringLiteral("Tyear"));
    tyear_->setEditable(false);
    // A narrow arrow, so that the four digits of the year fit in the box.
    tyear_->setStyleSheet(QStringLiteral("QComboBox { padding-left: 3px; padding-right: 0px; }"
                                         "QComboBox::drop-down { width: 13px; }"));
    placeTwips(tyear_, 75, 45, 705, 330);

    auto *label2 = new QLabel(QStringLiteral("年"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    moveTwips(label2, 795, 105);

    auto button = [this](const char *name, const QString &text, double l, double t, double w, double h) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        placeTwips(b, l, t, w, h);
        return b;
    };
    QPushButton *command2 = button("Command2", QStringLiteral("戻る"), 1005, 45, 510, 330);
    QPushButton *delcmd = button("delcmd", QStringLiteral("削除"), 1590, 45, 510, 330);

    static const char *const labelNames[13] = {nullptr,   "Label1", "Label11", "Label10", "Label9",
                                               "Label8",  "Label7", "Label3",  "Label4",  "Label5",
                                               "Label6",  "Label12", "Label13"};
    for (int m = 1; m <= 12; ++m) {
        const double top = kFirstRow + kRowStep * (m - 1);
        auto *name = new QLabel(QStringLiteral("%1月").arg(m), this);
        name->setObjectName(QLatin1String(labelNames[m]));
        placeTwips(name, 90, top, 420, 255);

        tmonth_[m] = new QLabel(this);
        tmonth_[m]->setObjectName(QStringLiteral("tmonth_%1").arg(m));
        tmonth_[m]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeTwips(tmonth_[m], m == 1 ? 585 : 570, top, 540, 255);

        prtcmd_[m] = button(qPrintable(QStringLiteral("prtcmd_%1").arg(m)),
                            QStringLiteral("%1月出力").arg(m), 1215, top - 45, 870, 300);
        connect(prtcmd_[m], &QPushButton::clicked, this, [this, m] { prtcmd_Click(m); });
    }

    connect(command2, &QPushButton::clicked, this, &MaintenanceDialog::Command2_Click);
    connect(delcmd, &QPushButton::clicked, this, &MaintenanceDialog::delcmd_Click);
}

void MaintenanceDialog::fillControls()
{
    tyear_->addItems(yearChoices(platform_.today().year()));
    // Choosing a year shows its totals; the first choice is made here, so
    // the totals are there before the dialog shows.
    connect(tyear_, &QComboBox::currentIndexChanged, this, &MaintenanceDialog::Tukis);
    tyear_->setCurrentIndex(-1);
    tyear_->setCurrentIndex(3);
}

int MaintenanceDialog::chosenYear() const
{
    return tyear_->currentText().toInt();
}

void MaintenanceDialog::Tukis()
{
    BusyPointer busy;
    const int year = chosenYear();
    for (int m = 1; m <= 12; ++m)
        tmonth_[m]->setText(QStringLiteral("0"));
    for (int m = 1; m <= 12; ++m) {
        const MonthResult totals = Monthout(state_.table, year, m, u"0", state_.settings);
        tmonth_[m]->setText(monthTotalText(totals.MonthHours));
        prtcmd_[m]->setEnabled(outputEnabled(tmonth_[m]->text()));
    }
}

void MaintenanceDialog::prtcmd_Click(int month)
{
    runMonthOutput(state_, platform_, chosenYear(), month);
}

void MaintenanceDialog::delcmd_Click()
{
    if (platform_.messageBox(QStringLiteral("勤怠を削除しますか？"), state_.messageTitle,
                             MsgButtons::YesNo, MsgIcon::Question)
        != MsgAnswer::Yes)
        return;
    RecordStore::Erasure erasure;
    {
        BusyPointer busy;
        // The file as it was is kept beside it, and the erasure has reached
        // the file, before the user is told it is done.
        erasure = store_.eraseYear(chosenYear());
    }
    Tukis();
    if (!erasure.erased) {
        platform_.messageBox(erasure.error, state_.messageTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    QString done = QStringLiteral("削除完了！");
    if (!erasure.keptCopy.isEmpty())
        done += QStringLiteral("\n（削除前の記録: %1）").arg(QDir::toNativeSeparators(erasure.keptCopy));
    platform_.messageBox(done, state_.messageTitle, MsgButtons::Ok, MsgIcon::Information);
}

void MaintenanceDialog::Command2_Click()
{
    reject();
}

} // namespace zentak
