#include "EHata.h"
#include "TClientDataSet.h"

#include <QSignalSpy>
#include <QtTest>

// The client table as the pages use it: cursor, fields, editing, loading and the signals for grids.
class tst_ClientDataSet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void defaults();
    void navigation();
    void locate_data();
    void locate();
    void editPostCancel();
    void appendAndEditOnEmpty();
    void settersNeedEditState();
    void unknownFieldRaises();
    void emptyDataSet();
    void disableControlsSuppressesSignals();
    void setDataReplacesColumnsAndRows();
    void copyFromReaderKeepsPrescribedColumns();
    void copyFromReaderRejectsMismatch_data();
    void copyFromReaderRejectsMismatch();
    void copyFromReaderWithoutPrescribedColumns();
    void displayText();
};

namespace {

TTableData Stock(int rows)
{
    TTableData t;
    t.AddField("STOKKODU", TFieldType::String, 20);
    t.AddField("ADET", TFieldType::Integer);
    t.AddField("FIYAT", TFieldType::Float);
    for (int i = 0; i < rows; ++i)
        t.AppendRecord({QStringLiteral("S-%1").arg(i), i * 10, i + 0.5});
    return t;
}

} // namespace

void tst_ClientDataSet::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void tst_ClientDataSet::defaults()
{
    TClientDataSet ds;
    QVERIFY(!ds.Active());
    QCOMPARE(ds.RecordCount(), 0);
    QCOMPARE(ds.RecNo(), -1);
    QVERIFY(ds.Eof());
    QVERIFY(!ds.ControlsDisabled());
    QCOMPARE(ds.DataSetState(), TClientDataSet::State::Inactive);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.First());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.CreateDataSet());  // no fields

    ds.AddFieldDef("STOKKODU", TFieldType::String, 20);
    ds.CreateDataSet();
    QVERIFY(ds.Active());
    QCOMPARE(ds.RecordCount(), 0);
    QVERIFY(ds.Eof() && ds.Bof());
    QVERIFY(ds.FieldByName("stokkodu").IsNull());
    QCOMPARE(ds.FieldByName("STOKKODU").AsString(), QString());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.AddFieldDef("X", TFieldType::Integer));
}

void tst_ClientDataSet::navigation()
{
    TClientDataSet ds;
    ds.SetData(Stock(3));
    QSignalSpy current(&ds, &TClientDataSet::currentChanged);
    QStringList seen;
    for (ds.First(); !ds.Eof(); ds.Next())
        seen << ds.FieldByName("STOKKODU").AsString();
    QCOMPARE(seen, QStringList({"S-0", "S-1", "S-2"}));
    QCOMPARE(ds.RecNo(), 2);  // Eof leaves the cursor on the last record
    QCOMPARE(current.count(), 2);
    ds.Prior();
    QCOMPARE(ds.RecNo(), 1);
    QVERIFY(!ds.Eof());
    ds.SetRecNo(0);
    ds.Prior();
    QVERIFY(ds.Bof());
    ds.Last();
    QVERIFY(ds.Eof());
    QCOMPARE(ds.FieldByName("ADET").AsInteger(), 20);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.SetRecNo(3));
}

void tst_ClientDataSet::locate_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("recNo");  // -1: not found, the cursor stays on record 1
    QTest::newRow("string") << "STOKKODU" << QVariant("S-2") << 2;
    QTest::newRow("string is case-sensitive") << "STOKKODU" << QVariant("s-2") << -1;
    QTest::newRow("field name ignores case") << "stokkodu" << QVariant("S-0") << 0;
    QTest::newRow("integer") << "ADET" << QVariant(20) << 2;
    QTest::newRow("integer given as text") << "ADET" << QVariant("10") << 1;
    QTest::newRow("integer not a number") << "ADET" << QVariant("on") << -1;
    QTest::newRow("float") << "FIYAT" << QVariant(0.5) << 0;
    QTest::newRow("null") << "FIYAT" << QVariant() << 3;
    QTest::newRow("absent") << "STOKKODU" << QVariant("S-9") << -1;
}

void tst_ClientDataSet::locate()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(int, recNo);
    TTableData t = Stock(3);
    t.AppendRecord({"S-3", 30, QVariant()});
    TClientDataSet ds;
    ds.SetData(std::move(t));
    ds.SetRecNo(1);
    QCOMPARE(ds.Locate(field, value), recNo >= 0);
    QCOMPARE(ds.RecNo(), recNo >= 0 ? recNo : 1);
}

void tst_ClientDataSet::editPostCancel()
{
    TClientDataSet ds;
    ds.SetData(Stock(3));
    QSignalSpy changed(&ds, &TClientDataSet::rowChanged);
    ds.SetRecNo(1);

    ds.Edit();
    ds.FieldByName("STOKKODU").SetAsString("DEĞİŞTİ");
    ds.FieldByName("ADET").SetAsInteger(99);
    QCOMPARE(ds.FieldByName("ADET").AsInteger(), 99);      // the buffer while editing
    QCOMPARE(ds.Data().AsInteger(1, 1), 10);                // the table not yet
    ds.Cancel();
    QCOMPARE(ds.FieldByName("ADET").AsInteger(), 10);
    QCOMPARE(ds.FieldByName("STOKKODU").AsString(), QStringLiteral("S-1"));
    QCOMPARE(changed.count(), 0);

    ds.Edit();
    ds.FieldByName("STOKKODU").SetAsString("DEĞİŞTİ");
    ds.FieldByName("FIYAT").Clear();
    ds.Post();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QCOMPARE(ds.FieldByName("STOKKODU").AsString(), QStringLiteral("DEĞİŞTİ"));
    QVERIFY(ds.FieldByName("FIYAT").IsNull());
    QCOMPARE(ds.Data().AsString(0, 0), QStringLiteral("S-0"));
    QCOMPARE(ds.Data().AsString(2, 0), QStringLiteral("S-2"));

    // Moving on posts a pending edit, as the platform does.
    ds.Edit();
    ds.FieldByName("ADET").SetAsInteger(5);
    ds.Next();
    QCOMPARE(ds.Data().AsInteger(1, 1), 5);
    QCOMPARE(ds.DataSetState(), TClientDataSet::State::Browse);
}

void tst_ClientDataSet::appendAndEditOnEmpty()
{
    TClientDataSet ds;
    ds.AddFieldDef("AD", TFieldType::String);
    ds.AddFieldDef("TUTAR", TFieldType::Float);
    ds.CreateDataSet();
    QSignalSpy reset(&ds, &TClientDataSet::dataReset);
    ds.Edit();  // on an empty table: a new record
    QCOMPARE(ds.DataSetState(), TClientDataSet::State::Insert);
    ds.FieldByName("AD").SetAsString("İlk");
    ds.FieldByName("TUTAR").SetAsFloat(1.5);
    ds.Post();
    ds.Append();
    ds.FieldByName("AD").SetAsString("İkinci");
    ds.Post();
    QCOMPARE(ds.RecordCount(), 2);
    QCOMPARE(ds.RecNo(), 1);
    QVERIFY(ds.FieldByName("TUTAR").IsNull());
    QCOMPARE(ds.Data().AsString(0, 0), QStringLiteral("İlk"));
    QCOMPARE(reset.count(), 2);
    ds.Append();
    ds.Cancel();
    QCOMPARE(ds.RecordCount(), 2);
}

void tst_ClientDataSet::settersNeedEditState()
{
    TClientDataSet ds;
    ds.SetData(Stock(1));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.FieldByName("ADET").SetAsInteger(1));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.Post());
    ds.Edit();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.FieldByName("ADET").SetAsString("bir"));
    ds.Cancel();
    QCOMPARE(ds.FieldByName("ADET").AsInteger(), 0);
}

void tst_ClientDataSet::unknownFieldRaises()
{
    TClientDataSet ds;
    ds.SetData(Stock(1));
    try {
        ds.FieldByName("BARKOD");
        QFAIL("no error");
    } catch (const EDatabaseError& e) {
        QCOMPARE(e.text(), QStringLiteral("Field 'BARKOD' not found"));
    }
    QVERIFY(!ds.FindField("BARKOD").IsValid());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.Locate("BARKOD", 1));
}

void tst_ClientDataSet::emptyDataSet()
{
    TClientDataSet ds;
    ds.SetData(Stock(3));
    ds.SetDisplayFormat(2, "0.00");
    QSignalSpy reset(&ds, &TClientDataSet::dataReset);
    ds.EmptyDataSet();
    QCOMPARE(reset.count(), 1);
    QVERIFY(ds.Active());
    QCOMPARE(ds.RecordCount(), 0);
    QCOMPARE(ds.RecNo(), -1);
    QCOMPARE(ds.FieldCount(), 3);
    QCOMPARE(ds.DisplayFormat(2), QStringLiteral("0.00"));
    ds.Close();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, ds.EmptyDataSet());
}

void tst_ClientDataSet::disableControlsSuppressesSignals()
{
    TClientDataSet ds;
    ds.SetData(Stock(3));
    QSignalSpy about(&ds, &TClientDataSet::aboutToReset);
    QSignalSpy reset(&ds, &TClientDataSet::dataReset);
    QSignalSpy row(&ds, &TClientDataSet::rowChanged);
    QSignalSpy current(&ds, &TClientDataSet::currentChanged);
    ds.DisableControls();
    ds.DisableControls();
    QVERIFY(ds.ControlsDisabled());
    ds.SetData(Stock(5));
    ds.Next();
    ds.Edit();
    ds.FieldByName("ADET").SetAsInteger(1);
    ds.Post();
    ds.EmptyDataSet();
    ds.CopyFromReader(Stock(2));
    ds.EnableControls();
    QVERIFY(ds.ControlsDisabled());
    QCOMPARE(about.count() + reset.count() + row.count() + current.count(), 0);
    ds.EnableControls();
    QVERIFY(!ds.ControlsDisabled());
    QCOMPARE(reset.count(), 1);
    QCOMPARE(about.count() + row.count() + current.count(), 0);
    ds.EnableControls();  // unbalanced: ignored
    QCOMPARE(reset.count(), 1);
}

void tst_ClientDataSet::setDataReplacesColumnsAndRows()
{
    TClientDataSet ds;
    ds.SetData(Stock(4));
    ds.SetDisplayFormat(2, "#,###,##0.00");
    ds.Last();
    TTableData other;
    other.AddField("CARIADI", TFieldType::String);
    other.AppendRecord({"ORVAK OTO"});
    QSignalSpy about(&ds, &TClientDataSet::aboutToReset);
    QSignalSpy reset(&ds, &TClientDataSet::dataReset);
    ds.SetData(std::move(other));
    QCOMPARE(about.count(), 1);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(ds.FieldCount(), 1);
    QCOMPARE(ds.RecordCount(), 1);
    QCOMPARE(ds.RecNo(), 0);
    QCOMPARE(ds.FieldIndex("STOKKODU"), -1);
    QCOMPARE(ds.FieldByName("CARIADI").AsString(), QStringLiteral("ORVAK OTO"));
}

void tst_ClientDataSet::copyFromReaderKeepsPrescribedColumns()
{
    TClientDataSet ds;
    ds.AddFieldDef("stokkodu", TFieldType::String, 30);
    ds.AddFieldDef("ADET", TFieldType::Float);  // the reader's Integer becomes Float by position
    ds.CreateDataSet();
    ds.SetDisplayFormat(1, "0.00");
    ds.Append();
    ds.FieldByName("ADET").SetAsFloat(1);
    ds.Post();

    ds.CopyFromReader(Stock(3));
    QCOMPARE(ds.RecordCount(), 3);  // the earlier row is gone
    QCOMPARE(ds.FieldCount(), 3);
    QCOMPARE(ds.FieldDef(0).Name, QStringLiteral("stokkodu"));
    QCOMPARE(ds.FieldDef(0).Size, 30);
    QCOMPARE(ds.FieldDef(1).DataType, TFieldType::Float);
    QCOMPARE(ds.FieldDef(2).Name, QStringLiteral("FIYAT"));  // added after the prescribed ones
    QCOMPARE(ds.DisplayFormat(1), QStringLiteral("0.00"));
    ds.Last();
    QCOMPARE(ds.FieldByName("ADET").Value(), QVariant(20.0));
    QCOMPARE(ds.FieldByName("ADET").DisplayText(), QStringLiteral("20,00"));
    QCOMPARE(ds.FieldByName("FIYAT").AsFloat(), 2.5);

    // The columns are now prescribed: the same reader fits again.
    ds.CopyFromReader(Stock(1));
    QCOMPARE(ds.RecordCount(), 1);
    QCOMPARE(ds.FieldCount(), 3);
}

void tst_ClientDataSet::copyFromReaderRejectsMismatch_data()
{
    QTest::addColumn<QStringList>("prescribed");
    QTest::newRow("other name at the position") << QStringList({"STOKKODU", "FIYAT"});
    QTest::newRow("more prescribed than the reader has") << QStringList({"STOKKODU", "ADET", "FIYAT", "KDV"});
    QTest::newRow("first differs") << QStringList({"BARKOD"});
}

void tst_ClientDataSet::copyFromReaderRejectsMismatch()
{
    QFETCH(QStringList, prescribed);
    TClientDataSet ds;
    for (const QString& name : prescribed)
        ds.AddFieldDef(name, TFieldType::String);
    ds.CreateDataSet();
    ds.Append();
    ds.Fields(0).SetAsString("önceki");
    ds.Post();
    try {
        ds.CopyFromReader(Stock(2));
        QFAIL("no error");
    } catch (const EDatabaseError& e) {
        QCOMPARE(e.text(), QStringLiteral("Additional columns must be added after the prescribed columns."));
    }
    // A failed copy leaves the table as it was.
    QCOMPARE(ds.FieldCount(), prescribed.size());
    QCOMPARE(ds.RecordCount(), 1);
    QCOMPARE(ds.Fields(0).AsString(), QStringLiteral("önceki"));
}

void tst_ClientDataSet::copyFromReaderWithoutPrescribedColumns()
{
    TClientDataSet ds;
    QSignalSpy reset(&ds, &TClientDataSet::dataReset);
    ds.CopyFromReader(Stock(2));
    QVERIFY(ds.Active());
    QCOMPARE(ds.FieldCount(), 3);
    QCOMPARE(ds.RecordCount(), 2);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(ds.FieldByName("STOKKODU").AsString(), QStringLiteral("S-0"));
}

void tst_ClientDataSet::displayText()
{
    TTableData t;
    t.AddField("TUTAR", TFieldType::Float);
    t.AddField("ISKONTO", TFieldType::BCD);
    t.AddField("ADET", TFieldType::Integer);
    t.AddField("TARIH", TFieldType::Date);
    t.AddField("ZAMAN", TFieldType::DateTime);
    t.AddField("SEC", TFieldType::Boolean);
    t.AppendRecord({1500000.0, 2.5, 1234, QDate(2024, 3, 5), QDateTime(QDate(2024, 3, 5), QTime(9, 7, 30)), true});
    t.AppendRecord({QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    TClientDataSet ds;
    ds.SetData(std::move(t));
    QCOMPARE(ds.DisplayText(0, 0), QStringLiteral("1500000"));
    ds.SetDisplayFormat(0, "#,###,##0.00");
    QCOMPARE(ds.DisplayText(0, 0), QStringLiteral("1.500.000,00"));
    QCOMPARE(ds.DisplayText(0, 1), QStringLiteral("2,5"));
    QCOMPARE(ds.DisplayText(0, 2), QStringLiteral("1234"));
    QCOMPARE(ds.DisplayText(0, 3), QStringLiteral("05.03.2024"));
    QCOMPARE(ds.DisplayText(0, 4), QStringLiteral("05.03.2024 09:07"));
    QCOMPARE(ds.DisplayText(0, 5), QStringLiteral("True"));
    for (int f = 0; f < ds.FieldCount(); ++f)
        QCOMPARE(ds.DisplayText(1, f), QString());
    QCOMPARE(ds.DisplayText(2, 0), QString());  // out of range
    ds.SetDisplayFormat(2, "#,##0");
    QCOMPARE(ds.FieldByName("ADET").DisplayText(), QStringLiteral("1.234"));
    QCOMPARE(ds.FieldByName("ZAMAN").AsString(), QStringLiteral("05.03.2024 09:07:30"));
}

QTEST_GUILESS_MAIN(tst_ClientDataSet)
#include "tst_clientdataset.moc"
