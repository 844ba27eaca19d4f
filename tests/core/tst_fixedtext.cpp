// Fixed-width cells of the table and the rule for what a record may hold.

#include "attendancetable.h"
#include "fixedtext.h"
#include "storabletext.h"

#include <QTest>

using namespace zentak;

class TestFixedText : public QObject {
    Q_OBJECT
private slots:
    void fixedWidth_data();
    void fixedWidth();
    void slotsOfYears_data();
    void slotsOfYears();
    void blankDateIsNotInUse();
    void outOfRangeIndexIsHarmless();
    void unstorable_data();
    void unstorable();
};

void TestFixedText::fixedWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("four into five pads one") << "12:3" << 5 << "12:3 ";
    QTest::newRow("eleven into ten cuts") << "2006/01/051" << 10 << "2006/01/05";
    QTest::newRow("empty becomes blanks") << "" << 3 << "   ";
    QTest::newRow("kanji count as one") << "有給休暇" << 5 << "有給休暇 ";
    QTest::newRow("kanji are cut by characters") << "有給休暇（１日）" << 4 << "有給休暇";
    QTest::newRow("surrogate pair is never split")
        << QString::fromUtf8("ab\xF0\x9F\x98\x80") << 3 << QString::fromUtf8("ab\xF0\x9F\x98\x80");
    QTest::newRow("cut before a surrogate pair")
        << QString::fromUtf8("ab\xF0\x9F\x98\x80z") << 2 << "ab";
    QTest::newRow("trailing blanks kept") << "a  " << 3 << "a  ";
}

void TestFixedText::fixedWidth()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(zentak::fixedWidth(text, width), expected);
    QCOMPARE(characterCount(zentak::fixedWidth(text, width)), width);
}

void TestFixedText::slotsOfYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("slot");
    QTest::newRow("2005") << 2005 << 2;
    QTest::newRow("2006") << 2006 << 3;
    QTest::newRow("2007") << 2007 << 1;
    QTest::newRow("2008") << 2008 << 2;
    QTest::newRow("2009") << 2009 << 3;
    QTest::newRow("2012") << 2012 << 3;
}

void TestFixedText::slotsOfYears()
{
    QFETCH(int, year);
    QFETCH(int, slot);
    QCOMPARE(yearSlot(year), slot);
}

namespace {
DayRecord dated(const QString &date, const QString &note = QString())
{
    DayRecord r = DayRecord::blank();
    r.date = date;
    r.note = note;
    return r;
}
} // namespace

void TestFixedText::blankDateIsNotInUse()
{
    AttendanceTable t;
    QVERIFY(t.setRecord({2007, 1, 1}, dated(QString(), QStringLiteral("text"))));
    QVERIFY(!t.inUse({2007, 1, 1}));
    // A record goes under its own date only.
    QVERIFY(!t.setRecord({2007, 1, 1}, dated(QStringLiteral("2007/01/02"))));
    QVERIFY(!t.inUse({2007, 1, 1}));
    QVERIFY(t.setRecord({2007, 1, 1}, dated(QStringLiteral("2007/01/01   "))));
    QVERIFY(t.inUse({2007, 1, 1}));
}

void TestFixedText::outOfRangeIndexIsHarmless()
{
    AttendanceTable t;
    QVERIFY(!t.setRecord({2007, 13, 1}, dated(QStringLiteral("2007/13/01"))));
    QVERIFY(!t.setRecord({2007, 1, 32}, dated(QStringLiteral("2007/01/32"))));
    QVERIFY(!t.setRecord({-1, 1, 1}, dated(QStringLiteral("-001/01/01"))));
    QCOMPARE(t.size(), 0);
    QCOMPARE(t.record({0, 0, 0}).get(Field::Start), QStringLiteral("     "));
}

void TestFixedText::unstorable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused");
    QTest::newRow("plain kanji and kana") << "○○○作業、ｶﾅ・カナ" << "";
    QTest::newRow("line breaks") << "a\r\nb" << "";
    QTest::newRow("full-width tilde and minus") << QString::fromUtf16(u"\uFF5E\uFF0D") << "";
    QTest::newRow("double quote") << "a\"b\"" << "\"";
    QTest::newRow("accented letters") << QString::fromUtf16(u"\u00e9t\u00e9 \u00fc") << QString::fromUtf16(u"\u00e9\u00fc");
    QTest::newRow("wave dash") << QString::fromUtf16(u"9\u301c5") << QString::fromUtf16(u"\u301c");
    QTest::newRow("emoji as one character")
        << QString::fromUtf8("x\xF0\x9F\x98\x80") << QString::fromUtf8("\xF0\x9F\x98\x80");
}

void TestFixedText::unstorable()
{
    QFETCH(QString, text);
    QFETCH(QString, refused);
    QCOMPARE(unstorableCharacters(text), refused);
    QCOMPARE(isStorable(text), refused.isEmpty());
    QVERIFY(isStorable(withoutCharacters(text, refused)));
}

QTEST_GUILESS_MAIN(TestFixedText)
#include "tst_fixedtext.moc"
