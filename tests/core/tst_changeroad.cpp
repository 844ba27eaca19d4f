// Every change to the records goes one road: one line into the journal,
// then one replacement of the data file, whatever the verb.

#include "attendancebook.h"
#include "filetexts.h"
#include "replacements.h"
#include "scriptedplatform.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zentak;
using test::readFile;

namespace {

const QDate kDay(2026, 12, 8);

DayBoxes worked(const QString &note)
{
    return {QStringLiteral("09:00"), QStringLiteral("18:00"), QStringLiteral("08:00"), QStringLiteral("08.00"), note};
}

} // namespace

class TestChangeRoad : public QObject {
    Q_OBJECT
private slots:
    void everyVerbJournalsOnceAndReplacesOnce_data();
    void everyVerbJournalsOnceAndReplacesOnce();
};

void TestChangeRoad::everyVerbJournalsOnceAndReplacesOnce_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QByteArray>("fileHolds"); // what the data file holds after it
    QTest::addColumn<QByteArray>("lineKind");  // the kind its journal line names, in code page 932
    QTest::newRow("a day stored") << "store" << test::sjis(QStringLiteral("\"三\"")) << test::sjis(QStringLiteral("\"保存\""));
    QTest::newRow("a day marked") << "mark" << test::sjis(QStringLiteral("有給休暇（１日）")) << test::sjis(QStringLiteral("\"有給\""));
    QTest::newRow("a year erased") << "erase" << QByteArray() << test::sjis(QStringLiteral("\"削除\""));
    QTest::newRow("taken back") << "undo" << test::sjis(QStringLiteral("\"一\"")) << test::sjis(QStringLiteral("\"元に戻す\""));
    QTest::newRow("done again") << "redo" << test::sjis(QStringLiteral("\"二\"")) << test::sjis(QStringLiteral("\"やり直し\""));
}

void TestChangeRoad::everyVerbJournalsOnceAndReplacesOnce()
{
    QFETCH(QString, verb);
    QFETCH(QByteArray, fileHolds);
    QFETCH(QByteArray, lineKind);
    QTemporaryDir dir;
    ScriptedPlatform platform;
    platform.folder = dir.path();
    platform.store.insert(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu")), QStringLiteral("10.0"));
    AttendanceBook book(bookPortsOf(platform));
    book.load();
    book.storeDay(kDay, worked(QStringLiteral("一")));
    book.storeDay(kDay, worked(QStringLiteral("二")));
    if (verb == u"redo")
        book.takeBackLastChange();
    const QString journal = dir.filePath(QStringLiteral("Zentak.journal"));
    const qsizetype linesBefore = readFile(journal).count("\r\n");

    test::Replacements replacements(dir.path());
    if (verb == u"store")
        QVERIFY(book.storeDay(kDay, worked(QStringLiteral("三"))).written);
    else if (verb == u"mark")
        QVERIFY(std::get<WriteReport>(book.markDay(kDay, LeaveKind::WholeDayPaid, {})).written);
    else if (verb == u"erase")
        QVERIFY(book.eraseYear(2026).write.written);
    else if (verb == u"undo")
        QCOMPARE(book.takeBackLastChange().outcome, UndoReport::Outcome::Done);
    else
        QCOMPARE(book.doAgain().outcome, UndoReport::Outcome::Done);

    QCOMPARE(replacements.of("Zentak.txt"), 1);
    const QByteArray lines = readFile(journal);
    QCOMPARE(lines.count("\r\n"), linesBefore + 1);
    QVERIFY(lines.sliced(lines.lastIndexOf("\r\n", lines.size() - 3)).contains(lineKind));
    const QByteArray file = readFile(dir.filePath(QStringLiteral("Zentak.txt")));
    QVERIFY(fileHolds.isEmpty() ? file.isEmpty() : file.contains(fileHolds));
    // Nothing is left to write at the exit, and nothing is.
    QVERIFY(book.saveAtExit().written);
    QCOMPARE(replacements.of("Zentak.txt"), 0);
}

QTEST_GUILESS_MAIN(TestChangeRoad)
#include "tst_changeroad.moc"
