// The day entry dialog's guarded note box: the default note that enters a
// new day, what it keeps out, and its limit of 200 characters as stored.

#include "dayrig.h"

#include <QClipboard>
#include <QInputMethodEvent>

using namespace zentak;
using namespace zentak::story;

class TestDayNote : public QObject {
    Q_OBJECT
private slots:
    void defaultNoteEntersTheDayStorable()
    {
        // A default note edited by hand into the store, with characters a
        // record cannot hold.
        Rig rig;
        rig.setting("Sagyo", QStringLiteral("\"定例\"作業\U0001F600"));
        QVERIFY(rig.open());
        QCOMPARE(rig.dlg->noteBox()->toPlainText(), QStringLiteral("定例作業"));
        QCOMPARE(rig.platform.boxes.size(), 1);
        QVERIFY(rig.platform.boxes[0].text.contains(QStringLiteral("\"\U0001F600")));
        QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Information);
        typeOver(rig.dlg->endTimeBox(), QStringLiteral("18:00"));
        press(rig.dlg, "Command3");
        press(rig.dlg, "Command1");
        QVERIFY(rig.closed());
        QCOMPARE(rig.record().note, fixedWidth(u"定例作業", 200));
        QVERIFY(!rig.book->hasUnwrittenChanges());
        QVERIFY(rig.dataFile().endsWith(QStringLiteral(",\"定例作業\"\r\n")));

        // The next new day shows the same, without telling again.
        rig.dlg = rig.openDay(16);
        QVERIFY(rig.dlg);
        QCOMPARE(rig.dlg->noteBox()->toPlainText(), QStringLiteral("定例作業"));
        QCOMPARE(rig.platform.boxes.size(), 1);
    }

    void noteRefusesTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("kept");
        QTest::newRow("double quote") << "ab\"cd" << "\"" << "abcd";
        QTest::newRow("e acute") << "caf\u00e9s" << "\u00e9" << "cafs";
        QTest::newRow("emoji") << "笑\U0001F600顔" << "\U0001F600" << "笑顔";
    }

    void noteRefusesTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refused);
        QFETCH(QString, kept);
        Rig rig;
        QVERIFY(rig.open());
        NoteEdit *note = rig.dlg->noteBox();
        note->selectAll();
        typeText(note, typed);
        QCOMPARE(note->toPlainText(), kept);
        QCOMPARE(rig.platform.boxes.size(), 1);
        const RecordedBox &shown = rig.platform.boxes[0];
        QVERIFY2(shown.text.contains(refused), qPrintable(shown.text)); // names what was kept out
        QCOMPARE(boxAt(rig.platform, 0), expectedBox(shown.text, MsgButtons::Ok, MsgIcon::Information));
        QVERIFY(rig.stillOpen());
    }

    void noteRefusesPastedAndCommitted()
    {
        Rig rig;
        QVERIFY(rig.open());
        NoteEdit *note = rig.dlg->noteBox();
        note->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("前\"後\u00e9\U0001F600末\""));
        note->paste();
        QCOMPARE(note->toPlainText(), QStringLiteral("前後末"));
        QCOMPARE(rig.platform.boxes.size(), 1); // one message for the whole paste
        for (const QString &c : {QStringLiteral("\""), QStringLiteral("\u00e9"), QStringLiteral("\U0001F600")})
            QVERIFY2(rig.platform.boxes[0].text.contains(c), qPrintable(c));
        QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::Information);

        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("漢\"字"));
        QApplication::sendEvent(note, &commit);
        QCOMPARE(note->toPlainText(), QStringLiteral("前後末漢字"));
        QCOMPARE(rig.platform.boxes.size(), 2);
        QVERIFY(rig.platform.boxes[1].text.contains(u'"'));
        QCOMPARE(rig.platform.boxes[1].icon, MsgIcon::Information);
    }

    void noteLimit_data()
    {
        QTest::addColumn<QString>("before"); // in the box beforehand
        QTest::addColumn<bool>("replaceAll");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("added");
        const auto a = [](int n) { return QString(n, u'a'); };
        QTest::newRow("typed up to the limit") << a(198) << false << "type" << "bcd" << "bc";
        QTest::newRow("typed into a full box") << a(200) << false << "type" << "b" << "";
        QTest::newRow("breaks in the box count two") << a(97) + "\n" + a(97) + "\n" << false << "type" << "bcd" << "bc";
        QTest::newRow("line break needs two, one left") << a(199) << false << "return" << "" << "";
        QTest::newRow("line break in the last two") << a(198) << false << "return" << "" << "\n";
        QTest::newRow("paste cut to the room") << a(195) << false << "paste" << "0123456789" << "01234";
        QTest::newRow("paste with a break counting two") << a(197) << false << "paste" << "b\r\nc" << "b\n";
        QTest::newRow("paste break that does not fit") << a(198) << false << "paste" << "b\nc" << "b";
        QTest::newRow("paste over a full selection") << a(200) << true << "paste" << "xyz" << "xyz";
        QTest::newRow("typed over a full selection") << a(99) + "\n" + a(99) << true << "type" << "q" << "q";
    }

    void noteLimit()
    {
        QFETCH(QString, before);
        QFETCH(bool, replaceAll);
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, added);
        Rig rig;
        QVERIFY(rig.open());
        NoteEdit *note = rig.dlg->noteBox();
        note->setStoredText(QString(before).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        if (replaceAll)
            note->selectAll();
        if (how == QLatin1String("type")) {
            QTest::keyClicks(note, input);
        } else if (how == QLatin1String("paste")) {
            QApplication::clipboard()->setText(input);
            note->paste();
        } else {
            QTest::keyClick(note, Qt::Key_Return);
        }
        const QString expected = replaceAll ? added : before + added;
        QCOMPARE(note->toPlainText(), expected);
        QCOMPARE(note->storedText(), QString(expected).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
        QVERIFY(rig.platform.boxes.isEmpty()); // too long is not a refused character
    }
};

QTEST_MAIN(TestDayNote)
#include "tst_daynote.moc"
