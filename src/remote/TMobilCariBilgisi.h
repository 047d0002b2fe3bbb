#pragma once
#include "TTransferNesnesi.h"

// Address and contact data of the customer account registered for a workstation.
#define TMOBILCARIBILGISI_ALANLARI(X)                                                                    \
    X(QString, BILGISAYARID, {})                                                                         \
    X(QString, SEHIR, {})                                                                                \
    X(QString, FAX1, {})                                                                                 \
    X(QString, SATICIMAIL, {})                                                                           \
    X(QString, SATICIADI, {})                                                                            \
    X(QString, CARIADI, {})                                                                              \
    X(QString, EMAIL, {})                                                                                \
    X(QString, VERGIDAIRESI, {})                                                                         \
    X(QString, YETKILI, {})                                                                              \
    X(QString, AltGrup, {})                                                                              \
    X(QString, TEL2, {})                                                                                 \
    X(QString, SIFRE, {})                                                                                \
    X(QString, GSM, {})                                                                                  \
    X(QString, TEL1, {})                                                                                 \
    X(QString, ADRES2, {})                                                                               \
    X(double, TLBORC, 0.0)                                                                               \
    X(double, TLALACAK, 0.0)                                                                             \
    X(QString, ADRES1, {})                                                                               \
    X(QString, ULKE, {})                                                                                 \
    X(QString, AnaGrup, {})                                                                              \
    X(int, CARINO, 0)                                                                                    \
    X(double, TLBAKIYE, 0.0)                                                                             \
    X(QString, VERGINO, {})                                                                              \
    X(QString, MAIL, {})                                                                                 \
    X(QString, OzelKod, {})                                                                              \
    X(QString, KULLANICIADI, {})                                                                         \
    X(QString, SATICITELEFON, {})                                                                        \
    X(QString, CARIKOD, {})                                                                              \
    X(QString, FAX2, {})                                                                                 \
    X(QString, ILCE, {})

class TMobilCariBilgisi : public TTransferNesnesi {
    TELMIRA_TRANSFER_SINIFI(TMobilCariBilgisi, "mobilstokunit", TMOBILCARIBILGISI_ALANLARI)
};
