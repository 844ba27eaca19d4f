// A year erased in the maintenance dialog, and what the next start shows.

#include "program.h"

#include "maintenancedialog.h"

#include <QDir>
#include <QPushButton>

using namespace zentak;
using namespace zentak::story;

class TestYearDeletion : public QObject {
    Q_OBJECT
private slots:
    void yearErasedStaysErasedAfterARestart();
    void erasureThatCannotKeepTheFileIsRefused();
};

void TestYearDeletion::yearErasedStaysErasedAfterARestart()
{
    Program program;
    // Two weeks of December 2026 and a day of December 2025.
    QString data;
    for (int d = 1; d <= 14; ++d)
        data += QStringLiteral("\"2026/12/%1\",\"月\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"作業\"\r\n")
                    .arg(d, 2, 10, QLatin1Char('0'));
    data += QStringLiteral("\"2025/12/24\",\"水\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"去年\"\r\n");
    QVERIFY(writeFile(program.dataPath(), sjis(data)));
    program.platform.store.insert(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu")),
                                  QStringLiteral("05.0"));
    MainWindow &window = program.start();
    QCOMPARE(program.strip("msum"), QStringLiteral("112.00"));

    // The user opens the maintenance dialog, keeps this year, and erases it.
    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    auto *dialog = Program::openDialog<MaintenanceDialog>();
    QVERIFY(dialog);
    QCOMPARE(dialog->monthTotalLabel(12)->text(), QStringLiteral("112.00"));
    program.platform.answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("delcmd")), Qt::LeftButton);
    QCOMPARE(program.platform.boxes.last().text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("削除完了！"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);

    // Back in the calendar the month is empty.
    QVERIFY(window.isVisible());
    QCOMPARE(program.strip("msum"), QStringLiteral("0.00"));
    QCOMPARE(program.strip("kensu"), QStringLiteral("0.0"));
    QCOMPARE(program.strip("zan"), QStringLiteral("05.0"));
    for (int d = 1; d <= 31; ++d)
        QVERIFY(!program.cell(d)->opaque());
    program.exit();

    // The data file holds last year only; the file as it was is kept.
    QCOMPARE(readFile(program.dataPath()),
             sjis(QStringLiteral("\"2025/12/24\",\"水\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"去年\"\r\n")));
    QCOMPARE(readFile(program.dataPath() + QStringLiteral(".bak")), sjis(data));

    // The next start: this December is still empty, last December is not,
    // and the balance is what it was.
    program.stop();
    program.platform.boxes.clear();
    program.start();
    QVERIFY(program.platform.boxes.isEmpty());
    QCOMPARE(program.strip("msum"), QStringLiteral("0.00"));
    QCOMPARE(program.strip("zan"), QStringLiteral("05.0"));
    QTest::mouseClick(program.window->findChild<QPushButton *>(QStringLiteral("cmdPrevYear")), Qt::LeftButton);
    QCOMPARE(program.strip("msum"), QStringLiteral("8.00"));
    QVERIFY(program.cell(24)->opaque());
    QVERIFY(!program.cell(1)->opaque());
}

void TestYearDeletion::erasureThatCannotKeepTheFileIsRefused()
{
    Program program;
    const QByteArray data = sjis(QStringLiteral("\"2026/12/01\",\"火\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"作業\"\r\n"));
    QVERIFY(writeFile(program.dataPath(), data));
    QVERIFY(QFile::setPermissions(program.dataPath(), QFile::ReadOwner | QFile::WriteOwner));
    // Where the copy goes stands a folder: the copy cannot be made.
    QVERIFY(QDir(program.dir.path()).mkdir(QStringLiteral("Zentak.txt.bak")));
    MainWindow &window = program.start();
    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    auto *dialog = Program::openDialog<MaintenanceDialog>();
    QVERIFY(dialog);
    program.platform.answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("delcmd")), Qt::LeftButton);
    QCOMPARE(program.platform.boxes.size(), 2);
    QVERIFY(program.platform.boxes.last().text.startsWith(QStringLiteral("削除前の記録ファイルを残せないため、削除しませんでした。")));
    QCOMPARE(dialog->monthTotalLabel(12)->text(), QStringLiteral("8.00"));
    QCOMPARE(readFile(program.dataPath()), data);

    // Once the copy can be made it is as private as the data file.
    QVERIFY(QDir(program.dir.path()).rmdir(QStringLiteral("Zentak.txt.bak")));
    program.platform.answers.enqueue(MsgAnswer::Yes);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("delcmd")), Qt::LeftButton);
    QVERIFY(program.platform.boxes.last().text.startsWith(QStringLiteral("削除完了！")));
    QCOMPARE(readFile(program.dataPath()), QByteArray());
    QCOMPARE(QFile::permissions(program.dataPath() + QStringLiteral(".bak")),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

QTEST_MAIN(TestYearDeletion)
#include "tst_yeardeletion.moc"
