#include "KatalogKurallari.h"

#include "FormatFloat.h"
#include "IkiHaneYuvarla.h"
#include "TabloYardimcilari.h"

QChar AramaHarfiKatla(QChar harf) {
    switch (harf.unicode()) {
    case u'ğ': return u'g';
    case u'ü': return u'u';
    case u'ş': return u's';
    case u'ö': return u'o';
    case u'ç': return u'c';
    case u'Ğ': return u'G';
    case u'Ü': return u'U';
    case u'Ş': return u'S';
    case u'Ö': return u'O';
    case u'Ç': return u'C';
    case u'İ':
    case u'ı': return u'I';
    default: return harf;
    }
}

QString KenarBosluklariniKirp(const QString& metin) {
    qsizetype bas = 0;
    qsizetype son = metin.size();
    while (bas < son && metin.at(bas).unicode() <= 0x20)
        ++bas;
    while (son > bas && metin.at(son - 1).unicode() <= 0x20)
        --son;
    return metin.mid(bas, son - bas);
}

int AdetAdimi(int paketAdedi) { return paketAdedi > 0 ? paketAdedi : 1; }

int AdetAdimla(int deger, int adim) {
    if (adim <= 0)
        adim = 1;
    return deger - deger % adim;
}

double KdvliFiyatHesapla(double netFiyat, double kdvOrani) {
    return IkiHaneYuvarla(netFiyat * (1.0 + kdvOrani / 100.0));
}

double SatirTutari(double adet, double birimFiyat) { return IkiHaneYuvarla(adet * birimFiyat); }

QString FiyatBilgisiMetni(double listeFiyati, double kampanyaFiyati, double netFiyat, double kdvliFiyat,
                          const QLocale& yerel) {
    const QString bicim = QString::fromLatin1(kParaBicimi);
    const QString satirSonu = QStringLiteral("\r\n");
    QString metin = QStringLiteral("Liste Fiyatı: ") + FormatFloat(bicim, listeFiyati, yerel) + satirSonu;
    if (kampanyaFiyati > 0)
        metin += QStringLiteral("Kampanyalı Fiyat: ") + FormatFloat(bicim, kampanyaFiyati, yerel) + satirSonu;
    metin += QStringLiteral("NetFiyat: ") + FormatFloat(bicim, netFiyat, yerel) + satirSonu;
    metin += QStringLiteral("KDV li Fiyat: ") + FormatFloat(bicim, kdvliFiyat, yerel) + satirSonu;
    return metin;
}
