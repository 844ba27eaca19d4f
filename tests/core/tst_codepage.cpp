// The program's code page 932 gives exactly what Qt's converter for
// windows-31j gives: every byte and pair of bytes, runs of random bytes,
// and every character, each read and written both ways.

#include "codepage.h"
#include "datafile.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace zentak;

namespace {

struct Decoded {
    bool ok;
    QString text;
};

Decoded byQt(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodePageName, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return {!decoder.hasError(), text};
}

Decoded byProgram(const QByteArray &bytes)
{
    QString text = QStringLiteral("x"); // appended to, not replaced
    const bool ok = decodeCodePage(bytes, text);
    return {ok, text.mid(1)};
}

// Equal when both refuse, or both read the same text.
bool sameReading(const QByteArray &bytes, QString *why)
{
    const Decoded qt = byQt(bytes);
    const Decoded own = byProgram(bytes);
    if (qt.ok == own.ok && (!qt.ok || qt.text == own.text))
        return true;
    *why = QStringLiteral("%1: Qt %2 \"%3\", program %4 \"%5\"")
               .arg(QString::fromLatin1(bytes.toHex(' ')))
               .arg(qt.ok)
               .arg(qt.text)
               .arg(own.ok)
               .arg(own.text);
    return false;
}

} // namespace

class TestCodePage : public QObject {
    Q_OBJECT
private slots:
    void everyByteAndPairReadsAsQtReadsIt();
    void randomBytesReadAsQtReadsThem();
    void everyCharacterIsWrittenAsQtWritesIt();
    void surrogatesHaveNoCode_data();
    void surrogatesHaveNoCode();
};

void TestCodePage::everyByteAndPairReadsAsQtReadsIt()
{
    QString why;
    for (int a = 0; a < 256; ++a) {
        QVERIFY2(sameReading(QByteArray(1, char(a)), &why), qPrintable(why));
        for (int b = 0; b < 256; ++b)
            QVERIFY2(sameReading(QByteArray(1, char(a)) + char(b), &why), qPrintable(why));
    }
}

void TestCodePage::randomBytesReadAsQtReadsThem()
{
    // Mostly bytes that start or end pairs, so the runs hold long stretches
    // of characters as well as broken ones.
    QRandomGenerator random(932);
    static const char common[] = "\x81\x82\x83\x88\x96\x9f\xe0\xea\xed\xfa\xfc\x40\x7e\x80\x9e"
                                 "\xa0\xa1\xdf\xfd\x22 a\r\n";
    QString why;
    for (int run = 0; run < 20000; ++run) {
        QByteArray bytes;
        const int length = 1 + int(random.bounded(12));
        for (int i = 0; i < length; ++i)
            bytes += random.bounded(3) == 0 ? char(random.bounded(256))
                                            : common[random.bounded(int(sizeof common - 1))];
        QVERIFY2(sameReading(bytes, &why), qPrintable(why));
    }
}

void TestCodePage::everyCharacterIsWrittenAsQtWritesIt()
{
    int written = 0;
    for (int c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const QString text = QStringLiteral("a") + QChar(c) + QStringLiteral("b");
        QStringEncoder encoder(kCodePageName);
        const QByteArray qt = encoder.encode(text);
        QByteArray own;
        const bool ok = encodeCodePage(text, own);
        QVERIFY2(ok == !encoder.hasError(), qPrintable(QString::number(c, 16)));
        QCOMPARE(encodableInCodePage(text), ok);
        if (ok) {
            QVERIFY2(own == qt, qPrintable(QString::number(c, 16)));
            ++written;
        }
    }
    QVERIFY(written > 7000);
}

void TestCodePage::surrogatesHaveNoCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("pair") << QString::fromUtf8("a\xF0\x9F\x98\x80");
    QTest::newRow("lone high at the end") << QString(QChar(0xD83D));
    QTest::newRow("lone low") << QString(QChar(0xDE00)) + QStringLiteral("a");
    QTest::newRow("high before a letter") << QString(QChar(0xD83D)) + QStringLiteral("a");
}

void TestCodePage::surrogatesHaveNoCode()
{
    QFETCH(QString, text);
    QByteArray out;
    QVERIFY(!encodeCodePage(text, out));
    QVERIFY(!encodableInCodePage(text));
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
