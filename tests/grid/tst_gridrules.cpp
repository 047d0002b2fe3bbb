// The weighted width rule and the Turkish text rules the grids sort and search by.
#include "GridWidths.h"
#include "TurkishText.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using Columns = std::vector<GridWidths::Column>;
Q_DECLARE_METATYPE(Columns)
Q_DECLARE_METATYPE(std::vector<int>)

class tst_GridRules : public QObject {
    Q_OBJECT
private slots:
    void weightedWidths_data();
    void weightedWidths();
    void turkishOrder();
    void prefixAgreesWithCompare();
    void folding_data();
    void folding();
};

void tst_GridRules::weightedWidths_data()
{
    QTest::addColumn<int>("gridWidth");
    QTest::addColumn<Columns>("columns");
    QTest::addColumn<std::vector<int>>("expected");

    // The basket's default columns: weights add up to 17, a 1730-pixel grid gives the unit 100.
    Columns basket;
    for (int w : {1, 1, 2, 1, 3, 1, 1, 1, 2, 1, 1, 1, 1})
        basket.push_back({w, true, 10});
    QTest::newRow("unit 100 at 1730") << 1730 << basket
                                      << std::vector<int>{100, 100, 200, 100, 300, 100, 100, 100, 200, 100, 100, 100, 100};
    QTest::newRow("30-pixel margin") << 130 << Columns{{1, true, 5}, {1, true, 5}} << std::vector<int>{50, 50};
    // trunc(70 / 3) = 23 before the multiplication: 46, not 47.
    QTest::newRow("quotient truncated first") << 100 << Columns{{1, true, 5}, {2, true, 5}} << std::vector<int>{23, 46};
    QTest::newRow("hidden columns excluded and kept")
        << 230 << Columns{{1, true, 5}, {1, true, 5}, {5, false, 77}} << std::vector<int>{100, 100, 77};
    QTest::newRow("weights sum to 0: unchanged") << 500 << Columns{{0, true, 40}, {0, true, 60}} << std::vector<int>{40, 60};
    QTest::newRow("every column hidden: unchanged")
        << 500 << Columns{{2, false, 40}, {3, false, 60}} << std::vector<int>{40, 60};
    QTest::newRow("visible weight 0 gets 0") << 230 << Columns{{0, true, 40}, {2, true, 60}} << std::vector<int>{0, 200};
    QTest::newRow("grid narrower than the margin") << 20 << Columns{{1, true, 40}} << std::vector<int>{0};
    QTest::newRow("no columns") << 800 << Columns{} << std::vector<int>{};
}

void tst_GridRules::weightedWidths()
{
    QFETCH(int, gridWidth);
    QFETCH(Columns, columns);
    QFETCH(std::vector<int>, expected);
    QCOMPARE(GridWidths::weighted(gridWidth, columns), expected);
}

void tst_GridRules::turkishOrder()
{
    const QStringList expected{QStringLiteral("10 numara"), QStringLiteral("9 numara"), QStringLiteral("Amortisör"),
                               QStringLiteral("amortisör takımı"), QStringLiteral("Conta"), QStringLiteral("Çamur"),
                               QStringLiteral("Fren"), QStringLiteral("Irmak"), QStringLiteral("ısı"),
                               QStringLiteral("İstavroz"), QStringLiteral("Ocak"), QStringLiteral("Ördek"),
                               QStringLiteral("Sabun"), QStringLiteral("Şanzıman"), QStringLiteral("Uçak"),
                               QStringLiteral("Üzüm"), QStringLiteral("Yağ")};
    std::vector<std::string> texts;
    for (const QString& s : expected)
        texts.push_back(s.toStdString());
    std::vector<std::string> shuffled = texts;
    std::reverse(shuffled.begin(), shuffled.end());
    std::stable_sort(shuffled.begin(), shuffled.end(),
                     [](const std::string& a, const std::string& b) { return TurkishText::compare(a, b) < 0; });
    QStringList got;
    for (const std::string& s : shuffled)
        got << QString::fromStdString(s);
    // "Irmak" and "ısı" share the letter ı; everything else is strictly ordered.
    QCOMPARE(got, expected);
    QCOMPARE(TurkishText::compare("ŞANZIMAN", "şanzıman"), 0);
    QVERIFY(TurkishText::compare("IŞIK", "işik") < 0);  // I is ı, which comes before i
    QVERIFY(TurkishText::compare("ab", "abc") < 0);
    QVERIFY(TurkishText::compare("", "a") < 0);
}

void tst_GridRules::prefixAgreesWithCompare()
{
    const char* samples[] = {"", "a", "A", "ab", "abc", "abcd", "abcde", "abcdf", "Çağla", "cağla", "Ğ", "İ", "I",
                             "ı", "i", "Ö", "Ş", "Ü", "Zeynep", "zey", "9", "10", "-", " x", "é", "日本", "\xff\xfe"};
    for (const char* a : samples) {
        for (const char* b : samples) {
            const auto pa = TurkishText::sortPrefix(a);
            const auto pb = TurkishText::sortPrefix(b);
            if (pa < pb)
                QVERIFY2(TurkishText::compare(a, b) < 0, qPrintable(QStringLiteral("%1 < %2").arg(a, b)));
            if (TurkishText::compare(a, b) == 0)
                QCOMPARE(pa, pb);
        }
    }
}

void tst_GridRules::folding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");
    QTest::newRow("İ matches i") << QStringLiteral("İSTAVROZ") << QStringLiteral("ist") << true;
    QTest::newRow("I matches ı") << QStringLiteral("IŞIK") << QStringLiteral("ışı") << true;
    QTest::newRow("I does not match i") << QStringLiteral("IŞIK") << QStringLiteral("i") << false;
    QTest::newRow("upper typed") << QStringLiteral("yağ filtresi") << QStringLiteral("YAĞ F") << true;
    QTest::newRow("Ç Ö Ü Ş Ğ fold") << QStringLiteral("çöüşğ") << QStringLiteral("ÇÖÜŞĞ") << true;
    QTest::newRow("longer than the text") << QStringLiteral("ab") << QStringLiteral("abc") << false;
    QTest::newRow("empty typed") << QStringLiteral("ab") << QString() << true;
}

void tst_GridRules::folding()
{
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    QCOMPARE(TurkishText::startsWithFolded(text, TurkishText::fold(typed)), matches);
}

QTEST_APPLESS_MAIN(tst_GridRules)
#include "tst_gridrules.moc"
