#pragma once

class DemoDatabase;
class DemoRandom;

// Builds the representatives, the customer accounts and the users with their workstations,
// the demo accounts of DemoHesaplar.h among them, and the delivery and shipping choices.
class AccountSeeder {
public:
    static void seed(DemoDatabase& db, DemoRandom& rnd);
};
