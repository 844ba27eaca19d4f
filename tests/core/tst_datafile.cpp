// The data file: the byte-exact round trip, the reader's stream rules, the
// order of records, and every kind of malformed input.

#include "attendancetable.h"
#include "datafile.h"
#include "fixedtext.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

QByteArray sjis(const QString &text)
{
    QStringEncoder e(kCodePageName);
    QByteArray b = e.encode(text);
    Q_ASSERT(!e.hasError());
    return b;
}

QByteArray line(const QStringList &fields)
{
    QString s;
    for (int i = 0; i < fields.size(); ++i)
        s += (i ? QStringLiteral(",\"") : QStringLiteral("\"")) + fields[i] + QLatin1Char('"');
    return sjis(s + QStringLiteral("\r\n"));
}

const QByteArray kGood = line({"2006/01/05", "木", "09:00", "17:30", "07:30", "07.50", ""});

QByteArray written(const AttendanceTable &t)
{
    const SerializeResult r = serializeTable(t);
    return r.ok ? r.bytes : QByteArray("<failed>");
}

// Parse, serialize, parse again: the same table.
bool roundTrips(const AttendanceTable &t)
{
    const SerializeResult r = serializeTable(t);
    if (!r.ok)
        return false;
    AttendanceTable again;
    if (parseRecords(r.bytes, again).skipped != 0)
        return false;
    for (int sl = 1; sl <= 3; ++sl)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d)
                for (int f = 0; f < kFieldCount; ++f)
                    if (t.field(sl, m, d, Field(f)) != again.field(sl, m, d, Field(f)))
                        return false;
    return true;
}

} // namespace

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
    void readerStreamRules_data();
    void readerStreamRules();
    void malformedRecordsAreSkipped_data();
    void malformedRecordsAreSkipped();
    void everyUndecodableRecordIsSkipped();
    void decodedTextCanAlwaysBeWritten();
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
    QCOMPARE(t.field(yearSlot(2007), 3, 6, Field::Note).trimmed(), QStringLiteral("a,b,c\r\n二行目"));
    QCOMPARE(written(t), file);
}

void TestDataFile::codePageMapsWaveDashAndMinus()
{
    // 0x8160 is the full-width tilde and 0x817C the full-width minus.
    const QByteArray file = "\"2007/03/05\",\"\x8c\x8e\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"\x81\x60\x81\x7c\"\r\n";
    AttendanceTable t;
    QCOMPARE(parseRecords(file, t).records, 1);
    QCOMPARE(t.field(1, 3, 5, Field::Week), QStringLiteral("月"));
    QCOMPARE(trimTrailingBlanks(t.field(1, 3, 5, Field::Note)), QString::fromUtf16(u"\uFF5E\uFF0D"));
    QCOMPARE(written(t), file);
}

void TestDataFile::exampleRecordLoadsIntoItsCell()
{
    AttendanceTable t;
    QCOMPARE(parseRecords(kGood, t).records, 1);
    QVERIFY(t.inUse(3, 1, 5));
    QCOMPARE(t.field(3, 1, 5, Field::Attendance), QStringLiteral("07.50"));
    QCOMPARE(t.field(3, 1, 5, Field::Note), QString(200, QLatin1Char(' ')));
    QCOMPARE(written(t), kGood);
}

void TestDataFile::blankStartKeepsItsFiveBlanks()
{
    const QByteArray file = line({"2006/01/05", "木", "     ", "17:30", "07:30", "07.50", "x"});
    AttendanceTable t;
    parseRecords(file, t);
    QCOMPARE(t.field(3, 1, 5, Field::Start), QStringLiteral("     "));
    QCOMPARE(written(t), file);
}

void TestDataFile::shortNoteIsPaddedAndWrittenTrimmed()
{
    const QString note = QString(30, QChar(0x4F5C));
    const QByteArray file = line({"2006/01/05", "木", "09:00", "17:30", "07:30", "07.50", note});
    AttendanceTable t;
    parseRecords(file, t);
    QCOMPARE(t.field(3, 1, 5, Field::Note), note + QString(170, QLatin1Char(' ')));
    QCOMPARE(written(t), file);
}

void TestDataFile::laterRecordWins()
{
    const QByteArray file = line({"2004/06/01", "火", "09:00", "18:00", "08:00", "08.00", "first"})
                            + line({"2007/06/01", "金", "10:00", "19:00", "08:00", "08.00", "second"});
    AttendanceTable t;
    const ParseResult r = parseRecords(file, t);
    QCOMPARE(r.records, 2);
    QCOMPARE(r.replaced, 1);
    QCOMPARE(t.field(1, 6, 1, Field::Date), QStringLiteral("2007/06/01"));
    QCOMPARE(t.field(1, 6, 1, Field::Note).trimmed(), QStringLiteral("second"));
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

void TestDataFile::readerStreamRules_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("note");

    QTest::newRow("unquoted fields are trimmed")
        << QByteArray("2006/01/05 , x ,  09:00 ,17:30,07:30,07.50,  plain note  \r\n")
        << "09:00" << "plain note";
    QTest::newRow("blanks and tabs after a closing quote")
        << QByteArray("\"2006/01/05\" \t,\"x\",\"09:00\"  ,\"17:30\",\"07:30\",\"07.50\",\"n\"\t\r\n")
        << "09:00" << "n";
    QTest::newRow("record over two lines")
        << QByteArray("\"2006/01/05\",\"x\",\"09:00\"\r\n\"17:30\",\"07:30\",\"07.50\",\"n\"\r\n")
        << "09:00" << "n";
    QTest::newRow("LF line ends") << QByteArray("\"2006/01/05\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"n\"\n")
                                  << "09:00" << "n";
    QTest::newRow("CR line ends") << QByteArray("\"2006/01/05\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"n\"\r")
                                  << "09:00" << "n";
    QTest::newRow("no line end at the end of the file")
        << QByteArray("\"2006/01/05\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"n\"") << "09:00" << "n";
    QTest::newRow("quoted field with a line break and commas")
        << QByteArray("\"2006/01/05\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"1,2\n3\"\r\n")
        << "09:00" << "1,2\n3";
    QTest::newRow("blank lines between records")
        << QByteArray("\r\n\r\n\"2006/01/05\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"n\"\r\n\r\n")
        << "09:00" << "n";
    QTest::newRow("blanks beyond the width are fill")
        << QByteArray("\"2006/01/05   \",\"x  \",\"09:00   \",\"a\",\"b\",\"c\",\"n\"\r\n") << "09:00" << "n";
}

void TestDataFile::readerStreamRules()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, start);
    QFETCH(QString, note);
    AttendanceTable t;
    const ParseResult r = parseRecords(input, t);
    QCOMPARE(r.records, 1);
    QCOMPARE(r.skipped, 0);
    QCOMPARE(t.field(3, 1, 5, Field::Start), start);
    QCOMPARE(t.field(3, 1, 5, Field::Note), note + QString(200 - note.size(), QLatin1Char(' ')));
}

void TestDataFile::malformedRecordsAreSkipped_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<bool>("endsFile");

    auto rec = [](const char *date) {
        return QByteArray("\"") + date + "\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"n\"\r\n";
    };
    QTest::newRow("year not a number") << rec("20x6/02/01") << false;
    QTest::newRow("month 13") << rec("2006/13/01") << false;
    QTest::newRow("month 00") << rec("2006/00/01") << false;
    QTest::newRow("day 32") << rec("2006/02/32") << false;
    QTest::newRow("day 00") << rec("2006/02/00") << false;
    QTest::newRow("date shorter than ten") << rec("2006/2/1") << false;
    QTest::newRow("empty date") << rec("") << false;
    QTest::newRow("blank date") << rec("          ") << false;
    QTest::newRow("negative month") << rec("2006/-1/01") << false;
    QTest::newRow("bad lead byte in note")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"\xff\"\r\n") << false;
    QTest::newRow("bad trail byte in week")
        << QByteArray("\"2006/02/01\",\"\x81\x20\",\"09:00\",\"a\",\"b\",\"c\",\"n\"\r\n") << false;
    QTest::newRow("double quote in an unquoted note")
        << QByteArray("2006/01/05,x,09:00,17:30,07:30,07.50,a\"b\r\n") << false;
    QTest::newRow("lone lead byte at the end of the week and the note")
        << QByteArray("\"2006/01/05\",\"\x96\",\"09:00\",\"17:30\",\"07:30\",\"07.50\",\"abc\x82\"\r\n")
        << false;
    QTest::newRow("quote in an unquoted field, lone lead byte in a quoted one")
        << QByteArray("2006/12/30,,0\",, , ,\"\xFA\"") + "\r\n" << false;
    QTest::newRow("record of eight fields")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"n\",\"2007/01/09\"\r\n") << false;
    QTest::newRow("record of three fields")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\"\r\n") << false;
    QTest::newRow("trailing comma") << QByteArray("2006/02/01,x,09:00,a,b,c,n,\r\n") << false;
    QTest::newRow("start wider than five") << QByteArray::fromHex(
        "22323032342f30352f3037222c22222c2230393a30303a3330222c22222c22222c22222c22220d0a") << false;
    QTest::newRow("note of 201") << "\"2006/02/01\",,,,,,\"" + QByteArray(201, 'n') + "\"\r\n" << false;
    QTest::newRow("text after a closing quote") << QByteArray::fromHex(
        "22323032342f30352f3037222c22222c2230393a30302233302c22222c22222c22222c22220d0a") << false;
    QTest::newRow("vertical tab at the edge of an unquoted note")
        << QByteArray::fromHex("323032342f30352f30372c2c2c2c2c2c0b780d0a") << false;
    QTest::newRow("file ends inside a record") << QByteArray("\"2006/02/01\",\"x\",\"09:00\"") << true;
    QTest::newRow("file ends inside a quote")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"never closed") << true;
}

void TestDataFile::malformedRecordsAreSkipped()
{
    QFETCH(QByteArray, bad);
    QFETCH(bool, endsFile);
    const QByteArray after = line({"2007/01/02", "火", "09:00", "18:00", "08:00", "08.00", "after"});
    const QByteArray input = kGood + bad + (endsFile ? QByteArray() : after);
    AttendanceTable t;
    const ParseResult r = parseRecords(input, t);
    QCOMPARE(r.skipped, 1);
    QCOMPARE(r.records, endsFile ? 1 : 2);
    QVERIFY(t.inUse(3, 1, 5));
    QCOMPARE(t.field(3, 1, 5, Field::Week), QStringLiteral("木"));
    QCOMPARE(t.inUse(1, 1, 2), !endsFile);
    int inUse = 0;
    for (int sl = 1; sl <= 3; ++sl)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d)
                inUse += t.inUse(sl, m, d);
    QCOMPARE(inUse, r.records);
    // What was read can always be written back and read again unchanged.
    QVERIFY(roundTrips(t));
}

void TestDataFile::everyUndecodableRecordIsSkipped()
{
    // Not only the first: the converter must still see the later bad bytes.
    auto rec = [](const char *day, const QByteArray &note) {
        return QByteArray("\"2006/02/") + day + "\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"" + note + "\"\r\n";
    };
    const QByteArray input = rec("01", "\xff") + rec("02", "ok") + rec("03", "\xff\xfe")
                             + rec("04", "abc\x82") + rec("05", "ok") + rec("06", "\x80");
    AttendanceTable t;
    const ParseResult r = parseRecords(input, t);
    QCOMPARE(r.skipped, 4);
    QCOMPARE(r.records, 2);
    QVERIFY(t.inUse(3, 2, 2));
    QVERIFY(t.inUse(3, 2, 5));
    for (int day : {1, 3, 4, 6})
        QVERIFY2(!t.inUse(3, 2, day), qPrintable(QString::number(day)));
}

void TestDataFile::decodedTextCanAlwaysBeWritten()
{
    // The reader keeps a field that decodes without error and refuses only a
    // double quote: every character the code page decodes must be one it
    // can also encode, or a record read would block the next save. Every
    // byte and every pair of bytes, each as the note of a record, in tables
    // of one record per cell.
    QList<QByteArray> notes;
    for (int a = 0; a < 256; ++a) {
        if (a == '"' || a == '\r' || a == '\n')
            continue;
        notes << QByteArray(1, char(a));
        for (int b = 0x40; b < 256 && a >= 0x80; ++b)
            if (b != '"')
                notes << QByteArray(1, char(a)) + char(b);
    }
    int read = 0;
    for (qsizetype first = 0; first < notes.size(); first += 1116) {
        QByteArray input;
        int cell = 0;
        for (qsizetype i = first; i < notes.size() && cell < 1116; ++i, ++cell) {
            const QByteArray date = QStringLiteral("%1/%2/%3")
                                        .arg(2004 + cell / 372)
                                        .arg(cell / 31 % 12 + 1, 2, 10, QLatin1Char('0'))
                                        .arg(cell % 31 + 1, 2, 10, QLatin1Char('0'))
                                        .toLatin1();
            input += "\"" + date + "\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"" + notes[i] + "\"\r\n";
        }
        AttendanceTable t;
        read += parseRecords(input, t).records;
        const SerializeResult back = serializeTable(t);
        QVERIFY2(back.ok, qPrintable(back.error));
    }
    // Most of the pairs are characters of the code page.
    QVERIFY(read > 7000);
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
    t.setField(3, 1, 5, Field::Note, note);
    const SerializeResult r = serializeTable(t);
    QVERIFY(!r.ok);
    QVERIFY(r.bytes.isEmpty());
    QVERIFY(r.error.contains(QStringLiteral("2006/01/05")));
}

void TestDataFile::failedWriteKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zentak.txt"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kGood);
    }
    AttendanceTable t;
    parseRecords(kGood, t);
    t.setField(3, 1, 5, Field::Note, QStringLiteral("a \" b"));
    QString error;
    QVERIFY(!writeDataFile(path, t, &error));
    QVERIFY(!error.isEmpty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), kGood);

    QVERIFY(!writeDataFile(dir.filePath(QStringLiteral("missing/Zentak.txt")), AttendanceTable(), &error));
}

void TestDataFile::missingFileLeavesTableEmpty()
{
    QTemporaryDir dir;
    AttendanceTable t;
    parseRecords(kGood, t);
    const ReadResult r = readDataFile(dir.filePath(QStringLiteral("Zentak.txt")), t);
    QCOMPARE(r.status, ReadStatus::Missing);
    QVERIFY(!t.inUse(3, 1, 5));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Zentak.txt"))));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
