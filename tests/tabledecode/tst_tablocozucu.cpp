#include "TabloCozucu.h"
#include "UzakHatalar.h"

#include <QtTest>

// The table decoder: the wire shapes it accepts and every malformed reply it must refuse.
class tst_TabloCozucu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void decodesEveryKind();
    void emptyTable();
    void zeroRows();
    void int64IsExact();
    void stringsAndEscapes();
    void dates_data();
    void dates();
    void bcdAcceptsNumericText();
    void rejects_data();
    void rejects();
    void failureKeepsTarget();
    void usableFromADocument();
};

namespace {

// A 13-element descriptor as the server writes it.
QByteArray Desc(const char* name, int dbx, int ordinal, int size = 0)
{
    return QStringLiteral(R"(["%1",%2,%3,0,0,%4,0,0,false,false,0,false,false])")
        .arg(QString::fromUtf8(name)).arg(dbx).arg(ordinal).arg(size).toUtf8();
}

TTableData Coz(const QByteArray& json)
{
    TTableData t;
    TabloCozMetin(std::string_view(json.constData(), std::size_t(json.size())), t);
    return t;
}

} // namespace

void tst_TabloCozucu::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void tst_TabloCozucu::decodesEveryKind()
{
    const QByteArray json = "{\"table\":[" + Desc("AD", 26, 0, 40) + "," + Desc("ANSI", 1, 1) + ","
        + Desc("KISA", 5, 2) + "," + Desc("ADET", 6, 3) + "," + Desc("NO", 18, 4) + "," + Desc("FIYAT", 7, 5)
        + "," + Desc("TUTAR", 8, 6) + "," + Desc("KUR", 25, 7) + "," + Desc("TARIH", 2, 8) + ","
        + Desc("ZAMAN", 11, 9) + "," + Desc("DAMGA", 24, 10) + "," + Desc("SEC", 4, 11) + "],"
        + R"("AD":["Fren Balatası",null],"ANSI":["x",""],"KISA":[-32768,32767],"ADET":[2147483647,null],)"
        + R"("NO":[-9223372036854775808,1],"FIYAT":[1500000.25,0],"TUTAR":[12.5,null],"KUR":[32.1,1],)"
        + R"("TARIH":["2024-03-05",null],"ZAMAN":["2024-03-05 14:30:15.250",null],)"
        + R"("DAMGA":["2024-03-05T14:30:15",null],"SEC":[true,false]})";
    const TTableData t = Coz(json);
    QCOMPARE(t.FieldCount(), 12);
    QCOMPARE(t.RowCount(), 2);
    const QList<TFieldType> types = {TFieldType::String, TFieldType::String, TFieldType::Integer,
                                     TFieldType::Integer, TFieldType::LargeInt, TFieldType::Float,
                                     TFieldType::BCD, TFieldType::BCD, TFieldType::Date,
                                     TFieldType::DateTime, TFieldType::DateTime, TFieldType::Boolean};
    for (int f = 0; f < t.FieldCount(); ++f)
        QCOMPARE(t.FieldDef(f).DataType, types[f]);
    QCOMPARE(t.FieldDef(0).Name, QStringLiteral("AD"));
    QCOMPARE(t.FieldDef(0).Size, 40);
    QCOMPARE(t.AsString(0, 0), QStringLiteral("Fren Balatası"));
    QVERIFY(t.IsNull(1, 0));
    QVERIFY(!t.IsNull(1, 1));
    QCOMPARE(t.AsInteger(0, 2), -32768);
    QCOMPARE(t.AsInteger(0, 3), 2147483647);
    QVERIFY(t.IsNull(1, 3));
    QCOMPARE(t.AsLargeInt(0, 4), std::numeric_limits<qint64>::min());
    QCOMPARE(t.AsFloat(0, 5), 1500000.25);
    QCOMPARE(t.AsFloat(1, 5), 0.0);
    QCOMPARE(t.AsFloat(0, 6), 12.5);
    QCOMPARE(t.Value(0, 8), QVariant(QDate(2024, 3, 5)));
    QCOMPARE(t.AsDateTime(0, 9), QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15, 250)));
    QCOMPARE(t.AsDateTime(0, 10), QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));
    QVERIFY(t.IsNull(1, 10));
    QCOMPARE(t.AsBoolean(0, 11), true);
    QCOMPARE(t.AsBoolean(1, 11), false);
    QVERIFY(!t.Column(11).HasNulls());  // columns without nulls carry no null vector
}

void tst_TabloCozucu::emptyTable()
{
    const TTableData t = Coz(R"({"table":[]})");
    QCOMPARE(t.FieldCount(), 0);
    QCOMPARE(t.RowCount(), 0);
}

void tst_TabloCozucu::zeroRows()
{
    const TTableData t = Coz("{\"table\":[" + Desc("A", 26, 0) + "," + Desc("B", 7, 1) + R"(],"A":[],"B":[]})");
    QCOMPARE(t.FieldCount(), 2);
    QCOMPARE(t.RowCount(), 0);
}

void tst_TabloCozucu::int64IsExact()
{
    const TTableData t = Coz("{\"table\":[" + Desc("NO", 18, 0)
                             + R"(],"NO":[9007199254740993,9223372036854775807,-1]})");
    QCOMPARE(t.AsLargeInt(0, 0), 9007199254740993LL);
    QCOMPARE(t.AsLargeInt(1, 0), std::numeric_limits<qint64>::max());
    QCOMPARE(t.Value(0, 0), QVariant(9007199254740993LL));
}

void tst_TabloCozucu::stringsAndEscapes()
{
    // \u escapes (with a surrogate pair), raw UTF-8 Turkish text, quotes and control escapes.
    const QByteArray json = "{\"table\":[" + Desc("MET\\u0130N", 26, 0)
        + R"(],"METİN":["\u00c7ift \u015fanz\u0131man","İĞÜŞÖÇ ığüşöç","a\"b\\c\n\t","\ud83d\ude97 ok",""]})";
    const TTableData t = Coz(json);
    QCOMPARE(t.FieldDef(0).Name, QStringLiteral("METİN"));
    QCOMPARE(t.AsString(0, 0), QStringLiteral("Çift şanzıman"));
    QCOMPARE(t.AsString(1, 0), QStringLiteral("İĞÜŞÖÇ ığüşöç"));
    QCOMPARE(t.AsString(2, 0), QStringLiteral("a\"b\\c\n\t"));
    QCOMPARE(t.AsString(3, 0), QString::fromUtf8("\xF0\x9F\x9A\x97 ok"));
    QCOMPARE(t.AsString(4, 0), QString());
    QVERIFY(!t.IsNull(4, 0));
}

void tst_TabloCozucu::dates_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QDateTime>("expected");
    const QDate d(2023, 12, 31);
    QTest::newRow("full") << QByteArray("2023-12-31 23:59:59.999") << QDateTime(d, QTime(23, 59, 59, 999));
    QTest::newRow("T") << QByteArray("2023-12-31T08:05:00.000") << QDateTime(d, QTime(8, 5));
    QTest::newRow("no ms") << QByteArray("2023-12-31 08:05:09") << QDateTime(d, QTime(8, 5, 9));
    QTest::newRow("date alone") << QByteArray("2023-12-31") << QDateTime(d, QTime(0, 0));
    QTest::newRow("old") << QByteArray("1899-12-29 06:00:00") << QDateTime(QDate(1899, 12, 29), QTime(6, 0));
}

void tst_TabloCozucu::dates()
{
    QFETCH(QByteArray, text);
    QFETCH(QDateTime, expected);
    const TTableData t = Coz("{\"table\":[" + Desc("Z", 11, 0) + R"(],"Z":[")" + text + "\"]}");
    QCOMPARE(t.AsDateTime(0, 0), expected);
}

void tst_TabloCozucu::bcdAcceptsNumericText()
{
    const TTableData t = Coz("{\"table\":[" + Desc("B", 8, 0) + R"(],"B":["123.45","-0.5",7]})");
    QCOMPARE(t.AsFloat(0, 0), 123.45);
    QCOMPARE(t.AsFloat(1, 0), -0.5);
    QCOMPARE(t.AsFloat(2, 0), 7.0);
}

void tst_TabloCozucu::rejects_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("mentions");  // the message must name this (the column, mostly)
    const QByteArray a = Desc("A", 26, 0);
    const QByteArray n = Desc("N", 6, 0);
    const QByteArray two = "{\"table\":[" + a + "," + Desc("F", 7, 1) + "],";
    QTest::newRow("unknown dbxType") << "{\"table\":[" + Desc("A", 99, 0) + R"(],"A":[1]})" << "'A'";
    QTest::newRow("blob dbxType") << "{\"table\":[" + Desc("RESIM", 3, 0) + R"(],"RESIM":[1]})" << "'RESIM'";
    QTest::newRow("undeclared column") << "{\"table\":[" + a + R"(],"A":["x"],"B":["y"]})" << "'B'";
    QTest::newRow("missing column") << two + R"("A":["x"]})" << "'F'";
    QTest::newRow("lengths differ, longer") << two + R"("A":["x"],"F":[1,2]})" << "'F'";
    QTest::newRow("lengths differ, shorter") << two + R"("A":["x","y"],"F":[1]})" << "'F'";
    QTest::newRow("number in a string column") << "{\"table\":[" + a + R"(],"A":["x",5]})" << "'A'";
    QTest::newRow("string in a double column") << two + R"("A":["x"],"F":["1.5"]})" << "'F'";
    QTest::newRow("fraction in an integer column") << "{\"table\":[" + n + R"(],"N":[1.5]})" << "'N'";
    QTest::newRow("int32 out of range") << "{\"table\":[" + n + R"(],"N":[2147483648]})" << "'N'";
    QTest::newRow("int16 out of range") << "{\"table\":[" + Desc("K", 5, 0) + R"(],"K":[40000]})" << "'K'";
    QTest::newRow("int64 out of range") << "{\"table\":[" + Desc("L", 18, 0) + R"(],"L":[9223372036854775808]})"
                                        << "'L'";
    QTest::newRow("double overflow") << "{\"table\":[" + Desc("F", 7, 0) + R"(],"F":[1e400]})" << "'F'";
    QTest::newRow("boolean as number") << "{\"table\":[" + Desc("S", 4, 0) + R"(],"S":[1]})" << "'S'";
    QTest::newRow("bad date") << "{\"table\":[" + Desc("T", 2, 0) + R"(],"T":["31.12.2023"]})" << "'T'";
    QTest::newRow("date as number") << "{\"table\":[" + Desc("T", 11, 0) + R"(],"T":[45000.5]})" << "'T'";
    QTest::newRow("bcd text not a number") << "{\"table\":[" + Desc("B", 25, 0) + R"(],"B":["12,5"]})" << "'B'";
    QTest::newRow("column not an array") << "{\"table\":[" + a + R"(],"A":"x"})" << "'A'";
    QTest::newRow("nested array value") << "{\"table\":[" + a + R"(],"A":[["x"]]})" << "'A'";
    QTest::newRow("duplicated descriptor") << "{\"table\":[" + a + "," + Desc("a", 7, 1) + R"(],"A":[],"a":[]})"
                                           << "'a'";
    QTest::newRow("duplicated column") << "{\"table\":[" + a + R"(],"A":["x"],"A":["y"]})" << "'A'";
    QTest::newRow("column before table") << "{\"A\":[\"x\"],\"table\":[" + a + "]}" << "'A'";
    QTest::newRow("descriptor too short") << QByteArray(R"({"table":[["A",26,0,0,0]],"A":[]})") << "en az 6 öğe";
    QTest::newRow("descriptor not an array") << QByteArray(R"({"table":["A"]})") << "1. kolon tanımı geçersiz: bir dizi değil";
    QTest::newRow("descriptor name not text") << QByteArray(R"({"table":[[1,26,0,0,0,0]]})") << "1.";
    QTest::newRow("dbxType not integer") << QByteArray(R"({"table":[["A","26",0,0,0,0]]})") << "dbxType";
    QTest::newRow("table not an array") << QByteArray(R"({"table":{}})") << "table";
    QTest::newRow("no table") << QByteArray("{}") << "table";
    QTest::newRow("not an object") << QByteArray("[1,2]") << "nesne";
    QTest::newRow("truncated") << "{\"table\":[" + a + R"(],"A":["x",)" << "JSON";
    QTest::newRow("unterminated string") << "{\"table\":[" + a + R"(],"A":["x)" << "JSON";
    QTest::newRow("trailing garbage") << "{\"table\":[" + a + R"(],"A":["x"]} 5)" << "fazladan";
    QTest::newRow("empty text") << QByteArray() << "JSON";
}

void tst_TabloCozucu::rejects()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, mentions);
    try {
        Coz(json);
        QFAIL("decoded without an error");
    } catch (const EProtocolError& e) {
        QVERIFY2(e.text().contains(mentions), qPrintable(e.text()));
    }
}

void tst_TabloCozucu::failureKeepsTarget()
{
    TTableData t = Coz("{\"table\":[" + Desc("A", 26, 0) + R"(],"A":["eski"]})");
    const QByteArray bad = "{\"table\":[" + Desc("B", 6, 0) + R"(],"B":[1,"iki"]})";
    QVERIFY_THROWS_EXCEPTION(EProtocolError, TabloCozMetin(std::string_view(bad.constData(), bad.size()), t));
    QCOMPARE(t.FieldDef(0).Name, QStringLiteral("A"));
    QCOMPARE(t.AsString(0, 0), QStringLiteral("eski"));
}

void tst_TabloCozucu::usableFromADocument()
{
    // As the remote layer calls it: the table is one value inside a reply.
    const simdjson::padded_string json(
        std::string(R"({"result":[)") + ("{\"table\":[" + Desc("A", 6, 0) + R"(],"A":[4,5]})").toStdString() + "]}");
    simdjson::ondemand::parser parser;
    simdjson::ondemand::document doc = parser.iterate(json);
    TTableData t;
    for (auto v : doc["result"].get_array())
        TabloCoz(v.value(), t);
    QCOMPARE(t.RowCount(), 2);
    QCOMPARE(t.AsInteger(1, 0), 5);
}

QTEST_GUILESS_MAIN(tst_TabloCozucu)
#include "tst_tablocozucu.moc"
