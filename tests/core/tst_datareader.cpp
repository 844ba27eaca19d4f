// The data file's reader: its stream rules, and every kind of malformed
// input, each counted unreadable with nothing changed silently.

#include "datafiletexts.h"
#include "fixedtext.h"

#include <QTest>

using namespace zentak;
using namespace zentak::test;

class TestDataReader : public QObject {
    Q_OBJECT
private slots:
    void readerStreamRules_data();
    void readerStreamRules();
    void malformedRecordsAreSkipped_data();
    void malformedRecordsAreSkipped();
    void everyUndecodableRecordIsSkipped();
    void decodedTextCanAlwaysBeWritten();
};

void TestDataReader::readerStreamRules_data()
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

void TestDataReader::readerStreamRules()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, start);
    QFETCH(QString, note);
    // Read whole, and in pieces that end inside fields, characters and line
    // ends, as a file is read.
    for (const qsizetype piece : {kReadPiece, qsizetype(1), qsizetype(2), qsizetype(7)}) {
        AttendanceTable t;
        const ParseResult r = parseRecords(input, t, piece);
        QCOMPARE(r.records, 1);
        QCOMPARE(r.skipped, 0);
        QCOMPARE(t.field({2006, 1, 5}, Field::Start), start);
        QCOMPARE(t.field({2006, 1, 5}, Field::Note), note + QString(200 - note.size(), QLatin1Char(' ')));
    }
}

void TestDataReader::malformedRecordsAreSkipped_data()
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
    QTest::newRow("a note left open before the next record")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"\x95\xc2\x82\xb6\r\n") << false;
    QTest::newRow("a note left open, LF line ends")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"open\n") << false;
    QTest::newRow("a start left open before the next record")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\r\n") << false;
    QTest::newRow("file ends inside a record") << QByteArray("\"2006/02/01\",\"x\",\"09:00\"") << true;
    QTest::newRow("file ends inside a quote")
        << QByteArray("\"2006/02/01\",\"x\",\"09:00\",\"a\",\"b\",\"c\",\"never closed") << true;
}

void TestDataReader::malformedRecordsAreSkipped()
{
    QFETCH(QByteArray, bad);
    QFETCH(bool, endsFile);
    const QByteArray after = line({"2007/01/02", "火", "09:00", "18:00", "08:00", "08.00", "after"});
    const QByteArray input = kGood + bad + (endsFile ? QByteArray() : after);
    for (const qsizetype piece : {qsizetype(1), qsizetype(5)}) {
        AttendanceTable t;
        const ParseResult r = parseRecords(input, t, piece);
        QCOMPARE(r.skipped, 1);
        QCOMPARE(r.lost, QList<QByteArray>{bad});
    }
    AttendanceTable t;
    const ParseResult r = parseRecords(input, t);
    QCOMPARE(r.skipped, 1);
    QCOMPARE(r.records, endsFile ? 1 : 2);
    QVERIFY(t.inUse({2006, 1, 5}));
    QCOMPARE(t.field({2006, 1, 5}, Field::Week), QStringLiteral("木"));
    QCOMPARE(t.inUse({2007, 1, 2}), !endsFile);
    QCOMPARE(t.size(), r.records);
    // What was read can always be written back and read again unchanged.
    QVERIFY(roundTrips(t));
}

void TestDataReader::everyUndecodableRecordIsSkipped()
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
    QVERIFY(t.inUse({2006, 2, 2}));
    QVERIFY(t.inUse({2006, 2, 5}));
    for (int day : {1, 3, 4, 6})
        QVERIFY2(!t.inUse({2006, 2, day}), qPrintable(QString::number(day)));
}

void TestDataReader::decodedTextCanAlwaysBeWritten()
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
        QVERIFY(back.ok);
    }
    // Most of the pairs are characters of the code page.
    QVERIFY(read > 7000);
}

QTEST_GUILESS_MAIN(TestDataReader)
#include "tst_datareader.moc"
