#pragma once
#include "TTransferNesnesi.h"

// Order counts per order state, shown on the state buttons of the customer selection.
#define TTUSSONUCLARI_ALANLARI(X)                                                                        \
    X(int, Alindi, 0)                                                                                    \
    X(int, Onaylandi, 0)                                                                                 \
    X(int, ParcaliHazirlandi, 0)                                                                         \
    X(int, SevkEdildi, 0)                                                                                \
    X(int, Hazirlandi, 0)                                                                                \
    X(int, Goruldu, 0)

class TTusSonuclari : public TTransferNesnesi {
    TELMIRA_TRANSFER_SINIFI(TTusSonuclari, "baglantiu", TTUSSONUCLARI_ALANLARI)
};
