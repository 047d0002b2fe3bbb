#pragma once
#include <QString>
#include <array>

// The price rules shared by the catalogue, the basket and the orders: a chain of up to four
// discount rates applied one after another, amounts rounded to two decimals (halves away from
// zero, as the client rounds).
class PriceCalculator {
public:
    using Chain = std::array<double, 4>;

    struct StockPrice {
        double fiyat = 0;       // unit price the line is sold at before discounts
        double liste = 0;       // list price
        double kampanya = 0;    // campaign price, 0 when none
        Chain ind{};            // IND1..IND4
        double net = 0;         // after discounts, without VAT
        double kdvDahil = 0;    // net with VAT
        QString indirimYazi;    // "25+10", "0" without discount
        int k = 0;              // campaign flag as sent to the client
    };

    static double round2(double value);
    static double netUnit(double price, const Chain& ind);
    static QString discountText(const Chain& ind);
    // Customer discounts apply to normal lines; a campaign line gets only the campaign rate.
    // Customer type 4 has no campaigns: its campaign parts are sold as normal parts.
    static StockPrice stockPrice(double listPrice, double campaignPrice, int k, double kdv,
                                 const Chain& customerChain, double campaignRate, int customerType);

    struct LineAmounts {
        double tutar = 0;         // quantity x unit price
        double netBirim = 0;      // unit price after the discounts
        double netTutar = 0;      // quantity x net unit price
        double indirimTutar = 0;  // tutar - netTutar
        double vergi = 0;         // VAT on netTutar
    };
    static LineAmounts line(double quantity, double unitPrice, const Chain& ind, double kdv);
};
