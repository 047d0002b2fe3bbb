#include "StockTable.h"

#include <QSqlQuery>

using namespace protokol;

QString StockTable::selectColumns()
{
    return QStringLiteral("STOK_STOKNO,BARKOD,ADI,URETICIKODU,MARKA,MODEL,FINISHKOD,OEM1,OEM2,OEM3,OEM4,DIGERADI,"
                          "DPKOD,PKOD,BARKOD_BARKODNO,BIRIM,ANAGRUP,OZELKOD,DURUM,RESIM,Y,K,KDV,LISTEFIYAT,KAMPFIYAT,"
                          "KALAN,ALINANSIPARIS,VERILENSIPARIS");
}

DataSnapTable StockTable::build(QSqlQuery& q, const CustomerTerms& terms, int customerType)
{
    DataSnapTable t{
        {"STOK_STOKNO", DbxInt32},   {"BARKOD", DbxWideString, 30},   {"ADI", DbxWideString, 100},
        {"URETICIKODU", DbxWideString, 40}, {"MARKA", DbxWideString, 60}, {"MODEL", DbxInt32},
        {"FINISHKOD", DbxWideString, 20}, {"OEM1", DbxWideString, 30}, {"OEM2", DbxWideString, 30},
        {"OEM3", DbxWideString, 30}, {"OEM4", DbxWideString, 30}, {"OEMNO", DbxWideString, 30},
        {"DIGERADI", DbxWideString, 60}, {"DPKOD", DbxWideString, 10}, {"PKOD", DbxWideString, 10},
        {"BARKOD_BARKODNO", DbxWideString, 20}, {"BIRIM", DbxWideString, 10}, {"ANAGRUP", DbxWideString, 30},
        {"OZELKOD", DbxWideString, 30}, {"DURUM", DbxInt32}, {"RESIM", DbxInt32}, {"Y", DbxInt32},
        {"K", DbxInt32}, {"KDV", DbxDouble}, {"FIYAT", DbxDouble}, {"LISTEFIYAT1", DbxDouble},
        {"KAMPFIYAT", DbxDouble}, {"ESKIFIYAT", DbxDouble}, {"NETFIYAT", DbxDouble}, {"KDVDAHIL", DbxDouble},
        {"INDIRIM", DbxDouble}, {"INDIRIMYAZI", DbxWideString, 20}, {"IND1", DbxDouble}, {"IND2", DbxDouble},
        {"IND3", DbxDouble}, {"IND4", DbxDouble}, {"KALAN", DbxDouble}, {"ALINANSIPARIS", DbxDouble},
        {"VERILENSIPARIS", DbxDouble},
    };
    QVariantList row;
    row.reserve(t.columnCount());
    while (q.next()) {
        const double kdv = q.value(22).toDouble();
        const auto p = PriceCalculator::stockPrice(q.value(23).toDouble(), q.value(24).toDouble(), q.value(21).toInt(),
                                                   kdv, terms.chain, terms.campaignRate, customerType);
        const double indirim = p.fiyat > 0 ? PriceCalculator::round2((1.0 - p.net / p.fiyat) * 100.0) : 0.0;
        row.clear();
        for (int c = 0; c <= 10; ++c)
            row.append(q.value(c));
        row.append(q.value(7)); // OEMNO
        for (int c = 11; c <= 20; ++c)
            row.append(q.value(c));
        row << p.k << kdv << p.fiyat << p.liste << p.kampanya << p.liste << p.net << p.kdvDahil << indirim
            << p.indirimYazi << p.ind[0] << p.ind[1] << p.ind[2] << p.ind[3] << q.value(25) << q.value(26)
            << q.value(27);
        t.appendRow(row);
    }
    return t;
}
