#include "BaglantiKontrol.h"
#include "BaglantiMesaji.h"
#include "DemoHesaplar.h"
#include "DemoServer.h"
#include "TClientDataSet.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "UzakHatalar.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QTcpServer>
#include <QtTest>

namespace {
// A record that tells when it is destroyed.
class IzlenenKayit : public TSonucBilgisi {
public:
    explicit IzlenenKayit(bool& silindi) : silindi_(silindi) {}
    ~IzlenenKayit() override { silindi_ = true; }

private:
    bool& silindi_;
};

quint16 kapaliPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    const quint16 p = s.serverPort();
    s.close();
    return p;
}

std::string kayitJsonu(const TSonucBilgisi& b) {
    JsonYazici y;
    y.Nesne(&b);
    return y.Sonuc();
}
} // namespace

class RemoteCallsTest : public QObject {
    Q_OBJECT

    DemoServer sunucu;
    TSQLConnection bagc;
    TSonucBilgisi sbilgi;

    std::unique_ptr<TServerMethods1Client> vekil() {
        if (!BaglantiKontrol(bagc, false))
            qFatal("demo server unreachable");
        return std::make_unique<TServerMethods1Client>(bagc);
    }

private slots:
    void initTestCase() {
        DemoServerOptions o;
        o.catalogue = 800;
        QVERIFY2(sunucu.start(o), qPrintable(sunucu.errorString()));
        bagc.Params["HostName"] = "127.0.0.1";
        bagc.Params["Port"] = QString::number(sunucu.port());
        BaglantiKontrolBeklemesiAyarla(500);
    }
    void init() { sunucu.clearFaults(); }
    void cleanupTestCase() { sunucu.stop(); }

    void openTakesSessionAndCloseDropsIt() {
        QVERIFY(BaglantiKontrol(bagc, false));
        QVERIFY(bagc.Connected());
        QVERIFY(!bagc.OturumNo().isEmpty());
        auto klon = bagc.Clone();
        QVERIFY(!klon->Connected());
        QVERIFY(klon->OturumNo().isEmpty());
        QCOMPARE(klon->Params, bagc.Params);
        bagc.Close();
        QVERIFY(!bagc.Connected());
        QVERIFY(bagc.OturumNo().isEmpty());
    }

    void connectionCheckGivesUpAfterElevenAttempts() {
        QStringList mesajlar;
        BaglantiMesajiKancasiAyarla([&](const QString& m) { mesajlar.append(m); });
        TSQLConnection olu;
        olu.Params["HostName"] = "127.0.0.1";
        olu.Params["Port"] = QString::number(kapaliPort());
        QElapsedTimer sure;
        sure.start();
        QVERIFY(!BaglantiKontrol(olu, true));
        QVERIFY(sure.elapsed() >= 5500);
        QCOMPARE(olu.AcmaDenemeleri(), 11);
        QCOMPARE(mesajlar, QStringList{QString::fromUtf8("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});

        // With the switch off the caller reports; nothing is shown.
        mesajlar.clear();
        BaglantiKontrolBeklemesiAyarla(1);
        QVERIFY(!BaglantiKontrol(olu, false));
        BaglantiKontrolBeklemesiAyarla(500);
        QVERIFY(mesajlar.isEmpty());
        BaglantiMesajiKancasiAyarla({});
    }

    void connectionCheckRecoversWhenServerAnswersLater() {
        DemoFault f;
        f.errorMessage = "meşgul";
        f.times = 2;
        sunucu.setFault("GetPlatformName", f);
        TSQLConnection c = TSQLConnection();
        c.Params = bagc.Params;
        BaglantiKontrolBeklemesiAyarla(1);
        QVERIFY(BaglantiKontrol(c, false));
        BaglantiKontrolBeklemesiAyarla(500);
        QCOMPARE(c.AcmaDenemeleri(), 3);
    }

    void commandIsPreparedOnceAndReused() {
        auto v = vekil();
        QCOMPARE(v->Komut("DepartmanlariVer"), nullptr);
        const QString ilk = v->DepartmanlariVer();
        const TDSServerMethodCommand* komut = v->Komut("DepartmanlariVer");
        QVERIFY(komut);
        QCOMPARE(komut->Text(), QString("TServerMethods1.DepartmanlariVer"));
        QCOMPARE(komut->CommandType, QString("DataSnap.ServerMethod"));
        QVERIFY(komut->Prepared());
        QCOMPARE(v->DepartmanlariVer(), ilk);
        QCOMPARE(v->Komut("DepartmanlariVer"), komut);
        QCOMPARE(komut->CalismaSayisi(), 2);
        QVERIFY(ilk.contains('|'));
    }

    void recordCopyIsFreedAndSentInFull() {
        sbilgi.SetBILGISAYARID(demohesap::kBayi.bilgisayarId);
        sbilgi.SetCARINO(demohesap::kBayi.carino);
        sbilgi.SetMusteriTipi(3);
        sbilgi.SetDisip("85.1.2.3");
        const std::string once = kayitJsonu(sbilgi);
        bool silindi = false;
        auto kopya = std::make_unique<IzlenenKayit>(silindi);
        kopya->Kopyala(sbilgi);
        auto v = vekil();
        TTableData& sonuc = v->StokAraGetirOrvak("FREN", std::move(kopya));
        QVERIFY(silindi);
        QCOMPARE(kayitJsonu(sbilgi), once);
        QVERIFY(sonuc.FieldIndex(u"IND1") >= 0);
        const QJsonArray p = sunucu.lastParameters("StokAraGetirOrvak");
        QCOMPARE(p.size(), 2);
        QCOMPARE(p[0].toString(), QString("FREN"));
        const QJsonObject nesne = p[1].toObject();
        QCOMPARE(nesne["type"].toString(), QString("baglantiu.TSonucBilgisi"));
        QCOMPARE(nesne["fields"].toObject()["FCARINO"].toInt(), demohesap::kBayi.carino);
        QCOMPARE(nesne["fields"].toObject()["FDisip"].toString(), QString("85.1.2.3"));
    }

    void parametersTravelInOrderWithTheirKinds() {
        auto v = vekil();
        sbilgi.SetCARINO(demohesap::kBayi.carino);
        TClientDataSet stok;
        stok.SetData(std::move(v->StokAraGetirOrvak("FİLTRE", sbilgi.Kopya())));
        QVERIFY(stok.RecordCount() > 0);
        const int stokno = stok.FieldByName("STOK_STOKNO").AsInteger();
        const QString barkod = stok.FieldByName("BARKOD").AsString();
        QCOMPARE(v->SepetEkle2(sbilgi.Kopya(), sbilgi.CARINO(), stokno, barkod, "Yağ filtresi", 12, 20, 150.5, 10, 3,
                               1, 0, 0, 2.5),
                 1);
        const QJsonArray p = sunucu.lastParameters("SepetEkle2");
        QCOMPARE(p.size(), 14);
        QVERIFY(p[0].isObject());
        QCOMPARE(p[1].toInt(), sbilgi.CARINO());
        QCOMPARE(p[2].toInt(), stokno);
        QCOMPARE(p[3].toString(), barkod);
        QCOMPARE(p[4].toString(), QString("Yağ filtresi"));
        QCOMPARE(p[5].toDouble(), 12.0);
        QCOMPARE(p[7].toDouble(), 150.5);
        QCOMPARE(p[9].toInt(), 3);
        QCOMPARE(p[10].toInt(), 1);
        QCOMPARE(p[13].toDouble(), 2.5);
    }

    void nullObjectGivesNoObject() {
        auto v = vekil();
        QCOMPARE(v->AcilisREklamVer(100000), nullptr);
        TSonucBilgisi* kayit = v->BuyukGetir(demohesap::kBilinmeyenId);
        QVERIFY(kayit);
        QCOMPARE(kayit->Varmi(), false);
        TSonucBilgisi* bayi = v->BuyukGetir(demohesap::kBayi.bilgisayarId);
        QVERIFY(bayi);
        QCOMPARE(bayi->ADI(), QString(demohesap::kBayi.kullanici));
        QCOMPARE(bayi->MusteriTipi(), 3);
    }

    void streamWithOutputSize() {
        auto v = vekil();
        std::int64_t boy = -1;
        QString adi;
        TSonucAkimi* akim = v->BelgeIndir(1, boy, adi);
        QVERIFY(akim);
        QVERIFY(boy > 0);
        QVERIFY(!adi.isEmpty());
        QCOMPARE(akim->Size(), boy);
        QVERIFY(TSonucAkimi::Oku(akim, boy).has_value());

        DemoFault f;
        f.streamSizeDelta = 1;
        sunucu.setFault("BelgeIndir", f);
        akim = v->BelgeIndir(1, boy, adi);
        QVERIFY(!TSonucAkimi::Oku(akim, boy).has_value()); // discarded without a message
    }

    void tablePacketReplacesEarlierRows() {
        auto v = vekil();
        TClientDataSet t;
        t.SetData(std::move(v->StokAraGetirOrvak("FREN", sbilgi.Kopya())));
        QVERIFY(t.RecordCount() > 0);
        QVERIFY(t.FieldIndex("IND1") >= 0);
        v->SepetHepsiniSil(sbilgi.Kopya());
        TTableData& sepet = v->SepetVerOrvak(sbilgi.CARINO());
        QStringList beklenen;
        for (int i = 0; i < sepet.FieldCount(); ++i)
            beklenen << sepet.FieldDef(i).Name;
        t.SetData(std::move(sepet));
        QStringList simdi;
        for (int i = 0; i < t.FieldCount(); ++i)
            simdi << t.FieldDef(i).Name;
        QCOMPARE(simdi, beklenen);
        QCOMPARE(t.RecordCount(), 0);
        QVERIFY(t.FieldIndex("SEC") >= 0);
    }

    void readerCopiesIntoTable() {
        auto v = vekil();
        TClientDataSet t;
        t.CopyFromReader(std::move(v->TeslimVer().Veri()));
        QVERIFY(t.RecordCount() >= 2);
        QCOMPARE(t.FieldCount() >= 2, true);
    }

    void errorsOfEachKind_data() {
        QTest::addColumn<int>("tur");
        QTest::addColumn<QString>("metin");
        QTest::newRow("server error, message exact") << 0 << QString::fromUtf8("Stok kartı kilitli: 'A-12'");
        QTest::newRow("malformed reply") << 1 << QString();
        QTest::newRow("dropped mid-reply") << 2 << QString();
    }
    void errorsOfEachKind() {
        QFETCH(int, tur);
        QFETCH(QString, metin);
        DemoFault f;
        f.errorMessage = tur == 0 ? metin : QString();
        f.malformedJson = tur == 1;
        f.dropConnection = tur == 2;
        sunucu.setFault("KayanYaziGetir", f);
        auto v = vekil();
        try {
            v->KayanYaziGetir();
            QFAIL("no error raised");
        } catch (const EServerError& e) {
            QCOMPARE(tur, 0);
            QCOMPARE(e.text(), metin);
        } catch (const EProtocolError& e) {
            QCOMPARE(tur, 1);
            QVERIFY(e.text().contains("KayanYaziGetir"));
        } catch (const EConnectionError&) {
            QCOMPARE(tur, 2);
        }
        // The next call on the same connection works again.
        sunucu.clearFaults();
        QVERIFY(BaglantiKontrol(bagc, false));
        TServerMethods1Client yeni(bagc);
        QVERIFY(!yeni.KayanYaziGetir().isNull());
    }

    void unknownMethodAndWrongParameters() {
        QVERIFY(BaglantiKontrol(bagc, false));
        TDSServerMethodCommand yok(bagc, "YokBoyleYontem");
        yok.Parametreler();
        QVERIFY_THROWS_EXCEPTION(EConfigError, yok.ExecuteUpdate({}));
        TDSServerMethodCommand eksik(bagc, "SepetVerOrvak");
        eksik.Parametreler().Metin("bir");
        QVERIFY_THROWS_EXCEPTION(EServerError, eksik.ExecuteUpdate({{SonucTuru::TablePacket}}));
    }

    void resultOfWrongShapeIsAProtocolError() {
        QVERIFY(BaglantiKontrol(bagc, false));
        TDSServerMethodCommand k(bagc, "AcilisReklamAdet");
        // The method answers an integer; reading it as a table or as two values must fail loudly.
        k.Parametreler();
        QVERIFY_THROWS_EXCEPTION(EProtocolError, k.ExecuteUpdate({{SonucTuru::TablePacket}}));
        k.Parametreler();
        QVERIFY_THROWS_EXCEPTION(EProtocolError, k.ExecuteUpdate({{SonucTuru::Integer}, {SonucTuru::Integer}}));
        k.Parametreler();
        QVERIFY_THROWS_EXCEPTION(EProtocolError, k.ExecuteUpdate({{SonucTuru::String}}));
        k.Parametreler();
        k.ExecuteUpdate({{SonucTuru::Integer}});
        QVERIFY(std::get<int>(k.Deger(0)) >= 0);
    }

    void expiredSessionIsRenewedOnce() {
        auto v = vekil();
        const QString eski = bagc.OturumNo();
        sunucu.expireSessions();
        QVERIFY(v->AcilisReklamAdet() >= 0);
        QVERIFY(bagc.OturumNo() != eski);
    }
};

QTEST_GUILESS_MAIN(RemoteCallsTest)
#include "tst_remotecalls.moc"
