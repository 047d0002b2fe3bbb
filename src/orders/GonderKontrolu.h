#pragma once
#include <QString>

// The checks "Gönder" makes before the confirmation, in their order; the first that fails stops.
struct GonderKontrolu {
    enum class Engel { Yok, ParcaYok, TeslimYok, KargoTuruYok, KargoYok };

    bool secimVar = false;   // SecimVarmi on the basket
    int teslimIndex = -1;    // chosen entry of teslimbox, -1 none
    int kargoTuruIndex = -1; // chosen entry of boxkargo, -1 none
    int kargoIndex = -1;     // chosen entry of kargocombo; 0 is the blank entry

    Engel Sonuc() const;
    // The warning for a failed check; empty for Engel::Yok.
    static QString Mesaj(Engel engel);
};
