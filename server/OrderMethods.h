#pragma once
#include "DemoContext.h"
#include "LineTable.h"

class MethodCall;
class MethodRegistry;

// Previous orders, their lines and footers, open balances and their three changes, and the
// order movements: OncekiSiparisler, SiparisAyrintisi2, SiparisAytintisiDip, BakiyelerVer2,
// BakiyeDuzenle, BakiyeDegistir, BakiyeFiyatDegistir, TumSiparislerVer.
class OrderMethods {
public:
    explicit OrderMethods(DemoContext& ctx) : ctx_(ctx) {}
    void registerMethods(MethodRegistry& registry);

private:
    // Order lines of one customer matching `where` (on siparis_satir l / siparis o).
    DataSnapTable lines(LineTable::Kind kind, int carino, const QString& where, const QVariantList& binds) const;
    // The open line a balance change names, or 0 when it is not the customer's or not open.
    int balanceLine(int carino, int sepetsirano, int siparissirano) const;
    void logChange(const QString& kind, int line, const MethodCall& call, double fiyat, double ind);

    DemoContext& ctx_;
};
