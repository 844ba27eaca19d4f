// The maintenance dialog opened from the real main window: the year's month
// totals, the month outputs, and the deletion of a year with the data file
// kept beside it.

#include "maintenancedialog.h"
#include "programtest.h"

#include <QComboBox>
#include <QPointer>

using namespace zentak;
using namespace zentak::story;

namespace {

QString record(const QString &date, const QString &kintai, const QString &note = QStringLiteral("作業"))
{
    return QStringLiteral("\"%1\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"%2\",\"%3\"\r\n").arg(date, kintai, note);
}

QString monthOf(int year, int month, int days, const QString &kintai)
{
    QString s;
    for (int d = 1; d <= days; ++d)
        s += record(QStringLiteral("%1/%2/%3").arg(year).arg(month, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0')),
                    kintai);
    return s;
}

} // namespace

class TestMaintenance : public ProgramTest {
    Q_OBJECT
private slots:
    void opensOnTheCurrentYearByAltE();
    void monthTotals_data();
    void monthTotals();
    void yearsThreeApartShowTheirOwnTotals();
    void outputButtonWritesItsMonth();
    void deletionAnsweredNoChangesNothing();
    void deletingAYearErasesItAloneAndKeepsTheFile();
    void deletingAYearWithoutRecordsStillAsksAndWrites();

private:
    void start(const QString &data = QString());
    MaintenanceDialog *open();
    void choose(int year) { dlg_->yearList()->setCurrentText(QString::number(year)); }

    const AttendanceBook *book_ = nullptr;
    QPointer<MaintenanceDialog> dlg_;
};

void TestMaintenance::start(const QString &data)
{
    if (!data.isEmpty())
        writeData(data);
    startWindow();
    book_ = program_->book.get();
}

MaintenanceDialog *TestMaintenance::open()
{
    dlg_ = program_->choose<MaintenanceDialog>("MNUFILEDIT");
    return dlg_;
}

void TestMaintenance::opensOnTheCurrentYearByAltE()
{
    start(monthOf(2026, 5, 3, QStringLiteral("08.00")));
    QTest::keyClick(w_, Qt::Key_E, Qt::AltModifier);
    dlg_ = Program::openDialog<MaintenanceDialog>();
    QVERIFY(dlg_);
    QCOMPARE(dlg_->windowTitle(), QStringLiteral("Zentakの整備"));
    QVERIFY(!w_->isVisible());
    QStringList years;
    for (int i = 0; i < dlg_->yearList()->count(); ++i)
        years << dlg_->yearList()->itemText(i);
    QCOMPARE(years, QStringList({"2023", "2024", "2025", "2026", "2027", "2028", "2029"}));
    QCOMPARE(dlg_->yearList()->currentText(), QStringLiteral("2026"));
    QVERIFY(!dlg_->yearList()->isEditable());
    QCOMPARE(dlg_->monthTotalLabel(5)->text(), QStringLiteral("24.00"));
    QCOMPARE(dlg_->monthTotalLabel(4)->text(), QStringLiteral("0.00"));
    QVERIFY(dlg_->monthReportButton(5)->isEnabled());
    QVERIFY(!dlg_->monthReportButton(4)->isEnabled());
    QCOMPARE(dlg_->monthReportButton(12)->text(), QStringLiteral("12月出力"));

    QTest::mouseClick(dlg_->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dlg_.isNull());
    QVERIFY(w_->isVisible());
    QVERIFY(p_->boxes.isEmpty());
}

void TestMaintenance::monthTotals_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("leave days only")
        << record("2026/03/02", "00.00", "有給休暇（１日）") + record("2026/03/03", "00.00", "休日")
        << "0.00" << false;
    QTest::newRow("1234.5 hours") << monthOf(2026, 3, 12, "99.75") + record("2026/03/20", "37.50")
                                  << "1,234.50" << true;
    QTest::newRow("a quarter hour") << record("2026/03/02", "00.25") << "0.25" << true;
}

void TestMaintenance::monthTotals()
{
    QFETCH(QString, data);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);
    start(data);
    QVERIFY(open());
    QCOMPARE(dlg_->monthTotalLabel(3)->text(), shown);
    QCOMPARE(dlg_->monthReportButton(3)->isEnabled(), enabled);
}

void TestMaintenance::yearsThreeApartShowTheirOwnTotals()
{
    start(monthOf(2026, 7, 2, "08.00") + monthOf(2023, 7, 1, "08.00") + monthOf(2011, 7, 1, "04.00"));
    QVERIFY(open());
    // Every year with records and three either side of this one, this one chosen.
    QStringList years;
    for (int i = 0; i < dlg_->yearList()->count(); ++i)
        years << dlg_->yearList()->itemText(i);
    QCOMPARE(years.join(u' '), QStringLiteral("2011 2023 2024 2025 2026 2027 2028 2029"));
    QCOMPARE(dlg_->yearList()->currentText(), QStringLiteral("2026"));
    for (const auto &[year, total] : {std::pair(2026, "16.00"), {2023, "8.00"}, {2029, "0.00"}, {2011, "4.00"}}) {
        choose(year);
        QCOMPARE(dlg_->monthTotalLabel(7)->text(), QString::fromLatin1(total));
        QCOMPARE(dlg_->monthReportButton(7)->isEnabled(), year != 2029);
    }
}

void TestMaintenance::outputButtonWritesItsMonth()
{
    start(monthOf(2026, 7, 2, "08.00"));
    p_->associations.insert(QStringLiteral("txt"), QStringLiteral("/usr/bin/editor"));
    QVERIFY(open());
    choose(2026);
    QTest::mouseClick(dlg_->monthReportButton(7), Qt::LeftButton);
    const QByteArray report = readFile(path("202607.txt"));
    QVERIFY(report.contains("\"2026/07/01\""));
    QVERIFY(report.contains("\"2026/07/02\""));
    QCOMPARE(p_->started.size(), 1);
    QCOMPARE(p_->started[0].arguments, QStringList{path("202607.txt")});
    QVERIFY(dlg_->isVisible());
}

void TestMaintenance::deletionAnsweredNoChangesNothing()
{
    const QString data = monthOf(2026, 12, 3, "08.00");
    start(data);
    QVERIFY(open());
    p_->answers.enqueue(MsgAnswer::No);
    QTest::mouseClick(dlg_->findChild<QPushButton *>(QStringLiteral("delcmd")), Qt::LeftButton);
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(p_->boxes[0].text, QStringLiteral("2026年の勤怠を削除しますか？"));
    QCOMPARE(p_->boxes[0].icon, MsgIcon::Question);
    QCOMPARE(p_->boxes[0].buttons, MsgButtons::YesNo);
    QCOMPARE(dlg_->monthTotalLabel(12)->text(), QStringLiteral("24.00"));
    QVERIFY(book_->record(QDate(2026, 12, 1)).inUse());
    QCOMPARE(readFile(path("Zentak.txt")), sjis(data));
    QVERIFY(!QFile::exists(path("Zentak.txt.bak")));
}

void TestMaintenance::deletingAYearErasesItAloneAndKeepsTheFile()
{
    const QString other = monthOf(2025, 12, 2, "07.00") + monthOf(2024, 12, 1, "06.00") + monthOf(2023, 12, 1, "05.00");
    const QString data = monthOf(2026, 12, 3, "08.00") + record("2026/12/05", "00.00", "有給休暇（１日）") + other;
    p_->store.insert(setKey("Yukyu"), QStringLiteral("10.0"));
    start(data);
    QCOMPARE(strip("msum"), QStringLiteral("24.00"));
    QVERIFY(open());
    choose(2026);
    p_->answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(dlg_->findChild<QPushButton *>(QStringLiteral("delcmd")), Qt::LeftButton);

    QCOMPARE(p_->boxes.size(), 2);
    QVERIFY(p_->boxes[1].text.startsWith(QStringLiteral("削除完了！")));
    QVERIFY(p_->boxes[1].text.contains(QStringLiteral("Zentak.txt.bak")));
    QCOMPARE(p_->boxes[1].icon, MsgIcon::Information);
    for (int m = 1; m <= 12; ++m) {
        QCOMPARE(dlg_->monthTotalLabel(m)->text(), QStringLiteral("0.00"));
        QVERIFY(!dlg_->monthReportButton(m)->isEnabled());
    }
    QCOMPARE(book_->settings().leaveBalance, QStringLiteral("10.0"));
    QVERIFY(book_->record(QDate(2025, 12, 1)).inUse());
    QVERIFY(book_->record(QDate(2024, 12, 1)).inUse());
    QVERIFY(book_->record(QDate(2023, 12, 1)).inUse());

    // The file as it was is kept beside it, and the change is in the file.
    QCOMPARE(readFile(path("Zentak.txt.bak")), sjis(data));
    const QByteArray written = readFile(path("Zentak.txt"));
    QVERIFY(!written.contains("2026/"));
    // Every other year's lines as they were, in the file's order.
    QCOMPARE(written, sjis(monthOf(2025, 12, 2, "07.00") + monthOf(2023, 12, 1, "05.00") + monthOf(2024, 12, 1, "06.00")));

    // Back in the main window: the month of the erased year is empty.
    QTest::mouseClick(dlg_->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(w_->isVisible());
    QCOMPARE(strip("msum"), QStringLiteral("0.00"));
    QCOMPARE(strip("kensu"), QStringLiteral("0.0"));
    for (int i = 0; i < 42; ++i)
        QVERIFY(!w_->calendar()->dayCell(i)->opaque());

    w_->close();
    const QByteArray atExit = readFile(path("Zentak.txt"));
    QVERIFY(!atExit.contains("2026/"));
    QCOMPARE(readFile(path("Zentak.txt.bak")), sjis(data));
}

void TestMaintenance::deletingAYearWithoutRecordsStillAsksAndWrites()
{
    start(monthOf(2026, 12, 1, "08.00"));
    QVERIFY(open());
    choose(2027);
    p_->answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(dlg_->findChild<QPushButton *>(QStringLiteral("delcmd")), Qt::LeftButton);
    QCOMPARE(p_->boxes.size(), 2);
    QVERIFY(p_->boxes[1].text.startsWith(QStringLiteral("削除完了！")));
    QVERIFY(p_->writes.contains(setKey("Yukyu")));
    QVERIFY(book_->record(QDate(2026, 12, 1)).inUse());
}

QTEST_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
