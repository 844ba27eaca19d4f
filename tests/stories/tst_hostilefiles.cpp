// Data files nobody should have to read: each leaves the program running
// with what could be read on screen, the original kept aside when it holds
// more than the program could read, and the user told once.

#include "program.h"

#include <QDir>

using namespace zentak;
using namespace zentak::story;

namespace {

const QByteArray kGood = "\"2026/12/01\",\"\x89\xce\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"ok\"\r\n";

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void hostileFile_data();
    void hostileFile();
    void fileThatIsAFolderIsNeverReplaced();
    void nulBytesInANoteAreKept();
};

void TestHostileFiles::hostileFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("goodDayShown");

    QByteArray big;
    big.reserve(50 * 1024 * 1024 + kGood.size());
    const QByteArray junk = "this is not a record, nor is this\r\n";
    while (big.size() < 50 * 1024 * 1024)
        big += junk;
    QTest::newRow("50 MB of junk, one record at the end") << big + kGood << true;
    QTest::newRow("one unterminated quote") << QByteArray("\"") << false;
    QTest::newRow("nothing but NUL bytes") << QByteArray(4096, '\0') << false;
    QTest::newRow("date 9999/99/99")
        << kGood + "\"9999/99/99\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"n\"\r\n" << true;
    QTest::newRow("date 2026/00/00")
        << "\"2026/00/00\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"n\"\r\n" + kGood << true;
    QTest::newRow("record of eight fields before a good one")
        << "\"2026/12/02\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"n\",\"extra\"\r\n" + kGood << true;
    QTest::newRow("record of three fields before a good one")
        << "\"2026/12/02\",\"x\",\"09:00\"\r\n" + kGood << true;
    QTest::newRow("invalid code page 932 sequences")
        << "\"2026/12/02\",\"\x81\x20\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"\xa0\xfd\"\r\n" + kGood << true;
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBF") + QStringLiteral("\"2026/12/02\",\"水\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"作業\"\r\n").toUtf8()
               + kGood << true;
}

void TestHostileFiles::hostileFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, goodDayShown);
    Program program;
    QVERIFY(writeFile(program.dataPath(), bytes));
    program.start();

    QCOMPARE(program.platform.boxes.size(), 1);
    QVERIFY(program.platform.boxes[0].text.contains(QStringLiteral("読み込めませんでした")));
    QCOMPARE(program.cell(1)->opaque(), goodDayShown);
    QCOMPARE(readFile(program.dataPath() + QStringLiteral(".orig")), bytes);

    // A change is written, the original stays aside, nothing more is told.
    program.state->table.setField(yearSlot(2026), 12, 3, Field::Date, QStringLiteral("2026/12/03"));
    program.store->tableChanged();
    program.exit();
    QCOMPARE(program.platform.boxes.size(), 1);
    const QByteArray written = readFile(program.dataPath());
    QVERIFY(written.contains("\"2026/12/03\""));
    QCOMPARE(written.contains(kGood), goodDayShown);
    QCOMPARE(readFile(program.dataPath() + QStringLiteral(".orig")), bytes);
}

void TestHostileFiles::fileThatIsAFolderIsNeverReplaced()
{
    Program program;
    QVERIFY(QDir(program.dir.path()).mkdir(QStringLiteral("Zentak.txt")));
    program.start();
    QCOMPARE(program.platform.boxes.size(), 1);
    QCOMPARE(program.platform.boxes[0].icon, MsgIcon::Exclamation);
    program.store->tableChanged();
    program.exit();
    QVERIFY(QFileInfo(program.dataPath()).isDir());
    QVERIFY(program.platform.boxes.size() >= 2);
    QVERIFY(program.platform.boxes.last().text.contains(QStringLiteral("記録を書き込めませんでした")));
}

void TestHostileFiles::nulBytesInANoteAreKept()
{
    Program program;
    const QByteArray bytes("\"2026/12/01\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"a\0b\"\r\n", 56);
    QVERIFY(writeFile(program.dataPath(), bytes));
    program.start();
    QVERIFY(program.platform.boxes.isEmpty());
    QVERIFY(program.cell(1)->opaque());
    program.store->tableChanged();
    program.exit();
    QCOMPARE(readFile(program.dataPath()), bytes);
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
