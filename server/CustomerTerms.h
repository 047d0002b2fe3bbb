#pragma once
#include "PriceCalculator.h"

#include <QString>

class DemoDatabase;

// A customer account's price conditions and identity as the methods need them.
struct CustomerTerms {
    int carino = 0;
    bool exists = false;
    QString carikod;
    QString cariadi;
    PriceCalculator::Chain chain{}; // discounts of normal lines
    double campaignRate = 0;        // discount of campaign lines
    int saticino = 0;

    // An unknown number gives exists == false and no discounts.
    static CustomerTerms load(const DemoDatabase& db, int carino);
};
