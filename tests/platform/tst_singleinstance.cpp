// One instance per user, with two real processes of the program, each in a
// folder of its own with its own settings and runtime folders.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "singleinstance.h"

#include <csignal>
#include <sys/types.h>

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void secondStartEndsAndTouchesNothing();
    void staleLockDoesNotBlockAStart();
    void twoStartsAtOnceLeaveOneRunning();
    void secondStartAsksTheFirstToComeForward();

private:
    void start(QProcess &p);
    bool waitForServer();
    QString runDir() const { return dir_->filePath(QStringLiteral("run")); }

    std::unique_ptr<QTemporaryDir> dir_;
    QString exe_;
    QList<QProcess *> running_;
};

void TestSingleInstance::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("prog")));
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("config")));
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("run")));
    QFile::setPermissions(runDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    exe_ = dir_->filePath(QStringLiteral("prog/zentak"));
    QVERIFY(QFile::copy(QStringLiteral(ZENTAK_EXE), exe_));
    QFile::setPermissions(exe_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSingleInstance::cleanup()
{
    for (QProcess *p : running_) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
        delete p;
    }
    running_.clear();
}

void TestSingleInstance::start(QProcess &p)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_->filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runDir());
    env.insert(QStringLiteral("HOME"), dir_->path());
    env.insert(QStringLiteral("USER"), QStringLiteral("tester"));
    p.setProcessEnvironment(env);
    p.setProgram(exe_);
    p.start();
    QVERIFY(p.waitForStarted(5000));
}

bool TestSingleInstance::waitForServer()
{
    const QString sock = QDir(runDir()).filePath(QStringLiteral("zentak-tester.sock"));
    for (int i = 0; i < 100 && !QFile::exists(sock); ++i)
        QTest::qWait(100);
    return QFile::exists(sock);
}

void TestSingleInstance::secondStartEndsAndTouchesNothing()
{
    auto *first = new QProcess;
    running_ << first;
    start(*first);
    QVERIFY(waitForServer());

    auto *second = new QProcess;
    running_ << second;
    start(*second);
    QVERIFY2(second->waitForFinished(10000), "the second start did not end");
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);

    QCOMPARE(first->state(), QProcess::Running);
    // Neither the settings nor a data file were written by the second start.
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("config/ZENTAK.ini"))));
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("prog/Zentak.txt"))));
}

void TestSingleInstance::staleLockDoesNotBlockAStart()
{
    auto *first = new QProcess;
    running_ << first;
    start(*first);
    QVERIFY(waitForServer());
    first->kill(); // a crash: the lock file stays behind
    QVERIFY(first->waitForFinished(5000));
    QVERIFY(QFile::exists(QDir(runDir()).filePath(QStringLiteral("zentak-tester.lock"))));

    auto *next = new QProcess;
    running_ << next;
    start(*next);
    QVERIFY(!next->waitForFinished(3000));
    QCOMPARE(next->state(), QProcess::Running);
}

void TestSingleInstance::twoStartsAtOnceLeaveOneRunning()
{
    // Several rounds: the two starts race each other differently each time.
    for (int round = 0; round < 3; ++round) {
        auto *a = new QProcess;
        auto *b = new QProcess;
        running_ << a << b;
        start(*a);
        start(*b);
        QProcess *ended = nullptr;
        for (int i = 0; i < 100 && !ended; ++i) {
            QTest::qWait(100);
            if (a->state() == QProcess::NotRunning)
                ended = a;
            else if (b->state() == QProcess::NotRunning)
                ended = b;
        }
        QVERIFY2(ended, "neither start ended");
        QProcess *other = ended == a ? b : a;
        QCOMPARE(ended->exitStatus(), QProcess::NormalExit);
        QCOMPARE(ended->exitCode(), 0);
        // The one left keeps running and is the one a third start finds.
        QVERIFY(!other->waitForFinished(1000));
        auto *third = new QProcess;
        running_ << third;
        start(*third);
        QVERIFY2(third->waitForFinished(10000), "a third start did not end");
        QCOMPARE(third->exitCode(), 0);
        QCOMPARE(other->state(), QProcess::Running);
        cleanup();
    }
}

void TestSingleInstance::secondStartAsksTheFirstToComeForward()
{
    // This test process is the first instance; the program is the second.
    qputenv("USER", "tester");
    zentak::SingleInstance first(runDir());
    QVERIFY(first.claim());
    QSignalSpy asked(&first, &zentak::SingleInstance::activationRequested);

    auto *second = new QProcess;
    running_ << second;
    start(*second);
    QVERIFY(asked.wait(10000));
    QVERIFY2(second->waitForFinished(10000), "the second start did not end");
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(asked.count(), 1);
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("prog/Zentak.txt"))));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
