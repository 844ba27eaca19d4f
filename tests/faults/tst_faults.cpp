// Saves that fail: into a read-only folder, halfway through, with no room
// left, and a program killed while saving. The previous file is whole
// afterwards, and where the program goes on the user was told.
//
// The failures are real ones of the file system: a folder the process may
// not write to (as root, the test writes as another user for that moment),
// and a file-size limit that makes a write fail after the given number of
// bytes, as a full disk does.

#include "attendancebook.h"
#include "datafile.h"
#include "faultcommon.h"
#include "messages.h"
#include "replacements.h"
#include "timesheetmessages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

using namespace zentak;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The folder cannot be written for the life of this object.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &folder) : folder_(folder)
    {
        QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                           | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                           | QFileDevice::ReadOther | QFileDevice::ExeOther);
        // Root writes anywhere; write as nobody instead.
        if (geteuid() == 0)
            switched_ = seteuid(65534) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (switched_)
            (void)seteuid(0);
        QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                           | QFileDevice::ExeOwner);
    }

private:
    QString folder_;
    bool switched_ = false;
};

// Every write of this process fails past `bytes` bytes of a file, for the
// life of this object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

enum class Fault { ReadOnly, Halfway, NoRoom };

// The fault, for the life of this object: the folder read-only, or writes
// failing past half of `size` bytes, or at the first byte.
class FaultScope {
public:
    FaultScope(Fault fault, const QString &folder, qint64 size)
    {
        if (fault == Fault::ReadOnly)
            readOnly_.emplace(folder);
        else
            limit_.emplace(fault == Fault::Halfway ? rlim_t(size / 2) : rlim_t(0));
    }

private:
    std::optional<ReadOnlyFolder> readOnly_;
    std::optional<FileSizeLimit> limit_;
};

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dataFile_data();
    void dataFile();
    void report_data();
    void report();
    void settingsStore_data();
    void settingsStore();
    void journalAppendFailingHalfwayIsCutBack();
    void killedWhileSaving_data();
    void killedWhileSaving();

private:
    void faults();
    std::unique_ptr<QTemporaryDir> dir_;
    QString folder_;
};

void TestFaults::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    // The program folder inside a folder others may pass through.
    QFile::setPermissions(dir_->path(), QFile::permissions(dir_->path()) | QFileDevice::ExeOther
                                            | QFileDevice::ReadOther);
    folder_ = dir_->filePath(QStringLiteral("Zentak"));
    QVERIFY(QDir().mkpath(folder_));
}

void TestFaults::faults()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("read-only folder") << Fault::ReadOnly;
    QTest::newRow("write fails halfway") << Fault::Halfway;
    QTest::newRow("no room for a byte") << Fault::NoRoom;
}

void TestFaults::dataFile_data()
{
    faults();
}

void TestFaults::dataFile()
{
    QFETCH(Fault, fault);
    AttendanceTable before;
    faults::fillTable(before, 1);
    QVERIFY(replaceFile(dataFilePath(folder_), serializeTable(before).bytes));
    const QByteArray previous = readFile(dataFilePath(folder_));

    ScriptedPlatform p;
    p.folder = folder_;
    AttendanceBook book(bookPortsOf(p));
    book.load();
    {
        const FaultScope faultScope(fault, folder_, previous.size());
        ToldOnce told;
        tellWrite(p, book.storeDay(QDate(2026, 1, 1), {{}, {}, {}, {}, QStringLiteral("changed")}), told);
    }
    QVERIFY(book.hasUnwrittenChanges());
    QCOMPARE(p.boxes.size(), 1);
    QVERIFY(p.boxes[0].text.contains(QStringLiteral("記録を書き込めませんでした")));
    QCOMPARE(readFile(dataFilePath(folder_)), previous);
    // No temporary file is left, and the journal holds whole lines only.
    QStringList files = QDir(folder_).entryList(QDir::Files);
    files.removeAll(QStringLiteral("Zentak.journal"));
    QCOMPARE(files, QStringList{QStringLiteral("Zentak.txt")});
    const QString journal = QDir(folder_).filePath(QStringLiteral("Zentak.journal"));
    QVERIFY(!QFile::exists(journal) || readFile(journal).isEmpty() || readFile(journal).endsWith("\r\n"));

    // Once the fault is gone the exit writes the change, once.
    test::Replacements replacements(folder_);
    QVERIFY(book.saveAtExit().written);
    QVERIFY(readFile(dataFilePath(folder_)).contains("\"changed\""));
    QCOMPARE(replacements.of("Zentak.txt"), 1);
    QVERIFY(!book.hasUnwrittenChanges());
}

void TestFaults::report_data()
{
    faults();
}

void TestFaults::report()
{
    QFETCH(Fault, fault);
    ScriptedPlatform p;
    p.folder = folder_;
    AttendanceTable t;
    faults::fillTable(t, 1);
    QVERIFY(writeMonthReport(folder_, t, 2025, 5, Settings()).written);
    const QString report = QDir(folder_).filePath(QStringLiteral("202505.txt"));
    const QByteArray previous = readFile(report);
    // The timesheets are replaced the same way.
    const std::array sheets{TimesheetFormat::Csv, TimesheetFormat::Pdf};
    const QByteArray previousSheet = timesheetCsv(timesheetOf(t, 2025, 5, Settings()));
    for (TimesheetFormat format : sheets)
        QVERIFY(writeTimesheetFile(folder_, timesheetOf(t, 2025, 5, Settings()), format, previousSheet).written);
    faults::fillTable(t, 2);
    QStringList reasons;
    {
        const FaultScope faultScope(fault, folder_, previous.size());
        const ReportWrite failed = writeMonthReport(folder_, t, 2025, 5, Settings());
        QVERIFY(!failed.written);
        tellReportWrite(p, failed);
        for (TimesheetFormat format : sheets) {
            const Timesheet sheet = timesheetOf(t, 2025, 5, Settings());
            const TimesheetWrite sheetFailed = writeTimesheetFile(folder_, sheet, format, timesheetCsv(sheet));
            reasons << sheetFailed.error;
            tellTimesheetWrite(p, sheetFailed);
        }
    }
    QCOMPARE(p.boxes.size(), 3);
    QVERIFY(p.boxes[0].text.contains(QStringLiteral("202505.txt")));
    // Told with the system's reason.
    for (int i : {1, 2})
        QVERIFY2(!reasons[i - 1].isEmpty() && p.boxes[i].text.endsWith(u'(' + reasons[i - 1] + u')'),
                 qPrintable(p.boxes[i].text));
    QCOMPARE(readFile(report), previous);
    QCOMPARE(QDir(folder_).entryList(QDir::Files), QStringList({"202505.csv", "202505.pdf", "202505.txt"}));
    for (const char *sheet : {"202505.csv", "202505.pdf"})
        QCOMPARE(readFile(QDir(folder_).filePath(QLatin1String(sheet))), previousSheet);
}

void TestFaults::settingsStore_data()
{
    faults();
}

void TestFaults::settingsStore()
{
    QFETCH(Fault, fault);
    test::RealStorePlatform p(folder_);
    p.folder = dir_->filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(p.folder));
    Settings first;
    first.defaultNote = QString(4000, QLatin1Char('a'));
    QVERIFY(saveSettings(p, first));
    const QString ini = QDir(folder_).filePath(QStringLiteral("ZENTAK.ini"));
    const QByteArray previous = readFile(ini);
    QVERIFY(previous.contains("Sagyo"));

    Settings second;
    second.leaveBalance = QStringLiteral("09.5");
    second.defaultNote = QString(4000, QLatin1Char('b'));
    AttendanceBook book(bookPortsOf(p));
    book.load();
    {
        const FaultScope faultScope(fault, folder_, previous.size());
        QVERIFY(!book.saveSettings(second));
        // The balance written through with a change of the records.
        ToldOnce toldOnce;
        tellWrite(p, book.storeDay(QDate(2026, 1, 1), {}), toldOnce);
    }
    // Told once about the settings (the records failed beside them).
    int told = 0;
    for (const RecordedBox &box : p.boxes)
        told += box.text == kSettingsNotSaved;
    QCOMPARE(told, 1);
    QCOMPARE(readFile(ini), previous);
    QCOMPARE(QDir(folder_).entryList(QDir::Files), QStringList{QStringLiteral("ZENTAK.ini")});
}

void TestFaults::journalAppendFailingHalfwayIsCutBack()
{
    ScriptedPlatform p;
    p.folder = folder_;
    auto book = std::make_unique<AttendanceBook>(bookPortsOf(p));
    book->load();
    book->storeDay(QDate(2026, 1, 1), {{}, {}, {}, {}, QStringLiteral("one")});
    const QString path = QDir(folder_).filePath(QStringLiteral("Zentak.journal"));
    const QByteArray journal = readFile(path);
    WriteReport failed;
    {
        const FileSizeLimit limit(rlim_t(journal.size() + 20));
        failed = book->storeDay(QDate(2026, 1, 2), {{}, {}, {}, {}, QStringLiteral("two")});
    }
    QVERIFY(failed.journalError.system.contains(QString::fromLocal8Bit(std::strerror(EFBIG))));
    QCOMPARE(readFile(path), journal);
    // The next line follows a whole one: the history reads at the next start.
    book->storeDay(QDate(2026, 1, 3), {{}, {}, {}, {}, QStringLiteral("three")});
    book = std::make_unique<AttendanceBook>(bookPortsOf(p));
    QCOMPARE(book->load().journal.unreadable, 0);
}

void TestFaults::killedWhileSaving_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("file");
    QTest::newRow("data file") << "data" << "Zentak.txt";
    QTest::newRow("month report") << "report" << "202505.txt";
    QTest::newRow("settings store") << "settings" << "ZENTAK.ini";
}

void TestFaults::killedWhileSaving()
{
    QFETCH(QString, what);
    QFETCH(QString, file);
    const QString path = QDir(folder_).filePath(file);
    QSet<QByteArray> seen;
    for (int round = 0; round < 12; ++round) {
        QProcess child;
        child.start(QStringLiteral(SAVING_CHILD), {what, folder_});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(10000));
        QTest::qWait(int(QRandomGenerator::global()->bounded(5, 60)));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // One of the two whole contents, never a mixture or a cut.
        const QByteArray content = readFile(path);
        seen.insert(content);
        QVERIFY(seen.size() <= 2);
        if (what == u"settings") {
            const QSettings back(path, QSettings::IniFormat);
            const QString sagyo = back.value(QStringLiteral("set/Sagyo")).toString();
            QVERIFY(sagyo == QString(2000, QLatin1Char('a')) || sagyo == QString(2000, QLatin1Char('b')));
        } else {
            QVERIFY(content.endsWith("\r\n"));
        }
    }
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
