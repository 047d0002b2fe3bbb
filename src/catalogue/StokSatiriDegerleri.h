#pragma once
#include <QString>

class TClientDataSet;

// Where the stock line dialog was opened from; decides which fields fill it.
enum class StokSatiriKaynagi { Stok, Yeniler, Kampanyali, Sepet };

// What the stock line dialog shows for the current record of its source table. Computed apart from
// the dialog so that the field table can be checked without widgets.
struct StokSatiriDegerleri {
    QString barkod, adi, finishkod, marka, model;
    double birimfiyat = 0;
    double indtutar = 0;
    double kdvdahiltutar = 0;
    double kdvlifiyat = 0;
    bool birimfiyatDuzenlenir = false;
    QString fiyatBasligi = QStringLiteral("Fiyat:");       // Label2 as designed
    QString indirimBasligi = QStringLiteral("İndirim:");   // indirimoran as designed
    int adetDeger = 1;  // quantity as designed: value 1, minimum 1, step 1
    int adetEnAz = 1;
    int adetAdim = 1;

    // Reads the current record of `tablo`. `musteriTipi` is FMusteriTipi of the sign-in record.
    static StokSatiriDegerleri Oku(StokSatiriKaynagi kaynak, TClientDataSet& tablo, int musteriTipi);
};
