// The month's timesheets from the real main window: the name typed into
// the settings, the calendar stepped back to October 2026 (31 days, スポーツ
// の日 on the 12th), the PDF written, opened and read back with poppler's
// tools, the CSV written and its place told.

#include "programtest.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kLongNote = QStringLiteral("基幹システム更改に伴うデータ移行手順書の作成と関係部署との調整会議、"
                                         "移行リハーサルの準備と結果の取りまとめ、最後に末尾の語");

// Long notes, leave and a cancelled day. Overtime 3:15 on the 2nd and 5:00 on the 30th,
// holiday work 5:00 on Sunday the 4th.
QString octoberRecords()
{
    QString lines;
    for (const QStringList &d : QList<QStringList>{
             {"2026/10/01", "木", "09:00", "18:00", "08:00", "08.00", kLongNote},
             {"2026/10/02", "金", "09:00", "21:15", "11:15", "11.25", "リリース対応"},
             {"2026/10/04", "日", "10:00", "15:00", "05:00", "05.00", "サーバ移行の立会い"},
             {"2026/10/05", "月", "00:00", "00:00", "00:00", "00.00", "有給休暇（１日）"},
             {"2026/10/06", "火", "09:00", "13:00", "04:00", "04.00", "有給休暇（半日）"},
             {"2026/10/09", "金", "00:00", "00:00", "00:00", "00.00", "取消"},
             {"2026/10/12", "月", "09:00", "18:00", "08:00", "08.00", "祝日の保守作業"},
             {"2026/10/30", "金", "09:00", "22:00", "13:00", "13.00", kLongNote},
             {"2026/10/31", "土", "09:00", "17:00", "08:00", "08.00", "月末処理"}})
        lines += recordLine(d);
    return lines;
}

// What a poppler tool prints for the file.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(tool), arguments);
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

} // namespace

class TestTimesheetOutput : public ProgramTest {
    Q_OBJECT
private slots:
    void bothOfTheShownMonth();
};

void TestTimesheetOutput::bothOfTheShownMonth()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdffonts"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP("poppler-utils is not installed");
    writeData(octoberRecords());
    p_->store.insert(setKey("Yukyu"), QStringLiteral("08.5"));
    p_->associations.insert(QStringLiteral("pdf"), QStringLiteral("/usr/bin/reader"));
    startWindow();
    SettingsDialog *settings = program_->openSettings();
    QVERIFY(settings);
    QCOMPARE(settings->nameBox()->accessibleName(), QStringLiteral("氏名"));
    typeOver(settings->nameBox(), QStringLiteral("山田 太郎") + QString(30, u'x'));
    press(settings, "Command1");
    QCOMPARE(p_->store.value(setKey("Name")), QStringLiteral("山田 太郎") + QString(15, u'x'));
    QTest::keyClick(w_->calendar(), Qt::Key_PageUp);
    QTest::keyClick(w_->calendar(), Qt::Key_PageUp);

    w_->findChild<QAction *>(QStringLiteral("MNUFILEPDF"))->trigger();
    const QString pdf = path(QStringLiteral("202610.pdf"));
    QVERIFY(p_->boxes.isEmpty());
    QCOMPARE(p_->started.size(), 1);
    QCOMPARE(p_->started[0].arguments, QStringList{pdf});
    const QString text = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const char *words : {"勤務表", "2026年10月", "氏名", "山田 太郎", "スポーツの日", "本人", "承認", "有給", "半給",
                              "取消", "稼動時間\\s+日数\\s+時間外\\s+休日労働\\s+有給取得\\s+有給残",
                              "57\\.25\\s+7\\.5\\s+8:15\\s+5:00\\s+1\\.5\\s+08\\.5"})
        QVERIFY2(text.contains(QRegularExpression(QString::fromUtf8(words))), words);
    for (int day = 1; day <= 31; ++day)
        QVERIFY2(text.contains(QStringLiteral("10/%1").arg(day, 2, 10, QLatin1Char('0'))), qPrintable(text));
    // A long note cut short where its column ends.
    QVERIFY(text.contains(QStringLiteral("基幹システム更改")) && text.contains(u'…'));
    QVERIFY(!text.contains(QStringLiteral("末尾の語")));
    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))) && info.contains(u"(A4)"),
             qPrintable(info));
    // Every font embedded, its text mapped back to Unicode.
    const QStringList fonts = poppler(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts)
        QVERIFY2(font.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +yes +\\d"))), qPrintable(font));

    w_->findChild<QAction *>(QStringLiteral("MNUFILECSV"))->trigger();
    const QByteArray csv = readFile(path(QStringLiteral("202610.csv")));
    QVERIFY(csv.contains(QStringLiteral("\r\n2026/10/02,金,,出勤,09:00,21:15,11:15,11.25,3:15,0:00,リリース対応\r\n")
                             .toUtf8()));
    QCOMPARE(p_->boxes.size(), 1);
    QCOMPARE(p_->boxes[0].text, QStringLiteral("202610.csv を書き込みました。\n場所: ") + program_->dir.path());
    QCOMPARE(p_->started.size(), 1);
}

QTEST_MAIN(TestTimesheetOutput)
#include "tst_timesheetoutput.moc"
