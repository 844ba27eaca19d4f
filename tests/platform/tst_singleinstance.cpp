// One instance per user, with two real processes of the program, each in a folder of its own
// with its own settings and runtime folders; and the lock's folder, checked in this process.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "singleinstance.h"

#include <csignal>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

using Claim = zentak::SingleInstance::Claim;

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void secondStartEndsAndTouchesNothing();
    void staleLockDoesNotBlockAStart();
    void twoStartsAtOnceLeaveOneRunning();
    void secondStartAsksTheFirstToComeForward();
    void lockFolderIsThisUsersAlone_data();
    void lockFolderIsThisUsersAlone();

private:
    void start(QProcess &p);
    bool waitForServer();
    QString runDir() const { return dir_->filePath(QStringLiteral("run")); }

    std::unique_ptr<QTemporaryDir> dir_;
    QString exe_;
    QList<QProcess *> running_;
    const QString uid_ = QStringLiteral("zentak-%1").arg(::getuid()); // the lock's and socket's name
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
    const QString sock = QDir(runDir()).filePath(uid_ + QLatin1String(".sock"));
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
    QVERIFY(QFile::exists(QDir(runDir()).filePath(uid_ + QLatin1String(".lock"))));

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
    QCOMPARE(first.claim(), Claim::Claimed);
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

void TestSingleInstance::lockFolderIsThisUsersAlone_data()
{
    // zentak-<uid> in the temporary folder before the start; the runtime folder, when set, is 0755.
    QTest::addColumn<QString>("before");
    QTest::addColumn<Claim>("claim");
    QTest::newRow("missing: made for this user") << "missing" << Claim::Claimed;
    QTest::newRow("runtime folder 0755: not used") << "runtime 0755" << Claim::Claimed;
    QTest::newRow("0755") << "0755" << Claim::Failed;
    QTest::newRow("a symlink to a private folder") << "symlink" << Claim::Failed;
    QTest::newRow("another user's") << "65534" << Claim::Failed;
}

void TestSingleInstance::lockFolderIsThisUsersAlone()
{
    QFETCH(QString, before);
    QFETCH(Claim, claim);
    if (before == "65534" && ::getuid() != 0)
        QSKIP("only root can give a folder to another user");
    const QByteArray oldTmp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", oldTmp); qputenv("XDG_RUNTIME_DIR", oldRuntime); });
    const QString own = dir_->filePath(uid_);
    const QByteArray path = QFile::encodeName(own), run = QFile::encodeName(runDir());
    qputenv("TMPDIR", QFile::encodeName(dir_->path()));
    qputenv("XDG_RUNTIME_DIR", before == "runtime 0755" && ::chmod(run, 0755) == 0 ? run : QByteArray());
    QVERIFY(before != "symlink" || ::symlink(run, path) == 0);
    QVERIFY((before != "0755" && before != "65534")
            || (::mkdir(path, 0700) == 0 && ::chmod(path, before == "0755" ? 0755 : 0700) == 0));
    QVERIFY(before != "65534" || ::chown(path, 65534, 65534) == 0);
    struct stat was = {}, now = {};
    ::lstat(path, &was);

    zentak::SingleInstance instance;
    QCOMPARE(instance.claim(), claim);
    QVERIFY(::lstat(path, &now) == 0 && QDir(runDir()).isEmpty()); // the runtime folder neither used nor changed
    if (claim == Claim::Claimed)
        QVERIFY((now.st_mode & 07777) == 0700 && QFile::exists(own + "/" + uid_ + ".lock")
                && QFile::exists(own + "/" + uid_ + ".sock"));
    else // refused, and left as it was
        QVERIFY2(now.st_mode == was.st_mode && now.st_uid == was.st_uid && now.st_ino == was.st_ino
                     && instance.failure().kind == zentak::SingleInstance::Failure::Kind::FolderUnusable
                     && instance.failure().path == own,
                 qPrintable(instance.failure().path));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
