#include "JsonDugum.h"
#include "JsonYazici.h"
#include "NesneOkuyucu.h"
#include "TAcilisEkranlariki.h"
#include "TMobilCariBilgisi.h"
#include "TSiparisDipAyrinti.h"
#include "TSonucBilgisi.h"
#include "TTusSonuclari.h"
#include "UzakHatalar.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {
// Parses `json` and fills `hedef` the way a reply does.
void oku(const std::string& json, TTransferNesnesi& hedef) {
    simdjson::ondemand::parser p;
    simdjson::padded_string s(json);
    auto belge = p.iterate(s).value();
    NesneOkuyucu().Oku(JsonDugum::Oku(belge.get_value().value()), hedef);
}

TSonucBilgisi doluKayit() {
    TSonucBilgisi b;
    b.SetBILGISAYARID("WD-ABC123");
    b.SetSaticiMail("satis@telmira.com.tr");
    b.SetSirano(17);
    b.SetCariAdi("Öztürk Oto Yedek Parça");
    b.SetSIFRE("gizli\"şifre");
    b.SetSaticiNo(4);
    b.SetCARINO(1203);
    b.SetAKTIF(1);
    b.SetKullanicimail("ali@oztürk.com");
    b.SetADI("ali");
    b.SetSaticiTelefon("0212 555 00 00");
    b.Setcarikod("120.01.003");
    b.SetVarmi(true);
    b.SetSaticiAdi("Mehmet Yılmaz");
    b.SetBilgiSayarAdi("BAYI-PC");
    b.SetDisip("85.10.2.3");
    b.SetIcip("192.168.1.20");
    b.SetBilgisayarKullanici("ali");
    b.SetMusteriTipi(3);
    b.SetVersion(5);
    return b;
}
} // namespace

class TransferRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void newRecordHasDefaults() {
        TSonucBilgisi b;
        QCOMPARE(b.MusteriTipi(), 1);
        QCOMPARE(b.Version(), 1);
        QCOMPARE(b.Varmi(), false);
        QCOMPARE(b.Sirano(), 0);
        QCOMPARE(b.CARINO(), 0);
        QCOMPARE(b.AKTIF(), 0);
        QVERIFY(b.BILGISAYARID().isEmpty() && b.Disip().isEmpty() && b.SIFRE().isEmpty());
        TMobilCariBilgisi m;
        QCOMPARE(m.TLBAKIYE(), 0.0);
        QVERIFY(m.CARIADI().isEmpty());
    }

    void kopyalaCopiesEveryFieldAndLeavesSource() {
        const TSonucBilgisi kaynak = doluKayit();
        TSonucBilgisi kopya;
        kopya.Kopyala(kaynak);
        JsonYazici a, b;
        a.Nesne(&kaynak);
        b.Nesne(&kopya);
        QCOMPARE(b.Sonuc(), a.Sonuc());
        QCOMPARE(kopya.Disip(), QString("85.10.2.3"));
        QCOMPARE(kopya.Icip(), QString("192.168.1.20"));
        QCOMPARE(kopya.Version(), 5);
        kopya.SetCARINO(9);
        QCOMPARE(kaynak.CARINO(), 1203);
    }

    // The fields travel in declaration order, named with their leading F, inside type/id/fields.
    void recordJsonFormIsInDeclarationOrder() {
        const TSonucBilgisi b = doluKayit();
        JsonYazici y;
        y.Nesne(&b);
        const QByteArray json = QByteArray::fromStdString(y.Sonuc());
        QVERIFY(json.startsWith(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"WD-ABC123",)"));
        QVERIFY(json.endsWith(R"("FMusteriTipi":3,"FVersion":5}})"));
        const QStringList sira{"FBILGISAYARID", "FSaticiMail", "FSirano", "FCariAdi", "FSIFRE", "FSaticiNo",
                               "FCARINO", "FAKTIF", "FKullanicimail", "FADI", "FSaticiTelefon", "Fcarikod",
                               "FVarmi", "FSaticiAdi", "FBilgiSayarAdi", "FDisip", "FIcip",
                               "FBilgisayarKullanici", "FMusteriTipi", "FVersion"};
        qsizetype onceki = -1;
        for (const QString& ad : sira) {
            const qsizetype konum = json.indexOf(QByteArray("\"") + ad.toLatin1() + "\":");
            QVERIFY2(konum > onceki, qPrintable(ad));
            onceki = konum;
        }
        // Valid JSON, Turkish text and quotes intact.
        const QJsonObject o = QJsonDocument::fromJson(json).object();
        QCOMPARE(o["fields"].toObject()["FSIFRE"].toString(), QString("gizli\"şifre"));
        QCOMPARE(o["fields"].toObject()["FVarmi"].toBool(), true);
    }

    void recordRoundTrips() {
        const TSonucBilgisi b = doluKayit();
        JsonYazici y;
        y.Nesne(&b);
        TSonucBilgisi geri;
        oku(y.Sonuc(), geri);
        JsonYazici y2;
        y2.Nesne(&geri);
        QCOMPARE(y2.Sonuc(), y.Sonuc());
    }

    void decodeRules_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<bool>("hataBekleniyor");
        QTest::addColumn<QString>("beklenenSizinMesaj");
        QTest::newRow("plain") << R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FSizinMesaj":"acil"}})"
                               << false << "acil";
        QTest::newRow("unknown member ignored")
            << R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FYeni":5,"FSizinMesaj":"x"}})" << false << "x";
        QTest::newRow("missing member keeps default")
            << R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{}})" << false << "";
        QTest::newRow("wrong kind") << R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FSizinMesaj":3}})"
                                    << true << "";
        QTest::newRow("wrong type name") << R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})" << true << "";
        QTest::newRow("no fields") << R"({"type":"baglantiu.TSiparisDipAyrinti","id":1})" << true << "";
        QTest::newRow("not an object") << R"([1,2])" << true << "";
        QTest::newRow("escaped unicode")
            << R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FSizinMesaj":"\u015eubat \ud83d\ude9a"}})"
            << false << QString::fromUtf8("Şubat 🚚");
    }
    void decodeRules() {
        QFETCH(QString, json);
        QFETCH(bool, hataBekleniyor);
        QFETCH(QString, beklenenSizinMesaj);
        TSiparisDipAyrinti d;
        if (hataBekleniyor) {
            QVERIFY_THROWS_EXCEPTION(EProtocolError, oku(json.toStdString(), d));
            return;
        }
        oku(json.toStdString(), d);
        QCOMPARE(d.SizinMesaj(), beklenenSizinMesaj);
    }

    void intOutOfRangeIsRejected() {
        TTusSonuclari t;
        QVERIFY_THROWS_EXCEPTION(
            EProtocolError,
            oku(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":4294967296}})", t));
    }

    void arrayOfObjectsWithReference() {
        const std::string json = R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[
            {"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":1,"FResim":"FFD8","FBaslik":"Kampanya","FArama":"#KAMPANYA#"}},
            {"type":"mobilstokunit.TAcilisEkran","ref":2}]}})";
        TAcilisEkranlariki e;
        oku(json, e);
        QCOMPARE(e.Ekranlar().size(), std::size_t(2));
        QCOMPARE(e.Ekranlar()[1]->Arama(), QString("#KAMPANYA#"));
        QCOMPARE(e.Ekranlar()[0]->ResimBaytlari(), QByteArray("\xFF\xD8", 2));

        TAcilisEkranlariki bos;
        oku(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[]}})", bos);
        QVERIFY(bos.Ekranlar().empty());

        TAcilisEkranlariki kotuRef;
        QVERIFY_THROWS_EXCEPTION(
            EProtocolError,
            oku(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[{"type":"mobilstokunit.TAcilisEkran","ref":7}]}})",
                kotuRef));
    }

    // A copy stays valid after the received object is gone.
    void copiesOutliveTheReceivedObject() {
        TSiparisDipAyrinti kopya;
        TTusSonuclari sayilar;
        {
            auto alinan = std::make_unique<TSiparisDipAyrinti>();
            oku(R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{"FDurumu":"Onaylandı","FSaticiNotu":"x"}})",
                *alinan);
            kopya.Kopyala(*alinan);
            auto t = std::make_unique<TTusSonuclari>();
            oku(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":3,"FGoruldu":9}})", *t);
            sayilar.Kopyala(*t);
        }
        QCOMPARE(kopya.Durumu(), QString("Onaylandı"));
        QCOMPARE(kopya.SaticiNotu(), QString("x"));
        QCOMPARE(sayilar.Alindi(), 3);
        QCOMPARE(sayilar.Goruldu(), 9);

        TAcilisEkranlariki kaynak, hedef;
        oku(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[{"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FBaslik":"a"}}]}})",
            kaynak);
        hedef.Kopyala(kaynak);
        kaynak.SetEkranlar({});
        QCOMPARE(hedef.Ekranlar().at(0)->Baslik(), QString("a"));
    }

    void hexDecoding_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QByteArray>("baytlar");
        QTest::addColumn<bool>("hata");
        QTest::newRow("upper") << "FFD8" << QByteArray("\xFF\xD8", 2) << false;
        QTest::newRow("lower") << "ffd8" << QByteArray("\xFF\xD8", 2) << false;
        QTest::newRow("mixed") << "fFd8" << QByteArray("\xFF\xD8", 2) << false;
        QTest::newRow("empty") << "" << QByteArray() << false;
        QTest::newRow("odd tail is one digit") << "FFA" << QByteArray("\xFF\x0A", 2) << false;
        QTest::newRow("non-hex pair") << "FFZ8" << QByteArray() << true;
        QTest::newRow("blank inside") << "FF D8" << QByteArray() << true;
    }
    void hexDecoding() {
        QFETCH(QString, metin);
        QFETCH(QByteArray, baytlar);
        QFETCH(bool, hata);
        if (hata) {
            QVERIFY_THROWS_EXCEPTION(EHata, HexCoz(metin));
            return;
        }
        QCOMPARE(HexCoz(metin), baytlar);
    }

    void nonFiniteNumbersAreNeverSent() {
        JsonYazici y;
        QVERIFY_THROWS_EXCEPTION(EHata, y.Ondalik(std::numeric_limits<double>::quiet_NaN()));
        y.Ondalik(0.1);
        QCOMPARE(y.Sonuc(), std::string("0.1"));
    }
};

QTEST_GUILESS_MAIN(TransferRecordsTest)
#include "tst_transferrecords.moc"
