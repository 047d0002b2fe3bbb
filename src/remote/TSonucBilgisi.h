#pragma once
#include "TTransferNesnesi.h"

#include <memory>

// The sign-in record: who is signed in, for which customer account, from which workstation.
#define TSONUCBILGISI_ALANLARI(X)                                                                        \
    X(QString, BILGISAYARID, {})                                                                         \
    X(QString, SaticiMail, {})                                                                           \
    X(int, Sirano, 0)                                                                                    \
    X(QString, CariAdi, {})                                                                              \
    X(QString, SIFRE, {})                                                                                \
    X(int, SaticiNo, 0)                                                                                  \
    X(int, CARINO, 0)                                                                                    \
    X(int, AKTIF, 0)                                                                                     \
    X(QString, Kullanicimail, {})                                                                        \
    X(QString, ADI, {})                                                                                  \
    X(QString, SaticiTelefon, {})                                                                        \
    X(QString, carikod, {})                                                                              \
    X(bool, Varmi, false)                                                                                \
    X(QString, SaticiAdi, {})                                                                            \
    X(QString, BilgiSayarAdi, {})                                                                        \
    X(QString, Disip, {})                                                                                \
    X(QString, Icip, {})                                                                                 \
    X(QString, BilgisayarKullanici, {})                                                                  \
    X(int, MusteriTipi, 1)                                                                               \
    X(int, Version, 1)

class TSonucBilgisi : public TTransferNesnesi {
    TELMIRA_TRANSFER_SINIFI(TSonucBilgisi, "baglantiu", TSONUCBILGISI_ALANLARI)

public:
    // A fresh copy for one remote call; the proxy frees it after sending.
    std::unique_ptr<TSonucBilgisi> Kopya() const {
        auto k = std::make_unique<TSonucBilgisi>();
        k->Kopyala(*this);
        return k;
    }
};
