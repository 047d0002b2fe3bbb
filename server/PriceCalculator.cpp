#include "PriceCalculator.h"

#include <QStringList>
#include <cmath>

double PriceCalculator::round2(double value)
{
    // The small bias keeps values such as 10.125 (stored as 10.12499...) rounding up.
    const double scaled = value * 100.0;
    const double r = std::round(scaled + (scaled >= 0 ? 1e-7 : -1e-7));
    return r / 100.0;
}

double PriceCalculator::netUnit(double price, const Chain& ind)
{
    double net = price;
    for (double rate : ind)
        net -= net * rate / 100.0;
    return round2(net);
}

QString PriceCalculator::discountText(const Chain& ind)
{
    QStringList parts;
    for (double rate : ind)
        if (rate > 0)
            parts.append(QString::number(rate, 'g', 6));
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(u'+');
}

PriceCalculator::StockPrice PriceCalculator::stockPrice(double listPrice, double campaignPrice, int k,
                                                        double kdv, const Chain& customerChain,
                                                        double campaignRate, int customerType)
{
    StockPrice p;
    p.liste = listPrice;
    const bool campaign = k > 0 && campaignPrice > 0 && customerType != 4;
    if (campaign) {
        p.k = k;
        p.kampanya = campaignPrice;
        p.fiyat = campaignPrice;
        p.ind = {campaignRate, 0, 0, 0};
    } else {
        p.fiyat = listPrice;
        p.ind = customerChain;
    }
    p.net = netUnit(p.fiyat, p.ind);
    p.kdvDahil = round2(p.net * (1.0 + kdv / 100.0));
    p.indirimYazi = discountText(p.ind);
    return p;
}

PriceCalculator::LineAmounts PriceCalculator::line(double quantity, double unitPrice, const Chain& ind,
                                                   double kdv)
{
    LineAmounts a;
    a.tutar = round2(quantity * unitPrice);
    a.netBirim = netUnit(unitPrice, ind);
    a.netTutar = round2(quantity * a.netBirim);
    a.indirimTutar = round2(a.tutar - a.netTutar);
    a.vergi = round2(a.netTutar * kdv / 100.0);
    return a;
}
