#pragma once
#include "DemoContext.h"

class MethodRegistry;

// The catalogue: StokAraGetirOrvak, YenilerVer2Orvak, KampanyaliVer2Orvak, ResimVer5,
// DepartmanlariVer.
class StockMethods {
public:
    explicit StockMethods(DemoContext& ctx) : ctx_(ctx) {}
    void registerMethods(MethodRegistry& registry);

private:
    DemoContext& ctx_;
};
