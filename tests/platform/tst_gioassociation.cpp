// The desktop's default application for a report, asked of the real GIO in
// a desktop of the test's own (its own applications and defaults).

#include "gioassociation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

QTemporaryDir *home = nullptr;

void writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray entry(const char *exec, bool terminal, const char *mime)
{
    return QByteArray("[Desktop Entry]\nType=Application\nName=Test\nExec=") + exec + " %f\nTerminal="
           + (terminal ? "true" : "false") + "\nMimeType=" + mime + ";\n";
}

} // namespace

class TestGioAssociation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void editorIsFound();
    void terminalOnlyEditorCountsAsNone();
    void unknownTypeHasNone();
};

void TestGioAssociation::initTestCase()
{
    const QString data = home->filePath(QStringLiteral("data"));
    writeText(data + QStringLiteral("/applications/zentak-test-editor.desktop"),
              entry("/bin/cat", false, "text/plain"));
    writeText(data + QStringLiteral("/applications/zentak-test-vi.desktop"),
              entry("/bin/ls", true, "text/csv"));
    writeText(home->filePath(QStringLiteral("config/mimeapps.list")),
              "[Default Applications]\ntext/plain=zentak-test-editor.desktop\n"
              "text/csv=zentak-test-vi.desktop\n");
}

void TestGioAssociation::editorIsFound()
{
    QCOMPARE(QString::fromStdString(defaultApplicationFor("/some folder/202405.txt")),
             QStringLiteral("/bin/cat"));
}

void TestGioAssociation::terminalOnlyEditorCountsAsNone()
{
    QCOMPARE(QString::fromStdString(defaultApplicationFor("/some folder/202405.csv")), QString());
}

void TestGioAssociation::unknownTypeHasNone()
{
    QCOMPARE(QString::fromStdString(defaultApplicationFor("/some folder/x.zentak-no-such-type")),
             QString());
}

int main(int argc, char *argv[])
{
    // GIO reads the desktop's folders once, at its first use.
    QTemporaryDir dir;
    home = &dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", dir.filePath(QStringLiteral("none")).toLocal8Bit());
    qputenv("XDG_CURRENT_DESKTOP", "");
    TestGioAssociation test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gioassociation.moc"
