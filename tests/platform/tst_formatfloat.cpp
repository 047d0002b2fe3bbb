#include "FormatFloat.h"

#include <QtTest>

#include <limits>

class tst_FormatFloat : public QObject {
    Q_OBJECT
private slots:
    void turkish_data();
    void turkish();
    void otherLocale();
    void floatToStr_data();
    void floatToStr();
};

void tst_FormatFloat::turkish_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const QString money = QStringLiteral("#,###,##0.00");
    QTest::newRow("million") << money << 1500000.0 << "1.500.000,00";
    QTest::newRow("half") << money << 0.5 << "0,50";
    QTest::newRow("negative") << money << -1234.5 << "-1.234,50";
    QTest::newRow("zero") << money << 0.0 << "0,00";
    QTest::newRow("three digits") << money << 999.999 << "1.000,00";
    QTest::newRow("carry into new group") << money << 999999.995 << "1.000.000,00";
    QTest::newRow("1.005 rounds up") << money << 1.005 << "1,01";
    QTest::newRow("2.675 rounds up") << money << 2.675 << "2,68";
    QTest::newRow("half away from zero, negative") << money << -0.125 << "-0,13";
    QTest::newRow("tiny negative shows no sign") << money << -0.004 << "0,00";
    QTest::newRow("-0.005 rounds away") << money << -0.005 << "-0,01";
    QTest::newRow("large") << money << 12345678901234.5 << "12.345.678.901.234,50";
    QTest::newRow("beyond 15 digits") << money << 1e20 << "100.000.000.000.000.000.000,00";
    QTest::newRow("0.00") << "0.00" << 1234.567 << "1234,57";
    QTest::newRow("0.00 small") << "0.00" << 0.001 << "0,00";
    QTest::newRow("#,##0") << "#,##0" << 1234567.5 << "1.234.568";
    QTest::newRow("#,##0 below a thousand") << "#,##0" << 12.0 << "12";
    QTest::newRow("#,##0 rounds half up") << "#,##0" << 2.5 << "3";
    QTest::newRow("0") << "0" << 0.49 << "0";
    QTest::newRow("0 negative") << "0" << -1.5 << "-2";
    QTest::newRow("optional decimals") << "0.##" << 1.5 << "1,5";
    QTest::newRow("optional decimals whole") << "0.##" << 2.0 << "2";
    QTest::newRow("no integer placeholder") << "#.00" << 0.5 << ",50";
    QTest::newRow("literal suffix") << "#,##0.00 'TL'" << 1234.0 << "1.234,00 TL";
    QTest::newRow("only first section") << "0.00;(0.00)" << -1.0 << "-1,00";
}

void tst_FormatFloat::turkish()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatFloat(format, value, QLocale(QLocale::Turkish, QLocale::Turkey)), expected);
}

void tst_FormatFloat::otherLocale()
{
    QCOMPARE(FormatFloat("#,###,##0.00", 1500000.0, QLocale::c()), QStringLiteral("1,500,000.00"));
    QCOMPARE(FormatFloat("#,###,##0.00", std::numeric_limits<double>::quiet_NaN(), QLocale::c()),
             QStringLiteral("NAN"));
}

void tst_FormatFloat::floatToStr_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fraction") << 1.5 << "1,5";
    QTest::newRow("whole, no grouping") << 1500000.0 << "1500000";
    QTest::newRow("negative") << -0.25 << "-0,25";
    QTest::newRow("15 digits") << 0.1 + 0.2 << "0,3";
    QTest::newRow("large exponent") << 1e20 << "1E20";
    QTest::newRow("small exponent") << 1.5e-7 << "1,5E-7";
}

void tst_FormatFloat::floatToStr()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FloatToStr(value, QLocale(QLocale::Turkish, QLocale::Turkey)), expected);
}

QTEST_GUILESS_MAIN(tst_FormatFloat)
#include "tst_formatfloat.moc"
