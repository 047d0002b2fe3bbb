#include "TStokSatiriIslemleri.h"

#include "AnaPencereArayuzu.h"
#include "BaglantiKontrol.h"
#include "CaprazIslemler.h"
#include "TClientDataSet.h"
#include "TParaAlani.h"
#include "TSQLConnection.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "Tstokayarinti.h"
#include "UrunResmiGetir.h"

#include <QPointer>
#include <QWidget>

namespace {
const QString kNesneAdi = QStringLiteral("StokSatiriIslemleri");

// Moves the current record to the stock unless it is there already.
bool konumla(TClientDataSet& tablo, const char* alan, int deger) {
    if (!tablo.Active() || tablo.RecordCount() == 0)
        return false;
    const QString a = QString::fromLatin1(alan);
    if (tablo.RecNo() >= 0 && tablo.FieldByName(a).AsInteger() == deger)
        return true;
    return tablo.Locate(a, deger);
}
} // namespace

TStokSatiriIslemleri::TStokSatiriIslemleri(AnaPencereArayuzu& ana) : QObject(ana.Pencere()), ana_(ana) {
    setObjectName(kNesneAdi);
}

TStokSatiriIslemleri& TStokSatiriIslemleri::Al(AnaPencereArayuzu& ana) {
    if (auto* var = ana.Pencere()->findChild<TStokSatiriIslemleri*>(kNesneAdi, Qt::FindDirectChildrenOnly))
        return *var;
    auto* yeni = new TStokSatiriIslemleri(ana);
    QPointer<TStokSatiriIslemleri> p(yeni);
    ana.Islemler().StokSatiriEkle = [p](int stokno) {
        if (p)
            p->StokSatiriEkle(stokno);
    };
    ana.Islemler().SepetSatiriDuzenle = [p](int sirano) {
        if (p)
            p->SepetSatiriDuzenle(sirano);
    };
    return *yeni;
}

void TStokSatiriIslemleri::StokSatiriEkle(int stokno) {
    yeniSatir(StokSatiriKaynagi::Stok, ana_.Tablo(AnaTablo::stok), stokno);
}
void TStokSatiriIslemleri::YeniStokSatiriEkle(int stokno) {
    yeniSatir(StokSatiriKaynagi::Yeniler, ana_.Tablo(AnaTablo::YENILER), stokno);
}
void TStokSatiriIslemleri::KampanyaliStokSatiriEkle(int stokno) {
    yeniSatir(StokSatiriKaynagi::Kampanyali, ana_.Tablo(AnaTablo::kampstok), stokno);
}

void TStokSatiriIslemleri::yeniSatir(StokSatiriKaynagi kaynak, TClientDataSet& tablo, int stokno) {
    if (!konumla(tablo, "STOK_STOKNO", stokno))
        return;
    Tstokayarinti dlg(ana_.Pencere());
    UrunResmiGetir(ana_.bagc(), stokno, dlg.Image1);
    dlg.Doldur(StokSatiriDegerleri::Oku(kaynak, tablo, ana_.sbilgi().MusteriTipi()));
    if (dlg.exec() != QDialog::Accepted)
        return;
    int miktar = 0;
    if (!dlg.OnaylananAdet(miktar))
        return;
    // A new line always carries the record's FIYAT; a price typed by staff is not sent.
    SepeteEkleGonder(tablo, miktar);
}

void TStokSatiriIslemleri::SepetSatiriDuzenle(int sirano) {
    TClientDataSet& sepet = ana_.Tablo(AnaTablo::sepet);
    if (!konumla(sepet, "SIRANO", sirano))
        return;
    Tstokayarinti dlg(ana_.Pencere());
    UrunResmiGetir(ana_.bagc(), sepet.FieldByName(QStringLiteral("STOKNO")).AsInteger(), dlg.Image1);
    dlg.Doldur(StokSatiriDegerleri::Oku(StokSatiriKaynagi::Sepet, sepet, ana_.sbilgi().MusteriTipi()));
    if (dlg.exec() != QDialog::Accepted)
        return;
    int miktar = 0;
    if (!dlg.OnaylananAdet(miktar))
        return;
    SepetSatiriGuncelleGonder(sirano, miktar, dlg.birimfiyat->Deger());
    ana_.SepetYenile();
}

void TStokSatiriIslemleri::SepeteEkleGonder(TClientDataSet& t, int miktar) {
    TSonucBilgisi& b = ana_.sbilgi();
    auto kopya = b.Kopya();
    TSQLConnection& bagc = ana_.bagc();
    if (!BaglantiKontrol(bagc, true))
        return;
    struct Kapat {
        TSQLConnection& c;
        ~Kapat() { c.Close(); }
    } kapat{bagc};
    const auto f = [&t](const char* alan) { return t.FieldByName(QString::fromLatin1(alan)); };
    int sonuc = 0;
    {
        TServerMethods1Client vekil(bagc);
        sonuc = vekil.SepetEkle2(std::move(kopya), b.CARINO(), f("STOK_STOKNO").AsInteger(), f("BARKOD").AsString(),
                                 f("ADI").AsString(), miktar, static_cast<double>(f("KDV").AsInteger()),
                                 f("FIYAT").AsFloat(), f("IND1").AsFloat(), b.Sirano(), f("K").AsInteger(),
                                 f("IND2").AsFloat(), f("IND3").AsFloat(), f("IND4").AsFloat());
    }
    if (sonuc == 1)
        ana_.SepetYenile();
}

void TStokSatiriIslemleri::SepetSatiriGuncelleGonder(int sirano, int miktar, double birimFiyat) {
    TSonucBilgisi& b = ana_.sbilgi();
    auto kopya = b.Kopya();
    TSQLConnection& bagc = ana_.bagc();
    if (!BaglantiKontrol(bagc, true))
        return;
    struct Kapat {
        TSQLConnection& c;
        ~Kapat() { c.Close(); }
    } kapat{bagc};
    TClientDataSet& t = ana_.Tablo(AnaTablo::sepet);
    const auto f = [&t](const char* alan) { return t.FieldByName(QString::fromLatin1(alan)); };
    int sonuc = 0;
    {
        TServerMethods1Client vekil(bagc);
        sonuc = vekil.SepetGuncelle2(std::move(kopya), b.CARINO(), 0, f("BARKOD").DisplayText(),
                                     f("STOKADI").DisplayText(), miktar, static_cast<double>(f("KDV").AsInteger()),
                                     birimFiyat, f("INDIRIMORANI1").AsFloat(), b.Sirano(), sirano,
                                     f("INDIRIMORANI2").AsFloat(), f("INDIRIMORANI3").AsFloat(),
                                     f("INDIRIMORANI4").AsFloat());
    }
    if (sonuc == 1)
        ana_.SepetYenile();
}
