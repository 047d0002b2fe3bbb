#include "StokSatiriDegerleri.h"

#include "KatalogKurallari.h"
#include "TClientDataSet.h"

namespace {
QString metin(TClientDataSet& t, const char* alan) {
    const TField f = t.FindField(QString::fromLatin1(alan));
    return f.IsValid() ? f.DisplayText() : QString();
}
double sayi(TClientDataSet& t, const char* alan) { return t.FieldByName(QString::fromLatin1(alan)).AsFloat(); }
int tamsayi(TClientDataSet& t, const char* alan) { return t.FieldByName(QString::fromLatin1(alan)).AsInteger(); }

// Value, minimum and step of the quantity from the package quantity MODEL.
void paketAdedi(StokSatiriDegerleri& d, TClientDataSet& t) {
    const int model = tamsayi(t, "MODEL");
    d.adetAdim = AdetAdimi(model);
    d.adetEnAz = d.adetAdim;
    d.adetDeger = d.adetAdim;
}
} // namespace

StokSatiriDegerleri StokSatiriDegerleri::Oku(StokSatiriKaynagi kaynak, TClientDataSet& t, int musteriTipi) {
    StokSatiriDegerleri d;
    d.barkod = metin(t, "BARKOD");
    d.marka = metin(t, "MARKA");
    d.finishkod = metin(t, "FINISHKOD");
    d.model = metin(t, "MODEL");
    const bool personel = musteriTipi == 1 || musteriTipi == 2;

    if (kaynak == StokSatiriKaynagi::Sepet) {
        d.adi = metin(t, "STOKADI");
        d.birimfiyat = sayi(t, "BIRIMFIYAT");
        d.indtutar = sayi(t, "NETBIRIMFIYAT");
        d.kdvdahiltutar = KdvliFiyatHesapla(d.indtutar, sayi(t, "KDV"));
        d.kdvlifiyat = d.kdvdahiltutar;
        d.fiyatBasligi = QStringLiteral("Fiyat:");
        d.indirimBasligi = QStringLiteral("İndirim:");
        paketAdedi(d, t);
        // The line's own quantity, even when it is no multiple of the package quantity; the first
        // change snaps it.
        d.adetDeger = tamsayi(t, "MIKTAR");
        return d;
    }

    d.adi = metin(t, "ADI");
    const int k = tamsayi(t, "K");
    const QString indirimYazi = metin(t, "INDIRIMYAZI");
    const bool kampanya = k > 0;

    switch (kaynak) {
    case StokSatiriKaynagi::Stok:
        d.birimfiyatDuzenlenir = personel;
        if (k < 0)
            return d;  // a negative flag leaves price, captions and quantity as designed
        d.birimfiyat = sayi(t, "FIYAT");
        d.indtutar = sayi(t, "NETFIYAT");
        d.kdvdahiltutar = sayi(t, "KDVDAHIL");
        d.kdvlifiyat = d.kdvdahiltutar;
        d.fiyatBasligi = kampanya ? QStringLiteral("Kampanyalı Fiyat:") : QStringLiteral("Fiyat:");
        d.indirimBasligi = kampanya ? QStringLiteral("Kampanyalı ") + indirimYazi
                                    : QStringLiteral("İndirim: %") + indirimYazi;
        paketAdedi(d, t);
        break;
    case StokSatiriKaynagi::Yeniler:
        d.birimfiyatDuzenlenir = personel;
        d.birimfiyat = sayi(t, "FIYAT");
        d.indtutar = sayi(t, "NETFIYAT");
        d.kdvdahiltutar = kampanya ? sayi(t, "KDVDAHIL") : KdvliFiyatHesapla(d.indtutar, sayi(t, "KDV"));
        d.kdvlifiyat = sayi(t, "KDVDAHIL");
        d.fiyatBasligi = kampanya ? QStringLiteral("Kampanyalı Fiyat:") : QStringLiteral("Fiyat:");
        d.indirimBasligi = kampanya ? QStringLiteral("Kampanyalı ") + indirimYazi
                                    : QStringLiteral("İndirim:  % ") + indirimYazi;
        paketAdedi(d, t);
        break;
    case StokSatiriKaynagi::Kampanyali:
        d.birimfiyat = sayi(t, "FIYAT");
        d.indtutar = sayi(t, "NETFIYAT");
        d.kdvdahiltutar = sayi(t, "KDVDAHIL");
        d.kdvlifiyat = d.kdvdahiltutar;
        d.fiyatBasligi = QStringLiteral("Kampanyalı Fiyat:");
        d.indirimBasligi = QStringLiteral("Kampanyalı ") + indirimYazi;
        paketAdedi(d, t);
        break;
    case StokSatiriKaynagi::Sepet:
        break;
    }
    return d;
}
