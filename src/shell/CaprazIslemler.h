#pragma once
#include <functional>

// Operations that one page offers the others through the main window. The page that owns an
// operation installs it when it is created (AnaPencereArayuzu::Islemler()); a call while none is
// installed does nothing.
struct CaprazIslemler {
    std::function<void()> SepetYenile;                   // reload the basket and its totals
    std::function<void(int stokno)> StokSatiriEkle;      // stock line dialog for a new basket line
    std::function<void(int sirano)> SepetSatiriDuzenle;  // stock line dialog for a basket line
    std::function<void(int stokno)> TumSiparisleriGoster;  // order movements of a stock
};
