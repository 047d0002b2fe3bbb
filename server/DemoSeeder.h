#pragma once
#include "DemoServerOptions.h"

class DemoDatabase;

// Fills a fresh database: catalogue, accounts, baskets, orders, account movements, content.
class DemoSeeder {
public:
    static void seed(DemoDatabase& db, const DemoServerOptions& options);
};
