#include "LineTable.h"

#include <QSqlQuery>

using namespace protokol;

namespace {

enum Col {
    SEC, VERILISTARIHI, SIRANO, SIPARISNO, CARINO, TARIH, AKTAR, STOKNO, BARKOD, URETICIKODU, FINISHKOD, OEMNO,
    STOKADI, MARKA, MIKTAR, BIRIMFIYAT, ILKFIYAT, TUTAR, INDIRIMYAZI, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3,
    INDIRIMORANI4, INDIRIMTUTAR, NETBIRIMFIYAT, KDV, VERGITUTARI, NETTUTAR, KUR, KURTL, VERENIDNO, SAAT, TESLIMID,
    KARGOID, ACIKLAMA, IDNO, VERENSIRANO, VEREN, CARIKOD, CARIADI, OEM1, OEM2, OEM3, OEM4, STOK_STOKNO, DIGERADI,
    DPKOD, MODEL, ANAGRUP, OZELKOD, PKOD, TESLIM, KARGO, TESLIMEDILEN, KALAN, STOKHAR_NO, ELDEKI, DURUM,
    ALINANSIPARIS, VERILENSIPARIS
};

struct ColInfo {
    const char* name;
    DbxTipi type;
    int size;
};

const ColInfo kInfo[] = {
    {"SEC", DbxInt32, 0}, {"VERILISTARIHI", DbxDateTime, 0}, {"SIRANO", DbxInt32, 0}, {"SIPARISNO", DbxInt32, 0},
    {"CARINO", DbxInt32, 0}, {"TARIH", DbxDateTime, 0}, {"AKTAR", DbxInt32, 0}, {"STOKNO", DbxInt32, 0},
    {"BARKOD", DbxWideString, 30}, {"URETICIKODU", DbxWideString, 40}, {"FINISHKOD", DbxWideString, 20},
    {"OEMNO", DbxWideString, 30}, {"STOKADI", DbxWideString, 100}, {"MARKA", DbxWideString, 60},
    {"MIKTAR", DbxDouble, 0}, {"BIRIMFIYAT", DbxDouble, 0}, {"ILKFIYAT", DbxDouble, 0}, {"TUTAR", DbxDouble, 0},
    {"INDIRIMYAZI", DbxWideString, 20}, {"INDIRIMORANI1", DbxDouble, 0}, {"INDIRIMORANI2", DbxDouble, 0},
    {"INDIRIMORANI3", DbxDouble, 0}, {"INDIRIMORANI4", DbxDouble, 0}, {"INDIRIMTUTAR", DbxDouble, 0},
    {"NETBIRIMFIYAT", DbxDouble, 0}, {"KDV", DbxDouble, 0}, {"VERGITUTARI", DbxDouble, 0}, {"NETTUTAR", DbxDouble, 0},
    {"KUR", DbxWideString, 5}, {"KURTL", DbxDouble, 0}, {"VERENIDNO", DbxInt32, 0}, {"SAAT", DbxWideString, 8},
    {"TESLIMID", DbxInt32, 0}, {"KARGOID", DbxInt32, 0}, {"ACIKLAMA", DbxWideString, 200}, {"IDNO", DbxInt32, 0},
    {"VERENSIRANO", DbxInt32, 0}, {"VEREN", DbxWideString, 50}, {"CARIKOD", DbxWideString, 25},
    {"CARIADI", DbxWideString, 100}, {"OEM1", DbxWideString, 30}, {"OEM2", DbxWideString, 30},
    {"OEM3", DbxWideString, 30}, {"OEM4", DbxWideString, 30}, {"STOK_STOKNO", DbxInt32, 0},
    {"DIGERADI", DbxWideString, 60}, {"DPKOD", DbxWideString, 10}, {"MODEL", DbxInt32, 0},
    {"ANAGRUP", DbxWideString, 30}, {"OZELKOD", DbxWideString, 30}, {"PKOD", DbxWideString, 10},
    {"TESLIM", DbxWideString, 50}, {"KARGO", DbxWideString, 50}, {"TESLIMEDILEN", DbxDouble, 0},
    {"KALAN", DbxDouble, 0}, {"STOKHAR_NO", DbxInt32, 0}, {"ELDEKI", DbxDouble, 0}, {"DURUM", DbxInt32, 0},
    {"ALINANSIPARIS", DbxDouble, 0}, {"VERILENSIPARIS", DbxDouble, 0},
};

std::vector<int> columnsOf(LineTable::Kind kind)
{
    switch (kind) {
    case LineTable::Kind::Basket:
        return {SEC, VERILISTARIHI, SIRANO, SIPARISNO, CARINO, TARIH, AKTAR, STOKNO, BARKOD, URETICIKODU, FINISHKOD,
                OEMNO, STOKADI, MARKA, MIKTAR, BIRIMFIYAT, TUTAR, INDIRIMYAZI, INDIRIMORANI1, INDIRIMORANI2,
                INDIRIMORANI3, INDIRIMTUTAR, NETBIRIMFIYAT, KDV, VERGITUTARI, NETTUTAR, KUR, KURTL, VERENIDNO, SAAT,
                TESLIMID, KARGOID, ACIKLAMA, IDNO, VERENSIRANO, VEREN, CARIKOD, CARIADI, OEM1, OEM2, OEM3, OEM4,
                STOK_STOKNO, DIGERADI, DPKOD, MODEL, ANAGRUP, OZELKOD, PKOD, DURUM, KALAN, INDIRIMORANI4};
    case LineTable::Kind::Order:
        return {VERILISTARIHI, SIRANO, SIPARISNO, CARINO, TARIH, AKTAR, STOKNO, BARKOD, FINISHKOD, OEMNO, STOKADI,
                MIKTAR, BIRIMFIYAT, TUTAR, INDIRIMYAZI, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4,
                INDIRIMTUTAR, NETBIRIMFIYAT, KDV, VERGITUTARI, NETTUTAR, KUR, KURTL, VERENIDNO, SAAT, TESLIMID,
                KARGOID, ACIKLAMA, IDNO, VERENSIRANO, VEREN, CARIKOD, CARIADI, OEM1, OEM2, OEM3, OEM4, STOK_STOKNO,
                URETICIKODU, DIGERADI, DPKOD, MARKA, MODEL, ANAGRUP, OZELKOD, PKOD, TESLIM, KARGO, TESLIMEDILEN, KALAN};
    case LineTable::Kind::Balance:
        return {VERILISTARIHI, SIRANO, SIPARISNO, CARINO, TARIH, AKTAR, STOKNO, BARKOD, FINISHKOD, OEMNO, STOKADI,
                MIKTAR, BIRIMFIYAT, ILKFIYAT, TUTAR, INDIRIMYAZI, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3,
                INDIRIMORANI4, INDIRIMTUTAR, NETBIRIMFIYAT, KDV, VERGITUTARI, NETTUTAR, KUR, KURTL, VERENIDNO, SAAT,
                TESLIMID, KARGOID, ACIKLAMA, IDNO, VERENSIRANO, VEREN, CARIKOD, CARIADI, OEM1, OEM3, OEM2, OEM4,
                STOK_STOKNO, URETICIKODU, DIGERADI, DPKOD, MARKA, MODEL, ANAGRUP, OZELKOD, PKOD, TESLIM, KARGO,
                TESLIMEDILEN, KALAN, STOKHAR_NO, ELDEKI, DURUM, ALINANSIPARIS, VERILENSIPARIS};
    }
    return {};
}

} // namespace

LineTable::LineTable(Kind kind) : kind_(kind), columns_(columnsOf(kind))
{
    for (int c : columns_)
        table_.addColumn(QString::fromLatin1(kInfo[c].name), kInfo[c].type, kInfo[c].size);
}

QString LineTable::stockSelect(const QString& a)
{
    return QStringLiteral("%1.URETICIKODU,%1.FINISHKOD,%1.OEM1,%1.OEM2,%1.OEM3,%1.OEM4,%1.MARKA,%1.MODEL,%1.DIGERADI,"
                          "%1.DPKOD,%1.ANAGRUP,%1.OZELKOD,%1.PKOD,%1.DURUM,%1.KALAN,%1.ALINANSIPARIS,%1.VERILENSIPARIS")
        .arg(a);
}

void LineTable::readStock(const QSqlQuery& q, int o, Line& l)
{
    l.uretici = q.value(o).toString();
    l.finish = q.value(o + 1).toString();
    for (int i = 0; i < 4; ++i)
        l.oem[size_t(i)] = q.value(o + 2 + i).toString();
    l.marka = q.value(o + 6).toString();
    l.model = q.value(o + 7).toInt();
    l.digeradi = q.value(o + 8).toString();
    l.dpkod = q.value(o + 9).toString();
    l.anagrup = q.value(o + 10).toString();
    l.ozelkod = q.value(o + 11).toString();
    l.pkod = q.value(o + 12).toString();
    l.durum = q.value(o + 13).toInt();
    l.eldeki = q.value(o + 14).toDouble();
    l.alinan = q.value(o + 15).toDouble();
    l.verilen = q.value(o + 16).toDouble();
}

void LineTable::append(const Line& l)
{
    const auto a = PriceCalculator::line(l.miktar, l.birimFiyat, l.ind, l.kdv);
    QVariantList row;
    row.reserve(qsizetype(columns_.size()));
    for (int c : columns_) {
        switch (c) {
        case SEC: row << l.sec; break;
        case VERILISTARIHI: row << l.verilis; break;
        case SIRANO: row << l.sirano; break;
        case SIPARISNO: row << l.siparisNo; break;
        case CARINO: row << l.carino; break;
        case TARIH: row << l.tarih; break;
        case AKTAR: row << (kind_ == Kind::Basket ? 0 : 1); break;
        case STOKNO: case STOK_STOKNO: row << l.stokno; break;
        case BARKOD: row << l.barkod; break;
        case URETICIKODU: row << l.uretici; break;
        case FINISHKOD: row << l.finish; break;
        case OEMNO: case OEM1: row << l.oem[0]; break;
        case OEM2: row << l.oem[1]; break;
        case OEM3: row << l.oem[2]; break;
        case OEM4: row << l.oem[3]; break;
        case STOKADI: row << l.stokadi; break;
        case MARKA: row << l.marka; break;
        case MIKTAR: row << l.miktar; break;
        case BIRIMFIYAT: row << l.birimFiyat; break;
        case ILKFIYAT: row << l.ilkFiyat; break;
        case TUTAR: row << a.tutar; break;
        case INDIRIMYAZI: row << PriceCalculator::discountText(l.ind); break;
        case INDIRIMORANI1: row << l.ind[0]; break;
        case INDIRIMORANI2: row << l.ind[1]; break;
        case INDIRIMORANI3: row << l.ind[2]; break;
        case INDIRIMORANI4: row << l.ind[3]; break;
        case INDIRIMTUTAR: row << a.indirimTutar; break;
        case NETBIRIMFIYAT: row << a.netBirim; break;
        case KDV: row << l.kdv; break;
        case VERGITUTARI: row << a.vergi; break;
        case NETTUTAR: row << a.netTutar; break;
        case KUR: row << QStringLiteral("TL"); break;
        case KURTL: row << 1.0; break;
        case VERENIDNO: case VERENSIRANO: row << l.verenId; break;
        case SAAT: row << l.tarih.toString(QStringLiteral("HH:mm")); break;
        case TESLIMID: row << l.teslimId; break;
        case KARGOID: row << l.kargoId; break;
        case ACIKLAMA: row << l.aciklama; break;
        case IDNO: row << l.idno; break;
        case VEREN: row << l.veren; break;
        case CARIKOD: row << l.carikod; break;
        case CARIADI: row << l.cariadi; break;
        case DIGERADI: row << l.digeradi; break;
        case DPKOD: row << l.dpkod; break;
        case MODEL: row << l.model; break;
        case ANAGRUP: row << l.anagrup; break;
        case OZELKOD: row << l.ozelkod; break;
        case PKOD: row << l.pkod; break;
        case TESLIM: row << l.teslim; break;
        case KARGO: row << l.kargo; break;
        case TESLIMEDILEN: row << l.teslimEdilen; break;
        case KALAN: row << (kind_ == Kind::Basket ? l.eldeki : l.kalan); break;
        case STOKHAR_NO: row << l.stokharNo; break;
        case ELDEKI: row << l.eldeki; break;
        case DURUM: row << l.durum; break;
        case ALINANSIPARIS: row << l.alinan; break;
        case VERILENSIPARIS: row << l.verilen; break;
        }
    }
    table_.appendRow(row);
}
