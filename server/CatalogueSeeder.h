#pragma once
#include <QStringList>

class DemoDatabase;
class DemoRandom;

// Builds the parts catalogue: Turkish descriptions, distributor codes, manufacturer and OEM
// numbers, vehicles, package quantities, stock states, VAT rates, prices and campaign/new flags.
// All rows go in one transaction through one prepared statement.
class CatalogueSeeder {
public:
    static void seed(DemoDatabase& db, DemoRandom& rnd, int count);
    static QStringList departments(); // the ANAGRUP values, in display order

    // Picture shapes (stok.SEKIL), drawn by ProductPictureFactory.
    enum Shape { Disc, Pad, Filter, Shock, Belt, Bulb, Plug, Pump, Joint, Box, ShapeCount };
};
