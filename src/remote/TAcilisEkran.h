#pragma once
#include "TTransferNesnesi.h"

#include <QByteArray>

// One opening advertisement or announcement picture; FResim holds the picture as hex text.
#define TACILISEKRAN_ALANLARI(X)                                                                         \
    X(int, SiraNo, 0)                                                                                    \
    X(QString, Resim, {})                                                                                \
    X(QString, Baslik, {})                                                                               \
    X(QString, Arama, {})

class TAcilisEkran : public TTransferNesnesi {
    TELMIRA_TRANSFER_SINIFI(TAcilisEkran, "mobilstokunit", TACILISEKRAN_ALANLARI)

public:
    // The picture bytes of FResim; throws EHata on a pair that is not hexadecimal.
    QByteArray ResimBaytlari() const;
};

// Decodes hex text two characters at a time (either case); a final single character is one digit.
QByteArray HexCoz(const QString& metin);
