#pragma once
#include "TTransferNesnesi.h"

// The notes and choices of one order.
#define TSIPARISDIPAYRINTI_ALANLARI(X)                                                                   \
    X(QString, SizinMesaj, {})                                                                           \
    X(QString, Durumu, {})                                                                               \
    X(QString, Veren, {})                                                                                \
    X(QString, Kargo, {})                                                                                \
    X(QString, BizimMesaj, {})                                                                           \
    X(QString, TeslimCinsi, {})                                                                          \
    X(QString, KargoCinsi, {})                                                                           \
    X(QString, SaticiNotu, {})

class TSiparisDipAyrinti : public TTransferNesnesi {
    TELMIRA_TRANSFER_SINIFI(TSiparisDipAyrinti, "baglantiu", TSIPARISDIPAYRINTI_ALANLARI)
};
