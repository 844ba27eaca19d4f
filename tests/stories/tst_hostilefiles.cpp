// Data files nobody should have to read: each leaves the program running
// with what could be read on screen, the original kept aside when it holds
// more than the program could read, and the user told once.

#include "program.h"
#include "realstore.h"

#include "noteedit.h"
#include "storabletext.h"

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
    void handBrokenSettingsFile();
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
    QTest::newRow("a note left open before a good record")
        << "\"2026/11/30\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"open\r\n" + kGood << true;
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
    QVERIFY(program.markDay(3, "Command5"));
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
    QVERIFY(program.markDay(3, "Command5"));
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
    QVERIFY(program.markDay(2, "Command5"));
    program.exit();
    QCOMPARE(readFile(program.dataPath()),
             bytes + sjis(QStringLiteral("\"2026/12/02\",\"水\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"休日\"\r\n")));
}

// Every key of the settings file edited by hand into something it cannot
// be: the program starts on its defaults where a value cannot be read, keeps
// what it can, and nothing of it reaches a record that the file cannot hold.
void TestHostileFiles::handBrokenSettingsFile()
{
    QTemporaryDir settings;
    QVERIFY(writeFile(settings.filePath(QStringLiteral("ZENTAK.ini")),
                      "[set]\nIniTM=9\xe6\x99\x82\nDayTM=@Variant(\\0\\0\\0\\x7f)\nYukyu=-x\n"
                      "T6Sw=maybe\nT4Sw=\nSagyo=\xff\xfe\\\"q\\\" ok\nSift=99999999999999\nKtsw=abc\n"
                      "[pform\nppos=a b c d e f g h\n\x01\x02=\n"));
    QTemporaryDir folder;
    test::RealStorePlatform p(settings.path());
    p.folder = folder.path();
    p.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
    p.screen = QSize(1280, 1024);
    AttendanceBook book(bookPortsOf(p));
    MainWindow window(book, p);
    window.startUp();
    window.show();
    window.finishStartUp();

    QVERIFY(p.boxes.isEmpty());
    QCOMPARE(book.settings().usualStart, QStringLiteral("9時   "));
    QCOMPARE(book.settings().leaveBalance, QStringLiteral("-x  "));
    QCOMPARE(book.settings().lunchBreak, LunchBreak::None);
    QCOMPARE(book.settings().shiftWork, 0);
    QCOMPARE(book.settings().tenDayTally, 0);
    QVERIFY(window.isVisible());

    // A new day: the default note arrives without what the file cannot
    // hold, the user told; paid leave is refused on a balance that is no
    // number.
    window.openDay(QDate(2026, 12, 9));
    auto *dialog = Program::openDialog<DayEntryDialog>();
    QVERIFY(dialog);
    QVERIFY(isStorable(dialog->noteBox()->storedText()));
    QVERIFY(dialog->noteBox()->storedText().contains(QStringLiteral("ok")));
    QCOMPARE(p.boxes.size(), 1);
    press(dialog, "Command4_0");
    QCOMPARE(p.boxes.last().text, QStringLiteral("有給休暇残は０日です！"));
    // A start time that is no time is refused; a holiday is taken.
    press(dialog, "Command1");
    QCOMPARE(p.boxes.last().text, QStringLiteral("時間はHH:MMで入力して下さい！"));
    press(dialog, "Command5");
    window.close();
    QVERIFY(readFile(folder.filePath(QStringLiteral("Zentak.txt"))).startsWith("\"2026/12/09\""));
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
