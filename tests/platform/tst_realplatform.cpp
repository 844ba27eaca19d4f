// The real settings store keeps texts exactly, in a store of its own per user (here a temporary
// folder, never the user's). The files writes cut short leave, and only those, go at start. Qt's
// Japanese texts, read only when the first box opens, are on that box's buttons.

#include "realplatform.h"
#include "settingsfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/utsname.h>

#include <cstdio>

using namespace zentak;

class TestRealPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textsReadBackExactly_data();
    void textsReadBackExactly();
    void absentKeyGivesDefault();
    void handEditedListReadsAsText();
    void randomSequenceIsTheSameEachStart();
    void versionIsTheKernelRelease();
    void interruptedWritesAreRemoved_data();
    void interruptedWritesAreRemoved();
    void firstBoxHasJapaneseButtons_data();
    void firstBoxHasJapaneseButtons();
    void qtTextsWaitForAScreenReader();

private:
    QTemporaryDir dir_;
};

void TestRealPlatform::initTestCase()
{
    QVERIFY(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
}

void TestRealPlatform::textsReadBackExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("leading and trailing blanks") << "  8:30  ";
    QTest::newRow("five blanks") << "     ";
    QTest::newRow("empty") << "";
    QTest::newRow("commas") << "会議, 資料,作成";
    QTest::newRow("kanji") << "○○○作業";
    QTest::newRow("looks like a variant") << "@Variant(x)";
    QTest::newRow("quotes and backslashes") << "a\"b\\c;d=e#f";
    QTest::newRow("True word") << "True";
}

void TestRealPlatform::textsReadBackExactly()
{
    QFETCH(QString, value);
    RealPlatform p;
    p.writeSetting(QStringLiteral("ZENTAK"), QStringLiteral("set"), QStringLiteral("Sagyo"), value);
    QVERIFY(p.hasSetting(QStringLiteral("ZENTAK"), QStringLiteral("set"), QStringLiteral("Sagyo")));
    RealPlatform again;
    QCOMPARE(again.readSetting(QStringLiteral("ZENTAK"), QStringLiteral("set"), QStringLiteral("Sagyo"),
                               QStringLiteral("default")),
             value);
}

void TestRealPlatform::absentKeyGivesDefault()
{
    RealPlatform p;
    QVERIFY(!p.hasSetting(QStringLiteral("ZENTAK"), QStringLiteral("pform"), QStringLiteral("nothing")));
    QCOMPARE(p.readSetting(QStringLiteral("ZENTAK"), QStringLiteral("pform"), QStringLiteral("nothing"),
                           QStringLiteral("6105 1935 3855 4980")),
             QStringLiteral("6105 1935 3855 4980"));
}

void TestRealPlatform::handEditedListReadsAsText()
{
    {
        QFile f(dir_.filePath(QStringLiteral("HANDEDIT.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[set]\nSagyo=a,b,c\n");
    }
    RealPlatform p;
    QCOMPARE(p.readSetting(QStringLiteral("HANDEDIT"), QStringLiteral("set"), QStringLiteral("Sagyo"), {}),
             QStringLiteral("a,b,c"));
}

void TestRealPlatform::randomSequenceIsTheSameEachStart()
{
    RealPlatform a;
    RealPlatform b;
    for (int i = 0; i < 20; ++i) {
        const double x = a.random();
        QVERIFY(x >= 0.0 && x < 1.0);
        QCOMPARE(b.random(), x);
    }
}

void TestRealPlatform::versionIsTheKernelRelease()
{
    utsname names{};
    QCOMPARE(uname(&names), 0);
    int major = -1;
    int minor = -1;
    QCOMPARE(std::sscanf(names.release, "%d.%d", &major, &minor), 2);
    const VersionInfo v = RealPlatform().version();
    QCOMPARE(v.major, major);
    QCOMPARE(v.minor, minor);
    QCOMPARE(v.platformId, kPlatformLinux);
}

void TestRealPlatform::interruptedWritesAreRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<char>("kind"); // f: a file; l: a link to a file elsewhere; d: a folder
    QTest::addColumn<bool>("goes");
    for (const char *name : {"Zentak.txt.zentak-new-Ab3xY9", "202405.txt.zentak-new-abcdef",
                             "Zentak.txt.bak.zentak-new-ZZZZZZ", "Zentak.txt.orig.zentak-new-a1b2c3",
                             "Zentak.txt.other.12.zentak-new-q1w2e3", "Zentak.journal.zentak-new-AAAAAA",
                             "ZENTAK.ini.4242.1.new", "ZENTAK.ini.zentak-new-abcdef", "Zentak.journal.broken.2.zentak-new-abcdef"})
        QTest::newRow(name) << QString::fromLatin1(name) << 'f' << true;
    for (const char *name : {"Zentak.txt", "Zentak.txt.bak", "Zentak.txt.orig.2", "202405.txt", "Zentak.txt.backup",
                             "Zentak.journal.broken", "notes.txt.zentak-new-abcdef", "Zentak.txt.zentak-new-abcdef\n",
                             "ZENTAK.ini.4242.new", "ZENTAKxini.4242.1.new", "Zentak.txt.orig.x.zentak-new-abcdef",
                             "2024051.txt.zentak-new-abcdef"})
        QTest::newRow(name) << QString::fromLatin1(name) << 'f' << false;
    QTest::newRow("a link") << QStringLiteral("Zentak.txt.zentak-new-abcdef") << 'l' << false;
    QTest::newRow("a folder") << QStringLiteral("Zentak.txt.zentak-new-abcdef") << 'd' << false;
}

void TestRealPlatform::interruptedWritesAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(char, kind);
    QFETCH(bool, goes);
    QTemporaryDir folder, elsewhere; // folder: the program folder and the settings store's alike
    const QString path = folder.filePath(name), target = elsewhere.filePath(QStringLiteral("kept"));
    QFile file(kind == 'f' ? path : target);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write("kept") == 4);
    QVERIFY((kind != 'l' || QFile::link(target, path)) && (kind != 'd' || QDir().mkdir(path)));

    const RemovedFiles program = removeInterruptedWrites(folder.path());
    const RemovedFiles settings = removeInterruptedSettingsWrites(folder.filePath(QStringLiteral("ZENTAK.ini")));
    QCOMPARE(program.removed + settings.removed, goes ? QStringList{path} : QStringList{});
    QCOMPARE(program.failed + settings.failed, QStringList{});
    QCOMPARE(QFileInfo(path).isSymLink() || QFileInfo::exists(path), !goes);
    QCOMPARE(QFileInfo(target).size(), kind == 'f' ? 0 : 4); // a link's file elsewhere untouched
}

void TestRealPlatform::firstBoxHasJapaneseButtons_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::newRow("yes") << QStringLiteral("はい(&Y)") << MsgAnswer::Yes;
    QTest::newRow("no") << QStringLiteral("いいえ(&N)") << MsgAnswer::No;
}

void TestRealPlatform::firstBoxHasJapaneseButtons()
{
    QFETCH(QString, pressed);
    QFETCH(MsgAnswer, answer);
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
        QSKIP("Qt's Japanese translation (qt6-translations-l10n) is not installed");
    RealPlatform p; // a new one: its first box
    QStringList captions;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *b : box->buttons()) {
            captions << b->text();
            if (b->text() == pressed)
                b->click();
        }
        if (box->isVisible())
            box->done(-1); // never left open: the test fails below
    });
    const MsgAnswer got = p.messageBox(QStringLiteral("保存しますか？"), QStringLiteral("Zentak"),
                                       MsgButtons::YesNo, MsgIcon::Question);
    captions.sort();
    QCOMPARE(captions, QStringList({QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)")}));
    QCOMPARE(got, answer);
}

void TestRealPlatform::qtTextsWaitForAScreenReader()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
        QSKIP("Qt's Japanese translation (qt6-translations-l10n) is not installed");
    // What a screen reader names a button's press.
    const auto pressName = [] { return QCoreApplication::translate("QAccessibleActionInterface", "Press"); };
    const QString english = pressName();
    RealPlatform p;
    p.useJapaneseQtTextsWhenReadAloud();
    QCOMPARE(pressName(), english);
    // A screen reader starts: its names of actions are Japanese.
    QAccessible::setActive(true);
    const QString japanese = pressName();
    QAccessible::setActive(false);
    QVERIFY2(japanese != english, qPrintable(japanese));
}

QTEST_MAIN(TestRealPlatform)
#include "tst_realplatform.moc"
