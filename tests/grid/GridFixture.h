#pragma once
#include <QIcon>
#include <QString>

class TClientDataSet;
class TGridView;
class TTableData;

// A small stock-like table and a grid declared over it the way a page declares one: an icon column
// for DURUM, a check-box column SEC, text, money and date columns, a hidden key column.
//
// Records (index: STOK_STOKNO BARKOD ADI DURUM SEC FIYAT SATICIADI):
//   0: 101 FLT-100 "Yağ Filtresi"   1 1       125.50 Ahmet
//   1: 102 FRN-200 "Fren Balatası"  0 0   1500000.00 Zeynep
//   2: 103 IŞK-300 "IŞIK Ünitesi"   3 1        89.99 Ahmet
//   3: 104 İST-400 "İstavroz"       1 0       310.00 Çağla
//   4: 105 AMR-500 "Amortisör"      2 0       975.25 Zeynep
//   5: 106 ŞAN-600 "Şanzıman Yağı"  5 1        45.10 Ahmet
//   6: 107 CNT-700 "Conta Seti"     4 0         0.50 Çağla
//   7: 108 ÖN-800  "Ön Cam"         0 0      2100.00 Ümit
class GridFixture {
public:
    static TTableData sampleTable(int extraRows = 0);
    // Fills (or refills) the table with the sample rows and the money format on FIYAT.
    static void fill(TClientDataSet& table, int extraRows = 0);
    // Columns: Durum (icon, descriptions "Yok", "Var", …), Sec (check box), Barkod, Adi, Fiyat,
    // Tarih, Satici, StokNo (hidden, not offered). Column names are the field names.
    static void declare(TGridView& grid);
    // A coloured round icon standing for a status artwork.
    static QIcon statusIcon(int value);
};
