#pragma once
#include "DataSnapTable.h"
#include "PriceCalculator.h"

#include <QDateTime>
#include <QString>
#include <array>

class QSqlQuery;

// The line tables of the basket, of an order's detail, of the open balances and of the order
// movements: one line per row with its stock's codes; amounts computed by PriceCalculator.
class LineTable {
public:
    enum class Kind { Basket, Order, Balance };

    struct Line {
        int sirano = 0, siparisNo = 0, carino = 0, stokno = 0, idno = 0, verenId = 0;
        int teslimId = 0, kargoId = 0, stokharNo = 0, sec = 0;
        QDateTime verilis, tarih;
        QString barkod, stokadi, veren, aciklama, carikod, cariadi, teslim, kargo;
        double miktar = 0, birimFiyat = 0, ilkFiyat = 0, kdv = 0, teslimEdilen = 0, kalan = 0;
        PriceCalculator::Chain ind{};
        // From the stock record.
        QString uretici, finish, marka, digeradi, dpkod, anagrup, ozelkod, pkod;
        std::array<QString, 4> oem;
        int model = 0, durum = 0;
        double eldeki = 0, alinan = 0, verilen = 0;
    };

    explicit LineTable(Kind kind);
    void append(const Line& line);
    const DataSnapTable& table() const { return table_; }

    // Stock columns for a query, with the stok table under `alias`, and their reader.
    static QString stockSelect(const QString& alias);
    static void readStock(const QSqlQuery& q, int offset, Line& line);

private:
    Kind kind_;
    std::vector<int> columns_;
    DataSnapTable table_;
};
