#pragma once
#include "DemoDatabase.h"

// Rolls back unless commit() was reached, so a throwing handler leaves no partial change.
class DemoTransaction {
public:
    explicit DemoTransaction(DemoDatabase& db) : db_(db) { db_.begin(); }
    ~DemoTransaction()
    {
        if (!done_)
            db_.rollback();
    }
    void commit()
    {
        db_.commit();
        done_ = true;
    }
    DemoTransaction(const DemoTransaction&) = delete;
    DemoTransaction& operator=(const DemoTransaction&) = delete;

private:
    DemoDatabase& db_;
    bool done_ = false;
};
