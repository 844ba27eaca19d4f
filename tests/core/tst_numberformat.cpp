// The number patterns of the windows and the report.

#include "numberformat.h"

#include <QTest>

using namespace zentak;

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
    void singlePrecision_data();
    void singlePrecision();
};

void TestNumberFormat::patterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("##0.00 zero") << 0.0 << "##0.00" << "0.00";
    QTest::newRow("##0.00 hours") << 160.25 << "##0.00" << "160.25";
    QTest::newRow("##0.00 widens, no separator") << 1234.5 << "##0.00" << "1234.50";
    QTest::newRow("##0.00 negative") << -7.5 << "##0.00" << "-7.50";
    QTest::newRow("0.0 zero") << 0.0 << "0.0" << "0.0";
    QTest::newRow("0.0 half") << 20.5 << "0.0" << "20.5";
    QTest::newRow("0.0 whole") << 21.0 << "0.0" << "21.0";
    QTest::newRow("000.00 zero") << 0.0 << "000.00" << "000.00";
    QTest::newRow("000.00 fills") << 8.0 << "000.00" << "008.00";
    QTest::newRow("000.00 widens") << 1234.25 << "000.00" << "1234.25";
    QTest::newRow("000.00 negative") << -8.0 << "000.00" << "-008.00";
    QTest::newRow("0.00 zero") << 0.0 << "0.00" << "0.00";
    QTest::newRow("0.00 overtime") << 1.5 << "0.00" << "1.50";
    QTest::newRow("0.00 negative") << -0.25 << "0.00" << "-0.25";
    QTest::newRow("0.00 rounds the second decimal up") << 0.125 << "0.00" << "0.13";
    QTest::newRow("0.00 rounds the second decimal down") << 0.124 << "0.00" << "0.12";
    QTest::newRow("0.00 rounds a negative half away from zero") << -0.125 << "0.00" << "-0.13";
    QTest::newRow("0.00 carry into the integer") << 9.995 << "0.00" << "10.00";
    QTest::newRow("0.00 tiny negative shows no minus") << -0.001 << "0.00" << "0.00";
    QTest::newRow("00.00 zero") << 0.0 << "00.00" << "00.00";
    QTest::newRow("00.00 fills") << 1.5 << "00.00" << "01.50";
    QTest::newRow("00.00 widens") << 123.0 << "00.00" << "123.00";
    QTest::newRow("00.00 negative") << -1.5 << "00.00" << "-01.50";
    QTest::newRow("#,##0.00 zero") << 0.0 << "#,##0.00" << "0.00";
    QTest::newRow("#,##0.00 below a thousand") << 168.5 << "#,##0.00" << "168.50";
    QTest::newRow("#,##0.00 a thousand") << 1234.5 << "#,##0.00" << "1,234.50";
    QTest::newRow("#,##0.00 a million") << 1234567.0 << "#,##0.00" << "1,234,567.00";
    QTest::newRow("#,##0.00 negative") << -1234.5 << "#,##0.00" << "-1,234.50";
    QTest::newRow("00.0 zero") << 0.0 << "00.0" << "00.0";
    QTest::newRow("00.0 fills") << 9.5 << "00.0" << "09.5";
    QTest::newRow("00.0 ten") << 10.0 << "00.0" << "10.0";
    QTest::newRow("00.0 widens") << 100.5 << "00.0" << "100.5";
    QTest::newRow("00.0 negative") << -1.0 << "00.0" << "-01.0";
    QTest::newRow("00.0 rounds half away from zero") << 0.25 << "00.0" << "00.3";
    QTest::newRow("0.0 digits beyond the shortest form") << 1e20 << "0.0" << "100000000000000000000.0";
    QTest::newRow("0.00 far below the last decimal") << 4.9e-7 << "0.00" << "0.00";
    QTest::newRow("0.00 rounds up from the third decimal") << 0.0051 << "0.00" << "0.01";
}

void TestNumberFormat::patterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern), expected);
}

// Month totals are single precision; their shortest decimal form is what
// is rounded, not the binary fraction behind it.
void TestNumberFormat::singlePrecision_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("7.33 stays 7.33") << 7.33f << "##0.00" << "7.33";
    QTest::newRow("1.005 rounds up") << 1.005f << "0.00" << "1.01";
    QTest::newRow("a sum of quarters") << (0.25f + 0.5f + 0.75f) << "000.00" << "001.50";
    QTest::newRow("large sum") << 1234.25f << "#,##0.00" << "1,234.25";
    QTest::newRow("halfway between two shortest forms, the even") << 222725.625f << "0.00" << "222725.62";
    QTest::newRow("a tenth, not its double's digits") << 0.1f << "0.000000000" << "0.100000000";
    QTest::newRow("the largest float, whole") << 3.4028235e38f << "0" << "340282346638528859811704183484516925440";
}

void TestNumberFormat::singlePrecision()
{
    QFETCH(float, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern), expected);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
