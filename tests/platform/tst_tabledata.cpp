#include "DateTimeCodec.h"
#include "EHata.h"
#include "TTableData.h"

#include <QtTest>

// Columnar storage: typed cells, string edits, nulls, conversions and column operations.
class tst_TableData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stringEditsKeepOtherCells();
    void nullsAllocatedOnlyWhenNeeded();
    void appendRecordConvertsAndRollsBack();
    void readConversions_data();
    void readConversions();
    void fieldIndexIgnoresCase();
    void setFieldDefConvertsCells();
    void moveColumn();
    void dateTimeValues_data();
    void dateTimeValues();
    void wireDates_data();
    void wireDates();
};

namespace {

TTableData SampleTable()
{
    TTableData t;
    t.AddField("STOKKODU", TFieldType::String, 20);
    t.AddField("ADET", TFieldType::Integer);
    t.AddField("FIYAT", TFieldType::Float);
    t.AppendRecord({"A-1", 3, 10.5});
    t.AppendRecord({"B-22", 5, 2.25});
    t.AppendRecord({"C-333", 7, 0.0});
    return t;
}

} // namespace

void tst_TableData::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void tst_TableData::stringEditsKeepOtherCells()
{
    TTableData t = SampleTable();
    t.SetString(0, 0, QStringLiteral("ŞÖFÖR KOLTUĞU ÇİFT"));  // longer than before, first row
    t.SetString(1, 0, QString());
    t.SetString(2, 0, QStringLiteral("son satır"));  // last row: rewritten in the arena
    QCOMPARE(t.AsString(0, 0), QStringLiteral("ŞÖFÖR KOLTUĞU ÇİFT"));
    QCOMPARE(t.AsString(1, 0), QString());
    QVERIFY(!t.IsNull(1, 0));
    QCOMPARE(t.AsString(2, 0), QStringLiteral("son satır"));
    const int row = t.AppendRow();
    t.SetString(row, 0, QStringLiteral("yeni"));
    QCOMPARE(t.AsString(2, 0), QStringLiteral("son satır"));
    QCOMPARE(t.AsString(row, 0), QStringLiteral("yeni"));
    t.SetNull(0, 0);
    QVERIFY(t.IsNull(0, 0));
    QCOMPARE(t.AsString(0, 0), QString());
    QCOMPARE(t.AsString(2, 0), QStringLiteral("son satır"));
}

void tst_TableData::nullsAllocatedOnlyWhenNeeded()
{
    TTableData t = SampleTable();
    QVERIFY(!t.Column(1).HasNulls());
    t.AppendRecord({QVariant(), QVariant(), 1.0});
    QVERIFY(t.Column(1).HasNulls());
    QVERIFY(t.IsNull(3, 0) && t.IsNull(3, 1) && !t.IsNull(3, 2));
    QVERIFY(!t.IsNull(0, 1));
    QCOMPARE(t.AsInteger(3, 1), 0);
    QCOMPARE(t.Value(3, 1), QVariant());
    t.SetInteger(3, 1, 9);
    QVERIFY(!t.IsNull(3, 1));
    QCOMPARE(t.AsInteger(3, 1), 9);
    // A field added later is null in the existing rows.
    t.AddField("NOT", TFieldType::String);
    QVERIFY(t.IsNull(0, 3) && t.IsNull(3, 3));
}

void tst_TableData::appendRecordConvertsAndRollsBack()
{
    TTableData t = SampleTable();
    t.AppendRecord({42, "12", "1,75"});
    QCOMPARE(t.AsString(3, 0), QStringLiteral("42"));
    QCOMPARE(t.AsInteger(3, 1), 12);
    QCOMPARE(t.AsFloat(3, 2), 1.75);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t.AppendRecord({"X", "on iki", 1.0}));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t.AppendRecord({"X", 1}));
    QCOMPARE(t.RowCount(), 4);
    QCOMPARE(t.Column(0).Count(), 4);
}

void tst_TableData::readConversions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("asString");
    QTest::addColumn<double>("asFloat");
    QTest::addColumn<qlonglong>("asLargeInt");
    QTest::addColumn<bool>("asBoolean");
    const auto t = [](TFieldType f) { return int(f); };
    QTest::newRow("float") << t(TFieldType::Float) << QVariant(2.5) << "2,5" << 2.5 << 2LL << true;
    QTest::newRow("float rounds half even") << t(TFieldType::Float) << QVariant(3.5) << "3,5" << 3.5 << 4LL << true;
    QTest::newRow("bcd") << t(TFieldType::BCD) << QVariant(-7.25) << "-7,25" << -7.25 << -7LL << true;
    QTest::newRow("integer") << t(TFieldType::Integer) << QVariant(0) << "0" << 0.0 << 0LL << false;
    QTest::newRow("int64 exact") << t(TFieldType::LargeInt) << QVariant(9007199254740993LL)
                                 << "9007199254740993" << 9007199254740992.0 << 9007199254740993LL << true;
    QTest::newRow("string number") << t(TFieldType::String) << QVariant("15") << "15" << 15.0 << 15LL << false;
    QTest::newRow("string true") << t(TFieldType::String) << QVariant("True") << "True" << -1.0 << -1LL << true;
    QTest::newRow("boolean") << t(TFieldType::Boolean) << QVariant(true) << "True" << 1.0 << 1LL << true;
    QTest::newRow("date") << t(TFieldType::Date) << QVariant(QDate(2024, 3, 5)) << "05.03.2024" << 45356.0 << 45356LL
                          << true;
    QTest::newRow("date-time") << t(TFieldType::DateTime) << QVariant(QDateTime(QDate(2024, 3, 5), QTime(18, 0)))
                               << "05.03.2024 18:00:00" << 45356.75 << 45357LL << true;
}

void tst_TableData::readConversions()
{
    QFETCH(int, type);
    QFETCH(QVariant, stored);
    QFETCH(QString, asString);
    QFETCH(double, asFloat);
    QFETCH(qlonglong, asLargeInt);
    QFETCH(bool, asBoolean);
    TTableData t;
    t.AddField("F", TFieldType(type));
    t.AppendRecord({stored});
    QCOMPARE(t.AsString(0, 0), asString);
    QCOMPARE(t.AsBoolean(0, 0), asBoolean);
    if (asFloat == -1.0) {  // not a number
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, t.AsFloat(0, 0));
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, t.AsLargeInt(0, 0));
    } else {
        QCOMPARE(t.AsFloat(0, 0), asFloat);
        QCOMPARE(t.AsLargeInt(0, 0), asLargeInt);
    }
    QCOMPARE(t.Value(0, 0), stored);
}

void tst_TableData::fieldIndexIgnoresCase()
{
    const TTableData t = SampleTable();
    QCOMPARE(t.FieldIndex(u"fiyat"), 2);
    QCOMPARE(t.FieldIndex(u"StokKodu"), 0);
    QCOMPARE(t.FieldIndex(u"YOK"), -1);
    TTableData d = SampleTable();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, d.AddField("adet", TFieldType::Float));
}

void tst_TableData::setFieldDefConvertsCells()
{
    TTableData t = SampleTable();
    t.SetFieldDef(1, {"ADET", TFieldType::Float, 0});
    QCOMPARE(t.FieldDef(1).DataType, TFieldType::Float);
    QCOMPARE(t.Value(1, 1), QVariant(5.0));
    t.SetFieldDef(2, {"FIYAT", TFieldType::String, 10});
    QCOMPARE(t.AsString(0, 2), QStringLiteral("10,5"));
    // "A-1" is no number: the change fails and the column stays as it was.
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t.SetFieldDef(0, {"STOKKODU", TFieldType::Integer, 0}));
    QCOMPARE(t.FieldDef(0).DataType, TFieldType::String);
    QCOMPARE(t.AsString(1, 0), QStringLiteral("B-22"));
}

void tst_TableData::moveColumn()
{
    TTableData t = SampleTable();
    t.SetDisplayFormat(2, "0.00");
    t.MoveColumn(2, 0);
    QCOMPARE(t.FieldDef(0).Name, QStringLiteral("FIYAT"));
    QCOMPARE(t.DisplayFormat(0), QStringLiteral("0.00"));
    QCOMPARE(t.FieldDef(1).Name, QStringLiteral("STOKKODU"));
    QCOMPARE(t.AsFloat(1, 0), 2.25);
    t.MoveColumn(0, 2);
    QCOMPARE(t.FieldDef(2).Name, QStringLiteral("FIYAT"));
    QCOMPARE(t.AsString(2, 0), QStringLiteral("C-333"));
}

void tst_TableData::dateTimeValues_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<double>("tdatetime");
    QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("1970") << QDateTime(QDate(1970, 1, 1), QTime(0, 0)) << 25569.0;
    QTest::newRow("noon") << QDateTime(QDate(2000, 1, 1), QTime(12, 0)) << 36526.5;
    QTest::newRow("before epoch keeps the time forward") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
    QTest::newRow("leap day") << QDateTime(QDate(2024, 2, 29), QTime(0, 0)) << 45351.0;
}

void tst_TableData::dateTimeValues()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(double, tdatetime);
    QCOMPARE(DateTimeCodec::FromQDateTime(dateTime), tdatetime);
    QCOMPARE(DateTimeCodec::ToQDateTime(tdatetime), dateTime);
}

void tst_TableData::wireDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QDateTime>("expected");
    const QDate d(2024, 3, 5);
    QTest::newRow("full") << "2024-03-05 14:30:15.250" << true << QDateTime(d, QTime(14, 30, 15, 250));
    QTest::newRow("T separator") << "2024-03-05T14:30:15.250" << true << QDateTime(d, QTime(14, 30, 15, 250));
    QTest::newRow("no milliseconds") << "2024-03-05 14:30:15" << true << QDateTime(d, QTime(14, 30, 15));
    QTest::newRow("one fraction digit") << "2024-03-05 14:30:15.5" << true << QDateTime(d, QTime(14, 30, 15, 500));
    QTest::newRow("date alone") << "2024-03-05" << true << QDateTime(d, QTime(0, 0));
    QTest::newRow("leap day") << "2024-02-29" << true << QDateTime(QDate(2024, 2, 29), QTime(0, 0));
    QTest::newRow("no leap day") << "2023-02-29" << false << QDateTime();
    QTest::newRow("month 13") << "2024-13-01" << false << QDateTime();
    QTest::newRow("hour 24") << "2024-03-05 24:00:00" << false << QDateTime();
    QTest::newRow("trailing text") << "2024-03-05 14:30:15.250Z" << false << QDateTime();
    QTest::newRow("short") << "2024-3-5" << false << QDateTime();
    QTest::newRow("empty") << "" << false << QDateTime();
}

void tst_TableData::wireDates()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QDateTime, expected);
    const QByteArray utf8 = text.toUtf8();
    double v = -1;
    QCOMPARE(DateTimeCodec::ParseIso(std::string_view(utf8.constData(), std::size_t(utf8.size())), v), valid);
    if (valid)
        QCOMPARE(DateTimeCodec::ToQDateTime(v), expected);
}

QTEST_GUILESS_MAIN(tst_TableData)
#include "tst_tabledata.moc"
