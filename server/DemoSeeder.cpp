#include "DemoSeeder.h"
#include "AccountSeeder.h"
#include "CatalogueSeeder.h"
#include "ContentSeeder.h"
#include "DemoDatabase.h"
#include "DemoRandom.h"
#include "OrderSeeder.h"

void DemoSeeder::seed(DemoDatabase& db, const DemoServerOptions& options)
{
    // Each part of the data has its own stream of numbers, so a larger catalogue does not
    // change the accounts.
    DemoRandom catalogue(std::uint64_t(options.seed) * 1000003ULL + 1);
    DemoRandom accounts(std::uint64_t(options.seed) * 1000003ULL + 2);
    DemoRandom orders(std::uint64_t(options.seed) * 1000003ULL + 3);
    db.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    CatalogueSeeder::seed(db, catalogue, options.catalogue);
    AccountSeeder::seed(db, accounts);
    OrderSeeder::seed(db, orders);
    ContentSeeder::seed(db);
    db.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}
