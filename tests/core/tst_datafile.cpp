// The data file: the byte-exact round trip, the order of records, the
// examples of the format, and writes that cannot be made.

#include "datafiletexts.h"
#include "fixedtext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;
using namespace zentak::test;

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void roundTripIsByteExact();
    void codePageMapsWaveDashAndMinus();
    void exampleRecordLoadsIntoItsCell();
    void blankStartKeepsItsFiveBlanks();
    void shortNoteIsPaddedAndWrittenTrimmed();
    void laterRecordWins();
    void recordsAreWrittenInSlotOrder();
    void emptyInputLoadsNothing();
    void largeFileLoads();
    void unwritableTextIsRefused_data();
    void unwritableTextIsRefused();
    void failedWriteKeepsPreviousFile();
    void missingFileLeavesTableEmpty();
};

void TestDataFile::roundTripIsByteExact()
{
    QByteArray file;
    file += line({"2007/03/05", "月", "09:00", "18:12", "08:12", "08.00", "日本語の作業、ﾊﾝｶｸｶﾅ、カタカナ"});
    file += line({"2007/03/06", "火", "     ", "     ", "     ", "     ", "a,b,c\r\n二行目"});
    file += line({"2005/05/31", "火", "09:00", "18:00", "08:00", "08.00", "○○○作業"});
    file += line({"2006/12/31", " ", "00:00", "00:00", "00:00", "00.00", "休日"});
    AttendanceTable t;
    const ParseResult r = parseRecords(file, t);
    QCOMPARE(r.records, 4);
    QCOMPARE(r.skipped, 0);
    QCOMPARE(t.record({2007, 3, 6}).get(Field::Note).trimmed(), QStringLiteral("a,b,c\r\n二行目"));
    QCOMPARE(written(t), file);
}

void TestDataFile::codePageMapsWaveDashAndMinus()
{
    // 0x8160 is the full-width tilde and 0x817C the full-width minus.
    const QByteArray file = "\"2007/03/05\",\"\x8c\x8e\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"\x81\x60\x81\x7c\"\r\n";
    AttendanceTable t;
    QCOMPARE(parseRecords(file, t).records, 1);
    QCOMPARE(t.record({2007, 3, 5}).get(Field::Week), QStringLiteral("月"));
    QCOMPARE(trimTrailingBlanks(t.record({2007, 3, 5}).get(Field::Note)), QString::fromUtf16(u"\uFF5E\uFF0D"));
    QCOMPARE(written(t), file);
}

void TestDataFile::exampleRecordLoadsIntoItsCell()
{
    AttendanceTable t;
    QCOMPARE(parseRecords(kGood, t).records, 1);
    QVERIFY(t.inUse({2006, 1, 5}));
    QCOMPARE(t.record({2006, 1, 5}).get(Field::Attendance), QStringLiteral("07.50"));
    QCOMPARE(t.record({2006, 1, 5}).get(Field::Note), QString(200, QLatin1Char(' ')));
    QCOMPARE(written(t), kGood);
}

void TestDataFile::blankStartKeepsItsFiveBlanks()
{
    const QByteArray file = line({"2006/01/05", "木", "     ", "17:30", "07:30", "07.50", "x"});
    AttendanceTable t;
    parseRecords(file, t);
    QCOMPARE(t.record({2006, 1, 5}).get(Field::Start), QStringLiteral("     "));
    QCOMPARE(written(t), file);
}

void TestDataFile::shortNoteIsPaddedAndWrittenTrimmed()
{
    const QString note = QString(30, QChar(0x4F5C));
    const QByteArray file = line({"2006/01/05", "木", "09:00", "17:30", "07:30", "07.50", note});
    AttendanceTable t;
    parseRecords(file, t);
    QCOMPARE(t.record({2006, 1, 5}).get(Field::Note), note + QString(170, QLatin1Char(' ')));
    QCOMPARE(written(t), file);
}

void TestDataFile::laterRecordWins()
{
    const QByteArray file = line({"2007/06/01", "火", "09:00", "18:00", "08:00", "08.00", "first"})
                            + line({"2004/06/01", "金", "10:00", "19:00", "08:00", "08.00", "other year"})
                            + line({"2007/06/01", "金", "10:00", "19:00", "08:00", "08.00", "second"});
    for (const qsizetype piece : {kReadPiece, qsizetype(3)}) {
        AttendanceTable t;
        const ParseResult r = parseRecords(file, t, piece);
        QCOMPARE(r.records, 3);
        QCOMPARE(r.replaced, 1);
        QCOMPARE(r.lost, QList<QByteArray>{file.first(file.indexOf('\n') + 1)});
        QCOMPARE(t.record({2007, 6, 1}).get(Field::Note).trimmed(), QStringLiteral("second"));
        QCOMPARE(t.record({2004, 6, 1}).get(Field::Note).trimmed(), QStringLiteral("other year"));
    }
}

void TestDataFile::recordsAreWrittenInSlotOrder()
{
    AttendanceTable t;
    const QByteArray y2005 = line({"2005/01/02", "日", "09:00", "18:00", "08:00", "08.00", "a"});
    const QByteArray y2006 = line({"2006/01/02", "月", "09:00", "18:00", "08:00", "08.00", "b"});
    const QByteArray y2007 = line({"2007/01/02", "火", "09:00", "18:00", "08:00", "08.00", "c"});
    parseRecords(y2006 + y2005 + y2007, t);
    QCOMPARE(written(t), y2007 + y2005 + y2006);
}

void TestDataFile::emptyInputLoadsNothing()
{
    AttendanceTable t;
    const ParseResult r = parseRecords(QByteArray(), t);
    QCOMPARE(r.records, 0);
    QCOMPARE(r.skipped, 0);
    QCOMPARE(written(t), QByteArray());
}

void TestDataFile::largeFileLoads()
{
    QByteArray big;
    const QByteArray a = line({"2007/03/05", "月", "09:00", "18:00", "08:00", "08.00", QString(200, QChar(0x4F5C))});
    while (big.size() < 4 * 1024 * 1024)
        big += a;
    const QByteArray last = line({"2007/03/05", "月", "10:00", "18:00", "07:00", "07.00", "last"});
    big += last;
    AttendanceTable t;
    const ParseResult r = parseRecords(big, t);
    QCOMPARE(r.skipped, 0);
    QCOMPARE(r.records, int(big.size() / a.size()) + 1);
    QCOMPARE(written(t), last);

    // From the file, read in pieces: the replaced records' lines are lost
    // and the file is kept as read.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zentak.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(big) == big.size());
    f.close();
    const ReadResult read = readDataFile(path, t);
    QCOMPARE(read.parsed.replaced, r.records - 1);
    QCOMPARE(read.parsed.lost, QList<QByteArray>(r.records - 1, a));
    QCOMPARE(read.bytes, big);
    QCOMPARE(written(t), last);
}

void TestDataFile::unwritableTextIsRefused_data()
{
    QTest::addColumn<QString>("note");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
    QTest::newRow("accented letter") << QString::fromUtf16(u"caf\u00e9");
    QTest::newRow("wave dash outside the code page") << QString::fromUtf16(u"9\u301c18");
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80");
}

void TestDataFile::unwritableTextIsRefused()
{
    QFETCH(QString, note);
    AttendanceTable t;
    parseRecords(kGood, t);
    setField(t, {2006, 1, 5}, Field::Note, note);
    const SerializeResult r = serializeTable(t);
    QVERIFY(!r.ok);
    QVERIFY(r.bytes.isEmpty());
    QCOMPARE(r.faultDay, std::optional<DayKey>(DayKey{2006, 1, 5}));
}

void TestDataFile::failedWriteKeepsPreviousFile()
{
    AttendanceTable t;
    parseRecords(kGood, t);
    setField(t, {2006, 1, 5}, Field::Note, QStringLiteral("a \" b"));
    const SerializeResult refused = serializeTable(t);
    QVERIFY(!refused.ok);
    QCOMPARE(refused.fault, WriteFault::NotReadBack);
    QCOMPARE(refused.faultDay, std::optional<DayKey>(DayKey{2006, 1, 5}));
}

void TestDataFile::missingFileLeavesTableEmpty()
{
    QTemporaryDir dir;
    AttendanceTable t;
    parseRecords(kGood, t);
    const ReadResult r = readDataFile(dir.filePath(QStringLiteral("Zentak.txt")), t);
    QCOMPARE(r.status, ReadStatus::Missing);
    QVERIFY(!t.inUse({2006, 1, 5}));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Zentak.txt"))));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
