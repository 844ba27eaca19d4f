// A data file the user wrote by hand (or another tool wrote): odd but
// valid records, read; one day finished in the day dialog; the file written
// back with every record the user did not touch as it was.

#include "program.h"

#include "noteedit.h"

#include <QLineEdit>

using namespace zentak;
using namespace zentak::story;

namespace {

// The records of a data file, each with its line end. A note may hold
// line breaks inside its quotes; those do not end a record.
QList<QByteArray> records(const QByteArray &bytes)
{
    QList<QByteArray> out;
    bool quoted = false;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '"')
            quoted = !quoted;
        else if (!quoted && bytes[i] == '\n') {
            out << bytes.mid(begin, i + 1 - begin);
            begin = i + 1;
        }
    }
    if (begin < bytes.size())
        out << bytes.mid(begin);
    return out;
}

QByteArray line(const char *text)
{
    return sjis(QString::fromUtf8(text));
}

// Records already in the form the program writes: each must come back
// byte for byte.
const QByteArray kLeavePlanned = line(R"("2027/01/04","月","00:00","00:00","00:00","00.00","有給休暇（１日）")" "\r\n");
const QByteArray kOnlyADate = line(R"("2026/12/01","火","     ","     ","     ","     ","")" "\r\n");
const QByteArray kCommaAndBreak = line(R"("2026/12/03","木","09:00","18:00","08:00","08.00","会議,打合せ)" "\r\n"
                                       R"(資料作成")" "\r\n");
const QByteArray kHalfWidthKana = line(R"("2026/12/07","月","09:00","18:00","08:00","08.00","ﾃｽﾄ,ﾚﾋﾞｭｰ")" "\r\n");
const QByteArray kIdeographicSpace = line(R"("2026/12/09","水","09:00","18:00","08:00","08.00","資料作成　")" "\r\n");
const QByteArray kHoliday = line(R"("2026/12/11","金","00:00","00:00","00:00","00.00","休日")" "\r\n");
const QByteArray kHoliday2023 = line(R"("2023/12/04","月","00:00","00:00","00:00","00.00","休日")" "\r\n");

// Records the program reads but writes in its own form.
const QByteArray kUnquoted = line(R"(2026/12/10,木,09:00,18:00,08:00,08.00,  客先訪問  )" "\n");
const QByteArray kUnquotedWritten = line(R"("2026/12/10","木","09:00","18:00","08:00","08.00","客先訪問")" "\r\n");
const QByteArray kEmptyFields = line(R"("2026/12/02","水",,"",,,)" "\r\n");
const QByteArray kEmptyFieldsWritten = line(R"("2026/12/02","水","     ","     ","     ","     ","")" "\r\n");
const QByteArray kNoLineEnd = line(R"("2025/01/06","月","09:00","18:00","08:00","08.00","仕事始め")");
const QByteArray kNoLineEndWritten = kNoLineEnd + "\r\n";

// A record of the same day of the year as kHoliday2023, three years on:
// both are kept.
const QByteArray kDay2026 = line(R"("2026/12/04","金","09:00","18:00","08:00","08.00","○○○作業")" "\r\n");

// The day the user finishes: the end was never filled in.
const QByteArray kUnfinished = line(R"("2026/12/08","火","09:00","     ","     ","     ","設計")" "\r\n");
const QByteArray kFinished = line(R"("2026/12/08","火","09:00","18:00","08:45","08.75","設計")" "\r\n");

} // namespace

class TestHandwrittenFile : public QObject {
    Q_OBJECT
private slots:
    void handWrittenRecordsAreReadEditedAndWrittenBackUntouched();
    void fileEditedWhileTheProgramRunsLosesNothing();
};

void TestHandwrittenFile::handWrittenRecordsAreReadEditedAndWrittenBackUntouched()
{
    Program program;
    program.platform.clock = QDateTime(QDate(2026, 12, 14), QTime(8, 45));
    // Neither in date order nor in the order of the table's slots.
    const QByteArray handWritten = kLeavePlanned + kOnlyADate + kCommaAndBreak + kDay2026 + kUnquoted
                                   + kHalfWidthKana + kUnfinished + kIdeographicSpace + kEmptyFields + kHoliday
                                   + kHoliday2023 + kNoLineEnd;
    QVERIFY(writeFile(program.dataPath(), handWritten));

    // Every record is read, each of its own year: nothing to tell.
    program.start();
    QCOMPARE(program.platform.boxes.size(), 0);
    QVERIFY(!QFile::exists(program.dataPath() + QStringLiteral(".orig")));
    // The 4th shows its 2026 record, not the holiday of 2023. Days with a
    // date and nothing else count as recorded days.
    QCOMPARE(program.fills(),
             QStringLiteral("1 cyan, 2 cyan, 3 cyan, 4 cyan, 7 cyan, 8 cyan, 9 cyan, 10 cyan, 11 red"));
    QCOMPARE(program.summary(), QStringLiteral("40.00 | 5.0 | 00.0"));

    // The note with a comma and a line break is shown on its two lines; the
    // note ending in an ideographic space keeps it.
    {
        DayEntryDialog *dialog = program.openDay(3);
        QVERIFY(dialog);
        QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("会議,打合せ\n資料作成"));
        press(dialog, "Command2");
        QVERIFY(program.backAtMainWindow());
        dialog = program.openDay(9);
        QVERIFY(dialog);
        QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("資料作成　"));
        press(dialog, "Command2");
        QVERIFY(program.backAtMainWindow());
    }

    // The 8th was left without an end: the user types it, computes, saves.
    {
        DayEntryDialog *dialog = program.openDay(8);
        QVERIFY(dialog);
        QCOMPARE(dialog->startTimeBox()->text(), QStringLiteral("09:00"));
        QCOMPARE(dialog->endTimeBox()->text(), QString());
        QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("設計"));
        typeOver(dialog->endTimeBox(), QStringLiteral("18:00"));
        press(dialog, "Command3");
        press(dialog, "Command1");
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.summary(), QStringLiteral("48.75 | 6.0 | 00.0"));
    program.exit();

    // The file as the program writes it: the slots in the order 1 (2025),
    // 2 (2026 and the 2023 holiday), 3 (2027), and within each the months
    // and days in order, the older year first; every field quoted, the times at their full width,
    // each record ending in CR LF. The records that were in that form come
    // back byte for byte; three are rewritten in it:
    // - the unquoted record, its note's surrounding blanks dropped (an
    //   unquoted field is read without them) and its bare LF made CR LF;
    // - the record with empty fields, which the table holds as blanks of
    //   the fields' widths;
    // - the last record, which had no line end.
    const QList<QByteArray> expected = {kNoLineEndWritten, kOnlyADate,   kEmptyFieldsWritten,
                                        kCommaAndBreak,    kHoliday2023, kDay2026, kHalfWidthKana,
                                        kFinished,         kIdeographicSpace, kUnquotedWritten,
                                        kHoliday,          kLeavePlanned};
    const QList<QByteArray> written = records(readFile(program.dataPath()));
    QCOMPARE(written.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(written[i], expected[i]);
    QCOMPARE(program.platform.boxes.size(), 0);
}

void TestHandwrittenFile::fileEditedWhileTheProgramRunsLosesNothing()
{
    Program program;
    QVERIFY(writeFile(program.dataPath(), kOnlyADate + kHalfWidthKana));
    program.start();
    // Another program changes the 7th and adds the 9th; this one then
    // changes the 7th too.
    QByteArray outside = kOnlyADate + kHalfWidthKana + kIdeographicSpace;
    outside.replace(line("ﾃｽﾄ,ﾚﾋﾞｭｰ"), line("外で変更"));
    QVERIFY(writeFile(program.dataPath(), outside));
    DayEntryDialog *dialog = program.openDay(7);
    QVERIFY(dialog);
    typeText(dialog->noteBox(), QStringLiteral("こちら"));
    press(dialog, "Command1");
    QVERIFY(program.backAtMainWindow());

    // The 9th is taken over, the 7th keeps this program's note and the
    // other version is kept aside; the user is told once.
    QCOMPARE(program.fills(), QStringLiteral("1 cyan, 7 cyan, 9 cyan"));
    const QByteArray written = readFile(program.dataPath());
    QVERIFY(written.contains(kIdeographicSpace) && written.contains(kOnlyADate));
    QVERIFY(written.contains(line("ﾃｽﾄ,ﾚﾋﾞｭｰこちら")));
    QCOMPARE(readFile(program.dataPath() + QStringLiteral(".other")), outside);
    QCOMPARE(program.platform.boxes.size(), 1);
    QVERIFY(program.platform.boxes[0].text.contains(QStringLiteral("1 日分の記録を取り込みました")));
    QVERIFY(program.platform.boxes[0].text.contains(QStringLiteral("Zentak.txt.other")));
    program.exit();
    QCOMPARE(program.platform.boxes.size(), 1);
}

QTEST_MAIN(TestHandwrittenFile)
#include "tst_handwrittenfile.moc"
