#pragma once
#include "DemoContext.h"

class MethodRegistry;

// The basket per customer account and the order made from it: SepetVerOrvak, SepetEkle2,
// SepetGuncelle2, SepetHepsiniSil, SepetSatirSil, SepetSecimGuncelle, TeslimVer, KargoVer,
// KargolarVer, SiparisKaydet.
class BasketMethods {
public:
    explicit BasketMethods(DemoContext& ctx) : ctx_(ctx) {}
    void registerMethods(MethodRegistry& registry);

private:
    QString userName(int sirano, const QString& fallback) const;
    bool saveOrder(int carino, int teslim, int gonderim, int firma, const QString& aciklama, int verenid,
                   const QString& veren);

    DemoContext& ctx_;
};
