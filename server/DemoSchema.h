#pragma once

class DemoDatabase;

// The tables of the demo server. kVersion changes whenever a table changes; data made with
// another version is thrown away and seeded afresh.
class DemoSchema {
public:
    static constexpr int kVersion = 3;
    static void create(DemoDatabase& db);
};
