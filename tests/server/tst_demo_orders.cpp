// Orders of the demo server over HTTP: previous orders and their lines and footers, open
// balances and their three changes, order movements.
#include "DemoHesaplar.h"
#include "DemoServer.h"
#include "DemoTestClient.h"
#include "DsTable.h"

#include <QGuiApplication>
#include <QtTest>

using namespace demohesap;

class TstDemoOrders : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void previousOrdersMatchTheirLines();
    void orderLinesOfAnotherCustomerAreNotShown();
    void orderFooter();
    void balancesAreOpenLines();
    void balanceCancel();
    void balanceChangeQuantity_data();
    void balanceChangeQuantity();
    void balancePriceChangeIsForStaff();
    void balanceChangeRefusesForeignOrMismatchedLine();
    void orderMovements();
    void newOrderIsListedAndOpen();

private:
    DsTable call(const QString& method, const QJsonArray& params);
    DemoServer server_;
    std::unique_ptr<DemoTestClient> http_;
};

void TstDemoOrders::initTestCase()
{
    DemoServerOptions o;
    o.catalogue = 600;
    QVERIFY2(server_.start(o), qPrintable(server_.errorString()));
    http_ = std::make_unique<DemoTestClient>(server_.port());
}

DsTable TstDemoOrders::call(const QString& method, const QJsonArray& params)
{
    const auto r = http_->call(method, params);
    [&] { QCOMPARE(r.status, 200); }();
    DsTable t(r.result().at(0));
    [&] { QVERIFY2(t.problem().isEmpty(), qPrintable(method + u' ' + t.problem())); }();
    return t;
}

void TstDemoOrders::previousOrdersMatchTheirLines()
{
    const DsTable orders = call(QStringLiteral("OncekiSiparisler"), {kBayi.carino});
    QCOMPARE(orders.names(), (QStringList{"CARINO", "IDNO", "TARIH", "KUR", "KURTL", "VERENIDNO", "KARGO", "TESLIM",
                                          "VEREN", "CARIKOD", "CARIADI", "VERGI", "NETTUTAR", "TUTAR", "DURUM", "KARGOADI",
                                          "VERENINNOTU", "ALANNOTU"}));
    QCOMPARE(orders.type("IDNO"), 6);
    QCOMPARE(orders.type("TARIH"), 11);
    QCOMPARE(orders.type("TUTAR"), 7);
    QVERIFY(orders.rows() >= 4);
    QSet<QString> states;
    for (int i = 0; i < orders.rows(); ++i) {
        states.insert(orders.text("DURUM", i));
        const DsTable lines = call(QStringLiteral("SiparisAyrintisi2"), {kBayi.carino, orders.value("IDNO", i).toInt()});
        QVERIFY(lines.rows() > 0);
        double tutar = 0, net = 0, vergi = 0;
        for (int l = 0; l < lines.rows(); ++l) {
            tutar += lines.number("TUTAR", l);
            net += lines.number("NETTUTAR", l);
            vergi += lines.number("VERGITUTARI", l);
            QCOMPARE(lines.number("KALAN", l) <= lines.number("MIKTAR", l) - lines.number("TESLIMEDILEN", l) + 1e-9, true);
            QCOMPARE(lines.value("IDNO", l), orders.value("IDNO", i));
        }
        QCOMPARE(orders.number("TUTAR", i), std::round(tutar * 100) / 100);
        QCOMPARE(orders.number("NETTUTAR", i), std::round(net * 100) / 100);
        QCOMPARE(orders.number("VERGI", i), std::round(vergi * 100) / 100);
    }
    QVERIFY(states.contains(QStringLiteral("Sevk Edildi")));

    const DsTable lines = call(QStringLiteral("SiparisAyrintisi2"), {kBayi.carino, orders.value("IDNO", 0).toInt()});
    for (const char* c : {"VERILISTARIHI", "SIRANO", "BARKOD", "FINISHKOD", "OEMNO", "STOKADI", "MIKTAR", "BIRIMFIYAT",
                          "TUTAR", "INDIRIMYAZI", "INDIRIMORANI1", "INDIRIMORANI4", "INDIRIMTUTAR", "NETBIRIMFIYAT", "KDV",
                          "VERGITUTARI", "NETTUTAR", "VEREN", "TESLIMEDILEN", "KALAN", "TESLIM", "KARGO"})
        QVERIFY2(lines.names().contains(QLatin1String(c)), c);
    QCOMPARE(lines.names().first(), QStringLiteral("VERILISTARIHI"));
    QCOMPARE(lines.names().last(), QStringLiteral("KALAN"));
}

void TstDemoOrders::orderLinesOfAnotherCustomerAreNotShown()
{
    const DsTable mine = call(QStringLiteral("OncekiSiparisler"), {kBayi.carino});
    const int idno = mine.value("IDNO", 0).toInt();
    const DsTable other = call(QStringLiteral("SiparisAyrintisi2"), {kBayi4.carino, idno});
    QCOMPARE(other.rows(), 0);
    QVERIFY(other.names().contains(QStringLiteral("KALAN")));
}

void TstDemoOrders::orderFooter()
{
    const int idno = call(QStringLiteral("OncekiSiparisler"), {kBayi.carino}).value("IDNO", 0).toInt();
    const auto r = http_->call(QStringLiteral("SiparisAytintisiDip"), {0, idno});
    const QJsonObject o = r.result().at(0).toObject();
    QCOMPARE(o.value("type").toString(), QStringLiteral("baglantiu.TSiparisDipAyrinti"));
    const QList<QByteArray> order = {"FSizinMesaj", "FDurumu", "FVeren", "FKargo", "FBizimMesaj", "FTeslimCinsi",
                                     "FKargoCinsi", "FSaticiNotu"};
    qsizetype last = -1;
    for (const QByteArray& f : order) {
        const qsizetype at = r.body.indexOf('"' + f + "\":\"");
        QVERIFY2(at > last, f.constData());
        last = at;
    }
    QVERIFY(!o.value("fields").toObject().value("FDurumu").toString().isEmpty());
    QVERIFY(!o.value("fields").toObject().value("FKargoCinsi").toString().isEmpty());
    QCOMPARE(http_->call(QStringLiteral("SiparisAytintisiDip"), {0, 99999999}).result(), QJsonArray{QJsonValue()});
    // A customer number, when given, must be the order's.
    QCOMPARE(http_->call(QStringLiteral("SiparisAytintisiDip"), {kBayi4.carino, idno}).result(), QJsonArray{QJsonValue()});
}

void TstDemoOrders::balancesAreOpenLines()
{
    const DsTable t = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    QVERIFY(t.rows() > 0);
    for (const char* c : {"SIRANO", "STOK_STOKNO", "STOKHAR_NO", "IDNO", "MIKTAR", "KALAN", "TESLIMEDILEN", "BIRIMFIYAT",
                          "ILKFIYAT", "INDIRIMORANI1", "TUTAR", "INDIRIMTUTAR", "BARKOD", "ACIKLAMA", "FINISHKOD", "MARKA",
                          "MODEL", "ELDEKI", "DURUM", "ALINANSIPARIS", "VERILENSIPARIS"})
        QVERIFY2(t.names().contains(QLatin1String(c)), c);
    // The OEM columns come in the order 1, 3, 2, 4 here.
    QVERIFY(t.names().indexOf("OEM3") < t.names().indexOf("OEM2"));
    for (int i = 0; i < t.rows(); ++i) {
        QVERIFY(t.number("KALAN", i) > 0);
        QCOMPARE(t.text("ACIKLAMA", i), t.text("STOKADI", i));
    }
}

void TstDemoOrders::balanceCancel()
{
    const DsTable before = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    QVERIFY(before.rows() > 0);
    const int sirano = before.value("SIRANO", 0).toInt();
    const QJsonArray p{DemoTestClient::record(kBayi.carino, 3), before.value("STOK_STOKNO", 0), sirano,
                       before.value("STOKHAR_NO", 0), before.value("MIKTAR", 0), before.value("KALAN", 0),
                       before.value("BARKOD", 0)};
    QCOMPARE(http_->call(QStringLiteral("BakiyeDuzenle"), p).result(), QJsonArray{1});
    const DsTable after = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    QCOMPARE(after.rows(), before.rows() - 1);
    QCOMPARE(after.find(QStringLiteral("SIRANO"), sirano), -1);
    QCOMPARE(server_.query(QStringLiteral("SELECT TUR FROM bakiye_hareket WHERE SEPETSIRANO=?"), {sirano}).value(0).value("TUR").toString(),
             QStringLiteral("Sil"));
}

void TstDemoOrders::balanceChangeQuantity_data()
{
    QTest::addColumn<double>("extra"); // new balance relative to the current one
    QTest::newRow("lower") << -1.0;
    QTest::newRow("higher than ordered") << 5.0;
}

void TstDemoOrders::balanceChangeQuantity()
{
    QFETCH(double, extra);
    const DsTable t = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    int row = -1;
    for (int i = 0; i < t.rows() && row < 0; ++i)
        if (t.number("KALAN", i) >= 2)
            row = i;
    QVERIFY(row >= 0);
    const int sirano = t.value("SIRANO", row).toInt();
    const double yeni = t.number("KALAN", row) + extra;
    const QJsonArray p{DemoTestClient::record(kBayi.carino, 3), t.value("STOK_STOKNO", row), sirano, t.value("STOKHAR_NO", row),
                       yeni, yeni, t.value("BARKOD", row)};
    QCOMPARE(http_->call(QStringLiteral("BakiyeDegistir"), p).result(), QJsonArray{1});
    const DsTable after = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    const int at = after.find(QStringLiteral("SIRANO"), sirano);
    QVERIFY(at >= 0);
    QCOMPARE(after.number("KALAN", at), yeni);
    QCOMPARE(after.number("TESLIMEDILEN", at), t.number("TESLIMEDILEN", row));
}

void TstDemoOrders::balancePriceChangeIsForStaff()
{
    const DsTable t = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    const int sirano = t.value("SIRANO", 0).toInt();
    const double ilk = t.number("ILKFIYAT", 0);
    auto params = [&](int tip) {
        return QJsonArray{DemoTestClient::record(kBayi.carino, tip), 0, sirano, t.value("STOKHAR_NO", 0),
                          t.value("MIKTAR", 0), t.value("MIKTAR", 0), t.value("BARKOD", 0), 100.0, 10.0};
    };
    QCOMPARE(http_->call(QStringLiteral("BakiyeFiyatDegistir"), params(3)).result(), QJsonArray{0});
    QCOMPARE(http_->call(QStringLiteral("BakiyeFiyatDegistir"), params(2)).result(), QJsonArray{1});
    const DsTable after = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    const int at = after.find(QStringLiteral("SIRANO"), sirano);
    QCOMPARE(after.number("BIRIMFIYAT", at), 100.0);
    QCOMPARE(after.number("INDIRIMORANI1", at), 10.0);
    QCOMPARE(after.number("NETBIRIMFIYAT", at), 90.0);
    QCOMPARE(after.number("ILKFIYAT", at), ilk);
}

void TstDemoOrders::balanceChangeRefusesForeignOrMismatchedLine()
{
    const DsTable t = call(QStringLiteral("BakiyelerVer2"), {kBayi.carino});
    const int sirano = t.value("SIRANO", 0).toInt();
    QJsonArray p{DemoTestClient::record(kBayi4.carino, 3), t.value("STOK_STOKNO", 0), sirano, t.value("STOKHAR_NO", 0),
                 1.0, 1.0, t.value("BARKOD", 0)};
    QCOMPARE(http_->call(QStringLiteral("BakiyeDegistir"), p).result(), QJsonArray{0});
    p[0] = DemoTestClient::record(kBayi.carino, 3);
    p[3] = t.value("STOKHAR_NO", 0).toInt() + 1;
    QCOMPARE(http_->call(QStringLiteral("BakiyeDuzenle"), p).result(), QJsonArray{0});
    p[3] = t.value("STOKHAR_NO", 0);
    p[5] = -3.0;
    QCOMPARE(http_->call(QStringLiteral("BakiyeDegistir"), p).result(), QJsonArray{0});
    QCOMPARE(call(QStringLiteral("BakiyelerVer2"), {kBayi.carino}).rows(), t.rows());
}

void TstDemoOrders::orderMovements()
{
    const DsTable all = call(QStringLiteral("TumSiparislerVer"), {kBayi.carino, 0});
    QVERIFY(all.rows() > 0);
    const int stokno = all.value("STOK_STOKNO", 0).toInt();
    const DsTable one = call(QStringLiteral("TumSiparislerVer"), {kBayi.carino, stokno});
    QVERIFY(one.rows() >= 1 && one.rows() <= all.rows());
    for (int i = 0; i < one.rows(); ++i)
        QCOMPARE(one.value("STOK_STOKNO", i).toInt(), stokno);
    QCOMPARE(one.names(), all.names());
    // All order lines, delivered ones too.
    int delivered = 0;
    for (int i = 0; i < all.rows(); ++i)
        delivered += all.number("KALAN", i) == 0 ? 1 : 0;
    QVERIFY(delivered > 0);
}

void TstDemoOrders::newOrderIsListedAndOpen()
{
    const int carino = 1025;
    const QJsonObject rec = DemoTestClient::record(carino, 3, 125);
    http_->call(QStringLiteral("SepetHepsiniSil"), {rec});
    for (int stokno : {40, 41}) {
        const QVariantMap s = server_.query(QStringLiteral("SELECT BARKOD,ADI,KDV,LISTEFIYAT FROM stok WHERE STOK_STOKNO=?"),
                                            {stokno}).value(0);
        http_->call(QStringLiteral("SepetEkle2"), {rec, carino, stokno, s.value("BARKOD").toString(), s.value("ADI").toString(),
                                                  3.0, s.value("KDV").toDouble(), s.value("LISTEFIYAT").toDouble(), 20.0, 125,
                                                  0, 0.0, 0.0, 0.0});
    }
    const DsTable b = call(QStringLiteral("SepetVerOrvak"), {carino});
    for (int i = 0; i < b.rows(); ++i)
        http_->call(QStringLiteral("SepetSecimGuncelle"), {b.value("SIRANO", i), 1});
    const int openBefore = call(QStringLiteral("BakiyelerVer2"), {carino}).rows();
    QCOMPARE(http_->call(QStringLiteral("SiparisKaydet"), {rec, carino, 2, 1, QStringLiteral("not"), 125, 1}).result(),
             QJsonArray{true});
    const DsTable orders = call(QStringLiteral("OncekiSiparisler"), {carino});
    QCOMPARE(orders.text("DURUM", 0), QStringLiteral("Alındı"));
    QCOMPARE(orders.text("VERENINNOTU", 0), QStringLiteral("not"));
    QCOMPARE(call(QStringLiteral("BakiyelerVer2"), {carino}).rows(), openBefore + 2);
    const auto dip = http_->call(QStringLiteral("SiparisAytintisiDip"), {0, orders.value("IDNO", 0)});
    const QJsonObject f = dip.result().at(0).toObject().value("fields").toObject();
    QCOMPARE(f.value("FSizinMesaj").toString(), QStringLiteral("not"));
    QCOMPARE(f.value("FDurumu").toString(), QStringLiteral("Alındı"));
}

QTEST_MAIN(TstDemoOrders)
#include "tst_demo_orders.moc"
