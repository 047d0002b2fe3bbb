// Sign-in record, catalogue and basket of the demo server, over HTTP: the shapes the client
// reads and the state changes of the basket and the order made from it.
#include "DemoHesaplar.h"
#include "DemoServer.h"
#include "DemoTestClient.h"
#include "DsTable.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace demohesap;

class TstDemoBasket : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void signInRecords_data();
    void signInRecords();
    void signInRecordFieldOrder();
    void unknownWorkstation();
    void registerAnyWorkstation();

    void stockSearchShape();
    void stockSearchFoldsTurkish();
    void stockPricesAreConsistent();
    void pictures();
    void newAndCampaignLists();

    void addShowsLineWithServerAmounts();
    void addSamePartAddsQuantity();
    void addRefusesBadInput_data();
    void addRefusesBadInput();
    void updateSelectDelete();
    void orderFromSelectedLines();
    void orderWithoutSelectionIsFalse();
    void stateSurvivesRestart();

private:
    QJsonArray addParams(int carino, int stokno, double miktar) const;
    DsTable basket(int carino);
    void clearBasket(int carino);

    DemoServer server_;
    std::unique_ptr<DemoTestClient> http_;
};

void TstDemoBasket::initTestCase()
{
    DemoServerOptions o;
    o.catalogue = 800;
    QVERIFY2(server_.start(o), qPrintable(server_.errorString()));
    http_ = std::make_unique<DemoTestClient>(server_.port());
}

QJsonArray TstDemoBasket::addParams(int carino, int stokno, double miktar) const
{
    const QVariantMap s = server_.query(QStringLiteral("SELECT BARKOD,ADI,KDV,LISTEFIYAT FROM stok WHERE STOK_STOKNO=?"),
                                        {stokno}).value(0);
    return {DemoTestClient::record(carino, 3, kBayi.sirano, QString::fromLatin1(kBayi.kullanici)), carino, stokno,
            s.value("BARKOD").toString(), s.value("ADI").toString(), miktar, s.value("KDV").toDouble(),
            s.value("LISTEFIYAT").toDouble(), 25.0, kBayi.sirano, 0, 10.0, 0.0, 0.0};
}

DsTable TstDemoBasket::basket(int carino)
{
    const auto r = http_->call(QStringLiteral("SepetVerOrvak"), {carino});
    return DsTable(r.result().at(0));
}

void TstDemoBasket::clearBasket(int carino)
{
    // Seeded accounts may hold lines already.
    http_->call(QStringLiteral("SepetHepsiniSil"), {DemoTestClient::record(carino, 3)});
    QCOMPARE(server_.basketLines(carino).size(), 0);
}

void TstDemoBasket::signInRecords_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kTumHesaplar)); ++i)
        QTest::newRow(kTumHesaplar[i]->bilgisayarId) << i;
}

void TstDemoBasket::signInRecords()
{
    QFETCH(int, index);
    const Hesap& h = *kTumHesaplar[index];
    const auto r = http_->call(QStringLiteral("BuyukGetir"), {QString::fromLatin1(h.bilgisayarId)});
    QCOMPARE(r.status, 200);
    QCOMPARE(r.result().size(), 1);
    const QJsonObject o = r.result().at(0).toObject();
    QCOMPARE(o.value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
    QCOMPARE(o.value("id").toInt(), 1);
    const QJsonObject f = o.value("fields").toObject();
    QCOMPARE(f.value("FADI").toString(), QString::fromLatin1(h.kullanici));
    QCOMPARE(f.value("FSIFRE").toString(), QString::fromLatin1(h.sifre));
    QCOMPARE(f.value("FSirano").toInt(), h.sirano);
    QCOMPARE(f.value("FCARINO").toInt(), h.carino);
    QCOMPARE(f.value("FMusteriTipi").toInt(), h.musteriTipi);
    QCOMPARE(f.value("FAKTIF").toInt(), h.aktif);
    QCOMPARE(f.value("FVersion").toInt(), h.version);
    QCOMPARE(f.value("FVarmi").toBool(), true);
    QVERIFY(!f.value("FCariAdi").toString().isEmpty());
    QVERIFY(!f.value("FSaticiAdi").toString().isEmpty());
}

void TstDemoBasket::signInRecordFieldOrder()
{
    const auto r = http_->call(QStringLiteral("BuyukGetir"), {QString::fromLatin1(kBayi.bilgisayarId)});
    // Member order on the wire is the declaration order of the class.
    const QByteArray fields = r.body.mid(r.body.indexOf("\"fields\":{"));
    const QList<QByteArray> order = {"FBILGISAYARID", "FSaticiMail", "FSirano", "FCariAdi", "FSIFRE", "FSaticiNo",
                                     "FCARINO", "FAKTIF", "FKullanicimail", "FADI", "FSaticiTelefon", "Fcarikod",
                                     "FVarmi", "FSaticiAdi", "FBilgiSayarAdi", "FDisip", "FIcip",
                                     "FBilgisayarKullanici", "FMusteriTipi", "FVersion"};
    qsizetype last = -1;
    for (const QByteArray& name : order) {
        const qsizetype at = fields.indexOf('"' + name + "\":");
        QVERIFY2(at > last, name.constData());
        last = at;
    }
}

void TstDemoBasket::unknownWorkstation()
{
    const auto r = http_->call(QStringLiteral("BuyukGetir"), {QString::fromLatin1(kBilinmeyenId)});
    const QJsonObject f = r.result().at(0).toObject().value("fields").toObject();
    QCOMPARE(f.value("FVarmi").toBool(), false);
    QCOMPARE(f.value("FVersion").toInt(), kIstemciSurumu); // else the client would download first
    QCOMPARE(f.value("FBILGISAYARID").toString(), QString::fromLatin1(kBilinmeyenId));
}

void TstDemoBasket::registerAnyWorkstation()
{
    DemoServer other;
    DemoServerOptions o;
    o.catalogue = 50;
    o.registerAnyWorkstation = true;
    QVERIFY(other.start(o));
    DemoTestClient c(other.port());
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto r = c.call(QStringLiteral("BuyukGetir"), {QStringLiteral("NEW-DISK-123")});
        const QJsonObject f = r.result().at(0).toObject().value("fields").toObject();
        QCOMPARE(f.value("FVarmi").toBool(), true);
        QCOMPARE(f.value("FADI").toString(), QString::fromLatin1(kYeniKullanici));
        QCOMPARE(f.value("FSIFRE").toString(), QString::fromLatin1(kYeniSifre));
        QCOMPARE(f.value("FCARINO").toInt(), kYeniCarino);
        QCOMPARE(f.value("FAKTIF").toInt(), 1);
    }
    QCOMPARE(other.query(QStringLiteral("SELECT COUNT(*) N FROM kullanici WHERE BILGISAYARID='NEW-DISK-123'"))
                 .first().value("N").toInt(), 1);
    // An empty identity is never registered.
    const auto empty = c.call(QStringLiteral("BuyukGetir"), {QString()});
    QCOMPARE(empty.result().at(0).toObject().value("fields").toObject().value("FVarmi").toBool(), false);
}

void TstDemoBasket::stockSearchShape()
{
    const auto r = http_->call(QStringLiteral("StokAraGetirOrvak"),
                               {QStringLiteral("FREN"), DemoTestClient::record(kBayi.carino, 3)});
    QCOMPARE(r.status, 200);
    const DsTable t(r.result().at(0));
    QVERIFY2(t.problem().isEmpty(), qPrintable(t.problem()));
    QVERIFY(t.rows() > 0);
    const QStringList need = {"STOK_STOKNO", "BARKOD", "ADI", "URETICIKODU", "MARKA", "MODEL", "FINISHKOD", "OEM1",
                              "OEM2", "OEM3", "OEM4", "OEMNO", "DIGERADI", "DPKOD", "PKOD", "BARKOD_BARKODNO", "BIRIM",
                              "ANAGRUP", "OZELKOD", "DURUM", "RESIM", "Y", "K", "KDV", "FIYAT", "LISTEFIYAT1",
                              "KAMPFIYAT", "NETFIYAT", "KDVDAHIL", "INDIRIMYAZI", "IND1", "IND2", "IND3", "IND4",
                              "KALAN", "ALINANSIPARIS", "VERILENSIPARIS"};
    for (const QString& c : need)
        QVERIFY2(t.names().contains(c), qPrintable(c));
    QCOMPARE(t.type("STOK_STOKNO"), 6);
    QCOMPARE(t.type("BARKOD"), 26);
    QCOMPARE(t.type("NETFIYAT"), 7);
    QCOMPARE(t.type("IND1"), 7);
    QCOMPARE(t.type("DURUM"), 6);

    // No match and an empty text: zero rows, every column still described.
    for (const QString& text : {QStringLiteral("QQQZZZXX"), QString()}) {
        const DsTable none(http_->call(QStringLiteral("StokAraGetirOrvak"), {text, QJsonValue()}).result().at(0));
        QVERIFY(none.problem().isEmpty());
        QCOMPARE(none.rows(), 0);
        QCOMPARE(none.names(), t.names());
    }
}

void TstDemoBasket::stockSearchFoldsTurkish()
{
    // "SOĞUTMA" parts are found with the folded text the client sends and with the Turkish one.
    const int folded = DsTable(http_->call(QStringLiteral("StokAraGetirOrvak"), {QStringLiteral("SOGUTMA"), QJsonValue()})
                                   .result().at(0)).rows();
    const int turkish = DsTable(http_->call(QStringLiteral("StokAraGetirOrvak"), {QStringLiteral("soğutma"), QJsonValue()})
                                    .result().at(0)).rows();
    const int stored = server_.query(QStringLiteral("SELECT COUNT(*) N FROM stok WHERE ANAGRUP='SOĞUTMA'")).first().value("N").toInt();
    QVERIFY(stored > 0);
    QCOMPARE(folded, stored);
    QCOMPARE(turkish, stored);
    // A code is found without its blanks.
    const QString code = server_.query(QStringLiteral("SELECT URETICIKODU FROM stok WHERE URETICIKODU LIKE '% %' LIMIT 1"))
                             .first().value("URETICIKODU").toString();
    const DsTable byCode(http_->call(QStringLiteral("StokAraGetirOrvak"), {QString(code).remove(u' '), QJsonValue()}).result().at(0));
    QVERIFY(byCode.find(QStringLiteral("URETICIKODU"), code) >= 0);
}

void TstDemoBasket::stockPricesAreConsistent()
{
    const DsTable t(http_->call(QStringLiteral("StokAraGetirOrvak"),
                                {QStringLiteral("TLM"), DemoTestClient::record(kBayi.carino, 3)}).result().at(0));
    QCOMPARE(t.rows(), 800);
    QSet<int> states;
    int campaign = 0, packaged = 0;
    for (int i = 0; i < t.rows(); ++i) {
        double net = t.number("FIYAT", i);
        QStringList chain;
        for (const char* c : {"IND1", "IND2", "IND3", "IND4"}) {
            const double rate = t.number(QLatin1String(c), i);
            QVERIFY(rate >= 0 && rate <= 100);
            net -= net * rate / 100.0;
            if (rate > 0)
                chain << QString::number(rate);
        }
        QCOMPARE(t.number("NETFIYAT", i), std::round(net * 100 + 1e-7) / 100);
        QCOMPARE(t.number("KDVDAHIL", i), std::round(t.number("NETFIYAT", i) * (1 + t.number("KDV", i) / 100) * 100 + 1e-7) / 100);
        QCOMPARE(t.text("INDIRIMYAZI", i), chain.isEmpty() ? QStringLiteral("0") : chain.join(u'+'));
        if (t.value("K", i).toInt() > 0) {
            ++campaign;
            QVERIFY(t.number("KAMPFIYAT", i) > 0 && t.number("KAMPFIYAT", i) < t.number("LISTEFIYAT1", i));
            QCOMPARE(t.number("FIYAT", i), t.number("KAMPFIYAT", i));
        } else {
            QCOMPARE(t.number("KAMPFIYAT", i), 0.0);
            QCOMPARE(t.number("FIYAT", i), t.number("LISTEFIYAT1", i));
        }
        states.insert(t.value("DURUM", i).toInt());
        if (t.value("MODEL", i).toInt() > 1)
            ++packaged;
    }
    QCOMPARE(states, (QSet<int>{0, 1, 2, 3, 4, 5}));
    QVERIFY(campaign > 20);
    QVERIFY(packaged > 100);
    // Customer type 4 has no campaign lines.
    const DsTable four(http_->call(QStringLiteral("StokAraGetirOrvak"),
                                   {QStringLiteral("TLM"), DemoTestClient::record(kBayi4.carino, 4)}).result().at(0));
    for (int i = 0; i < four.rows(); ++i)
        QCOMPARE(four.value("K", i).toInt(), 0);
}

void TstDemoBasket::pictures()
{
    const auto rows = server_.query(QStringLiteral("SELECT STOK_STOKNO,RESIM FROM stok WHERE STOK_STOKNO<=20"));
    int shown = 0;
    for (const QVariantMap& row : rows) {
        const auto r = http_->call(QStringLiteral("ResimVer5"), {row.value("STOK_STOKNO").toInt()});
        QCOMPARE(r.status, 200);
        const QJsonArray res = r.result();
        QCOMPARE(res.size(), 2);
        const QJsonArray bytes = res.at(1).toArray();
        QCOMPARE(res.at(0).toInteger(), qint64(bytes.size()));
        if (row.value("RESIM").toInt() == 0) {
            QCOMPARE(bytes.size(), 0);
            continue;
        }
        QByteArray data;
        for (const QJsonValue& b : bytes)
            data.append(char(b.toInt()));
        const QImage img = QImage::fromData(data, "JPEG");
        QVERIFY(!img.isNull());
        ++shown;
    }
    QVERIFY(shown > 0);
    const auto none = http_->call(QStringLiteral("ResimVer5"), {999999});
    QCOMPARE(none.result(), (QJsonArray{0, QJsonArray()}));
}

void TstDemoBasket::newAndCampaignLists()
{
    const DsTable yeni(http_->call(QStringLiteral("YenilerVer2Orvak"), {kBayi.carino}).result().at(0));
    QVERIFY(yeni.problem().isEmpty());
    QVERIFY(yeni.rows() > 0);
    for (int i = 0; i < yeni.rows(); ++i)
        QCOMPARE(yeni.value("Y", i).toInt(), 1);
    const DsTable kamp(http_->call(QStringLiteral("KampanyaliVer2Orvak"), {kBayi.carino, 3}).result().at(0));
    QVERIFY(kamp.rows() > 0);
    QVERIFY(kamp.names().contains(QStringLiteral("ESKIFIYAT")));
    for (int i = 0; i < kamp.rows(); ++i) {
        QVERIFY(kamp.value("K", i).toInt() > 0);
        QVERIFY(kamp.number("ESKIFIYAT", i) > kamp.number("FIYAT", i));
    }
    const DsTable four(http_->call(QStringLiteral("KampanyaliVer2Orvak"), {kBayi4.carino, 4}).result().at(0));
    QCOMPARE(four.rows(), 0);
    QCOMPARE(four.names(), kamp.names());
    const QString deps = http_->call(QStringLiteral("DepartmanlariVer")).result().at(0).toString();
    QVERIFY(deps.startsWith(QStringLiteral("Tüm Departmanlar|")));
    QVERIFY(deps.split(u'|').contains(QStringLiteral("FREN SİSTEMİ")));
}

void TstDemoBasket::addShowsLineWithServerAmounts()
{
    const int carino = 1010;
    clearBasket(carino);
    const auto r = http_->call(QStringLiteral("SepetEkle2"), addParams(carino, 7, 4));
    QCOMPARE(r.result(), QJsonArray{1});
    const DsTable t = basket(carino);
    QVERIFY2(t.problem().isEmpty(), qPrintable(t.problem()));
    const QStringList need = {"SEC", "SIRANO", "STOKNO", "BARKOD", "STOKADI", "MARKA", "FINISHKOD", "MODEL", "KDV",
                              "BIRIMFIYAT", "NETBIRIMFIYAT", "MIKTAR", "TUTAR", "INDIRIMTUTAR", "VERGITUTARI",
                              "NETTUTAR", "INDIRIMORANI1", "INDIRIMORANI2", "INDIRIMORANI3", "INDIRIMORANI4",
                              "VEREN", "DURUM"};
    for (const QString& c : need)
        QVERIFY2(t.names().contains(c), qPrintable(c));
    QCOMPARE(t.names().first(), QStringLiteral("SEC"));
    QCOMPARE(t.type("TUTAR"), 7);
    QCOMPARE(t.type("SEC"), 6);
    QCOMPARE(t.rows(), 1);
    QCOMPARE(t.value("STOKNO", 0).toInt(), 7);
    QCOMPARE(t.value("SEC", 0).toInt(), 0);
    QCOMPARE(t.number("MIKTAR", 0), 4.0);
    const double price = t.number("BIRIMFIYAT", 0);
    const double tutar = std::round(4 * price * 100) / 100;
    QCOMPARE(t.number("TUTAR", 0), tutar);
    const double netUnit = std::round(price * 0.75 * 0.9 * 100 + 1e-7) / 100;
    QCOMPARE(t.number("NETBIRIMFIYAT", 0), netUnit);
    QCOMPARE(t.number("NETTUTAR", 0), std::round(4 * netUnit * 100 + 1e-7) / 100);
    QCOMPARE(t.number("INDIRIMTUTAR", 0), std::round((t.number("TUTAR", 0) - t.number("NETTUTAR", 0)) * 100) / 100);
    QCOMPARE(t.number("VERGITUTARI", 0),
             std::round(t.number("NETTUTAR", 0) * t.number("KDV", 0) / 100 * 100 + 1e-7) / 100);
    QCOMPARE(t.text("VEREN", 0), QString::fromLatin1(kBayi.kullanici));
    QCOMPARE(server_.basketLines(carino).size(), 1);
}

void TstDemoBasket::addSamePartAddsQuantity()
{
    const int carino = 1011;
    clearBasket(carino);
    http_->call(QStringLiteral("SepetEkle2"), addParams(carino, 9, 2));
    http_->call(QStringLiteral("SepetEkle2"), addParams(carino, 9, 3));
    const DsTable t = basket(carino);
    QCOMPARE(t.rows(), 1);
    QCOMPARE(t.number("MIKTAR", 0), 5.0);
}

void TstDemoBasket::addRefusesBadInput_data()
{
    QTest::addColumn<int>("carino");
    QTest::addColumn<int>("stokno");
    QTest::addColumn<double>("miktar");
    QTest::newRow("unknown customer") << 9999 << 3 << 1.0;
    QTest::newRow("unknown part") << 1012 << 999999 << 1.0;
    QTest::newRow("zero quantity") << 1012 << 3 << 0.0;
    QTest::newRow("negative quantity") << 1012 << 3 << -2.0;
}

void TstDemoBasket::addRefusesBadInput()
{
    QFETCH(int, carino);
    QFETCH(int, stokno);
    QFETCH(double, miktar);
    const int before = int(server_.basketLines(carino).size());
    QJsonArray p = addParams(carino, stokno, miktar);
    const auto r = http_->call(QStringLiteral("SepetEkle2"), p);
    QCOMPARE(r.status, 200);
    QCOMPARE(r.result(), QJsonArray{0});
    QCOMPARE(int(server_.basketLines(carino).size()), before);
}

void TstDemoBasket::updateSelectDelete()
{
    const int carino = 1013;
    clearBasket(carino);
    for (int stokno : {11, 12, 13})
        http_->call(QStringLiteral("SepetEkle2"), addParams(carino, stokno, 1));
    DsTable t = basket(carino);
    QCOMPARE(t.rows(), 3);
    const int first = t.value("SIRANO", 0).toInt(), second = t.value("SIRANO", 1).toInt(), third = t.value("SIRANO", 2).toInt();
    const QJsonObject rec = DemoTestClient::record(carino, 3, kBayi.sirano);

    // Change the first line: quantity, price and discounts, by its SIRANO; stokno is sent as 0.
    QJsonArray upd{rec, carino, 0, t.text("BARKOD", 0), t.text("STOKADI", 0), 6.0, 20.0, 50.0, 10.0, kBayi.sirano,
                   first, 0.0, 0.0, 0.0};
    QCOMPARE(http_->call(QStringLiteral("SepetGuncelle2"), upd).result(), QJsonArray{1});
    upd[10] = 987654; // no such line
    QCOMPARE(http_->call(QStringLiteral("SepetGuncelle2"), upd).result(), QJsonArray{0});
    // Another customer's line is not changed either.
    upd[1] = 1014;
    upd[10] = first;
    QCOMPARE(http_->call(QStringLiteral("SepetGuncelle2"), upd).result(), QJsonArray{0});

    QCOMPARE(http_->call(QStringLiteral("SepetSecimGuncelle"), {second, 1}).result(), QJsonArray());
    t = basket(carino);
    QCOMPARE(t.number("MIKTAR", t.find("SIRANO", first)), 6.0);
    QCOMPARE(t.number("BIRIMFIYAT", t.find("SIRANO", first)), 50.0);
    QCOMPARE(t.number("TUTAR", t.find("SIRANO", first)), 300.0);
    QCOMPARE(t.number("NETTUTAR", t.find("SIRANO", first)), 270.0);
    QCOMPARE(t.value("SEC", t.find("SIRANO", second)).toInt(), 1);
    QCOMPARE(t.value("SEC", t.find("SIRANO", first)).toInt(), 0);

    const auto del = http_->call(QStringLiteral("SepetSatirSil"), {rec, third, QStringLiteral("X1-Filtre")});
    QCOMPARE(del.result(), QJsonArray{1});
    QCOMPARE(basket(carino).rows(), 2);
    QCOMPARE(server_.query(QStringLiteral("SELECT NOTU FROM sepet_silinen WHERE SEPETSIRANO=?"), {third}).first().value("NOTU").toString(),
             QStringLiteral("X1-Filtre"));

    QCOMPARE(http_->call(QStringLiteral("SepetHepsiniSil"), {rec}).result(), QJsonArray{1});
    const DsTable empty = basket(carino);
    QVERIFY(empty.problem().isEmpty());
    QCOMPARE(empty.rows(), 0);
    QCOMPARE(empty.names(), t.names());
}

void TstDemoBasket::orderFromSelectedLines()
{
    const int carino = 1015;
    clearBasket(carino);
    for (int stokno : {21, 22, 23})
        http_->call(QStringLiteral("SepetEkle2"), addParams(carino, stokno, 2));
    const DsTable t = basket(carino);
    const int keep = t.value("SIRANO", 1).toInt();
    http_->call(QStringLiteral("SepetSecimGuncelle"), {t.value("SIRANO", 0).toInt(), 1});
    http_->call(QStringLiteral("SepetSecimGuncelle"), {t.value("SIRANO", 2).toInt(), 1});

    const DsTable teslim(http_->call(QStringLiteral("TeslimVer")).result().at(0));
    const DsTable kargo(http_->call(QStringLiteral("KargoVer")).result().at(0));
    QVERIFY(teslim.rows() >= 2 && kargo.rows() >= 2);
    QCOMPARE(teslim.type(teslim.names().at(0)), 6);
    QCOMPARE(teslim.type(teslim.names().at(1)), 26);
    const int gonderim = kargo.value(kargo.names().at(0), 0).toInt();
    const DsTable firms(http_->call(QStringLiteral("KargolarVer"), {gonderim}).result().at(0));
    for (const char* c : {"ADI", "SIRANO", "UYARI"})
        QVERIFY(firms.names().contains(QLatin1String(c)));
    QVERIFY(firms.rows() >= 2);
    const int firma = firms.value("SIRANO", 1).toInt();

    const int ordersBefore = int(server_.orders(carino).size());
    const QString message = QStringLiteral("Öğlene kadar lütfen\r\nikinci satır");
    const auto r = http_->call(QStringLiteral("SiparisKaydet"),
                               {DemoTestClient::record(carino, 3, kBayi.sirano), carino, teslim.value(teslim.names().at(0), 1).toInt(),
                                gonderim, message, kBayi.sirano, firma});
    QCOMPARE(r.result(), QJsonArray{true});

    const DsTable left = basket(carino);
    QCOMPARE(left.rows(), 1);
    QCOMPARE(left.value("SIRANO", 0).toInt(), keep);
    const auto orders = server_.orders(carino);
    QCOMPARE(int(orders.size()), ordersBefore + 1);
    QCOMPARE(orders.last().value("ACIKLAMA").toString(), message);
    QCOMPARE(orders.last().value("KARGOFIRMAID").toInt(), firma);
    QCOMPARE(orders.last().value("GONDERIMID").toInt(), gonderim);
    QCOMPARE(orders.last().value("DURUM").toInt(), 2);
    const auto lines = server_.orderLines(orders.last().value("IDNO").toInt());
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).value("STOKNO").toInt(), 21);
    QCOMPARE(lines.at(1).value("STOKNO").toInt(), 23);
}

void TstDemoBasket::orderWithoutSelectionIsFalse()
{
    const int carino = 1016;
    clearBasket(carino);
    http_->call(QStringLiteral("SepetEkle2"), addParams(carino, 30, 1));
    const int ordersBefore = int(server_.orders(carino).size());
    const QJsonArray p{DemoTestClient::record(carino, 3), carino, 2, 1, QString(), 1, 1};
    QCOMPARE(http_->call(QStringLiteral("SiparisKaydet"), p).result(), QJsonArray{false});
    QCOMPARE(int(server_.orders(carino).size()), ordersBefore);
    QCOMPARE(basket(carino).rows(), 1);
    // A cargo firm that does not belong to the shipping option is refused too.
    http_->call(QStringLiteral("SepetSecimGuncelle"), {basket(carino).value("SIRANO", 0).toInt(), 1});
    QJsonArray wrongFirm = p;
    wrongFirm[6] = 999;
    QCOMPARE(http_->call(QStringLiteral("SiparisKaydet"), wrongFirm).result(), QJsonArray{false});
    QCOMPARE(basket(carino).rows(), 1);
}

void TstDemoBasket::stateSurvivesRestart()
{
    QTemporaryDir dir;
    DemoServerOptions o;
    o.catalogue = 60;
    o.dataDir = dir.path();
    int orderId = 0;
    {
        DemoServer first;
        QVERIFY(first.start(o));
        DemoTestClient c(first.port());
        c.call(QStringLiteral("SepetHepsiniSil"), {DemoTestClient::record(1020, 3)});
        QJsonArray add = addParams(1020, 5, 3);
        QCOMPARE(c.call(QStringLiteral("SepetEkle2"), add).result(), QJsonArray{1});
        add[2] = 6;
        c.call(QStringLiteral("SepetEkle2"), add);
        const DsTable t(c.call(QStringLiteral("SepetVerOrvak"), {1020}).result().at(0));
        c.call(QStringLiteral("SepetSecimGuncelle"), {t.value("SIRANO", 0).toInt(), 1});
        QCOMPARE(c.call(QStringLiteral("SiparisKaydet"), {DemoTestClient::record(1020, 3), 1020, 1, 1, QStringLiteral("kalıcı"), 3, 1})
                     .result(), QJsonArray{true});
        orderId = first.orders(1020).last().value("IDNO").toInt();
    }
    DemoServer second;
    o.seed = 99; // ignored: the data already exists
    QVERIFY(second.start(o));
    DemoTestClient c(second.port());
    const DsTable t(c.call(QStringLiteral("SepetVerOrvak"), {1020}).result().at(0));
    QCOMPARE(t.rows(), 1);
    QCOMPARE(t.value("STOKNO", 0).toInt(), 6);
    QCOMPARE(second.orders(1020).last().value("IDNO").toInt(), orderId);
    QCOMPARE(second.orders(1020).last().value("ACIKLAMA").toString(), QStringLiteral("kalıcı"));
}

QTEST_MAIN(TstDemoBasket)
#include "tst_demo_basket.moc"
