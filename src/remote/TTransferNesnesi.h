#pragma once
#include "AlanZiyaretcisi.h"

// Base of the objects that travel in JSON form: the qualified class name and a visit of the fields
// in declaration order (the JSON members are named after the fields, leading "F" included).
class TTransferNesnesi {
public:
    virtual ~TTransferNesnesi() = default;
    virtual const char* SinifAdi() const = 0;
    virtual void Alanlar(AlanZiyaretcisi& z) = 0;
};

// Declares the private fields, the properties (getter without "F", setter Set…), Kopyala and the
// field visit from one list X(type, name, default). Kopyala goes through the setters.
#define TELMIRA_ALAN_BILDIR(tip, ad, vars) tip F##ad = vars;
#define TELMIRA_ALAN_OZELLIK(tip, ad, vars)                                                              \
    const tip& ad() const { return F##ad; }                                                             \
    void Set##ad(const tip& deger) { F##ad = deger; }
#define TELMIRA_ALAN_KOPYALA(tip, ad, vars) Set##ad(kaynak.ad());
#define TELMIRA_ALAN_ZIYARET(tip, ad, vars) z.alan("F" #ad, F##ad);

#define TELMIRA_TRANSFER_SINIFI(Sinif, birim, LISTE)                                                     \
public:                                                                                                  \
    LISTE(TELMIRA_ALAN_OZELLIK)                                                                          \
    void Kopyala(const Sinif& kaynak) { LISTE(TELMIRA_ALAN_KOPYALA) }                                    \
    static constexpr const char* kSinifAdi = birim "." #Sinif;                                           \
    const char* SinifAdi() const override { return kSinifAdi; }                                          \
    void Alanlar(AlanZiyaretcisi& z) override { LISTE(TELMIRA_ALAN_ZIYARET) }                            \
                                                                                                         \
private:                                                                                                 \
    LISTE(TELMIRA_ALAN_BILDIR)
