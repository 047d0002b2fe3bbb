#pragma once

class DemoDatabase;
class DemoRandom;

// Baskets and order history per customer: orders in every state with lines delivered as their
// state says, and the invoices, collections (some by online payment) and opening balances of
// the account statement that follow from them.
class OrderSeeder {
public:
    static void seed(DemoDatabase& db, DemoRandom& rnd);
};
