// Writing through: every change reaches the file at once, failures are told
// once and again at exit, a run without changes writes nothing, and a file
// with unreadable records is kept aside before it is replaced.

#include "appstate.h"
#include "datafile.h"
#include "recordstore.h"
#include "scriptedplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kRecord = "\"2007/03/05\",\"\x8c\x8e\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"work\"\r\n";
const QByteArray kBadRecord = "\"2007/13/05\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"bad\"\r\n";

void changeDay(AppState &s)
{
    s.table.setField(1, 3, 6, Field::Date, QStringLiteral("2007/03/06"));
    s.table.setField(1, 3, 6, Field::Note, QStringLiteral("new"));
}

} // namespace

class TestRecordStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void noFileAndNoChangeWritesNothing();
    void unchangedRunLeavesFileAlone();
    void changeIsWrittenAtOnce();
    void failedWriteIsToldOnceAndAtExit();
    void unreadableRecordsKeepOriginalAside_data();
    void unreadableRecordsKeepOriginalAside();
    void keptCopyIsReusedOrNumbered();
    void unopenableFileIsNeverReplaced();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedPlatform> p_;
    QString path() const { return dir_->filePath(QStringLiteral("Zentak.txt")); }
};

void TestRecordStore::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    p_ = std::make_unique<ScriptedPlatform>();
    p_->folder = dir_->path();
}

void TestRecordStore::noFileAndNoChangeWritesNothing()
{
    AppState s;
    RecordStore store(s, *p_);
    store.load();
    QVERIFY(store.saveAtExit());
    QVERIFY(!QFile::exists(path()));
    QVERIFY(p_->writes.isEmpty());
    QVERIFY(p_->boxes.isEmpty());
}

void TestRecordStore::unchangedRunLeavesFileAlone()
{
    writeFile(path(), kRecord + "\r\n");
    AppState s;
    RecordStore store(s, *p_);
    store.load();
    QVERIFY(s.table.inUse(1, 3, 5));
    QVERIFY(store.saveAtExit());
    QCOMPARE(readFile(path()), kRecord + "\r\n");
    QVERIFY(p_->writes.isEmpty());
}

void TestRecordStore::changeIsWrittenAtOnce()
{
    writeFile(path(), kRecord);
    AppState s;
    s.settings.Yukyu = QStringLiteral("09.5");
    RecordStore store(s, *p_);
    store.load();
    changeDay(s);
    store.tableChanged();
    QVERIFY(s.dataChanged);
    QVERIFY(s.summaryStale);
    QCOMPARE(readFile(path()), kRecord + "\"2007/03/06\",\" \",\"     \",\"     \",\"     \",\"     \",\"new\"\r\n");
    QCOMPARE(p_->store.value(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu"))),
             QStringLiteral("09.5"));
    QVERIFY(p_->boxes.isEmpty());
}

void TestRecordStore::failedWriteIsToldOnceAndAtExit()
{
    p_->folder = dir_->filePath(QStringLiteral("gone"));
    AppState s;
    RecordStore store(s, *p_);
    store.load();
    changeDay(s);
    store.tableChanged();
    store.tableChanged();
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("記録を書き込めませんでした")));
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("gone")));
    QCOMPARE(p_->boxes[0].title, s.messageTitle);
    QVERIFY(!store.saveAtExit());
    QCOMPARE(p_->boxes.size(), 2);
}

void TestRecordStore::unreadableRecordsKeepOriginalAside_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("bad date") << kBadRecord;
    // Both used to be read, and the first then blocked every save.
    QTest::newRow("double quote in an unquoted note")
        << QByteArray("2006/01/05,x,09:00,17:30,07:30,07.50,a\"b\r\n");
    QTest::newRow("lone lead bytes at the end of two fields")
        << QByteArray("\"2006/01/05\",\"\x96\",\"09:00\",\"17:30\",\"07:30\",\"07.50\",\"abc\x82\"\r\n");
}

void TestRecordStore::unreadableRecordsKeepOriginalAside()
{
    QFETCH(QByteArray, bad);
    const QByteArray original = bad + kRecord;
    writeFile(path(), original);
    AppState s;
    RecordStore store(s, *p_);
    store.load();
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("1 件")));
    const QString kept = path() + QStringLiteral(".orig");
    QCOMPARE(store.keptOriginalPath(), kept);
    QVERIFY(p_->boxes[0].text.contains(QDir::toNativeSeparators(kept)));
    QCOMPARE(readFile(kept), original);

    changeDay(s);
    store.tableChanged();
    QVERIFY(!store.lastWriteFailed());
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY(readFile(path()).contains("\"new\""));
    QVERIFY(!readFile(path()).contains(bad.left(12)));
    QCOMPARE(readFile(kept), original);
}

void TestRecordStore::keptCopyIsReusedOrNumbered()
{
    const QByteArray original = kBadRecord + kRecord;
    writeFile(path(), original);
    writeFile(path() + QStringLiteral(".orig"), original);
    {
        AppState s;
        RecordStore store(s, *p_);
        store.load();
        QCOMPARE(store.keptOriginalPath(), path() + QStringLiteral(".orig"));
    }
    writeFile(path(), kBadRecord);
    AppState s;
    RecordStore store(s, *p_);
    store.load();
    QCOMPARE(store.keptOriginalPath(), path() + QStringLiteral(".orig.2"));
    QCOMPARE(readFile(path() + QStringLiteral(".orig")), original);
}

void TestRecordStore::unopenableFileIsNeverReplaced()
{
    // A folder in the place of the file cannot be read as one.
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Zentak.txt")));
    AppState s;
    RecordStore store(s, *p_);
    store.load();
    QCOMPARE(p_->boxes.size(), 1);
    changeDay(s);
    store.tableChanged();
    QCOMPARE(p_->boxes.size(), 2);
    QVERIFY(QFileInfo(path()).isDir());
}

QTEST_GUILESS_MAIN(TestRecordStore)
#include "tst_recordstore.moc"
