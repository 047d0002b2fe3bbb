#pragma once
#include "StokSatiriDegerleri.h"

#include <QObject>

class AnaPencereArayuzu;
class TClientDataSet;

// The operations that open the stock line dialog and send its line to the server's basket. One
// object per main window (a child of it); it installs StokSatiriEkle and SepetSatiriDuzenle as
// cross-page operations so that the basket page reaches them through the window.
class TStokSatiriIslemleri : public QObject {
    Q_OBJECT
public:
    // The window's object, created and installed on first use.
    static TStokSatiriIslemleri& Al(AnaPencereArayuzu& ana);

    // A new line from the current record of stok, YENILER or kampstok (positioned on `stokno`).
    void StokSatiriEkle(int stokno);
    void YeniStokSatiriEkle(int stokno);
    void KampanyaliStokSatiriEkle(int stokno);
    // The basket line `sirano` of sepet.
    void SepetSatiriDuzenle(int sirano);

    // SepetEkle2 with the current record of `tablo`; reloads the basket when the server answers 1.
    void SepeteEkleGonder(TClientDataSet& tablo, int miktar);
    // SepetGuncelle2 for the current line of sepet; reloads the basket when the server answers 1.
    void SepetSatiriGuncelleGonder(int sirano, int miktar, double birimFiyat);

private:
    explicit TStokSatiriIslemleri(AnaPencereArayuzu& ana);
    void yeniSatir(StokSatiriKaynagi kaynak, TClientDataSet& tablo, int stokno);

    AnaPencereArayuzu& ana_;
};
